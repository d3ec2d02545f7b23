#pragma once
// The launcher, shown after a correct password. Closing it ends the program.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmAvvio : public Form {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *owner = nullptr);

    QLabel *icoTitoloApp;
    ImageButton *imgEsci;

    void imgEsciClick();

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmAvvio *frmAvvio;

}  // namespace vel
