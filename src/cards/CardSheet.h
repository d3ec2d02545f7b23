#pragma once
// The card sheet: one A4 page, portrait, that prints the card on screen as 24
// rows of a caption and a value under a title, with the moment of printing in
// its footer. The vehicle, tariff and customer cards print on it; each card
// keeps its own template (made here), its title, its rows and its outputs.
#include <QImage>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Controls.h"
#include "report/Report.h"

namespace vel {

// The 24 rows of a card sheet, top to bottom: each row's caption and value.
using CardSheetRows = std::vector<std::pair<QString, QString>>;
inline constexpr int kCardSheetRowCount = 24;

// A card sheet template named `reportName`: the folder picture `imgLogo`, the
// title `txtTitolo`, the lines `linSepara01` and `linSepara02`, the captions
// `titCampo01`..`titCampo24` beside the values `txtCampo01`..`txtCampo24`, and
// the footer `txtCalce`, their texts still the design placeholders. Every
// text is one line cut at its edge.
std::unique_ptr<report::Report> CardSheetTemplate(const QString &reportName);

// Fills a card sheet template: portrait, the title, the 24 rows (exactly
// kCardSheetRowCount of them) and the footer with the moment of printing.
void FillCardSheet(report::Report &repScheda, const QString &title, const CardSheetRows &rows);

// The outputs of a card sheet named `reportName` with `title` and `rows`,
// over the card `owner`. A sheet that cannot be filled or prepared shows the
// error box of its output and goes no further; print, preview and PDF report
// their own failures.
void PreviewCardSheet(QWidget *owner, const QString &reportName, const QString &title, const CardSheetRows &rows);
void PrintCardSheet(QWidget *owner, const QString &reportName, const QString &title, const CardSheetRows &rows);
// Writes the sheet as `pdfName` in the program folder (title and subject the
// report's name), then asks whether to open it: true when it was written and
// the user wants it opened.
bool ExportCardSheetPdf(const QString &reportName, const QString &title, const CardSheetRows &rows,
                        const QString &pdfName);

// What a row shows of a control: its text, trimmed.
QString SheetValue(const Edit *edit);
QString SheetValue(const ComboEdit *combo);

// The yellow folder in the sheet's top-left corner, 82 x 68 pixels.
QImage CardSheetFolderPicture();

}  // namespace vel
