#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "PageImages.h"
#include "platform/QtPrint.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "support/Fakes.h"
#include "support/WriteLimit.h"

namespace vel::report {
namespace {

using test::DarkPixels;
using test::FakePrinter;
using test::MessageScript;
using test::PixelAtMm;
using test::TestFolder;

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);
const QString kAccents =
    QStringLiteral("Compatibilit\u00e0 ambientale: Euro 6 \u2013 perch\u00e9 s\u00ec, \u20ac 12.500,00");

// A small card: a title on dark orange, a caption on teal, a value with
// accented letters, a note too long for its row, a picture and two lines.
struct Card {
    Report report{QStringLiteral("Scheda informativa")};
    ReportPage &page = report.AddPage(QStringLiteral("Page1"), kA4, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    QImage logo{82, 68, QImage::Format_RGB32};
    Card() {
        logo.fill(QColor(0x20, 0x40, 0xC0));
        page.AddPicture(QStringLiteral("imgLogo"), QRectF(3, 3, 17, 13), logo);
        Memo &title = page.AddMemo(QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), QStringLiteral("SCHEDA"));
        title.font = {QStringLiteral("Arial"), 16, false, Qt::white};
        title.fill = kDarkOrange;
        title.alignment = Qt::AlignCenter;
        title.wordWrap = false;
        page.AddLine(QStringLiteral("linSepara01"), QRectF(23, 16, 165, 0));
        Memo &caption = page.AddMemo(QStringLiteral("titCampo01"), QRectF(3, 24, 52, 6), QStringLiteral("Ambiente:"));
        caption.font = {QStringLiteral("Arial"), 9, false, Qt::white};
        caption.fill = kTeal;
        caption.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        caption.wordWrap = false;
        Memo &value = page.AddMemo(QStringLiteral("txtCampo01"), QRectF(60, 24, 128, 6), kAccents);
        value.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        value.wordWrap = false;
        Memo &note = page.AddMemo(QStringLiteral("txtCampo02"), QRectF(60, 34, 128, 6),
                                  QString(QStringLiteral("Nota lunghissima ")).repeated(12) + QStringLiteral("FINE"));
        note.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        note.wordWrap = false;
        Shape &box = page.AddShape(QStringLiteral("shpRiquadro"), QRectF(3, 50, 52, 20));
        box.fill = QColor(0xF5, 0xF5, 0xDC);
        report.Prepare();
    }
};

class ReportOutputTest : public ::testing::Test {
protected:
    TestFolder folder;
    MessageScript messages;
    FakePrinter printer;
};

// The sheet as drawn: each fill in its colour, the text on it, nothing of
// the long note past its memo's right edge. Checked on the prepared page and
// on the picture the printer receives.
TEST_F(ReportOutputTest, PagesAreDrawnWhereTheTemplatePutsThem) {
    Card card;
    const PreparedPage &page = card.report.PreparedPages().front();
    constexpr double dpm = 6;  // pixels to the millimetre
    ASSERT_TRUE(PrintReport(card.report, nullptr));
    ASSERT_EQ(printer.printed.size(), 1u);
    const QImage images[] = {test::RenderPage(page, dpm),
                             test::RenderPrinted(printer.printed[0].pages[0], page.size, dpm)};
    for (const QImage &image : images) {
        // Fills, clear of their text (the margins add 10 mm).
        EXPECT_EQ(QColor(PixelAtMm(image, dpm, 34, 14)), kDarkOrange);
        EXPECT_EQ(QColor(PixelAtMm(image, dpm, 64, 38.5)), kTeal);
        EXPECT_EQ(QColor(PixelAtMm(image, dpm, 40, 70)), QColor(0xF5, 0xF5, 0xDC));
        EXPECT_EQ(QColor(PixelAtMm(image, dpm, 24, 20)), QColor(0x20, 0x40, 0xC0));  // the picture
        EXPECT_EQ(QColor(PixelAtMm(image, dpm, 5, 5)), QColor(Qt::white));           // the margin
        // The white title text lies on the orange band, the black value
        // beside its caption, the line under the title.
        int white = 0;
        for (int x = int(33 * dpm); x < int(198 * dpm); ++x)
            for (int y = int(14 * dpm); y < int(22 * dpm); ++y)
                if (qGray(image.pixel(x, y)) > 240) ++white;
        EXPECT_GT(white, 100);
        EXPECT_GT(DarkPixels(image, dpm, QRectF(70, 34, 128, 6)), 100);
        EXPECT_GT(DarkPixels(image, dpm, QRectF(33, 25.8, 165, 0.4)), 165 * dpm / 2);
        // The note fills its row up to the edge and not a pixel beyond.
        EXPECT_GT(DarkPixels(image, dpm, QRectF(190, 44, 8, 6)), 20);
        EXPECT_EQ(DarkPixels(image, dpm, QRectF(198.3, 44, 11, 6)), 0);
    }
}

TEST_F(ReportOutputTest, PrintAndPreviewHandThePreparedPagesOn) {
    Card card;
    EXPECT_TRUE(PrintReport(card.report, nullptr));
    EXPECT_TRUE(PreviewReport(card.report, nullptr));
    ASSERT_EQ(printer.printed.size(), 1u);
    ASSERT_EQ(printer.previewed.size(), 1u);
    for (const PrintJob *job : {&printer.printed[0], &printer.previewed[0]}) {
        EXPECT_EQ(job->title, QStringLiteral("Scheda informativa"));
        EXPECT_EQ(job->layout.pageSize().id(), QPageSize::A4);
        EXPECT_EQ(job->layout.orientation(), QPageLayout::Portrait);
        EXPECT_EQ(job->layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        ASSERT_EQ(job->pages.size(), 1);
        EXPECT_EQ(job->pages[0].boundingRect(), QRect(0, 0, 595, 842));  // points of A4
    }

    // A cancelled print dialog prints nothing and is no failure.
    printer.acceptDialog = false;
    EXPECT_TRUE(PrintReport(card.report, nullptr));
    EXPECT_EQ(printer.printed.size(), 1u);
}

TEST_F(ReportOutputTest, ALandscapePageGoesToThePrinterInLandscape) {
    Card card;
    card.page.SetOrientation(QPageLayout::Landscape);
    card.report.Prepare();
    ASSERT_TRUE(PrintReport(card.report, nullptr));
    EXPECT_EQ(printer.printed[0].layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.printed[0].layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.printed[0].pages[0].boundingRect(), QRect(0, 0, 842, 595));
}

// The real preview window, as the vehicle card's "Anteprima" and the
// planner's preview open it: the page at its real size (zoom 100 %), in a
// window that takes most of the screen and shows the page's whole width
// where the screen allows; no other orientation or page setup is offered.
TEST(ReportPreviewWindow, OpensAtFullSizeInAWindowThatShowsThePage) {
    MessageScript messages;
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        SCOPED_TRACE(orientation == QPageLayout::Portrait ? "portrait" : "landscape");
        Card card;
        card.page.SetOrientation(orientation);
        card.report.Prepare();

        struct Seen {
            bool open = false;
            QPrintPreviewWidget::ZoomMode mode = QPrintPreviewWidget::FitInView;
            double zoom = 0;
            QString zoomText;
            QStringList fitting;  // the toolbar's fit buttons still pressed
            QStringList relayout;  // orientation and page setup buttons offered
            int pages = 0;
            QRect geometry, screen;
            int pageWidth = 0;  // the sheet's width at 100 %, in pixels
        } seen;
        int polls = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QPrintPreviewDialog *dialog = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets())
                if (auto *found = qobject_cast<QPrintPreviewDialog *>(window); found && found->isVisible())
                    dialog = found;
            if (!dialog) {
                if (++polls > 500) poll.stop();  // never opened: the checks below say so
                return;
            }
            poll.stop();
            seen.open = true;
            if (auto *preview = dialog->findChild<QPrintPreviewWidget *>()) {
                seen.mode = preview->zoomMode();
                seen.zoom = preview->zoomFactor();
                seen.pages = preview->pageCount();
            }
            if (auto *zoom = dialog->findChild<QComboBox *>()) seen.zoomText = zoom->lineEdit()->text();
            for (QAction *action : dialog->findChildren<QAction *>())
                if (action->objectName().startsWith(QLatin1String("fit")) && action->isChecked())
                    seen.fitting.append(action->objectName());
            for (QAction *action : dialog->findChildren<QAction *>())
                for (const char *text : {"Portrait", "Landscape", "Page setup"})
                    if (action->isVisible() && action->text() == QCoreApplication::translate("QPrintPreviewDialog", text))
                        seen.relayout.append(action->text());
            seen.geometry = dialog->geometry();
            seen.screen = dialog->screen()->availableGeometry();
            seen.pageWidth = qRound(card.page.SheetSize().width() / 25.4 * dialog->logicalDpiX());
            dialog->reject();
        });
        poll.start();
        EXPECT_TRUE(PreviewReport(card.report, nullptr));
        poll.stop();

        ASSERT_TRUE(seen.open);
        EXPECT_EQ(seen.mode, QPrintPreviewWidget::CustomZoom);
        EXPECT_DOUBLE_EQ(seen.zoom, 1.0);
        EXPECT_TRUE(seen.zoomText.startsWith(QStringLiteral("100"))) << seen.zoomText.toStdString();
        EXPECT_TRUE(seen.fitting.isEmpty()) << seen.fitting.join(u' ').toStdString();
        EXPECT_TRUE(seen.relayout.isEmpty()) << seen.relayout.join(u' ').toStdString();
        EXPECT_EQ(seen.pages, 1);
        // Most of the screen, within it: the page's whole width, or nine
        // tenths of the screen's when the page is wider.
        EXPECT_TRUE(seen.screen.contains(seen.geometry));
        EXPECT_GE(seen.geometry.height(), seen.screen.height() * 8 / 10);
        EXPECT_GE(seen.geometry.width(), std::min(seen.pageWidth, seen.screen.width() * 8 / 10));
    }
}

