#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmTrovaPrenotazioni : public Form {
public:
    explicit TfrmTrovaPrenotazioni(QWidget *owner = nullptr);
};

extern TfrmTrovaPrenotazioni *frmTrovaPrenotazioni;

}  // namespace vel
