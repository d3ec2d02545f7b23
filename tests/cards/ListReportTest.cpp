#include <gtest/gtest.h>

#include <QImage>

#include "ReportPages.h"
#include "cards/ListReport.h"
#include "platform/QtPrint.h"
#include "report/PageImages.h"
#include "report/StandardFonts.h"
#include "support/Fakes.h"

namespace vel {
namespace {

using report::Band;
using report::BandKind;
using report::Memo;
using report::PreparedPage;
using report::Report;
using report::Units;
using test::FakePrinter;
using test::FixedClock;
using test::MessageScript;
using test::StringsOf;
using test::TextsOf;

// 174 mm between the title band and the footer band, 12.822 report units
// (3.39 mm) a line.
constexpr int kLinesPerPage = 51;
const QColor kSlateGrey(0x70, 0x80, 0x90);

QStringList Lines(int n, const QString &prefix = QStringLiteral("Riga")) {
    QStringList lines;
    for (int i = 1; i <= n; ++i) lines.append(prefix + QStringLiteral(" %1").arg(i, 3, 10, QLatin1Char('0')));
    return lines;
}

class ListReportTest : public ::testing::Test {
protected:
    // The report as "Stampa" fills and prepares it.
    static std::unique_ptr<Report> Prepared(const QString &title, const QStringList &lines,
                                            const QStringList &extra = {}) {
        std::unique_ptr<Report> frxReport = ListReportTemplate();
        FillListReport(*frxReport, title, lines, extra);
        frxReport->Prepare();
        return frxReport;
    }

    FixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(18, 5))};
    FakePrinter printer;
    MessageScript messages;
    const QString footer = QStringLiteral("Stampa eseguita in data 07/03/2026");
};

TEST_F(ListReportTest, TheTemplateIsLaidOutAsDesigned) {
    const std::unique_ptr<Report> frxReport = ListReportTemplate();
    EXPECT_EQ(frxReport->name, QStringLiteral("Riepilogo dati"));
    ASSERT_EQ(frxReport->Pages().size(), 1u);
    const report::ReportPage &page = *frxReport->Pages().front();
    EXPECT_EQ(page.SheetSize(), QSizeF(297, 210));
    EXPECT_EQ(page.orientation, QPageLayout::Landscape);
    EXPECT_EQ(page.margins, QMarginsF(10, 10, 10, 10));
    EXPECT_TRUE(page.Objects().empty());

    // The title heads every page and the footer ends every page; the lines'
    // band goes on over further pages.
    ASSERT_EQ(page.Bands().size(), 3u);
    const Band &title = *page.Bands()[0];
    const Band &data = frxReport->Get<Band>(QStringLiteral("MasterData"));
    const Band &foot = *page.Bands()[2];
    EXPECT_EQ(title.kind, BandKind::PageHeader);
    EXPECT_EQ(title.Height(), 8);
    EXPECT_EQ(&data, page.Bands()[1].get());
    EXPECT_EQ(data.kind, BandKind::MasterData);
    EXPECT_TRUE(data.allowSplit);
    EXPECT_EQ(foot.kind, BandKind::PageFooter);
    EXPECT_EQ(foot.Height(), 8);

    struct MemoCase {
        const Band *band;
        QString name;
        QRectF bounds;  // the height of the lines' memo is set by the fill
        QString family;
        double points;
        bool bold;
        QColor colour, fill;
        Qt::Alignment alignment;
        bool wordWrap;
        QString text;
    };
    const MemoCase cases[] = {
        {&title, QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5), QStringLiteral("Verdana"), 9, true, Qt::white,
         kSlateGrey, Qt::AlignCenter, true, QStringLiteral("Riepilogo")},
        {&data, QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, Units(12.822)), QStringLiteral("Courier New"), 8,
         false, Qt::black, QColor(), Qt::AlignLeft | Qt::AlignTop, false, QString()},
        {&foot, QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5), QStringLiteral("Verdana"), 8, true, Qt::white,
         kSlateGrey, Qt::AlignCenter, true, QStringLiteral("Stampa eseguita in data [DATE]")},
    };
    for (const MemoCase &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const Memo &memo = frxReport->Get<Memo>(c.name);
        ASSERT_EQ(c.band->Objects().size(), 1u);
        EXPECT_EQ(c.band->Objects().front().get(), &memo);
        EXPECT_EQ(memo.bounds, c.bounds);
        EXPECT_EQ(memo.font.family, c.family);
        EXPECT_NEAR(memo.font.size, c.points, 0.01);  // 12 and 10.67 report units
        EXPECT_EQ(memo.font.bold, c.bold);
        EXPECT_EQ(memo.font.colour, c.colour);
        EXPECT_EQ(memo.fill, c.fill);
        EXPECT_FALSE(memo.frame.isValid());
        EXPECT_EQ(memo.alignment, c.alignment);
        EXPECT_EQ(memo.wordWrap, c.wordWrap);
        EXPECT_EQ(memo.Text(), c.text);
    }
    EXPECT_NEAR(frxReport->Get<Memo>(QStringLiteral("txtRiepilogo")).lineHeight, Units(12.822), 1e-9);
}