// Mended: Qt's own print dialog and preview, as a card's "Stampa" and
// "Anteprima" open them over the card, are never left minimised: minimised
// they would take the card with them and leave nothing on screen. Maximised
// they stay, and a minimise from there comes back maximised.
TEST(ReportDialogsOnScreen, PrintDialogAndPreviewComeBackAtOnce) {
    MessageScript messages;
    const struct {
        const char *name;
        std::function<bool(const Report &, QWidget *)> open;
        const char *dialogClass;
    } cases[] = {
        {"preview", PreviewReport, "QPrintPreviewDialog"},
        {"print dialog", PrintReport, "QPrintDialog"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Card card;
        QWidget opener;
        opener.show();
        QStringList seen;  // the states the dialog was left in, one by one
        int polls = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QDialog *dialog = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->inherits(c.dialogClass) && window->isVisible()) dialog = qobject_cast<QDialog *>(window);
            if (!dialog) {
                if (++polls > 500) poll.stop();  // never opened: the checks below say so
                return;
            }
            poll.stop();
            for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowMinimized}) {
                dialog->setWindowState(state);
                QCoreApplication::processEvents();
                seen << QString::number(int(dialog->windowState())) + (dialog->isVisible() ? "" : " hidden");
            }
            dialog->reject();
        });
        poll.start();
        EXPECT_TRUE(c.open(card.report, &opener));
        poll.stop();
        EXPECT_EQ(seen, (QStringList{"0", "2", "2"}));
    }
}

