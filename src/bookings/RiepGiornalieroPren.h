#pragma once
// The daily booking listing: the bookings picked up on one day of a month.
#include "RiepMensilePren.h"

namespace vel {

class TfrmRiepGiornalieroPren : public PickupListing {
    Q_OBJECT
public:
    explicit TfrmRiepGiornalieroPren(QWidget *owner = nullptr);

    ListCombo *cboGiorno;
};

extern TfrmRiepGiornalieroPren *frmRiepGiornalieroPren;

}  // namespace vel
