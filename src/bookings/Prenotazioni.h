#pragma once
#include "platform/Form.h"

namespace vel {

class TfrmPrenotazioni : public Form {
public:
    explicit TfrmPrenotazioni(QWidget *owner = nullptr);
};

extern TfrmPrenotazioni *frmPrenotazioni;

}  // namespace vel
