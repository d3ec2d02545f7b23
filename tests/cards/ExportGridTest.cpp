#include <gtest/gtest.h>

#include <QFile>
#include <QHeaderView>
#include <QSignalSpy>
#include <vector>

#include "cards/ExportGrid.h"
#include "common/ArchiveFile.h"
#include "common/Records.h"
#include "common/SpreadsheetExport.h"
#include "common/TextRules.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::TestFolder;

const char *const kMonths[] = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                               "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

// A booking picked up at that day, month (its name as typed) and time.
Record Booking(int day, const char *month, int year, int hour, int minute, const char *client) {
    int number = 1;
    while (LowerAZ(QString::fromUtf8(month)) != QString::fromUtf8(kMonths[number - 1])) ++number;
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    Record r(BookingRecord);
    r.SetText("GiornoRit", two(day));
    r.SetText("MeseRit", QString::fromUtf8(month));
    r.SetText("AnnoRit", QString::number(year));
    r.SetText("DataRit", two(day) + u'/' + two(number) + u'/' + QString::number(year));
    r.SetText("OreRit", two(hour));
    r.SetText("MinutiRit", two(minute));
    r.SetText("OraRit", two(hour) + u'.' + two(minute));
    r.SetText("Cliente", QString::fromUtf8(client));
    return r;
}

// A few booking columns: the pick-up key of the listings (the month digits of
// the date, then day, hour and minute), and make and model in one cell.
std::vector<ExportColumn> BookingColumns() {
    return {
        {QStringLiteral("Data partenza"), 150, false, {FieldPiece("DataRit")}},
        {QStringLiteral("Ora partenza"), 150, false, {FieldPiece("OraRit")}},
        {QStringLiteral("Sede partenza"), 250, true, {FieldPiece("SedeRit")}},
        {QStringLiteral("Cliente"), 250, true, {FieldPiece("Cliente")}},
        {QStringLiteral("Codice Univoco"), 150, true,
         {FieldPiece("DataRit", 4, 2), FieldPiece("GiornoRit"), FieldPiece("OreRit"), FieldPiece("MinutiRit")}},
        {QStringLiteral("Veicolo"), 250, false, {FieldPiece("Marca"), TextPiece(u" "), FieldPiece("Modello")}},
    };
}
constexpr int kSede = 3, kCliente = 4, kKey = 5, kVeicolo = 6, kColumns = 7;

// The monthly listing's test: month name without case of A-Z, and year.
RecordTest PickedUpIn(const char *month, const char *year) {
    return [month, year](const Record &r) {
        return LowerAZ(r.Text("MeseRit")) == QString::fromUtf8(month) && r.Text("AnnoRit") == QString::fromUtf8(year);
    };
}

class ExportGridTest : public ::testing::Test {
protected:
    QString WriteArchive(const std::vector<Record> &records) {
        const QString path = folder.Path(QStringLiteral("2025.car"));
        ArchiveFile archive;
        archive.OpenArchivePath(path, BookingRecord);
        for (const Record &r : records) archive.AppendRecord(r);
        return path;
    }
    QStringList Column(const ExportGridModel &model, int column) const {
        QStringList texts;
        for (int r = 0; r < model.rowCount(); ++r) texts.append(model.Text(r, column));
        return texts;
    }
    std::vector<int> Records(const ExportGridModel &model) const {
        std::vector<int> numbers;
        for (int r = 0; r < model.rowCount(); ++r) numbers.push_back(model.RecordNumber(r));
        return numbers;
    }
    // Bookings of March 2025 entered out of order, with others between them;
    // records 1 and 4 were picked up in the same minute.
    std::vector<Record> March() const {
        return {Booking(15, "Marzo", 2025, 10, 30, "Rossi"),   Booking(2, "MARZO", 2025, 9, 5, "Bianchi"),
                Booking(20, "aprile", 2025, 8, 0, "Verdi"),    Booking(15, "marzo", 2025, 10, 30, "Neri"),
                Booking(1, "marzo", 2024, 8, 0, "Gallo"),      Booking(2, "marzo", 2025, 8, 45, "Conti")};
    }

    TestFolder folder;
    ExportGridModel model{BookingColumns()};
};

