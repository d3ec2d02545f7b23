#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmFlotta : public Form {
public:
    explicit TfrmFlotta(QWidget *owner = nullptr);
};

extern TfrmFlotta *frmFlotta;

}  // namespace vel
