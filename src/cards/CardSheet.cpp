#include "CardSheet.h"

#include <QDateTime>
#include <exception>

#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "pictures/Pictures.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"
#include "report/ReportOutput.h"

namespace vel {
namespace {

using report::Memo;
using report::Report;

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

// Row k of the sheet lies 24 mm + 10 mm for each row above it from the top.
double RowTop(int k) { return 24 + 10 * (k - 1); }

QString RowName(const char *prefix, int k) {
    return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

// Every text of the sheet: Arial, regular, one line cut at its edge,
// vertically centred, no frame.
Memo &AddText(report::ReportPage &page, const QString &name, const QRectF &bounds, const QString &text, double points,
              const QColor &colour, Qt::Alignment horizontal, const QColor &fill = QColor()) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), points, false, colour};
    memo.fill = fill;
    memo.alignment = horizontal | Qt::AlignVCenter;
    memo.wordWrap = false;
    return memo;
}

// The filled and prepared sheet; nullptr when that failed, after the error
// box that `failure` words.
std::unique_ptr<report::Report> PreparedCardSheet(const QString &reportName, const QString &title,
                                                  const CardSheetRows &rows, QString (*failure)(const QString &)) {
    try {
        std::unique_ptr<report::Report> repScheda = CardSheetTemplate(reportName);
        FillCardSheet(*repScheda, title, rows);
        repScheda->Prepare();
        return repScheda;
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, failure(QString::fromUtf8(e.what())));
        return nullptr;
    }
}

}  // namespace

QString SheetValue(const Edit *edit) { return Trim(edit->text()); }
QString SheetValue(const ComboEdit *combo) { return Trim(combo->text()); }

QImage CardSheetFolderPicture() { return Picture({PictureName::SheetFolder, {82, 68}}).toImage(); }

std::unique_ptr<Report> CardSheetTemplate(const QString &reportName) {
    auto repScheda = std::make_unique<Report>(reportName);
    report::ReportPage &page =
        repScheda->AddPage(QStringLiteral("Page1"), report::kA4, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    page.AddPicture(QStringLiteral("imgLogo"), QRectF(3, 3, 17, 13), CardSheetFolderPicture());
    AddText(page, QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), QStringLiteral("Titolo Scheda"), 16, Qt::white,
            Qt::AlignHCenter, kDarkOrange);
    page.AddLine(QStringLiteral("linSepara01"), QRectF(23, 16, 165, 0));
    for (int k = 1; k <= kCardSheetRowCount; ++k) {
        const QString placeholder = QStringLiteral("Campo %1").arg(k);
        AddText(page, RowName("titCampo", k), QRectF(3, RowTop(k), 52, 6), placeholder, 9, Qt::white, Qt::AlignLeft,
                kTeal);
        AddText(page, RowName("txtCampo", k), QRectF(60, RowTop(k), 128, 6), placeholder, 10, Qt::black, Qt::AlignLeft);
    }
    page.AddLine(QStringLiteral("linSepara02"), QRectF(3, 265, 185, 0));
    AddText(page, QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), QStringLiteral("Termine scheda"), 10, Qt::white,
            Qt::AlignHCenter, kDarkOrange);
    return repScheda;
}

void FillCardSheet(Report &repScheda, const QString &title, const CardSheetRows &rows) {
    repScheda.Page().SetOrientation(QPageLayout::Portrait);
    repScheda.Get<Memo>(QStringLiteral("txtTitolo")).SetText(title);
    for (int k = 1; k <= kCardSheetRowCount; ++k) {
        repScheda.Get<Memo>(RowName("titCampo", k)).SetText(rows.at(size_t(k - 1)).first);
        repScheda.Get<Memo>(RowName("txtCampo", k)).SetText(rows.at(size_t(k - 1)).second);
    }
    const QDateTime now = Now();
    repScheda.Get<Memo>(QStringLiteral("txtCalce"))
        .SetText(QStringLiteral("Stampa eseguita in data ") + FormatDateText(now.date()) +
                 QStringLiteral(" alle ore ") + now.time().toString(QStringLiteral("hh:mm:ss")));
}

void PreviewCardSheet(QWidget *owner, const QString &reportName, const QString &title, const CardSheetRows &rows) {
    if (auto repScheda = PreparedCardSheet(reportName, title, rows, report::PreviewFailureMessage))
        report::PreviewReport(*repScheda, owner);
}

void PrintCardSheet(QWidget *owner, const QString &reportName, const QString &title, const CardSheetRows &rows) {
    if (auto repScheda = PreparedCardSheet(reportName, title, rows, report::PrintFailureMessage))
        report::PrintReport(*repScheda, owner);
}

bool ExportCardSheetPdf(const QString &reportName, const QString &title, const CardSheetRows &rows,
                        const QString &pdfName) {
    auto repScheda = PreparedCardSheet(reportName, title, rows, report::PdfFailureMessage);
    if (!repScheda) return false;
    if (!report::ExportReportPdf(*repScheda, ProgramFolder() + pdfName, reportName, reportName)) return false;
    const MsgButton answer = MessageDlg(
        MsgKind::Confirmation, QStringLiteral("L'esportazione della scheda in PDF \u00e8 terminata con successo.") +
                                   QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole aprire il file?"));
    return answer != MsgButton::No;
}

}  // namespace vel
