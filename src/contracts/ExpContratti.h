#pragma once
// The contract export: every contract of the year open in the contract card
// in a grid, written on request to "Contratti_NSC.xls" in the program's
// folder. The last six columns take the user's corrections before the export.
#include "cards/ExportDialog.h"

namespace vel {

class TfrmExpContratti : public ExportDialog {
    Q_OBJECT
public:
    explicit TfrmExpContratti(QWidget *owner = nullptr);

    void cmdGuidaClick() override;

protected:
    void FormShow() override;
};

extern TfrmExpContratti *frmExpContratti;

}  // namespace vel
