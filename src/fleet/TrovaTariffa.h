#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmTrovaTariffa : public Form {
public:
    explicit TfrmTrovaTariffa(QWidget *owner = nullptr);
};

extern TfrmTrovaTariffa *frmTrovaTariffa;

}  // namespace vel
