#pragma once
// What every export dialog does through the export frame, tested once for
// each export: the grid filled from the archive, the confirmation, the file
// written from the grid, the offer to open it, and the failures (an archive
// that cannot be opened or fails part way, a file that cannot be written).
//
// An export takes part with a traits struct:
//   using Window = TfrmExpXxx;                 the export dialog's class
//   static QWidget *Owner();                   the card that opens it
//   static const RecordLayout &Layout();       the archive's record
//   static QString Archive();                  the archive's file name in the program folder
//   static QString File();                     the spreadsheet's file name
//   static const char *SheetName();
//   static std::vector<ExpectedHeader> Headers();  the columns' captions and widths
//   static std::vector<Record> Records();      a few records, in file order
//   static std::vector<QStringList> GridRows();    what the grid shows of them (columns 1 to C)
//   static std::vector<QStringList> FileRows();    what the file holds of them
//   static std::vector<QByteArray> FileHolds();    bytes the file of them must hold (Windows-1252)
//   static std::vector<QByteArray> FileLacks();    and bytes it must not
//   static Record Numbered(int n);             one of many records, told apart by n
//   static QStringList NumberedRow(int n);     what the file holds of it (every cell, plain texts)
// Include this header in one source file of a test program and instantiate
// the suite there with the traits of its exports; the window's own tests
// (its looks, its columns, its editable cells) use `ExportTest`.
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <vector>

#include "cards/ExportDialog.h"
#include "common/TextRules.h"
#include "support/ProgramFixture.h"
#include "support/ReadFault.h"
#include "support/WriteLimit.h"

namespace vel::test {

inline const QString kExportAsk = QStringLiteral(
    "L'esportazione dei dati in Excel pu\u00f2 richiedere diversi minuti a seconda del numero di schede presenti in "
    "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
inline const QString kExportDone = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
inline const QString kExportFailed = QStringLiteral(
    "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non sia "
    "gi\u00e0 aperto.");
inline const QString kArchiveFailure = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.");

// One expected header cell of the file: its caption (UTF-8) and width.
struct ExpectedHeader {
    const char *caption;
    int width;
};

// The whole file an export should write: the fixed pieces with the sheet's
// name, the header cells, and one row of data cells per entry of `rows` (one
// cell per header, missing cells empty), each text as Windows-1252 bytes.
template <class Headers>
QByteArray ExpectedSpreadsheet(const char *sheetName, const Headers &headers, const std::vector<QStringList> &rows) {
    QByteArray bytes =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>" +
        QByteArray(sheetName) +
        "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
        "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
        "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head>"
        "<body><table x:str><tr>";
    int columns = 0;
    for (const auto &c : headers) {
        bytes += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(c.width) + ">" +
                 ToCp1252(QString::fromUtf8(c.caption)) + "</td>";
        ++columns;
    }
    bytes += "</tr>";
    for (const QStringList &row : rows) {
        bytes += "<tr>";
        for (int k = 0; k < columns; ++k)
            bytes += "<td style=\"text-align: left;\">" + (k < row.size() ? ToCp1252(row[k]) : QByteArray()) + "</td>";
        bytes += "</tr>";
    }
    return bytes + "</table></body></html>";
}

// An export dialog of type Dialog over the archive `archiveName`, opened as
// its card opens it.
template <class Dialog>
class ExportTest : public ProgramTest {
protected:
    ExportTest(QString archiveName, const RecordLayout &layout) : archiveName_(std::move(archiveName)), layout_(layout) {}

    void WriteArchive(const std::vector<Record> &records) { test::WriteArchive(archiveName_, layout_, records); }
    // Creates the dialog owned by `card` and shows it.
    Dialog &OpenFrom(QWidget *card) {
        dlg = std::make_unique<Dialog>(card);
        dlg->Create();
        ShowActive(dlg.get());
        return *dlg;
    }
    // The texts of a grid row, column 0 included.
    QStringList Row(int row) const {
        QStringList cells;
        for (int k = 0; k < dlg->grdRecords->columnCount(); ++k) cells.append(dlg->grdRecords->Text(row, k));
        return cells;
    }
    // The export confirmed, then the offer to open the file answered.
    void Export(MsgButton openAnswer) {
        messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::Yes);
        messages.Expect(MsgKind::Confirmation, kExportDone, openAnswer);
        Click(dlg->cmdEsporta);
        messages.Verify();
    }
    void TearDown() override {
        dlg.reset();
        ProgramTest::TearDown();
    }

    FakeShell shell;
    std::unique_ptr<Dialog> dlg;

private:
    const QString archiveName_;
    const RecordLayout &layout_;
};

template <typename Traits>
class ExportSuite : public ExportTest<typename Traits::Window> {
protected:
    using Window = typename Traits::Window;
    ExportSuite() : ExportTest<Window>(Traits::Archive(), Traits::Layout()) {}

