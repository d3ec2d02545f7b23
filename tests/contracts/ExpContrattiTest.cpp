#include <QHeaderView>
#include <QLineEdit>
#include <memory>

#include "ContractFixture.h"
#include "contracts/ExpContratti.h"
#include "dialogs/Guida.h"
#include "support/ExportSuite.h"

namespace vel::test {
namespace {

const QString kXls = QStringLiteral("Contratti_NSC.xls");

// The header cells of the contract file, in order: caption (UTF-8) and width.
const ExpectedHeader kColumns[] = {
    {"Contratto n.", 160},
    {"Data stipula", 120},
    {"Cognome e nome cliente", 250},
    {"Via e numero civico", 250},
    {"Comune di residenza", 250},
    {"Codice fiscale", 150},
    {"Telefono", 200},
    {"Conducente supplementare", 250},
    {"Tipologia tariffa", 250},
    {"Criterio conteggio", 300},
    {"Calcolo eccedenza", 300},
    {"Imp. totale", 180},
    {"Marca e modello veicolo", 250},
    {"Targa", 150},
    {"Inizio noleggio", 280},
    {"Sede ritiro", 250},
    {"Fine noleggio", 280},
    {"Sede riconsegna", 250},
    {"Tot. giorni", 150},
    {"Livello carburante", 150},
    {"Km partenza", 150},
    {"Km rientro", 150},
    {"Imp. cauzione", 150},
    {"Difetti veicolo al rientro", 300},
    {"Note", 300},
};

// What grid and file show of FullContract("1"): every field named after
// itself, the times cut to their five characters.
QStringList FullContractRow() {
    return {QStringLiteral("NumContratto1"),
            QStringLiteral("10/03/2026"),
            QStringLiteral("Cliente1"),
            QStringLiteral("IndirizzoRes1"),
            QStringLiteral("ComuneRes1 RM"),
            QStringLiteral("CodFisc1"),
            QStringLiteral("Recapito1"),
            QStringLiteral("Conducente1"),
            QStringLiteral("Tariffa1"),
            QStringLiteral("Conteggio1"),
            QStringLiteral("Eccedenza1"),
            QStringLiteral("25,00"),
            QStringLiteral("Marca1"),
            QStringLiteral("Targa1"),
            QStringLiteral("Data: 11/03/2026 Ora: OraIn"),
            QStringLiteral("SedeRit1"),
            QStringLiteral("Data: 12/03/2026 Ora: OraFi"),
            QStringLiteral("SedeRic1"),
            QStringLiteral("TotGi"),
            QStringLiteral("Livello1"),
            QStringLiteral("KmParte1"),
            QStringLiteral("KmRientro1"),
            QStringLiteral("100,00"),
            QStringLiteral("Difetti1"),
            QStringLiteral("Note1")};
}

// A contract with a town but no province, no start, an end date without its
// time, and a note with markup and accents.
Record SparseContract() {
    return Contract({{"NumContratto", QStringLiteral("7")},
                     {"Cliente", QStringLiteral("Neri Gino")},
                     {"ComuneRes", QStringLiteral("Roma")},
                     {"DataFine", QStringLiteral("20/03/2026")},
                     {"Ditta", QStringLiteral("Autonoleggi Rossi")},
                     {"Pagamento", QStringLiteral("Bonifico")},
                     {"Note", QStringLiteral("<b>saldo</b> & resto, \u00e8 \u20ac 30\u00b0")}});
}

QStringList SparseGridRow() {
    QStringList cells(25);
    cells[0] = QStringLiteral("7");
    cells[2] = QStringLiteral("Neri Gino");
    // The town with the province's blank after it, the start labels alone.
    cells[4] = QStringLiteral("Roma ");
    cells[14] = QStringLiteral("Data:  Ora: ");
    cells[16] = QStringLiteral("Data: 20/03/2026 Ora: ");
    cells[24] = QStringLiteral("<b>saldo</b> & resto, \u00e8 \u20ac 30\u00b0");
    return cells;
}

// What the file holds of SparseContract: texts trimmed, markup characters as
// references, so the spreadsheet shows the note as typed.
QStringList SparseFileRow() {
    QStringList cells(25);
    cells[0] = QStringLiteral("7");
    cells[2] = QStringLiteral("Neri Gino");
    cells[4] = QStringLiteral("Roma");
    cells[14] = QStringLiteral("Data:  Ora:");
    cells[16] = QStringLiteral("Data: 20/03/2026 Ora:");
    cells[24] = QStringLiteral("&lt;b&gt;saldo&lt;/b&gt; &amp; resto, \u00e8 \u20ac 30\u00b0");
    return cells;
}

// The card on the year the tests write: the export reads the archive its
// lblFile names.
TfrmContrattiNSC *CardOnYear() {
    frmContrattiNSC->lblFile->setText(ProgramPath(ContractArchive()));
    return frmContrattiNSC;
}

// The export frame's behaviour, for the contract export.
struct ContractExport {
    using Window = TfrmExpContratti;
    static QWidget *Owner() { return CardOnYear(); }
    static const RecordLayout &Layout() { return ContractRecord; }
    static QString Archive() { return ContractArchive(); }
    static QString File() { return kXls; }
    static const char *SheetName() { return "Riepilogo Contratti NSC"; }
    static std::vector<ExpectedHeader> Headers() { return {std::begin(kColumns), std::end(kColumns)}; }
    static std::vector<Record> Records() { return {FullContract(QStringLiteral("1")), SparseContract()}; }
    static std::vector<QStringList> GridRows() { return {FullContractRow(), SparseGridRow()}; }
    static std::vector<QStringList> FileRows() { return {FullContractRow(), SparseFileRow()}; }
    static std::vector<QByteArray> FileHolds() { return {QByteArray("resto, \xE8 \x80 30\xB0")}; }
    static std::vector<QByteArray> FileLacks() {
        return {QByteArray("Ditta"),     QByteArray("Luogo1"),   QByteArray("Impianti1"), QByteArray("Pagamento"),
                QByteArray("Privacy1"),  QByteArray("File011"),  QByteArray("Desc031"),   QByteArray("S\xEC"),
                QByteArray("12,50"),     QByteArray("Veicolo1"), QByteArray("Sesso"),     QByteArray("Bonifico")};
    }
    static Record Numbered(int n) {
        return Contract({{"NumContratto", QString::number(n)}, {"Targa", QStringLiteral("T%1").arg(n)}});
    }
    static QStringList NumberedRow(int n) {
        QStringList cells(25);
        cells[0] = QString::number(n);
        cells[13] = QStringLiteral("T%1").arg(n);
        cells[14] = QStringLiteral("Data:  Ora:");
        cells[16] = QStringLiteral("Data:  Ora:");
        return cells;
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Contratti, ExportSuite, ContractExport);

class ExpContrattiTest : public ExportTest<TfrmExpContratti> {
protected:
    ExpContrattiTest() : ExportTest(ContractArchive(), ContractRecord) {}
    // Opens the export as the contract card does and shows it.
    TfrmExpContratti &Open() { return OpenFrom(CardOnYear()); }
};

TEST_F(ExpContrattiTest, LooksAsDesigned) {
    TfrmExpContratti &d = Open();
    EXPECT_EQ(d.objectName(), QStringLiteral("frmExpContratti"));
    EXPECT_EQ(d.Caption(), QStringLiteral(" Esporta archivio contratti N.S.C. in Excel"));
    EXPECT_EQ(d.size(), QSize(862, 560));
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(d.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(d.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    for (QWidget *picture : {static_cast<QWidget *>(d.cmdEsporta), static_cast<QWidget *>(d.cmdGuida),
                             static_cast<QWidget *>(d.cmdEsci), static_cast<QWidget *>(d.imgTitolo)})
        EXPECT_TRUE(picture->isVisible()) << picture->objectName().toStdString();

    ExportGrid *grid = d.grdRecords;
    EXPECT_TRUE(grid->alternatingRowColors());
    ASSERT_EQ(grid->columnCount(), 26);
    EXPECT_EQ(grid->Caption(0), QStringLiteral("N."));
    for (int k = 1; k <= 25; ++k) {
        const QString caption = QString::fromUtf8(kColumns[k - 1].caption);
        SCOPED_TRACE(caption.toStdString());
        // The total is spelt out on screen, shortened in the file.
        EXPECT_EQ(grid->Caption(k), k == 12 ? QStringLiteral("Importo totale") : caption);
        // "Livello carburante" to "Note": what the car came back with.
        const bool editable = k >= 20;
        EXPECT_EQ(grid->IsEditable(0, k), editable);
        EXPECT_EQ(grid->IsEditable(9, k), editable);
    }
    EXPECT_FALSE(grid->IsEditable(0, 0));
}

// What the grid shows of each contract is checked by the export suite; here,
// what it leaves out.
TEST_F(ExpContrattiTest, FieldsOutsideTheColumnsAreNotShown) {
    WriteArchive({FullContract(QStringLiteral("1")), SparseContract()});
    TfrmExpContratti &d = Open();
    ASSERT_EQ(d.grdRecords->rowCount(), 2);
    for (const QString &cell : Row(0) + Row(1))
        for (const char *hidden : {"Ditta", "Luogo", "Sesso", "CapRes", "DataNasc", "ComuneNasc", "MI", "TipoPat",
                                   "NumPat", "EnteRil", "DataRil", "DataSca", "Veicolo", "Colore", "Alimentazione",
                                   "Posti", "Impianti", "12,50", "Pagamento", "Bonifico", "Foro", "Assicurazioni",
                                   "Privacy", "S\u00ec", "File0", "Desc0"})
            EXPECT_FALSE(cell.contains(QString::fromUtf8(hidden))) << cell.toStdString() << " holds " << hidden;
}

// The archive of the year the card has open, not another year's.
TEST_F(ExpContrattiTest, ReadsTheYearTheCardHasOpen) {
    WriteContracts({FullContract(QStringLiteral("1"))}, 2025);
    WriteContracts({SparseContract()}, 2026);
    frmContrattiNSC->lblFile->setText(QStringLiteral("  ") + ProgramPath(ContractArchive(2025)) + QStringLiteral(" "));
    TfrmExpContratti &d = OpenFrom(frmContrattiNSC);
    ASSERT_EQ(d.grdRecords->rowCount(), 1);
    EXPECT_EQ(Row(0), QStringList{QStringLiteral("1")} + FullContractRow());
}

TEST_F(ExpContrattiTest, EditedCellsReachTheFileNeverTheArchive) {
    WriteArchive({SparseContract()});
    const QByteArray archive = folder.Read(ContractArchive());
    TfrmExpContratti &d = Open();
    ExportGrid *grid = d.grdRecords;
    const int livello = 20, kmRientro = 22, note = 25;

    grid->SetText(0, livello, QStringLiteral(" 3/4  "));
    // A mileage still being typed when the export is clicked counts as typed.
    grid->setCurrentIndex(grid->model()->index(0, kmRientro));
    grid->setFocus();
    grid->edit(grid->model()->index(0, kmRientro));
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("12500"));

    messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::Yes);
    messages.Expect(MsgKind::Confirmation, kExportDone, MsgButton::No);
    Click(d.cmdEsporta);
    messages.Verify();
    QStringList cells = SparseFileRow();
    cells[livello - 1] = QStringLiteral("3/4");
    cells[kmRientro - 1] = QStringLiteral("12500");
    EXPECT_EQ(folder.Read(kXls), ExpectedSpreadsheet("Riepilogo Contratti NSC", kColumns, {cells}));
    EXPECT_EQ(grid->Text(0, kmRientro), QStringLiteral("12500"));
    EXPECT_EQ(grid->Text(0, note), QStringLiteral("<b>saldo</b> & resto, \u00e8 \u20ac 30\u00b0"));
    EXPECT_EQ(folder.Read(ContractArchive()), archive);
}

TEST_F(ExpContrattiTest, GuideOpensWithItsTitleAndText) {
    TfrmExpContratti &d = Open();
    modals.Expect<TfrmGuida>([](TfrmGuida &guide) {
        EXPECT_EQ(guide.lblTitolo->text(), QStringLiteral("Esportazione archivio contratti in Excel"));
        const QStringList paragraphs = guide.txtGuida->toPlainText().split(QStringLiteral("\r\n\r\n"));
        ASSERT_EQ(paragraphs.size(), 3);
        EXPECT_EQ(paragraphs[0],
                  QStringLiteral(
                      "Il pulsante Esporta archivio consente di esportare tutti i contratti di autonoleggio senza "
                      "conducente stipulati in un anno solare in un foglio di lavoro di Microsoft Excel, che potr\u00e0 "
                      "essere aperto con qualsiasi software in grado di gestire i file in formato XLS (ad esempio, con "
                      "Open Office, Libre Office o Microsoft Office)."));
        EXPECT_TRUE(paragraphs[1].contains(QStringLiteral("icona di Excel")));
        EXPECT_TRUE(paragraphs[2].contains(QStringLiteral("nome qualsiasi")));
        for (const QString &p : paragraphs) EXPECT_FALSE(p.contains(u'\n')) << p.toStdString();
        guide.btnChiudiClick();
    });
    Click(d.cmdGuida);
    EXPECT_EQ(modals.Opened(), QStringList{QStringLiteral("frmGuida")});
    EXPECT_TRUE(d.isVisible());
}

TEST_F(ExpContrattiTest, OpenedModallyAndLeftWithTheExitPicture) {
    WriteArchive({SparseContract()});
    bool seen = false;
    modals.Expect<TfrmExpContratti>([&](TfrmExpContratti &d) {
        seen = true;
        EXPECT_EQ(d.grdRecords->rowCount(), 1);
        Click(d.cmdEsci);
        EXPECT_FALSE(d.isVisible());
    });
    TfrmExpContratti export_(CardOnYear());
    export_.Create();
    export_.ShowModal();
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace vel::test
