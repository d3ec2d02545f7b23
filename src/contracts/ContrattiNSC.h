#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmContrattiNSC : public Form {
public:
    explicit TfrmContrattiNSC(QWidget *owner = nullptr);
};

extern TfrmContrattiNSC *frmContrattiNSC;

}  // namespace vel
