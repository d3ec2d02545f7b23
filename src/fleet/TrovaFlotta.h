#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmTrovaFlotta : public Form {
public:
    explicit TfrmTrovaFlotta(QWidget *owner = nullptr);
};

extern TfrmTrovaFlotta *frmTrovaFlotta;

}  // namespace vel
