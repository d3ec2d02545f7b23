// The drop-down list whose value is one of its items or nothing: its keys,
// what it keeps when left (with the case of the letters or without it), and
// what it does as it takes and loses the focus.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <gtest/gtest.h>

#include "QtPrint.h"
#include "platform/ChoiceList.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::Focused;
using test::Press;
using test::ShowActive;
using test::Type;

const QStringList kMonths = {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
                             QStringLiteral("Aprile")};

// A window with two lists, their frames, and an edit and a button after them,
// as the windows lay them out.
struct Window {
    Window() {
        exact = new ChoiceList(&widget);
        ignoring = new ChoiceList(&widget);
        exactFrame = new FocusFrame(&widget);
        ignoringFrame = new FocusFrame(&widget);
        after = new Edit(&widget);
        button = new Button(QStringLiteral("Apri"), &widget);
        exact->setGeometry(10, 10, 120, 26);
        ignoring->setGeometry(10, 50, 120, 26);
        after->setGeometry(10, 90, 120, 26);
        button->setGeometry(10, 130, 120, 26);
        exact->SetItems(kMonths, ChoiceList::Match::ExactCase);
        ignoring->SetItems(kMonths, ChoiceList::Match::IgnoreCase);
        exact->SetFrame(exactFrame);
        ignoring->SetFrame(ignoringFrame);
        exact->SetEnterTarget(ignoring);
        ignoring->SetEnterTarget(button);
        widget.resize(200, 180);
        ShowActive(&widget);
        after->setFocus();  // the lists start without the focus
    }
    QWidget widget;
    ChoiceList *exact, *ignoring;
    FocusFrame *exactFrame, *ignoringFrame;
    Edit *after;
    Button *button;
};

TEST(ChoiceList, ItemsAndMatch) {
    Window w;
    QStringList items;
    for (int i = 0; i < w.exact->count(); ++i) items.append(w.exact->itemText(i));
    EXPECT_EQ(items, kMonths);
    EXPECT_EQ(w.exact->ItemMatch(), ChoiceList::Match::ExactCase);
    EXPECT_EQ(w.ignoring->ItemMatch(), ChoiceList::Match::IgnoreCase);
    EXPECT_EQ(w.exact->currentIndex(), -1);
    EXPECT_EQ(w.exact->text(), QString());
}

TEST(ChoiceList, NoKeyButTheEditingOnesChangesTheText) {
    Window w;
    const struct {
        const char *label;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {"Up", Qt::Key_Up, Qt::NoModifier},           {"Down", Qt::Key_Down, Qt::NoModifier},
        {"Alt+Down", Qt::Key_Down, Qt::AltModifier},  {"F4", Qt::Key_F4, Qt::NoModifier},
        {"PageUp", Qt::Key_PageUp, Qt::NoModifier},   {"PageDown", Qt::Key_PageDown, Qt::NoModifier},
        {"Home", Qt::Key_Home, Qt::NoModifier},       {"End", Qt::Key_End, Qt::NoModifier},
        {"Space", Qt::Key_Space, Qt::NoModifier},     {"Escape", Qt::Key_Escape, Qt::NoModifier},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},   {"Ctrl+X", Qt::Key_X, Qt::ControlModifier},
        {"Tab", Qt::Key_Tab, Qt::NoModifier},         {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier},
    };
    QApplication::clipboard()->setText(QStringLiteral("Aprile"));
    for (ChoiceList *list : {w.exact, w.ignoring}) {
        for (const QString &before : {QString(), QStringLiteral("Marzo")}) {
            list->setText(before);
            list->setFocus();
            list->lineEdit()->setCursorPosition(2);
            const int caret = list->lineEdit()->cursorPosition();
            Type(list, QStringLiteral("1a Z\u00e8"));
            EXPECT_EQ(list->text(), before) << "typed characters";
            for (const auto &k : keys) {
                Press(list, k.key, k.modifiers);
                EXPECT_EQ(list->text(), before) << k.label;
                EXPECT_EQ(list->currentIndex(), -1) << k.label;
                EXPECT_FALSE(list->view()->isVisible()) << k.label << " opens nothing";
                EXPECT_EQ(Focused(), list) << k.label << " keeps the focus";
            }
            EXPECT_EQ(list->lineEdit()->cursorPosition(), caret) << "the caret stays";
        }
    }
}

// A value comes from the list, a load or a command of the window: no text
// the user brings without typing it goes in either, an item's name included.
TEST(ChoiceList, NoTextArrivesWithoutAKeyEither) {
    Window w;
    for (ChoiceList *list : {w.exact, w.ignoring}) {
        for (const QString &before : {QString(), QStringLiteral("Marzo")}) {
            for (const test::Arrival how : test::kArrivals) {
                SCOPED_TRACE(test::NameOf(how));
                for (const QString &brought : {QStringLiteral("ab:30"), QStringLiteral("\u00e8"), QStringLiteral("Aprile")}) {
                    list->setText(before);
                    list->setFocus();
                    list->lineEdit()->end(false);
                    test::Bring(list, how, brought);
                    EXPECT_EQ(list->text(), before) << brought.toStdString();
                }
            }
        }
    }
}

