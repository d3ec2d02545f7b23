#include <QHeaderView>
#include <QLineEdit>
#include <memory>

#include "common/Records.h"
#include "dialogs/Guida.h"
#include "fleet/ExpTariffario.h"
#include "fleet/Tariffario.h"
#include "support/ExportSuite.h"

namespace vel::test {
namespace {

const QString kArchive = QStringLiteral("Tariffario.pro");
const QString kXls = QStringLiteral("Tariffario.xls");

// The columns of the tariff file, in order: header caption (UTF-8), width, the
// field shown in it, and whether the user may overwrite its cells on screen.
const struct {
    const char *caption;
    int width;
    const char *field;
    bool editable;
} kColumns[] = {
    {"Tariffa", 250, "Tariffa", false},
    {"Descrizione", 300, "Descrizione", false},
    {"Codice", 200, "Codice", false},
    {"Importo unitario", 200, "Importo", false},
    {"Criterio conteggio", 300, "Conteggio", false},
    {"Criterio calcolo eccedenza", 300, "Eccedenza", true},
    {"Tipo veicolo", 250, "Veicolo", false},
    {"Classe", 250, "Classe", false},
    {"Alimentazione", 250, "Alimentazione", false},
    {"Posti", 150, "Posti", false},
    {"Modalit\u00e0 di ritiro", 300, "Ritiro", false},
    {"Modalit\u00e0 di riconsegna", 300, "Riconsegna", false},
    {"Listino di appartenenza", 250, "Listino", false},
    {"Prezzo in listino", 200, "PrezzoList", true},
    {"Descrizione in listino", 300, "DescList", false},
    {"Modalit\u00e0 di pagamento", 250, "Pagamento", true},
    {"Banca d'appoggio", 250, "Banca", true},
    {"Cauzione", 250, "Cauzione", true},
    {"IBAN", 250, "Iban", true},
    {"Intestatario C/C", 250, "Intestatario", false},
    {"Note", 300, "Note", true},
    {"Patente", 200, "Patente", true},
    {"Documenti richiesti", 300, "Documenti", true},
    {"Assicurazioni", 300, "Assicurazioni", false},
    {"Altri requisiti", 300, "Requisiti", false},
};
constexpr int kIban = 19;  // the grid column of "IBAN"

QByteArray ExpectedFile(const std::vector<QStringList> &rows) {
    return ExpectedSpreadsheet("Tariffario Noleggi", kColumns, rows);
}

// A tariff whose every field holds its own name (each fits its capacity), so
// that a column showing the wrong field gives itself away.
Record NamedTariff() {
    Record r(TariffRecord);
    for (const FieldDef &f : TariffRecord.Fields())
        r.SetText(f.name, QString::fromLatin1(f.name.data(), int(f.name.size())));
    return r;
}

// What the grid shows of NamedTariff in columns 1 to 25.
QStringList NamedTariffRow() {
    QStringList cells;
    for (const auto &c : kColumns) cells.append(QString::fromLatin1(c.field));
    return cells;
}

// A tariff as the card saves it: amounts at zero, a note with markup and
// characters beyond ASCII, an attachment, most fields empty. Its code was
// stored with blanks around it by an older hand, which reading trims.
Record PromoTariff() {
    Record r(TariffRecord);
    r.SetText("Tariffa", QStringLiteral("Weekend"));
    r.SetText("Descrizione", QStringLiteral("Fine settimana in citt\u00e0"));
    r.SetText("Importo", QStringLiteral("0,00"));
    r.SetText("PrezzoList", QStringLiteral("0,00"));
    r.SetText("Iban", QStringLiteral("IT60X0542811101000000123456"));
    r.SetText("Note", QStringLiteral("<b>promo</b> & sconto, \u00e8 \u20ac 10"));
    r.SetText("File01", QStringLiteral("condizioni.pdf"));
    r.SetText("Desc01", QStringLiteral("Condizioni generali"));
    const QByteArray code = "  WE-01 ";
    char *field = r.Bytes().data() + TariffRecord.Offset("Codice");
    field[0] = char(code.size());
    std::copy(code.begin(), code.end(), field + 1);
    return r;
}

// What the grid shows of PromoTariff in columns 1 to 25.
QStringList PromoTariffRow() {
    QStringList cells(25);
    cells[0] = QStringLiteral("Weekend");
    cells[1] = QStringLiteral("Fine settimana in citt\u00e0");
    cells[2] = QStringLiteral("WE-01");
    cells[3] = QStringLiteral("0,00");
    cells[13] = QStringLiteral("0,00");
    cells[18] = QStringLiteral("IT60X0542811101000000123456");
    cells[20] = QStringLiteral("<b>promo</b> & sconto, \u00e8 \u20ac 10");
    return cells;
}

// The export frame's behaviour, for the tariff export.
struct TariffExport {
    using Window = TfrmExpTariffario;
    static QWidget *Owner() { return frmTariffario; }
    static const RecordLayout &Layout() { return TariffRecord; }
    static QString Archive() { return kArchive; }
    static QString File() { return kXls; }
    static const char *SheetName() { return "Tariffario Noleggi"; }
    static std::vector<ExpectedHeader> Headers() {
        std::vector<ExpectedHeader> headers;
        for (const auto &c : kColumns) headers.push_back({c.caption, c.width});
        return headers;
    }
    static std::vector<Record> Records() { return {NamedTariff(), PromoTariff()}; }
    static std::vector<QStringList> GridRows() { return {NamedTariffRow(), PromoTariffRow()}; }
    static std::vector<QStringList> FileRows() {
        QStringList promo = PromoTariffRow();
        // Markup characters as references, so the spreadsheet shows the note as typed.
        promo[20] = QStringLiteral("&lt;b&gt;promo&lt;/b&gt; &amp; sconto, \u00e8 \u20ac 10");
        return {NamedTariffRow(), promo};
    }
    static std::vector<QByteArray> FileHolds() {
        // The amount is the text as stored, with no number format of its own.
        return {QByteArray("<td style=\"text-align: left;\">WE-01</td><td style=\"text-align: left;\">0,00</td>"),
                QByteArray("sconto, \xE8 \x80 10")};
    }
    static std::vector<QByteArray> FileLacks() { return {QByteArray("condizioni")}; }
    static Record Numbered(int n) { return Tariff({{"Codice", QStringLiteral("T%1").arg(n)}}); }
    static QStringList NumberedRow(int n) {
        QStringList cells(25);
        cells[2] = QStringLiteral("T%1").arg(n);
        return cells;
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Tariffario, ExportSuite, TariffExport);

class ExpTariffarioTest : public ExportTest<TfrmExpTariffario> {
protected:
    ExpTariffarioTest() : ExportTest(kArchive, TariffRecord) {}
    // Opens the export as the tariff card does and shows it.
    TfrmExpTariffario &Open() { return OpenFrom(frmTariffario); }
};

TEST_F(ExpTariffarioTest, LooksAsDesigned) {
    TfrmExpTariffario &d = Open();
    EXPECT_EQ(d.objectName(), QStringLiteral("frmExpTariffario"));
    EXPECT_EQ(d.Caption(), QStringLiteral(" Esporta listino tariffario in Excel"));
    EXPECT_EQ(d.size(), QSize(862, 560));
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(d.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));

