#pragma once
// The to-be-paid list: every contract of the year open in the contract card
// whose box "Da saldare" is ticked, in file order, listed as soon as the
// window opens; a double-click loads the contract into the card whole, with
// its record number.
#include "cards/FindDialog.h"

namespace vel {

class TfrmDaSaldare : public ResultListDialog {
    Q_OBJECT
public:
    explicit TfrmDaSaldare(QWidget *owner = nullptr);

protected:
    void FormShow() override;
    ApplyRecord PickReceiver() const override;
};

extern TfrmDaSaldare *frmDaSaldare;

}  // namespace vel
