#pragma once
// "Stampa" of every result list: the list's lines under a title, with the
// print date at the foot of each page, on A4 landscape, printed without a
// preview. A list longer than a page goes on over further pages, each with
// its title and footer.
#include <QString>
#include <QStringList>

#include "platform/Services.h"

class QWidget;

namespace vel {

// The pages of the list report, ready to print. All the drawing of the
// report lives here.
PrintJob PrepareListReport(const QString &title, const QStringList &lines,
                           const QStringList &extraLines = {});

// Lines of the list that fit on one page.
int ListReportLinesPerPage();

// Prepares the pages and prints them through the print dialog. A failure of
// printing shows an error box with its reason; the window stays as it was.
void ListReport(QWidget *parent, const QString &title, const QStringList &lines,
                const QStringList &extraLines = {});

// The text of that error box.
QString PrintFailureMessage(const QString &reason);

}  // namespace vel
