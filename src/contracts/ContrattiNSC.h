#pragma once
// The contract card: one contract of a year's contract archive at a time.
#include <QLabel>

#include "common/Record.h"
#include "platform/Form.h"

namespace vel {

class TfrmContrattiNSC : public Form {
public:
    explicit TfrmContrattiNSC(QWidget *owner = nullptr);

    // The open year's archive path: the contract search, the to-be-paid
    // list and the export read it.
    QLabel *lblFile = nullptr;

    // Puts a contract read from the archive on the card, with its record
    // number; the contract search and the to-be-paid list load it this way.
    void ShowRecord(const Record &record, int number);

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmContrattiNSC *frmContrattiNSC;

}  // namespace vel
