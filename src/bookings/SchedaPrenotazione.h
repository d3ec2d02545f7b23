#pragma once
// The booking on the card as something for the customer: the one-page A4
// sheet "SCHEDA PRENOTAZIONE VEICOLO" that the customer signs (printed or
// previewed) and the confirmation e-mail handed to the mail program. Both
// read the card's controls as they stand: a booking need not be saved, and
// the archive is never read.
#include <QString>
#include <memory>

#include "report/Report.h"

namespace vel {

class TfrmPrenotazioni;

// The template `repScheda`: the folder picture, the title, the 15 rows of a
// caption (`titCampo01`..`titCampo15`) and a value (`txtCampo01`..
// `txtCampo15`), the two notices `txtCampo16` to `txtCampo18`, the signature
// line with `txtFirma` and the footer `txtCalce`; the filled texts still the
// design placeholders.
std::unique_ptr<report::Report> SchedaPrenotazioneTemplate();
// Puts the card's booking and the moment of printing into the template.
void FillSchedaPrenotazione(report::Report &repScheda, const TfrmPrenotazioni &card);

// Print through the print dialog, or the preview. A failure shows an error
// box with its reason; the card is never changed.
void PrintSchedaPrenotazione(TfrmPrenotazioni &card);
void PreviewSchedaPrenotazione(TfrmPrenotazioni &card);

// The "mailto:" text of the confirmation e-mail for the booking on the card
// (without the double quotes it is handed over in).
QString BookingConfirmationMailto(const TfrmPrenotazioni &card);
// The e-mail command: the address, then the customer's name must be there;
// the mail goes to the desktop, which says so when no program takes it.
void SendBookingConfirmation(TfrmPrenotazioni &card);

}  // namespace vel
