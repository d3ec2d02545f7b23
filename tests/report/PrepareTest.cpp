#include <gtest/gtest.h>

#include <algorithm>

#include "platform/QtPrint.h"
#include "report/Report.h"
#include "report/StandardFonts.h"

namespace vel::report {
namespace {

const QMarginsF kMargins(10, 10, 10, 10);

std::vector<TextStep> TextSteps(const PreparedPage &page, const QString &object = QString()) {
    std::vector<TextStep> steps;
    for (const PageStep &step : page.steps)
        if (const auto *text = std::get_if<TextStep>(&step))
            if (object.isEmpty() || text->object == object) steps.push_back(*text);
    return steps;
}

template <typename T>
std::vector<T> StepsOf(const PreparedPage &page) {
    std::vector<T> steps;
    for (const PageStep &step : page.steps)
        if (const auto *s = std::get_if<T>(&step)) steps.push_back(*s);
    return steps;
}

// A one-page sheet with objects straight on the page, the way the cards are.
struct Sheet {
    Report report{QStringLiteral("Scheda informativa")};
    ReportPage &page = report.AddPage(QStringLiteral("Page1"), kA4, QPageLayout::Portrait, kMargins);
};

// The list of a find dialog: a title on every page, the lines in one memo
// that goes on over as many pages as it needs, a footer on every page.
struct ListSheet {
    Report report{QStringLiteral("Riepilogo dati")};
    ReportPage &page = report.AddPage(QStringLiteral("Page1"), kA4, QPageLayout::Landscape, kMargins);
    Band &title = page.AddBand(QStringLiteral("ReportTitle1"), BandKind::PageHeader, 8);
    Band &data = page.AddBand(QStringLiteral("MasterData"), BandKind::MasterData, 20);
    Band &footer = page.AddBand(QStringLiteral("PageFooter1"), BandKind::PageFooter, 8);
    ListSheet() {
        Memo &t = title.AddMemo(QStringLiteral("txtTitolo"), QRectF(2, 1, 273, 5), QStringLiteral("Riepilogo"));
        t.font = {QStringLiteral("Verdana"), UnitPoints(12), true, Qt::white};
        t.fill = QColor(0x70, 0x80, 0x90);
        t.alignment = Qt::AlignCenter;
        data.allowSplit = true;
        Memo &lines = data.AddMemo(QStringLiteral("txtRiepilogo"), QRectF(3, 0, 273, 10));
        lines.font = {QStringLiteral("Courier New"), UnitPoints(10.67), false, Qt::black};
        lines.wordWrap = false;
        lines.lineHeight = Units(12.822);
        Memo &f = footer.AddMemo(QStringLiteral("txtPagina"), QRectF(3, 2, 272, 5), QStringLiteral("Piede"));
        f.font = {QStringLiteral("Verdana"), UnitPoints(10.67), true, Qt::white};
        f.alignment = Qt::AlignCenter;
    }
    // What the list report does: the lines into the memo, the memo and its
    // band as high as the lines need.
    void SetLines(const QStringList &lines) {
        Memo &memo = report.Get<Memo>(QStringLiteral("txtRiepilogo"));
        memo.SetText(lines.join(u'\n'));
        memo.SetHeight(Units(lines.size() * 12.822));
        report.Get<Band>(QStringLiteral("MasterData")).SetHeight(memo.Height() + Units(10));
    }
};

QStringList Numbered(int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i) lines.append(QStringLiteral("Riga %1 \u00e8 qui").arg(i, 3, 10, QLatin1Char('0')));
    return lines;
}

TEST(ReportTemplate, FindsObjectsByNameOnPagesAndInBands) {
    ListSheet list;
    Memo &free = list.page.AddMemo(QStringLiteral("txtLibero"), QRectF(0, 0, 10, 5));
    Line &line = list.page.AddLine(QStringLiteral("linSepara"), QRectF(0, 6, 10, 0));

    EXPECT_EQ(list.report.FindObject(QStringLiteral("txtLibero")), &free);
    EXPECT_EQ(list.report.FindObject(QStringLiteral("linSepara")), &line);
    EXPECT_EQ(list.report.FindObject(QStringLiteral("MasterData")), &list.data);
    EXPECT_EQ(list.report.FindObject(QStringLiteral("txtPagina"))->name, QStringLiteral("txtPagina"));
    EXPECT_EQ(&list.report.Get<Memo>(QStringLiteral("txtRiepilogo")), list.data.Objects().front().get());
    EXPECT_EQ(list.report.FindObject(QStringLiteral("txtriepilogo")), nullptr);  // names compare exactly
    EXPECT_EQ(list.report.FindObject(QStringLiteral("txtNessuno")), nullptr);
}

TEST(ReportTemplate, AnObjectMissingOrOfAnotherKindIsReported) {
    Sheet sheet;
    sheet.page.AddLine(QStringLiteral("linSepara01"), QRectF(0, 0, 10, 0));
    for (const QString &name : {QStringLiteral("txtTitolo"), QStringLiteral("linSepara01")}) {
        try {
            sheet.report.Get<Memo>(name);
            ADD_FAILURE() << "no error for " << name.toStdString();
        } catch (const ReportError &e) {
            EXPECT_EQ(e.Reason(), QStringLiteral("il modello di stampa non contiene l'oggetto \"%1\"").arg(name));
        }
    }
}

TEST(ReportTemplate, TextHeightAndPictureSetByTheProgramArePrepared) {
    Sheet sheet;
    Memo &memo = sheet.page.AddMemo(QStringLiteral("txtCampo01"), QRectF(60, 24, 128, 6), QStringLiteral("Campo 1"));
    memo.fill = Qt::yellow;
    Picture &picture = sheet.page.AddPicture(QStringLiteral("imgLogo"), QRectF(3, 3, 20, 10));

    sheet.report.Get<Memo>(QStringLiteral("txtCampo01")).SetText(QStringLiteral("Fiat Panda"));
    sheet.report.Get<Memo>(QStringLiteral("txtCampo01")).SetHeight(12);
    QImage wide(40, 10, QImage::Format_RGB32);
    wide.fill(Qt::red);
    sheet.report.Get<Picture>(QStringLiteral("imgLogo")).SetPicture(wide);
    sheet.report.Prepare();

    ASSERT_EQ(sheet.report.PreparedPages().size(), 1u);
    const PreparedPage &page = sheet.report.PreparedPages().front();
    EXPECT_EQ(page.Texts(), QStringList{QStringLiteral("Fiat Panda")});
    // Positions count from the sheet's corner: the margins come first.
    const auto fills = StepsOf<FillStep>(page);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, QRectF(70, 34, 128, 12));
    // A picture keeps its proportions, centred in its frame: 4:1 in 20 x 10.
    const auto images = StepsOf<ImageStep>(page);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].object, QStringLiteral("imgLogo"));
    EXPECT_EQ(images[0].rect, QRectF(13, 15.5, 20, 5));
    EXPECT_EQ(picture.image.size(), QSize(40, 10));

    // Preparing again starts afresh.
    memo.SetText(QStringLiteral("Lancia Ypsilon"));
    sheet.report.Prepare();
    ASSERT_EQ(sheet.report.PreparedPages().size(), 1u);
    EXPECT_EQ(sheet.report.PreparedPages().front().Texts(), QStringList{QStringLiteral("Lancia Ypsilon")});
}

