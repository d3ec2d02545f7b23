#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmExpPrenotazioni : public Form {
public:
    explicit TfrmExpPrenotazioni(QWidget *owner = nullptr);
};

extern TfrmExpPrenotazioni *frmExpPrenotazioni;

}  // namespace vel
