#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmTariffario : public Form {
public:
    explicit TfrmTariffario(QWidget *owner = nullptr);
};

extern TfrmTariffario *frmTariffario;

}  // namespace vel
