#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmPrivacy : public Form {
public:
    explicit TfrmPrivacy(QWidget *owner = nullptr);
};

extern TfrmPrivacy *frmPrivacy;

}  // namespace vel