TEST(ChoiceList, EditingKeysEmptyOrMoveAndEnterMovesOn) {
    Window w;
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) {
        w.exact->setFocus();
        w.exact->setCurrentIndex(3);
        w.exact->lineEdit()->setCursorPosition(0);  // nothing before the caret, the whole text goes all the same
        Press(w.exact, key);
        EXPECT_EQ(w.exact->text(), QString()) << key;
        EXPECT_EQ(w.exact->currentIndex(), -1) << key;
    }

    w.exact->setText(QStringLiteral("Febbraio"));
    w.exact->lineEdit()->setCursorPosition(4);
    Press(w.exact, Qt::Key_Left);
    EXPECT_EQ(w.exact->lineEdit()->cursorPosition(), 3);
    Press(w.exact, Qt::Key_Right);
    Press(w.exact, Qt::Key_Right);
    EXPECT_EQ(w.exact->lineEdit()->cursorPosition(), 5);

    // Enter walks on to the target, choosing and pressing nothing.
    bool pressed = false;
    QObject::connect(w.button, &QPushButton::clicked, [&] { pressed = true; });
    w.ignoring->setText(QStringLiteral("Aprile"));
    Press(w.exact, Qt::Key_Return);
    EXPECT_EQ(Focused(), w.ignoring);
    EXPECT_EQ(w.ignoring->lineEdit()->selectedText(), QStringLiteral("Aprile")) << "entered as by Tab";
    Press(w.ignoring, Qt::Key_Return);
    EXPECT_EQ(Focused(), w.button);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(w.exact->text(), QStringLiteral("Febbraio"));
}

TEST(ChoiceList, LeavingKeepsOnlyATextOfTheList) {
    const struct {
        const char *label;
        QString text;
        QString keptExact, keptIgnoring;
    } cases[] = {
        {"an item", QStringLiteral("Marzo"), QStringLiteral("Marzo"), QStringLiteral("Marzo")},
        {"an item with blanks around it, kept as it is", QStringLiteral(" Marzo\t"), QStringLiteral(" Marzo\t"),
         QStringLiteral(" Marzo\t")},
        {"small letters", QStringLiteral("gennaio"), QString(), QStringLiteral("gennaio")},
        {"capitals", QStringLiteral("APRILE"), QString(), QStringLiteral("APRILE")},
        {"part of an item", QStringLiteral("Marz"), QString(), QString()},
        {"an item and more", QStringLiteral("Marzo 2025"), QString(), QString()},
        {"an accented capital is not a small letter", QStringLiteral("Febbra\u00cdo"), QString(), QString()},
        {"blanks only", QStringLiteral("   "), QString(), QString()},
        {"empty stays empty", QString(), QString(), QString()},
    };
    Window w;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        for (ChoiceList *list : {w.exact, w.ignoring}) {
            list->setFocus();
            list->setText(c.text);  // a text put there other than by a choice
            w.after->setFocus();
            EXPECT_EQ(list->text(), list == w.exact ? c.keptExact : c.keptIgnoring);
        }
    }
}

TEST(ChoiceList, ACodeValueStaysUntilTheListIsEnteredAndLeft) {
    Window w;
    w.after->setFocus();
    w.exact->setText(QStringLiteral("marzo"));
    w.ignoring->setText(QStringLiteral("31"));
    EXPECT_EQ(w.exact->text(), QStringLiteral("marzo"));
    EXPECT_EQ(w.ignoring->text(), QStringLiteral("31"));
    w.exact->setFocus();
    EXPECT_EQ(w.exact->text(), QStringLiteral("marzo")) << "entering checks nothing";
    w.after->setFocus();
    EXPECT_EQ(w.exact->text(), QString());
    EXPECT_EQ(w.ignoring->text(), QStringLiteral("31")) << "the list never entered keeps its value";
}

TEST(ChoiceList, TheFocusShowsTheFrameAndForgetsTheSelection) {
    Window w;
    w.exact->setCurrentIndex(1);
    ASSERT_EQ(w.exact->currentIndex(), 1);
    w.exact->setFocus();
    EXPECT_TRUE(w.exactFrame->isVisible());
    EXPECT_FALSE(w.ignoringFrame->isVisible());
    EXPECT_EQ(w.exact->currentIndex(), -1);
    EXPECT_EQ(w.exact->text(), QStringLiteral("Febbraio")) << "the text stays";
    w.ignoring->setFocus();
    EXPECT_FALSE(w.exactFrame->isVisible());
    EXPECT_TRUE(w.ignoringFrame->isVisible());
    w.after->setFocus();
    EXPECT_FALSE(w.ignoringFrame->isVisible());
}

TEST(ChoiceList, AChoiceFromTheOpenListIsKept) {
    Window w;
    w.exact->setFocus();
    w.exact->showPopup();
    QAbstractItemView *view = w.exact->view();
    ASSERT_TRUE(view->isVisible());
    const QModelIndex item = view->model()->index(2, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(w.exact->text(), QStringLiteral("Marzo"));
    EXPECT_TRUE(w.exactFrame->isVisible()) << "the open list took nothing away from the focus";
    w.after->setFocus();
    EXPECT_EQ(w.exact->text(), QStringLiteral("Marzo"));
}

// A window that names the list's handlers runs the same rules from them.
TEST(ChoiceList, RulesRunFromTheWindowsOwnHandlers) {
    Window w;
    int keys = 0, entered = 0, left = 0;
    Edit *editor = w.exact->Editor();
    editor->onKeyDown = [&](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        ++keys;
        w.exact->KeyRule(key, keyChar);
    };
    editor->onEnter = [&] {
        ++entered;
        w.exact->EnterRule();
    };
    editor->onExit = [&] {
        ++left;
        w.exact->ExitRule();
    };
    w.exact->setFocus();
    Type(w.exact, QStringLiteral("x"));
    Press(w.exact, Qt::Key_Down);
    w.exact->setText(QStringLiteral("marzo"));
    w.after->setFocus();
    EXPECT_EQ(keys, 2);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(w.exact->text(), QString());
    EXPECT_FALSE(w.exactFrame->isVisible());
}

}  // namespace
}  // namespace vel
