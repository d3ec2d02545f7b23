#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmCarta : public Form {
public:
    explicit TfrmCarta(QWidget *owner = nullptr);
};

extern TfrmCarta *frmCarta;

}  // namespace vel