TEST(ReportTemplate, OrientationTurnsTheSheet) {
    Sheet sheet;
    sheet.page.SetOrientation(QPageLayout::Landscape);
    sheet.report.Prepare();
    EXPECT_EQ(sheet.report.PreparedPages().front().size, QSizeF(297, 210));
    EXPECT_EQ(sheet.report.PreparedPages().front().orientation, QPageLayout::Landscape);
    sheet.page.SetOrientation(QPageLayout::Portrait);
    sheet.report.Prepare();
    EXPECT_EQ(sheet.report.PreparedPages().front().size, QSizeF(210, 297));
    EXPECT_EQ(sheet.page.PrintableArea(), QRectF(10, 10, 190, 277));
}

TEST(ReportTemplate, TextIsPlacedByItsAlignment) {
    // A 100 x 20 mm memo at (10, 10) of the printable area; the text keeps
    // 2 report units from the sides and 1 from top and bottom.
    const double gapX = Units(2), gapY = Units(1);
    const ReportFont font{QStringLiteral("Arial"), 10, false, Qt::black};
    const double width = TextWidth(font, QStringLiteral("Targa"));
    const double line = 1.2 * 10 * 25.4 / 72;
    struct Case {
        Qt::Alignment alignment;
        double x;        // where the text begins, from the memo's left
        double lineTop;  // where its line begins, from the memo's top
    };
    const Case cases[] = {
        {Qt::AlignLeft | Qt::AlignTop, gapX, gapY},
        {Qt::AlignHCenter | Qt::AlignVCenter, gapX + (100 - 2 * gapX - width) / 2, (20 - line) / 2},
        {Qt::AlignRight | Qt::AlignBottom, 100 - gapX - width, 20 - gapY - line},
    };
    for (const Case &c : cases) {
        Sheet sheet;
        Memo &memo = sheet.page.AddMemo(QStringLiteral("txtTarga"), QRectF(10, 10, 100, 20), QStringLiteral("Targa"));
        memo.font = font;
        memo.alignment = c.alignment;
        sheet.report.Prepare();
        const auto texts = TextSteps(sheet.report.PreparedPages().front());
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_NEAR(texts[0].origin.x(), 20 + c.x, 1e-6) << int(c.alignment);
        EXPECT_NEAR(texts[0].clip.top(), 20 + c.lineTop, 1e-6) << int(c.alignment);
        EXPECT_NEAR(texts[0].clip.height(), line, 1e-6);
        // The baseline lies inside the line, below its middle.
        EXPECT_GT(texts[0].origin.y(), texts[0].clip.center().y());
        EXPECT_LT(texts[0].origin.y(), texts[0].clip.bottom());
    }
}

