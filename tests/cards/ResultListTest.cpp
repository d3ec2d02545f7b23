#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QScrollBar>
#include <algorithm>

#include "cards/ResultList.h"
#include "common/ListLines.h"
#include "platform/Platform.h"
#include "platform/QtPrint.h"
#include "support/Fakes.h"
#include "support/Gui.h"
#include "support/ListBoxView.h"

namespace vel {
namespace {

using test::ExpectResultListLook;
using test::LineEndShown;
using test::MessageScript;
using test::ScrollSideways;

TEST(ResultListTest, LinesCarryTheirOwnFontAndWidth) {
    ListBox list;
    list.setFont(QFont(QStringLiteral("Verdana"), 20));
    list.setStyleSheet(QStringLiteral("QListView { color: red; }"));
    PrepareResultList(&list);
    list.resize(400, 200);
    const QStringList lines = {QStringLiteral("Fiat Panda"), QString(300, u'x')};
    SetResultLines(&list, lines);
    EXPECT_EQ(ResultLines(&list), lines);
    ExpectResultListLook(&list, 1600);
    // The 300 characters are wider than the 1600 pixels asked for.
    EXPECT_GT(list.LineWidth(), 1600);
    list.show();
    QApplication::processEvents();
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), list.LineWidth() - list.viewport()->width());
    EXPECT_EQ(SelectedRow(&list), -1);
    list.setCurrentRow(1);
    EXPECT_EQ(SelectedRow(&list), 1);
    list.clearSelection();
    EXPECT_EQ(SelectedRow(&list), -1);
    list.setCurrentRow(0);
    list.setCurrentRow(-1);
    EXPECT_EQ(SelectedRow(&list), -1);
    EXPECT_EQ(list.currentRow(), -1);
}

// A list box of 400 x 200 with the result lists' font, a few short lines and
// one long line; scrolled sideways to the end, the long line's end shows.
TEST(ResultListTest, ScrollingSidewaysReachesTheEndOfTheLongestLine) {
    struct Case {
        const char *name;
        int minimumWidth;
        int longRow;     // where the long line stands
        int longLength;  // its characters
    } cases[] = {
        {"longer than the least width", 1600, 1, 240},
        {"far longer", 1600, 0, 1000},
        {"price list", 1400, 2, 160},
        {"chooser", 910, 1, 120},
        {"no least width", 0, 1, 90},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ListBox list;
        PrepareResultList(&list);
        list.resize(400, 200);
        QStringList lines = {QStringLiteral("Alfa"), QStringLiteral("Fiat Panda"), QStringLiteral("Lancia")};
        // A word at the start, blanks, and a mark at the very end.
        const QString longLine = QStringLiteral("Inizio") + QString(c.longLength - 10, u' ') + QStringLiteral("FINE");
        lines.insert(c.longRow, longLine);
        SetResultLines(&list, lines, c.minimumWidth);
        list.show();
        QApplication::processEvents();
        EXPECT_FALSE(LineEndShown(&list, c.longRow));
        ScrollSideways(&list, c.longRow);
        EXPECT_TRUE(LineEndShown(&list, c.longRow));
        // The text moved with the bar: the start went out of view.
        EXPECT_LT(list.LineRect(c.longRow).left(), -list.horizontalScrollBar()->maximum() + 1);
        EXPECT_GE(list.horizontalScrollBar()->maximum(), c.minimumWidth - list.viewport()->width());
        // Back at the start, the end is out of view again.
        ScrollSideways(&list, c.longRow, 0);
        EXPECT_FALSE(LineEndShown(&list, c.longRow));
    }
}

// In a font whose letters differ in width the line with the most characters
// need not be the widest: every line counts.
TEST(ResultListTest, AProportionalFontMeasuresEveryLine) {
    ListBox list;
    list.SetLineFont(UiFont(QStringLiteral("Verdana"), 12));
    ASSERT_FALSE(QFontInfo(list.LineFont()).fixedPitch());
    list.resize(400, 200);
    list.SetLines({QString(200, u'i'), QString(120, u'W') + QStringLiteral("FINE")});
    list.show();
    QApplication::processEvents();
    ScrollSideways(&list, 1);
    EXPECT_TRUE(LineEndShown(&list, 1));
}

TEST(ResultListTest, RemovingALineKeepsTheRestAndTheirWidth) {
    ListBox list;
    PrepareResultList(&list);
    list.resize(400, 200);
    int changes = 0;
    list.onSelectionChange = [&] { ++changes; };
    const QString longLine = QString(150, u'a') + QStringLiteral("FINE");
    SetResultLines(&list, {QStringLiteral("uno"), longLine, QStringLiteral("tre"), QString(200, u'b') + u'Z'},
                   400);
    list.show();
    list.setCurrentRow(3);
    EXPECT_EQ(changes, 1);
    const int wide = list.LineWidth();
    list.RemoveLine(3);
    EXPECT_EQ(list.Lines(), (QStringList{QStringLiteral("uno"), longLine, QStringLiteral("tre")}));
    EXPECT_EQ(list.count(), 3);
    // The widest line left decides the width now, and its end still shows.
    EXPECT_LT(list.LineWidth(), wide);
    ScrollSideways(&list, 1);
    EXPECT_TRUE(LineEndShown(&list, 1));
    list.RemoveLine(7);  // no such line: nothing changes
    EXPECT_EQ(list.count(), 3);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.LineWidth(), 400);
    EXPECT_EQ(list.Line(0), QString());
}

