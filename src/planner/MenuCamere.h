#pragma once
// The planner's chooser of vehicle and year. When it closes it shows the
// planner after its "Apri", and the launcher otherwise.
#include <QLabel>

#include "platform/Form.h"

namespace vel {

class TfrmMenuCamere : public Form {
    Q_OBJECT
public:
    explicit TfrmMenuCamere(QWidget *owner = nullptr);

    // Hidden: the window to show when the chooser closes, "avvio" (the
    // launcher) or "planning" (the planner).
    QLabel *lblMemory;

protected:
    void FormShow() override;
    void FormClose(CloseAction &action) override;
};

extern TfrmMenuCamere *frmMenuCamere;

}  // namespace vel
