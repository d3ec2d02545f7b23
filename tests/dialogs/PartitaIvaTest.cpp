// The VAT number checker: the check digit, the office table and
// the dialog.
#include "CheckerFixture.h"

#include <set>

#include "dialogs/PartitaIVA.h"
#include "dialogs/TaxCodes.h"

namespace vel::test {
namespace {

const QString kLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
QString Valid(const QString &office) {
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                          "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
           office + QStringLiteral(".");
}
const QString kWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
    "Non \u00e8 quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");

// --- IsValidPartitaIva ----------------------------------------------------------

TEST(IsValidPartitaIva, AcceptsNumbersWithTheRightCheckDigit) {
    const char *valid[] = {"00743110157", "12345678903", "02118680137", "01453210765",
                           "07977310809", "11111110968", "00000000000", "00000001016",
                           "00000001206", "00000009993"};
    for (const char *number : valid) {
        EXPECT_TRUE(IsValidPartitaIva(QString::fromLatin1(number))) << number;
        EXPECT_EQ(PartitaIvaCheckDigit(QString::fromLatin1(number)), QChar::fromLatin1(number[10])) << number;
    }
}

TEST(IsValidPartitaIva, RefusesEverythingElse) {
    const QString invalid[] = {
        QStringLiteral("00743110158"),  // wrong check digit
        QStringLiteral("00743110150"),
        QStringLiteral("12345678901"),
        QStringLiteral("00743111057"),  // two digits swapped
        QStringLiteral("0074311015"),   // 10 digits
        QStringLiteral("007431101570"), // 12 digits
        QString(),
        QStringLiteral("0074311015A"),  // a letter
        QStringLiteral("0074311 157"),  // a blank
        QStringLiteral("00743-10157"),
        QStringLiteral("IT007431101"),
        QStringLiteral("0074311015\u0667"),  // digits of another script
        QStringLiteral("\uff100743110157"),
    };
    for (const QString &number : invalid) EXPECT_FALSE(IsValidPartitaIva(number)) << number.toStdString();
}

TEST(IsValidPartitaIva, CheckDigitOfTooShortOrUnreadableText) {
    EXPECT_EQ(PartitaIvaCheckDigit(QStringLiteral("0074311015")), QChar(u'7'));
    EXPECT_TRUE(PartitaIvaCheckDigit(QStringLiteral("007431101")).isNull());
    EXPECT_TRUE(PartitaIvaCheckDigit(QStringLiteral("007431101x")).isNull());
}

// --- The office table -------------------------------------------------------------

struct Office {
    const char *code;
    const char16_t *name;
};

// The offices table as it is laid out on paper: four columns, read down.
const Office kOfficeRows[26][4] = {
    {{"001", u"Torino"}, {"027", u"Venezia"}, {"053", u"Grosseto"}, {"079", u"Catanzaro"}},
    {{"002", u"Vercelli"}, {"028", u"Padova"}, {"054", u"Perugia"}, {"080", u"Reggio Calabria"}},
    {{"003", u"Novara"}, {"029", u"Rovigo"}, {"055", u"Terni"}, {"081", u"Trapani"}},
    {{"004", u"Cuneo"}, {"030", u"Udine"}, {"056", u"Viterbo"}, {"082", u"Palermo"}},
    {{"005", u"Asti"}, {"031", u"Gorizia"}, {"057", u"Rieti"}, {"083", u"Messina"}},
    {{"006", u"Alessandria"}, {"032", u"Trieste"}, {"058", u"Roma 1"}, {"084", u"Agrigento"}},
    {{"007", u"Aosta"}, {"033", u"Piacenza"}, {"059", u"Latina"}, {"085", u"Caltanissetta"}},
    {{"008", u"Imperia"}, {"034", u"Parma"}, {"060", u"Frosinone"}, {"086", u"Enna"}},
    {{"009", u"Savona"}, {"035", u"Reggio Emilia"}, {"061", u"Caserta"}, {"087", u"Catania"}},
    {{"010", u"Genova 1"}, {"036", u"Modena"}, {"062", u"Benevento"}, {"088", u"Ragusa"}},
    {{"011", u"La Spezia"}, {"037", u"Bologna 1"}, {"063", u"Napoli 1"}, {"089", u"Siracusa"}},
    {{"012", u"Varese"}, {"038", u"Ferrara"}, {"064", u"Avellino"}, {"090", u"Sassari"}},
    {{"013", u"Como"}, {"039", u"Ravenna"}, {"065", u"Salerno"}, {"091", u"Nuoro"}},
    {{"014", u"Sondrio"}, {"040", u"Forl\u00ec"}, {"066", u"Aquila"}, {"092", u"Cagliari"}},
    {{"015", u"Milano 1"}, {"041", u"Pesaro"}, {"067", u"Teramo"}, {"093", u"Pordenone"}},
    {{"016", u"Bergamo"}, {"042", u"Ancona"}, {"068", u"Pescara"}, {"094", u"Isernia"}},
    {{"017", u"Brescia 1"}, {"043", u"Macerata"}, {"069", u"Chieti"}, {"095", u"Oristano"}},
    {{"018", u"Pavia"}, {"044", u"Ascoli Piceno"}, {"070", u"Campobasso"}, {"096", u"Monza (Milano 2)"}},
    {{"019", u"Cremona"}, {"045", u"Massa Carrara"}, {"071", u"Foggia"}, {"097", u"Prato (Firenze 2)"}},
    {{"020", u"Mantova"}, {"046", u"Lucca"}, {"072", u"Bari"}, {"098", u"Brescia 2"}},
    {{"021", u"Bolzano"}, {"047", u"Pistoia"}, {"073", u"Taranto"}, {"099", u"Chiavari (Genova 2)"}},
    {{"022", u"Trento"}, {"048", u"Firenze 1"}, {"074", u"Brindisi"}, {"100", u"Roma 2"}},
    {{"023", u"Verona"}, {"049", u"Livorno"}, {"075", u"Lecce"}, {"101", u"Bologna 2"}},
    {{"024", u"Vicenza"}, {"050", u"Pisa"}, {"076", u"Potenza"}, {"102", u"Napoli 2"}},
    {{"025", u"Belluno"}, {"051", u"Arezzo"}, {"077", u"Matera"}, {"120", u"Bologna 2"}},
    {{"026", u"Treviso"}, {"052", u"Siena"}, {"078", u"Cosenza"}, {"121", u"Napoli 2"}},
};

TEST(VatOfficeTable, HoldsTheOfficesInTheOrderOfTheComparisons) {
    const auto &table = VatOfficeTable();
    ASSERT_EQ(table.size(), 104u);
    int index = 0;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 26; ++row, ++index) {
            const Office &expected = kOfficeRows[row][column];
            EXPECT_EQ(table[index].code.toString(), QString::fromLatin1(expected.code)) << index;
            EXPECT_EQ(table[index].name.toString(), QString::fromUtf16(expected.name)) << index;
        }
    }
}