TEST_F(ReportOutputTest, AFailureOfPrintOrPreviewShowsItsReason) {
    Card card;
    printer.failWith = QStringLiteral("nessuna stampante installata");
    messages.Expect(MsgKind::Error,
                    QStringLiteral("Attenzione: non \u00e8 stato possibile stampare il documento.\n\r\n\r"
                                   "Motivo: nessuna stampante installata"));
    EXPECT_FALSE(PrintReport(card.report, nullptr));
    messages.Expect(MsgKind::Error,
                    QStringLiteral("Attenzione: non \u00e8 stato possibile visualizzare l'anteprima di stampa.\n\r\n\r"
                                   "Motivo: nessuna stampante installata"));
    EXPECT_FALSE(PreviewReport(card.report, nullptr));
    EXPECT_TRUE(printer.printed.empty());
}

TEST_F(ReportOutputTest, AReportNotPreparedIsReportedNotPrintedEmpty) {
    Report report(QStringLiteral("Scheda informativa"));
    report.AddPage(QStringLiteral("Page1"), kA4, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10))
        .AddMemo(QStringLiteral("txtTitolo"), QRectF(0, 0, 50, 6), QStringLiteral("SCHEDA"));
    const QString reason = QStringLiteral("il documento non \u00e8 stato preparato per la stampa");
    const QString path = folder.Path(QStringLiteral("Scheda.pdf"));
    messages.Expect(MsgKind::Error, PrintFailureMessage(reason));
    EXPECT_FALSE(PrintReport(report, nullptr));
    messages.Expect(MsgKind::Error, PreviewFailureMessage(reason));
    EXPECT_FALSE(PreviewReport(report, nullptr));
    messages.Expect(MsgKind::Error, PdfFailureMessage(reason));
    EXPECT_FALSE(ExportReportPdf(report, path, report.name, report.name));
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_TRUE(printer.previewed.empty());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(ReportOutputTest, ThePdfIsUncompressedWithTitleSubjectAndJpegPictures) {
    Card card;
    const QString path = folder.Path(QStringLiteral("Automezzo.pdf"));
    ASSERT_TRUE(
        ExportReportPdf(card.report, path, QStringLiteral("Scheda informativa"), QStringLiteral("Scheda informativa")));
    const QByteArray pdf = folder.Read(QStringLiteral("Automezzo.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_FALSE(pdf.contains("/FlateDecode"));
    EXPECT_FALSE(pdf.contains("/Encrypt"));  // no password: everything is permitted
    EXPECT_FALSE(pdf.contains("/Author"));
    EXPECT_FALSE(pdf.contains("/Creator"));
    EXPECT_TRUE(pdf.contains("/Title (Scheda informativa)"));
    EXPECT_TRUE(pdf.contains("/Subject (Scheda informativa)"));
    EXPECT_TRUE(pdf.contains("/WinAnsiEncoding"));
    EXPECT_TRUE(pdf.contains("/BaseFont /Helvetica"));
    // Uncompressed, the texts stand readable in the page, in the Windows code
    // page ("\340" is the escaped byte of the "a" with grave accent).
    EXPECT_TRUE(pdf.contains("(Compatibilit\\340 ambientale: Euro 6 \\226 perch\\351 s\\354, \\200 12.500,00)"));
    // The picture is the JPEG of quality 95 of the template's picture, whole.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(card.logo.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", 95));
    EXPECT_TRUE(pdf.contains("/DCTDecode"));
    EXPECT_TRUE(pdf.contains(jpeg));
    // Nothing else was left in the folder.
    EXPECT_EQ(QDir(folder.Path(QString())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("Automezzo.pdf")});
}

TEST_F(ReportOutputTest, PdfToolsReadTheTextsAndTheDocumentInfo) {
    if (!test::HasPdfTools()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    Card card;
    const QString path = folder.Path(QStringLiteral("Automezzo.pdf"));
    ASSERT_TRUE(
        ExportReportPdf(card.report, path, QStringLiteral("Scheda informativa"), QStringLiteral("Scheda informativa")));

    const QString info = test::RunPdfTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("^Title:\\s+Scheda informativa$"), QRegularExpression::MultilineOption)))
        << info.toStdString();
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("^Subject:\\s+Scheda informativa$"), QRegularExpression::MultilineOption)));
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"), QRegularExpression::MultilineOption)));
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("^Encrypted:\\s+no$"), QRegularExpression::MultilineOption)));
    EXPECT_TRUE(info.contains(QStringLiteral("595.276 x 841.89 pts (A4)")));

    const QString text =
        test::RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("SCHEDA")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ambiente:")));
    EXPECT_TRUE(text.contains(kAccents)) << text.toStdString();
    // The long note is cut where its memo ends.
    EXPECT_TRUE(text.contains(QStringLiteral("Nota lunghissima Nota")));
    EXPECT_FALSE(text.contains(QStringLiteral("FINE")));
}

