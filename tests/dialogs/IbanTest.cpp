// The IBAN checker: the MOD 97-10 check and the dialog.
#include "CheckerFixture.h"

#include "dialogs/Iban.h"
#include "dialogs/PaymentChecks.h"

namespace vel::test {
namespace {

const QString kLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kValid = QStringLiteral("L'IBAN digitato \u00e8 VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: l'IBAN digitato \u00e8 ERRATO!");

// Italian IBANs (with the right CIN letter) and a few of other countries,
// their check digits computed apart from the program.
const char *const kValidIbans[] = {
    "IT60X0542811101000000123456", "IT21F0306909606100000063179", "IT69G0200802435000104428964",
    "IT38K0306901783100000003527", "IT66C0100503382000000218020", "IT78N0760103200001012345678",
    "FR1420041010050500013M02606", "DE89370400440532013000",      "GB29NWBK60161331926819",
    "AE070331234567890123456",
};

// --- IbanLettersToDigits ------------------------------------------------------------

TEST(IbanLettersToDigits, ReplacesCapitalLettersByTwoDigits) {
    EXPECT_EQ(IbanLettersToDigits(QStringLiteral("A")), QStringLiteral("10"));
    EXPECT_EQ(IbanLettersToDigits(QStringLiteral("Z")), QStringLiteral("35"));
    EXPECT_EQ(IbanLettersToDigits(QStringLiteral("ABCZ")), QStringLiteral("10111235"));
    EXPECT_EQ(IbanLettersToDigits(QStringLiteral("X0542IT60")), QStringLiteral("3305421829") + QStringLiteral("60"));
    EXPECT_EQ(IbanLettersToDigits(QStringLiteral("0123456789")), QStringLiteral("0123456789"));
    // Other characters stay as they are, lower-case letters included.
    EXPECT_EQ(IbanLettersToDigits(QStringLiteral("it-. \u00c8")), QStringLiteral("it-. \u00c8"));
    EXPECT_EQ(IbanLettersToDigits(QString()), QString());
}

// --- IbanMod97 ----------------------------------------------------------------------

TEST(IbanMod97, ValidIbansLeaveOne) {
    for (const char *iban : kValidIbans) {
        EXPECT_EQ(IbanMod97(QString::fromLatin1(iban)), 1) << iban;
        EXPECT_EQ(IbanMod97(QString::fromLatin1(iban).toLower()), 1) << iban << " in lower case";
    }
}

TEST(IbanMod97, RemaindersOfOtherTexts) {
    const struct {
        const char *text;
        int remainder;
    } cases[] = {
        {"IT61X0542811101000000123456", 2},   // wrong check digits
        {"IT60X0542811101000000123457", 28},  // wrong last digit
        {"A", 10},
        {"AB", 41},
        {"ABCD", 30},
        {"ABCDE1", 5},
        // Long texts, worked piece by piece.
        {"1234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890", 25},
        {"ZZZZ9999999999999999999999999999999999999999", 57},
    };
    for (const auto &c : cases) EXPECT_EQ(IbanMod97(QString::fromLatin1(c.text)), c.remainder) << c.text;
}

TEST(IbanMod97, FirstIbanInTheTextIsDeleted) {
    EXPECT_EQ(IbanMod97(QStringLiteral("IBANIT60X0542811101000000123456")), 1);
    EXPECT_EQ(IbanMod97(QStringLiteral("ibanit60x0542811101000000123456")), 1);
    EXPECT_EQ(IbanMod97(QStringLiteral("IT60X0542811101IBAN000000123456")), 1);
    EXPECT_EQ(IbanMod97(QStringLiteral("IT60X0542811101000000123456IBAN")), 1);
    // Only the first: a second one stays and is read as letters.
    EXPECT_NE(IbanMod97(QStringLiteral("IBANIBANIT60X0542811101000000123456")), 1);
}

TEST(IbanMod97, UnreadableTextGivesZero) {
    const QString unreadable[] = {
        QString(),
        QStringLiteral("IT60 X0542811101000000123456"),  // a blank: IsValidIban removes them first
        QStringLiteral("IT60X0542811101000000-23456"),
        QStringLiteral("IT60X05428111010000001234.6"),
        QStringLiteral("IT60X054281110100000012345\u00c8"),
        QStringLiteral("IT60X054281110100000012345\u00e8"),
        QStringLiteral("IT60\u0660X0542811101000000123456"),
        // A sign or a hexadecimal mark at the head of the first piece is no number either.
        QStringLiteral("IT60+0542811101000000123456"),
        QStringLiteral("IT60$0542811101000000123456"),
        QStringLiteral("IT60-0542811101000000123456"),
        QStringLiteral("IT60X0542811101000000123456\t"),
    };
    for (const QString &text : unreadable) EXPECT_EQ(IbanMod97(text), 0) << text.toStdString();
}

TEST(IsValidIban, BlanksAreRemovedFirst) {
    EXPECT_TRUE(IsValidIban(QStringLiteral("IT60 X054 2811 1010 0000 0123 456")));
    EXPECT_TRUE(IsValidIban(QStringLiteral("  DE89 3704 0044 0532 0130 00  ")));
    EXPECT_TRUE(IsValidIban(QStringLiteral("it60x0542811101000000123456")));
    EXPECT_FALSE(IsValidIban(QStringLiteral("IT60\tX0542811101000000123456")));
    EXPECT_FALSE(IsValidIban(QStringLiteral("IT60X0542811101000000123457")));
    EXPECT_FALSE(IsValidIban(QString()));
    EXPECT_FALSE(IsValidIban(QStringLiteral("   ")));
    for (const char *iban : kValidIbans) EXPECT_TRUE(IsValidIban(QString::fromLatin1(iban))) << iban;
}

// --- The dialog ------------------------------------------------------------------

class IbanTest : public CheckerTest {
protected:
    void Open(const QString &cardText, std::function<void(TfrmIban &)> act) {
        CheckerTest::Open<TfrmIban>(&TfrmIban::txtIban, cardText, std::move(act));
    }
};

TEST_F(IbanTest, WindowLooksAsDesigned) {
    Open(QString(), [](TfrmIban &w) {
        EXPECT_EQ(w.objectName(), QStringLiteral("frmIban"));
        EXPECT_EQ(w.Caption(), QStringLiteral(" Controllo IBAN"));
        EXPECT_EQ(w.size(), QSize(608, 270));
        EXPECT_EQ(w.lblIstruzioni->text(), QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."));
        EXPECT_EQ(w.txtIban->objectName(), QStringLiteral("txtIban"));
        EXPECT_EQ(w.txtIban->MaxLength(), 27);
        ExpectEditShows(*w.txtIban, 27);
        ExpectCheckerShape(w, *w.txtIban);
        Click(w.btnChiudi);
    });
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(IbanTest, TypedIbanIsTrimmedUpperCasedAndChecked) {
    Open(QString(), [this](TfrmIban &w) {
        // A blank typed at the end goes at once, so typed groups close up.
        Type(w.txtIban, QStringLiteral(" it60 x054 2811 1010 0000 0123 456"));
        EXPECT_EQ(w.txtIban->text(), QStringLiteral("IT60X0542811101000000123456"));
        Type(w.txtIban, QStringLiteral("7"));  // at most 27 characters typed
        EXPECT_EQ(w.txtIban->text(), QStringLiteral("IT60X0542811101000000123456"));
        Press(w.txtIban, Qt::Key_Return);
        EXPECT_EQ(Focused(), w.btnControlla);
        messages.Expect(MsgKind::Information, kValid);
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    });
}

TEST_F(IbanTest, AnyCharacterCanBeTyped) {
    Open(QString(), [this](TfrmIban &w) {
        Type(w.txtIban, QStringLiteral("it60x0542811101000000-2345\u00e8"));
        EXPECT_EQ(w.txtIban->text(), QStringLiteral("IT60X0542811101000000-2345\u00e8"));  // only a to z change case
        Press(w.txtIban, Qt::Key_Home);
        Press(w.txtIban, Qt::Key_Delete);
        EXPECT_EQ(w.txtIban->text(), QStringLiteral("T60X0542811101000000-2345\u00e8"));
        messages.Expect(MsgKind::Warning, kLength);
        Click(w.btnControlla);
        EXPECT_EQ(Focused(), w.txtIban);
        Click(w.btnChiudi);
    });
}

// Enter in the IBAN moves the focus to "Controlla" and checks nothing;
// Enter on the focused "Controlla" presses it.
TEST_F(IbanTest, EnterMovesTheFocusToControllaWhereEnterPressesIt) {
    Open(QStringLiteral("IT60X0542811101000000123456"), [this](TfrmIban &w) {
        Press(w.txtIban, Qt::Key_Return);
        EXPECT_EQ(Focused(), w.btnControlla);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(messages.Shown().empty());
        messages.Expect(MsgKind::Information, kValid);
        Press(w.btnControlla, Qt::Key_Return);
        EXPECT_FALSE(w.isVisible());
    });
}

using IbanCase = CheckerAnswer;
IbanCase ValidCase(const char *name, const QString &iban) { return {name, iban, MsgKind::Information, kValid}; }
IbanCase WrongCase(const char *name, const QString &iban) { return {name, iban, MsgKind::Warning, kWrong}; }

class IbanAnswers : public IbanTest, public ::testing::WithParamInterface<IbanCase> {};

TEST_P(IbanAnswers, CompletedCheckAnswersAndCloses) {
    const IbanCase &c = GetParam();
    Open(c.cardText, [&](TfrmIban &w) { ExpectAnswerAndClose(w, *w.txtIban, c); });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IbanAnswers,
    ::testing::Values(
        ValidCase("Italian", QStringLiteral("IT60X0542811101000000123456")),
        ValidCase("ItalianTrimmedByTheCard", QStringLiteral("  IT21F0306909606100000063179 ")),
        ValidCase("ItalianOther1", QStringLiteral("IT69G0200802435000104428964")),
        ValidCase("ItalianOther2", QStringLiteral("IT38K0306901783100000003527")),
        ValidCase("ItalianOther3", QStringLiteral("IT66C0100503382000000218020")),
        ValidCase("ItalianOther4", QStringLiteral("IT78N0760103200001012345678")),
        ValidCase("LowerCase", QStringLiteral("it60x0542811101000000123456")),
        ValidCase("FrenchOf27", QStringLiteral("FR1420041010050500013M02606")),
        ValidCase("BlanksInsideTestedWithout", QStringLiteral("DE89 3704 0044 0532 0130 00")),
        ValidCase("BeginsWithIban", QStringLiteral("IBANAE070331234567890123456")),
        ValidCase("BeginsWithIbanLowerCase", QStringLiteral("ibanae070331234567890123456")),
        WrongCase("WrongCheckDigits", QStringLiteral("IT61X0542811101000000123456")),
        WrongCase("WrongLastDigit", QStringLiteral("IT60X0542811101000000123457")),
        WrongCase("Hyphen", QStringLiteral("IT60X0542811101000000-23456")),
        WrongCase("FullStop", QStringLiteral("IT60X05428111010000001234.6")),
        WrongCase("AccentedLetter", QStringLiteral("IT60X054281110100000012345\u00c8")),
        WrongCase("PlusSign", QStringLiteral("IT60+0542811101000000123456")),
        WrongCase("DollarSign", QStringLiteral("IT60$0542811101000000123456")),
        WrongCase("OnlyBlanksInside", QStringLiteral("I                         T")),
        WrongCase("SurrogatePair", QStringLiteral("IT60X05428111010000001234\U0001F600"))),
    [](const auto &info) { return std::string(info.param.name); });

class IbanLength : public IbanTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(IbanLength, WrongLengthWarnsAndStaysOpen) {
    const QString cardText = QString::fromLatin1(GetParam());
    Open(cardText, [&](TfrmIban &w) {
        EXPECT_EQ(w.txtIban->text(), cardText) << "never cut to the edit's limit";
        messages.Expect(MsgKind::Warning, kLength);
        Click(w.btnControlla);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(Focused(), w.txtIban);
        EXPECT_EQ(w.txtIban->text(), cardText);

        w.txtIban->selectAll();
        Press(w.txtIban, Qt::Key_Delete);
        Type(w.txtIban, QStringLiteral("fr1420041010050500013m02606"));
        messages.Expect(MsgKind::Information, kValid);
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    });
}

INSTANTIATE_TEST_SUITE_P(Cases, IbanLength,
                         ::testing::Values("",
                                           "IT60X054281110100000012345",    // 26
                                           "IT60X05428111010000001234567",  // 28
                                           "IT60 X054 2811 1010 0000 0123 456",  // grouped: 33
                                           "DE89370400440532013000",        // a valid IBAN of 22
                                           "IBAN IT60 X054 2811 1010 0000 0123 456"));

}  // namespace
}  // namespace vel::test
