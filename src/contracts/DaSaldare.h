#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmDaSaldare : public Form {
public:
    explicit TfrmDaSaldare(QWidget *owner = nullptr);
};

extern TfrmDaSaldare *frmDaSaldare;

}  // namespace vel