    ExportGrid *grid = d.grdRecords;
    EXPECT_TRUE(grid->alternatingRowColors());
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 21);
    ASSERT_EQ(grid->columnCount(), 26);
    EXPECT_EQ(grid->Caption(0), QStringLiteral("N."));
    EXPECT_EQ(grid->columnWidth(0), 60);
    EXPECT_FALSE(grid->IsEditable(0, 0));
    for (int k = 1; k <= 25; ++k) {
        const auto &column = kColumns[k - 1];
        SCOPED_TRACE(column.caption);
        EXPECT_EQ(grid->Caption(k), QString::fromUtf8(column.caption));
        EXPECT_EQ(grid->columnWidth(k), column.width);
        EXPECT_EQ(grid->IsEditable(0, k), column.editable);
    }
}

// What the grid shows of each tariff is checked by the export suite; here,
// what it leaves out.
TEST_F(ExpTariffarioTest, TheAttachmentsAreNotShown) {
    WriteArchive({NamedTariff(), PromoTariff()});
    TfrmExpTariffario &d = Open();
    ASSERT_EQ(d.grdRecords->rowCount(), 2);
    for (const QString &cell : Row(0) + Row(1))
        for (const char *hidden : {"File0", "Desc0", "condizioni", "Condizioni generali"})
            EXPECT_FALSE(cell.contains(QString::fromLatin1(hidden))) << cell.toStdString();
}

TEST_F(ExpTariffarioTest, OverwrittenCellsReachTheFileNeverTheArchive) {
    WriteArchive({PromoTariff()});
    const QByteArray archive = folder.Read(kArchive);
    TfrmExpTariffario &d = Open();
    ExportGrid *grid = d.grdRecords;

    QStringList expected = PromoTariffRow();
    expected[20] = QStringLiteral("&lt;b&gt;promo&lt;/b&gt; &amp; sconto, \u00e8 \u20ac 10");
    for (int k = 1; k <= 25; ++k) {
        if (!kColumns[k - 1].editable || k == kIban) continue;
        grid->SetText(0, k, QStringLiteral("  nuovo %1 ").arg(k));
        expected[k - 1] = QStringLiteral("nuovo %1").arg(k);
    }
    // An IBAN still being typed when the export is clicked counts as typed.
    grid->setCurrentIndex(grid->model()->index(0, kIban));
    grid->setFocus();
    grid->edit(grid->model()->index(0, kIban));
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("IT02L1234512345123456789012"));
    expected[kIban - 1] = QStringLiteral("IT02L1234512345123456789012");

