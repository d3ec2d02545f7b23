#pragma once
// The tariff export: every tariff of "Tariffario.pro" in a grid, written on
// request to "Tariffario.xls" in the program's folder.
#include "cards/ExportDialog.h"

namespace vel {

class TfrmExpTariffario : public ExportDialog {
    Q_OBJECT
public:
    explicit TfrmExpTariffario(QWidget *owner = nullptr);

    void cmdGuidaClick() override;

protected:
    void FormShow() override;
};

extern TfrmExpTariffario *frmExpTariffario;

}  // namespace vel
