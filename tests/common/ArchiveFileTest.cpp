#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>

#include "CommonTest.h"
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "support/Fakes.h"
#include "support/PipeTrap.h"
#include "support/WriteFault.h"
#include "support/WriteLimit.h"

namespace vel {
namespace {

using test::TestFolder;

const QString kFleet = QStringLiteral("Flotta_Automezzi.pro");

class ArchiveFileTest : public ::testing::Test {
protected:
    QStringList Entries() const {
        return QDir(folder_.Path(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    // A vehicle record whose first and last fields both say which one it is,
    // so a record read from the wrong place or cut short shows up.
    static Record Vehicle(const QString &name) {
        Record r(VehicleRecord);
        r.SetText("Veicolo", name);
        r.SetText("Desc03", name + QStringLiteral(" (fine)"));
        return r;
    }
    static void ExpectVehicle(const Record &r, const QString &name) {
        EXPECT_EQ(r.Text("Veicolo"), name);
        EXPECT_EQ(r.Text("Desc03"), name + QStringLiteral(" (fine)"));
    }

    // An archive of n vehicle records written straight to disk.
    QByteArray WriteFleet(int n) const {
        QByteArray bytes;
        for (int i = 1; i <= n; ++i) bytes += Vehicle(QStringLiteral("Veicolo %1").arg(i)).Bytes();
        folder_.Write(kFleet, bytes);
        return bytes;
    }

    TestFolder folder_;
};

TEST_F(ArchiveFileTest, FailureTexts) {
    EXPECT_EQ(ArchiveFailureMessage(),
              QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                             "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                             "installazione del programma."));
    EXPECT_EQ(EmptyArchiveNotice(), QStringLiteral("L'archivio non contiene nessuna scheda."));
}

// ---- Opening -------------------------------------------------------------

TEST_F(ArchiveFileTest, OpeningAMissingArchiveCreatesItEmptyInTheProgramFolder) {
    ASSERT_EQ(ProgramPath(kFleet), folder_.Path(kFleet));
    ArchiveFile archive;
    archive.OpenArchive(kFleet, VehicleRecord);
    EXPECT_TRUE(archive.IsOpen());
    EXPECT_EQ(archive.RecordCount(), 0);
    EXPECT_EQ(archive.Position(), 0);
    archive.CloseArchive();
    EXPECT_FALSE(archive.IsOpen());
    ASSERT_TRUE(folder_.Exists(kFleet));
    EXPECT_EQ(QFileInfo(folder_.Path(kFleet)).size(), 0);
}

TEST_F(ArchiveFileTest, OpeningAnExistingArchiveLeavesItAsItIs) {
    const QByteArray bytes = WriteFleet(2) + "x";
    folder_.Write(kFleet, bytes);
    {
        ArchiveFile archive;
        archive.OpenArchive(kFleet, VehicleRecord);
        EXPECT_EQ(archive.RecordCount(), 2);
    }
    EXPECT_EQ(folder_.Read(kFleet), bytes);
}

TEST_F(ArchiveFileTest, AnArchiveThatCannotBeOpenedIsAnErrorAndNothingIsCreated) {
    folder_.Block(kFleet);
    ArchiveFile archive;
    EXPECT_THROW(archive.OpenArchive(kFleet, VehicleRecord), ArchiveError);
    EXPECT_FALSE(archive.IsOpen());
    EXPECT_TRUE(QFileInfo(folder_.Path(kFleet)).isDir());
    EXPECT_TRUE(QDir(folder_.Path(kFleet)).isEmpty());
    EXPECT_EQ(Entries(), QStringList{kFleet});
}

// A named pipe, or a link that leads nowhere, at the archive's name is not
// an archive: it is neither opened nor replaced by a new file.
TEST_F(ArchiveFileTest, AnArchiveThatIsNoPlainFileIsAnError) {
    {
        test::PipeTrap pipe(folder_.Path(kFleet));
        ASSERT_TRUE(pipe.Made());
        ArchiveFile archive;
        EXPECT_THROW(archive.OpenArchive(kFleet, VehicleRecord), ArchiveError);
        EXPECT_FALSE(archive.IsOpen());
        EXPECT_FALSE(pipe.Opened());
    }
    ASSERT_TRUE(QFile::remove(folder_.Path(kFleet)));
    ASSERT_TRUE(QFile::link(folder_.Path(QStringLiteral("altrove.pro")), folder_.Path(kFleet)));
    ArchiveFile archive;
    EXPECT_THROW(archive.OpenArchive(kFleet, VehicleRecord), ArchiveError);
    EXPECT_TRUE(QFileInfo(folder_.Path(kFleet)).isSymLink());
    EXPECT_FALSE(folder_.Exists(QStringLiteral("altrove.pro")));
}

TEST_F(ArchiveFileTest, AnArchiveInAMissingFolderIsAnError) {
    ArchiveFile archive;
    EXPECT_THROW(archive.OpenArchive(QStringLiteral("manca/") + kFleet, VehicleRecord), ArchiveError);
    EXPECT_FALSE(archive.IsOpen());
    EXPECT_TRUE(Entries().isEmpty()) << Entries().join(' ').toStdString();
}

TEST_F(ArchiveFileTest, CountsWholeRecordsOnly) {
    const struct {
        const RecordLayout *layout;
        qsizetype length;
        int count;
    } cases[] = {
        {&VehicleRecord, 0, 0},    {&VehicleRecord, 1, 0},    {&VehicleRecord, 3634, 0},
        {&VehicleRecord, 3635, 1}, {&VehicleRecord, 7270, 2}, {&VehicleRecord, 7271, 2},
        {&BookingRecord, 704 * 3 - 1, 2}, {&BookingRecord, 704 * 3, 3},
        {&PlannerRecord, 18850, 1}, {&PlannerRecord, 18849, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.layout->Name()) + " " + std::to_string(c.length));
        folder_.Write(kFleet, QByteArray(c.length, '\x07'));
        ArchiveFile archive;
        archive.OpenArchive(kFleet, *c.layout);
        EXPECT_EQ(archive.RecordCount(), c.count);
    }
}

// ---- Reading -------------------------------------------------------------

TEST_F(ArchiveFileTest, ReadsRecordsByNumberAndInSequence) {
    WriteFleet(5);
    ArchiveFile archive;
    archive.OpenArchive(kFleet, VehicleRecord);
    ASSERT_EQ(archive.RecordCount(), 5);
    Record r(VehicleRecord);

    for (int n : {3, 1, 5, 2}) {
        SCOPED_TRACE(n);
        archive.ReadRecord(n, r);
        EXPECT_EQ(archive.Position(), n);
        ExpectVehicle(r, QStringLiteral("Veicolo %1").arg(n));
    }
    // Sequential reads carry on from the last record read.
    archive.ReadRecord(3, r);
    archive.ReadNextRecord(r);
    EXPECT_EQ(archive.Position(), 4);
    ExpectVehicle(r, QStringLiteral("Veicolo 4"));
}

TEST_F(ArchiveFileTest, ScanReadsEveryRecordInOrderAndStopsBeforeStrayBytes) {
    folder_.Write(kFleet, WriteFleet(4) + "stray");
    ArchiveFile archive;
    archive.OpenArchive(kFleet, VehicleRecord);
    Record r(VehicleRecord);
    QStringList seen;
    while (archive.Position() < archive.RecordCount()) {
        archive.ReadNextRecord(r);
        seen << r.Text("Veicolo");
    }
    EXPECT_EQ(seen, (QStringList{"Veicolo 1", "Veicolo 2", "Veicolo 3", "Veicolo 4"}));
}

TEST_F(ArchiveFileTest, ReopeningStartsAgainFromTheFirstRecord) {
    WriteFleet(3);
    ArchiveFile archive;
    Record r(VehicleRecord);
    archive.OpenArchive(kFleet, VehicleRecord);
    archive.ReadRecord(3, r);
    archive.CloseArchive();
    archive.OpenArchive(kFleet, VehicleRecord);
    EXPECT_EQ(archive.Position(), 0);
    archive.ReadNextRecord(r);
    ExpectVehicle(r, QStringLiteral("Veicolo 1"));
}

// ---- Writing -------------------------------------------------------------

TEST_F(ArchiveFileTest, WriteRecordOverwritesInPlace) {
    const QByteArray before = WriteFleet(3) + "xyz";
    const Record changed = Vehicle(QStringLiteral("Nuovo"));
    for (int n : {1, 2, 3}) {
        SCOPED_TRACE(n);
        folder_.Write(kFleet, before);
        {
            ArchiveFile archive;
            archive.OpenArchive(kFleet, VehicleRecord);
            archive.WriteRecord(n, changed);
            EXPECT_EQ(archive.RecordCount(), 3);
            Record r(VehicleRecord);
            archive.ReadRecord(n, r);
            EXPECT_EQ(r.Bytes(), changed.Bytes());
        }
        QByteArray expected = before;
        expected.replace((n - 1) * 3635, 3635, changed.Bytes());
        EXPECT_EQ(folder_.Read(kFleet), expected);
    }
}

TEST_F(ArchiveFileTest, AppendGoesAfterTheLastWholeRecordOverStrayBytes) {
    const QByteArray two = WriteFleet(2);
    folder_.Write(kFleet, two + "s");
    ASSERT_EQ(folder_.Read(kFleet).size(), 7271);
    const Record third = Vehicle(QStringLiteral("Terzo"));
    {
        ArchiveFile archive;
        archive.OpenArchive(kFleet, VehicleRecord);
        EXPECT_EQ(archive.AppendRecord(third), 3);
        EXPECT_EQ(archive.RecordCount(), 3);
        Record r(VehicleRecord);
        archive.ReadRecord(3, r);
        ExpectVehicle(r, QStringLiteral("Terzo"));
    }
    const QByteArray after = folder_.Read(kFleet);
    EXPECT_EQ(after.size(), 10905);
    EXPECT_EQ(after, two + third.Bytes());
}

TEST_F(ArchiveFileTest, AppendingTheSameRecordTwiceGivesTwoRecords) {
    const Record r = Vehicle(QStringLiteral("Doppio"));
    {
        ArchiveFile archive;
        archive.OpenArchive(kFleet, VehicleRecord);
        EXPECT_EQ(archive.AppendRecord(r), 1);
        EXPECT_EQ(archive.AppendRecord(r), 2);
        EXPECT_EQ(archive.RecordCount(), 2);
    }
    EXPECT_EQ(folder_.Read(kFleet), r.Bytes() + r.Bytes());
    // A later command sees both.
    ArchiveFile archive;
    archive.OpenArchive(kFleet, VehicleRecord);
    EXPECT_EQ(archive.RecordCount(), 2);
    EXPECT_EQ(archive.AppendRecord(Vehicle(QStringLiteral("Terzo"))), 3);
}

// A disk that fills up half way through a record: the archive goes back to
// its length before the append, so no partial record is ever counted, and the
// same archive takes the record once there is room again.
TEST_F(ArchiveFileTest, AFailedAppendLeavesTheArchiveAsItWas) {
    for (const QByteArray &stray : {QByteArray(), QByteArray("s")}) {
        SCOPED_TRACE(stray.size());
        const QByteArray one = WriteFleet(1);
        const QByteArray before = one + stray;
        folder_.Write(kFleet, before);
        ArchiveFile archive;
        archive.OpenArchive(kFleet, VehicleRecord);
        {
            test::WriteLimit full(before.size() + 1000);
            EXPECT_THROW(archive.AppendRecord(Vehicle(QStringLiteral("Secondo"))), ArchiveError);
        }
        EXPECT_EQ(archive.RecordCount(), 1);
        // Stray bytes after the last record may have been written over; the
        // records and the length are as they were.
        EXPECT_EQ(folder_.Read(kFleet).size(), before.size());
        EXPECT_EQ(folder_.Read(kFleet).left(one.size()), one);
        EXPECT_EQ(archive.AppendRecord(Vehicle(QStringLiteral("Secondo"))), 2);
        archive.CloseArchive();
        EXPECT_EQ(folder_.Read(kFleet), one + Vehicle(QStringLiteral("Secondo")).Bytes());
    }
}

// An overwrite that fails, before its first byte, part way through, or for
// want of room to reserve the record, leaves the file byte for byte as it
// was; the archive goes on serving reads and writes. A file system that
// cannot reserve still gets the record, or its old bytes back.
TEST_F(ArchiveFileTest, AFailedOverwriteLeavesTheRecordAsItWas) {
    using Reserve = test::WriteFault::Reserve;
    constexpr qint64 kSecond = 3635;  // record 2 begins here
    const struct {
        const char *what;
        qint64 failFrom;  // byte of the file from which writes fail
        Reserve reserve;
        bool fails;
    } cases[] = {
        {"before the first byte", kSecond, Reserve::Granted, true},
        {"after the first byte", kSecond + 1, Reserve::Granted, true},
        {"half way", kSecond + 3635 / 2, Reserve::Granted, true},
        {"at the last byte", kSecond + 3634, Reserve::Granted, true},
        {"no room to reserve", kSecond + 3635, Reserve::Refused, true},
        {"no reserve, half way", kSecond + 3635 / 2, Reserve::Unsupported, true},
        {"no reserve, room enough", kSecond + 3635, Reserve::Unsupported, false},
    };
    const QByteArray before = WriteFleet(3) + "xyz";
    const Record changed = Vehicle(QStringLiteral("Nuovo"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        folder_.Write(kFleet, before);
        ArchiveFile archive;
        archive.OpenArchive(kFleet, VehicleRecord);
        Record r(VehicleRecord);
        archive.ReadRecord(1, r);  // the block read holds record 2's old bytes
        {
            test::WriteFault full(folder_.Path(kFleet), c.failFrom, c.reserve);
            if (c.fails) {
                EXPECT_THROW(archive.WriteRecord(2, changed), ArchiveError);
            } else {
                EXPECT_NO_THROW(archive.WriteRecord(2, changed));
            }
            EXPECT_EQ(full.Reserves(), 1);
            // The fault met the write itself, unless the reserve stopped it first.
            EXPECT_EQ(full.Refused() > 0, c.fails && c.reserve != Reserve::Refused);
        }
        QByteArray expected = before;
        if (!c.fails) expected.replace(kSecond, 3635, changed.Bytes());
        EXPECT_EQ(folder_.Read(kFleet), expected);
        EXPECT_EQ(archive.RecordCount(), 3);
        archive.ReadRecord(2, r);
        EXPECT_EQ(r.Bytes(), expected.mid(kSecond, 3635));

        // The same write, with room, goes through.
        archive.WriteRecord(2, changed);
        archive.ReadNextRecord(r);
        ExpectVehicle(r, QStringLiteral("Veicolo 3"));
        archive.CloseArchive();
        expected.replace(kSecond, 3635, changed.Bytes());
        EXPECT_EQ(folder_.Read(kFleet), expected);
    }
}

// The largest archive a record number can count (2^31 - 1 records, here a
// sparse file) takes no further record: refused as too large, nothing written.
TEST_F(ArchiveFileTest, AnArchiveAtTheLargestCountTakesNoMoreRecords) {
    const QString name = QStringLiteral("2026.car");
    const qint64 full = qint64(INT_MAX) * BookingRecord.Size();
    {
        QFile file(folder_.Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(full));
    }
    ArchiveFile archive;
    archive.OpenArchive(name, BookingRecord);
    ASSERT_EQ(archive.RecordCount(), INT_MAX);
    EXPECT_THROW(archive.AppendRecord(Record(BookingRecord)), ArchiveError);
    EXPECT_EQ(archive.RecordCount(), INT_MAX);
    archive.CloseArchive();
    EXPECT_EQ(QFileInfo(folder_.Path(name)).size(), full);
}

TEST_F(ArchiveFileTest, RecordNumbersOutsideTheArchiveAreRefusedAndChangeNothing) {
    const QByteArray before = WriteFleet(3) + "ab";
    folder_.Write(kFleet, before);
    const Record other = Vehicle(QStringLiteral("Altro"));
    for (int n : {0, -1, 4, 5, 1000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(n);
        {
            ArchiveFile archive;
            archive.OpenArchive(kFleet, VehicleRecord);
            Record r(VehicleRecord);
            EXPECT_THROW(archive.ReadRecord(n, r), ArchiveError);
            EXPECT_THROW(archive.WriteRecord(n, other), ArchiveError);
            EXPECT_EQ(archive.RecordCount(), 3);
            // The archive is still usable after the refusal.
            archive.ReadRecord(2, r);
            ExpectVehicle(r, QStringLiteral("Veicolo 2"));
        }
        EXPECT_EQ(folder_.Read(kFleet), before);
    }
}

TEST_F(ArchiveFileTest, AnEmptyArchiveHasNoRecordToReadOrWrite) {
    ArchiveFile archive;
    archive.OpenArchive(kFleet, VehicleRecord);
    Record r(VehicleRecord);
    EXPECT_THROW(archive.ReadRecord(1, r), ArchiveError);
    EXPECT_THROW(archive.WriteRecord(1, r), ArchiveError);
    archive.CloseArchive();
    EXPECT_EQ(QFileInfo(folder_.Path(kFleet)).size(), 0);
}

// A record of another type has another size: taking it would read or write
// past one of the two.
TEST_F(ArchiveFileTest, ARecordOfAnotherTypeIsRefused) {
    const QByteArray before = WriteFleet(2);
    {
        ArchiveFile archive;
        archive.OpenArchive(kFleet, VehicleRecord);
        Record customer(CustomerRecord);
        Record contract(ContractRecord);
        EXPECT_THROW(archive.ReadRecord(1, customer), ArchiveError);
        EXPECT_THROW(archive.ReadNextRecord(contract), ArchiveError);
        EXPECT_THROW(archive.WriteRecord(1, contract), ArchiveError);
        EXPECT_THROW(archive.AppendRecord(customer), ArchiveError);
        EXPECT_EQ(archive.RecordCount(), 2);
    }
    EXPECT_EQ(folder_.Read(kFleet), before);
}

// ---- Block reads ---------------------------------------------------------

// 200 vehicle records take about 710 KiB, several read blocks.
constexpr int kLargeFleet = 200;

TEST_F(ArchiveFileTest, ScanOfALargeArchiveReturnsEveryRecordInOrder) {
    WriteFleet(kLargeFleet);
    ArchiveFile archive;
    archive.OpenArchive(kFleet, VehicleRecord);
    ASSERT_EQ(archive.RecordCount(), kLargeFleet);
    Record r(VehicleRecord);
    int n = 0;
    while (archive.Position() < archive.RecordCount()) {
        archive.ReadNextRecord(r);
        ++n;
        ASSERT_EQ(archive.Position(), n);
        ASSERT_EQ(r.Bytes(), Vehicle(QStringLiteral("Veicolo %1").arg(n)).Bytes()) << "record " << n;
    }
    EXPECT_EQ(n, kLargeFleet);
    // Going back after the scan reads from the file again, not from what the
    // last block held.
    for (int k : {1, 72, 73, 144, 145, 200, 100}) {
        archive.ReadRecord(k, r);
        EXPECT_EQ(r.Bytes(), Vehicle(QStringLiteral("Veicolo %1").arg(k)).Bytes()) << "record " << k;
    }
}

TEST_F(ArchiveFileTest, WritesBetweenSequentialReadsAreSeenByLaterReads) {
    WriteFleet(kLargeFleet);
    ArchiveFile archive;
    archive.OpenArchive(kFleet, VehicleRecord);
    Record r(VehicleRecord);
    archive.ReadRecord(1, r);
    archive.ReadNextRecord(r);  // records after 2 may now be held in memory

    for (int n : {3, 5, 60, 150, 200}) archive.WriteRecord(n, Vehicle(QStringLiteral("Nuovo %1").arg(n)));
    for (int n : {5, 3, 60, 150, 200}) {
        SCOPED_TRACE(n);
        archive.ReadRecord(n, r);
        ExpectVehicle(r, QStringLiteral("Nuovo %1").arg(n));
    }
    // And in a scan from the start.
    archive.ReadRecord(1, r);
    while (archive.Position() < archive.RecordCount()) {
        archive.ReadNextRecord(r);
        const int n = archive.Position();
        const bool changed = n == 3 || n == 5 || n == 60 || n == 150 || n == 200;
        ASSERT_EQ(r.Text("Veicolo"), (changed ? QStringLiteral("Nuovo %1") : QStringLiteral("Veicolo %1")).arg(n))
            << "record " << n;
    }

}

// A record read in place is the record's bytes in the block the archive
// holds; block after block, also with stray bytes after the last record, it
// must be the very record ReadNextRecord copies out.
TEST_F(ArchiveFileTest, ReadNextInPlaceYieldsEveryRecordAcrossBlocks) {
    const QByteArray written = WriteFleet(kLargeFleet);
    folder_.Write(kFleet, written + "stray");
    const int size = VehicleRecord.Size();
    ArchiveFile archive;
    archive.OpenArchive(kFleet, VehicleRecord);
    ASSERT_EQ(archive.RecordCount(), kLargeFleet);
    int n = 0;
    while (archive.Position() < archive.RecordCount()) {
        const char *bytes = archive.ReadNextInPlace();
        ++n;
        ASSERT_EQ(archive.Position(), n);
        ASSERT_EQ(QByteArray(bytes, size), written.mid(qsizetype(n - 1) * size, size)) << "record " << n;
    }
    EXPECT_EQ(n, kLargeFleet);
    EXPECT_THROW(archive.ReadNextInPlace(), ArchiveError);
    EXPECT_EQ(archive.Position(), kLargeFleet);

    // In-place and copying reads mix, and going back reads the file again.
    Record r(VehicleRecord);
    for (int k : {72, 1, 143, 198}) {
        SCOPED_TRACE(k);
        archive.ReadRecord(k, r);
        ExpectVehicle(r, QStringLiteral("Veicolo %1").arg(k));
        const char *next = archive.ReadNextInPlace();
        EXPECT_EQ(QByteArray(next, size), Vehicle(QStringLiteral("Veicolo %1").arg(k + 1)).Bytes());
        archive.ReadNextRecord(r);
        ExpectVehicle(r, QStringLiteral("Veicolo %1").arg(k + 2));
    }
}

TEST_F(ArchiveFileTest, ReadNextInPlaceNeedsAnOpenArchive) {
    ArchiveFile archive;
    EXPECT_THROW(archive.ReadNextInPlace(), ArchiveError);
    WriteFleet(1);
    archive.OpenArchive(kFleet, VehicleRecord);
    archive.CloseArchive();
    EXPECT_THROW(archive.ReadNextInPlace(), ArchiveError);
}

// A record larger than the most a scan reads at once comes one a block.
constexpr FieldDef kHugeFields[] = {{"Giorno", 255, 1100}, {"Fine", 9}};
constexpr RecordLayout kHugeRecord{"HugeRecord", kHugeFields};
static_assert(kHugeRecord.Size() > 256 * 1024);

TEST_F(ArchiveFileTest, RecordsLargerThanABlockAreReadWhole) {
    QByteArray bytes;
    for (int i = 1; i <= 3; ++i) {
        Record r(kHugeRecord);
        r.SetText("Giorno", QStringLiteral("primo %1").arg(i), 0);
        r.SetText("Giorno", QStringLiteral("ultimo %1").arg(i), 1099);
        r.SetText("Fine", QStringLiteral("fine %1").arg(i));
        bytes += r.Bytes();
    }
    folder_.Write(kFleet, bytes + QByteArray(1000, 'x'));
    ArchiveFile archive;
    archive.OpenArchive(kFleet, kHugeRecord);
    ASSERT_EQ(archive.RecordCount(), 3);
    Record view(kHugeRecord);
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        view.ViewBytes(archive.ReadNextInPlace());
        EXPECT_EQ(view.Bytes(), bytes.mid(qsizetype(i - 1) * kHugeRecord.Size(), kHugeRecord.Size()));
        EXPECT_EQ(view.Text("Giorno", 1099), QStringLiteral("ultimo %1").arg(i));
        EXPECT_EQ(view.Text("Fine"), QStringLiteral("fine %1").arg(i));
    }
}

}  // namespace
}  // namespace vel
