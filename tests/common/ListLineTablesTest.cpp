// The list lines of the archives: each table gives the line the dialogs list
// and the picks compare, column by column, with the exact widths.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <initializer_list>
#include <utility>

#include "CommonTest.h"
#include "common/ListLines.h"
#include "common/Records.h"

namespace vel {
namespace {

using Fields = std::initializer_list<std::pair<const char *, QString>>;

Record Make(const RecordLayout &layout, Fields fields) {
    Record r(layout);
    for (const auto &[field, text] : fields) r.SetText(field, text);
    return r;
}

QString Blanks(int n) { return QString(n, u' '); }

struct LineCase {
    const char *label;
    Record record;
    QString line;
};

// Every case through the line function and through the plain rule over the
// same table, so the table and the fast path agree.
template <size_t N>
void Check(const LineCase (&cases)[N], QString (*line)(const Record &), std::span<const ListColumn> (*columns)()) {
    for (const LineCase &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(line(c.record), c.line);
        EXPECT_EQ(BuildListLine(c.record, columns()), c.line);
    }
}

TEST(ListLineTables, TariffLine) {
    const LineCase cases[] = {
        {"every column",
         Make(TariffRecord, {{"Codice", QStringLiteral("T-01")},
                             {"Tariffa", QStringLiteral("Giornaliera")},
                             {"Descrizione", QStringLiteral("Utilitaria in citt\u00e0")},
                             {"Veicolo", QStringLiteral("Autovettura")},
                             {"Classe", QStringLiteral("A")},
                             {"Posti", QStringLiteral("5")},
                             {"Importo", QStringLiteral("45,00")}}),
         QStringLiteral("T-01") + Blanks(16) + QStringLiteral("  Tariffa Giornaliera") + Blanks(3) +
             QStringLiteral("  Utilitaria in citt\u00e0") + Blanks(16) + QStringLiteral("  Autovettura") +
             Blanks(14) + QStringLiteral("  Cl. A") + Blanks(11) + QStringLiteral("  Posti: 5") + Blanks(4) +
             QStringLiteral("  \u20ac 45,00")},
        {"long texts cut, empty amount",
         Make(TariffRecord, {{"Codice", QStringLiteral("ABCDEFGHIJKLMNOPQRSTUV")},
                             {"Tariffa", QStringLiteral("Settimanale lunga")},
                             {"Posti", QStringLiteral("123456")}}),
         QStringLiteral("ABCDEFGHIJKLMNOPQRST") + QStringLiteral("  Tariffa Settimanale lu") + QStringLiteral("  ") +
             Blanks(35) + QStringLiteral("  ") + Blanks(25) + QStringLiteral("  Cl. ") + Blanks(12) +
             QStringLiteral("  Posti: 12345") + QStringLiteral("  \u20ac ")},
    };
    Check(cases, TariffListLine, TariffListColumns);
    EXPECT_EQ(TariffListLine(cases[0].record).indexOf(QStringLiteral("45,00")), 144);
}

TEST(ListLineTables, CustomerLineAndItsCallBackVariant) {
    const Record customer = Make(CustomerRecord, {{"Cognome", QStringLiteral("Rossi")},
                                                  {"Nome", QStringLiteral("Mario")},
                                                  {"Recapito", QStringLiteral("333 1234567")},
                                                  {"CodFisc", QStringLiteral("RSSMRA80A01H501U")},
                                                  {"TipoPat", QStringLiteral("B")},
                                                  {"Note", QStringLiteral("cliente abituale")},
                                                  {"Questioni", QStringLiteral("richiamare per il preventivo")}});
    const QString head = QStringLiteral("Rossi Mario") + Blanks(19) + QStringLiteral("  Tel. 333 1234567") +
                         Blanks(5) + QStringLiteral("  C.F. RSSMRA80A01H501U") + QStringLiteral("  Patente: B") +
                         Blanks(9) + QStringLiteral("  ");
    ASSERT_EQ(head.size(), 99);
    const LineCase customers[] = {
        {"every column", customer, head + QStringLiteral("cliente abituale")},
        {"joined name of 101 characters cut to 30, long telephone cut",
         Make(CustomerRecord, {{"Cognome", QString(50, u'C')},
                               {"Nome", QString(50, u'N')},
                               {"Recapito", QStringLiteral("06 12345678 int. 42")},
                               {"TipoPat", QStringLiteral("C1E e CQC merci")}}),
         QString(30, u'C') + QStringLiteral("  Tel. 06 12345678 int.") + QStringLiteral("  C.F. ") + Blanks(16) +
             QStringLiteral("  Patente: C1E e CQC ") + QStringLiteral("  ")},
        {"no surname: the joining blank comes first; no note ends in two blanks",
         Make(CustomerRecord, {{"Nome", QStringLiteral("Anna")}}),
         QStringLiteral(" Anna") + Blanks(25) + QStringLiteral("  Tel. ") + Blanks(16) + QStringLiteral("  C.F. ") +
             Blanks(16) + QStringLiteral("  Patente: ") + Blanks(10) + QStringLiteral("  ")},
    };
    Check(customers, CustomerListLine, CustomerListColumns);

    const LineCase callBacks[] = {
        {"the open questions in place of the note", customer, head + QStringLiteral("richiamare per il preventivo")},
        {"no questions", Make(CustomerRecord, {{"Cognome", QStringLiteral("Rossi")}, {"Note", QStringLiteral("x")}}),
         QStringLiteral("Rossi ") + Blanks(24) + QStringLiteral("  Tel. ") + Blanks(16) + QStringLiteral("  C.F. ") +
             Blanks(16) + QStringLiteral("  Patente: ") + Blanks(10) + QStringLiteral("  ")},
    };
    Check(callBacks, CallBackListLine, CallBackListColumns);
}

TEST(ListLineTables, BookingLine) {
    const Record booking = Make(BookingRecord, {{"Marca", QStringLiteral("Fiat")},
                                                {"Modello", QStringLiteral("Ducato Maxi")},
                                                {"Targa", QStringLiteral("AB123CD")},
                                                {"Cliente", QStringLiteral("Bianchi Anna")},
                                                {"Recapito", QStringLiteral("06 1234567")},
                                                {"DataRit", QStringLiteral("04/03/2025")},
                                                {"OraRit", QStringLiteral("09:05")},
                                                {"DataRic", QStringLiteral("10/03/2025")},
                                                {"OraRic", QStringLiteral("18:30")},
                                                {"SedeRit", QStringLiteral("Roma")},
                                                {"Email", QStringLiteral("anna@example.it")}});
    const QString full = QStringLiteral("Fiat Ducato Maxi") + Blanks(10) + QStringLiteral("  Targa: AB123CD") +
                         Blanks(5) + QStringLiteral("  Bianchi Anna") + Blanks(13) + QStringLiteral("  Tel. 06 1234567") +
                         Blanks(5) + QStringLiteral("  Da: 04/03/2025  Ore: 09:05  A: 10/03/2025  Ore: 18:30");
    const LineCase cases[] = {
        {"a booking as the card saves it", booking, full},
        {"no return date: the return time moves up; no return time still takes five blanks",
         Make(BookingRecord, {{"Marca", QStringLiteral("Fiat")},
                              {"Modello", QStringLiteral("Panda")},
                              {"DataRit", QStringLiteral("1/3/2025")},
                              {"OraRit", QStringLiteral("9:5")}}),
         QStringLiteral("Fiat Panda") + Blanks(16) + QStringLiteral("  Targa: ") + Blanks(12) + QStringLiteral("  ") +
             Blanks(25) + QStringLiteral("  Tel. ") + Blanks(15) + QStringLiteral("  Da: 1/3/2025") + Blanks(2) +
             QStringLiteral("  Ore: 9:5") + Blanks(2) + QStringLiteral("  A:   Ore: ") + Blanks(5)},
        {"make and model cut to 26 as one column",
         Make(BookingRecord, {{"Marca", QStringLiteral("Mercedes-Benz")},
                              {"Modello", QStringLiteral("Sprinter 316 CDI")},
                              {"Cliente", QStringLiteral("Autonoleggi Riuniti del Lazio S.r.l.")},
                              {"DataRic", QStringLiteral("10/03/2025")}}),
         QStringLiteral("Mercedes-Benz Sprinter 316") + QStringLiteral("  Targa: ") + Blanks(12) +
             QStringLiteral("  Autonoleggi Riuniti del L") + QStringLiteral("  Tel. ") + Blanks(15) +
             QStringLiteral("  Da: ") + Blanks(10) + QStringLiteral("  Ore: ") + Blanks(5) +
             QStringLiteral("  A: 10/03/2025  Ore: ") + Blanks(5)},
    };
    Check(cases, BookingListLine, BookingListColumns);
    // Positions as numbered from 1: plate at 36, customer at 50, telephone at
    // 82, pick-up date at 103 and time at 120, return date at 130.
    EXPECT_EQ(full.size(), 151);
    EXPECT_EQ(full.indexOf(QStringLiteral("AB123CD")), 35);
    EXPECT_EQ(full.indexOf(QStringLiteral("Bianchi")), 49);
    EXPECT_EQ(full.indexOf(QStringLiteral("06 ")), 81);
    EXPECT_EQ(full.indexOf(QStringLiteral("04/03")), 102);
    EXPECT_EQ(full.indexOf(QStringLiteral("09:05")), 119);
    EXPECT_EQ(full.indexOf(QStringLiteral("10/03")), 129);
    EXPECT_TRUE(full.endsWith(QStringLiteral("18:30")));
}

TEST(ListLineTables, ContractLine) {
    const Record contract = Make(ContractRecord, {{"NumContratto", QStringLiteral("12")},
                                                  {"Data", QStringLiteral("05/03/2025")},
                                                  {"Cliente", QStringLiteral("Verdi Luca")},
                                                  {"CodFisc", QStringLiteral("VRDLCU75C15F205X")},
                                                  {"DataInizio", QStringLiteral("05/03/2025")},
                                                  {"DataFine", QStringLiteral("08/03/2025")},
                                                  {"Targa", QStringLiteral("AB123CD")},
                                                  {"Totale", QStringLiteral("150,00")},
                                                  {"Ditta", QStringLiteral("Velmora Noleggi")}});
    const QString full = QStringLiteral("N. 12 del 05/03/2025") + Blanks(8) + QStringLiteral("  Verdi Luca") +
                         Blanks(20) + QStringLiteral("  CF: VRDLCU75C15F205X  DAL: 05/03/2025  AL: 08/03/2025") +
                         QStringLiteral("  Targa: AB123CD") + Blanks(5) + QStringLiteral("  Tot. \u20ac 150,00");
    const LineCase cases[] = {
        {"every column", contract, full},
        {"a long number cuts the end of the date",
         Make(ContractRecord, {{"NumContratto", QStringLiteral("2025/000123A")},
                               {"Data", QStringLiteral("05/03/2025")},
                               {"Totale", QStringLiteral("0,00")}}),
         QStringLiteral("N. 2025/000123A del 05/03/20") + QStringLiteral("  ") + Blanks(30) + QStringLiteral("  CF: ") +
             Blanks(16) + QStringLiteral("  DAL: ") + Blanks(10) + QStringLiteral("  AL: ") + Blanks(10) +
             QStringLiteral("  Targa: ") + Blanks(12) + QStringLiteral("  Tot. \u20ac 0,00")},
        {"no number, no date: the joining word stays",
         Make(ContractRecord, {{"Cliente", QStringLiteral("Neri")}}),
         QStringLiteral("N.  del ") + Blanks(20) + QStringLiteral("  Neri") + Blanks(26) + QStringLiteral("  CF: ") +
             Blanks(16) + QStringLiteral("  DAL: ") + Blanks(10) + QStringLiteral("  AL: ") + Blanks(10) +
             QStringLiteral("  Targa: ") + Blanks(12) + QStringLiteral("  Tot. \u20ac ")},
    };
    Check(cases, ContractListLine, ContractListColumns);
    // Positions as numbered from 1: customer at 31, tax code at 67, start at
    // 90, end at 106, plate at 125, total at 146.
    EXPECT_EQ(full.indexOf(QStringLiteral("Verdi")), 30);
    EXPECT_EQ(full.indexOf(QStringLiteral("VRDL")), 66);
    EXPECT_EQ(full.indexOf(QStringLiteral("05/03/2025"), 40), 89);
    EXPECT_EQ(full.indexOf(QStringLiteral("08/03")), 105);
    EXPECT_EQ(full.indexOf(QStringLiteral("AB123CD")), 124);
    EXPECT_EQ(full.indexOf(QStringLiteral("150,00")), 145);
    EXPECT_EQ(ListLineRule(ContractRecord, ContractListColumns()).FixedLength(), 145);
}

// The tables read the record's bytes in place; whatever the fields hold, the
// line must be the plain rule's over the texts Record::Text reads.
TEST(ListLineTables, FastLinesAgreeWithThePlainRule) {
    const struct {
        const RecordLayout *layout;
        QString (*line)(const Record &);
        std::span<const ListColumn> (*columns)();
    } tables[] = {
        {&VehicleRecord, VehicleListLine, VehicleListColumns},    {&TariffRecord, TariffListLine, TariffListColumns},
        {&CustomerRecord, CustomerListLine, CustomerListColumns}, {&CustomerRecord, CallBackListLine, CallBackListColumns},
        {&BookingRecord, BookingListLine, BookingListColumns},    {&ContractRecord, ContractListLine, ContractListColumns},
    };
    const QString alphabet = QStringLiteral(" \t\u0001abcXYZ\u00e8\u00c8\u20ac\u00b0_[~\u00a0\u201c/0123456789");
    QRandomGenerator random(2026);
    for (const auto &table : tables) {
        SCOPED_TRACE(table.layout->Name());
        for (int n = 0; n < 200; ++n) {
            Record r(*table.layout);
            for (const ListColumn &column : table.columns()) {
                for (std::string_view field : {column.field, column.joinedField}) {
                    if (field.empty()) continue;
                    QString text;
                    const int length = random.bounded(n % 10 == 0 ? 260 : 40);
                    for (int i = 0; i < length; ++i) text += alphabet.at(random.bounded(int(alphabet.size())));
                    r.SetText(field, text);
                }
            }
            ASSERT_EQ(table.line(r), BuildListLine(r, table.columns())) << n;
        }
    }
}

TEST(SubText, CharactersFromAOneBasedPosition) {
    const struct {
        QString text;
        int from, count;
        QString part;
    } cases[] = {
        {QStringLiteral("04/03/2025"), 4, 2, QStringLiteral("03")}, {QStringLiteral("04/03/2025"), 1, 2, QStringLiteral("04")},
        {QStringLiteral("04/03"), 4, 5, QStringLiteral("03")},      {QStringLiteral("04/0"), 4, 2, QStringLiteral("0")},
        {QStringLiteral("04/"), 4, 2, QString()},                   {QString(), 4, 2, QString()},
        {QStringLiteral("abc"), 3, 0, QString()},
    };
    for (const auto &c : cases) EXPECT_EQ(SubText(c.text, c.from, c.count), c.part) << c.text.toStdString();
}

TEST(PickupSortKey, MonthDayHourMinuteOfThePickUp) {
    const struct {
        const char *label;
        Record booking;
        QString key;
    } cases[] = {
        {"as the card saves it",
         Make(BookingRecord, {{"DataRit", QStringLiteral("04/03/2025")},
                              {"GiornoRit", QStringLiteral("04")},
                              {"OreRit", QStringLiteral("09")},
                              {"MinutiRit", QStringLiteral("05")},
                              {"DataRic", QStringLiteral("01/12/2025")}}),
         QStringLiteral("03040905")},
        {"a booking never saved through the card",
         Make(BookingRecord, {{"GiornoRit", QStringLiteral("7")}, {"OreRit", QStringLiteral("18")}}),
         QStringLiteral("718")},
    };
    for (const auto &c : cases) EXPECT_EQ(PickupSortKey(c.booking), c.key) << c.label;
}

}  // namespace
}  // namespace vel
