#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmRiepAnnualePren : public Form {
public:
    explicit TfrmRiepAnnualePren(QWidget *owner = nullptr);
};

extern TfrmRiepAnnualePren *frmRiepAnnualePren;

}  // namespace vel
