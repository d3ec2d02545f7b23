#pragma once
// The tariff card: one tariff of "Tariffario.pro" at a time.
#include "platform/Form.h"

namespace vel {

class TfrmTariffario : public Form {
public:
    explicit TfrmTariffario(QWidget *owner = nullptr);

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmTariffario *frmTariffario;

}  // namespace vel