    Window &Open() { return this->OpenFrom(Traits::Owner()); }
    static QByteArray ExpectedFile(const std::vector<QStringList> &rows) {
        return ExpectedSpreadsheet(Traits::SheetName(), Traits::Headers(), rows);
    }
    static std::vector<Record> Many(int count) {
        std::vector<Record> records;
        for (int n = 1; n <= count; ++n) records.push_back(Traits::Numbered(n));
        return records;
    }
    QString Xls() const { return Traits::File(); }
    // A grid row: its number, then its cells.
    static QStringList Numbered(int number, const QStringList &cells) {
        return QStringList{QString::number(number)} + cells;
    }
};

TYPED_TEST_SUITE_P(ExportSuite);

TYPED_TEST_P(ExportSuite, AMissingArchiveIsCreatedAndTheFileHoldsTheTenEmptyRows) {
    auto &d = this->Open();
    EXPECT_TRUE(this->folder.Exists(TypeParam::Archive()));
    EXPECT_EQ(this->folder.Read(TypeParam::Archive()).size(), 0);
    ASSERT_EQ(d.grdRecords->rowCount(), 10);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(this->Row(r).join(QString()), QString()) << "row " << r;

    this->Export(MsgButton::No);
    EXPECT_EQ(this->folder.Read(this->Xls()), this->ExpectedFile(std::vector<QStringList>(10)));
    EXPECT_TRUE(this->shell.opened.isEmpty());
}

TYPED_TEST_P(ExportSuite, TheGridShowsEveryRecordNumberedInFileOrder) {
    this->WriteArchive(TypeParam::Records());
    auto &d = this->Open();
    const auto rows = TypeParam::GridRows();
    ASSERT_EQ(d.grdRecords->rowCount(), int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) EXPECT_EQ(this->Row(r), this->Numbered(r + 1, rows[size_t(r)]));
}

TYPED_TEST_P(ExportSuite, MoreRecordsThanTheDesignedRowsGetOneRowEach) {
    this->WriteArchive(this->Many(12));
    auto &d = this->Open();
    ASSERT_EQ(d.grdRecords->rowCount(), 12);
    std::vector<QStringList> rows;
    for (int n = 1; n <= 12; ++n) {
        SCOPED_TRACE(n);
        const QStringList shown = this->Row(n - 1);
        EXPECT_EQ(shown[0], QString::number(n));
        rows.push_back(TypeParam::NumberedRow(n));
        // The grid holds the record's texts; the file, those texts trimmed.
        ASSERT_EQ(shown.size(), rows.back().size() + 1);
        for (int k = 1; k < shown.size(); ++k) EXPECT_EQ(Trim(shown[k]), rows.back()[k - 1]) << "column " << k;
    }
    this->Export(MsgButton::No);
    EXPECT_EQ(this->folder.Read(this->Xls()), this->ExpectedFile(rows));
}

// The file holds the grid (markup escaped, Windows-1252, no line breaks); the
// archive is only read; "Sì" to the last question opens the file on the
// desktop, in double quotes; the dialog stays for another export.
TYPED_TEST_P(ExportSuite, ExportWritesTheGridAndOffersToOpenIt) {
    this->WriteArchive(TypeParam::Records());
    const QByteArray archive = this->folder.Read(TypeParam::Archive());
    auto &d = this->Open();
    this->Export(MsgButton::Yes);
    const QByteArray written = this->folder.Read(this->Xls());
    EXPECT_EQ(written, this->ExpectedFile(TypeParam::FileRows()));
    EXPECT_FALSE(written.contains('\n'));
    for (const QByteArray &bytes : TypeParam::FileHolds()) EXPECT_TRUE(written.contains(bytes)) << bytes.toStdString();
    for (const QByteArray &bytes : TypeParam::FileLacks()) EXPECT_FALSE(written.contains(bytes)) << bytes.toStdString();
    EXPECT_EQ(this->shell.opened, QStringList{u'"' + this->folder.Path(this->Xls()) + u'"'});
    EXPECT_EQ(this->folder.Read(TypeParam::Archive()), archive);
    EXPECT_TRUE(d.isVisible());

    // "No" leaves the file written and unopened.
    this->shell.opened.clear();
    QFile::remove(this->folder.Path(this->Xls()));
    this->Export(MsgButton::No);
    EXPECT_EQ(this->folder.Read(this->Xls()), written);
    EXPECT_TRUE(this->shell.opened.isEmpty());

    // A desktop with no program for the file says so; no success is claimed twice.
    this->shell.opens = false;
    this->messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::Yes);
    this->messages.Expect(MsgKind::Confirmation, kExportDone, MsgButton::Yes);
    this->messages.Expect(MsgKind::Warning,
                          QStringLiteral("Attenzione: impossibile aprire il documento ") + this->folder.Path(this->Xls()) +
                              QStringLiteral(".\r\n\r\nVerificare che il documento esista e che nel sistema sia "
                                             "installato un programma in grado di aprirlo."));
    Click(d.cmdEsporta);
    this->messages.Verify();
    EXPECT_TRUE(d.isVisible());
}

