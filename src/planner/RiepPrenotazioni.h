#pragma once
// The booking summary of the planner: every booked day of the planner on
// screen, in calendar order, with its booking text; a find box and the
// printed list. It reads the day cells of frmPlanning as they stand, bookings
// not yet saved included, and no file.
#include <QFrame>
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"

namespace vel {

// The line of one booked day: the day as two digits, a blank and the month's
// name, filled with blanks to 15 characters, then the trimmed booking text.
QString BookedDayLine(int month, int day, const QString &text);

class TfrmRiepPrenotazioni : public Form {
    Q_OBJECT
public:
    explicit TfrmRiepPrenotazioni(QWidget *owner = nullptr);

    QWidget *panContainer;
    QLabel *imgLogo, *icoIstruzioni01, *imgLente;
    QFrame *shpLente, *shpTrova, *shpRecords;
    Edit *txtTrova;
    Button *btnTrova;
    ListBox *lstRecords;
    Button *btnChiudi, *btnStampa;

    void btnTrovaClick();
    void txtTrovaKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void btnStampaClick();
    void btnChiudiClick();

protected:
    void FormCreate() override;
    void FormClose(CloseAction &action) override;
};

extern TfrmRiepPrenotazioni *frmRiepPrenotazioni;

}  // namespace vel