TEST(ReportTemplate, WithoutWordWrapALineIsCutAtTheMemosEdge) {
    Sheet sheet;
    Memo &memo = sheet.page.AddMemo(QStringLiteral("txtCampo24"), QRectF(60, 24, 40, 6));
    memo.wordWrap = false;
    memo.alignment = Qt::AlignHCenter | Qt::AlignVCenter;  // too long to centre: it starts at the left
    const QString note = QStringLiteral("Tagliando eseguito, pneumatici invernali montati, revisione a marzo");
    memo.SetText(note);
    sheet.report.Prepare();

    const auto texts = TextSteps(sheet.report.PreparedPages().front());
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(note.startsWith(texts[0].text));
    EXPECT_LT(texts[0].text.size(), note.size());
    // Every character kept begins inside the memo; the next one would not.
    const double start = texts[0].origin.x();
    EXPECT_NEAR(start, 70 + Units(2), 1e-6);
    EXPECT_LT(start + TextWidth(memo.font, texts[0].text.chopped(1)), 110);
    EXPECT_GE(start + TextWidth(memo.font, texts[0].text), 110);
    EXPECT_EQ(texts[0].clip.left(), 70);
    EXPECT_EQ(texts[0].clip.right(), 110);
}

TEST(ReportTemplate, WordWrapBreaksBetweenWords) {
    Sheet sheet;
    Memo &memo = sheet.page.AddMemo(QStringLiteral("txtClausola"), QRectF(0, 0, 50, 80));
    memo.font.size = 6;
    const QString clause = QStringLiteral(
        "Il Cliente risponde dei danni derivanti da uso improprio del veicolo o da usura non proporzionata "
        "ai chilometri percorsi.\nSeconda riga.");
    memo.SetText(clause);
    sheet.report.Prepare();

    const QStringList lines = sheet.report.PreparedPages().front().Texts();
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.last(), QStringLiteral("Seconda riga."));
    for (const QString &line : lines) {
        EXPECT_LE(TextWidth(memo.font, line), 50 - 2 * Units(2)) << line.toStdString();
        EXPECT_FALSE(line.startsWith(u' ') || line.endsWith(u' ')) << line.toStdString();
    }
    EXPECT_EQ(lines.join(u' '), QString(clause).replace(u'\n', u' '));
    // Lines follow one another a line's height apart.
    const auto steps = TextSteps(sheet.report.PreparedPages().front());
    EXPECT_NEAR(steps[1].origin.y() - steps[0].origin.y(), 1.2 * 6 * 25.4 / 72, 1e-6);
}

