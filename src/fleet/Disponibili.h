#pragma once
// The list of available vehicles: every vehicle whose box "Veicolo
// disponibile" is ticked, listed as soon as the dialog opens; a double-click
// loads the vehicle into the vehicle card with its record number.
#include "cards/FindDialog.h"

namespace vel {

class TfrmDisponibili : public ResultListDialog {
    Q_OBJECT
public:
    explicit TfrmDisponibili(QWidget *owner = nullptr);

protected:
    void FormShow() override;
    ApplyRecord PickReceiver() const override;
};

extern TfrmDisponibili *frmDisponibili;

}  // namespace vel
