#pragma once
// The booking card: one booking of a year's booking archive at a time.
#include "platform/Form.h"

namespace vel {

class TfrmPrenotazioni : public Form {
public:
    explicit TfrmPrenotazioni(QWidget *owner = nullptr);

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmPrenotazioni *frmPrenotazioni;

}  // namespace vel
