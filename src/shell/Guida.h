#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmGuida : public Form {
public:
    explicit TfrmGuida(QWidget *owner = nullptr);
};

extern TfrmGuida *frmGuida;

}  // namespace vel
