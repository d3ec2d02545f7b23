#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmAnteprimaPlanning : public Form {
public:
    explicit TfrmAnteprimaPlanning(QWidget *owner = nullptr);
};

extern TfrmAnteprimaPlanning *frmAnteprimaPlanning;

}  // namespace vel
