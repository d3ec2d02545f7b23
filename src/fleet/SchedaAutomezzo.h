#pragma once
// The vehicle on the card as a one-page A4 sheet, "SCHEDA AUTOMEZZO": shown in
// the preview, printed, or written as "Automezzo.pdf". Everything comes from
// the card's controls as they stand: a card not yet saved prints like a saved
// one, and the archive is never read.
#include <QString>
#include <memory>

#include "report/Report.h"

namespace vel {

class TfrmFlotta;

// The template `repScheda` (the card sheet of cards/CardSheet.h), its texts
// still the design placeholders.
std::unique_ptr<report::Report> SchedaAutomezzoTemplate();
// Puts the card's vehicle and the moment of printing into the template.
void FillSchedaAutomezzo(report::Report &repScheda, const TfrmFlotta &card);

// The card's three commands: preview, print through the print dialog, and
// "Automezzo.pdf" in the program's folder with the offer to open it. A
// failure shows an error box; the card is never changed.
void PreviewSchedaAutomezzo(TfrmFlotta &card);
void PrintSchedaAutomezzo(TfrmFlotta &card);
void ExportSchedaAutomezzoPdf(TfrmFlotta &card);

}  // namespace vel
