// The fiscal-code checker: the check character and the dialog.
#include "CheckerFixture.h"

#include "dialogs/CodFisc.h"
#include "dialogs/TaxCodes.h"

namespace vel::test {
namespace {

const QString kLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kValid = QStringLiteral("Il codice fiscale digitato \u00e8 VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: il codice fiscale digitato \u00e8 ERRATO.");

// --- The conversion tables ---------------------------------------------------

TEST(FiscalCodeTables, OddTableIsThePublishedOne) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const int letterValues[26] = {1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2,  4,  18,
                                  20, 11, 3,  6,  8,  12, 14, 16, 10, 22, 25, 24, 23};
    const int digitValues[10] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21};
    for (int i = 0; i < 26; ++i) EXPECT_EQ(FiscalCodeOddValue(letters.at(i)), letterValues[i]) << i;
    for (int i = 0; i < 10; ++i) EXPECT_EQ(FiscalCodeOddValue(QChar(u'0' + i)), digitValues[i]) << i;
}

TEST(FiscalCodeTables, EvenTableGivesDigitsTheirValueAndLettersTheirPlace) {
    for (int i = 0; i < 10; ++i) EXPECT_EQ(FiscalCodeEvenValue(QChar(u'0' + i)), i);
    for (int i = 0; i < 26; ++i) EXPECT_EQ(FiscalCodeEvenValue(QChar(u'A' + i)), i);
}

TEST(FiscalCodeTables, SevenSignsBetweenDigitsAndLettersCountZero) {
    for (QChar c : QStringLiteral(":;<=>?@")) {
        EXPECT_EQ(FiscalCodeOddValue(c), 0) << c.toLatin1();
        EXPECT_EQ(FiscalCodeEvenValue(c), 0) << c.toLatin1();
    }
}

TEST(FiscalCodeTables, CharactersOutsideTheTablesHaveNoValue) {
    for (QChar c : QStringLiteral(" /[a z-.\u00e8\u00c0\u0660\uff10")) {
        EXPECT_EQ(FiscalCodeOddValue(c), -1) << int(c.unicode());
        EXPECT_EQ(FiscalCodeEvenValue(c), -1) << int(c.unicode());
    }
}

// --- IsValidFiscalCode ---------------------------------------------------------

TEST(IsValidFiscalCode, AcceptsCodesWithTheRightCheckLetter) {
    const char *valid[] = {
        "RSSMRA85T10A562S", "BNCGNN70A41H501V", "VRDLGU80E12F205H", "CLMCST63D42L219J",
        "MNTPLA01P30G273U", "SPSFNC99B10L424Z",
        "RSSMRA85T1LAR62Q",  // letters in place of digits (omocodia)
        // Only the check letter counts: any arrangement of letters and digits.
        "000000000000000I", "ZZZZZZZZZZZZZZZV", "A1B2C3D4E5F6G7HR", "123456789012345A",
        // ":" to "@" count 0 in both tables.
        "RSSMRA85T10A56:N", "RSSMRA85T10A5@2M", ":;<=>?@:;<=>?@:A",
    };
    for (const char *code : valid) {
        EXPECT_TRUE(IsValidFiscalCode(QString::fromLatin1(code))) << code;
        EXPECT_EQ(FiscalCodeCheckChar(QString::fromLatin1(code)), QChar::fromLatin1(code[15])) << code;
    }
}

TEST(IsValidFiscalCode, RefusesEverythingElse) {
    const QString invalid[] = {
        QStringLiteral("RSSMRA85T10A562T"),   // wrong check letter
        QStringLiteral("RSSMRA85T10A562R"),
        QStringLiteral("RSSMRA85T10A5620"),   // a digit where the letter goes
        QStringLiteral("RSSMRA85T10A562:"),   // ":" is no check letter
        QStringLiteral("RSSMRA85T10A562"),    // 15 characters
        QStringLiteral("RSSMRA85T10A562SX"),  // 17 characters
        QString(),
        QStringLiteral("rssmra85t10a562s"),   // lower case: the checker turns it to upper case first
        QStringLiteral("RSSMRA85 10A562S"),   // characters outside "0" to "Z"
        QStringLiteral("RSSMRA85-10A562S"),
        QStringLiteral("RSSMR\u00c085T10A562S"),
        QStringLiteral("RSSMRA85T10A56[S"),   // just past "Z"
        QStringLiteral("RSSMRA85T10A56/S"),   // just before "0"
        QStringLiteral("RSSMRA85T10A5\U0001F600S"),
    };
    for (const QString &code : invalid) EXPECT_FALSE(IsValidFiscalCode(code)) << code.toStdString();
}

