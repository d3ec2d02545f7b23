#pragma once
// The contract card: one contract of a year's contract archive at a time.
#include "platform/Form.h"

namespace vel {

class TfrmContrattiNSC : public Form {
public:
    explicit TfrmContrattiNSC(QWidget *owner = nullptr);

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmContrattiNSC *frmContrattiNSC;

}  // namespace vel