// A word-wrapped memo narrower than the gaps at its sides has no room for any
// character: each character then takes a line of its own, and the
// preparation ends.
TEST(ReportTemplate, WordWrapInAMemoWithNoRoomStillEnds) {
    Sheet sheet;
    Memo &memo = sheet.page.AddMemo(QStringLiteral("txtStretto"), QRectF(0, 0, 1, 100), QStringLiteral("ab\n\ncd e"));
    memo.font.size = 6;
    sheet.report.Prepare();
    const QStringList lines = sheet.report.PreparedPages().front().Texts();
    EXPECT_EQ(lines.join(QString()), QStringLiteral("abcde"));
    for (const QString &line : lines) EXPECT_LE(line.size(), 1) << line.toStdString();
}

TEST(ReportTemplate, AShortListFitsOnePageWithTitleAndFooter) {
    ListSheet list;
    list.SetLines(Numbered(3));
    list.report.Prepare();
    ASSERT_EQ(list.report.PreparedPages().size(), 1u);
    const PreparedPage &page = list.report.PreparedPages().front();
    EXPECT_EQ(page.size, QSizeF(297, 210));
    EXPECT_EQ(page.Texts(), QStringList({QStringLiteral("Riepilogo"), QStringLiteral("Piede")}) + Numbered(3));
    // The footer sits at the foot of the printable area, whatever the body.
    const auto footer = TextSteps(page, QStringLiteral("txtPagina"));
    const double footerLine = 1.2 * UnitPoints(10.67) * 25.4 / 72;
    EXPECT_NEAR(footer[0].clip.top(), 200 - 8 + 2 + (5 - footerLine) / 2, 1e-6);
    // The lines begin under the title band, 12.822 report units apart.
    const auto lines = TextSteps(page, QStringLiteral("txtRiepilogo"));
    EXPECT_NEAR(lines[0].clip.top(), 10 + 8 + Units(1), 1e-6);
    EXPECT_NEAR(lines[1].clip.top() - lines[0].clip.top(), Units(12.822), 1e-9);
}

TEST(ReportTemplate, ALongMemoGoesOnOverFurtherPages) {
    const double bodyTop = 10 + 8, bodyBottom = 210 - 10 - 8;
    // The body of a page (174 mm, 657.6 units) holds 51 lines of 12.822
    // units below the memo's gap of 1 unit.
    struct Case {
        int lines, pages;
    };
    for (const Case c : {Case{1, 1}, Case{51, 1}, Case{52, 2}, Case{140, 3}, Case{400, 8}}) {
        const int count = c.lines;
        ListSheet list;
        list.SetLines(Numbered(count));
        list.report.Prepare();
        const auto &pages = list.report.PreparedPages();
        ASSERT_FALSE(pages.empty());

        QStringList printed;
        for (size_t i = 0; i < pages.size(); ++i) {
            const PreparedPage &page = pages[i];
            // Every page has its title and its footer.
            EXPECT_EQ(page.Texts(QStringLiteral("txtTitolo")), QStringList{QStringLiteral("Riepilogo")});
            EXPECT_EQ(page.Texts(QStringLiteral("txtPagina")), QStringList{QStringLiteral("Piede")});
            const auto lines = TextSteps(page, QStringLiteral("txtRiepilogo"));
            ASSERT_FALSE(lines.empty()) << "page " << i + 1 << " of " << count << " lines";
            for (const TextStep &line : lines) {
                EXPECT_GE(line.clip.top(), bodyTop - 1e-9);
                EXPECT_LE(line.clip.bottom(), bodyBottom + 1e-9);
                printed.append(line.text);
            }
            // A page is left only when the next line would not fit on it.
            if (i + 1 < pages.size()) {
                EXPECT_GT(lines.back().clip.bottom() + Units(12.822), bodyBottom);
            }
            // The lines go on from the top of the body on each new page.
            if (i > 0) {
                EXPECT_NEAR(lines.front().clip.top(), bodyTop, 1e-9);
            }
        }
        EXPECT_EQ(printed, Numbered(count)) << count << " lines";
        EXPECT_EQ(pages.size(), size_t(c.pages)) << count << " lines";
    }
}

