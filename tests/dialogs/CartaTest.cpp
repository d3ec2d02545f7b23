// The payment card checker: the Luhn check, the card types and
// the dialog.
#include "CheckerFixture.h"

#include "dialogs/Carta.h"
#include "dialogs/PaymentChecks.h"

namespace vel::test {
namespace {

const QString kEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
QString Valid(const QString &number, const QString &type) {
    return QStringLiteral("Il numero di carta di credito ") + number +
           QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito \u00e8 del tipo ") + type +
           QStringLiteral(".");
}
const QString kWrong = QStringLiteral(
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
    "Non \u00e8 quindi possibile fornire informazioni relative al tipo di carta di credito.");

const QString kDiners = QStringLiteral("Diner's Club / Carte Blanche");
const QString kAmex = QStringLiteral("American Express");
const QString kJcb = QStringLiteral("JCB");
const QString kVisa = QStringLiteral("Visa");
const QString kMasterCard = QStringLiteral("MasterCard");
const QString kDiscover = QStringLiteral("Discover");

// A 20-digit Visa number that passes the check, and the same with a wrong last
// digit (which a 21st digit "6" would put right, were it read).
const QString kVisa20 = QStringLiteral("41111111111111111115");
const QString kWrong20 = QStringLiteral("41111111111111111116");

// --- CardNumberType ---------------------------------------------------------------

struct TypeCase {
    const char *text;
    int type;
};

TEST(CardNumberType, FirstDigitLessTwoForNumbersThatPass) {
    const TypeCase cases[] = {
        {"4111111111111111", 2}, {"4012888888881881", 2}, {"5555555555554444", 3},
        {"378282246310005", 1},  {"30569309025904", 1},   {"3530111333300000", 1},
        {"6011111111111117", 4}, {"34", 1},               {"42", 2},
        {"0", -2},               {"00", -2},              {"1000000000000008", -1},
        {"7000000000000005", 5}, {"8000000000000003", 6}, {"9000000000000001", 7},
        {"2221000000000009", 0},  // a 2 gives 0, like a failed check
        {"32000000000002", 1},   {"39000000000005", 1},
    };
    for (const TypeCase &c : cases) EXPECT_EQ(CardNumberType(QString::fromLatin1(c.text)), c.type) << c.text;
}

TEST(CardNumberType, ZeroForNumbersThatFailOrHoldNoDigit) {
    const char *failing[] = {"4111111111111112", "4111111111111121", "5555555555554445", "378282246310006",
                             "1", "5", "9", "43", "", "   ", "abc", "-", "VISA"};
    for (const char *text : failing) EXPECT_EQ(CardNumberType(QString::fromLatin1(text)), 0) << text;
}

TEST(CardNumberType, OnlyDigitsCountWhateverStandsBetweenThem) {
    EXPECT_EQ(CardNumberType(QStringLiteral("4111 1111 1111 1111")), 2);
    EXPECT_EQ(CardNumberType(QStringLiteral("4111-1111-1111-1111")), 2);
    EXPECT_EQ(CardNumberType(QStringLiteral("x3782.8224/6310 005")), 1);
    EXPECT_EQ(CardNumberType(QStringLiteral(" 4111111111111111")), 2);
    // Digits of other scripts are skipped like any other character.
    EXPECT_EQ(CardNumberType(QStringLiteral("4111\u00e81111\u06601111\uff111111")), 2);
    EXPECT_EQ(CardNumberType(QStringLiteral("\u0664\u0662")), 0);
}

TEST(CardNumberType, OnlyTheFirstTwentyCharactersTakePart) {
    EXPECT_EQ(CardNumberType(kVisa20), 2);
    EXPECT_EQ(CardNumberType(kVisa20 + QStringLiteral("1234567890")), 2);  // 30 digits
    EXPECT_EQ(CardNumberType(kWrong20), 0);
    EXPECT_EQ(CardNumberType(kWrong20 + QStringLiteral("6")), 0) << "the 21st digit takes no part";
    // 20 characters, blanks and dashes included: "4111-1111-1111-1111-" is checked.
    EXPECT_EQ(CardNumberType(QStringLiteral("4111-1111-1111-1111-9999")), 2);
    EXPECT_EQ(CardNumberType(QStringLiteral("41111111111111119999")), 0);
    EXPECT_EQ(CardNumberType(QStringLiteral("4111 - 1111 - 1111 - 1111")), 0);  // only "411111111111"
}

// --- CardTypeName ------------------------------------------------------------------

TEST(CardTypeName, NamesTheTypesOfTheTable) {
    const struct {
        int type;
        const char *text;
        QString name;
    } cases[] = {
        {1, "30569309025904", kDiners}, {1, "36000000000008", kDiners}, {1, "38000000000006", kDiners},
        {1, "378282246310005", kAmex},  {1, "34", kAmex},               {1, "31", kJcb},
        {1, "33", kJcb},                {1, "3530111333300000", kJcb},  {2, "4111111111111111", kVisa},
        {2, "x4", kVisa},               {3, "5555555555554444", kMasterCard},
        {4, "6011111111111117", kDiscover},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CardTypeName(c.type, QString::fromLatin1(c.text)), c.name) << c.type << " " << c.text;
}

TEST(CardTypeName, NoNameOutsideTheTable) {
    // A number beginning with 3 whose first two characters are in no list.
    for (const char *text : {"32000000000002", "39000000000005", "3 782", "3-782", "-378282246310005", "3", ""})
        EXPECT_EQ(CardTypeName(1, QString::fromLatin1(text)), QString()) << text;
    for (int type : {0, -2, -1, 5, 6, 7, 8, -3})
        EXPECT_EQ(CardTypeName(type, QStringLiteral("4111111111111111")), QString()) << type;
}

// --- The dialog ------------------------------------------------------------------

class CartaTest : public CheckerTest {
protected:
    void Open(const QString &cardText, std::function<void(TfrmCarta &)> act) {
        CheckerTest::Open<TfrmCarta>(&TfrmCarta::txtNumero, cardText, std::move(act));
    }
};

TEST_F(CartaTest, WindowLooksAsDesigned) {
    Open(QString(), [](TfrmCarta &w) {
        EXPECT_EQ(w.objectName(), QStringLiteral("frmCarta"));
        EXPECT_EQ(w.Caption(), QStringLiteral(" Controllo carta di credito"));
        EXPECT_EQ(w.size(), QSize(519, 254));
        EXPECT_EQ(w.lblIstruzioni->text(),
                  QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."));
        EXPECT_EQ(w.txtNumero->objectName(), QStringLiteral("txtNumero"));
        EXPECT_EQ(w.txtNumero->MaxLength(), 30);
        ExpectCheckerShape(w, *w.txtNumero);
        Click(w.btnChiudi);
    });
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(CartaTest, OnlyDigitsAreTypedUpToThirty) {
    Open(QString(), [this](TfrmCarta &w) {
        Type(w.txtNumero, QStringLiteral(" 4111 1111-1111.1111a"));
        EXPECT_EQ(w.txtNumero->text(), QStringLiteral("4111111111111111"));
        Press(w.txtNumero, Qt::Key_Left);
        Press(w.txtNumero, Qt::Key_Backspace);
        Press(w.txtNumero, Qt::Key_Right);
        Press(w.txtNumero, Qt::Key_Delete);  // nothing after the caret
        EXPECT_EQ(w.txtNumero->text(), QStringLiteral("411111111111111"));
        Press(w.txtNumero, Qt::Key_Home);  // refused
        Type(w.txtNumero, QStringLiteral("1"));
        EXPECT_EQ(w.txtNumero->text(), QStringLiteral("4111111111111111"));
        Press(w.txtNumero, Qt::Key_Tab);  // refused too
        EXPECT_EQ(Focused(), w.txtNumero);
        Type(w.txtNumero, QStringLiteral("12345678901234567890"));
        EXPECT_EQ(w.txtNumero->text(), QStringLiteral("411111111111111112345678901234"));
        messages.Expect(MsgKind::Warning, kWrong);  // the first 20 digits fail
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    });
}

// Enter in the number moves the focus to "Controlla" and checks nothing;
// Enter on the focused "Controlla" presses it.
TEST_F(CartaTest, EnterMovesTheFocusToControllaWhereEnterPressesIt) {
    Open(QStringLiteral("4111111111111111"), [this](TfrmCarta &w) {
        Press(w.txtNumero, Qt::Key_Return);
        EXPECT_EQ(Focused(), w.btnControlla);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(messages.Shown().empty());
        messages.Expect(MsgKind::Information, Valid(QStringLiteral("4111111111111111"), kVisa));
        Press(w.btnControlla, Qt::Key_Return);
        EXPECT_FALSE(w.isVisible());
    });
}

TEST_F(CartaTest, EmptyNumberWarnsThenTheTypedNumberIsChecked) {
    Open(QString(), [this](TfrmCarta &w) {
        Press(w.txtNumero, Qt::Key_Return);
        messages.Expect(MsgKind::Warning, kEmpty);
        Click(w.btnControlla);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(Focused(), w.txtNumero);
        Type(w.txtNumero, QStringLiteral("5555555555554444"));
        Press(w.txtNumero, Qt::Key_Return);
        messages.Expect(MsgKind::Information, Valid(QStringLiteral("5555555555554444"), kMasterCard));
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    });
}

using CardCase = CheckerAnswer;

CardCase ValidCase(const char *name, const QString &number, const QString &type) {
    return {name, number, MsgKind::Information, Valid(Trim(number), type)};
}
CardCase WrongCase(const char *name, const QString &number) { return {name, number, MsgKind::Warning, kWrong}; }

class CartaAnswers : public CartaTest, public ::testing::WithParamInterface<CardCase> {};

TEST_P(CartaAnswers, CompletedCheckAnswersAndCloses) {
    const CardCase &c = GetParam();
    Open(c.cardText, [&](TfrmCarta &w) { ExpectAnswerAndClose(w, *w.txtNumero, c); });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CartaAnswers,
    ::testing::Values(
        ValidCase("Visa", QStringLiteral("4111111111111111"), kVisa),
        ValidCase("VisaTrimmedByTheCard", QStringLiteral("  4012888888881881  "), kVisa),
        ValidCase("MasterCard", QStringLiteral("5555555555554444"), kMasterCard),
        ValidCase("AmericanExpress", QStringLiteral("378282246310005"), kAmex),
        ValidCase("Discover", QStringLiteral("6011111111111117"), kDiscover),
        ValidCase("DinersClub", QStringLiteral("30569309025904"), kDiners),
        ValidCase("Jcb", QStringLiteral("3530111333300000"), kJcb),
        ValidCase("TwoDigitsAmex", QStringLiteral("34"), kAmex),
        ValidCase("TwoDigitsVisa", QStringLiteral("42"), kVisa),
        ValidCase("DashesFromTheCard", QStringLiteral("3782-8224-6310-005"), kAmex),
        ValidCase("BlanksFromTheCard", QStringLiteral("3782 8224 6310 005"), kAmex),
        ValidCase("ThirtyDigitsCheckedOnTwenty", kVisa20 + QStringLiteral("1234567890"), kVisa),
        ValidCase("LongerThanTheLimitKeptWhole", QStringLiteral("4111-1111-1111-1111-1111-1111-1111"), kVisa),
        WrongCase("WrongCheckDigit", QStringLiteral("4111111111111112")),
        WrongCase("SingleZero", QStringLiteral("0")),
        WrongCase("SingleDigit", QStringLiteral("4")),
        WrongCase("BeginsWith0", QStringLiteral("00")),
        WrongCase("BeginsWith1", QStringLiteral("1000000000000008")),
        WrongCase("BeginsWith2", QStringLiteral("2221000000000009")),
        WrongCase("BeginsWith7", QStringLiteral("7000000000000005")),
        WrongCase("BeginsWith8", QStringLiteral("8000000000000003")),
        WrongCase("BeginsWith9", QStringLiteral("9000000000000001")),
        WrongCase("ThreeTwoInNoList", QStringLiteral("32000000000002")),
        WrongCase("ThreeNineInNoList", QStringLiteral("39000000000005")),
        WrongCase("ThreeThenBlank", QStringLiteral("3 78282246310005")),
        WrongCase("DashBeforeTheThree", QStringLiteral("-378282246310005")),
        WrongCase("TwentyFirstDigitTakesNoPart", kWrong20 + QStringLiteral("6")),
        WrongCase("NoDigit", QStringLiteral("VISA")),
        WrongCase("OtherScriptDigits", QStringLiteral("\u0664\u0662"))),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vel::test
