#pragma once
// The vehicle on the card as a one-page A4 sheet, "SCHEDA AUTOMEZZO": shown in
// the preview, printed, or written as "Automezzo.pdf". Everything comes from
// the card's controls as they stand: a card not yet saved prints like a saved
// one, and the archive is never read.
#include <QImage>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "report/Report.h"

namespace vel {

class TfrmFlotta;

// The template `repScheda`, its texts still the design placeholders.
std::unique_ptr<report::Report> SchedaAutomezzoTemplate();
// The 24 rows of a card sheet, top to bottom: each row's caption and value.
using SchedaRows = std::vector<std::pair<QString, QString>>;
// Fills the card template: portrait, the title, the 24 rows, and the footer
// with the moment of printing. The vehicle and the tariff card both print so.
void FillScheda(report::Report &repScheda, const QString &title, const SchedaRows &rows);
// Puts the card's vehicle and the moment of printing into the template.
void FillSchedaAutomezzo(report::Report &repScheda, const TfrmFlotta &card);

// The card's three commands: preview, print through the print dialog, and
// "Automezzo.pdf" in the program's folder with the offer to open it. A
// failure shows an error box; the card is never changed.
void PreviewSchedaAutomezzo(TfrmFlotta &card);
void PrintSchedaAutomezzo(TfrmFlotta &card);
void ExportSchedaAutomezzoPdf(TfrmFlotta &card);

// The yellow folder in the sheet's top-left corner, 82 x 68 pixels.
QImage SchedaFolderPicture();

}  // namespace vel
