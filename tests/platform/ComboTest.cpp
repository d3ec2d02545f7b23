// The two drop-down lists: a free-text one whose list only suggests, and a
// list-only one the user can empty with Backspace.
#include <QAbstractItemView>
#include <QCompleter>
#include <QApplication>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "QtPrint.h"
#include "platform/Controls.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::Press;
using test::ShowActive;
using test::Type;

const QStringList kCities = {QStringLiteral("Roma"), QStringLiteral("Milano"), QStringLiteral("Bologna")};

struct TypedCase {
    const char *name;
    QString typed;
};
void PrintTo(const TypedCase &c, std::ostream *os) { *os << c.name; }

class ComboEditTyping : public ::testing::TestWithParam<TypedCase> {};

TEST_P(ComboEditTyping, KeepsTypedTextAndNeverAddsItToTheList) {
    const QString typed = GetParam().typed;
    ComboEdit combo;
    combo.SetSuggestions(kCities);
    ShowActive(&combo);
    combo.setFocus();

    Type(&combo, typed);
    EXPECT_EQ(combo.text(), typed) << "no completion from the list";
    Press(&combo, Qt::Key_Return);
    EXPECT_EQ(combo.text(), typed);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.count(), int(kCities.size()));
    EXPECT_EQ(combo.findText(typed), kCities.indexOf(typed));
}

INSTANTIATE_TEST_SUITE_P(Cases, ComboEditTyping,
                         ::testing::Values(TypedCase{"NewText", "Torino"},
                                           TypedCase{"PrefixOfAnItem", "Mil"},
                                           TypedCase{"ItemInOtherCase", "roma"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ComboEditLimit, LimitsTypingNotTheChosenItem) {
    ComboEdit combo;
    combo.SetSuggestions(kCities);
    combo.SetMaxLength(4);
    ShowActive(&combo);
    combo.setFocus();

    Type(&combo, QStringLiteral("Bologna"));
    EXPECT_EQ(combo.text(), QStringLiteral("Bolo"));

    combo.setCurrentIndex(2);  // an item longer than the limit, chosen from the list
    EXPECT_EQ(combo.text(), QStringLiteral("Bologna"));
}

TEST(ComboEditSelection, ClearingTheChoiceKeepsTheText) {
    ComboEdit combo;
    combo.SetSuggestions(kCities);
    ShowActive(&combo);
    combo.setFocus();
    Press(&combo, Qt::Key_Down);  // the user walks into the list
    ASSERT_GE(combo.currentIndex(), 0);
    const QString chosen = combo.text();
    ASSERT_EQ(chosen, kCities.at(combo.currentIndex()));

    combo.ClearSelectionKeepText();
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.text(), chosen);
}

TEST(ComboEditSuggestions, NewListKeepsTheText) {
    ComboEdit combo;
    combo.SetSuggestions(kCities);
    ShowActive(&combo);
    combo.setFocus();

    Type(&combo, QStringLiteral("Pisa"));
    combo.SetSuggestions({QStringLiteral("Firenze"), QStringLiteral("Siena")});
    EXPECT_EQ(combo.text(), QStringLiteral("Pisa"));
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(combo.count(), 2);

    combo.setCurrentIndex(1);
    combo.SetSuggestions(kCities);
    EXPECT_EQ(combo.text(), QStringLiteral("Siena")) << "a chosen item's text stays when the list changes";
    EXPECT_EQ(combo.currentIndex(), -1);
}

// The drop-down list is made when it is first needed; a font given to the
// combo before or after that reaches the list and the edit alike, and the
// edit offers no completion of its own.
TEST(ComboEditList, TakesTheCombosFontWheneverItIsMade) {
    QFont large(QStringLiteral("DejaVu Sans"), 15);
    large.setBold(true);
    QFont small(QStringLiteral("DejaVu Sans"), 8);
    for (bool openFirst : {false, true}) {
        SCOPED_TRACE(openFirst ? "list made before the font" : "font before the list");
        ComboEdit combo;
        combo.Editor()->setFont(large);
        EXPECT_TRUE(combo.isEditable());
        EXPECT_EQ(combo.lineEdit(), combo.Editor());
        EXPECT_EQ(combo.Editor()->completer(), nullptr);
        combo.SetSuggestions(kCities);
        if (openFirst) combo.view();
        combo.setFont(large);
        combo.resize(160, 28);
        ShowActive(&combo);
        combo.showPopup();
        EXPECT_EQ(combo.view()->font(), large);
        EXPECT_EQ(combo.view()->window()->font(), large);
        combo.hidePopup();

        combo.setFont(small);
        EXPECT_EQ(combo.view()->font(), small) << "a later font reaches the list made by then";
        EXPECT_TRUE(combo.Editor()->geometry().isValid());
        EXPECT_TRUE(combo.rect().contains(combo.Editor()->geometry()));
    }
}

TEST(ListCombo, BackspaceEmptiesTheChoice) {
    ListCombo combo;
    combo.addItems(kCities);
    combo.setCurrentIndex(1);
    ShowActive(&combo);
    combo.setFocus();
    EXPECT_FALSE(combo.isEditable());

    Press(&combo, Qt::Key_Backspace);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_TRUE(combo.currentText().isEmpty());
    EXPECT_EQ(combo.count(), int(kCities.size())) << "emptying the choice keeps the list";
}

// The wheel changes the combo the user is in, never one the pointer only
// passes over, and gives no combo the focus.
TEST(Combos, TheWheelActsOnTheFocusedComboOnly) {
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new Edit(&window);
    auto *free = new ComboEdit(&window);
    free->SetSuggestions(kCities);
    auto *listOnly = new ListCombo(&window);
    listOnly->addItems(kCities);
    for (QWidget *w : {static_cast<QWidget *>(edit), static_cast<QWidget *>(free), static_cast<QWidget *>(listOnly)})
        layout->addWidget(w);
    ShowActive(&window);
    auto turn = [](QComboBox *combo) {
        const QPointF at(combo->width() / 2.0, combo->height() / 2.0);
        QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    };
    for (QComboBox *combo : {static_cast<QComboBox *>(free), static_cast<QComboBox *>(listOnly)}) {
        SCOPED_TRACE(combo->metaObject()->className());
        combo->setCurrentIndex(0);
        edit->setFocus();
        turn(combo);
        EXPECT_EQ(combo->currentIndex(), 0);
        EXPECT_EQ(QApplication::focusWidget(), edit);
        combo->setFocus();
        turn(combo);
        EXPECT_EQ(combo->currentIndex(), 1);
    }
}

}  // namespace
}  // namespace vel
