#pragma once
// The booking search: finds the bookings of the year open on the booking card
// by up to ten partial texts and loads the one picked into the card, with its
// record number. What the pick writes is the card's own business: it
// registers its receiver for the tag "prenotazioni".
#include "cards/FindDialog.h"

namespace vel {

class TfrmTrovaPrenotazioni : public FindDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaPrenotazioni(QWidget *owner = nullptr);

    Edit *txtDataRit, *txtDataRic, *txtVeicolo, *txtMarca, *txtModello;
    Edit *txtTarga, *txtCliente, *txtCodFisc, *txtSedeRit, *txtSedeRic;
    FocusFrame *effDataRit, *effDataRic, *effVeicolo, *effMarca, *effModello;
    FocusFrame *effTarga, *effCliente, *effCodFisc, *effSedeRit, *effSedeRic;
};

extern TfrmTrovaPrenotazioni *frmTrovaPrenotazioni;

// The archive of the year open on the booking card: the card's `lblFile`,
// trimmed, read at the moment of each command (empty without the card).
QString OpenBookingArchivePath();
// The criteria of a booking search, in the order of the Enter chain: the
// booking search's and the contract card's booking import's.
std::span<const CriterionDef> BookingCriteria();

}  // namespace vel