TYPED_TEST_P(ExportSuite, AnswerNoToTheFirstQuestionWritesNothing) {
    this->WriteArchive(TypeParam::Records());
    this->folder.Write(this->Xls(), "vecchio");
    auto &d = this->Open();
    this->messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::No);
    Click(d.cmdEsporta);
    this->messages.Verify();
    EXPECT_EQ(this->messages.Shown().size(), 1u);
    EXPECT_EQ(this->folder.Read(this->Xls()), QByteArray("vecchio"));
    EXPECT_TRUE(this->shell.opened.isEmpty());
}

TYPED_TEST_P(ExportSuite, ExportingAgainReplacesTheWholeFile) {
    this->WriteArchive({TypeParam::Numbered(1)});
    auto &d = this->Open();
    this->Export(MsgButton::No);
    EXPECT_EQ(this->folder.Read(this->Xls()), this->ExpectedFile({TypeParam::NumberedRow(1)}));
    for (int k = 1; k < d.grdRecords->columnCount(); ++k) d.grdRecords->SetText(0, k, QString());
    this->Export(MsgButton::No);
    EXPECT_EQ(this->folder.Read(this->Xls()), this->ExpectedFile({QStringList()}));
}

// A disk that fills up during the write, or a folder at the file's name: the
// failure is said, the former file stays whole, nothing is opened.
TYPED_TEST_P(ExportSuite, AFileThatCannotBeWrittenIsReportedAndTheOldOneStays) {
    this->WriteArchive(TypeParam::Records());
    auto &d = this->Open();
    const QByteArray old = "<html>esportazione precedente</html>";
    this->folder.Write(this->Xls(), old);
    {
        WriteLimit noRoom(2000);
        this->messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::Yes);
        this->messages.Expect(MsgKind::Plain, kExportFailed);
        Click(d.cmdEsporta);
    }
    this->messages.Verify();
    EXPECT_EQ(this->folder.Read(this->Xls()), old);
    EXPECT_TRUE(this->shell.opened.isEmpty());

    QFile::remove(this->folder.Path(this->Xls()));
    this->folder.Block(this->Xls());
    this->messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::Yes);
    this->messages.Expect(MsgKind::Plain, kExportFailed);
    Click(d.cmdEsporta);
    this->messages.Verify();
    EXPECT_TRUE(QFileInfo(this->folder.Path(this->Xls())).isDir());
    EXPECT_TRUE(this->shell.opened.isEmpty());
    EXPECT_TRUE(d.isVisible());
}

