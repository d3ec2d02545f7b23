// The year edit: four characters at most, digits typed or pasted only, the
// editing keys, Enter on to "Apri"; a year is exactly four digits.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <gtest/gtest.h>

#include "QtPrint.h"
#include "platform/YearEdit.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::Focused;
using test::Press;
using test::ShowActive;
using test::Type;

struct Window {
    Window() {
        year = new YearEdit(&widget);
        apri = new Button(QStringLiteral("Apri"), &widget);
        year->setGeometry(10, 10, 80, 26);
        apri->setGeometry(100, 10, 80, 26);
        year->SetEnterTarget(apri);
        widget.resize(200, 50);
        ShowActive(&widget);
        year->setFocus();
    }
    QWidget widget;
    YearEdit *year;
    Button *apri;
};

TEST(YearEdit, TypedTextKeepsItsDigitsUpToFour) {
    const struct {
        const char *label;
        QString typed;
        QString text;
        bool year;
    } cases[] = {
        {"a year", QStringLiteral("2025"), QStringLiteral("2025"), true},
        {"too short", QStringLiteral("202"), QStringLiteral("202"), false},
        {"too long: the fifth digit does not fit", QStringLiteral("202512"), QStringLiteral("2025"), true},
        {"letters and signs refused", QStringLiteral("2a0-2 5.,+"), QStringLiteral("2025"), true},
        {"nothing but refused characters", QStringLiteral("anno \u00e8"), QString(), false},
        {"digits of another script", QStringLiteral("\u0662\u0660\u0662\u0665"), QString(), false},
    };
    Window w;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        w.year->clear();
        Type(w.year, c.typed);
        EXPECT_EQ(w.year->text(), c.text);
        EXPECT_EQ(w.year->HoldsYear(), c.year);
    }
}

// Pasted, dropped or committed by an input method, alike.
TEST(YearEdit, PastedTextMustBeDigitsAndIsCutToFour) {
    const struct {
        const char *label;
        QString before;  // the caret at its end
        QString clipboard;
        QString text;
    } cases[] = {
        {"digits", QStringLiteral("20"), QStringLiteral("26"), QStringLiteral("2026")},
        {"digits beyond the limit are cut", QStringLiteral("20"), QStringLiteral("2612"), QStringLiteral("2026")},
        {"a whole year into an empty edit", QString(), QStringLiteral("1999"), QStringLiteral("1999")},
        {"a letter refuses the paste whole", QStringLiteral("20"), QStringLiteral("x5"), QStringLiteral("20")},
        {"a blank refuses it too", QStringLiteral("20"), QStringLiteral(" 26"), QStringLiteral("20")},
        {"what does not fit is cut before the digits are checked", QString(), QStringLiteral("2025\n"),
         QStringLiteral("2025")},
        {"a line end among the four", QString(), QStringLiteral("20\n5"), QString()},
        {"a negative year", QString(), QStringLiteral("-202"), QString()},
        {"an accented letter from a dead key", QStringLiteral("202"), QStringLiteral("\u00e9"), QStringLiteral("202")},
        {"a tab refuses it", QStringLiteral("2"), QStringLiteral("0\t2"), QStringLiteral("2")},
    };
    Window w;
    for (const test::Arrival how : test::kArrivals) {
        if (how == test::Arrival::KeyboardPaste) continue;  // the key itself is refused: below
        SCOPED_TRACE(test::NameOf(how));
        for (const auto &c : cases) {
            SCOPED_TRACE(c.label);
            w.year->setText(c.before);
            w.year->end(false);
            test::Bring(w.year, how, c.clipboard);
            EXPECT_EQ(w.year->text(), c.text);
        }
    }
    // The keyboard's paste is a key the year refuses.
    w.year->setText(QStringLiteral("2026"));
    w.year->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("1234"));
    Press(w.year, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.year->text(), QStringLiteral("2026"));
}

TEST(YearEdit, EditingKeysActOtherKeysAreRefused) {
    Window w;
    Type(w.year, QStringLiteral("2025"));
    Press(w.year, Qt::Key_Left);
    Press(w.year, Qt::Key_Backspace);
    EXPECT_EQ(w.year->text(), QStringLiteral("205"));
    Press(w.year, Qt::Key_Left);
    Press(w.year, Qt::Key_Delete);
    EXPECT_EQ(w.year->text(), QStringLiteral("25"));
    Press(w.year, Qt::Key_Right);
    Type(w.year, QStringLiteral("0"));
    EXPECT_EQ(w.year->text(), QStringLiteral("250"));
    const int caret = w.year->cursorPosition();
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Escape}) {
        Press(w.year, key);
        EXPECT_EQ(w.year->cursorPosition(), caret) << key;
        EXPECT_EQ(Focused(), w.year) << key;
    }
    EXPECT_EQ(w.year->text(), QStringLiteral("250"));
}

TEST(YearEdit, EnterMovesToApriWithoutPressingIt) {
    Window w;
    bool pressed = false;
    QObject::connect(w.apri, &QPushButton::clicked, [&] { pressed = true; });
    Type(w.year, QStringLiteral("20"));
    Press(w.year, Qt::Key_Return);
    EXPECT_EQ(Focused(), w.apri);
    EXPECT_FALSE(pressed);
    EXPECT_EQ(w.year->text(), QStringLiteral("20"));
}

TEST(YearEdit, TextPutInByCodeIsKeptWhole) {
    Window w;
    EXPECT_EQ(w.year->MaxLength(), 4);
    w.year->setText(QStringLiteral("20255"));
    EXPECT_EQ(w.year->text(), QStringLiteral("20255"));
    EXPECT_FALSE(w.year->HoldsYear());
    w.year->setText(QStringLiteral("2025"));
    EXPECT_TRUE(w.year->HoldsYear());
}

}  // namespace
}  // namespace vel
