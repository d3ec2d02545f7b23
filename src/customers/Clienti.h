#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmClienti : public Form {
public:
    explicit TfrmClienti(QWidget *owner = nullptr);
};

extern TfrmClienti *frmClienti;

}  // namespace vel
