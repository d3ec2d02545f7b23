// The shared key filters and typing rules: which keys and characters each
// filter lets through, and what the rules do to the text as it is typed.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "cards/KeyFilters.h"
#include "platform/Form.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::Focused;
using test::Press;
using test::ShowActive;
using test::Type;

// What the handler sees: a typed character (key 0) or a key without one.
struct Input {
    const char *name;
    int key;
    QChar keyChar;
    Qt::KeyboardModifiers shift = Qt::NoModifier;
};

const Input kInputs[] = {
    {"5", 0, u'5'},          {"0", 0, u'0'},       {"9", 0, u'9'},          {"a", 0, u'a'},
    {"blank", 0, u' '},      {",", 0, u','},       {".", 0, u'.'},          {"-", 0, u'-'},
    {"&", 0, u'&'},          {"/", 0, u'/'},       {"<", 0, u'<'},          {">", 0, u'>'},
    {"pound", 0, u'\u00a3'}, {"degree", 0, u'\u00b0'}, {"e acute", 0, u'\u00e9'}, {"A grave", 0, u'\u00c0'},
    {"u umlaut", 0, u'\u00fc'}, {"N tilde", 0, u'\u00d1'}, {"euro", 0, u'\u20ac'}, {"L stroke", 0, u'\u0141'},
    {"Enter", vkReturn, {}},  {"Backspace", vkBack, {}}, {"Delete", vkDelete, {}}, {"Left", vkLeft, {}},
    {"Right", vkRight, {}},   {"Tab", vkTab, {}},    {"Shift+Tab", vkTab, {}, Qt::ShiftModifier},
    {"Home", vkHome, {}},     {"End", vkEnd, {}},    {"Up", vkUp, {}},        {"Down", vkDown, {}},
    {"F1", 112, {}},          {"Ctrl+V", 'V', {}, Qt::ControlModifier},      {"Escape", vkEscape, {}},
};

// One letter per input above: P passes unchanged, S is swallowed.
//                             chars: 5 0 9 a _ , . - & / < > £ ° é À ü Ñ € Ł   keys: En Bk De Le Ri Tb sTb Ho En Up Do F1 ^V Es
const struct {
    const char *filter;
    KeyHandler handler;
    const char *outcome;
} kFilters[] = {
    {"refused set", RefuseCharacters(), "PPPPPPPPSSSSSSSSSSPP" "PPPPPPPPPPPPPP"},
    {"refused set without &", RefuseCharacters(RefusedSet::WithoutAmpersand), "PPPPPPPPPSSSSSSSSSPP" "PPPPPPPPPPPPPP"},
    {"digits", DigitsOnly(MoveKeys::Pass), "PPPSSSSSSSSSSSSSSSSS" "PPPPPPPPPSSSSS"},
    {"digits, holding the focus", DigitsOnly(MoveKeys::Swallowed), "PPPSSSSSSSSSSSSSSSSS" "PPPPPSSSSSSSSS"},
    {"amount", AmountKeys(MoveKeys::Pass), "PPPSSPSSSSSSSSSSSSSS" "PPPPPPPPPSSSSS"},
    {"amount, holding the focus", AmountKeys(MoveKeys::Swallowed), "PPPSSPSSSSSSSSSSSSSS" "PPPPPSSSSSSSSS"},
    {"tariff amount", [](int &k, QChar &c, Qt::KeyboardModifiers) { AmountKeyFilter(k, c); },
     "PPPSSPSSSSSSSSSSSSSS" "PPPPPSSSSSSSSS"},
};

TEST(KeyFiltersTest, EachFilterLetsThroughItsKeysAndCharacters) {
    static_assert(std::size(kInputs) == 34);
    for (const auto &f : kFilters) {
        ASSERT_EQ(std::strlen(f.outcome), std::size(kInputs)) << f.filter;
        for (size_t i = 0; i < std::size(kInputs); ++i) {
            const Input &in = kInputs[i];
            SCOPED_TRACE(std::string(f.filter) + ", " + in.name);
            int key = in.key;
            QChar keyChar = in.keyChar;
            f.handler(key, keyChar, in.shift);
            if (f.outcome[i] == 'P') {
                EXPECT_EQ(key, in.key);
                EXPECT_EQ(keyChar, in.keyChar);
            } else {
                EXPECT_EQ(key, 0);
                EXPECT_TRUE(keyChar.isNull());
            }
        }
    }
}