TEST(VatOfficeTable, CodesAreUniqueThreeDigitTexts) {
    std::set<QString> codes;
    for (const VatOffice &office : VatOfficeTable()) {
        EXPECT_EQ(office.code.size(), 3);
        for (QChar c : office.code) EXPECT_TRUE(c >= u'0' && c <= u'9') << office.code.toString().toStdString();
        codes.insert(office.code.toString());
    }
    EXPECT_EQ(codes.size(), 104u);
}

TEST(VatOfficeName, NamesEveryOfficeOfTheTable) {
    for (const auto &row : kOfficeRows)
        for (const Office &office : row)
            EXPECT_EQ(VatOfficeName(QString::fromLatin1(office.code)), QString::fromUtf16(office.name))
                << office.code;
}

TEST(VatOfficeName, TwoCodesShareBolognaAndNapoli) {
    EXPECT_EQ(VatOfficeName(QStringLiteral("101")), QStringLiteral("Bologna 2"));
    EXPECT_EQ(VatOfficeName(QStringLiteral("120")), QStringLiteral("Bologna 2"));
    EXPECT_EQ(VatOfficeName(QStringLiteral("102")), QStringLiteral("Napoli 2"));
    EXPECT_EQ(VatOfficeName(QStringLiteral("121")), QStringLiteral("Napoli 2"));
    EXPECT_EQ(VatOfficeName(QStringLiteral("040")), QStringLiteral("Forl\u00ec"));
}

