#pragma once
// The fleet export: every vehicle of "Flotta_Automezzi.pro" in a grid, written
// on request to "Flotta_Automezzi.xls" in the program's folder.
#include "cards/ExportDialog.h"

namespace vel {

class TfrmExpFlotta : public ExportDialog {
    Q_OBJECT
public:
    explicit TfrmExpFlotta(QWidget *owner = nullptr);

    void cmdGuidaClick() override;

protected:
    void FormShow() override;
};

extern TfrmExpFlotta *frmExpFlotta;

}  // namespace vel
