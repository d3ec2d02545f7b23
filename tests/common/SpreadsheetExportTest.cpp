#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "CommonTest.h"
#include "common/SpreadsheetExport.h"
#include "common/TextRules.h"
#include "support/Fakes.h"
#include "support/WriteLimit.h"

namespace vel {
namespace {

using test::Bytes;
using test::TestFolder;

// The file's fixed markup, written out here on its own so that a change in
// the writer shows up as a difference.
const QByteArray kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>";
const QByteArray kAfterName =
    "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets>"
    "</x:ExcelWorkbook></xml><![endif]--></head><body><table x:str><tr>";
const QByteArray kTail = "</table></body></html>";
const QByteArray kCellOpen = "<td style=\"text-align: left;\">";

QByteArray HeaderCell(int width, const QByteArray &caption) {
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" + caption +
           "</td>";
}
QByteArray Cell(const QByteArray &text) { return kCellOpen + text + "</td>"; }

// The bytes one data cell holding `text` writes between its tags.
QByteArray CellBytes(const QString &text) {
    SpreadsheetExport file(QStringLiteral("S"), {{QStringLiteral("A"), 100}});
    file.AddRow({text});
    const QByteArray all = file.Bytes();
    const qsizetype start = all.lastIndexOf(kCellOpen) + kCellOpen.size();
    return all.mid(start, all.lastIndexOf("</td>") - start);
}

TEST(SpreadsheetExportTest, SmallGridByteForByte) {
    SpreadsheetExport file(QStringLiteral("Prova"),
                           {{QStringLiteral("Nome"), 250}, {QStringLiteral("Citt\u00e0"), 150}});
    file.AddRow({QStringLiteral("  Rossi "), QStringLiteral("Milano")});
    file.AddRow({QString(), QString()});
    EXPECT_EQ(file.RowCount(), 2);

    const QByteArray expected =
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
        "xmlns=\"http://www.w3.org/TR/REC-html40\"><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=windows-1252\"><!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
        "<x:Name>Prova</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
        "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
        "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]--></head>"
        "<body><table x:str><tr>"
        "<td style=\"text-align: left; font-weight: bold;\" width=250>Nome</td>"
        "<td style=\"text-align: left; font-weight: bold;\" width=150>Citt\xE0</td>"
        "</tr>"
        "<tr><td style=\"text-align: left;\">Rossi</td><td style=\"text-align: left;\">Milano</td></tr>"
        "<tr><td style=\"text-align: left;\"></td><td style=\"text-align: left;\"></td></tr>"
        "</table></body></html>";
    EXPECT_EQ(file.Bytes(), expected);
}

TEST(SpreadsheetExportTest, TenEmptyRowsOfAnEmptyArchive) {
    // An empty archive leaves the grid with its 10 designed rows, every cell
    // empty: each is written, down to the last.
    SpreadsheetExport file(QStringLiteral("Flotta Automezzi"),
                           {{QStringLiteral("Tipo veicolo"), 250}, {QStringLiteral("Numero posti"), 150},
                            {QStringLiteral("Note"), 350}});
    for (int r = 0; r < 10; ++r) file.AddRow(QStringList(3));

    QByteArray expected = kHead + "Flotta Automezzi" + kAfterName + HeaderCell(250, "Tipo veicolo") +
                          HeaderCell(150, "Numero posti") + HeaderCell(350, "Note") + "</tr>";
    for (int r = 0; r < 10; ++r) expected += "<tr>" + Cell("") + Cell("") + Cell("") + "</tr>";
    expected += kTail;
    EXPECT_EQ(file.Bytes(), expected);
    EXPECT_EQ(file.Bytes().count("<tr>"), 11);
    EXPECT_EQ(file.Bytes().count("<td style=\"text-align: left;\"></td>"), 30);
}

TEST(SpreadsheetExportTest, OneLineWithoutByteOrderMark) {
    SpreadsheetExport file(QStringLiteral("Foglio"), {{QStringLiteral("A"), 100}, {QStringLiteral("B"), 100}});
    file.AddRow({QStringLiteral("uno"), QStringLiteral("due")});
    const QByteArray bytes = file.Bytes();
    EXPECT_TRUE(bytes.startsWith("<html xmlns:o="));
    EXPECT_TRUE(bytes.endsWith("</table></body></html>"));
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_EQ(bytes.size(), kHead.size() + 6 + kAfterName.size() + 2 * HeaderCell(100, "A").size() + 5 + 4 +
                                Cell("uno").size() + Cell("due").size() + 5 + kTail.size());
}

TEST(SpreadsheetExportTest, RowsTakeOneCellPerColumn) {
    SpreadsheetExport file(QStringLiteral("S"), {{QStringLiteral("A"), 100}, {QStringLiteral("B"), 100}});
    file.AddRow({QStringLiteral("solo")});
    file.AddRow({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("oltre")});
    const QByteArray bytes = file.Bytes();
    EXPECT_TRUE(bytes.contains("<tr>" + Cell("solo") + Cell("") + "</tr>"));
    EXPECT_TRUE(bytes.contains("<tr>" + Cell("a") + Cell("b") + "</tr>"));
    EXPECT_FALSE(bytes.contains("oltre"));
}

TEST(SpreadsheetExportTest, DataCellsEscapeMarkupCharacters) {
    // The user sees in the spreadsheet exactly what the field holds, markup
    // characters included.
    const struct {
        const char *field;
        QByteArray written;
    } cases[] = {
        {"Rossi & Figli", "Rossi &amp; Figli"},
        {"<b>grassetto</b>", "&lt;b&gt;grassetto&lt;/b&gt;"},
        {"peso > 3,5 t", "peso &gt; 3,5 t"},
        {"&amp;", "&amp;amp;"},
        {"&#65;", "&amp;#65;"},
        {"\"Gold\" 'plus'", "\"Gold\" 'plus'"},
        {"senza segni", "senza segni"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(CellBytes(QString::fromUtf8(c.field)), c.written);
    }
}

TEST(SpreadsheetExportTest, CaptionsAndSheetNameGoInAsTheyAre) {
    SpreadsheetExport file(QStringLiteral("R&D <1>"), {{QStringLiteral("Banca d'appoggio & <C/C>"), 250}});
    file.AddRow({QStringLiteral("<x>")});
    const QByteArray bytes = file.Bytes();
    EXPECT_TRUE(bytes.contains("<x:Name>R&D <1></x:Name>"));
    EXPECT_TRUE(bytes.contains(HeaderCell(250, "Banca d'appoggio & <C/C>")));
    EXPECT_TRUE(bytes.contains(Cell("&lt;x&gt;")));
}

TEST(SpreadsheetExportTest, DataCellsAreTrimmed) {
    const struct {
        QString field;
        QByteArray written;
    } cases[] = {
        {QStringLiteral("  Panda  "), "Panda"},
        {QStringLiteral("\t\r\nPanda\x01"), "Panda"},
        {QStringLiteral("Data:   Prezzo: "), "Data:   Prezzo:"},
        {QStringLiteral("Fiat "), "Fiat"},
        {QStringLiteral("a  b"), "a  b"},
        {QStringLiteral(" riga uno\r\nriga due "), "riga uno  riga due"},
        {QStringLiteral(" \t "), ""},
        {QStringLiteral(" < "), "&lt;"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field.toStdString());
        EXPECT_EQ(CellBytes(c.field), c.written);
    }
}

TEST(SpreadsheetExportTest, WindowsCodePageBytes) {
    const struct {
        QString field;
        QByteArray written;
    } cases[] = {
        {QStringLiteral("\u00e8"), Bytes({0xE8})},
        {QStringLiteral("\u20ac"), Bytes({0x80})},
        {QStringLiteral("30\u00b0"), QByteArray("30") + Bytes({0xB0})},
        {QStringLiteral("Citt\u00e0 \u2013 \u201cNord\u201d"), QByteArray("Citt") + Bytes({0xE0}) + " " +
                                                                 Bytes({0x96}) + " " + Bytes({0x93}) + "Nord" +
                                                                 Bytes({0x94})},
        // Characters the code page has no byte for keep their identity as
        // numeric references; half a character has none to keep.
        {QStringLiteral("\u03a9"), "&#937;"},
        {QString::fromUtf8("\xF0\x9F\x98\x80"), "&#128512;"},
        {QString(QChar(0xD800)) + QStringLiteral("x"), "?x"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field.toStdString());
        EXPECT_EQ(CellBytes(c.field), c.written);
    }
    SpreadsheetExport file(QStringLiteral("Compatibilit\u00e0"), {{QStringLiteral("Propriet\u00e0"), 300}});
    EXPECT_TRUE(file.Bytes().contains("<x:Name>Compatibilit\xE0</x:Name>"));
    EXPECT_TRUE(file.Bytes().contains(HeaderCell(300, "Propriet\xE0")));
}

TEST(SpreadsheetExportTest, VerbatimCellsNeedNeitherTrimNorEscape) {
    const struct {
        QByteArray bytes;
        bool verbatim;
    } cases[] = {
        {"", true},           {"Fiat Panda", true},        {"Data: 01/02/2020  Prezzo: 9,00", true},
        {"Fiat ", false},     {" Panda", false},           {"a\tb", true},
        {"x\x01", false},     {"\x80\x81\xff", false},     {"\x80\x9f\xff", true},
        {"a\x7f", false},     {"0123456789\x1b", false},  {"0123456789\x7f" "abcdef", false},
        {"a&b", false},
        {"<", false},         {"0123456789>", false},      {"0123456789abcdef&", false},
        {"=?;:", true},       {"0123456789abcdef", true},  {"ab<defghijk", false},
        {"=?=?=?=?=?", true},  {"&bcdefgh", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SpreadsheetExport::IsVerbatimCell(c.bytes), c.verbatim) << c.bytes.toStdString();
}

TEST(SpreadsheetExportTest, CellByCellWritesWhatWholeRowsWrite) {
    // Texts, and the same texts as code-page bytes where they have them: the
    // three ways of adding a cell write the same bytes.
    const QString cells[] = {
        QStringLiteral("  Rossi & Figli "), QStringLiteral("<b>x</b>"), QString(), QStringLiteral(" \t "),
        QStringLiteral("Citt\u00e0 \u20ac 30\u00b0"), QStringLiteral("\r\nriga\x01"),
        QString(QChar(0x81)) + QStringLiteral("&#65;"), QStringLiteral("a>b<c&d"),
    };
    const std::vector<SpreadsheetColumn> columns(3, {QStringLiteral("C"), 100});
    SpreadsheetExport rows(QStringLiteral("S"), columns), texts(QStringLiteral("S"), columns),
        bytes(QStringLiteral("S"), columns), whole(QStringLiteral("S"), columns);
    for (const QString &cell : cells) {
        rows.AddRow({cell, cell});
        // A whole row of bytes, copied as they are where nothing needs doing.
        const QByteArray cp = ToCp1252(cell);
        const QByteArrayView pair[] = {cp, cp};
        whole.AddCodePageRow(pair, SpreadsheetExport::IsVerbatimCell(cp));
        texts.BeginRow();
        bytes.BeginRow();
        for (int k = 0; k < 2; ++k) {
            texts.AddCell(cell);
            bytes.AddCodePageCell(ToCp1252(cell));
        }
        texts.EndRow();
        bytes.EndRow();
    }
    // Cells beyond the last column are left out, as AddRow leaves them.
    rows.AddRow({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    const QByteArrayView four[] = {"1", "2", "3", "4"};
    whole.AddCodePageRow(four, true);
    texts.BeginRow();
    bytes.BeginRow();
    for (const char *cell : {"1", "2", "3", "4"}) {
        texts.AddCell(QString::fromLatin1(cell));
        bytes.AddCodePageCell(cell);
    }
    texts.EndRow();
    bytes.EndRow();
    EXPECT_EQ(texts.RowCount(), rows.RowCount());
    EXPECT_EQ(texts.Bytes(), rows.Bytes());
    EXPECT_EQ(bytes.Bytes(), rows.Bytes());
    EXPECT_EQ(whole.Bytes(), rows.Bytes());
    EXPECT_EQ(whole.RowCount(), rows.RowCount());
    EXPECT_TRUE(rows.Bytes().contains(Cell("Rossi &amp; Figli") + Cell("Rossi &amp; Figli") + Cell("") + "</tr>"));
    EXPECT_TRUE(rows.Bytes().contains(Cell(" &amp;#65;")));
    EXPECT_FALSE(rows.Bytes().contains(Cell("4")));
}

// True when the bytes hold a control character other than a tab: a C0
// control, DEL, or one of the code page's five undefined bytes.
bool HasRawControl(const QByteArray &bytes) {
    for (const char b : bytes)
        if (b != '\t' && IsControlByte(static_cast<unsigned char>(b))) return true;
    return false;
}

// A control character inside a cell is written as a blank, by every way of
// adding a cell; one at either end is trimmed away where trimming reaches it
// (up to U+0020), blanked where it does not (DEL). A tab inside stays.
TEST(SpreadsheetExportTest, ControlCharactersAreWrittenAsBlanks) {
    const struct {
        const char *label;
        QString text;
        QByteArray written;
    } cases[] = {
        {"a NUL inside", QStringLiteral("Ros") + QChar(0) + QStringLiteral("si"), "Ros si"},
        {"an ESC inside", QStringLiteral("Via\x1b[2JRoma"), "Via [2JRoma"},
        {"a DEL inside", QStringLiteral("Fi\x7f" "at"), "Fi at"},
        {"a line break of a stored record", QStringLiteral("Via Roma\r\nMilano"), "Via Roma  Milano"},
        {"a tab stays", QStringLiteral("a\tb"), "a\tb"},
        {"controls at the ends are trimmed", QStringLiteral("\x01\x1b Rossi \x00\x1f"), "Rossi"},
        {"a DEL at an end is blank", QStringLiteral("Rossi\x7f"), "Rossi "},
        {"the undefined bytes' controls", QString(QChar(0x81)) + QChar(0x9d) + QStringLiteral("x"), "  x"},
        {"markup and controls", QStringLiteral("<a\x00&\x7f>"), "&lt;a &amp; &gt;"},
        {"a long run", QStringLiteral("0123456789abcdef\x00" "0123456789abcdef"), "0123456789abcdef 0123456789abcdef"},
    };
    const std::vector<SpreadsheetColumn> columns(1, {QStringLiteral("C"), 100});
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        SpreadsheetExport texts(QStringLiteral("S"), columns), bytes(QStringLiteral("S"), columns),
            whole(QStringLiteral("S"), columns);
        texts.AddRow({c.text});
        const QByteArray cp = ToCp1252(c.text);
        bytes.BeginRow();
        bytes.AddCodePageCell(cp);
        bytes.EndRow();
        const QByteArrayView row[] = {cp};
        whole.AddCodePageRow(row, SpreadsheetExport::IsVerbatimCell(cp));
        for (const SpreadsheetExport *file : {&texts, &bytes, &whole}) {
            EXPECT_TRUE(file->Bytes().contains(Cell(c.written))) << file->Bytes().toStdString();
            EXPECT_FALSE(HasRawControl(file->Bytes()));
        }
    }
    // A C1 control the code page has no byte for is a blank too, not the
    // reference "&#128;", which the spreadsheet would read as the euro sign.
    EXPECT_EQ(CellBytes(QStringLiteral("a") + QChar(0x80) + QStringLiteral("b")), "a b");
}

// A row of empty cells, as an empty row of a grid hands them over: views
// with no bytes behind them at all.
TEST(SpreadsheetExportTest, EmptyCellsWithoutBytesWriteEmptyCells) {
    const std::vector<SpreadsheetColumn> columns(3, {QStringLiteral("C"), 100});
    for (const bool verbatim : {true, false}) {
        SpreadsheetExport file(QStringLiteral("S"), columns);
        const QByteArrayView none[] = {QByteArrayView(), QByteArrayView(), QByteArrayView()};
        file.AddCodePageRow(none, verbatim);
        file.AddCodePageRow(std::span<const QByteArrayView>(), verbatim);
        EXPECT_TRUE(file.Bytes().endsWith("<tr>" + Cell("") + Cell("") + Cell("") + "</tr><tr>" + Cell("") +
                                          Cell("") + Cell("") + "</tr>" + kTail));
    }
}

// ---- Writing ---------------------------------------------------------------

class SpreadsheetWriteTest : public ::testing::Test {
protected:
    static SpreadsheetExport Sheet(const QStringList &cells) {
        SpreadsheetExport file(QStringLiteral("S"), {{QStringLiteral("A"), 100}});
        for (const QString &c : cells) file.AddRow({c});
        return file;
    }
    QStringList Entries() const {
        return QDir(folder.Path(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    TestFolder folder;
};

TEST_F(SpreadsheetWriteTest, WritesAndReplacesTheWholeFile) {
    const QString path = folder.Path(QStringLiteral("Prova.xls"));
    const SpreadsheetExport first = Sheet({QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")});
    ASSERT_TRUE(first.WriteTo(path));
    EXPECT_EQ(folder.Read(QStringLiteral("Prova.xls")), first.Bytes());

    const SpreadsheetExport second = Sheet({QStringLiteral("x")});
    ASSERT_TRUE(second.WriteTo(path));
    EXPECT_EQ(folder.Read(QStringLiteral("Prova.xls")), second.Bytes());
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("Prova.xls")});
}

TEST_F(SpreadsheetWriteTest, AFolderAtTheFilesNameIsAFailure) {
    folder.Block(QStringLiteral("Prova.xls"));
    EXPECT_FALSE(Sheet({QStringLiteral("uno")}).WriteTo(folder.Path(QStringLiteral("Prova.xls"))));
    EXPECT_TRUE(QFileInfo(folder.Path(QStringLiteral("Prova.xls"))).isDir());
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("Prova.xls")});
}

TEST_F(SpreadsheetWriteTest, AFailedWriteLeavesTheOldFileWhole) {
    const QByteArray old = Sheet({QStringLiteral("vecchio")}).Bytes();
    folder.Write(QStringLiteral("Prova.xls"), old);
    QStringList many;
    for (int i = 0; i < 500; ++i) many.append(QStringLiteral("riga %1").arg(i));
    const SpreadsheetExport big = Sheet(many);
    {
        test::WriteLimit noRoom(big.Bytes().size() / 2);
        EXPECT_FALSE(big.WriteTo(folder.Path(QStringLiteral("Prova.xls"))));
    }
    EXPECT_EQ(folder.Read(QStringLiteral("Prova.xls")), old);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("Prova.xls")});
}

// A sheet of many rows, several blocks long, with every kind of cell.
void AddManyRows(SpreadsheetExport &file, int rows) {
    for (int r = 0; r < rows; ++r) {
        file.BeginRow();
        file.AddCell(QStringLiteral(" riga %1 & <b>\u03a9</b> ").arg(r));
        file.AddCodePageCell(ToCp1252(QStringLiteral("Citt\u00e0 \u20ac %1 > 0").arg(r)));
        file.EndRow();
    }
}

TEST_F(SpreadsheetWriteTest, AStreamedSheetIsTheSameFile) {
    const std::vector<SpreadsheetColumn> columns = {{QStringLiteral("A"), 100}, {QStringLiteral("B"), 200}};
    // Several blocks, and more than one step of the disk's write-back.
    SpreadsheetExport kept(QStringLiteral("Foglio"), columns);
    AddManyRows(kept, 120000);
    ASSERT_GT(kept.Bytes().size(), 9 * 1024 * 1024);
    folder.Write(QStringLiteral("Prova.xls"), "vecchio");

    SpreadsheetExport streamed(QStringLiteral("Foglio"), columns);
    ASSERT_TRUE(streamed.StreamTo(folder.Path(QStringLiteral("Prova.xls"))));
    AddManyRows(streamed, 120000);
    // Nothing replaces the former file before the end.
    EXPECT_EQ(folder.Read(QStringLiteral("Prova.xls")), QByteArray("vecchio"));
    ASSERT_TRUE(streamed.Commit());
    EXPECT_EQ(streamed.RowCount(), 120000);
    EXPECT_EQ(folder.Read(QStringLiteral("Prova.xls")), kept.Bytes());
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("Prova.xls")});
}

TEST_F(SpreadsheetWriteTest, AStreamedSheetThatCannotBeWrittenLeavesTheOldFileWhole) {
    const QByteArray old = Sheet({QStringLiteral("vecchio")}).Bytes();
    folder.Write(QStringLiteral("Prova.xls"), old);
    const std::vector<SpreadsheetColumn> columns = {{QStringLiteral("A"), 100}, {QStringLiteral("B"), 200}};
    // Failing in the middle of the rows, and failing at the last block.
    for (const rlim_t limit : {rlim_t(600 * 1024), rlim_t(1024)}) {
        SCOPED_TRACE(limit);
        test::WriteLimit noRoom(limit);
        SpreadsheetExport file(QStringLiteral("Foglio"), columns);
        EXPECT_TRUE(file.StreamTo(folder.Path(QStringLiteral("Prova.xls"))));
        AddManyRows(file, limit > 1024 ? 20000 : 10);
        EXPECT_FALSE(file.Commit());
        EXPECT_EQ(folder.Read(QStringLiteral("Prova.xls")), old);
        EXPECT_EQ(Entries(), QStringList{QStringLiteral("Prova.xls")});
    }
    // A folder at the file's name: refused at once, and at the end.
    QFile::remove(folder.Path(QStringLiteral("Prova.xls")));
    folder.Block(QStringLiteral("Prova.xls"));
    SpreadsheetExport file(QStringLiteral("Foglio"), columns);
    EXPECT_FALSE(file.StreamTo(folder.Path(QStringLiteral("Prova.xls"))));
    AddManyRows(file, 10);
    EXPECT_FALSE(file.Commit());
    EXPECT_TRUE(QFileInfo(folder.Path(QStringLiteral("Prova.xls"))).isDir());
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("Prova.xls")});
}

