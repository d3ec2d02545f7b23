#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ReportPages.h"
#include "cards/ListReport.h"
#include "platform/QtPrint.h"
#include "support/Fakes.h"

namespace vel {
namespace {

using test::FakePrinter;
using test::FixedClock;
using test::MessageScript;
using test::StringsOf;
using test::TextsOf;

QStringList Lines(int n, const QString &prefix = QStringLiteral("Riga")) {
    QStringList lines;
    for (int i = 1; i <= n; ++i) lines.append(prefix + QStringLiteral(" %1").arg(i, 3, 10, QLatin1Char('0')));
    return lines;
}

class ListReportTest : public ::testing::Test {
protected:
    FixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(18, 5))};
    FakePrinter printer;
    MessageScript messages;
    const QString footer = QStringLiteral("Stampa eseguita in data 07/03/2026");
};

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

    // Title and footer in bold white Verdana on their bands, the lines in
    // Courier New, black, one under the other from the top of the page down.
    const std::vector<test::PageText> texts = TextsOf(job.pages[0]);
    EXPECT_EQ(texts[0].font.family(), QStringLiteral("Verdana"));
    EXPECT_TRUE(texts[0].font.bold());
    EXPECT_EQ(texts[0].colour, QColor(Qt::white));
    EXPECT_EQ(texts[1].font.family(), QStringLiteral("Courier New"));
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
    const int perPage = ListReportLinesPerPage();
    EXPECT_EQ(perPage, 51);  // 174 mm between the bands, 3.39 mm a line
    struct Case {
        int lines;
        int pages;
    };
    for (const Case c : {Case{perPage - 1, 1}, Case{perPage, 1}, Case{perPage + 1, 2}, Case{3 * perPage + 7, 4}}) {
        SCOPED_TRACE(c.lines);
        const QStringList lines = Lines(c.lines);
        const PrintJob job = PrepareListReport(QStringLiteral("Titolo"), lines);
        ASSERT_EQ(job.pages.size(), c.pages);
        QStringList body;
        for (const QPicture &page : job.pages) {
            QStringList texts = StringsOf(page);
            ASSERT_GE(texts.size(), 2);
            EXPECT_EQ(texts.takeFirst(), QStringLiteral("Titolo"));
            EXPECT_EQ(texts.takeLast(), footer);
            EXPECT_LE(texts.size(), perPage);
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

TEST_F(ListReportTest, PrintFailureShowsItsReason) {
    printer.failWith = QStringLiteral("la stampante non risponde");
    messages.Expect(MsgKind::Error, QStringLiteral("Attenzione: non \u00e8 stato possibile stampare il documento."
                                                   "\n\r\n\rMotivo: la stampante non risponde"));
    ListReport(nullptr, QStringLiteral("Titolo"), Lines(3));
    EXPECT_TRUE(printer.printed.empty());
}

TEST_F(ListReportTest, CancelledPrintDialogSaysNothing) {
    printer.acceptDialog = false;
    ListReport(nullptr, QStringLiteral("Titolo"), Lines(3));
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel
