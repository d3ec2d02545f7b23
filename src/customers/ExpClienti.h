#pragma once
// The customer export: every customer of "Clienti.pro" in a grid, written on
// request to "Clienti.xls" in the program's folder.
#include "cards/ExportDialog.h"

namespace vel {

class TfrmExpClienti : public ExportDialog {
    Q_OBJECT
public:
    explicit TfrmExpClienti(QWidget *owner = nullptr);

    void cmdGuidaClick() override;

protected:
    void FormShow() override;
};

extern TfrmExpClienti *frmExpClienti;

}  // namespace vel
