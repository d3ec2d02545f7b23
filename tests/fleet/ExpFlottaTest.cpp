#include <QHeaderView>
#include <QLineEdit>
#include <memory>

#include "common/Records.h"
#include "dialogs/Guida.h"
#include "fleet/ExpFlotta.h"
#include "fleet/Flotta.h"
#include "support/ExportSuite.h"

namespace vel::test {
namespace {

const QString kArchive = QStringLiteral("Flotta_Automezzi.pro");
const QString kXls = QStringLiteral("Flotta_Automezzi.xls");

// The header cells of the fleet file, in order: caption (UTF-8) and width.
const ExpectedHeader kColumns[] = {
    {"Tipo veicolo", 250},
    {"Marca e modello", 250},
    {"Colore", 250},
    {"Alimentazione", 250},
    {"Targa", 250},
    {"Impianti e accessori", 300},
    {"Telaio", 250},
    {"Data immatricolazione", 200},
    {"Cilindrata", 200},
    {"Cavalli fiscali / kW", 250},
    {"Acquisto", 250},
    {"Apparato Telepass", 250},
    {"Numero posti", 150},
    {"Tessera Viacard", 250},
    {"Destinazione ed uso", 250},
    {"Pneumatici", 250},
    {"Compatibilit\u00e0 ambientale", 200},
    {"Libretto circolazione e Certificato propriet\u00e0", 300},
    {"Compagnia assicurazione", 250},
    {"Incidenti subiti", 300},
    {"Stato veicolo", 250},
    {"Proprietario o responsabile", 250},
    {"Codice fiscale", 200},
    {"Telefono preferenziale", 250},
    {"Note", 350},
};

// A vehicle with every field filled, each text naming its field.
Record FullVehicle() {
    Record r(VehicleRecord);
    for (const FieldDef &f : VehicleRecord.Fields())
        r.SetText(f.name, QString::fromLatin1(f.name.data(), int(f.name.size())) + QStringLiteral(" 1"));
    r.SetText("Disponibile", QStringLiteral("S\u00ec"));
    return r;
}

// What the grid shows of FullVehicle in columns 1 to 25.
QStringList FullVehicleRow() {
    return {QStringLiteral("Veicolo 1"),    QStringLiteral("Marca 1 Modello 1"),
            QStringLiteral("Colore 1"),     QStringLiteral("Alimentazione 1"),
            QStringLiteral("Targa 1"),      QStringLiteral("Impianti 1"),
            QStringLiteral("Telaio 1"),     QStringLiteral("Immatricolazione 1"),
            QStringLiteral("Cilindrata 1"), QStringLiteral("Cavalli 1"),
            QStringLiteral("Data: DataAcq 1  Prezzo: PrezzoAcq 1"),
            QStringLiteral("Telepass 1"),   QStringLiteral("Posti 1"),
            QStringLiteral("Viacard 1"),    QStringLiteral("Uso 1"),
            QStringLiteral("Pneumatici 1"), QStringLiteral("Ambientale 1"),
            QStringLiteral("Officina 1"),   QStringLiteral("Compagnia 1"),
            QStringLiteral("Incidenti 1"),  QStringLiteral("Stato 1"),
            QStringLiteral("Conducente 1"), QStringLiteral("CodFisc 1"),
            QStringLiteral("Recapito 1"),   QStringLiteral("Note 1")};
}

// A vehicle with make and model only, and a note with markup and accents.
Record SparseVehicle() {
    Record r(VehicleRecord);
    r.SetText("Veicolo", QStringLiteral("Furgone"));
    r.SetText("Marca", QStringLiteral("Fiat"));
    r.SetText("Targa", QStringLiteral("ZZ999ZZ"));
    r.SetText("Peso", QStringLiteral("3,5"));
    r.SetText("Litro", QStringLiteral("12"));
    r.SetText("Assi", QStringLiteral("2"));
    r.SetText("File01", QStringLiteral("libretto.pdf"));
    r.SetText("Note", QStringLiteral("<b>revisione</b> & tagliando, \u00e8 \u20ac 30\u00b0"));
    return r;
}

// What the file holds of SparseVehicle: texts trimmed, markup characters as
// references, so the spreadsheet shows the note as typed.
QStringList SparseVehicleFileRow() {
    QStringList cells(25);
    cells[0] = QStringLiteral("Furgone");
    cells[1] = QStringLiteral("Fiat");
    cells[4] = QStringLiteral("ZZ999ZZ");
    cells[10] = QStringLiteral("Data:   Prezzo:");
    cells[24] = QStringLiteral("&lt;b&gt;revisione&lt;/b&gt; &amp; tagliando, \u00e8 \u20ac 30\u00b0");
    return cells;
}

// The export frame's behaviour, for the fleet's export.
struct FleetExport {
    using Window = TfrmExpFlotta;
    static QWidget *Owner() { return frmFlotta; }
    static const RecordLayout &Layout() { return VehicleRecord; }
    static QString Archive() { return kArchive; }
    static QString File() { return kXls; }
    static const char *SheetName() { return "Flotta Automezzi"; }
    static std::vector<ExpectedHeader> Headers() { return {std::begin(kColumns), std::end(kColumns)}; }
    static std::vector<Record> Records() { return {FullVehicle(), SparseVehicle()}; }
    static std::vector<QStringList> GridRows() {
        QStringList sparse(25);
        sparse[0] = QStringLiteral("Furgone");
        // The make with the model's blank after it, and the purchase labels alone.
        sparse[1] = QStringLiteral("Fiat ");
        sparse[4] = QStringLiteral("ZZ999ZZ");
        sparse[10] = QStringLiteral("Data:   Prezzo: ");
        sparse[24] = QStringLiteral("<b>revisione</b> & tagliando, \u00e8 \u20ac 30\u00b0");
        return {FullVehicleRow(), sparse};
    }
    static std::vector<QStringList> FileRows() { return {FullVehicleRow(), SparseVehicleFileRow()}; }
    static std::vector<QByteArray> FileHolds() { return {QByteArray("tagliando, \xE8 \x80 30\xB0")}; }
    static std::vector<QByteArray> FileLacks() { return {QByteArray("libretto"), QByteArray("3,5")}; }
    static Record Numbered(int n) { return Vehicle({{"Targa", QStringLiteral("T%1").arg(n)}}); }
    static QStringList NumberedRow(int n) {
        QStringList cells(25);
        cells[4] = QStringLiteral("T%1").arg(n);
        cells[10] = QStringLiteral("Data:   Prezzo:");
        return cells;
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Flotta, ExportSuite, FleetExport);

class ExpFlottaTest : public ExportTest<TfrmExpFlotta> {
protected:
    ExpFlottaTest() : ExportTest(kArchive, VehicleRecord) {}
    // Opens the export as the vehicle card does and shows it.
    TfrmExpFlotta &Open() { return OpenFrom(frmFlotta); }
};

TEST_F(ExpFlottaTest, LooksAsDesigned) {
    TfrmExpFlotta &d = Open();
    EXPECT_EQ(d.objectName(), QStringLiteral("frmExpFlotta"));
    EXPECT_EQ(d.Caption(), QStringLiteral(" Esporta archivio parco automezzi in Excel"));
    EXPECT_EQ(d.size(), QSize(862, 560));
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(d.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(d.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    for (QWidget *picture : {static_cast<QWidget *>(d.cmdEsporta), static_cast<QWidget *>(d.cmdGuida),
                             static_cast<QWidget *>(d.cmdEsci), static_cast<QWidget *>(d.imgTitolo)})
        EXPECT_TRUE(picture->isVisible()) << picture->objectName().toStdString();

    ExportGrid *grid = d.grdRecords;
    EXPECT_TRUE(grid->alternatingRowColors());
    EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 21);
    ASSERT_EQ(grid->columnCount(), 26);
    EXPECT_EQ(grid->Caption(0), QStringLiteral("N."));
    EXPECT_EQ(grid->columnWidth(0), 60);
    for (int k = 1; k <= 25; ++k) {
        const QString caption = QString::fromUtf8(kColumns[k - 1].caption);
        SCOPED_TRACE(caption.toStdString());
        EXPECT_EQ(grid->Caption(k), caption);
        EXPECT_EQ(grid->columnWidth(k), kColumns[k - 1].width);
        const bool editable = caption == QStringLiteral("Codice fiscale") ||
                              caption == QStringLiteral("Telefono preferenziale");
        EXPECT_EQ(grid->IsEditable(0, k), editable);
        EXPECT_EQ(grid->IsEditable(9, k), editable);
    }
    EXPECT_FALSE(grid->IsEditable(0, 0));
}

// What the grid shows of each vehicle is checked by the export suite; here,
// what it leaves out.
TEST_F(ExpFlottaTest, WeightMileageAxlesFlagAndAttachmentsAreNotShown) {
    WriteArchive({FullVehicle(), SparseVehicle()});
    TfrmExpFlotta &d = Open();
    ASSERT_EQ(d.grdRecords->rowCount(), 2);
    for (const QString &cell : Row(0) + Row(1))
        for (const char *hidden : {"Peso", "Litro", "Assi", "File01", "Desc03", "S\u00ec", "3,5", "libretto"})
            EXPECT_FALSE(cell.contains(QString::fromUtf8(hidden))) << cell.toStdString();
}

TEST_F(ExpFlottaTest, EditedCellsReachTheFileNeverTheArchive) {
    WriteArchive({SparseVehicle()});
    const QByteArray archive = folder.Read(kArchive);
    TfrmExpFlotta &d = Open();
    ExportGrid *grid = d.grdRecords;
    const int codFisc = 23, recapito = 24;

    grid->SetText(0, codFisc, QStringLiteral("  RSSMRA80A01H501U "));
    // A telephone still being typed when the export is clicked counts as typed.
    grid->setCurrentIndex(grid->model()->index(0, recapito));
    grid->setFocus();
    grid->edit(grid->model()->index(0, recapito));
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("333 1234567"));

    messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::Yes);
    messages.Expect(MsgKind::Confirmation, kExportDone, MsgButton::No);
    Click(d.cmdEsporta);
    const QByteArray written = folder.Read(kXls);
    EXPECT_TRUE(written.contains("<td style=\"text-align: left;\">RSSMRA80A01H501U</td>"
                                 "<td style=\"text-align: left;\">333 1234567</td>"));
    EXPECT_EQ(grid->Text(0, recapito), QStringLiteral("333 1234567"));
    EXPECT_EQ(folder.Read(kArchive), archive);
}

TEST_F(ExpFlottaTest, GuideOpensWithItsTitleAndText) {
    TfrmExpFlotta &d = Open();
    modals.Expect<TfrmGuida>([](TfrmGuida &guide) {
        EXPECT_EQ(guide.lblTitolo->text(), QStringLiteral("Esportazione archivio parco automezzi in Excel"));
        EXPECT_EQ(guide.txtGuida->toPlainText(),
                  QStringLiteral(
                      "Il pulsante Esporta archivio consente di esportare tutte le schede del parco automezzi in un "
                      "foglio di lavoro di Microsoft Excel, che potr\u00e0 essere aperto con qualsiasi software in "
                      "grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft "
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

TEST_F(ExpFlottaTest, OpenedModallyAndLeftWithTheExitPicture) {
    WriteArchive({SparseVehicle()});
    bool seen = false;
    modals.Expect<TfrmExpFlotta>([&](TfrmExpFlotta &d) {
        seen = true;
        EXPECT_EQ(d.grdRecords->rowCount(), 1);
        Click(d.cmdEsci);
        EXPECT_FALSE(d.isVisible());
    });
    TfrmExpFlotta export_(frmFlotta);
    export_.Create();
    export_.ShowModal();
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace vel::test
