#include "RiepGiornalieroPren.h"

namespace vel {

TfrmRiepGiornalieroPren *frmRiepGiornalieroPren = nullptr;

TfrmRiepGiornalieroPren::TfrmRiepGiornalieroPren(QWidget *owner)
    : PickupListing(owner, "frmRiepGiornalieroPren", QStringLiteral(" Riepilogo giornaliero prenotazioni veicoli"),
                    QStringLiteral("Riepilogo giornaliero prenotazioni veicoli"),
                    QStringLiteral("Selezionare un giorno e un mese dell'anno e premere Visualizza."), true),
      cboGiorno(day_) {}

}  // namespace vel
