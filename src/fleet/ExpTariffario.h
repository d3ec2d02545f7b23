#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmExpTariffario : public Form {
public:
    explicit TfrmExpTariffario(QWidget *owner = nullptr);
};

extern TfrmExpTariffario *frmExpTariffario;

}  // namespace vel