// Two memos side by side in a band that goes on over pages, their lines of
// different heights (5 and 7 mm, the second memo 2 mm lower): a page can end
// only where lines of both memos begin together, every 35 mm. Each page ends
// at the last such place that fits, the whole band moves on as one, and every
// line prints once, whole, in order.
// A memo given as its lines (the list report's way) is laid out line for line
// as the same text given whole: the same texts at the same places, whatever
// the line (short, as wide as the memo, cut at its edge, with control
// characters before or past that edge, accented or other code-page characters, empty) and the
// alignment, over several pages.
TEST(ReportTemplate, LinesGivenOneByOneAreLaidOutAsTheSameText) {
    const QString wide = QStringLiteral("0123456789").repeated(20);
    QStringList lines = {QStringLiteral("Breve"),
                         wide,
                         wide.left(1) + QStringLiteral("\u00e8\u20ac") + wide,
                         QStringLiteral("Tab\tdentro e fine\r"),
                         wide + QStringLiteral("\tdopo il taglio\r"),
                         wide.left(5) + QStringLiteral("\t") + wide,
                         QString(),
                         QStringLiteral("Citt\u00e0 \u2013 \u201cvirgolette\u201d"),
                         QStringLiteral("   spazi   ")};
    for (int edge = 120; edge < 140; ++edge) lines.append(QString(edge, u'x'));
    lines += Numbered(90);
    for (const Qt::Alignment alignment : {Qt::Alignment(Qt::AlignLeft), Qt::Alignment(Qt::AlignHCenter),
                                          Qt::Alignment(Qt::AlignRight | Qt::AlignBottom)}) {
        SCOPED_TRACE(int(alignment));
        ListSheet asText;
        asText.SetLines(lines);
        asText.report.Get<Memo>(QStringLiteral("txtRiepilogo")).alignment = alignment;
        ListSheet asLines;
        asLines.SetLines(lines);
        Memo &memo = asLines.report.Get<Memo>(QStringLiteral("txtRiepilogo"));
        memo.SetLines(lines);
        memo.alignment = alignment;
        asText.report.Prepare();
        asLines.report.Prepare();
        const auto &expected = asText.report.PreparedPages();
        const auto &actual = asLines.report.PreparedPages();
        ASSERT_EQ(actual.size(), expected.size());
        ASSERT_GT(actual.size(), 1u);
        for (size_t p = 0; p < actual.size(); ++p) {
            const std::vector<TextStep> want = TextSteps(expected[p], QStringLiteral("txtRiepilogo"));
            const std::vector<TextStep> got = TextSteps(actual[p], QStringLiteral("txtRiepilogo"));
            ASSERT_EQ(got.size(), want.size()) << "page " << p;
            for (size_t k = 0; k < got.size(); ++k) {
                EXPECT_EQ(got[k].text, want[k].text) << "page " << p << " line " << k;
                EXPECT_EQ(got[k].origin, want[k].origin) << "page " << p << " line " << k;
                EXPECT_EQ(got[k].clip, want[k].clip) << "page " << p << " line " << k;
            }
        }
    }
}

