#pragma once
// The booking card: one booking of a year's booking archive at a time.
#include <QLabel>

#include "platform/Form.h"

namespace vel {

class TfrmPrenotazioni : public Form {
public:
    explicit TfrmPrenotazioni(QWidget *owner = nullptr);

    // The open year's archive path, and the year of its return dates: the
    // booking search, export and listings read them.
    QLabel *lblFile = nullptr;
    QLabel *lblAnnoRit = nullptr;

protected:
    void FormClose(CloseAction &action) override;
};

extern TfrmPrenotazioni *frmPrenotazioni;

}  // namespace vel
