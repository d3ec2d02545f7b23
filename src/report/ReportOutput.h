#pragma once
// The three ways a window hands out a prepared report. A failure shows an
// error box with its reason, and the window that asked stays as it was.
#include <QString>

#include "report/Report.h"

class QWidget;

namespace vel::report {

// Prints through the print dialog. False when printing failed (the error box
// has been shown); a print dialog the user cancelled is no failure.
bool PrintReport(const Report &report, QWidget *parent);
// Shows the modal preview; false when it failed (the error box has been shown).
bool PreviewReport(const Report &report, QWidget *parent);
// Writes the PDF file; false when it failed (the error box has been shown).
bool ExportReportPdf(const Report &report, const QString &path, const QString &title, const QString &subject);

// The texts of the error boxes, each followed by the failure's reason.
QString PrintFailureMessage(const QString &reason);
QString PreviewFailureMessage(const QString &reason);
QString PdfFailureMessage(const QString &reason);

}  // namespace vel::report