// The lines, then the extra lines, one memo line each; the memo as high as
// its lines, the band 10 report units higher.
TEST_F(ListReportTest, TheFillSetsTitleLinesHeightsAndDate) {
    struct Case {
        int lines, extra;
    };
    for (const Case c : {Case{0, 0}, Case{3, 0}, Case{50, 2}, Case{0, 2}}) {
        SCOPED_TRACE(testing::Message() << c.lines << " + " << c.extra);
        const QStringList lines = Lines(c.lines);
        const QStringList extra = Lines(c.extra, QStringLiteral("Totale"));
        std::unique_ptr<Report> frxReport = ListReportTemplate();
        FillListReport(*frxReport, QStringLiteral("Riepilogo parco automezzi"), lines, extra);
        EXPECT_EQ(frxReport->Get<Memo>(QStringLiteral("txtTitolo")).Text(), QStringLiteral("Riepilogo parco automezzi"));
        const Memo &memo = frxReport->Get<Memo>(QStringLiteral("txtRiepilogo"));
        EXPECT_EQ(memo.Text(), (lines + extra).join(u'\n'));
        EXPECT_NEAR(memo.Height(), Units((c.lines + c.extra) * 12.822), 1e-9);
        EXPECT_NEAR(frxReport->Get<Band>(QStringLiteral("MasterData")).Height(), memo.Height() + Units(10), 1e-9);
        EXPECT_EQ(frxReport->Get<Memo>(QStringLiteral("txtPagina")).Text(), footer);
    }

    // The date is the day of printing.
    clock.Set(QDateTime(QDate(2027, 1, 2), QTime(0, 0, 1)));
    EXPECT_EQ(Prepared(QStringLiteral("Titolo"), {})->PreparedPages().front().Texts(QStringLiteral("txtPagina")),
              QStringList{QStringLiteral("Stampa eseguita in data 02/01/2027")});
}

