#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmLogo : public Form {
public:
    explicit TfrmLogo(QWidget *owner = nullptr);
};

extern TfrmLogo *frmLogo;

}  // namespace vel
