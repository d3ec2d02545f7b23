#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmPlanning : public Form {
public:
    explicit TfrmPlanning(QWidget *owner = nullptr);
};

extern TfrmPlanning *frmPlanning;

}  // namespace vel
