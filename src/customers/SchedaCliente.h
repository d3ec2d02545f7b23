#pragma once
// The customer on the card as a one-page A4 sheet, "SCHEDA ANAGRAFICA
// CLIENTE": shown in the preview, printed, or written as "Cliente.pdf".
// Everything comes from the card's controls as they stand: a card not yet
// saved prints like a saved one, and the archive is never read.
#include <QString>
#include <memory>

#include "report/Report.h"

namespace vel {

class TfrmClienti;

// The template `repScheda` (the card sheet of cards/CardSheet.h), its texts
// still the design placeholders.
std::unique_ptr<report::Report> SchedaClienteTemplate();
// Puts the card's customer and the moment of printing into the template.
void FillSchedaCliente(report::Report &repScheda, const TfrmClienti &card);

// The card's three commands: preview, print through the print dialog, and
// "Cliente.pdf" in the program's folder with the offer to open it. A failure
// shows an error box; the card is never changed.
void PreviewSchedaCliente(TfrmClienti &card);
void PrintSchedaCliente(TfrmClienti &card);
void ExportSchedaClientePdf(TfrmClienti &card);

}  // namespace vel
