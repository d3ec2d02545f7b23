// The scan of a search: records looked at where they lie in the archive's
// read block (Record::ViewBytes, ArchiveFile::ReadNextInPlace) must give the
// very lines and tests that copied records give.
#include <gtest/gtest.h>

#include <QFile>
#include <vector>

#include "CommonTest.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "support/Fakes.h"
#include "support/ReadFault.h"

namespace vel {
namespace {

QString U(const char *utf8) { return QString::fromUtf8(utf8); }

const QString kFleet = QStringLiteral("Flotta_Automezzi.pro");

// Vehicles of varied shape: accented and euro signs, blanks to trim, empty
// fields, notes up to the field's capacity, a length byte above a field's
// capacity and bytes the code page leaves unassigned.
Record VariedVehicle(int i) {
    static const char *const makes[] = {"Fiat", "Citro\xC3\xABn", "  Lancia ", "", "Alfa Romeo", "Seat"};
    static const char *const people[] = {"Nicol\xC3\xB2 Ferr\xC3\xA0", "Rossi Mario", "", "  D'Amico  "};
    Record r(VehicleRecord);
    r.SetText("Marca", U(makes[i % 6]));
    r.SetText("Modello", i % 5 == 0 ? QString() : QStringLiteral("Modello %1").arg(i % 7));
    r.SetText("Targa", QStringLiteral("AB%1CD").arg(i, 3, 10, QChar(u'0')));
    r.SetText("Conducente", U(people[i % 4]));
    r.SetText("Recapito", QStringLiteral("0%1").arg(100000 + i * 37));
    if (i % 3 == 0) r.SetText("Note", U("Tagliando \xE2\x82\xAC 120, gomme nuove"));
    if (i % 11 == 0) r.SetText("Note", QString(250, u'n'));
    if (i % 13 == 0) r.Bytes()[VehicleRecord.Offset("Targa")] = char(0xFF);
    if (i % 17 == 0) {
        const int note = VehicleRecord.Offset("Note");
        r.Bytes()[note] = 4;
        r.Bytes()[note + 1] = char(0x81);
        r.Bytes()[note + 2] = 'x';
        r.Bytes()[note + 3] = char(0x9F);
        r.Bytes()[note + 4] = char(0xE8);
    }
    return r;
}

struct Fleet {
    std::vector<Record> records;
    QByteArray bytes;
};

Fleet WriteVariedFleet(const test::TestFolder &folder, int count, const QByteArray &stray = {}) {
    Fleet fleet;
    for (int i = 0; i < count; ++i) {
        fleet.records.push_back(VariedVehicle(i));
        fleet.bytes += fleet.records.back().Bytes();
    }
    folder.Write(kFleet, fleet.bytes + stray);
    return fleet;
}

TEST(RecordViewTest, ReadsTheBytesWhereTheyLieAndCopiesThemBeforeAnyChange) {
    QByteArray outside = VariedVehicle(4).Bytes();
    Record view(VehicleRecord);
    EXPECT_FALSE(view.IsView());
    view.ViewBytes(outside.constData());
    EXPECT_TRUE(view.IsView());
    EXPECT_EQ(view.Bytes().constData(), outside.constData());  // not copied
    EXPECT_EQ(view.Bytes().size(), VehicleRecord.Size());
    EXPECT_EQ(view.Text("Marca"), U("Alfa Romeo"));

    // Copies hold their own bytes, whether made or assigned.
    const Record copy = view;
    Record assigned(VehicleRecord);
    assigned = view;
    for (const Record *r : {&copy, const_cast<const Record *>(&assigned)}) {
        EXPECT_FALSE(r->IsView());
        EXPECT_NE(r->Bytes().constData(), outside.constData());
        EXPECT_EQ(r->Bytes(), outside);
    }
    // The view reads the bytes as they now are; the copies keep theirs.
    const QByteArray before(outside.constData(), outside.size());
    Record other = VariedVehicle(5);
    std::copy(other.Bytes().cbegin(), other.Bytes().cend(), outside.data());
    EXPECT_EQ(view.Text("Marca"), U("Seat"));
    EXPECT_EQ(copy.Bytes(), before);
    EXPECT_EQ(assigned.Bytes(), before);

    // Changing the view leaves the bytes it was over as they were.
    view.SetText("Marca", U("Lancia"));
    EXPECT_EQ(view.Text("Marca"), U("Lancia"));
    EXPECT_EQ(view.Text("Targa"), other.Text("Targa"));
    EXPECT_EQ(outside, other.Bytes());
}

TEST(CollectListLinesScanTest, ListsWhatCopiedRecordsWouldListAcrossBlocks) {
    test::TestFolder folder;
    // 200 records span three read blocks; the stray bytes after them are no record.
    const Fleet fleet = WriteVariedFleet(folder, 200, QByteArray(100, 'z'));
    const auto accepted = [](const Record &r) { return r.Text("Marca") != U("Fiat"); };

    QStringList expected{U("gi\xC3\xA0 in lista")};
    for (const Record &r : fleet.records)
        if (accepted(r)) expected << BuildListLine(r, VehicleListColumns());
    ASSERT_GT(expected.size(), 100);

    // Records the test keeps outlive the block they were read from.
    std::vector<Record> kept;
    QStringList lines{U("gi\xC3\xA0 in lista")};
    CollectListLines(
        ProgramPath(kFleet), VehicleRecord,
        [&](const Record &r) {
            kept.push_back(r);
            return accepted(r);
        },
        VehicleListLine, lines);
    EXPECT_EQ(lines, expected);
    ASSERT_EQ(kept.size(), fleet.records.size());
    for (size_t i = 0; i < kept.size(); ++i) {
        EXPECT_FALSE(kept[i].IsView());
        ASSERT_EQ(kept[i].Bytes(), fleet.records[i].Bytes()) << "record " << i + 1;
    }

    // With no test every record comes, each of them whole.
    QStringList whole;
    CollectListLines(
        ProgramPath(kFleet), VehicleRecord, {},
        [](const Record &r) { return QString::fromLatin1(r.Bytes().toHex()); }, whole);
    ASSERT_EQ(whole.size(), 200);
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(whole[i], QString::fromLatin1(fleet.records[size_t(i)].Bytes().toHex())) << "record " << i + 1;
}

TEST(CollectListLinesScanTest, AReadFailurePartWayKeepsTheLinesReadBeforeIt) {
    test::TestFolder folder;
    const Fleet fleet = WriteVariedFleet(folder, 200);
    QStringList lines{U("prima")};
    {
        test::ReadFault badSectors(folder.Path(kFleet), qint64(100) * VehicleRecord.Size());
        EXPECT_THROW(CollectListLines(ProgramPath(kFleet), VehicleRecord, {}, VehicleListLine, lines), ArchiveError);
        EXPECT_GE(badSectors.Refused(), 1);
    }
    // The lines of the records before the failure, in file order, and no line
    // of a record at or after it.
    ASSERT_GT(lines.size(), 1);
    ASSERT_LE(lines.size(), 101);
    EXPECT_EQ(lines.first(), U("prima"));
    for (qsizetype i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], VehicleListLine(fleet.records[size_t(i - 1)])) << "record " << i;

    // The archive itself is as it was, and a new scan lists it whole.
    EXPECT_EQ(folder.Read(kFleet), fleet.bytes);
    lines.clear();
    CollectListLines(ProgramPath(kFleet), VehicleRecord, {}, VehicleListLine, lines);
    EXPECT_EQ(lines.size(), 200);
}

TEST(CollectListLinesScanTest, AnArchiveShorterThanOneRecordListsNothing) {
    test::TestFolder folder;
    folder.Write(kFleet, QByteArray(VehicleRecord.Size() - 1, 'x'));
    QStringList lines;
    int tested = 0;
    CollectListLines(
        ProgramPath(kFleet), VehicleRecord, [&](const Record &) { return ++tested, true; }, VehicleListLine, lines);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(tested, 0);
}

}  // namespace
}  // namespace vel
