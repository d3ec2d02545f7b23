#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommonTest.h"
#include "common/Record.h"
#include "common/Records.h"

namespace vel {
namespace {

using test::Bytes;

// ---- Record layouts --------------------------------------------------------

struct FieldAt {
    const char *name;
    int offset;
};

struct LayoutCase {
    const char *label;
    const RecordLayout *layout;
    int size;
    std::vector<FieldAt> fields;  // every field, in stored order
};

// The byte offsets of the files written by the program in the field; any
// change here makes existing archives unreadable.
const std::vector<LayoutCase> &LayoutCases() {
    static const std::vector<LayoutCase> cases = {
        {"Vehicle", &VehicleRecord, 3635,
         {{"Veicolo", 0},        {"Marca", 51},       {"Modello", 102},    {"Colore", 153},
          {"Alimentazione", 204}, {"Targa", 255},      {"Impianti", 286},   {"Telaio", 537},
          {"Immatricolazione", 588}, {"Cilindrata", 619}, {"Cavalli", 650}, {"DataAcq", 681},
          {"PrezzoAcq", 712},    {"Telepass", 743},   {"Posti", 794},      {"Peso", 825},
          {"Viacard", 856},      {"Litro", 907},      {"Uso", 938},        {"Pneumatici", 989},
          {"Assi", 1110},        {"Ambientale", 1141}, {"Officina", 1172}, {"Compagnia", 1423},
          {"Incidenti", 1474},   {"Stato", 1725},     {"Conducente", 1756}, {"CodFisc", 1807},
          {"Recapito", 1824},    {"Disponibile", 1875}, {"Note", 1878},    {"File01", 2129},
          {"File02", 2380},      {"File03", 2631},    {"Desc01", 2882},    {"Desc02", 3133},
          {"Desc03", 3384}}},
        {"Tariff", &TariffRecord, 4218,
         {{"Tariffa", 0},        {"Descrizione", 51}, {"Codice", 107},     {"Importo", 128},
          {"Conteggio", 139},    {"Eccedenza", 390},  {"Veicolo", 641},    {"Classe", 692},
          {"Alimentazione", 743}, {"Posti", 794},     {"Ritiro", 825},     {"Riconsegna", 1076},
          {"Listino", 1327},     {"PrezzoList", 1378}, {"DescList", 1389}, {"Pagamento", 1445},
          {"Banca", 1496},       {"Cauzione", 1547},  {"Iban", 1598},      {"Intestatario", 1626},
          {"Note", 1677},        {"Patente", 1928},   {"Documenti", 1959}, {"Assicurazioni", 2210},
          {"Requisiti", 2461},   {"File01", 2712},    {"File02", 2963},    {"File03", 3214},
          {"Desc01", 3465},      {"Desc02", 3716},    {"Desc03", 3967}}},
        {"Planner", &PlannerRecord, 18850,
         {{"Veicolo", 0}, {"Marca", 51}, {"Modello", 102}, {"Targa", 153}, {"Giorni", 184}}},
        {"Customer", &CustomerRecord, 3151,
         {{"Cognome", 0},        {"Nome", 51},        {"Ditta", 102},      {"Sesso", 153},
          {"Recapito", 155},     {"IndirizzoRes", 206}, {"ProvRes", 257},  {"ComuneRes", 260},
          {"CapRes", 311},       {"DataNasc", 317},   {"ComuneNasc", 348}, {"ProvNasc", 399},
          {"TelCasa", 402},      {"TelUff", 433},     {"TelCel", 464},     {"Pec", 495},
          {"Email", 556},        {"CodFisc", 607},    {"Carta", 624},      {"ScadeCarta", 655},
          {"PartitaIva", 686},   {"Iban", 698},       {"TipoPat", 726},    {"NumPat", 757},
          {"EnteRil", 808},      {"DataRil", 859},    {"DataSca", 870},    {"Conducente", 881},
          {"Questioni", 1132},   {"Note", 1383},      {"CodiceDest", 1634}, {"Ricontatta", 1642},
          {"File01", 1645},      {"File02", 1896},    {"File03", 2147},    {"Desc01", 2398},
          {"Desc02", 2649},      {"Desc03", 2900}}},
        {"Booking", &BookingRecord, 704,
         {{"GiornoRit", 0},      {"MeseRit", 3},      {"AnnoRit", 14},     {"DataRit", 19},
          {"OreRit", 30},        {"MinutiRit", 33},   {"OraRit", 36},      {"GiornoRic", 42},
          {"MeseRic", 45},       {"AnnoRic", 56},     {"DataRic", 61},     {"OreRic", 72},
          {"MinutiRic", 75},     {"OraRic", 78},      {"SedeRit", 84},     {"SedeRic", 135},
          {"Veicolo", 186},      {"Marca", 237},      {"Modello", 288},    {"Colore", 339},
          {"Posti", 390},        {"Targa", 421},      {"Alimentazione", 452}, {"Cliente", 503},
          {"CodFisc", 554},      {"Recapito", 571},   {"TelCel", 622},     {"Email", 653}}},
        {"Contract", &ContractRecord, 5080,
         {{"Ditta", 0},          {"NumContratto", 251}, {"Data", 282},     {"Luogo", 293},
          {"Cliente", 324},      {"Sesso", 375},      {"IndirizzoRes", 377}, {"ComuneRes", 428},
          {"ProvRes", 479},      {"CapRes", 482},     {"CodFisc", 488},    {"Recapito", 505},
          {"DataNasc", 556},     {"ComuneNasc", 587}, {"ProvNasc", 638},   {"TipoPat", 641},
          {"NumPat", 672},       {"EnteRil", 723},    {"DataRil", 774},    {"DataSca", 805},
          {"Conducente", 836},   {"Veicolo", 1087},   {"Marca", 1138},     {"Colore", 1189},
          {"Alimentazione", 1240}, {"Targa", 1291},   {"Posti", 1322},     {"Impianti", 1353},
          {"Tariffa", 1604},     {"Conteggio", 1655}, {"Eccedenza", 1906}, {"Importo", 2157},
          {"Totale", 2168},      {"DataInizio", 2179}, {"OraInizio", 2190}, {"SedeRit", 2196},
          {"DataFine", 2247},    {"OraFine", 2258},   {"SedeRic", 2264},   {"TotGiorni", 2315},
          {"Livello", 2321},     {"KmParte", 2342},   {"KmRientro", 2363}, {"Cauzione", 2384},
          {"Difetti", 2395},     {"Pagamento", 2646}, {"Foro", 2897},      {"Assicurazioni", 2948},
          {"Privacy", 3199},     {"Note", 3320},      {"DaSaldare", 3571}, {"File01", 3574},
          {"File02", 3825},      {"File03", 4076},    {"Desc01", 4327},    {"Desc02", 4578},
          {"Desc03", 4829}}},
    };
    return cases;
}

void PrintTo(const LayoutCase &c, std::ostream *os) { *os << c.label; }

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, FieldNamesAreExactlyTheseInThisOrder) {
    const LayoutCase &c = GetParam();
    std::vector<std::string> actual, expected;
    for (const FieldDef &f : c.layout->Fields()) actual.emplace_back(f.name);
    for (const FieldAt &f : c.fields) expected.emplace_back(f.name);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(c.layout->FieldCount(), static_cast<int>(c.fields.size()));
}

TEST_P(LayoutTest, RecordSize) {
    EXPECT_EQ(GetParam().layout->Size(), GetParam().size);
    EXPECT_EQ(Record(*GetParam().layout).Bytes().size(), GetParam().size);
}

TEST_P(LayoutTest, FieldOffsets) {
    const LayoutCase &c = GetParam();
    for (size_t i = 0; i < c.fields.size(); ++i) {
        const FieldAt &f = c.fields[i];
        SCOPED_TRACE(f.name);
        EXPECT_EQ(c.layout->IndexOf(f.name), static_cast<int>(i));
        EXPECT_EQ(c.layout->Offset(f.name), f.offset);
        EXPECT_EQ(c.layout->Offset(static_cast<int>(i)), f.offset);
    }
}

// Each field's room runs up to the next field's length byte (or the end of
// the record): a full text fills exactly that and spills into no neighbour.
TEST_P(LayoutTest, EachFieldFillsExactlyItsOwnBytes) {
    const LayoutCase &c = GetParam();
    const QString longText(300, u'x');
    for (size_t i = 0; i < c.fields.size(); ++i) {
        const FieldAt &f = c.fields[i];
        SCOPED_TRACE(f.name);
        const int repeat = c.layout->Fields()[i].repeat;
        const int end = i + 1 < c.fields.size() ? c.fields[i + 1].offset : c.size;
        const int capacity = (end - f.offset) / repeat - 1;

        Record r(*c.layout);
        r.SetText(f.name, longText);
        QByteArray expected(c.size, '\0');
        expected[f.offset] = static_cast<char>(capacity);
        for (int k = 1; k <= capacity; ++k) expected[f.offset + k] = 'x';
        EXPECT_EQ(r.Bytes(), expected);
        EXPECT_EQ(r.Text(f.name), QString(capacity, u'x'));
        EXPECT_EQ(r.Text(static_cast<int>(i)), QString(capacity, u'x'));
    }
}

INSTANTIATE_TEST_SUITE_P(Records, LayoutTest, ::testing::ValuesIn(LayoutCases()),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(PlannerLayout, DayTextsFollowTheHeaderInLeapYearOrder) {
    const struct {
        const char *label;
        int day;
        int offset;
    } cases[] = {
        {"1 January", 0, 184},  {"1 February", 31, 1765}, {"29 February", 59, 3193},
        {"1 March", 60, 3244},  {"31 December", 365, 18799},
    };
    ASSERT_EQ(kPlannerDays, 366);
    const int days = PlannerRecord.IndexOf("Giorni");
    ASSERT_GE(days, 0);
    EXPECT_EQ(PlannerRecord.Fields()[days].repeat, 366);
    EXPECT_EQ(PlannerRecord.Fields()[days].capacity, 50);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(PlannerRecord.Offset("Giorni", c.day), c.offset);
        EXPECT_EQ(PlannerRecord.Offset(days, c.day), c.offset);
    }
    for (int i = 0; i < 366; ++i) ASSERT_EQ(PlannerRecord.Offset("Giorni", i), 184 + 51 * i) << "day " << i;
}

TEST(PlannerLayout, EachDayTextHasItsOwnBytes) {
    Record r(PlannerRecord);
    for (int i = 0; i < 366; ++i) r.SetText("Giorni", QStringLiteral("g%1").arg(i), i);
    for (int i = 0; i < 366; ++i) {
        SCOPED_TRACE("day " + std::to_string(i));
        const QByteArray text = QStringLiteral("g%1").arg(i).toLatin1();
        const int at = 184 + 51 * i;
        EXPECT_EQ(static_cast<unsigned char>(r.Bytes()[at]), text.size());
        EXPECT_EQ(r.Bytes().mid(at + 1, text.size()), text);
        EXPECT_EQ(r.Text("Giorni", i), QString::fromLatin1(text));
    }
    // Filling the last day to the brim must stop at the record's end.
    r.SetText("Giorni", QString(80, u'z'), 365);
    EXPECT_EQ(r.Bytes().size(), 18850);
    EXPECT_EQ(r.Text("Giorni", 365), QString(50, u'z'));
    EXPECT_EQ(r.Text("Giorni", 364), QStringLiteral("g364"));
}

TEST(RecordFields, OutOfRangeFieldsAreRefusedRatherThanOverrunTheRecord) {
    Record r(PlannerRecord);
    const QByteArray before = r.Bytes();
    EXPECT_THROW(r.SetText("Giorni", QStringLiteral("x"), 366), std::logic_error);
    EXPECT_THROW(r.SetText("Giorni", QStringLiteral("x"), -1), std::logic_error);
    EXPECT_THROW(r.SetText("Veicolo", QStringLiteral("x"), 1), std::logic_error);
    EXPECT_THROW(r.SetText("Nessuno", QStringLiteral("x")), std::logic_error);
    EXPECT_THROW(r.SetText(PlannerRecord.FieldCount(), QStringLiteral("x")), std::logic_error);
    EXPECT_THROW(r.Text("Giorni", 366), std::logic_error);
    EXPECT_THROW((void)r.Text(-1), std::logic_error);
    EXPECT_EQ(r.Bytes(), before);
}

TEST(RecordFields, ClearZeroesEveryByte) {
    Record r(CustomerRecord);
    r.SetText("Cognome", QStringLiteral("Rossi"));
    r.SetText("Desc03", QStringLiteral("fine"));
    r.Clear();
    EXPECT_EQ(r.Bytes(), QByteArray(3151, '\0'));
    EXPECT_EQ(r.Text("Cognome"), QString());
}

// ---- FixedText -------------------------------------------------------------

// The stored bytes of a field of capacity 50: length byte, text, zeros.
QByteArray Field50(const QByteArray &text) {
    QByteArray out(51, '\0');
    out[0] = static_cast<char>(text.size());
    out.replace(1, text.size(), text);
    return out;
}

TEST(FixedText, StoreAndReadBack) {
    const QString fifty = QString(49, u'a') + u'b';
    const QString blankAt50 = QString(49, u'a') + QStringLiteral("  segue");
    const struct {
        const char *label;
        QString text;
        QByteArray stored;  // all 51 bytes
        QString readBack;
    } cases[] = {
        {"trimmed", QStringLiteral("  ciao  "), Field50("ciao"), QStringLiteral("ciao")},
        {"control characters trimmed", QStringLiteral("\t\r\nciao\x01"), Field50("ciao"),
         QStringLiteral("ciao")},
        {"inner blanks kept", QStringLiteral(" via  Roma 1 "), Field50("via  Roma 1"),
         QStringLiteral("via  Roma 1")},
        {"empty", QString(), Field50(""), QString()},
        {"only blanks", QStringLiteral("    "), Field50(""), QString()},
        {"exactly the capacity", fifty, Field50(fifty.toLatin1()), fifty},
        {"cut to the capacity", QString(60, u'k'), Field50(QByteArray(50, 'k')), QString(50, u'k')},
        {"cut after trimming", QStringLiteral("   ") + fifty + QStringLiteral("tail"), Field50(fifty.toLatin1()), fifty},
        // The cut may leave a blank at the end: it is stored, and read back without it.
        {"blank at the cut", blankAt50, Field50(QByteArray(49, 'a') + ' '), QString(49, u'a')},
        {"accented", QStringLiteral("Forl\u00EC 3\u00B0"), Field50("Forl\xEC 3\xB0"),
         QStringLiteral("Forl\u00EC 3\u00B0")},
        {"euro", QStringLiteral("\u20AC 10"), Field50("\x80 10"), QStringLiteral("\u20AC 10")},
        {"outside the code page", QStringLiteral("a\u4E2Db\u0100"), Field50("a?b?"),
         QStringLiteral("a?b?")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        // Garbage before, inside and after the field: the field is rewritten
        // whole and its neighbours are left alone.
        QByteArray buffer(53, '\xA5');
        StoreFixedText(buffer.data() + 1, 50, c.text);
        EXPECT_EQ(buffer.mid(1, 51), c.stored);
        EXPECT_EQ(buffer.at(0), '\xA5');
        EXPECT_EQ(buffer.at(52), '\xA5');
        EXPECT_EQ(ReadFixedText(buffer.constData() + 1, 50), c.readBack);
    }
}

TEST(FixedText, Read) {
    const struct {
        const char *label;
        int capacity;
        QByteArray field;
        QString text;
    } cases[] = {
        {"length zero hides whatever follows", 5, Bytes({0, 'a', 'b', 'c', 'd', 'e'}), QString()},
        {"only the counted bytes", 5, Bytes({2, 'a', 'b', 'c', 'd', 'e'}), QStringLiteral("ab")},
        {"length above the capacity", 5, Bytes({9, 'a', 'b', 'c', 'd', 'e', 'X', 'Y'}),
         QStringLiteral("abcde")},
        {"length 255", 5, Bytes({0xFF, 'a', 'b', 'c', 'd', 'e', 'X'}), QStringLiteral("abcde")},
        {"trimmed after decoding", 6, Bytes({6, ' ', 'a', ' ', 'b', '\t', 0}), QStringLiteral("a b")},
        {"Windows-1252", 4, Bytes({4, 0xE8, 0xB0, 0x80, 0x92}),
         QStringLiteral("\u00E8\u00B0\u20AC\u2019")},
        {"NULs inside the length are trimmed at the ends", 4, Bytes({4, 'o', 'k', 0, 0}),
         QStringLiteral("ok")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(ReadFixedText(c.field.constData(), c.capacity), c.text);
    }
}

// Length bytes of 128 and more must count as such, not as negative numbers.
TEST(FixedText, LongFieldsBeyond127Bytes) {
    for (int length : {127, 128, 200, 250}) {
        SCOPED_TRACE(length);
        QByteArray field(251, '\0');
        const QString text(length, QChar(0x00E8));
        StoreFixedText(field.data(), 250, text);
        EXPECT_EQ(static_cast<unsigned char>(field[0]), length);
        EXPECT_EQ(field.mid(1, length), QByteArray(length, '\xE8'));
        EXPECT_EQ(ReadFixedText(field.constData(), 250), text);
    }
    QByteArray field(251, '\0');
    StoreFixedText(field.data(), 250, QString(400, u'q'));
    EXPECT_EQ(static_cast<unsigned char>(field[0]), 250);
    EXPECT_EQ(ReadFixedText(field.constData(), 250), QString(250, u'q'));
}

// ---- YesNoFlag -------------------------------------------------------------

TEST(YesNoFlag, StoredBytes) {
    const struct {
        bool ticked;
        QByteArray bytes;
    } cases[] = {
        {true, Bytes({0x02, 0x53, 0xEC})},
        {false, Bytes({0x02, 0x4E, 0x6F})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ticked);
        QByteArray field(3, '\0');
        StoreFixedText(field.data(), 2, YesNoText(c.ticked));
        EXPECT_EQ(field, c.bytes);
        EXPECT_EQ(YesNoValue(ReadFixedText(field.constData(), 2)), c.ticked);
    }
    EXPECT_EQ(YesNoText(true), QStringLiteral("S\u00EC"));
    EXPECT_EQ(YesNoText(false), QStringLiteral("No"));
}

TEST(YesNoFlag, Value) {
    const struct {
        const char16_t *stored;
        std::optional<bool> value;
    } cases[] = {
        {u"S\u00EC", true},
        {u"No", false},
        {u"  S\u00EC \t", true},
        {u" No ", false},
        {u"", std::nullopt},
        {u"si", std::nullopt},
        {u"SI", std::nullopt},
        {u"Si", std::nullopt},
        {u"S\u00CC", std::nullopt},
        {u"s\u00EC", std::nullopt},
        {u"no", std::nullopt},
        {u"NO", std::nullopt},
        {u"N", std::nullopt},
        {u"No!", std::nullopt},
        {u"S\u00EC No", std::nullopt},
    };
    for (const auto &c : cases) {
        const QString stored = QString::fromUtf16(c.stored);
        SCOPED_TRACE(::testing::PrintToString(stored));
        EXPECT_EQ(YesNoValue(stored), c.value);
    }
}

}  // namespace
}  // namespace vel
