#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <string>
#include <vector>

#include "CommonTest.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "support/Fakes.h"

namespace vel {
namespace {

QString U(const char *utf8) { return QString::fromUtf8(utf8); }

Record Vehicle(const QString &marca, const QString &modello, const QString &targa, const QString &conducente,
               const QString &recapito, const QString &note) {
    Record r(VehicleRecord);
    r.SetText("Marca", marca);
    r.SetText("Modello", modello);
    r.SetText("Targa", targa);
    r.SetText("Conducente", conducente);
    r.SetText("Recapito", recapito);
    r.SetText("Note", note);
    return r;
}

// ---- TakeLeft --------------------------------------------------------------

TEST(TakeLeftTest, CountsUtf16Units) {
    struct Case {
        QString text;
        quint16 count;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("Targa"), 0, QString()},
        {QStringLiteral("Targa"), 3, QStringLiteral("Tar")},
        {QStringLiteral("Targa"), 5, QStringLiteral("Targa")},
        {QStringLiteral("Targa"), 65535, QStringLiteral("Targa")},
        {QString(), 4, QString()},
        {U("città"), 5, U("città")},
        // A character outside the basic plane is two units: cutting after the
        // first keeps half of it.
        {U("\xF0\x9F\x9A\x97x"), 1, QString(QChar(0xD83D))},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " / " + std::to_string(c.count));
        EXPECT_EQ(TakeLeft(c.text, c.count), c.expected);
    }
}

// ---- the line rule -----------------------------------------------------------

TEST(ListLineTest, PadsAndCutsEveryColumnWithAWidth) {
    constexpr ListColumn columns[] = {
        {u"", "a", 5},
        {u" | ", "b", 3},
        {u"  A: ", "c", kWholeText},
        {u"  Ore: ", "d", 4},
    };
    EXPECT_EQ(BuildListLine(QStringList{"ab", "abcdef", "01/02", "9"}, columns),
              QStringLiteral("ab    | abc  A: 01/02  Ore: 9   "));
    // An unpadded column in the middle moves everything after it.
    EXPECT_EQ(BuildListLine(QStringList{"", "", "", ""}, columns),
              QString(5, u' ') + QStringLiteral(" | ") + QString(3, u' ') + QStringLiteral("  A:   Ore: ") +
                  QString(4, u' '));
}

TEST(ListLineTest, VehicleLineHasItsColumnsAndWidths) {
    const Record r = Vehicle(QStringLiteral("Fiat"), QStringLiteral("Panda"), QStringLiteral("AB123CD"),
                             QStringLiteral("Rossi Mario"), QStringLiteral("333 1234567"),
                             QStringLiteral("libera da luglio"));
    const QString expected = QStringLiteral("Fiat Panda                    ") +  // 30
                             QStringLiteral("  Targa: AB123CD     ") +           // 9 + 12
                             QStringLiteral("  Rossi Mario              ") +     // 2 + 25
                             QStringLiteral("  Tel. 333 1234567    ") +          // 7 + 15
                             QStringLiteral("  libera da luglio");
    EXPECT_EQ(VehicleListLine(r), expected);
    EXPECT_EQ(VehicleListLine(r).indexOf(QStringLiteral("libera")), 102);
}