// The grid does not hold the archive: exporting it would claim a success
// that is not there. The export is refused before its question.
TYPED_TEST_P(ExportSuite, AnArchiveThatCannotBeOpenedIsReportedAndNotExported) {
    this->folder.Block(TypeParam::Archive());
    this->messages.Expect(MsgKind::Error, kArchiveFailure);
    auto &d = this->Open();
    this->messages.Verify();
    ASSERT_EQ(d.grdRecords->rowCount(), 10);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(this->Row(r).join(QString()), QString()) << "row " << r;

    this->messages.Expect(MsgKind::Error, kArchiveFailure);
    Click(d.cmdEsporta);
    this->messages.Verify();
    EXPECT_FALSE(this->folder.Exists(this->Xls()));
    EXPECT_TRUE(this->shell.opened.isEmpty());
}

// The archive reads well for its first records and then fails: the grid's
// first rows are there, but it is not the archive; the former file stays.
TYPED_TEST_P(ExportSuite, AnArchiveThatFailsPartWayIsReportedAndNotExported) {
    // Scans read blocks of 256 KiB: the fault lies past the first block even
    // for short records, so that the first rows are read.
    const int readable = std::max(100, 256 * 1024 / TypeParam::Layout().Size() + 1), count = 2 * readable;
    this->WriteArchive(this->Many(count));
    const QByteArray old = "<html>esportazione precedente</html>";
    this->folder.Write(this->Xls(), old);
    ReadFault badSectors(this->folder.Path(TypeParam::Archive()), qint64(readable) * TypeParam::Layout().Size());
    this->messages.Expect(MsgKind::Error, kArchiveFailure);
    auto &d = this->Open();
    this->messages.Verify();
    EXPECT_GE(badSectors.Refused(), 1);
    ASSERT_GT(d.grdRecords->rowCount(), 0);
    EXPECT_EQ(this->Row(0)[0], QStringLiteral("1"));
    EXPECT_NE(this->Row(0).mid(1).join(QString()), QString()) << "the first records were read";
    EXPECT_EQ(this->Row(d.grdRecords->rowCount() - 1).mid(1).join(QString()), QString())
        << "the last record cannot have been read";

    this->messages.Expect(MsgKind::Error, kArchiveFailure);
    Click(d.cmdEsporta);
    this->messages.Verify();
    EXPECT_EQ(this->folder.Read(this->Xls()), old);
    EXPECT_TRUE(this->shell.opened.isEmpty());
    EXPECT_TRUE(d.isVisible());
}

// The status line over each part of the dialog.
TYPED_TEST_P(ExportSuite, HintsInTheStatusLine) {
    ExportDialog &d = this->Open();
    const struct {
        QWidget *over;
        QPoint at;
        QString hint;
    } cases[] = {
        {d.cmdEsporta, {3, 3}, QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
        {d.grdRecords->viewport(), {5, 5}, QString()},
        {d.cmdGuida, {3, 3}, QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {d.panContainer, {430, 82}, QString()},
        {d.cmdEsci, {3, 3}, QStringLiteral("Esci da questo ambiente di lavoro.")},
        {d.shpSfondo, {400, 2}, QString()},
        {d.cmdEsporta, {3, 3}, QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
        {d.shpInfo, {1, 1}, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.over->objectName().toStdString());
        d.panInfo->setText(QStringLiteral("prima"));
        MoveMouseOver(c.over, c.at);
        EXPECT_EQ(d.panInfo->text(), c.hint);
    }
}

REGISTER_TYPED_TEST_SUITE_P(ExportSuite, AMissingArchiveIsCreatedAndTheFileHoldsTheTenEmptyRows,
                            TheGridShowsEveryRecordNumberedInFileOrder, MoreRecordsThanTheDesignedRowsGetOneRowEach,
                            ExportWritesTheGridAndOffersToOpenIt, AnswerNoToTheFirstQuestionWritesNothing,
                            ExportingAgainReplacesTheWholeFile, AFileThatCannotBeWrittenIsReportedAndTheOldOneStays,
                            AnArchiveThatCannotBeOpenedIsReportedAndNotExported,
                            AnArchiveThatFailsPartWayIsReportedAndNotExported, HintsInTheStatusLine);

}  // namespace vel::test
