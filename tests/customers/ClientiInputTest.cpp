// The customer card's input rules, typed key by key as a user would: the
// refused characters, the digit-only edits that hold on to the focus, the
// upper-casing and trimming while typing and on leaving, the province lists,
// the Enter ring and the Tab order. None of them touches a text put in by a
// load or a pick.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>

#include "CustomerFixture.h"
#include "customers/Clienti.h"

namespace vel::test {
namespace {

class ClientiInputTest : public CustomerTest {
protected:
    void SetUp() override {
        CustomerTest::SetUp();
        card = frmClienti;
        card->Show();
        ShowActive(card);
    }
    Edit *EditNamed(const char *name) const {
        QWidget *control = card->findChild<QWidget *>(QString::fromLatin1(name));
        if (auto *combo = qobject_cast<ComboEdit *>(control)) return combo->Editor();
        return qobject_cast<Edit *>(control);
    }
    // Types into an emptied control that has the focus.
    QString Typed(const char *name, const QString &keys) const {
        Edit *edit = EditNamed(name);
        edit->setText(QString());
        edit->setFocus();
        Type(edit, keys);
        return edit->text();
    }

    TfrmClienti *card = nullptr;
};

// The fifty refused characters, the eight allowed accents aside.
const QString kRefused = QStringLiteral(
    "&/<>\u00a3\u00b0\u00c0\u00c1\u00c2\u00c4\u00c7\u00c8\u00c9\u00ca\u00cb\u00cc\u00cd\u00ce\u00cf\u00d1\u00d2"
    "\u00d3\u00d4\u00d6\u00d9\u00da\u00db\u00dc\u00e0\u00e1\u00e2\u00e4\u00e7\u00e8\u00e9\u00ea\u00eb\u00ec\u00ed"
    "\u00ee\u00ef\u00f1\u00f2\u00f3\u00f4\u00f6\u00f9\u00fa\u00fb\u00fc");

TEST_F(ClientiInputTest, TheRefusedCharactersAreNeverEntered) {
    ASSERT_EQ(kRefused.size(), 50);
    // Accepted everywhere: the euro sign, the blank, a tilde and a ring.
    const QString allowed = QStringLiteral("x\u20ac~\u00c3\u00e5");
    const struct {
        const char *control;
        const char *expected;  // after typing the refused set, then `allowed` and "a1"
    } cases[] = {
        {"txtCognome", "x\u20ac~\u00c3\u00e5a1"},
        {"txtNome", "x\u20ac~\u00c3\u00e5a1"},
        {"txtRecapito", "x\u20ac~\u00c3\u00e5a1"},
        {"txtIndirizzoRes", "x\u20ac~\u00c3\u00e5a1"},
        {"txtComuneRes", "x\u20ac~\u00c3\u00e5a1"},
        // Codes: in capitals as they are typed (only a to z).
        {"txtPec", "X\u20ac~\u00c3\u00e5A1"},
        {"txtCodFisc", "X\u20ac~\u00c3\u00e5A1"},
        {"txtIban", "X\u20ac~\u00c3\u00e5A1"},
        {"txtCodiceDest", "X\u20ac~\u00c3\u00e5A1"},  // seven characters at most
        {"txtProvRes", "X\u20ac"},                   // two at most
        // A company name may hold "&".
        {"txtDitta", "&x\u20ac~\u00c3\u00e5a1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control);
        EXPECT_EQ(Typed(c.control, kRefused + allowed + QStringLiteral("a1")), QString::fromUtf8(c.expected));
    }
    // The fields without a filter take them all.
    for (const char *free : {"txtNote", "txtConducente", "txtComuneNasc", "txtTelCasa", "txtDataNasc", "txtNumPat"}) {
        SCOPED_TRACE(free);
        EXPECT_EQ(Typed(free, QStringLiteral("D\u00e9 & /<b>")), QStringLiteral("D\u00e9 & /<b>"));
    }
    EXPECT_EQ(Typed("txtCognome", QStringLiteral("D\u00e9&Angel\u00f2")), QStringLiteral("DAngel"));
    EXPECT_EQ(Typed("txtDitta", QStringLiteral("D\u00e9&Angel\u00f2")), QStringLiteral("D&Angel"));
    // The other province has no filter: "\u00e8" stays, and stays small.
    EXPECT_EQ(Typed("txtProvNasc", QStringLiteral("\u00e8")), QStringLiteral("\u00e8"));
    EXPECT_EQ(Typed("txtProvRes", QStringLiteral("\u00e8")), QString());
}

TEST_F(ClientiInputTest, TheSexTurnsToCapitalsWithoutTrimming) {
    EXPECT_EQ(Typed("txtSesso", QStringLiteral("a")), QStringLiteral("A"));
    EXPECT_EQ(Typed("txtSesso", QStringLiteral(" ")), QStringLiteral(" "));
    EXPECT_EQ(Typed("txtSesso", QStringLiteral("\u00e8")), QStringLiteral("\u00e8"));
}

// Codes are trimmed and in capitals after every key; a blank typed at the
// end disappears at once, and stays only between two characters.
TEST_F(ClientiInputTest, CodesAreTrimmedAndInCapitalsWhileTyped) {
    for (const char *code : {"txtPec", "txtCodFisc", "txtIban", "txtCodiceDest", "txtProvRes", "txtProvNasc"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Typed(code, QStringLiteral(" a b")), QStringLiteral("AB"));
        Edit *edit = EditNamed(code);
        edit->setText(QStringLiteral("AB"));
        edit->setCursorPosition(1);
        Type(edit, QStringLiteral(" "));
        if (edit->MaxLength() > 2) {
            EXPECT_EQ(edit->text(), QStringLiteral("A B"));  // between two characters
            EXPECT_EQ(edit->cursorPosition(), 2);
        }
    }
    EXPECT_EQ(Typed("txtCodFisc", QStringLiteral("rssmra80a01h501u ")), QStringLiteral("RSSMRA80A01H501U"));
    EXPECT_EQ(Typed("txtPec", QStringLiteral("mario@pec.it ")), QStringLiteral("MARIO@PEC.IT"));
}

TEST_F(ClientiInputTest, TheMailAddressIsOnlyTrimmed) {
    EXPECT_EQ(Typed("txtEmail", QStringLiteral(" Mario.Rossi@Esempio.it ")), QStringLiteral("Mario.Rossi@Esempio.it"));
    // What reaches it otherwise (a paste) is trimmed when it is left.
    card->txtEmail->setFocus();
    card->txtEmail->setText(QStringLiteral("  a@b.it \t"));
    EXPECT_EQ(card->txtEmail->text(), QStringLiteral("  a@b.it \t"));
    card->txtCodFisc->setFocus();
    EXPECT_EQ(card->txtEmail->text(), QStringLiteral("a@b.it"));
}

// Digits, Backspace, Delete, Left and Right act; everything else does
// nothing, Tab, Shift+Tab, Home and End included, so only Enter or the
// mouse leaves these edits.
TEST_F(ClientiInputTest, DigitOnlyEditsHoldOnToTheFocus) {
    const struct {
        const char *control;
        const char *next;
    } cases[] = {{"txtCapRes", "txtDataNasc"}, {"txtCarta", "txtScadeCarta"}, {"txtPartitaIva", "txtIban"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control);
        Edit *edit = EditNamed(c.control);
        EXPECT_EQ(Typed(c.control, QStringLiteral("4a -b,.\u00e8/1")), QStringLiteral("41"));
        Press(edit, Qt::Key_Left);
        EXPECT_EQ(edit->cursorPosition(), 1);
        for (const auto &[key, mods] : {std::pair{Qt::Key_Tab, Qt::NoModifier}, std::pair{Qt::Key_Backtab, Qt::ShiftModifier},
                                        std::pair{Qt::Key_Tab, Qt::ShiftModifier}, std::pair{Qt::Key_Home, Qt::NoModifier},
                                        std::pair{Qt::Key_End, Qt::NoModifier}, std::pair{Qt::Key_Up, Qt::NoModifier}}) {
            Press(edit, key, mods);
            EXPECT_EQ(Focused(), edit) << key;
            EXPECT_EQ(edit->cursorPosition(), 1) << key;
        }
        Press(edit, Qt::Key_Right);
        Press(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), QStringLiteral("4"));
        Type(edit, QStringLiteral("09"));
        Press(edit, Qt::Key_Left);
        Press(edit, Qt::Key_Delete);
        EXPECT_EQ(edit->text(), QStringLiteral("40"));
        Press(edit, Qt::Key_Return);
        EXPECT_EQ(Focused(), EditNamed(c.next));
        EXPECT_EQ(edit->text(), QStringLiteral("40"));
    }
    // The postal code takes five digits, the VAT number eleven.
    EXPECT_EQ(Typed("txtCapRes", QStringLiteral("0012345")), QStringLiteral("00123"));
    EXPECT_EQ(Typed("txtPartitaIva", QStringLiteral("0123456789012")), QStringLiteral("01234567890"));
}

// Enter goes round the 31 fields; the last one leads back to the first, and
// the call-back box is skipped. The Tab key instead stops on the box.
TEST_F(ClientiInputTest, EnterGoesRoundTheFieldsAndTabStopsOnTheBox) {
    card->txtCodiceDest->setFocus();
    Press(card->txtCodiceDest, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtCognome);
    card->txtQuestioni->setFocus();
    Press(card->txtQuestioni, Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtNote);

    card->txtQuestioni->setFocus();
    Press(card->txtQuestioni, Qt::Key_Tab);
    EXPECT_EQ(Focused(), card->chkRicontatta);
    Press(card->chkRicontatta, Qt::Key_Tab);
    EXPECT_EQ(Focused(), card->txtNote);
    Press(card->txtNote, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), card->chkRicontatta);