TEST(ListLineTest, VehicleLineEdgeCases) {
    struct Case {
        const char *label;
        Record record;
        QString expected;
    };
    const Case cases[] = {
        {"long make and model, long plate",
         Vehicle(QStringLiteral("Alfa Romeo"), QStringLiteral("Giulietta Sprint Veloce"),
                 QStringLiteral("ABCDEFGHIJKLM"), QString(), QString(), QString()),
         QStringLiteral("Alfa Romeo Giulietta Sprint Ve") + QStringLiteral("  Targa: ABCDEFGHIJKL") +
             QString(2 + 25, u' ') + QStringLiteral("  Tel. ") + QString(15, u' ') + QStringLiteral("  ")},
        {"no make: the joining blank comes first",
         Vehicle(QString(), QStringLiteral("Panda"), QString(), QString(), QString(), QString()),
         QStringLiteral(" Panda") + QString(24, u' ') + QStringLiteral("  Targa: ") + QString(12, u' ') +
             QString(2 + 25, u' ') + QStringLiteral("  Tel. ") + QString(15, u' ') + QStringLiteral("  ")},
        {"fields are read trimmed",
         Vehicle(QStringLiteral("  Fiat "), QStringLiteral("\tPanda"), QStringLiteral(" X1 "), QString(), QString(),
                 QStringLiteral("  nota  ")),
         QStringLiteral("Fiat Panda") + QString(20, u' ') + QStringLiteral("  Targa: X1") + QString(10, u' ') +
             QString(2 + 25, u' ') + QStringLiteral("  Tel. ") + QString(15, u' ') + QStringLiteral("  nota")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const QString line = VehicleListLine(c.record);
        EXPECT_EQ(line, c.expected);
        EXPECT_EQ(BuildListLine(c.record, VehicleListColumns()), c.expected);
    }
    const QString noNote = VehicleListLine(Vehicle(U("Fiat"), U("Uno"), U("X"), U("Y"), U("1"), QString()));
    EXPECT_EQ(noNote.size(), 102);
    EXPECT_TRUE(noNote.endsWith(QStringLiteral("  ")));
}

// The fast rule reads the record's bytes in place; it must agree with the
// plain rule over the texts Record::Text reads, whatever the fields hold.
TEST(ListLineTest, FastRuleAgreesWithThePlainRule) {
    constexpr ListColumn contractLike[] = {
        {u"N. ", "Marca", 25, "Modello", u" del "},
        {u"  ", "Conducente", 30},
        {u"  A: ", "Targa", kWholeText},
        {u"  Ore: ", "Recapito", 5},
        {u"  Tot. \u20ac ", "Note", kWholeText},
    };
    const ListLineRule contractRule(VehicleRecord, contractLike);
    // Columns narrower than their fields, the last one too.
    constexpr ListColumn narrow[] = {{u"", "Marca", 3, "Modello"}, {u" ", "Note", 4, "Conducente", u" - "}};
    const ListLineRule narrowRule(VehicleRecord, narrow);
    const QString alphabet = U(" \t\x01" "abcXYZ\xc3\xa8\xc3\x88\xe2\x82\xac\xc2\xb0_[~ \xc2\xa0\xe2\x80\x9c");
    QRandomGenerator random(2026);
    const char *fields[] = {"Marca", "Modello", "Targa", "Conducente", "Recapito", "Note"};
    for (int n = 0; n < 500; ++n) {
        Record r(VehicleRecord);
        for (const char *field : fields) {
            QString text;
            const int length = random.bounded(n % 10 == 0 ? 260 : 40);
            for (int i = 0; i < length; ++i) text += alphabet.at(random.bounded(int(alphabet.size())));
            r.SetText(field, text);
        }
        // A length byte above the capacity, as a foreign file may hold.
        if (n % 7 == 0) r.Bytes()[VehicleRecord.Offset("Targa")] = char(200);
        SCOPED_TRACE(n);
        ASSERT_EQ(VehicleListLine(r), BuildListLine(r, VehicleListColumns()));
        ASSERT_EQ(contractRule.Line(r), BuildListLine(r, contractLike));
        ASSERT_EQ(narrowRule.Line(r), BuildListLine(r, narrow));
    }
    EXPECT_EQ(ListLineRule(VehicleRecord, VehicleListColumns()).FixedLength(), 102);
    EXPECT_EQ(contractRule.FixedLength(), 3 + 25 + 2 + 30 + 5);
}

// ---- the order of the list ----------------------------------------------------

TEST(ListOrderTest, ComparesCodeUnitsWithSmallLettersAsCapitals) {
    struct Case {
        QString a, b;
        int sign;  // of CompareListLines(a, b)
    };
    const Case cases[] = {
        {U("alfa romeo"), U("Alfa Spider"), -1},   // equal up to the first other difference
        {U("Alfa Spider"), U("alfa romeo"), 1},
        {U("ALFA"), U("alfa"), 0},                 // equal text: interchangeable
        {U("_zeta"), U("alfa"), 1},                // '_' comes after every letter
        {U("_zeta"), U("Zeta"), 1},
        {U("Zeta"), U("[zeta"), -1},               // 'Z' before '[' (next code unit)
        {U(" Panda"), U("Audi"), -1},              // a blank before letters and digits
        {U("9"), U("A"), -1},
        {U("Fiat"), U("Fiat Panda"), -1},          // a beginning comes first
        {U(""), U("a"), -1},
        {U("\xc3\x88"), U("\xc3\xa8"), -1},        // È and è keep their own codes
        {U("e"), U("\xc3\xa8"), -1},               // è after every ASCII letter
        {U("\xc3\xa8"), U("F"), 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.a.toStdString() + " <> " + c.b.toStdString());
        const int r = CompareListLines(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign);
    }
}

TEST(ListOrderTest, SortsLikeTheList) {
    QStringList lines = {U("_Subaru"), U("Alfa Spider"), U("fiat uno"), U("alfa romeo"), U("Fiat"),
                         U(" Panda"),  U("FIAT UNO"),   U("Citro\xc3\xabn"), U("Citroen")};
    SortListLines(lines);
    EXPECT_EQ(lines, (QStringList{U(" Panda"), U("alfa romeo"), U("Alfa Spider"), U("Citroen"),
                                  U("Citro\xc3\xabn"), U("Fiat"), U("fiat uno"), U("FIAT UNO"), U("_Subaru")}));
}

// Lines that share beginnings of every length around a multiple of eight,
// end anywhere and hold the characters around U+00FF (where one byte no
// longer holds a code unit), the null character and the highest unit: the
// order stays that of a stable sort by CompareListLines.
TEST(ListOrderTest, SortsLongSharedBeginningsAndHighCharacters) {
    QRandomGenerator g(20240611);
    const char16_t units[] = {u'a', u'A', u'z', u'Z', u' ', u'_', u'[', u'0', 0x0000, 0x00FD,
                              0x00FE, 0x00FF, 0x0100, 0x20AC, 0xFFFF};
    for (int round = 0; round < 24; ++round) {
        const QString shared(round % 12 + 5, u'm');  // 5 to 16 units in common
        QStringList lines;
        const int count = 1 + g.bounded(round < 12 ? 60 : 4000);
        for (int i = 0; i < count; ++i) {
            QString line = g.bounded(8) == 0 ? shared.left(g.bounded(int(shared.size()))) : shared;
            const int tail = g.bounded(12);
            for (int k = 0; k < tail; ++k) line += QChar(units[g.bounded(int(std::size(units)))]);
            lines.append(line);
        }
        QStringList expected = lines;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const QString &a, const QString &b) { return CompareListLines(a, b) < 0; });
        SortListLines(lines);
        ASSERT_EQ(lines, expected) << "round " << round;
    }
}

