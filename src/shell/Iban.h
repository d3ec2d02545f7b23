#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmIban : public Form {
public:
    explicit TfrmIban(QWidget *owner = nullptr);
};

extern TfrmIban *frmIban;

}  // namespace vel
