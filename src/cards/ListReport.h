#pragma once
// "Stampa" of every result list: the report "Riepilogo dati", the list's
// lines under a title with the print date at the foot, on A4 landscape,
// printed through the print dialog without a preview. A list longer than a
// page goes on over further pages, each with the title and the footer.
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/Services.h"
#include "report/Report.h"
#include "report/ReportOutput.h"

class QWidget;

namespace vel {

// The template `frxReport`: the title band with `txtTitolo`, the band
// `MasterData` with the memo `txtRiepilogo` for the lines, the footer band
// with `txtPagina`. Its texts are the design placeholders.
std::unique_ptr<report::Report> ListReportTemplate();

// Puts the title, the lines followed by the extra lines, the heights they
// need and today's date into the template.
void FillListReport(report::Report &frxReport, const QString &title, const QStringList &lines,
                    const QStringList &extraLines = {});

// The filled and prepared pages as they go to the printer.
PrintJob PrepareListReport(const QString &title, const QStringList &lines, const QStringList &extraLines = {});

// Fills, prepares and prints through the print dialog. A failure shows an
// error box with its reason; the window stays as it was.
void ListReport(QWidget *parent, const QString &title, const QStringList &lines,
                const QStringList &extraLines = {});

// The text of that error box: the report layer's print failure.
using report::PrintFailureMessage;

}  // namespace vel