TEST(VatOfficeName, CodesOutsideTheTableNameNoOffice) {
    for (const char *code : {"000", "103", "110", "119", "122", "500", "999", "", "01", "0010", "1", "abc", " 01"})
        EXPECT_EQ(VatOfficeName(QString::fromLatin1(code)), QString()) << code;
    for (int n = 0; n <= 999; ++n) {
        const bool listed = (n >= 1 && n <= 102) || n == 120 || n == 121;
        EXPECT_EQ(VatOfficeName(QStringLiteral("%1").arg(n, 3, 10, QChar(u'0'))).isEmpty(), !listed) << n;
    }
}

TEST(VatOfficeOf, ReadsDigitsEightToTen) {
    EXPECT_EQ(VatOfficeOf(QStringLiteral("00743110157")), QStringLiteral("Milano 1"));
    EXPECT_EQ(VatOfficeOf(QStringLiteral("02118680137")), QStringLiteral("Como"));
    EXPECT_EQ(VatOfficeOf(QStringLiteral("12345678903")), QString());  // "890"
    EXPECT_EQ(VatOfficeOf(QStringLiteral("07977310809")), QStringLiteral("Reggio Calabria"));
    EXPECT_EQ(VatOfficeOf(QStringLiteral("00000001206")), QStringLiteral("Bologna 2"));
    EXPECT_EQ(VatOfficeOf(QStringLiteral("00000000000")), QString());
    EXPECT_EQ(VatOfficeOf(QStringLiteral("0000000")), QString());
}

// --- The dialog ------------------------------------------------------------------

class PartitaIvaTest : public CheckerTest {
protected:
    void Open(const QString &cardText, std::function<void(TfrmPartitaIva &)> act) {
        CheckerTest::Open<TfrmPartitaIva>(&TfrmPartitaIva::txtPartitaIva, cardText, std::move(act));
    }
};