TEST_F(ReportOutputTest, ALongListGoesOutPageByPage) {
    Report report(QStringLiteral("Riepilogo dati"));
    ReportPage &page = report.AddPage(QStringLiteral("Page1"), kA4, QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
    page.AddBand(QStringLiteral("Titolo"), BandKind::PageHeader, 8)
        .AddMemo(QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5), QStringLiteral("Riepilogo parco automezzi"));
    Band &data = page.AddBand(QStringLiteral("MasterData"), BandKind::MasterData, 0);
    data.allowSplit = true;
    Memo &lines = data.AddMemo(QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, 0));
    lines.font.family = QStringLiteral("Courier New");
    lines.wordWrap = false;
    QStringList all;
    for (int i = 1; i <= 120; ++i) all.append(QStringLiteral("Citt\u00e0 %1").arg(i, 3, 10, QLatin1Char('0')));
    lines.SetText(all.join(u'\n'));
    lines.SetHeight(all.size() * 5.0);
    data.SetHeight(lines.Height());
    report.Prepare();
    ASSERT_GT(report.PreparedPages().size(), 2u);
    ASSERT_TRUE(PrintReport(report, nullptr));
    EXPECT_EQ(size_t(printer.printed.at(0).pages.size()), report.PreparedPages().size());
    EXPECT_EQ(printer.printed[0].layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(test::PictureTexts(printer.printed[0].pages[1]), report.PreparedPages()[1].Texts());

    if (!test::HasPdfTools()) GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    const QString path = folder.Path(QStringLiteral("Riepilogo.pdf"));
    ASSERT_TRUE(ExportReportPdf(report, path, report.name, report.name));
    const QString info = test::RunPdfTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QStringLiteral("841.89 x 595.276 pts (A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+%1$").arg(report.PreparedPages().size()),
                                                 QRegularExpression::MultilineOption)));
    for (int n = 1; n <= int(report.PreparedPages().size()); ++n) {
        const QString text = test::RunPdfTool(QStringLiteral("pdftotext"),
                                              {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                                               QString::number(n), path, QStringLiteral("-")});
        QStringList found = text.split(u'\n', Qt::SkipEmptyParts);
        for (QString &line : found) line = line.trimmed();
        found.removeAll(QString());
        found.removeAll(QStringLiteral("\f"));
        EXPECT_EQ(found.value(0), QStringLiteral("Riepilogo parco automezzi"));
        EXPECT_EQ(found.mid(1), report.PreparedPages()[size_t(n - 1)].Texts(QStringLiteral("txtRiepilogo")));
    }
}

