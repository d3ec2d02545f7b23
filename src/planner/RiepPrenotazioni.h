#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmRiepPrenotazioni : public Form {
public:
    explicit TfrmRiepPrenotazioni(QWidget *owner = nullptr);
};

extern TfrmRiepPrenotazioni *frmRiepPrenotazioni;

}  // namespace vel
