#include "ListReport.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <cmath>
#include <exception>

#include "common/Clock.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"

namespace vel {
namespace {

// The pages are drawn in points (1/72 inch) of the whole sheet; the layout is
// given in millimetres and in report units (pixels at 96 per inch).
constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kPointsPerUnit = 72.0 / 96.0;
constexpr double Mm(double mm) { return mm * kPointsPerMm; }
constexpr double Units(double units) { return units * kPointsPerUnit; }

constexpr double kPageWidth = Mm(297), kPageHeight = Mm(210);
constexpr double kMargin = Mm(10);
constexpr double kBandHeight = Mm(8);            // title band and footer band
constexpr double kLineHeight = Units(12.822);    // one line of the list
constexpr double kBodyTop = kMargin + kBandHeight;
constexpr double kFooterTop = kPageHeight - kMargin - kBandHeight;

const QColor kSlateGrey(0x70, 0x80, 0x90);

// A font sized in points of the page: the pages are drawn one unit a point.
QFont PageFont(const QString &family, int points, bool bold) {
    QFont font(family);
    font.setPixelSize(points);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void DrawBand(QPainter &p, const QRectF &memo, const QString &text, int points) {
    p.fillRect(memo, kSlateGrey);
    p.setPen(Qt::white);
    p.setFont(PageFont(QStringLiteral("Verdana"), points, true));
    p.drawText(memo, Qt::AlignCenter | Qt::TextSingleLine, text);
}

}  // namespace

int ListReportLinesPerPage() {
    return static_cast<int>(std::floor((kFooterTop - kBodyTop) / kLineHeight));
}

PrintJob PrepareListReport(const QString &title, const QStringList &lines, const QStringList &extraLines) {
    PrintJob job;
    job.title = title;
    job.layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                             QPageLayout::Millimeter);
    const QStringList all = lines + extraLines;
    const QString footer = QStringLiteral("Stampa eseguita in data ") + FormatDateText(Today());
    const int perPage = ListReportLinesPerPage();
    qsizetype next = 0;
    do {
        QPicture page;
        page.setBoundingRect(QRect(0, 0, qRound(kPageWidth), qRound(kPageHeight)));
        QPainter p(&page);
        // Title band: the memo 2 mm in and 1 mm down, 273 x 5 mm.
        DrawBand(p, QRectF(kMargin + Mm(2), kMargin + Mm(1), Mm(273), Mm(5)), title, 9);
        // The lines, 3 mm in, 273 mm wide, never wrapped; what runs past the
        // block's right edge is cut off.
        const QRectF block(kMargin + Mm(3), kBodyTop, Mm(273), kFooterTop - kBodyTop);
        p.save();
        p.setClipRect(block);
        p.setPen(Qt::black);
        p.setFont(PageFont(QStringLiteral("Courier New"), 8, false));
        for (int row = 0; row < perPage && next < all.size(); ++row, ++next)
            p.drawText(QRectF(block.left(), block.top() + row * kLineHeight, block.width(), kLineHeight),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, all.at(next));
        p.restore();
        // Footer band: the memo 3 mm in and 2 mm down, 272 x 5 mm.
        DrawBand(p, QRectF(kMargin + Mm(3), kFooterTop + Mm(2), Mm(272), Mm(5)), footer, 8);
        p.end();
        job.pages.append(page);
    } while (next < all.size());
    return job;
}

QString PrintFailureMessage(const QString &reason) {
    return QStringLiteral("Attenzione: non \u00e8 stato possibile stampare il documento.") +
           QStringLiteral("\n\r\n\r") + QStringLiteral("Motivo: ") + reason;
}

void ListReport(QWidget *parent, const QString &title, const QStringList &lines, const QStringList &extraLines) {
    try {
        Printing().Print(parent, PrepareListReport(title, lines, extraLines));
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, PrintFailureMessage(QString::fromUtf8(e.what())));
    }
}

}  // namespace vel
