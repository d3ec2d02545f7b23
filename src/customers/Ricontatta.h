#pragma once
// The call-back list: every customer whose box "Da ricontattare" is ticked,
// listed as soon as the list opens; a double-click loads the customer into
// the customer card with its record number.
#include "cards/FindDialog.h"

namespace vel {

class TfrmRicontatta : public ResultListDialog {
    Q_OBJECT
public:
    explicit TfrmRicontatta(QWidget *owner = nullptr);

protected:
    void FormShow() override;
    ApplyRecord PickReceiver() const override;
};

extern TfrmRicontatta *frmRicontatta;

}  // namespace vel
