#include <QCalendarWidget>
#include <QSpinBox>
#include <QToolButton>
#include <memory>

#include "ContractFixture.h"
#include "cards/FindDialog.h"
#include "common/DateText.h"
#include "common/TextRules.h"
#include "contracts/Calendario.h"
#include "platform/QtPrint.h"

namespace vel::test {
namespace {

class CalendarioTest : public ContractTest {
protected:
    // The picker as the contract card's date fields open it.
    std::unique_ptr<TfrmCalendario> Open(const QString &tag) {
        auto dlg = std::make_unique<TfrmCalendario>(frmContrattiNSC);
        dlg->Create();
        dlg->lblMemory->setText(tag);
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    static QString Card(const char *control) { return ControlTextOf(frmContrattiNSC, control); }
    static void SetCard(const char *control, const QString &text) { SetControlTextOf(frmContrattiNSC, control, text); }
};

TEST_F(CalendarioTest, WindowLooksAsDesigned) {
    // The program-wide window, made at start and never shown, has built no
    // calendar.
    ASSERT_NE(frmCalendario, nullptr);
    EXPECT_EQ(frmCalendario->calAppuntamenti, nullptr);

    auto dlg = Open(QStringLiteral("nsc_datainizio"));
    ASSERT_NE(dlg->calAppuntamenti, nullptr);
    EXPECT_TRUE(dlg->calAppuntamenti->isVisible());
    EXPECT_TRUE(dlg->calAppuntamenti->isAncestorOf(Focused()) || Focused() == dlg->calAppuntamenti);
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmCalendario"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Importazione data"));
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
    EXPECT_EQ(dlg->lblCampo001->text(), QStringLiteral("Importare una data:"));
    EXPECT_EQ(dlg->btnImportaData->text(), QStringLiteral("Importa"));
    EXPECT_EQ(dlg->btnAnnulla->text(), QStringLiteral("Annulla"));
    EXPECT_FALSE(dlg->lblMemory->isVisible());
    // Today, from the program's clock.
    EXPECT_EQ(dlg->calAppuntamenti->selectedDate(), QDate(2026, 3, 14));
    EXPECT_EQ(dlg->calAppuntamenti->firstDayOfWeek(), Qt::Monday);
    EXPECT_EQ(dlg->calAppuntamenti->locale().language(), QLocale::Italian);
    // Tab goes from the calendar to "Importa", then to "Annulla".
    dlg->calAppuntamenti->setFocus();
    ASSERT_TRUE(dlg->calAppuntamenti->isAncestorOf(Focused()) || Focused() == dlg->calAppuntamenti);
    Press(Focused(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), dlg->btnImportaData);
    Press(Focused(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), dlg->btnAnnulla);
}

// Each dialog is made anew and starts on the day it is made, even when it
// shows after midnight.
TEST_F(CalendarioTest, StartsOnTheDayItIsCreated) {
    clock.Set(QDateTime(QDate(2027, 1, 2), QTime(23, 59)));
    auto dlg = std::make_unique<TfrmCalendario>(frmContrattiNSC);
    dlg->Create();
    clock.Set(QDateTime(QDate(2027, 1, 3), QTime(0, 1)));
    dlg->lblMemory->setText(QStringLiteral("nsc_datafine"));
    dlg->Show();
    ShowActive(dlg.get());
    EXPECT_EQ(dlg->calAppuntamenti->selectedDate(), QDate(2027, 1, 2));
    auto next = Open(QStringLiteral("nsc_datafine"));
    EXPECT_EQ(next->calAppuntamenti->selectedDate(), QDate(2027, 1, 3));
}

// "Importa" writes the chosen day, two-digit day and month, into the field
// the tag names and closes; the other field stays as it was.
TEST_F(CalendarioTest, ImportaWritesTheFieldTheTagNames) {
    const struct {
        const char *tag;
        const char *written;
        const char *kept;
    } cases[] = {{"nsc_datainizio", "txtDataInizio", "txtDataFine"}, {"nsc_datafine", "txtDataFine", "txtDataInizio"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        SetCard("txtDataInizio", QStringLiteral("01/01/2026"));
        SetCard("txtDataFine", QStringLiteral("31/12/2026"));
        const QString kept = Card(c.kept);
        auto dlg = Open(QString::fromLatin1(c.tag));
        dlg->calAppuntamenti->setSelectedDate(QDate(2026, 4, 5));
        Click(dlg->btnImportaData);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(Card(c.written), QStringLiteral("05/04/2026"));
        EXPECT_EQ(Card(c.kept), kept);
    }
}

// The day moved on the calendar with the keyboard, as a user picks it.
TEST_F(CalendarioTest, ADayChosenWithTheKeyboardIsImported) {
    SetCard("txtDataInizio", QString());
    auto dlg = Open(QStringLiteral("nsc_datainizio"));
    dlg->calAppuntamenti->setFocus();
    Press(Focused(), Qt::Key_Right);
    Press(Focused(), Qt::Key_Down);
    EXPECT_EQ(dlg->calAppuntamenti->selectedDate(), QDate(2026, 3, 22));
    Click(dlg->btnImportaData);
    EXPECT_EQ(Card("txtDataInizio"), QStringLiteral("22/03/2026"));
}

// The tag is taken exactly: a blank after it, another case or another tag
// leave the dialog open and the card as it was; only "Annulla" closes it.
TEST_F(CalendarioTest, AnyOtherTagImportsNothing) {
    SetCard("txtDataInizio", QStringLiteral("01/01/2026"));
    SetCard("txtDataFine", QStringLiteral("31/12/2026"));
    for (const QString &tag : {QStringLiteral("nsc_datainizio "), QStringLiteral(" nsc_datafine"),
                               QStringLiteral("NSC_DATAINIZIO"), QStringLiteral("contrattinsc"),
                               QStringLiteral("lblMemory"), QString()}) {
        SCOPED_TRACE(tag.toStdString());
        auto dlg = Open(tag);
        dlg->calAppuntamenti->setSelectedDate(QDate(2026, 6, 30));
        Click(dlg->btnImportaData);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Card("txtDataInizio"), QStringLiteral("01/01/2026"));
        EXPECT_EQ(Card("txtDataFine"), QStringLiteral("31/12/2026"));
        Click(dlg->btnAnnulla);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(CalendarioTest, AnnullaClosesAndChangesNothing) {
    SetCard("txtDataFine", QStringLiteral("31/12/2026"));
    modals.Expect<TfrmCalendario>([](TfrmCalendario &d) {
        ShowActive(&d);
        d.calAppuntamenti->setSelectedDate(QDate(2026, 7, 1));
        Click(d.btnAnnulla);
    });
    TfrmCalendario dlg(frmContrattiNSC);
    dlg.Create();
    dlg.lblMemory->setText(QStringLiteral("nsc_datafine"));
    dlg.ShowModal();
    modals.Verify();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(Card("txtDataFine"), QStringLiteral("31/12/2026"));
}

// Typed keys choose no day: neither a time, an impossible date, a date out
// of range nor a real one moves the calendar, and the arrows go on from the
// day that was there.
TEST_F(CalendarioTest, TypedKeysChooseNoDay) {
    for (const char *typed : {"18:00", "31/02/2026", "99/99/9999", "0", "14/12/2026", "5", "abc"}) {
        SCOPED_TRACE(typed);
        SetCard("txtDataFine", QString());
        auto dlg = Open(QStringLiteral("nsc_datafine"));
        dlg->calAppuntamenti->setFocus();
        Type(Focused(), QString::fromLatin1(typed));
        Press(Focused(), Qt::Key_Return);
        EXPECT_EQ(dlg->calAppuntamenti->selectedDate(), QDate(2026, 3, 14));
        dlg->calAppuntamenti->setFocus();
        Press(Focused(), Qt::Key_Right);
        EXPECT_EQ(dlg->calAppuntamenti->selectedDate(), QDate(2026, 3, 15));
        Click(dlg->btnImportaData);
        EXPECT_EQ(Card("txtDataFine"), QStringLiteral("15/03/2026"));
    }
}

// The keys that move the day stop at the first and the last day a date field
// holds: 01/01/0001 and 31/12/9999, written in ten characters.
TEST_F(CalendarioTest, KeysStopAtTheDaysADateFieldHolds) {
    const struct {
        QDate from;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *imported;
    } cases[] = {
        {QDate(1, 3, 15), Qt::Key_PageUp, Qt::NoModifier, "01/01/0001"},
        {QDate(1, 3, 15), Qt::Key_PageUp, Qt::ControlModifier, "01/01/0001"},
        {QDate(1, 1, 20), Qt::Key_Up, Qt::NoModifier, "01/01/0001"},
        {QDate(1, 1, 5), Qt::Key_Left, Qt::NoModifier, "01/01/0001"},
        {QDate(1, 1, 20), Qt::Key_Home, Qt::ControlModifier, "01/01/0001"},
        {QDate(9999, 10, 15), Qt::Key_PageDown, Qt::NoModifier, "31/12/9999"},
        {QDate(9999, 12, 10), Qt::Key_Down, Qt::NoModifier, "31/12/9999"},
        {QDate(9999, 12, 27), Qt::Key_Right, Qt::NoModifier, "31/12/9999"},
        {QDate(9999, 12, 10), Qt::Key_End, Qt::ControlModifier, "31/12/9999"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(FormatDateText(c.from).toStdString() + " key " + std::to_string(c.key));
        auto dlg = Open(QStringLiteral("nsc_datainizio"));
        dlg->calAppuntamenti->setSelectedDate(c.from);
        dlg->calAppuntamenti->setFocus();
        for (int i = 0; i < 10; ++i) Press(Focused(), c.key, c.modifiers);
        Click(dlg->btnImportaData);
        EXPECT_EQ(Card("txtDataInizio"), QString::fromLatin1(c.imported));
    }
}

// The header's month buttons and its year go no further than the days a date
// field holds either: the page stays within them, and so does the day the
// arrows reach from it.
TEST_F(CalendarioTest, TheHeaderStopsAtTheDaysADateFieldHolds) {
    const auto header = [](TfrmCalendario &dlg, const char *name) {
        return dlg.calAppuntamenti->findChild<QWidget *>(QString::fromLatin1(name));
    };
    const auto dayReached = [](TfrmCalendario &dlg) {
        dlg.calAppuntamenti->setFocus();
        Press(Focused(), Qt::Key_Right);
        return dlg.calAppuntamenti->selectedDate();
    };
    const auto expectWithin = [](TfrmCalendario &dlg, QDate day) {
        EXPECT_GE(dlg.calAppuntamenti->yearShown(), 1);
        EXPECT_LE(dlg.calAppuntamenti->yearShown(), 9999);
        EXPECT_TRUE(day >= FirstDateOfText() && day <= LastDateOfText()) << day.toJulianDay();
        Click(dlg.btnImportaData);
        const QString imported = Card("txtDataInizio");
        EXPECT_EQ(imported.size(), 10) << imported.toStdString();
        EXPECT_EQ(DateFromText(imported), day) << imported.toStdString();
    };
    for (const auto &[from, button] : {std::pair{QDate(1, 2, 15), "qt_calendar_prevmonth"},
                                       std::pair{QDate(9999, 11, 15), "qt_calendar_nextmonth"}}) {
        SCOPED_TRACE(button);
        auto dlg = Open(QStringLiteral("nsc_datainizio"));
        dlg->calAppuntamenti->setSelectedDate(from);
        for (int i = 0; i < 5; ++i) Click(header(*dlg, button));
        expectWithin(*dlg, dayReached(*dlg));
    }
    // The year typed into the header's year box, confirmed by Enter.
    for (const char *year : {"0", "-1", "-4714", "12345"}) {
        SCOPED_TRACE(year);
        auto dlg = Open(QStringLiteral("nsc_datainizio"));
        dlg->calAppuntamenti->setSelectedDate(QDate(3, 1, 15));
        Click(header(*dlg, "qt_calendar_yearbutton"));
        auto *yearBox = qobject_cast<QSpinBox *>(header(*dlg, "qt_calendar_yearedit"));
        ASSERT_NE(yearBox, nullptr);
        ASSERT_TRUE(yearBox->isVisible());
        yearBox->selectAll();
        Type(Focused(), QString::fromLatin1(year));
        Press(Focused(), Qt::Key_Return);
        expectWithin(*dlg, dayReached(*dlg));
    }
}

}  // namespace
}  // namespace vel::test
