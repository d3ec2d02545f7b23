#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmExpContratti : public Form {
public:
    explicit TfrmExpContratti(QWidget *owner = nullptr);
};

extern TfrmExpContratti *frmExpContratti;

}  // namespace vel