TEST(IsValidFiscalCode, CheckCharOfTooShortOrUnreadableText) {
    EXPECT_TRUE(FiscalCodeCheckChar(QStringLiteral("RSSMRA85T10A56")).isNull());
    EXPECT_TRUE(FiscalCodeCheckChar(QStringLiteral("RSSMRA85T10A56 ")).isNull());
    EXPECT_EQ(FiscalCodeCheckChar(QStringLiteral("RSSMRA85T10A562")), QChar(u'S'));
}

TEST(SubText, TakesCharactersFromAOneBasedPosition) {
    const QString text = QStringLiteral("00743110157");
    EXPECT_EQ(SubText(text, 8, 3), QStringLiteral("015"));
    EXPECT_EQ(SubText(text, 1, 2), QStringLiteral("00"));
    EXPECT_EQ(SubText(text, 10, 3), QStringLiteral("57"));  // fewer when the text ends
    EXPECT_EQ(SubText(text, 11, 3), QStringLiteral("7"));
    EXPECT_EQ(SubText(text, 12, 3), QString());  // beyond the end
    EXPECT_EQ(SubText(QString(), 8, 3), QString());
    EXPECT_EQ(SubText(text, 0, 3), QString());
    EXPECT_EQ(SubText(text, 8, 0), QString());
}

// --- The dialog ------------------------------------------------------------------

class CodFiscTest : public CheckerTest {
protected:
    void Open(const QString &cardText, std::function<void(TfrmCodFisc &)> act) {
        CheckerTest::Open<TfrmCodFisc>(&TfrmCodFisc::txtCodFisc, cardText, std::move(act));
    }
};

TEST_F(CodFiscTest, WindowLooksAsDesigned) {
    Open(QString(), [](TfrmCodFisc &w) {
        EXPECT_EQ(w.objectName(), QStringLiteral("frmCodFisc"));
        EXPECT_EQ(w.Caption(), QStringLiteral(" Controllo codice fiscale"));
        EXPECT_EQ(w.size(), QSize(478, 254));
        EXPECT_EQ(w.lblIstruzioni->text(),
                  QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."));
        EXPECT_EQ(w.txtCodFisc->objectName(), QStringLiteral("txtCodFisc"));
        EXPECT_EQ(w.txtCodFisc->MaxLength(), 16);
        ExpectEditShows(*w.txtCodFisc, 16);
        EXPECT_EQ(w.btnControlla->y(), w.txtCodFisc->y());
        EXPECT_TRUE(w.rect().contains(w.btnChiudi->geometry()));
        ExpectCheckerShape(w, *w.txtCodFisc);
        Click(w.btnChiudi);
    });
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(CodFiscTest, TypedCodeIsTrimmedUpperCasedAndChecked) {
    Open(QString(), [this](TfrmCodFisc &w) {
        Type(w.txtCodFisc, QStringLiteral("  rssmra85t10a562s"));
        EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
        Type(w.txtCodFisc, QStringLiteral("xyz"));  // at most 16 characters typed
        EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
        messages.Expect(MsgKind::Information, kValid);
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    });
}

TEST_F(CodFiscTest, TypingInTheMiddleKeepsTheCaret) {
    Open(QStringLiteral("RSSMRA85T10A562S"), [this](TfrmCodFisc &w) {
        w.txtCodFisc->setCursorPosition(3);
        Press(w.txtCodFisc, Qt::Key_Backspace);
        Type(w.txtCodFisc, QStringLiteral("s"));
        EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
        EXPECT_EQ(w.txtCodFisc->cursorPosition(), 3);
        Type(w.txtCodFisc, QStringLiteral("x"));  // full: refused
        EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));

        // Trimming takes only the ends: a blank typed inside stays.
        Press(w.txtCodFisc, Qt::Key_Backspace);
        Type(w.txtCodFisc, QStringLiteral(" "));
        EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RS MRA85T10A562S"));
        EXPECT_EQ(w.txtCodFisc->cursorPosition(), 3);
        messages.Expect(MsgKind::Warning, kWrong);
        Click(w.btnControlla);
    });
}

// Enter in the code moves the focus to "Controlla" and checks nothing;
// Enter (either key) on the focused "Controlla" presses it.
TEST_F(CodFiscTest, EnterMovesTheFocusToControllaWhereEnterPressesIt) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        Open(QStringLiteral("RSSMRA85T10A562S"), [this, key](TfrmCodFisc &w) {
            const size_t shown = messages.Shown().size();
            Press(w.txtCodFisc, Qt::Key_Return);
            EXPECT_EQ(Focused(), w.btnControlla);
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562S"));
            EXPECT_EQ(messages.Shown().size(), shown);
            messages.Expect(MsgKind::Information, kValid);
            Press(w.btnControlla, key);
            EXPECT_FALSE(w.isVisible());
        });
    }
}

