// The contract card's input rules that are its own: upper case while
// typing, the provinces normalised when left, the digit and amount filters,
// the amounts normalised when left, the read-only dates and their picker,
// and the Tab stops. The Enter chain, the frames and the combos' selection
// reset are the card engine's (ContrattiNSCSuiteTest.cpp).
#include "common/Amounts.h"
#include "contracts/Calendario.h"
#include "contracts/ContractFixture.h"

namespace vel::test {
namespace {

class ContrattiNSCInputTest : public ContractCardTest {
protected:
    void SetUp() override {
        ContractCardTest::SetUp();
        OpenYear();
    }
    // Types into an edit that has the focus, as a user does.
    static void TypeInto(QWidget *edit, const QString &text) {
        edit->setFocus();
        Type(edit, text);
    }
};

TEST_F(ContrattiNSCInputTest, CodesAndTheSexLetterTurnToCapitalsWhileTyped) {
    const struct {
        Edit *TfrmContrattiNSC::*edit;
        const char *typed;
        const char *shown;
    } cases[] = {
        {&TfrmContrattiNSC::txtTarga, " ab", "AB"},      {&TfrmContrattiNSC::txtTarga, "ab 12 ", "AB12"},
        {&TfrmContrattiNSC::txtSesso, "f", "F"},         {&TfrmContrattiNSC::txtCodFisc, " rssmra ", "RSSMRA"},
        {&TfrmContrattiNSC::txtCliente, "rossi ", "rossi "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        Edit *edit = card->*c.edit;
        edit->clear();
        TypeInto(edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown));
    }
    // The sex letter is not trimmed: a blank stays (and fills its one place).
    card->txtSesso->clear();
    TypeInto(card->txtSesso, QStringLiteral(" "));
    EXPECT_EQ(card->txtSesso->text(), QStringLiteral(" "));
    // Accented letters stay as typed.
    card->txtCodFisc->clear();
    TypeInto(card->txtCodFisc, U("a\u00e8"));
    EXPECT_EQ(card->txtCodFisc->text(), U("A\u00e8"));
    // A text put in by code is left alone until the user types.
    card->txtTarga->setText(QStringLiteral(" xy "));
    EXPECT_EQ(card->txtTarga->text(), QStringLiteral(" xy "));
    // Nothing is refused anywhere on this card.
    card->txtCliente->clear();
    TypeInto(card->txtCliente, U("&/<>\u00b0\u00e0"));
    EXPECT_EQ(card->txtCliente->text(), U("&/<>\u00b0\u00e0"));
}

TEST_F(ContrattiNSCInputTest, ProvincesAreCodesWhileTypedAndAgainWhenLeft) {
    for (ComboEdit *province : {card->txtProvRes, card->txtProvNasc}) {
        SCOPED_TRACE(province->objectName().toStdString());
        province->setText(QString());
        TypeInto(province->Editor(), QStringLiteral(" rm"));
        EXPECT_EQ(province->text(), QStringLiteral("RM"));
        // A value put in by another window waits for the user to leave the combo.
        province->setText(QStringLiteral(" mi "));
        EXPECT_EQ(province->text(), QStringLiteral(" mi "));
        province->Editor()->setFocus();
        EXPECT_EQ(province->text(), QStringLiteral(" mi "));
        card->txtNote->setFocus();
        EXPECT_EQ(province->text(), QStringLiteral("MI"));
    }
}

TEST_F(ContrattiNSCInputTest, DayCountTakesDigitsOnly) {
    card->txtTotGiorni->clear();
    TypeInto(card->txtTotGiorni, QStringLiteral("1,2a -3."));
    EXPECT_EQ(card->txtTotGiorni->text(), QStringLiteral("123"));
    Press(card->txtTotGiorni, Qt::Key_Backspace);
    EXPECT_EQ(card->txtTotGiorni->text(), QStringLiteral("12"));
    // Tab goes on to "Calcola", then to the fuel level.
    Press(card->txtTotGiorni, Qt::Key_Tab);
    EXPECT_EQ(Focused(), card->cmdCalcola);
    Press(card->cmdCalcola, Qt::Key_Tab);
    EXPECT_EQ(Focused(), card->txtLivello);
}

TEST_F(ContrattiNSCInputTest, AmountsTakeDigitsAndTheCommaAndAreNormalisedWhenLeft) {
    const struct {
        const char *typed;
        const char *shown;
        const char *left;
    } cases[] = {
        {"12", "12", "12,00"},        {"12,5", "12,5", "12,50"},  {"0,1", "0,1", "0,10"},
        {"1,23456", "1,23456", "1,2346"}, {"1,2,3", "1,2,3", "0,00"}, {"", "", "0,00"},
        {"-7.a", "7", "7,00"},        {",5", ",5", "0,50"},
    };
    for (Edit *amount : {card->txtImporto, card->txtTotale, card->txtCauzione}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(amount->objectName().toStdString() + " " + c.typed);
            amount->clear();
            TypeInto(amount, QString::fromLatin1(c.typed));
            EXPECT_EQ(amount->text(), QString::fromLatin1(c.shown));
            card->txtNote->setFocus();
            EXPECT_EQ(amount->text(), QString::fromLatin1(c.left));
        }
    }
    // A pasted number beyond what an amount can hold is refused with a message.
    card->txtCauzione->setFocus();
    card->txtCauzione->setText(QStringLiteral("1e400"));
    messages.Expect(MsgKind::Warning, AmountTooLargeMessage());
    card->txtNote->setFocus();
    messages.Verify();
    EXPECT_EQ(card->txtCauzione->text(), QStringLiteral("0,00"));
    // Tab travels on from an amount.
    card->txtImporto->setFocus();
    Press(card->txtImporto, Qt::Key_Tab);
    EXPECT_EQ(Focused(), card->txtTotale);
}

// Enter brings the focus into an amount with its text selected, as Tab
// would: what is typed replaces the "0,00".
TEST_F(ContrattiNSCInputTest, AnAmountEnteredByEnterTakesWhatIsTyped) {
    NewContract();
    const struct {
        QWidget *before;
        Edit *amount;
    } amounts[] = {{card->txtEccedenza, card->txtImporto},
                   {card->txtImporto, card->txtTotale},
                   {card->txtKmRientro, card->txtCauzione}};
    for (const auto &c : kAmountsTypedAfterEnter) {
        for (const auto &a : amounts) {
            SCOPED_TRACE(a.amount->objectName().toStdString() + " " + c.typed);
            TypeAfterEnter(a.before, a.amount, c.typed);
            EXPECT_EQ(a.amount->text(), QString::fromLatin1(c.shown));
        }
    }
}

TEST_F(ContrattiNSCInputTest, DateFieldsAreEmptiedOrFilledByThePickerOnly) {
    for (Edit *date : {card->txtDataInizio, card->txtDataFine}) {
        SCOPED_TRACE(date->objectName().toStdString());
        const QString tag = date == card->txtDataInizio ? QStringLiteral("nsc_datainizio")
                                                        : QStringLiteral("nsc_datafine");
        date->setText(QStringLiteral("10/03/2026"));
        date->setFocus();
        // Any other key opens the picker with the field's tag; closing it
        // without a date leaves the field as it was.
        for (Qt::Key key : {Qt::Key_5, Qt::Key_A, Qt::Key_Space, Qt::Key_Left, Qt::Key_F2}) {
            modals.Expect<TfrmCalendario>([&](TfrmCalendario &d) {
                EXPECT_EQ(d.lblMemory->text(), tag);
                EXPECT_EQ(d.parent(), card);
                d.btnAnnullaClick();
            });
            Press(date, key);
            modals.Verify();
            EXPECT_EQ(date->text(), QStringLiteral("10/03/2026"));
            EXPECT_EQ(Focused(), date);
        }
        // Tab, Shift+Tab, a modifier alone and a shortcut leave the picker shut.
        Press(date, Qt::Key_Shift, Qt::ShiftModifier);
        Press(date, Qt::Key_Control, Qt::ControlModifier);
        Press(date, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(date->text(), QStringLiteral("10/03/2026"));
        Press(date, Qt::Key_Backspace);
        EXPECT_EQ(date->text(), QString());
        date->setText(QStringLiteral("10/03/2026"));
        Press(date, Qt::Key_Delete);
        EXPECT_EQ(date->text(), QString());
        EXPECT_EQ(modals.Opened().size(), 0 + 5 * (date == card->txtDataInizio ? 1 : 2));
    }
    card->txtDataInizio->setFocus();
    Press(card->txtDataInizio, Qt::Key_Tab);
    EXPECT_EQ(Focused(), card->txtOraInizio);
    Press(card->txtOraInizio, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), card->txtDataInizio);
    Press(card->txtDataInizio, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), card->txtTotale);
    // Enter moves on without the picker.
    card->txtTotale->setFocus();
    Press(card->txtTotale, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtDataInizio);
    Press(card->txtDataInizio, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtOraInizio);
    EXPECT_EQ(modals.Opened().size(), 10);
}

TEST_F(ContrattiNSCInputTest, TabStopsAtTheFlagAndAtCalcola) {
    const std::vector<QWidget *> order = {card->txtDataRil, card->txtDataSca, card->chkDaSaldare,
                                          card->txtConducente, card->txtVeicolo};
    order.front()->setFocus();
    for (size_t i = 1; i < order.size(); ++i) {
        Press(Focused(), Qt::Key_Tab);
        EXPECT_EQ(Focused(), order[i]) << i;
    }
    // Enter skips the flag.
    card->txtDataSca->setFocus();
    Press(card->txtDataSca, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtConducente);
    card->txtTotGiorni->setFocus();
    Press(card->txtTotGiorni, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtLivello);
}

}  // namespace
}  // namespace vel::test
