#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmSplash : public Form {
public:
    explicit TfrmSplash(QWidget *owner = nullptr);
};

extern TfrmSplash *frmSplash;

}  // namespace vel