TEST_F(ListReportTest, OnePageHoldsTitleLinesAndFooter) {
    const QStringList lines = {QStringLiteral("Fiat Panda      Targa: AB123CD"),
                               QStringLiteral("Lancia Ypsilon  Targa: EF456GH   \u20ac 12,50")};
    ListReport(nullptr, QStringLiteral("Riepilogo parco automezzi"), lines);
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintJob &job = printer.printed.front();
    EXPECT_EQ(job.title, QStringLiteral("Riepilogo parco automezzi"));
    EXPECT_EQ(job.layout.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(job.layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(job.layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
    ASSERT_EQ(job.pages.size(), 1);
    EXPECT_EQ(StringsOf(job.pages[0]),
              (QStringList{QStringLiteral("Riepilogo parco automezzi"), lines[0], lines[1], footer}));

    // Title and footer bold and white on their bands, the lines in a
    // fixed-pitch font, black, one under the other from the top of the page.
    const std::vector<test::PageText> texts = TextsOf(job.pages[0]);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_FALSE(report::IsFixedPitch(texts[0].font.family()));
    EXPECT_TRUE(texts[0].font.bold());
    EXPECT_EQ(texts[0].colour, QColor(Qt::white));
    EXPECT_TRUE(report::IsFixedPitch(texts[1].font.family())) << texts[1].font.family().toStdString();
    EXPECT_FALSE(texts[1].font.bold());
    EXPECT_EQ(texts[1].colour, QColor(Qt::black));
    EXPECT_TRUE(texts[3].font.bold());
    EXPECT_EQ(texts[3].colour, QColor(Qt::white));
    EXPECT_LT(texts[0].at.y(), texts[1].at.y());
    EXPECT_NEAR(texts[2].at.y() - texts[1].at.y(), 12.822 * 0.75, 0.01);  // 12.822 report units a line
    EXPECT_LT(texts[2].at.y(), texts[3].at.y());
    EXPECT_GT(texts[3].at.y(), 595.0 - 28.35 - 22.7);  // the footer band at the foot of the page
    // Everything within the 10 mm margins.
    for (const test::PageText &t : texts) {
        EXPECT_GE(t.at.x(), 28.3);
        EXPECT_LE(t.at.y(), 595.3 - 28.3);
    }

    // On paper: slate-grey bands across the top and the foot of the printable
    // area, the lines in black between them.
    constexpr double dpm = 4;
    const QImage sheet = test::RenderPrinted(job.pages[0], QSizeF(297, 210), dpm);
    EXPECT_EQ(QColor(sheet.pixel(int((10 + 4) * dpm), int((10 + 1.5) * dpm))), kSlateGrey);
    EXPECT_EQ(QColor(sheet.pixel(int((10 + 270) * dpm), int((192 + 6.5) * dpm))), kSlateGrey);
    EXPECT_EQ(QColor(sheet.pixel(int(5 * dpm), int(5 * dpm))), QColor(Qt::white));
    EXPECT_GT(test::DarkPixels(sheet, dpm, QRectF(13, 18, 60, 7)), 20);
}

TEST_F(ListReportTest, EmptyListPrintsTitleAndFooterOnly) {
    ListReport(nullptr, QStringLiteral("Riepilogo veicoli disponibili"), {});
    ASSERT_EQ(printer.printed.size(), 1u);
    ASSERT_EQ(printer.printed[0].pages.size(), 1);
    EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
              (QStringList{QStringLiteral("Riepilogo veicoli disponibili"), footer}));
}

// A list longer than a page goes on over further pages, each with its title
// and footer, and no line is lost or repeated.
TEST_F(ListReportTest, LongListsGoOnOverFurtherPages) {
    struct Case {
        int lines;
        int pages;
    };
    for (const Case c : {Case{kLinesPerPage - 1, 1}, Case{kLinesPerPage, 1}, Case{kLinesPerPage + 1, 2},
                         Case{3 * kLinesPerPage + 7, 4}}) {
        SCOPED_TRACE(c.lines);
        const QStringList lines = Lines(c.lines);
        const PrintJob job = PrepareListReport(QStringLiteral("Titolo"), lines);
        ASSERT_EQ(job.pages.size(), c.pages);
        QStringList body;
        for (int i = 0; i < job.pages.size(); ++i) {
            QStringList texts = StringsOf(job.pages[i]);
            ASSERT_GE(texts.size(), 2);
            EXPECT_EQ(texts.takeFirst(), QStringLiteral("Titolo"));
            EXPECT_EQ(texts.takeLast(), footer);
            // Every page but the last is full.
            if (i + 1 < job.pages.size())
                EXPECT_EQ(texts.size(), kLinesPerPage);
            else
                EXPECT_LE(texts.size(), kLinesPerPage);
            body += texts;
        }
        EXPECT_EQ(body, lines);
    }
}

TEST_F(ListReportTest, ExtraLinesFollowTheList) {
    const QStringList lines = Lines(50);
    const QStringList extra = {QString(26, u'-'), QStringLiteral("Totale tariffe in listino: 50")};
    ListReport(nullptr, QStringLiteral("Listino selezionato: Estate"), lines, extra);
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintJob &job = printer.printed[0];
    ASSERT_EQ(job.pages.size(), 2);  // 52 lines: the last one goes over
    QStringList first = StringsOf(job.pages[0]);
    QStringList second = StringsOf(job.pages[1]);
    EXPECT_EQ(first.mid(1, 51), lines + QStringList{extra[0]});
    EXPECT_EQ(second, (QStringList{QStringLiteral("Listino selezionato: Estate"), extra[1], footer}));
}

// A line wider than the memo stays one line, cut at the memo's edge; a line
// break inside a line does not make two.
TEST_F(ListReportTest, EveryListLineStaysOneLine) {
    const QString wide = QStringLiteral("Alfa Romeo Giulietta  Targa: AB123CD  ") + QString(200, u'x');
    const QStringList lines = {wide, QStringLiteral("Nota su\r\ndue righe"), QStringLiteral("Ultima")};
    const std::unique_ptr<Report> frxReport = Prepared(QStringLiteral("Titolo"), lines);
    ASSERT_EQ(frxReport->PreparedPages().size(), 1u);
    const QStringList printed = frxReport->PreparedPages().front().Texts(QStringLiteral("txtRiepilogo"));
    ASSERT_EQ(printed.size(), 3);
    EXPECT_TRUE(wide.startsWith(printed[0]));
    EXPECT_LT(printed[0].size(), wide.size());
    EXPECT_GT(printed[0].size(), 150);  // 273 mm of 8-point Courier
    EXPECT_EQ(printed[1], QStringLiteral("Nota su  due righe"));
    EXPECT_EQ(printed[2], QStringLiteral("Ultima"));
}

TEST_F(ListReportTest, PrintFailureShowsItsReason) {
    printer.failWith = QStringLiteral("la stampante non risponde");
    messages.Expect(MsgKind::Error, test::PrintFailedBox(QStringLiteral("la stampante non risponde")));
    ListReport(nullptr, QStringLiteral("Titolo"), Lines(3));
    EXPECT_TRUE(printer.printed.empty());
}

TEST_F(ListReportTest, CancelledPrintDialogSaysNothing) {
    printer.acceptDialog = false;
    ListReport(nullptr, QStringLiteral("Titolo"), Lines(3));
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_TRUE(printer.previewed.empty());
}

}  // namespace
}  // namespace vel
