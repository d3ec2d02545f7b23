#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmIntervallo : public Form {
public:
    explicit TfrmIntervallo(QWidget *owner = nullptr);
};

extern TfrmIntervallo *frmIntervallo;

}  // namespace vel
