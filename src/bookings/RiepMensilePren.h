#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmRiepMensilePren : public Form {
public:
    explicit TfrmRiepMensilePren(QWidget *owner = nullptr);
};

extern TfrmRiepMensilePren *frmRiepMensilePren;

}  // namespace vel
