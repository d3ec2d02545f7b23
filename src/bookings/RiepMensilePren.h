#pragma once
// The monthly booking listing, and the selection panel it shares with the
// daily one: the panel lies over the grid until "Visualizza" finds bookings,
// then goes for good; another month or day needs the dialog opened again.
#include <QFrame>
#include <QLabel>

#include "RiepAnnualePren.h"
#include "platform/Controls.h"

namespace vel {

// A listing of the bookings picked up in one month, or on one day of it.
class PickupListing : public BookingListing {
    Q_OBJECT
public:
    QWidget *panAnno;
    QFrame *bkgTitle, *bkgHeader, *bkgBody, *shpNuovo;
    QLabel *bkgTitolo;
    QLabel *lblAnno;  // the year as the card writes it; display only
    QLabel *lblApri;
    ListCombo *cboSelezione;
    Button *btnVisualizza;
    ImageButton *icoGuida, *icoEsci;

    void btnVisualizzaClick();
    void icoGuidaClick() { cmdGuidaClick(); }
    void icoEsciClick() { Close(); }

protected:
    // With `byDay` the panel also holds the day list `cboGiorno`.
    PickupListing(QWidget *owner, const char *objectName, const QString &caption, const QString &title,
                  const QString &instruction, bool byDay);
    void FormShow() override;

    ListCombo *day_ = nullptr;
};

class TfrmRiepMensilePren : public PickupListing {
    Q_OBJECT
public:
    explicit TfrmRiepMensilePren(QWidget *owner = nullptr);
};

extern TfrmRiepMensilePren *frmRiepMensilePren;

}  // namespace vel
