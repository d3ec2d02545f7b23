#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "cards/ResultList.h"
#include "platform/QtPrint.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::MessageScript;

TEST(ResultListTest, ItemsCarryTheirOwnFontAndWidth) {
    QListWidget list;
    list.setFont(QFont(QStringLiteral("Verdana"), 20));
    list.setStyleSheet(QStringLiteral("QListWidget { color: red; }"));
    PrepareResultList(&list);
    list.resize(400, 200);
    const QStringList lines = {QStringLiteral("Fiat Panda"), QString(300, u'x')};
    SetResultLines(&list, lines);
    EXPECT_EQ(ResultLines(&list), lines);
    for (int i = 0; i < list.count(); ++i) {
        const QListWidgetItem *item = list.item(i);
        EXPECT_EQ(item->font().family(), QStringLiteral("Courier New"));
        EXPECT_EQ(item->font().pointSize(), 12);
        EXPECT_EQ(item->foreground().color(), QColor(0xFF000000u));
        EXPECT_EQ(item->sizeHint().width(), 1600);
    }
    EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    list.show();
    QApplication::processEvents();
    EXPECT_GE(list.horizontalScrollBar()->maximum(), 1600 - list.viewport()->width());
    EXPECT_EQ(SelectedRow(&list), -1);
    list.setCurrentRow(1);
    EXPECT_EQ(SelectedRow(&list), 1);
    list.clearSelection();
    EXPECT_EQ(SelectedRow(&list), -1);
}

TEST(ResultListTest, TrovaSelectsAndRemembers) {
    MessageScript messages;
    QListWidget list;
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

TEST(ResultListTest, TrovaOnAnEmptyListShowsTheNotice) {
    MessageScript messages;
    QListWidget list;
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
    QListWidget a, b;
    QLabel c;
    LastFindText(&a) = QStringLiteral("rossi");
    EXPECT_EQ(LastFindText(&b), QStringLiteral("rossi"));
    EXPECT_EQ(LastFindText(&c), QString());
    LastFindText(&a).clear();
}

}  // namespace
}  // namespace vel
