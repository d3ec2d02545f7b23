#pragma once
// The planner's preview window: "Mostra anteprima" shows the yearly chart of
// the planner on screen in the preview, from which it can be printed, and
// closes the window when the preview closes. The planner's command opens a
// new one each time, owned by the planner, shown modally.
#include <QWidget>

#include "PlanningPrintWindow.h"

namespace vel {

class TfrmAnteprimaPlanning : public PlanningPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaPlanning(QWidget *owner = nullptr);

    // One picture: the heading "Anteprima di stampa" over what the window
    // does, a person holding an open document, a separator, and a printer
    // under a magnifying glass beside how to go on.
    QWidget *imgLogo02;

protected:
    bool Output() override;
    QString FailureMessage(const QString &reason) const override;
};

extern TfrmAnteprimaPlanning *frmAnteprimaPlanning;

}  // namespace vel