// ---- A spreadsheet program reads it back -----------------------------------

// Converts `xls` to CSV (UTF-8) with LibreOffice and gives back its lines.
QStringList ConvertedByLibreOffice(const QString &office, const QString &xls, const QString &work) {
    QProcess soffice;
    soffice.start(office, {QStringLiteral("-env:UserInstallation=file://") + work + QStringLiteral("/profile"),
                           QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                           QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"), QStringLiteral("--outdir"),
                           work + QStringLiteral("/out"), xls});
    if (!soffice.waitForFinished(90000)) {
        soffice.kill();
        soffice.waitForFinished();
        ADD_FAILURE() << "LibreOffice did not finish";
        return {};
    }
    QFile csv(work + QStringLiteral("/out/") + QFileInfo(xls).completeBaseName() + QStringLiteral(".csv"));
    if (!csv.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no CSV: " << soffice.readAllStandardError().toStdString();
        return {};
    }
    QString text = QString::fromUtf8(csv.readAll());
    if (text.endsWith(u'\n')) text.chop(1);
    return text.split(u'\n');
}

TEST_F(SpreadsheetWriteTest, LibreOfficeReadsTheCellsBack) {
    QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty()) office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (office.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed (see README.md)";

    SpreadsheetExport file(QStringLiteral("Flotta Automezzi"),
                           {{QStringLiteral("Compatibilit\u00e0 ambientale"), 200}, {QStringLiteral("Note"), 350}});
    file.AddRow({QStringLiteral("  Euro 6 "), QStringLiteral("Rossi & Figli <b>grassetto</b> x>y")});
    file.AddRow({QStringLiteral("Citt\u00e0 \u00e8 \u20ac 30\u00b0"), QStringLiteral("\u03a9 &amp; \"Gold\"")});
    file.AddRow({QString(), QString()});
    const QString xls = folder.Path(QStringLiteral("Flotta_Automezzi.xls"));
    ASSERT_TRUE(file.WriteTo(xls));

    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QStringList lines = ConvertedByLibreOffice(office, xls, work.path());
    const QStringList expected = {
        QStringLiteral("\"Compatibilit\u00e0 ambientale\",\"Note\""),
        QStringLiteral("\"Euro 6\",\"Rossi & Figli <b>grassetto</b> x>y\""),
        QStringLiteral("\"Citt\u00e0 \u00e8 \u20ac 30\u00b0\",\"\u03a9 &amp; \"\"Gold\"\"\""),
    };
    // The empty last row carries nothing a CSV would keep.
    EXPECT_EQ(lines.mid(0, 3), expected);
    for (const QString &rest : lines.mid(3))
        EXPECT_TRUE(rest == QStringLiteral(",") || rest.isEmpty()) << rest.toStdString();
}

}  // namespace
}  // namespace vel
