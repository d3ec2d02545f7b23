#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmImpPrenotazioni : public Form {
public:
    explicit TfrmImpPrenotazioni(QWidget *owner = nullptr);
};

extern TfrmImpPrenotazioni *frmImpPrenotazioni;

}  // namespace vel
