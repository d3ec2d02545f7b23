#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmTrovaContrattiNSC : public Form {
public:
    explicit TfrmTrovaContrattiNSC(QWidget *owner = nullptr);
};

extern TfrmTrovaContrattiNSC *frmTrovaContrattiNSC;

}  // namespace vel
