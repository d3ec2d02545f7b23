#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmDisponibili : public Form {
public:
    explicit TfrmDisponibili(QWidget *owner = nullptr);
};

extern TfrmDisponibili *frmDisponibili;

}  // namespace vel