    Export(MsgButton::No);
    EXPECT_EQ(folder.Read(kXls), ExpectedFile({expected}));
    EXPECT_EQ(grid->Text(0, kIban), QStringLiteral("IT02L1234512345123456789012"));
    EXPECT_EQ(folder.Read(kArchive), archive);
}

TEST_F(ExpTariffarioTest, GuideOpensWithItsTitleAndText) {
    TfrmExpTariffario &d = Open();
    modals.Expect<TfrmGuida>([&d](TfrmGuida &guide) {
        EXPECT_EQ(guide.parentWidget(), static_cast<QWidget *>(&d));
        EXPECT_EQ(guide.lblTitolo->text(), QStringLiteral("Esportazione listino tariffario in Excel"));
        EXPECT_EQ(guide.txtGuida->toPlainText(),
                  QStringLiteral(
                      "Il pulsante Esporta archivio consente di esportare i dati del tariffario in un foglio di "
                      "lavoro di Microsoft Excel, che potr\u00e0 essere aperto con qualsiasi software in grado di "
                      "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft "
                      "Office).\r\n\r\n"
                      "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
                      "Excel. Questa operazione crea in tempo reale un file in formato XLS contenente le schede in "
                      "archivio, che potr\u00e0 essere aperto immediatamente rispondendo affermativamente al messaggio "
                      "di domanda che appare.\r\n\r\n"
                      "A questo punto \u00e8 sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                      "qualsiasi."));
        guide.btnChiudiClick();
    });
    Click(d.cmdGuida);
    EXPECT_EQ(modals.Opened(), QStringList{QStringLiteral("frmGuida")});
    EXPECT_TRUE(d.isVisible());
}

TEST_F(ExpTariffarioTest, TheTariffCardOpensItModallyAndTheExitPictureLeavesIt) {
    WriteArchive({PromoTariff()});
    frmTariffario->Show();
    ShowActive(frmTariffario);
    bool seen = false;
    modals.Expect<TfrmExpTariffario>([&](TfrmExpTariffario &d) {
        seen = true;
        EXPECT_EQ(d.parentWidget(), static_cast<QWidget *>(frmTariffario));
        EXPECT_EQ(d.grdRecords->rowCount(), 1);
        EXPECT_EQ(d.grdRecords->Text(0, 3), QStringLiteral("WE-01"));
        Click(d.cmdEsci);
        EXPECT_FALSE(d.isVisible());
    });
    Click(frmTariffario->cmdEsporta);
    EXPECT_TRUE(seen);
    EXPECT_EQ(modals.Opened(), QStringList{QStringLiteral("frmExpTariffario")});
    // Nothing was exported on the way.
    EXPECT_FALSE(folder.Exists(kXls));
}

}  // namespace
}  // namespace vel::test