TEST_F(ReportOutputTest, AnUnwritablePdfShowsTheReasonAndLeavesNoFile) {
    Card card;
    folder.Block(QStringLiteral("Automezzo.pdf"));
    const QString path = folder.Path(QStringLiteral("Automezzo.pdf"));
    messages.Expect(MsgKind::Error, QStringLiteral("Attenzione: non \u00e8 stato possibile creare il file PDF.\n\r\n\r"
                                                   "Motivo: impossibile scrivere il file \"%1\"")
                                        .arg(QDir::toNativeSeparators(path)));
    EXPECT_FALSE(
        ExportReportPdf(card.report, path, QStringLiteral("Scheda informativa"), QStringLiteral("Scheda informativa")));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(folder.Path(QString())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("Automezzo.pdf")});
}

TEST_F(ReportOutputTest, AWriteThatFailsHalfWayLeavesTheOldPdfWhole) {
    Card card;
    const QByteArray old = "%PDF-1.3 un documento di prima";
    folder.Write(QStringLiteral("Automezzo.pdf"), old);
    const QString path = folder.Path(QStringLiteral("Automezzo.pdf"));
    messages.Expect(MsgKind::Error, QStringLiteral("Attenzione: non \u00e8 stato possibile creare il file PDF.\n\r\n\r"
                                                   "Motivo: impossibile scrivere il file \"%1\"")
                                        .arg(QDir::toNativeSeparators(path)));
    {
        test::WriteLimit noRoom(1000);
        EXPECT_FALSE(ExportReportPdf(card.report, path, QStringLiteral("Scheda informativa"),
                                     QStringLiteral("Scheda informativa")));
    }
    EXPECT_EQ(folder.Read(QStringLiteral("Automezzo.pdf")), old);
    EXPECT_EQ(QDir(folder.Path(QString())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("Automezzo.pdf")});
}

}  // namespace
}  // namespace vel::report