TEST(ReportTemplate, ASplitBandBreaksWhereNoLineOfAnyMemoIsCut) {
    const double bodyTop = 10 + 8, bodyBottom = 210 - 10 - 8;
    const double gapY = Units(1);
    ListSheet list;
    Memo &left = list.report.Get<Memo>(QStringLiteral("txtRiepilogo"));
    left.SetText(Numbered(150).join(u'\n'));
    left.lineHeight = 5;
    left.SetHeight(150 * 5 + 2 * gapY);
    left.bounds.setWidth(120);
    Memo &right = list.data.AddMemo(QStringLiteral("txtNote"), QRectF(130, 2, 140, 107 * 7 + 2 * gapY),
                                    Numbered(107).join(u'\n'));
    right.lineHeight = 7;
    right.wordWrap = false;
    list.data.SetHeight(left.Height() + 10);
    ASSERT_GT(list.data.Height(), right.bounds.bottom());
    list.report.Prepare();
    const auto &pages = list.report.PreparedPages();
    ASSERT_GT(pages.size(), 3u);

    struct Column {
        QString memo;
        double firstTop, step;  // where its lines lie in the band
        QStringList printed;
    };
    Column columns[] = {{QStringLiteral("txtRiepilogo"), gapY, 5, {}}, {QStringLiteral("txtNote"), 2 + gapY, 7, {}}};
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "page " << i + 1);
        double shift = 0;
        bool shiftKnown = false;
        double lowest[2] = {bodyTop, bodyTop};
        for (int c = 0; c < 2; ++c) {
            Column &column = columns[c];
            for (const TextStep &line : TextSteps(pages[i], column.memo)) {
                // Whole, within the body of the page.
                EXPECT_GE(line.clip.top(), bodyTop - 1e-9);
                EXPECT_LE(line.clip.bottom(), bodyBottom + 1e-9);
                EXPECT_NEAR(line.clip.height(), column.step, 1e-9);
                // Both memos move down the pages by the same distance.
                const double bandTop = column.firstTop + column.step * double(column.printed.size());
                if (!shiftKnown) shift = line.clip.top() - bandTop, shiftKnown = true;
                EXPECT_NEAR(line.clip.top() - bandTop, shift, 1e-6) << line.text.toStdString();
                lowest[c] = std::max(lowest[c], line.clip.bottom());
                column.printed.append(line.text);
            }
        }
        // The page ends where the lines of both memos end together, and the
        // next such place would not have fitted.
        if (i + 1 < pages.size()) {
            EXPECT_NEAR(lowest[0], lowest[1], 1e-6);
            EXPECT_LT(bodyBottom - lowest[0], 35);
        }
    }
    EXPECT_EQ(columns[0].printed, Numbered(150));
    EXPECT_EQ(columns[1].printed, Numbered(107));
}

// A window holds its template from its creation but builds it only when it
// is first used, and once.
int g_builds = 0;
std::unique_ptr<Report> CountedTemplate() {
    ++g_builds;
    auto report = std::make_unique<Report>(QStringLiteral("Planning Annuale"));
    report->AddPage(QStringLiteral("Page1"), kA4, QPageLayout::Landscape, kMargins)
        .AddMemo(QStringLiteral("txtTitolo"), QRectF(0, 0, 50, 6), QStringLiteral("PLANNER"));
    return report;
}

TEST(ReportTemplate, AWindowsTemplateIsBuiltAtItsFirstUseOnly) {
    g_builds = 0;
    const LazyReport repDocumento(CountedTemplate);
    EXPECT_FALSE(repDocumento.Built());
    EXPECT_EQ(g_builds, 0);
    repDocumento->Get<Memo>(QStringLiteral("txtTitolo")).SetText(QStringLiteral("PLANNER 2026"));
    EXPECT_TRUE(repDocumento.Built());
    (*repDocumento).Prepare();
    EXPECT_EQ(repDocumento->PreparedPages().front().Texts(), QStringList{QStringLiteral("PLANNER 2026")});
    EXPECT_EQ(g_builds, 1);
}

TEST(ReportTemplate, ABandThatMayNotSplitMovesToTheNextPage) {
    Report report(QStringLiteral("Elenco"));
    ReportPage &page = report.AddPage(QStringLiteral("Page1"), kA4, QPageLayout::Portrait, kMargins);
    for (const QString &name : {QStringLiteral("Blocco1"), QStringLiteral("Blocco2")}) {
        Band &band = page.AddBand(name, BandKind::MasterData, 200);
        band.AddMemo(QStringLiteral("txt") + name, QRectF(0, 0, 50, 10), name);
    }
    report.Prepare();
    ASSERT_EQ(report.PreparedPages().size(), 2u);
    EXPECT_EQ(report.PreparedPages()[0].Texts(), QStringList{QStringLiteral("Blocco1")});
    EXPECT_EQ(report.PreparedPages()[1].Texts(), QStringList{QStringLiteral("Blocco2")});
}

}  // namespace
}  // namespace vel::report