    // Elsewhere Tab follows the record order, across the groups of fields.
    const std::pair<QWidget *, QWidget *> steps[] = {
        {card->txtCognome, card->txtNome},         {card->txtSesso, card->txtRecapito},
        {card->txtIndirizzoRes, card->txtProvRes}, {card->txtComuneNasc, card->txtProvNasc},
        {card->txtTelCel, card->txtPec},           {card->txtEmail, card->txtCodFisc},
        {card->txtIban, card->txtTipoPat},         {card->txtConducente, card->txtQuestioni},
        {card->txtNote, card->txtCodiceDest},
    };
    for (const auto &[from, to] : steps) {
        SCOPED_TRACE(from->objectName().toStdString());
        from->setFocus();
        QWidget *target = Focused();
        Press(target, Qt::Key_Tab);
        EXPECT_EQ(Focused(), to);
    }
}

TEST_F(ClientiInputTest, ProvinceCombosForgetTheirSelectionButKeepTheirText) {
    for (ComboEdit *province : {card->txtProvRes, card->txtProvNasc}) {
        SCOPED_TRACE(province->objectName().toStdString());
        card->txtCognome->setFocus();
        province->setCurrentIndex(province->findText(QStringLiteral("NA")));
        ASSERT_EQ(province->text(), QStringLiteral("NA"));
        province->setFocus();
        EXPECT_EQ(province->text(), QStringLiteral("NA"));
        EXPECT_EQ(province->currentIndex(), -1);

        // A code out of the list may be typed; what a paste leaves is put in
        // capitals, without blanks, when the combo is left.
        EXPECT_EQ(Typed(province->objectName().toLatin1().constData(), QStringLiteral("zz")), QStringLiteral("ZZ"));
        province->setText(QStringLiteral(" m"));
        card->txtCognome->setFocus();
        EXPECT_EQ(province->text(), QStringLiteral("M"));
        EXPECT_EQ(card->Card().Frame(province)->isVisible(), false);
    }
}

// Texts that a load or a pick puts in are shown as stored: no filter, no
// capitals, no trimming until the user leaves a field that tidies it.
TEST_F(ClientiInputTest, LoadedTextsAreShownAsStored) {
    WriteCustomers({Customer({{"Cognome", U("D'Angel\u00f2 & Figli")},
                              {"Nome", QStringLiteral("a/b")},
                              {"Sesso", QStringLiteral("f")},
                              {"CodFisc", QStringLiteral("rssmra80a01h501u")},
                              {"Carta", QStringLiteral("4111-1111 aa")},
                              {"ProvNasc", QStringLiteral("mi")},
                              {"Pec", QStringLiteral("posta@pec.it")}})});
    Click(card->cmdPrimo);
    EXPECT_EQ(card->txtCognome->text(), U("D'Angel\u00f2 & Figli"));
    EXPECT_EQ(card->txtNome->text(), QStringLiteral("a/b"));
    EXPECT_EQ(card->txtSesso->text(), QStringLiteral("f"));
    EXPECT_EQ(card->txtCodFisc->text(), QStringLiteral("rssmra80a01h501u"));
    EXPECT_EQ(card->txtCarta->text(), QStringLiteral("4111-1111 aa"));
    EXPECT_EQ(card->txtProvNasc->text(), QStringLiteral("mi"));
    EXPECT_EQ(card->txtPec->text(), QStringLiteral("posta@pec.it"));
    // Walking through them with Enter changes nothing but the province,
    // which is tidied when it is left.
    card->txtCognome->setFocus();
    for (int i = 0; i < 31; ++i) Press(Focused(), Qt::Key_Return);
    EXPECT_EQ(Focused(), card->txtCognome);
    EXPECT_EQ(card->txtCodFisc->text(), QStringLiteral("rssmra80a01h501u"));
    EXPECT_EQ(card->txtCarta->text(), QStringLiteral("4111-1111 aa"));
    EXPECT_EQ(card->txtProvNasc->text(), QStringLiteral("MI"));
}

// A text of several lines pasted into a field keeps its first line, as a
// one-line edit of the system takes it: the rest would be stored unseen (the
// field shows the breaks as blanks) and would split the customer's line in the
// lists, cut the printed sheet short and break the rows of the export.
TEST_F(ClientiInputTest, APastedTextKeepsItsFirstLine) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    const struct {
        const char *control;
        const char *pasted;
        const char *expected;
    } cases[] = {
        {"txtQuestioni", "richiamare\r\nluned\u00ec", "richiamare"},
        {"txtNote", "prima riga\nseconda riga", "prima riga"},
        {"txtConducente", "Mario Verdi\rpatente B", "Mario Verdi"},
        {"txtNumPat", "MI123\u2029MI456", "MI123"},
        // The typing rules still act on what is kept.
        {"txtCodFisc", "rssmra70b01l219x\nALTRO", "RSSMRA70B01L219X"},
        {"txtProvRes", "mi\nroma", "MI"},
        // A first line that is empty brings nothing.
        {"txtTelCasa", "\n02 123", ""},
        // A single line is taken whole.
        {"txtDataNasc", "01/02/1970", "01/02/1970"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.control);
        Edit *edit = EditNamed(c.control);
        edit->setText(QString());
        edit->setFocus();
        clipboard->setText(QString::fromUtf8(c.pasted));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.expected));
    }

    // Pasted after typed text, into the middle of it, the first line goes in
    // where the caret stands and the rest of the typed text stays.
    card->txtCognome->setText(QString());
    card->txtCognome->setFocus();
    Type(card->txtCognome, QStringLiteral("Rossi"));
    card->txtCognome->setCursorPosition(2);
    clipboard->setText(QStringLiteral("XY\nZ"));
    QTest::keyClick(card->txtCognome, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(card->txtCognome->text(), QStringLiteral("RoXYssi"));
    EXPECT_EQ(card->txtCognome->cursorPosition(), 4);

    Type(card->txtNome, QStringLiteral("Mario"));
    messages.Expect(MsgKind::Information, QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio."));
    Click(card->cmdSalva);
    messages.Verify();
    const Record stored = StoredCustomer(1);
    EXPECT_EQ(stored.Text("Questioni"), QStringLiteral("richiamare"));
    EXPECT_EQ(stored.Text("Note"), QStringLiteral("prima riga"));
    EXPECT_EQ(stored.Text("Conducente"), QStringLiteral("Mario Verdi"));
}

// A text that comes without a key press (a letter made with a dead key or an
// input method, a paste by key, menu or middle button, a drop) loses what
// the field refuses typed; "Salva" stores none of it.
TEST_F(ClientiInputTest, TextWithoutAKeyIsRefusedAsTyped) {
    const struct {
        const char *control;
        const char *brought;
        const char *expected;
        bool digits;  // the field refuses the paste key itself
    } cases[] = {
        {"txtCognome", "\u00e9", "", false},
        {"txtCodFisc", "\u00e9", "", false},
        {"txtDitta", "\u00e9", "", false},
        {"txtProvRes", "\u00e9", "", false},
        {"txtCarta", "\u00e9", "", true},
        {"txtCarta", "a", "", true},
        {"txtCapRes", "\u00e9", "", true},
        {"txtCapRes", "a", "", true},
        {"txtCognome", "D\u00e9&Angel\u00f2", "DAngel", false},
        {"txtDitta", "D\u00e9&Angel\u00f2\t", "D&Angel", false},
        {"txtCodFisc", "rssmr\u00e070b01", "RSSMR70B01", false},
        {"txtProvRes", "r\u00e8m", "RM", false},
        {"txtCapRes", "00 18a4", "00184", true},
        {"txtCarta", "4111-1111", "41111111", true},
    };
    for (const Arrival how : kArrivals) {
        SCOPED_TRACE(NameOf(how));
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << c.control << " " << c.brought);
            QWidget *control = card->findChild<QWidget *>(QString::fromLatin1(c.control));
            Edit *edit = EditNamed(c.control);
            edit->setText(QString());
            control->setFocus();
            Bring(control, how, QString::fromUtf8(c.brought));
            const bool keyRefused = c.digits && how == Arrival::KeyboardPaste;
            EXPECT_EQ(edit->text(), keyRefused ? QString() : QString::fromUtf8(c.expected));
        }
    }
    Type(card->txtNome, QStringLiteral("Mario"));
    messages.Expect(MsgKind::Information, QStringLiteral("La scheda corrente \u00e8 stata inserita in archivio."));
    Click(card->cmdSalva);
    messages.Verify();
    const Record stored = StoredCustomer(1);
    EXPECT_EQ(stored.Text("Cognome"), QStringLiteral("DAngel"));
    EXPECT_EQ(stored.Text("Ditta"), QStringLiteral("D&Angel"));
    EXPECT_EQ(stored.Text("CodFisc"), QStringLiteral("RSSMR70B01"));
    EXPECT_EQ(stored.Text("ProvRes"), QStringLiteral("RM"));
    EXPECT_EQ(stored.Text("CapRes"), QStringLiteral("00184"));
    EXPECT_EQ(stored.Text("Carta"), QStringLiteral("41111111"));
}

}  // namespace
}  // namespace vel::test
