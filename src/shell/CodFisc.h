#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmCodFisc : public Form {
public:
    explicit TfrmCodFisc(QWidget *owner = nullptr);
};

extern TfrmCodFisc *frmCodFisc;

}  // namespace vel
