#pragma once
// The planner's print window: "Stampa" prints the yearly chart of the planner
// on screen through the print dialog and closes the window. The planner's
// command opens a new one each time, owned by the planner, shown modally.
#include <QFrame>
#include <QLabel>
#include <QWidget>

#include "PlanningPrintWindow.h"

namespace vel {

class TfrmStampaPlanning : public PlanningPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaPlanning(QWidget *owner = nullptr);

    QWidget *icoInf01;  // the heading "Stampa scheda" over what the window does
    QLabel *imgLogo01;  // a person holding an open document
    QFrame *shpSepara;
    QLabel *imgSezione04;  // a printer
    QLabel *icoInf02;      // how to go on

protected:
    bool Output() override;
    QString FailureMessage(const QString &reason) const override;
};

extern TfrmStampaPlanning *frmStampaPlanning;

}  // namespace vel
