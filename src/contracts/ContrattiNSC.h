#pragma once
// The contract card: one contract of a year's contract archive at a time.
#include <QLabel>

#include "platform/Form.h"

namespace vel {

class TfrmContrattiNSC : public Form {
public:
    explicit TfrmContrattiNSC(QWidget *owner = nullptr);

    // The open year's archive path: the contract search, the to-be-paid
    // list and the export read it.
    QLabel *lblFile = nullptr;

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmContrattiNSC *frmContrattiNSC;

}  // namespace vel
