#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmExpClienti : public Form {
public:
    explicit TfrmExpClienti(QWidget *owner = nullptr);
};

extern TfrmExpClienti *frmExpClienti;

}  // namespace vel
