// The customer export: what it does through the export frame (the export
// suite, for its columns), and what is its own: its looks, the file widths
// apart from the grid's, the columns the user may overwrite, what it leaves
// out, its guide.
#include <QHeaderView>
#include <QLineEdit>
#include <memory>

#include "CustomerFixture.h"
#include "common/Records.h"
#include "customers/Clienti.h"
#include "customers/ExpClienti.h"
#include "dialogs/Guida.h"
#include "support/ExportSuite.h"

namespace vel::test {
namespace {

const QString kXls = QStringLiteral("Clienti.xls");

// The header cells of the file, in order: caption (UTF-8) and width.
const ExpectedHeader kFileColumns[] = {
    {"Cliente", 250},
    {"Denominazione Ditta", 250},
    {"Sesso", 150},
    {"Telefono preferenziale", 250},
    {"Indirizzo di residenza", 300},
    {"Comune di residenza", 250},
    {"CAP", 180},
    {"Tel. casa", 250},
    {"Tel. ufficio", 250},
    {"Tel. cellulare", 250},
    {"Indirizzo PEC", 250},
    {"E-mail", 250},
    {"Codice fiscale", 250},
    {"Partita IVA", 250},
    {"Carta di credito n.", 300},
    {"IBAN", 300},
    {"Tipo patente", 200},
    {"Numero patente", 200},
    {"Ente rilascio", 250},
    {"Data rilascio", 200},
    {"Data scadenza", 200},
    {"Conducente supplementare", 300},
    {"Questioni in sospeso", 300},
    {"Note", 300},
    {"Codice Destinatario", 200},
};

// The grid's own widths, column 0 ("N.") first, and the columns open to typing.
const int kScreenWidths[] = {60,  250, 250, 100, 200, 250, 250, 100, 200, 200, 200, 250, 250, 150,
                             150, 250, 250, 200, 200, 250, 180, 180, 300, 300, 350, 160};
const int kEditable[] = {6, 14, 16, 17, 18, 20, 23, 24, 25};

// The fields of columns 1 to 25; columns 1 and 6 join two with a blank.
QStringList GridCells(const Record &r) {
    QStringList cells = {r.Text("Cognome") + u' ' + r.Text("Nome")};
    for (const char *field : {"Ditta", "Sesso", "Recapito", "IndirizzoRes"}) cells.append(r.Text(field));
    cells.append(r.Text("ComuneRes") + u' ' + r.Text("ProvRes"));
    for (const char *field : {"CapRes", "TelCasa", "TelUff", "TelCel", "Pec", "Email", "CodFisc", "PartitaIva",
                              "Carta", "Iban", "TipoPat", "NumPat", "EnteRil", "DataRil", "DataSca", "Conducente",
                              "Questioni", "Note", "CodiceDest"})
        cells.append(r.Text(field));
    return cells;
}

// A customer without first name or province, with markup and accents in
// the company and the note, and the data the export leaves out.
Record SparseCustomer() {
    return Customer({{"Cognome", U("Rossi")}, {"ComuneRes", U("Roma")}, {"Ditta", U("Rossi & Figli <srl>")},
                     {"Note", U("\xc3\xa8 puntuale, \xe2\x82\xac 30\xc2\xb0")}, {"DataNasc", U("01/01/1980")},
                     {"ComuneNasc", U("Viterbo")}, {"ScadeCarta", U("12/2030")}, {"Ricontatta", U("S\xc3\xac")},
                     {"File01", U("documento.pdf")}, {"Desc02", U("Patente fronte")}});
}

// The export frame's behaviour, for the customers' export.
struct CustomerExport {
    using Window = TfrmExpClienti;
    static QWidget *Owner() { return frmClienti; }
    static const RecordLayout &Layout() { return CustomerRecord; }
    static QString Archive() { return kCustomerArchive; }
    static QString File() { return kXls; }
    static const char *SheetName() { return "Riepilogo Clienti"; }
    static std::vector<ExpectedHeader> Headers() { return {std::begin(kFileColumns), std::end(kFileColumns)}; }
    static std::vector<Record> Records() { return {FullCustomer(QStringLiteral(" 1")), SparseCustomer()}; }
    static std::vector<QStringList> GridRows() {
        QStringList sparse(25);
        // The surname with the missing first name's blank, the town with the
        // missing province's.
        sparse[0] = QStringLiteral("Rossi ");
        sparse[1] = U("Rossi & Figli <srl>");
        sparse[5] = QStringLiteral("Roma ");
        sparse[23] = U("\xc3\xa8 puntuale, \xe2\x82\xac 30\xc2\xb0");
        return {GridCells(FullCustomer(QStringLiteral(" 1"))), sparse};
    }
    static std::vector<QStringList> FileRows() {
        QStringList sparse(25);
        sparse[0] = QStringLiteral("Rossi");
        sparse[1] = U("Rossi &amp; Figli &lt;srl&gt;");
        sparse[5] = QStringLiteral("Roma");
        sparse[23] = U("\xc3\xa8 puntuale, \xe2\x82\xac 30\xc2\xb0");
        return {GridCells(FullCustomer(QStringLiteral(" 1"))), sparse};
    }
    static std::vector<QByteArray> FileHolds() {
        return {QByteArray("<td style=\"text-align: left;\">Rossi</td>"),
                QByteArray("<td style=\"text-align: left;\">Roma</td>"), QByteArray("\xE8 puntuale, \x80 30\xB0"),
                QByteArray("Cognome 1 Nome 1"), QByteArray("ComuneRes 1 RM")};
    }
    static std::vector<QByteArray> FileLacks() {
        return {QByteArray("documento"), QByteArray("01/01/1980"), QByteArray("Viterbo"), QByteArray("12/2030"),
                QByteArray("Patente fronte"), QByteArray("DataNasc"), QByteArray("ScadeCarta"),
                QByteArray("Rossi & Figli"), QByteArray("<srl>")};
    }
    static Record Numbered(int n) {
        return Customer({{"Cognome", QStringLiteral("C%1").arg(n)}, {"Note", QStringLiteral("nota %1").arg(n)}});
    }
    static QStringList NumberedRow(int n) {
        QStringList cells(25);
        cells[0] = QStringLiteral("C%1").arg(n);
        cells[23] = QStringLiteral("nota %1").arg(n);
        return cells;
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Clienti, ExportSuite, CustomerExport);

class ExpClientiTest : public ExportTest<TfrmExpClienti> {
protected:
    ExpClientiTest() : ExportTest(kCustomerArchive, CustomerRecord) {}
    // Opens the export as the customer card does and shows it.
    TfrmExpClienti &Open() { return OpenFrom(frmClienti); }
};

TEST_F(ExpClientiTest, LooksAsDesigned) {
    TfrmExpClienti &d = Open();
    EXPECT_EQ(d.objectName(), QStringLiteral("frmExpClienti"));
    EXPECT_EQ(d.Caption(), QStringLiteral(" Esporta archivio clienti in Excel"));
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
    ASSERT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(grid->Caption(0), QStringLiteral("N."));
    for (int k = 0; k <= 25; ++k) {
        SCOPED_TRACE(k);
        if (k > 0) {
            EXPECT_EQ(grid->Caption(k), QString::fromUtf8(kFileColumns[k - 1].caption));
        }
        EXPECT_EQ(grid->columnWidth(k), kScreenWidths[k]);
        const bool editable = std::find(std::begin(kEditable), std::end(kEditable), k) != std::end(kEditable);
        EXPECT_EQ(grid->IsEditable(0, k), editable);
        EXPECT_EQ(grid->IsEditable(9, k), editable);
    }
}

// A customer with a first name and a province shows them joined; what the
// grid leaves out of a full customer: birth data, card expiry, the call-back
// flag and the attachments.
TEST_F(ExpClientiTest, JoinedColumnsAndWhatIsLeftOut) {
    WriteArchive({Customer({{"Cognome", U("Rossi")}, {"Nome", U("Mario")}, {"ComuneRes", U("Roma")},
                            {"ProvRes", U("RM")}}),
                  SparseCustomer()});
    TfrmExpClienti &d = Open();
    ASSERT_EQ(d.grdRecords->rowCount(), 2);
    EXPECT_EQ(d.grdRecords->Text(0, 1), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(d.grdRecords->Text(0, 6), QStringLiteral("Roma RM"));
    EXPECT_EQ(d.grdRecords->Text(1, 1), QStringLiteral("Rossi "));
    for (const QString &cell : Row(1))
        for (const char *hidden : {"01/01/1980", "Viterbo", "12/2030", "S\xc3\xac", "documento", "Patente fronte"})
            EXPECT_FALSE(cell.contains(QString::fromUtf8(hidden))) << cell.toStdString();
}

// The open columns take the user's text into the file, never into the
// archive; the others refuse the user's typing.
TEST_F(ExpClientiTest, EditedCellsReachTheFileNeverTheArchive) {
    WriteArchive({SparseCustomer()});
    const QByteArray archive = folder.Read(kCustomerArchive);
    TfrmExpClienti &d = Open();
    ExportGrid *grid = d.grdRecords;
    const int iban = 16, note = 24;

    grid->SetText(0, iban, QStringLiteral("  IT60X0542811101000000123456 "));
    // A note still being typed when the export is clicked counts as typed.
    grid->setCurrentIndex(grid->model()->index(0, note));
    grid->setFocus();
    grid->edit(grid->model()->index(0, note));
    auto *editor = grid->viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("chiamare dopo le 18"));
    // The user cannot open the customer's name for typing.
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable);

    messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::Yes);
    messages.Expect(MsgKind::Confirmation, kExportDone, MsgButton::No);
    Click(d.cmdEsporta);
    messages.Verify();
    const QByteArray written = folder.Read(kXls);
    EXPECT_TRUE(written.contains("<td style=\"text-align: left;\">IT60X0542811101000000123456</td>"));
    EXPECT_TRUE(written.contains("<td style=\"text-align: left;\">chiamare dopo le 18</td>"));
    EXPECT_FALSE(written.contains("puntuale"));
    EXPECT_EQ(grid->Text(0, note), QStringLiteral("chiamare dopo le 18"));
    EXPECT_EQ(folder.Read(kCustomerArchive), archive);
}

TEST_F(ExpClientiTest, GuideOpensWithItsTitleAndText) {
    TfrmExpClienti &d = Open();
    modals.Expect<TfrmGuida>([](TfrmGuida &guide) {
        EXPECT_EQ(guide.lblTitolo->text(), QStringLiteral("Esportazione archivio clienti in Excel"));
        EXPECT_EQ(guide.txtGuida->toPlainText(),
                  QStringLiteral(
                      "Il pulsante Esporta archivio consente di esportare tutte le schede dell'archivio clienti in un "
                      "foglio di lavoro di Microsoft Excel, che potr\u00e0 essere aperto con qualsiasi software in "
                      "grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft "
                      "Office).\r\n\r\n"
                      "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
                      "Excel. Questa operazione crea in tempo reale un file in formato XLS contenente le schede dei "
                      "clienti in archivio, che potr\u00e0 essere aperto immediatamente rispondendo affermativamente "
                      "al messaggio di domanda che appare.\r\n\r\n"
                      "A questo punto \u00e8 sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                      "qualsiasi."));
        guide.btnChiudiClick();
    });
    Click(d.cmdGuida);
    modals.Verify();
    EXPECT_EQ(modals.Opened(), QStringList{QStringLiteral("frmGuida")});
    EXPECT_TRUE(d.isVisible());
}

TEST_F(ExpClientiTest, OpenedModallyAndLeftWithTheExitPicture) {
    WriteArchive({SparseCustomer(), FullCustomer(QStringLiteral("2"))});
    bool seen = false;
    modals.Expect<TfrmExpClienti>([&](TfrmExpClienti &d) {
        seen = true;
        EXPECT_EQ(d.grdRecords->rowCount(), 2);
        Click(d.cmdEsci);
        EXPECT_FALSE(d.isVisible());
    });
    TfrmExpClienti export_(frmClienti);
    export_.Create();
    export_.ShowModal();
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace vel::test