TEST_F(CodFiscTest, ChiudiClosesWithoutAnswer) {
    Open(QStringLiteral("not a code"), [](TfrmCodFisc &w) {
        Click(w.btnChiudi);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_TRUE(messages.Shown().empty());
}

using CodeCase = CheckerAnswer;

class CodFiscAnswers : public CodFiscTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(CodFiscAnswers, CompletedCheckAnswersAndCloses) {
    const CodeCase &c = GetParam();
    Open(c.cardText, [&](TfrmCodFisc &w) { ExpectAnswerAndClose(w, *w.txtCodFisc, c); });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodFiscAnswers,
    ::testing::Values(
        CodeCase{"Valid", QStringLiteral("RSSMRA85T10A562S"), MsgKind::Information, kValid},
        CodeCase{"ValidTrimmedByTheCard", QStringLiteral("  BNCGNN70A41H501V \t"), MsgKind::Information, kValid},
        CodeCase{"LowerCaseTestedInUpperCase", QStringLiteral("rssmra85t10a562s"), MsgKind::Information, kValid},
        CodeCase{"CheckLetterInLowerCase", QStringLiteral("RSSMRA85T10A562s"), MsgKind::Information, kValid},
        CodeCase{"AnyArrangement", QStringLiteral("A1B2C3D4E5F6G7HR"), MsgKind::Information, kValid},
        CodeCase{"SignsCountZero", QStringLiteral("RSSMRA85T10A56:N"), MsgKind::Information, kValid},
        CodeCase{"WrongCheckLetter", QStringLiteral("RSSMRA85T10A562T"), MsgKind::Warning, kWrong},
        CodeCase{"DigitAsCheckCharacter", QStringLiteral("RSSMRA85T10A5620"), MsgKind::Warning, kWrong},
        CodeCase{"BlankInside", QStringLiteral("RSSMRA85 10A562S"), MsgKind::Warning, kWrong},
        CodeCase{"Punctuation", QStringLiteral("RSSMRA85T10A56.S"), MsgKind::Warning, kWrong},
        CodeCase{"AccentedLetter", QStringLiteral("RSSMR\u00c085T10A562S"), MsgKind::Warning, kWrong},
        CodeCase{"AccentedLowerCaseStaysAsItIs", QStringLiteral("rssmr\u00e085t10a562s"), MsgKind::Warning,
                 kWrong},
        CodeCase{"PastTheTables", QStringLiteral("RSSMRA85T10A56[S"), MsgKind::Warning, kWrong},
        CodeCase{"SurrogatePair", QStringLiteral("RSSMRA85T10A5\U0001F600S"), MsgKind::Warning, kWrong}),
    [](const auto &info) { return std::string(info.param.name); });

class CodFiscLength : public CodFiscTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(CodFiscLength, WrongLengthWarnsAndStaysOpen) {
    const QString cardText = QString::fromLatin1(GetParam());
    Open(cardText, [&](TfrmCodFisc &w) {
        EXPECT_EQ(w.txtCodFisc->text(), cardText) << "never cut to the edit's limit";
        Press(w.txtCodFisc, Qt::Key_Return);
        ASSERT_EQ(Focused(), w.btnControlla);
        messages.Expect(MsgKind::Warning, kLength);
        Click(w.btnControlla);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(Focused(), w.txtCodFisc);
        EXPECT_EQ(w.txtCodFisc->text(), cardText);

        // The user corrects the text and checks again.
        w.txtCodFisc->selectAll();
        Press(w.txtCodFisc, Qt::Key_Delete);
        Type(w.txtCodFisc, QStringLiteral("vrdlgu80e12f205h"));
        messages.Expect(MsgKind::Information, kValid);
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    });
}

INSTANTIATE_TEST_SUITE_P(Cases, CodFiscLength,
                         ::testing::Values("", "RSSMRA85T10A562", "RSSMRA85T10A562SX",
                                           "RSSMRA85T10A562S RSSMRA85T10A562S", "0123456789012345"
                                                                                "6789"));

TEST_F(CodFiscTest, OverlongTextFromTheCardCanBeShortenedByTheUser) {
    Open(QStringLiteral("RSSMRA85T10A562SXX"), [this](TfrmCodFisc &w) {
        EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562SXX"));
        w.txtCodFisc->end(false);
        Type(w.txtCodFisc, QStringLiteral("y"));  // no room to grow
        EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562SXX"));
        Press(w.txtCodFisc, Qt::Key_Backspace);
        EXPECT_EQ(w.txtCodFisc->text(), QStringLiteral("RSSMRA85T10A562SX"));
        Press(w.txtCodFisc, Qt::Key_Backspace);
        messages.Expect(MsgKind::Information, kValid);
        Click(w.btnControlla);
    });
}

}  // namespace
}  // namespace vel::test
