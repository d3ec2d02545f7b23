#pragma once
// What the tests of the fleet and tariff exports share: the texts every
// export shows, the fixed pieces of the spreadsheet file, and a fixture that
// opens an export dialog as its card does.
#include <memory>
#include <vector>

#include "cards/ExportDialog.h"
#include "common/ArchiveFile.h"
#include "common/TextRules.h"
#include "shell/ShellFixture.h"

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
// name, the header cells, and one row of 25 data cells per entry of `rows`
// (missing cells empty), each text as Windows-1252 bytes.
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
    for (const auto &c : headers)
        bytes += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(c.width) + ">" +
                 ToCp1252(QString::fromUtf8(c.caption)) + "</td>";
    bytes += "</tr>";
    for (const QStringList &row : rows) {
        bytes += "<tr>";
        for (int k = 0; k < 25; ++k)
            bytes += "<td style=\"text-align: left;\">" + (k < row.size() ? ToCp1252(row[k]) : QByteArray()) + "</td>";
        bytes += "</tr>";
    }
    return bytes + "</table></body></html>";
}

// An export dialog of type Dialog over the archive `archiveName`, opened as
// its card opens it.
template <class Dialog>
class ExportTest : public ShellTest {
protected:
    ExportTest(QString archiveName, const RecordLayout &layout) : archiveName_(std::move(archiveName)), layout_(layout) {}

    void WriteArchive(const std::vector<Record> &records) {
        ArchiveFile archive;
        archive.OpenArchive(archiveName_, layout_);
        for (const Record &r : records) archive.AppendRecord(r);
    }
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
    void TearDown() override {
        dlg.reset();
        ShellTest::TearDown();
    }

    // The status line over each part of the dialog.
    void ExpectHints() {
        ExportDialog &d = *dlg;
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

    FakeShell shell;
    std::unique_ptr<Dialog> dlg;

private:
    const QString archiveName_;
    const RecordLayout &layout_;
};

}  // namespace vel::test
