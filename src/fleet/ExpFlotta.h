#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmExpFlotta : public Form {
public:
    explicit TfrmExpFlotta(QWidget *owner = nullptr);
};

extern TfrmExpFlotta *frmExpFlotta;

}  // namespace vel