// ---- the criteria ----------------------------------------------------------

TEST(CriteriaMatchTest, EveryFilledCriterionMustOccurAsTyped) {
    const QStringList makes = {U("FIAT"), U("Fiat"), U("Fiat Auto"), U("Citro\xc3\xabn"), U("\xc3\xa8lan"),
                               U("Lancia")};
    struct Case {
        const char *label;
        std::vector<Criterion> criteria;
        QStringList listed;
        int filled;
    };
    const Case cases[] = {
        {"no criterion lists everything", {}, makes, 0},
        {"blank criteria take no part", {{"Marca", U("   ")}, {"Note", U("\t")}}, makes, 0},
        {"small letters find any case", {{"Marca", U("fiat")}}, {U("FIAT"), U("Fiat"), U("Fiat Auto")}, 1},
        {"capitals too", {{"Marca", U("FIA")}}, {U("FIAT"), U("Fiat"), U("Fiat Auto")}, 1},
        {"a trailing blank must be there", {{"Marca", U("fiat ")}}, {U("Fiat Auto")}, 1},
        {"a leading blank must be there", {{"Marca", U(" auto")}}, {U("Fiat Auto")}, 1},
        {"accents are not folded", {{"Marca", U("citroen")}}, {}, 1},
        {"accents keep their case", {{"Marca", U("\xc3\x88")}}, {}, 1},
        {"an accent finds itself", {{"Marca", U("\xc3\xa8")}}, {U("\xc3\xa8lan")}, 1},
        {"two criteria must both hit",
         {{"Marca", U("fiat")}, {"Targa", U("zz")}},
         {U("Fiat")},
         2},
        {"a third blank criterion changes nothing",
         {{"Marca", U("fiat")}, {"Targa", U("zz")}, {"Note", U("  ")}},
         {U("Fiat")},
         2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const CriteriaMatch match(VehicleRecord, c.criteria);
        EXPECT_EQ(match.FilledCount(), c.filled);
        QStringList listed;
        for (const QString &make : makes) {
            Record r(VehicleRecord);
            r.SetText("Marca", make);
            r.SetText("Targa", make == U("Fiat") ? U("ZZ999") : U("AA000"));
            if (match.Matches(r)) listed.append(make);
        }
        EXPECT_EQ(listed, c.listed);
    }
}

TEST(CriteriaMatchTest, ReadsTheFieldAsStored) {
    Record r(VehicleRecord);
    r.SetText("Note", QString(250, u'x') + QStringLiteral("tail"));  // cut to 250 when stored
    EXPECT_FALSE(CriteriaMatch(VehicleRecord, std::vector<Criterion>{{"Note", U("tail")}}).Matches(r));
    EXPECT_TRUE(CriteriaMatch(VehicleRecord, std::vector<Criterion>{{"Note", QString(250, u'X')}}).Matches(r));
    // A foreign length byte above the capacity reads as the capacity.
    const int targa = VehicleRecord.Offset("Targa");
    r.Bytes()[targa] = char(200);
    for (int i = 1; i <= 31; ++i) r.Bytes()[targa + i] = 'X';  // the 31st is the next field's length byte
    EXPECT_TRUE(CriteriaMatch(VehicleRecord, std::vector<Criterion>{{"Targa", QString(30, u'x')}}).Matches(r));
    EXPECT_FALSE(CriteriaMatch(VehicleRecord, std::vector<Criterion>{{"Targa", QString(31, u'x')}}).Matches(r));
}

// The field is met as stored, not trimmed: a text cut at its capacity just
// after a blank keeps it, and a foreign record's blanks around a text are
// there too. The price list's match trims the field first.
TEST(CriteriaMatchTest, TheFieldIsMetAsStoredBlanksIncluded) {
    Record r(VehicleRecord);
    r.SetText("Targa", QStringLiteral("AB 123 CD 456 EF 789 GH 01 IJ KL"));  // 30 stored: "... IJ "
    ASSERT_EQ(r.Text("Targa"), QStringLiteral("AB 123 CD 456 EF 789 GH 01 IJ"));
    const int marca = VehicleRecord.Offset("Marca");
    r.Bytes()[marca] = 7;  // a foreign record: " Fiat  " with its blanks
    r.Bytes().replace(marca + 1, 7, " Fiat  ");
    const struct {
        const char *field;
        const char *typed;
        bool asStored, trimmed;
    } cases[] = {
        {"Targa", "ij ", true, false},   {"Targa", "IJ", true, true},     {"Targa", "ij k", false, false},
        {"Marca", " fiat", true, false}, {"Marca", "fiat  ", true, false}, {"Marca", "fiat", true, true},
        {"Marca", "fiat   ", false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " '" + c.typed + "'");
        const std::vector<Criterion> criteria{{c.field, QString::fromLatin1(c.typed)}};
        EXPECT_EQ(CriteriaMatch(VehicleRecord, criteria).Matches(r), c.asStored);
        EXPECT_EQ(CriteriaMatch(VehicleRecord, criteria, FieldText::Trimmed).Matches(r), c.trimmed);
    }
}

// ---- collecting the lines of an archive --------------------------------------

TEST(CollectListLinesTest, ReadsEveryRecordInFileOrder) {
    test::TestFolder folder;
    const QString path = ProgramPath(QStringLiteral("Flotta_Automezzi.pro"));
    QStringList lines;
    // A missing archive is created empty.
    CollectListLines(path, VehicleRecord, {}, VehicleListLine, lines);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_TRUE(folder.Exists(QStringLiteral("Flotta_Automezzi.pro")));
    {
        ArchiveFile archive;
        archive.OpenArchivePath(path, VehicleRecord);
        for (const char *make : {"Lancia", "Fiat", "Audi"}) {
            Record r(VehicleRecord);
            r.SetText("Marca", U(make));
            archive.AppendRecord(r);
        }
    }
    CollectListLines(
        path, VehicleRecord, [](const Record &r) { return r.Text("Marca") != U("Fiat"); },
        [](const Record &r) { return r.Text("Marca"); }, lines);
    EXPECT_EQ(lines, (QStringList{U("Lancia"), U("Audi")}));

    folder.Block(QStringLiteral("Bloccato.pro"));
    EXPECT_THROW(CollectListLines(ProgramPath(QStringLiteral("Bloccato.pro")), VehicleRecord, {}, VehicleListLine,
                                  lines),
                 ArchiveError);
}

// ---- finding a text in the list ----------------------------------------------

TEST(FindNextInListTest, Steps) {
    const QStringList lines = {U("Alfa Rossi"), U("Fiat Verdi"), U("Lancia Rossi"), U("Opel Bianchi"),
                               U("Seat ROSSI"), U("Volvo Neri")};
    struct Step {
        int selected;        // before the find (-1: nothing selected)
        const char *typed;
        const char *last;    // the text remembered from the last find
        int expected;
        const char *remembered;
    };
    struct Case {
        const char *label;
        Step step;
    };
    const Case cases[] = {
        {"a new text starts from the first line", {-1, "rossi", "", 0, "rossi"}},
        {"a new text tests the first line even when another is selected", {3, "rossi", "", 0, "rossi"}},
        {"a new text ignores the selection", {3, "bianchi", "rossi", 3, "bianchi"}},
        {"the same text goes on after the selection", {0, "rossi", "rossi", 2, "rossi"}},
        {"and again", {2, "rossi", "rossi", 4, "rossi"}},
        {"after the last hit it wraps to the first", {4, "rossi", "rossi", 0, "rossi"}},
        {"a change of case only goes on", {4, "ROSSI", "rossi", 0, "rossi"}},
        {"only one hit: the selection stays on it", {3, "bianchi", "bianchi", 3, "bianchi"}},
        {"a new text starts again", {4, "verdi", "rossi", 1, "verdi"}},
        {"no hit keeps the selection", {2, "zzz", "", 2, "zzz"}},
        {"no hit and nothing selected selects the first line", {-1, "zzz", "", 0, "zzz"}},
        {"an empty text hits nothing", {3, "", "rossi", 3, ""}},
        {"a blank is searched as typed", {-1, " neri", "", 5, " neri"}},
        {"a repeated text with nothing selected starts after the first line", {-1, "rossi", "rossi", 2, "rossi"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const FindStep step = FindNextInList(lines, c.step.selected, U(c.step.typed), U(c.step.last));
        EXPECT_EQ(step.selected, c.step.expected);
        EXPECT_EQ(step.lastFindText, U(c.step.remembered));
    }
}

TEST(FindNextInListTest, ClickingTheFifthLineThenRepeatingInCapitals) {
    const QStringList lines = {U("Rossi 1"), U("x"), U("Rossi 2"), U("y"), U("z"), U("Rossi 3"), U("Verdi")};
    FindStep step = FindNextInList(lines, -1, U("rossi"), QString());
    EXPECT_EQ(step.selected, 0);
    step = FindNextInList(lines, 4, U("ROSSI"), step.lastFindText);  // the user clicked the fifth line
    EXPECT_EQ(step.selected, 5);
    step = FindNextInList(lines, step.selected, U("verdi"), step.lastFindText);
    EXPECT_EQ(step.selected, 6);
    step = FindNextInList(lines, step.selected, U("verdi"), step.lastFindText);
    EXPECT_EQ(step.selected, 6);
}

TEST(FindNextInListTest, EmptyListChangesNothing) {
    const FindStep step = FindNextInList(QStringList{}, -1, U("rossi"), U("verdi"));
    EXPECT_EQ(step.selected, -1);
    EXPECT_EQ(step.lastFindText, U("verdi"));
}

}  // namespace
}  // namespace vel
