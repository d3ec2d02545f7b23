#pragma once
// The tariff on the card as a one-page A4 sheet, "SCHEDA TARIFFA NOLEGGIO
// VEICOLO", printed through the print dialog; tariffs have no preview and no
// PDF. The sheet is the vehicle card's, object for object (cards/CardSheet.h).
// Everything comes from the card's controls as they stand: a card not yet
// saved prints like a saved one, and the archive is never read.
#include "report/Report.h"

namespace vel {

class TfrmTariffario;

// Puts the card's tariff and the moment of printing into a card sheet
// template (CardSheetTemplate).
void FillSchedaTariffa(report::Report &repScheda, const TfrmTariffario &card);

// The card's "Stampa": fills, prepares and prints through the print dialog.
// A failure shows an error box with its reason; the card is never changed.
void PrintSchedaTariffa(TfrmTariffario &card);

}  // namespace vel