TEST(ResultListTest, TheSelectionIsFollowedFromTheKeyboard) {
    ListBox list;
    PrepareResultList(&list);
    list.resize(400, 200);
    QList<int> seen;
    list.onSelectionChange = [&] { seen.append(list.SelectedRow()); };
    SetResultLines(&list, {QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")});
    test::ShowActive(&list);
    list.setCurrentRow(0);
    test::Press(&list, Qt::Key_Down);
    test::Press(&list, Qt::Key_Down);
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(seen, (QList<int>{0, 1, 2}));
}

TEST(ResultListTest, FiftyThousandLinesGoInWhole) {
    QStringList lines;
    for (int i = 0; i < 50000; ++i) lines.append(QStringLiteral("Veicolo %1").arg(i, 5, 10, QChar(u'0')));
    lines[49999] += QString(180, u' ') + QStringLiteral("FINE");
    ListBox list;
    PrepareResultList(&list);
    list.resize(400, 200);
    SetResultLines(&list, lines);
    list.show();
    QApplication::processEvents();
    EXPECT_EQ(list.count(), 50000);
    EXPECT_EQ(ResultLines(&list), lines);
    list.setCurrentRow(49999);
    ScrollSideways(&list, 49999);
    EXPECT_TRUE(list.viewport()->rect().intersects(list.LineRect(49999)));
    EXPECT_TRUE(LineEndShown(&list, 49999));
}

// The sort of every result list gives the order of CompareListLines, equal
// lines in the order they came in: checked against a plain stable sort over
// many lines that share long beginnings, differ in case, end early, and hold
// characters on either side of the letters.
TEST(ResultListTest, SortedLinesKeepTheListOrder) {
    QRandomGenerator g(12345);
    const QString pieces[] = {QStringLiteral("Fiat"), QStringLiteral("FIAT"), QStringLiteral("fiat "),
                              QStringLiteral("Alfa Romeo"), QStringLiteral("alfa"), QStringLiteral("_Prova"),
                              QStringLiteral("Citro\u00ebn"), QStringLiteral(" "), QStringLiteral("[z]"),
                              QStringLiteral("`a`"), QString(QChar(0xFFFF)), QString(QChar(0)), QString()};
    for (int round = 0; round < 20; ++round) {
        QStringList lines;
        const int count = round == 0 ? 0 : 1 + g.bounded(round < 10 ? 40 : 3000);
        for (int i = 0; i < count; ++i) {
            QString line;
            const int parts = g.bounded(5);
            for (int p = 0; p < parts; ++p) line += pieces[g.bounded(int(std::size(pieces)))];
            if (g.bounded(3) == 0) line += QString::number(g.bounded(50));
            lines.append(line);
        }
        QStringList expected = lines;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const QString &a, const QString &b) { return CompareListLines(a, b) < 0; });
        QStringList shared = lines;  // a list shared with another sorts alike and leaves the other be
        SortListLines(lines);
        ASSERT_EQ(lines, expected) << "round " << round;
        EXPECT_EQ(shared.size(), count);
    }
}

TEST(ResultListTest, TrovaSelectsAndRemembers) {
    MessageScript messages;
    ListBox list;
    PrepareResultList(&list);
    SetResultLines(&list, {QStringLiteral("Alfa Rossi"), QStringLiteral("Fiat"), QStringLiteral("Seat ROSSI")});
    QString last;
    FindNextInList(&list, QStringLiteral("Rossi"), last);
    EXPECT_EQ(SelectedRow(&list), 0);
    EXPECT_EQ(last, QStringLiteral("rossi"));
    FindNextInList(&list, QStringLiteral("rossi"), last);
    EXPECT_EQ(SelectedRow(&list), 2);
    FindNextInList(&list, QStringLiteral("nessuno"), last);
    EXPECT_EQ(SelectedRow(&list), 2);
    EXPECT_EQ(last, QStringLiteral("nessuno"));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST(ResultListTest, TrovaBringsTheFoundLineIntoView) {
    MessageScript messages;
    ListBox list;
    PrepareResultList(&list);
    list.resize(400, 200);
    QStringList lines;
    for (int i = 0; i < 500; ++i) lines.append(QStringLiteral("Riga %1").arg(i));
    lines[420] += QStringLiteral(" Rossi");
    SetResultLines(&list, lines);
    list.show();
    QApplication::processEvents();
    QString last;
    FindNextInList(&list, QStringLiteral("rossi"), last);
    EXPECT_EQ(SelectedRow(&list), 420);
    EXPECT_TRUE(list.viewport()->rect().intersects(list.LineRect(420)));
}

TEST(ResultListTest, TrovaOnAnEmptyListShowsTheNotice) {
    MessageScript messages;
    ListBox list;
    PrepareResultList(&list);
    QString last = QStringLiteral("prima");
    messages.Expect(MsgKind::Plain, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    FindNextInList(&list, QStringLiteral("rossi"), last);
    messages.Expect(MsgKind::Information,
                    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    FindNextInList(&list, QStringLiteral("rossi"), last, MsgKind::Information);
    EXPECT_EQ(last, QStringLiteral("prima"));
}

TEST(ResultListTest, LastFindTextIsOnePerKindOfDialog) {
    ListBox a, b;
    QLabel c;
    LastFindText(&a) = QStringLiteral("rossi");
    EXPECT_EQ(LastFindText(&b), QStringLiteral("rossi"));
    EXPECT_EQ(LastFindText(&c), QString());
    LastFindText(&a).clear();
}

}  // namespace
}  // namespace vel