TEST(KeyFiltersTest, RefusedSetHoldsFiftyCharactersAndWithoutAmpersandFortyNine) {
    int with = 0, without = 0;
    for (char16_t c = 0; c < 0x3000; ++c) {
        with += IsRefusedCharacter(QChar(c), RefusedSet::WithAmpersand);
        without += IsRefusedCharacter(QChar(c), RefusedSet::WithoutAmpersand);
    }
    EXPECT_EQ(with, 50);
    EXPECT_EQ(without, 49);
    EXPECT_FALSE(IsRefusedCharacter(u'\u00c3'));  // Ã is not in the set
    EXPECT_TRUE(IsRefusedCharacter(u'\u00d6'));
}

// A window with an edit between two others, so that Tab has somewhere to go.
class FilterWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form.resize(300, 120);
        int y = 10;
        for (Edit **e : {&before, &edit, &after}) {
            *e = new Edit(&form);
            (*e)->setGeometry(10, y, 200, 24);
            y += 34;
        }
        ShowActive(&form);
        edit->setFocus();
    }
    Form form;
    Edit *before = nullptr, *edit = nullptr, *after = nullptr;
};

// The filters on a real edit: the keys the platform hands over are the ones
// the table above names.
TEST_F(FilterWindow, DigitFiltersOnARealEdit) {
    edit->onKeyDown = DigitsOnly(MoveKeys::Swallowed);
    Type(edit, QStringLiteral("1a2 .3-\u00e9"));
    EXPECT_EQ(edit->text(), QStringLiteral("123"));
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Home}) Press(edit, key);
    EXPECT_EQ(Focused(), edit);
    Type(edit, QStringLiteral("4"));
    EXPECT_EQ(edit->text(), QStringLiteral("1234"));  // Home went nowhere
    Press(edit, Qt::Key_Left);
    Press(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("124"));

    edit->onKeyDown = DigitsOnly(MoveKeys::Pass);
    Press(edit, Qt::Key_Home);
    Type(edit, QStringLiteral("9"));
    EXPECT_EQ(edit->text(), QStringLiteral("9124"));
    Press(edit, Qt::Key_Tab);
    EXPECT_EQ(Focused(), after);
    edit->setFocus();
    Press(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), before);

    edit->setFocus();
    edit->clear();
    edit->onKeyDown = AmountKeys(MoveKeys::Pass);
    Type(edit, QStringLiteral("1,5.-e,"));
    EXPECT_EQ(edit->text(), QStringLiteral("1,5,"));
}

TEST_F(FilterWindow, RefusedCharactersOnARealEdit) {
    edit->onKeyDown = RefuseCharacters();
    Type(edit, QStringLiteral("Citro\u00ebn & C. <x> 5\u00b0 \u20ac\u0141"));
    EXPECT_EQ(edit->text(), QStringLiteral("Citron  C. x 5 \u20ac\u0141"));
    edit->clear();
    edit->onKeyDown = RefuseCharacters(RefusedSet::WithoutAmpersand);
    Type(edit, QStringLiteral("Rossi & Figli \u00e8/"));
    EXPECT_EQ(edit->text(), QStringLiteral("Rossi & Figli "));
}

// The typing rules: what the text becomes as each key is typed, and where
// the caret stays. Text put in by code is left as it is.
TEST_F(FilterWindow, TypingRulesActOnTypingOnly) {
    const struct {
        const char *rule;
        void (*apply)(Edit *);
        const char *typed;
        const char *shown;
    } cases[] = {
        {"upper case", KeepUpperCase, " ab \u00e8z ", " AB \u00e8Z "},
        {"code", KeepAsCode, " it60 x\u00e8 ", "IT60X\u00e8"},
        {"trimmed", KeepTrimmed, "  Mario.Rossi@Posta.it  ", "Mario.Rossi@Posta.it"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rule);
        edit->clear();
        edit->onTyping = [this, apply = c.apply] { apply(edit); };
        Type(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.shown));
        edit->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.typed));
    }

    // A blank can stay between two characters; the caret stays after what it followed.
    edit->onTyping = [this] { KeepAsCode(edit); };
    edit->clear();
    Type(edit, QStringLiteral("abc"));
    Press(edit, Qt::Key_Left);
    Press(edit, Qt::Key_Left);
    Type(edit, QStringLiteral(" "));
    EXPECT_EQ(edit->text(), QStringLiteral("A BC"));
    EXPECT_EQ(edit->cursorPosition(), 2);
    Press(edit, Qt::Key_Home);
    Type(edit, QStringLiteral(" "));
    EXPECT_EQ(edit->text(), QStringLiteral("A BC"));
    EXPECT_EQ(edit->cursorPosition(), 0);
    Type(edit, QStringLiteral("x"));
    EXPECT_EQ(edit->text(), QStringLiteral("XA BC"));
}

}  // namespace
}  // namespace vel
