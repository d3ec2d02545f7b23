// The one-line edit as the windows use it: a maximum length that limits the
// user and never the program, key handlers that see (and may swallow or
// change) every key, Tab included, and notifications that tell user edits
// from text put in by code.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

#include "QtPrint.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::Focused;
using test::Press;
using test::ShowActive;
using test::Type;

void Paste(QWidget *widget, const QString &text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

// Two edits in one active window, so Tab and focus changes behave as on screen.
struct TwoEdits {
    QWidget window;
    Edit *first = new Edit(&window);
    Edit *second = new Edit(&window);
    TwoEdits() {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        ShowActive(&window);
        first->setFocus();
    }
};

// --- Maximum length ---------------------------------------------------------

struct LimitCase {
    const char *name;
    int max;
    QString start;   // put in by code before the user acts
    int from;        // cursor, or selection start; -1: the end
    int selected;    // characters selected from `from`
    bool paste;      // pasted rather than typed
    QString input;
    QString expected;
};
void PrintTo(const LimitCase &c, std::ostream *os) { *os << c.name; }

class EditLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(EditLimit, CutsOnlyWhatTheUserAdds) {
    const LimitCase &c = GetParam();
    Edit edit;
    edit.SetMaxLength(c.max);
    edit.setText(c.start);
    ASSERT_EQ(edit.text(), c.start) << "text put in by code must stay whole";
    ShowActive(&edit);
    const int from = c.from < 0 ? int(c.start.size()) : c.from;
    if (c.selected > 0)
        edit.setSelection(from, c.selected);
    else
        edit.setCursorPosition(from);
    if (c.paste)
        Paste(&edit, c.input);
    else
        Type(&edit, c.input);
    EXPECT_EQ(edit.text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditLimit,
    ::testing::Values(
        LimitCase{"TypingStopsAtLimit", 5, "", -1, 0, false, "abcdefgh", "abcde"},
        LimitCase{"ZeroMeansNoLimit", 0, "", -1, 0, false, "abcdefghijklmnopqrstuvwxyz0123456789",
                  "abcdefghijklmnopqrstuvwxyz0123456789"},
        LimitCase{"TypingInTheMiddleStopsAtLimit", 5, "abcd", 1, 0, false, "XYZ", "aXbcd"},
        LimitCase{"PasteCutToTheRoomLeft", 6, "abc", -1, 0, true, "defgh", "abcdef"},
        LimitCase{"PasteInTheMiddleCut", 6, "abcd", 2, 0, true, "XYZ", "abXYcd"},
        LimitCase{"PasteIntoFullEditRefused", 4, "abcd", -1, 0, true, "xy", "abcd"},
        LimitCase{"PasteOverSelectionUsesFreedRoom", 5, "abcde", 1, 2, true, "XYZ", "aXYde"},
        LimitCase{"TypingOverSelectionUsesFreedRoom", 5, "abcde", 0, 5, false, "vwxyz12", "vwxyz"},
        LimitCase{"PasteWithinLimitWhole", 10, "ab", -1, 0, true, "cdef", "abcdef"},
        LimitCase{"OverlongTextRefusesTyping", 3, "abcdef", -1, 0, false, "x", "abcdef"},
        LimitCase{"OverlongTextRefusesPaste", 3, "abcdef", 0, 0, true, "xy", "abcdef"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EditLimitByCode, OverlongTextCanBeShortenedButNotGrown) {
    Edit edit;
    edit.SetMaxLength(3);
    edit.setText(QStringLiteral("abcdef"));
    ShowActive(&edit);
    edit.end(false);

    Press(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("abcde"));
    Type(&edit, QStringLiteral("x"));
    EXPECT_EQ(edit.text(), QStringLiteral("abcde"));
    Press(&edit, Qt::Key_Backspace);
    Press(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("abc"));
    Type(&edit, QStringLiteral("x"));
    EXPECT_EQ(edit.text(), QStringLiteral("abc")) << "exactly full: still no room";
    Press(&edit, Qt::Key_Backspace);
    Type(&edit, QStringLiteral("xy"));
    EXPECT_EQ(edit.text(), QStringLiteral("abx"));
}

TEST(EditLimitByMenu, PasteFromTheContextMenuIsCut) {
    Edit edit;
    edit.SetMaxLength(5);
    edit.setText(QStringLiteral("abc"));
    ShowActive(&edit);
    edit.end(false);
    test::Bring(&edit, test::Arrival::MenuPaste, QStringLiteral("defgh"));
    EXPECT_EQ(edit.text(), QStringLiteral("abcde"));
    EXPECT_EQ(edit.cursorPosition(), 5) << "the caret stays after what the user pasted";
}

// A character of two UTF-16 units (an emoji) reaches the limit whole or not
// at all, typed or brought in any way, in an edit or a combo edit's; a text
// put in by code stays whole, however long.
struct WholeCharacterCase {
    const char *name;
    int max;
    QString start;  // put in by code, the caret after it
    QString brought;
    QString expected;
};
void PrintTo(const WholeCharacterCase &c, std::ostream *os) { *os << c.name; }

class EditLimitWholeCharacter : public ::testing::TestWithParam<WholeCharacterCase> {};

TEST_P(EditLimitWholeCharacter, NeverKeepsHalfACharacter) {
    const WholeCharacterCase &c = GetParam();
    Form window;
    auto *edit = new Edit(&window);
    edit->setGeometry(10, 10, 300, 28);
    auto *combo = new ComboEdit(&window);
    combo->setGeometry(10, 50, 300, 28);
    edit->SetMaxLength(c.max);
    combo->SetMaxLength(c.max);
    window.resize(320, 90);
    ShowActive(&window);
    for (Edit *target : {edit, combo->Editor()}) {
        QWidget *control = target == edit ? static_cast<QWidget *>(edit) : combo;
        SCOPED_TRACE(target == edit ? "edit" : "combo edit");
        control->setFocus();
        const auto begin = [&] {
            target->setText(c.start);
            ASSERT_EQ(target->text(), c.start) << "text put in by code must stay whole";
            target->end(false);
        };
        {
            SCOPED_TRACE("typed");
            begin();
            Type(control, c.brought);
            EXPECT_EQ(target->text(), c.expected);
        }
        for (const test::Arrival how : test::kArrivals) {
            SCOPED_TRACE(test::NameOf(how));
            begin();
            test::Bring(control, how, c.brought);
            EXPECT_EQ(target->text(), c.expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditLimitWholeCharacter,
    ::testing::Values(
        WholeCharacterCase{"OnlyItsFirstUnitWouldFit", 5, "abcd", "\U0001F600", "abcd"},
        WholeCharacterCase{"CutBeforeIt", 5, "abc", "d\U0001F600", "abcd"},
        WholeCharacterCase{"FitsWhole", 6, "abcd", "\U0001F600", "abcd\U0001F600"},
        WholeCharacterCase{"FitsWholeThenCut", 6, "abc", "\U0001F600de", "abc\U0001F600d"},
        WholeCharacterCase{"OnlyTheWholeOnes", 5, "", "\U0001F600\U0001F601\U0001F602", "\U0001F600\U0001F601"},
        WholeCharacterCase{"TextByCodeStaysWholeAndFull", 3, "ab\U0001F600", "x", "ab\U0001F600"}),
    [](const auto &info) { return std::string(info.param.name); });

// --- Typing and change notifications --------------------------------------

TEST(EditNotifications, TypingForUserEditsOnlyChangeForEveryChange) {
    Edit edit;
    int typing = 0, change = 0;
    edit.onTyping = [&] { ++typing; };
    edit.onChange = [&] { ++change; };
    ShowActive(&edit);

    Type(&edit, QStringLiteral("ab"));
    EXPECT_EQ(typing, 2);
    EXPECT_EQ(change, 2);

    edit.setText(QStringLiteral("xyz"));
    EXPECT_EQ(typing, 2) << "text put in by code is no typing";
    EXPECT_EQ(change, 3);

    Press(&edit, Qt::Key_End);  // a text put in by code leaves the caret at its start
    Press(&edit, Qt::Key_Backspace);
    Paste(&edit, QStringLiteral("q"));
    EXPECT_EQ(typing, 4);
    EXPECT_EQ(change, 5);
    EXPECT_EQ(edit.text(), QStringLiteral("xyq"));
}

TEST(EditNotifications, KeyRefusedByTheLimitNotifiesNothing) {
    // A full edit that drops the key has not changed: handlers that mark a
    // record as modified must not run.
    Edit edit;
    edit.SetMaxLength(3);
    edit.setText(QStringLiteral("abc"));
    int typing = 0, change = 0;
    edit.onTyping = [&] { ++typing; };
    edit.onChange = [&] { ++change; };
    ShowActive(&edit);
    edit.end(false);

    Type(&edit, QStringLiteral("x"));
    Paste(&edit, QStringLiteral("yz"));
    EXPECT_EQ(edit.text(), QStringLiteral("abc"));
    EXPECT_EQ(typing, 0);
    EXPECT_EQ(change, 0);
}

// --- Key handlers -----------------------------------------------------------

struct KeyCase {
    const char *name;
    Qt::Key key;  // sent when `typed` is 0
    char typed;   // a character typed instead
    int expectedKey;
    QChar expectedChar;
};
void PrintTo(const KeyCase &c, std::ostream *os) { *os << c.name; }

class EditKeyDown : public ::testing::TestWithParam<KeyCase> {};

TEST_P(EditKeyDown, HandlerSeesKeyCodeAndCharacterOnce) {
    const KeyCase &c = GetParam();
    TwoEdits w;
    std::vector<std::pair<int, QChar>> seen;
    w.first->onKeyDown = [&](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        seen.emplace_back(key, keyChar);
    };
    if (c.typed)
        QTest::keyClick(w.first, c.typed);
    else
        QTest::keyClick(w.first, c.key);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, c.expectedKey);
    EXPECT_EQ(seen[0].second, c.expectedChar);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditKeyDown,
    ::testing::Values(KeyCase{"Letter", Qt::Key_unknown, 'a', 0, QChar(u'a')},
                      KeyCase{"Digit", Qt::Key_unknown, '7', 0, QChar(u'7')},
                      KeyCase{"Space", Qt::Key_unknown, ' ', 0, QChar(u' ')},
                      KeyCase{"Enter", Qt::Key_Return, 0, vkReturn, QChar()},
                      KeyCase{"KeypadEnter", Qt::Key_Enter, 0, vkReturn, QChar()},
                      KeyCase{"Tab", Qt::Key_Tab, 0, vkTab, QChar()},
                      KeyCase{"Backspace", Qt::Key_Backspace, 0, vkBack, QChar()},
                      KeyCase{"Escape", Qt::Key_Escape, 0, vkEscape, QChar()},
                      KeyCase{"Delete", Qt::Key_Delete, 0, vkDelete, QChar()},
                      KeyCase{"Left", Qt::Key_Left, 0, vkLeft, QChar()},
                      KeyCase{"Down", Qt::Key_Down, 0, vkDown, QChar()},
                      KeyCase{"Home", Qt::Key_Home, 0, vkHome, QChar()},
                      KeyCase{"F2", Qt::Key_F2, 0, 113, QChar()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EditKeyHandlers, SwallowedCharactersAreNotInserted) {
    Edit edit;
    int typing = 0;
    edit.onTyping = [&] { ++typing; };
    edit.onKeyDown = [](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        if (keyChar != u'-') return;
        key = 0;
        keyChar = QChar();
    };
    ShowActive(&edit);
    Type(&edit, QStringLiteral("12-34-5"));
    EXPECT_EQ(edit.text(), QStringLiteral("12345"));
    EXPECT_EQ(typing, 5);
}

struct TabCase {
    const char *name;
    bool swallow;
    bool focusMoves;
};
void PrintTo(const TabCase &c, std::ostream *os) { *os << c.name; }

class EditTab : public ::testing::TestWithParam<TabCase> {};

TEST_P(EditTab, SwallowedTabKeepsTheFocus) {
    const TabCase &c = GetParam();
    TwoEdits w;
    ASSERT_EQ(Focused(), w.first);
    int tabs = 0;
    w.first->onKeyDown = [&](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        if (key != vkTab) return;
        ++tabs;
        if (c.swallow) {
            key = 0;
            keyChar = QChar();
        }
    };
    Press(w.first, Qt::Key_Tab);
    EXPECT_EQ(tabs, 1);
    EXPECT_EQ(Focused(), c.focusMoves ? static_cast<QWidget *>(w.second) : w.first);
    EXPECT_TRUE(w.first->text().isEmpty()) << "a Tab is never typed into the edit";
}

INSTANTIATE_TEST_SUITE_P(Cases, EditTab,
                         ::testing::Values(TabCase{"Swallowed", true, false},
                                           TabCase{"Passed", false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

struct MappedCase {
    const char *name;
    int max;
    QString start;
    QString typed;
    QString expected;
};
void PrintTo(const MappedCase &c, std::ostream *os) { *os << c.name; }

class EditMappedChar : public ::testing::TestWithParam<MappedCase> {};

TEST_P(EditMappedChar, ChangedCharacterIsTypedInstead) {
    const MappedCase &c = GetParam();
    Edit edit;
    edit.SetMaxLength(c.max);
    edit.setText(c.start);
    int typing = 0;
    edit.onTyping = [&] { ++typing; };
    edit.onKeyDown = [](int &, QChar &keyChar, Qt::KeyboardModifiers) { keyChar = keyChar.toUpper(); };
    ShowActive(&edit);
    edit.end(false);
    Type(&edit, c.typed);
    EXPECT_EQ(edit.text(), c.expected);
    EXPECT_EQ(typing, int(c.expected.size() - c.start.size())) << "each inserted character is a user edit";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditMappedChar,
    ::testing::Values(MappedCase{"NoLimit", 0, "", "targa", "TARGA"},
                      MappedCase{"WithinLimit", 4, "", "ab12cd", "AB12"},
                      MappedCase{"AfterTextByCode", 5, "ab", "cdef", "abCDE"},
                      MappedCase{"OverlongTextByCode", 2, "abc", "d", "abc"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EditKeyHandlers, KeyUpFollowsEachKeyDown) {
    QStringList log;
    Edit edit;
    edit.onKeyDown = [&](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        log << QStringLiteral("down %1 %2").arg(key).arg(keyChar.isNull() ? QString() : QString(keyChar));
    };
    edit.onKeyUp = [&](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        log << QStringLiteral("up %1 %2").arg(key).arg(keyChar.isNull() ? QString() : QString(keyChar));
    };
    ShowActive(&edit);
    QTest::keyClick(&edit, 'a');
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(log, (QStringList{"down 0 a", "up 0 a", "down 13 ", "up 13 "}));
}

TEST(EditFocus, EnterAndExitFollowTheFocus) {
    QStringList log;  // outlives the window, whose closing moves the focus too
    TwoEdits w;
    w.first->onEnter = [&] { log << "enter first"; };
    w.first->onExit = [&] { log << "exit first"; };
    w.second->onEnter = [&] { log << "enter second"; };
    w.second->onExit = [&] { log << "exit second"; };

    Press(w.first, Qt::Key_Tab);
    QTest::mouseClick(w.first, Qt::LeftButton);
    EXPECT_EQ(log, (QStringList{"exit first", "enter second", "exit second", "enter first"}));
}

// --- Enter and default buttons ---------------------------------------------

template <typename Host>
void ExpectEnterPressesNoButton() {
    Host host;
    auto *edit = new Edit(&host);
    auto *button = new Button(QStringLiteral("OK"), &host);
    auto *layout = new QVBoxLayout(&host);
    layout->addWidget(edit);
    layout->addWidget(button);
    button->setDefault(true);  // even a button made default by hand
    QSignalSpy clicked(button, &QPushButton::clicked);
    ShowActive(&host);
    edit->setFocus();
    ASSERT_EQ(Focused(), edit);

    Press(edit, Qt::Key_Return);
    Press(edit, Qt::Key_Enter);
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_TRUE(host.isVisible());
}

TEST(EditEnter, PressesNoButtonInAWindow) { ExpectEnterPressesNoButton<Form>(); }
TEST(EditEnter, PressesNoButtonInADialog) { ExpectEnterPressesNoButton<QDialog>(); }

// Enter on a button that has the focus presses it, as on the desktop the
// windows were designed for; Enter in an edit of the same window still
// presses nothing.
TEST(ButtonEnter, PressesTheFocusedButton) {
    Form host;
    auto *edit = new Edit(&host);
    auto *button = new Button(QStringLiteral("Apri"), &host);
    auto *layout = new QVBoxLayout(&host);
    layout->addWidget(edit);
    layout->addWidget(button);
    QSignalSpy clicked(button, &QPushButton::clicked);
    ShowActive(&host);
    edit->setFocus();
    Press(edit, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 0);

    button->setFocus();
    ASSERT_EQ(Focused(), button);
    Press(button, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 1);
    Press(button, Qt::Key_Enter);
    EXPECT_EQ(clicked.count(), 2);
    Press(button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 3) << "the space bar still presses it";
    button->setEnabled(false);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 3) << "a disabled button is never pressed";
}

// --- The Enter travel ----------------------------------------------------------

// An edit the Enter travel moves to is entered as by Tab: its text selected,
// so what the user types replaces it; a combo edit that forgets its list
// selection as it is entered keeps the text selected too.
TEST(EditEnterTravel, SelectsTheTextAsTabDoes) {
    Form window;
    auto *first = new Edit(&window);
    auto *amount = new Edit(&window);
    auto *combo = new ComboEdit(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(first);
    layout->addWidget(amount);
    layout->addWidget(combo);
    combo->SetSuggestions({QStringLiteral("Diesel"), QStringLiteral("Benzina")});
    combo->Editor()->onEnter = [combo] { combo->ClearSelectionKeepText(); };
    first->onKeyDown = [amount](int &key, QChar &, Qt::KeyboardModifiers) {
        if (key == vkReturn) FocusByEnter(amount);
    };
    amount->onKeyDown = [combo](int &key, QChar &, Qt::KeyboardModifiers) {
        if (key == vkReturn) FocusByEnter(combo);
    };
    ShowActive(&window);
    amount->setText(QStringLiteral("0,00"));
    combo->setCurrentIndex(1);
    first->setFocus();

    Press(first, Qt::Key_Return);
    ASSERT_EQ(Focused(), amount);
    EXPECT_EQ(amount->selectedText(), QStringLiteral("0,00"));
    Type(amount, QStringLiteral("45"));
    EXPECT_EQ(amount->text(), QStringLiteral("45"));

    Press(amount, Qt::Key_Return);
    ASSERT_EQ(Focused(), combo);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->Editor()->selectedText(), QStringLiteral("Benzina"));
    Type(combo, QStringLiteral("GPL"));
    EXPECT_EQ(combo->text(), QStringLiteral("GPL"));
}

// --- Text that arrives without a key press ------------------------------------

// A character refused or changed as the windows' filters do.
void SwallowAccentedAndAmpersand(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    if (keyChar != u'\u00e9' && keyChar != u'&') return;
    key = 0;
    keyChar = QChar();
}
void DigitCharactersOnly(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    if (key != 0 || (keyChar >= u'0' && keyChar <= u'9')) return;
    keyChar = QChar();
}
void CapitalsInstead(int &, QChar &keyChar, Qt::KeyboardModifiers) { keyChar = keyChar.toUpper(); }
void NothingTyped(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    key = 0;
    keyChar = QChar();
}

struct ArrivalCase {
    const char *name;
    void (*handler)(int &, QChar &, Qt::KeyboardModifiers);  // none: no key handler
    int max;
    bool firstLine;
    QString start;  // put in by code, the caret after it
    QString brought;
    QString expected;
};
void PrintTo(const ArrivalCase &c, std::ostream *os) { *os << c.name; }

class EditArrival : public ::testing::TestWithParam<ArrivalCase> {};

// Whatever way a text arrives (an input method, a paste by key, menu or
// middle button, a drop), it obeys the rules of typing: the key handler
// decides on each character as if it were typed, a character no one can type
// goes, the typing limit and the first-line rule hold; the typing handler
// runs when the text changed and nothing runs when it did not.
TEST_P(EditArrival, ObeysTheRulesOfTyping) {
    const ArrivalCase &c = GetParam();
    Form window;
    auto *edit = new Edit(&window);
    edit->setGeometry(10, 10, 300, 28);
    edit->SetMaxLength(c.max);
    edit->SetFirstLineOnly(c.firstLine);
    if (c.handler) edit->onKeyDown = c.handler;
    int typing = 0, change = 0;
    edit->onTyping = [&] { ++typing; };
    edit->onChange = [&] { ++change; };
    window.resize(320, 50);
    ShowActive(&window);
    edit->setFocus();
    for (const test::Arrival how : test::kArrivals) {
        SCOPED_TRACE(test::NameOf(how));
        edit->setText(c.start);
        edit->end(false);
        typing = change = 0;
        test::Bring(edit, how, c.brought);
        EXPECT_EQ(edit->text(), c.expected);
        const bool changed = c.expected != c.start;
        EXPECT_EQ(typing, changed ? 1 : 0);
        EXPECT_EQ(change > 0, changed);
        if (changed) {
            EXPECT_EQ(edit->cursorPosition(), c.expected.size()) << "the caret after what came";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditArrival,
    ::testing::Values(
        ArrivalCase{"RefusedCharacterEntersNothing", SwallowAccentedAndAmpersand, 0, false, "ab", "\u00e9", "ab"},
        ArrivalCase{"RefusedCharactersGoTheOthersStay", SwallowAccentedAndAmpersand, 0, false, "Ro", "ss\u00e9 & i",
                    "Ross  i"},
        ArrivalCase{"DigitsOnly", DigitCharactersOnly, 0, false, "", "12a3 4\u00e9", "1234"},
        ArrivalCase{"NoDigitNothing", DigitCharactersOnly, 0, false, "7", "ab", "7"},
        ArrivalCase{"AChangedCharacterGoesInInstead", CapitalsInstead, 0, false, "x", "ab", "xAB"},
        ArrivalCase{"ControlCharactersGo", nullptr, 0, false, "", "a\tb\u0007c\u2028d\u0085e", "abcde"},
        ArrivalCase{"TheLimitCountsWhatIsKept", DigitCharactersOnly, 3, false, "", "1a2b3c4", "123"},
        ArrivalCase{"FirstLineOfSeveral", SwallowAccentedAndAmpersand, 0, true, "", "a\u00e9b\r\ncd", "ab"},
        ArrivalCase{"AnEmptyFirstLineBringsNothing", nullptr, 0, true, "x", "\nab", "x"},
        ArrivalCase{"AListTakesNoText", NothingTyped, 0, false, "05", "ab:30", "05"},
        ArrivalCase{"WithinTheLimitWhole", nullptr, 10, false, "ab", "cd\u00e9", "abcd\u00e9"}),
    [](const auto &info) { return std::string(info.param.name); });

// The handler hears of each character once: a typed one with its key, a
// brought one as if typed.
TEST(EditArrivalHandler, HearsOfEachCharacterOnce) {
    Edit edit;
    QString heard;
    edit.onKeyDown = [&](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        if (key == 0 && !keyChar.isNull()) heard += keyChar;
        if (keyChar == u'x') keyChar = u'y';  // typed instead: no second hearing either
    };
    ShowActive(&edit);
    Type(&edit, QStringLiteral("ax\u00e9"));
    EXPECT_EQ(heard, QStringLiteral("ax\u00e9"));
    EXPECT_EQ(edit.text(), QStringLiteral("ay\u00e9"));
    for (const test::Arrival how : test::kArrivals) {
        SCOPED_TRACE(test::NameOf(how));
        heard.clear();
        test::Bring(&edit, how, QStringLiteral("bx\u00e8"));
        EXPECT_EQ(heard, QStringLiteral("bx\u00e8"));
    }
}

// A text that replaces a selection: a refused one leaves the selection as
// it was, as a refused key does; the rest of the text stays put.
TEST(EditArrivalHandler, ReplacesTheSelectionOnlyWithWhatIsKept) {
    Edit edit;
    edit.onKeyDown = SwallowAccentedAndAmpersand;
    ShowActive(&edit);
    for (const test::Arrival how : {test::Arrival::InputMethod, test::Arrival::KeyboardPaste,
                                    test::Arrival::MenuPaste, test::Arrival::SelectionPaste}) {
        SCOPED_TRACE(test::NameOf(how));
        edit.setText(QStringLiteral("abcdef"));
        edit.setSelection(2, 2);
        test::Bring(&edit, how, QStringLiteral("&\u00e9"));
        EXPECT_EQ(edit.text(), QStringLiteral("abcdef"));
        edit.setSelection(2, 2);
        test::Bring(&edit, how, QStringLiteral("X&Y"));
        EXPECT_EQ(edit.text(), QStringLiteral("abXYef"));
        EXPECT_EQ(edit.cursorPosition(), 4);
        // A text that begins as the selection does is the user's all the same.
        edit.setSelection(2, 2);
        test::Bring(&edit, how, QStringLiteral("X\u00e9"));
        EXPECT_EQ(edit.text(), QStringLiteral("abXef"));
    }
    edit.onKeyDown = CapitalsInstead;
    for (const test::Arrival how : {test::Arrival::InputMethod, test::Arrival::MenuPaste,
                                    test::Arrival::SelectionPaste}) {
        SCOPED_TRACE(test::NameOf(how));
        edit.setText(QStringLiteral("xab"));
        edit.setSelection(1, 2);
        test::Bring(&edit, how, QStringLiteral("abc"));
        EXPECT_EQ(edit.text(), QStringLiteral("xABC"));
    }
}

// --- Text put in by code ----------------------------------------------------

// A long text put in by a load or a pick shows from its first character in a
// narrow edit, with the focus or without; what the user types keeps the caret
// after it.
struct NarrowWindow {
    Form window;
    Edit *edit = new Edit(&window);
    ComboEdit *combo = new ComboEdit(&window);
    Edit *other = new Edit(&window);
    NarrowWindow() {
        edit->setGeometry(10, 10, 90, 28);
        combo->setGeometry(10, 50, 90, 28);
        other->setGeometry(10, 90, 90, 28);
        window.resize(200, 130);
        ShowActive(&window);
    }
};

const QString kLongText = QStringLiteral("Consegna a breve termine in citt\u00e0 e provincia");

bool ShowsTheStart(QLineEdit *edit) {
    // The caret at the start and drawn at the left edge: the view has not
    // been scrolled to the end of the text.
    return edit->cursorPosition() == 0 && edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 10;
}

TEST(EditTextByCode, ShowsFromItsFirstCharacter) {
    NarrowWindow w;
    w.other->setFocus();
    w.edit->setText(kLongText);
    EXPECT_TRUE(ShowsTheStart(w.edit));
    w.combo->setText(kLongText);
    EXPECT_TRUE(ShowsTheStart(w.combo->Editor()));
    w.combo->setEditText(kLongText + QStringLiteral(" 2"));
    EXPECT_TRUE(ShowsTheStart(w.combo->Editor()));

    // The same for the edit that has the focus (a load by the arrows).
    w.edit->setFocus();
    w.edit->setText(kLongText + QStringLiteral(" 3"));
    EXPECT_TRUE(ShowsTheStart(w.edit));
    static_cast<QLineEdit *>(w.edit)->setText(kLongText);  // whoever calls it
    EXPECT_TRUE(ShowsTheStart(w.edit));
}

// Qt's setText moves the caret to the end even when the text stays the same
// and says nothing of it: the rule holds all the same, whichever way the
// text is put in, with the focus or without, over a selection too.
TEST(EditTextByCode, TheSameTextAgainShowsItsStartToo) {
    NarrowWindow w;
    const struct {
        const char *label;
        QLineEdit *line;
        std::function<void(const QString &)> put;
    } routes[] = {
        {"Edit::setText", w.edit, [&](const QString &t) { w.edit->setText(t); }},
        {"QLineEdit::setText", w.edit, [&](const QString &t) { static_cast<QLineEdit *>(w.edit)->setText(t); }},
        {"ComboEdit::setText", w.combo->Editor(), [&](const QString &t) { w.combo->setText(t); }},
        {"QComboBox::setEditText", w.combo->Editor(), [&](const QString &t) { w.combo->setEditText(t); }},
    };
    for (const auto &r : routes) {
        SCOPED_TRACE(r.label);
        for (QWidget *focus : {static_cast<QWidget *>(w.other), r.line->parentWidget() == w.combo
                                                                    ? static_cast<QWidget *>(w.combo)
                                                                    : static_cast<QWidget *>(w.edit)}) {
            focus->setFocus();
            r.put(kLongText);
            r.line->end(false);
            r.put(kLongText);
            EXPECT_TRUE(ShowsTheStart(r.line));
            r.line->selectAll();
            r.put(kLongText);
            EXPECT_TRUE(ShowsTheStart(r.line));
            EXPECT_FALSE(r.line->hasSelectedText());
        }
    }
    // The caret put somewhere by code stays there.
    w.edit->setText(kLongText);
    w.edit->setCursorPosition(7);
    EXPECT_EQ(w.edit->cursorPosition(), 7);
    w.edit->end(false);
    EXPECT_EQ(w.edit->cursorPosition(), kLongText.size());
}

TEST(EditTextByCode, TypingKeepsTheCaretAfterWhatWasTyped) {
    NarrowWindow w;
    w.edit->setFocus();
    Type(w.edit, kLongText.left(30));
    EXPECT_EQ(w.edit->cursorPosition(), 30);
    EXPECT_GT(w.edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 40) << "the view follows the caret";
    // A typing rule that rewrites the text keeps the caret where typing left it.
    w.edit->clear();
    w.edit->onTyping = [&] { w.edit->setText(w.edit->text().toUpper()); };
    Type(w.edit, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(w.edit->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_EQ(w.edit->cursorPosition(), 26);
    Paste(w.edit, QStringLiteral("0123"));
    EXPECT_EQ(w.edit->cursorPosition(), 30);
}

}  // namespace
}  // namespace vel
