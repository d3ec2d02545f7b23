#include "ListReport.h"

#include <exception>

#include "common/Clock.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"

namespace vel {
namespace {

using report::Band;
using report::BandKind;
using report::Memo;
using report::Report;
using report::Units;
using report::UnitPoints;

const QColor kSlateGrey(0x70, 0x80, 0x90);
// One list line, in report units (about 3.39 mm).
constexpr double kLineUnits = 12.822;
// The band keeps this much below the lines.
constexpr double kBandFootUnits = 10;

// The title and the footer: bold white Verdana, centred on a slate-grey band.
Memo &AddBandText(Band &band, const QString &name, const QRectF &bounds, const QString &text, double fontUnits) {
    Memo &memo = band.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Verdana"), UnitPoints(fontUnits), true, Qt::white};
    memo.fill = kSlateGrey;
    memo.alignment = Qt::AlignCenter;
    return memo;
}

}  // namespace

std::unique_ptr<Report> ListReportTemplate() {
    auto frxReport = std::make_unique<Report>(QStringLiteral("Riepilogo dati"));
    report::ReportPage &page =
        frxReport->AddPage(QStringLiteral("Page1"), report::kA4, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));

    // The title heads every page, so that each sheet of a long list says
    // which list it belongs to.
    Band &title = page.AddBand(QStringLiteral("ReportTitle1"), BandKind::PageHeader, 8);
    AddBandText(title, QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5), QStringLiteral("Riepilogo"), 12);

    Band &data = page.AddBand(QStringLiteral("MasterData"), BandKind::MasterData, Units(kLineUnits + kBandFootUnits));
    data.allowSplit = true;
    Memo &lines = data.AddMemo(QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, Units(kLineUnits)));
    lines.font = {QStringLiteral("Courier New"), UnitPoints(10.67), false, Qt::black};
    lines.wordWrap = false;
    lines.lineHeight = Units(kLineUnits);

    Band &footer = page.AddBand(QStringLiteral("PageFooter1"), BandKind::PageFooter, 8);
    AddBandText(footer, QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5),
                QStringLiteral("Stampa eseguita in data [DATE]"), 10.67);
    return frxReport;
}

void FillListReport(Report &frxReport, const QString &title, const QStringList &lines, const QStringList &extraLines) {
    frxReport.Get<Memo>(QStringLiteral("txtTitolo")).SetText(title);

    // A list line is one memo line: the memo prints a line break inside it as
    // a blank, as every other control character, so the memo's height keeps to
    // the number of lines. The lines are handed over as they are, shared and
    // not copied; a long list is read once, when the memo is laid out.
    QStringList memoLines = lines;
    if (!extraLines.isEmpty()) memoLines.append(extraLines);
    Memo &txtRiepilogo = frxReport.Get<Memo>(QStringLiteral("txtRiepilogo"));
    // Handed over as lines: a long list is neither joined into one text nor
    // split again when it is laid out.
    const qsizetype count = memoLines.size();
    txtRiepilogo.SetLines(std::move(memoLines));
    txtRiepilogo.SetHeight(Units(count * kLineUnits));
    frxReport.Get<Band>(QStringLiteral("MasterData")).SetHeight(txtRiepilogo.Height() + Units(kBandFootUnits));

    frxReport.Get<Memo>(QStringLiteral("txtPagina"))
        .SetText(QStringLiteral("Stampa eseguita in data ") + FormatDateText(Today()));
    // The print queue names the document after the list, so that one list
    // is told from another there.
    frxReport.name = title;
}

PrintJob PrepareListReport(const QString &title, const QStringList &lines, const QStringList &extraLines) {
    std::unique_ptr<Report> frxReport = ListReportTemplate();
    FillListReport(*frxReport, title, lines, extraLines);
    frxReport->Prepare();
    return frxReport->ToPrintJob();
}

void ListReport(QWidget *parent, const QString &title, const QStringList &lines, const QStringList &extraLines) {
    std::unique_ptr<Report> frxReport;
    try {
        frxReport = ListReportTemplate();
        FillListReport(*frxReport, title, lines, extraLines);
        frxReport->Prepare();
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, PrintFailureMessage(QString::fromUtf8(e.what())));
        return;
    }
    report::PrintReport(*frxReport, parent);
}

}  // namespace vel