TEST_F(ExportGridTest, EveryRecordInFileOrderReadByTheFixedTextRule) {
    std::vector<Record> records = March();
    records[0].SetText("SedeRit", QStringLiteral("  Citt\u00e0 \u00e8 \u20ac  "));
    // A length byte above the capacity reads as the capacity.
    char *cliente = records[1].Bytes().data() + BookingRecord.Offset("Cliente");
    cliente[0] = char(0xFF);
    std::fill(cliente + 1, cliente + 51, 'X');
    const QString path = WriteArchive(records);

    EXPECT_EQ(model.Fill(path, BookingRecord, {}, 10), 6);
    ASSERT_EQ(model.rowCount(), 6);
    ASSERT_EQ(model.columnCount(), kColumns);
    EXPECT_EQ(Column(model, 0), QStringList({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Records(model), std::vector<int>({1, 2, 3, 4, 5, 6}));
    const struct {
        int column;
        const char *field;
    } single[] = {{1, "DataRit"}, {2, "OraRit"}, {kSede, "SedeRit"}, {kCliente, "Cliente"}};
    for (int r = 0; r < 6; ++r)
        for (const auto &c : single)
            EXPECT_EQ(model.Text(r, c.column), records[size_t(r)].Text(c.field)) << r << " " << c.field;
    EXPECT_EQ(model.Text(0, kSede), QStringLiteral("Citt\u00e0 \u00e8 \u20ac"));
    EXPECT_EQ(model.Text(1, kCliente), QString(50, u'X'));
    EXPECT_EQ(Column(model, kKey),
              QStringList({"03151030", "03020905", "04200800", "03151030", "03010800", "03020845"}));
    EXPECT_EQ(model.Text(6, 1), QString());
    EXPECT_EQ(model.Text(0, kColumns), QString());
}

TEST_F(ExportGridTest, APartOfAFieldTakesWhatTheTrimmedTextHas) {
    // The month digits of a date as the key takes them: characters 4 and 5.
    const struct {
        const char *date;
        const char *key;
    } cases[] = {
        {"15/03/2025", "03"}, {"   15/03/2025  ", "03"}, {"15/0", "0"},
        {"1/3", ""},          {"", ""},                  {"01/\xc3\xa8\xe2\x82\xac" "5", "\u00e8\u20ac"},
    };
    std::vector<Record> records;
    for (const auto &c : cases) {
        Record r(BookingRecord);
        r.SetText("DataRit", QString::fromUtf8(c.date));
        records.push_back(r);
    }
    model.Fill(WriteArchive(records), BookingRecord, {}, 10);
    for (int r = 0; r < int(std::size(cases)); ++r)
        EXPECT_EQ(model.Text(r, kKey), QString::fromUtf8(cases[r].key)) << r;
}

TEST_F(ExportGridTest, AFilteredFillListsOnlyWhatTheTestAccepts) {
    const QString path = WriteArchive(March());
    EXPECT_EQ(model.Fill(path, BookingRecord, PickedUpIn("marzo", "2025"), 10), 6);
    EXPECT_EQ(Column(model, kCliente), QStringList({"Rossi", "Bianchi", "Neri", "Conti"}));
    // Column 0 counts the listed rows; each row still knows its record.
    EXPECT_EQ(Column(model, 0), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(Records(model), std::vector<int>({1, 2, 4, 6}));

    // Bookings, but none in the month: no row at all.
    EXPECT_EQ(model.Fill(path, BookingRecord, PickedUpIn("luglio", "2025"), 10), 6);
    EXPECT_EQ(model.rowCount(), 0);

    // No booking at all: the designed empty rows, as with no test.
    const QString empty = folder.Path(QStringLiteral("2026.car"));
    for (const RecordTest &accept : {RecordTest(), PickedUpIn("marzo", "2026")}) {
        EXPECT_EQ(model.Fill(empty, BookingRecord, accept, 10), 0);
        ASSERT_EQ(model.rowCount(), 10);
        for (int r = 0; r < 10; ++r) {
            EXPECT_EQ(model.RecordNumber(r), 0);
            for (int k = 0; k < kColumns; ++k) EXPECT_EQ(model.Text(r, k), QString());
        }
    }
    EXPECT_TRUE(QFile::exists(empty));
}

TEST_F(ExportGridTest, AFillTellsTheViewsOnceWithoutARowByRowSignal) {
    const QString path = WriteArchive(March());
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);
    model.Fill(path, BookingRecord, {}, 10);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(inserted.count() + changed.count() + layout.count(), 0);
    // A failed fill tells them once too, and leaves the designed rows.
    folder.Block(QStringLiteral("2027.car"));
    EXPECT_THROW(model.Fill(folder.Path(QStringLiteral("2027.car")), BookingRecord, {}, 10), ArchiveError);
    EXPECT_EQ(reset.count(), 2);
    EXPECT_EQ(model.rowCount(), 10);
}

TEST_F(ExportGridTest, AFailurePartWayKeepsTheRowsReadSoFar) {
    // More bookings than one block of the scan holds; the file is cut short
    // under the scan once it has begun, so the next block cannot be read.
    std::vector<Record> records;
    for (int i = 0; i < 400; ++i) records.push_back(Booking(1 + i % 28, "marzo", 2025, i % 24, i % 60, "Rossi"));
    const QString path = WriteArchive(records);
    bool cut = false;
    const RecordTest cutting = [&](const Record &) {
        if (!cut) cut = QFile::resize(path, 10 * BookingRecord.Size());
        return true;
    };
    EXPECT_THROW(model.Fill(path, BookingRecord, cutting, 10), ArchiveError);
    ASSERT_TRUE(cut);
    const int kept = model.rowCount();
    EXPECT_GT(kept, 10);
    EXPECT_LT(kept, 400);
    EXPECT_EQ(model.Text(kept - 1, 0), QString::number(kept));
    EXPECT_EQ(model.RecordNumber(kept - 1), kept);
}

TEST_F(ExportGridTest, SortingByTheKeyPutsTheListingInPickUpOrder) {
    model.Fill(WriteArchive(March()), BookingRecord, PickedUpIn("marzo", "2025"), 10);
    model.setData(model.index(2, kSede), QStringLiteral("Sede nuova"));  // Neri's row
    model.SortByColumn(kKey);
    EXPECT_EQ(Column(model, kKey), QStringList({"03020845", "03020905", "03151030", "03151030"}));
    // Rows move whole; equal keys keep their order; the numbers stay as given.
    EXPECT_EQ(Column(model, kCliente), QStringList({"Conti", "Bianchi", "Rossi", "Neri"}));
    EXPECT_EQ(Column(model, 0), QStringList({"4", "2", "1", "3"}));
    EXPECT_EQ(Records(model), std::vector<int>({6, 2, 1, 4}));
    EXPECT_EQ(Column(model, kSede), QStringList({"", "", "", "Sede nuova"}));

    // Another sort starts from the order shown, and an edit goes with its row.
    model.setData(model.index(0, kKey), QStringLiteral("99"));
    model.SortByColumn(kKey);
    EXPECT_EQ(Column(model, kCliente), QStringList({"Bianchi", "Rossi", "Neri", "Conti"}));
    EXPECT_EQ(Column(model, kKey), QStringList({"03020905", "03151030", "03151030", "99"}));
}

TEST_F(ExportGridTest, TextsSortAsEveryListOfTheProgram) {
    // Code unit by code unit with a-z as A-Z, whatever the machine's locale;
    // texts that compare equal keep their order.
    const char *const names[] = {"b", "_x", "B", "a", "\xc3\x81", "\xe2\x82\xac", "A", "ab", ""};
    std::vector<Record> records;
    for (const char *name : names) records.push_back(Booking(1, "marzo", 2025, 8, 0, name));
    model.Fill(WriteArchive(records), BookingRecord, {}, 10);
    model.SortByColumn(kCliente);
    EXPECT_EQ(Column(model, kCliente), QStringList({"", "a", "A", "ab", "b", "B", "_x", "\u00c1", "\u20ac"}));
    EXPECT_EQ(Column(model, 0), QStringList({"9", "4", "7", "8", "1", "3", "2", "5", "6"}));
}

TEST_F(ExportGridTest, RowsWriteAsTheirTextsWould) {
    std::vector<Record> records = March();
    records[0].SetText("SedeRit", QStringLiteral(" Rossi & Figli <b> \u20ac\u0081 "));
    // A joined cell that ends or begins with its blank, and whole ones.
    const char *const vehicles[][2] = {{"Fiat", "Panda"}, {"Fiat", ""}, {"", "Ducato"}, {"Citro\xc3\xabn", "C3"}};
    for (size_t i = 0; i < std::size(vehicles); ++i) {
        records[i + 2].SetText("Marca", QString::fromUtf8(vehicles[i][0]));
        records[i + 2].SetText("Modello", QString::fromUtf8(vehicles[i][1]));
    }
    model.Fill(WriteArchive(records), BookingRecord, {}, 10);
    EXPECT_EQ(Column(model, kVeicolo),
              QStringList({" ", " ", "Fiat Panda", "Fiat ", " Ducato", "Citro\u00ebn C3"}));
    model.setData(model.index(1, kCliente), QStringLiteral("  \u03a9 & <i>x</i>\t"));
    model.setData(model.index(2, kSede), QString());
    model.SortByColumn(kKey);

    const std::vector<SpreadsheetColumn> columns(kColumns - 1, {QStringLiteral("C"), 100});
    SpreadsheetExport fromGrid(QStringLiteral("S"), columns), fromTexts(QStringLiteral("S"), columns);
    for (int r = 0; r < model.rowCount(); ++r) {
        model.WriteRow(r, fromGrid);
        QStringList texts;
        for (int k = 1; k < kColumns; ++k) texts.append(model.Text(r, k));
        fromTexts.AddRow(texts);
    }
    EXPECT_EQ(fromGrid.Bytes(), fromTexts.Bytes());
    EXPECT_TRUE(fromGrid.Bytes().contains("Rossi &amp; Figli &lt;b&gt; \x80 </td>"));
    EXPECT_TRUE(fromGrid.Bytes().contains("&#937; &amp; &lt;i&gt;x&lt;/i&gt;</td>"));
    for (const char *cell : {"Fiat Panda", "Fiat", "Ducato", "Citro\xebn C3"})
        EXPECT_TRUE(fromGrid.Bytes().contains(QByteArray(">") + cell + "</td></tr>")) << cell;
}

// The file streamed from a grid carries no control character of a stored
// record: each one is a blank. The empty rows of a grid with no archive
// behind it write empty cells.
TEST_F(ExportGridTest, AStreamedFileCarriesNoRawControlCharacter) {
    std::vector<Record> records = March();
    records[0].SetText("Cliente", QStringLiteral("Ros") + QChar(0) + QStringLiteral("si\x1b[0m Mario\x7f" "Jr"));
    records[1].SetText("SedeRit", QStringLiteral("Via Roma\r\nMilano"));
    const std::vector<SpreadsheetColumn> columns(kColumns - 1, {QStringLiteral("C"), 100});
    const QString path = folder.Path(QStringLiteral("Prenotazioni_Veicoli.xls"));
    const auto stream = [&] {
        SpreadsheetExport file(QStringLiteral("S"), columns);
        ASSERT_TRUE(file.StreamTo(path));
        for (int r = 0; r < model.rowCount(); ++r) model.WriteRow(r, file);
        ASSERT_TRUE(file.Commit());
    };
    model.Fill(WriteArchive(records), BookingRecord, {}, 10);
    stream();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    written.close();
    for (const char b : bytes) EXPECT_FALSE(IsControlByte(static_cast<unsigned char>(b))) << int(b);
    EXPECT_TRUE(bytes.contains(">Ros si [0m Mario Jr</td>"));
    EXPECT_TRUE(bytes.contains(">Via Roma  Milano</td>"));

    // No archive: the grid keeps its empty rows, whose cells have no bytes.
    model.Fill(folder.Path(QStringLiteral("2030.car")), BookingRecord, {}, 3);
    ASSERT_EQ(model.rowCount(), 3);
    stream();
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray empty = written.readAll();
    QByteArray emptyRow = "<tr>";
    for (int k = 1; k < kColumns; ++k) emptyRow += "<td style=\"text-align: left;\"></td>";
    emptyRow += "</tr>";
    EXPECT_EQ(empty.count(emptyRow), 3);
}

TEST_F(ExportGridTest, TheUserTypesOnlyIntoOpenColumns) {
    ExportGrid grid(BookingColumns());
    grid.resize(800, 300);
    grid.Model().Fill(WriteArchive(March()), BookingRecord, {}, 10);
    test::ShowActive(&grid);
    EXPECT_EQ(grid.Caption(0), QStringLiteral("N."));
    EXPECT_EQ(grid.Caption(kKey), QStringLiteral("Codice Univoco"));
    EXPECT_EQ(grid.columnWidth(0), 60);
    EXPECT_EQ(grid.columnWidth(kSede), 250);
    EXPECT_EQ(grid.Model().data(grid.Model().index(0, 0), Qt::BackgroundRole), QVariant(QColor(0xF0, 0xEF, 0xEE)));

    const struct {
        int column;
        bool open;
    } cases[] = {{0, false}, {1, false}, {2, false}, {kSede, true}, {kCliente, true}, {kKey, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.column);
        const QString before = grid.Text(1, c.column);
        grid.setFocus();
        grid.setCurrentIndex(grid.Model().index(1, c.column));
        // Each key goes where the focus is: the first one opens the editor
        // of an open cell, Enter hands the typed text to the cell.
        for (const char key : {'Z', 'e', 't', 'a'}) QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget() != &grid, c.open);
        if (QApplication::focusWidget() != &grid) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(grid.IsEditable(1, c.column), c.open);
        EXPECT_EQ(grid.Text(1, c.column), c.open ? QStringLiteral("Zeta") : before);
    }
    // The row other rows sort around keeps what was typed.
    grid.Model().SortByColumn(kKey);
    EXPECT_EQ(grid.Text(5, kCliente), QStringLiteral("Zeta"));
    EXPECT_EQ(grid.Model().RecordNumber(5), 2);
    EXPECT_EQ(grid.currentIndex().row(), 5);
}

}  // namespace
}  // namespace vel