TEST_F(PartitaIvaTest, WindowLooksAsDesigned) {
    Open(QString(), [](TfrmPartitaIva &w) {
        EXPECT_EQ(w.objectName(), QStringLiteral("frmPartitaIva"));
        EXPECT_EQ(w.Caption(), QStringLiteral(" Controllo partita IVA"));
        EXPECT_EQ(w.size(), QSize(480, 254));
        EXPECT_EQ(w.lblIstruzioni->text(),
                  QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."));
        EXPECT_EQ(w.txtPartitaIva->objectName(), QStringLiteral("txtPartitaIva"));
        EXPECT_EQ(w.txtPartitaIva->MaxLength(), 11);
        ExpectEditShows(*w.txtPartitaIva, 11);
        ExpectCheckerShape(w, *w.txtPartitaIva);
        Click(w.btnChiudi);
    });
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(PartitaIvaTest, OnlyDigitsAndEditingKeysAreTyped) {
    Open(QString(), [this](TfrmPartitaIva &w) {
        Type(w.txtPartitaIva, QStringLiteral(" 0a07-4.3+1,1\u00e80"));
        EXPECT_EQ(w.txtPartitaIva->text(), QStringLiteral("00743110"));
        Press(w.txtPartitaIva, Qt::Key_Left);
        Press(w.txtPartitaIva, Qt::Key_Left);
        Press(w.txtPartitaIva, Qt::Key_Backspace);
        Press(w.txtPartitaIva, Qt::Key_Right);
        Press(w.txtPartitaIva, Qt::Key_Delete);
        EXPECT_EQ(w.txtPartitaIva->text(), QStringLiteral("007431"));
        Press(w.txtPartitaIva, Qt::Key_Home);  // refused: the caret stays
        Type(w.txtPartitaIva, QStringLiteral("9"));
        EXPECT_EQ(w.txtPartitaIva->text(), QStringLiteral("0074319"));
        Press(w.txtPartitaIva, Qt::Key_Tab);  // every other key is refused
        EXPECT_EQ(Focused(), w.txtPartitaIva);
        w.txtPartitaIva->selectAll();
        Type(w.txtPartitaIva, QStringLiteral("00743110157999"));  // at most 11 typed
        EXPECT_EQ(w.txtPartitaIva->text(), QStringLiteral("00743110157"));
        messages.Expect(MsgKind::Information, Valid(QStringLiteral("Milano 1")));
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    });
}

// Enter in the number moves the focus to "Controlla" and checks nothing;
// Enter on the focused "Controlla" presses it.
TEST_F(PartitaIvaTest, EnterMovesTheFocusToControllaWhereEnterPressesIt) {
    Open(QStringLiteral("00743110157"), [this](TfrmPartitaIva &w) {
        Press(w.txtPartitaIva, Qt::Key_Return);
        EXPECT_EQ(Focused(), w.btnControlla);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.txtPartitaIva->text(), QStringLiteral("00743110157"));
        EXPECT_TRUE(messages.Shown().empty());
        messages.Expect(MsgKind::Information, Valid(QStringLiteral("Milano 1")));
        Press(w.btnControlla, Qt::Key_Return);
        EXPECT_FALSE(w.isVisible());
    });
}

using VatCase = CheckerAnswer;

class PartitaIvaAnswers : public PartitaIvaTest, public ::testing::WithParamInterface<VatCase> {};

TEST_P(PartitaIvaAnswers, CompletedCheckAnswersAndCloses) {
    const VatCase &c = GetParam();
    Open(c.cardText, [&](TfrmPartitaIva &w) { ExpectAnswerAndClose(w, *w.txtPartitaIva, c); });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PartitaIvaAnswers,
    ::testing::Values(
        VatCase{"ValidMilano", QStringLiteral("00743110157"), MsgKind::Information, Valid(QStringLiteral("Milano 1"))},
        VatCase{"ValidComo", QStringLiteral(" 02118680137 "), MsgKind::Information, Valid(QStringLiteral("Como"))},
        VatCase{"ValidOfficeCode890", QStringLiteral("12345678903"), MsgKind::Information, Valid(QString())},
        VatCase{"ValidForli", QStringLiteral("00000000406"), MsgKind::Information, Valid(QStringLiteral("Forl\u00ec"))},
        VatCase{"ValidBologna2ByCode120", QStringLiteral("00000001206"), MsgKind::Information,
                Valid(QStringLiteral("Bologna 2"))},
        VatCase{"ValidNapoli2ByCode121", QStringLiteral("00000001214"), MsgKind::Information,
                Valid(QStringLiteral("Napoli 2"))},
        VatCase{"ValidOfficeCode000", QStringLiteral("00000000000"), MsgKind::Information, Valid(QString())},
        VatCase{"ValidOfficeCode999", QStringLiteral("00000009993"), MsgKind::Information, Valid(QString())},
        VatCase{"ValidOfficeCode103", QStringLiteral("00000001032"), MsgKind::Information, Valid(QString())},
        VatCase{"WrongCheckDigit", QStringLiteral("00743110158"), MsgKind::Warning, kWrong},
        VatCase{"LetterFromTheCard", QStringLiteral("0074311015A"), MsgKind::Warning, kWrong},
        VatCase{"BlankFromTheCard", QStringLiteral("00743 10157"), MsgKind::Warning, kWrong},
        VatCase{"CountryPrefixFromTheCard", QStringLiteral("IT007431101"), MsgKind::Warning, kWrong},
        VatCase{"OtherScriptDigits", QStringLiteral("0074311015\u0667"), MsgKind::Warning, kWrong}),
    [](const auto &info) { return std::string(info.param.name); });

class PartitaIvaLength : public PartitaIvaTest, public ::testing::WithParamInterface<const char *> {};

TEST_P(PartitaIvaLength, WrongLengthWarnsAndStaysOpen) {
    const QString cardText = QString::fromLatin1(GetParam());
    Open(cardText, [&](TfrmPartitaIva &w) {
        EXPECT_EQ(w.txtPartitaIva->text(), cardText) << "never cut to the edit's limit";
        messages.Expect(MsgKind::Warning, kLength);
        Click(w.btnControlla);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(Focused(), w.txtPartitaIva);
        EXPECT_EQ(w.txtPartitaIva->text(), cardText);

        w.txtPartitaIva->selectAll();
        Press(w.txtPartitaIva, Qt::Key_Delete);
        Type(w.txtPartitaIva, QStringLiteral("02118680137"));
        messages.Expect(MsgKind::Information, Valid(QStringLiteral("Como")));
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    });
}

// A sixteen-digit tax code that a card's fiscal-code button sends here, and
// other texts whose length is not 11, whatever they hold.
INSTANTIATE_TEST_SUITE_P(Cases, PartitaIvaLength,
                         ::testing::Values("", "0074311015", "007431101570", "1234567890123456",
                                           "IT00743110157", "partita"));

}  // namespace
}  // namespace vel::test
