#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <memory>

#include "ContractFixture.h"
#include "cards/FindDialog.h"
#include "cards/ReportPages.h"
#include "cards/ResultList.h"
#include "common/ListLines.h"
#include "contracts/DaSaldare.h"
#include "platform/QtPrint.h"
#include "support/ReadFault.h"

namespace vel::test {
namespace {

const QString kYes = QStringLiteral("S\u00ec");
const QString kArchiveFailure = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.");

class DaSaldareTest : public ContractTest {
protected:
    void SetUp() override {
        ContractTest::SetUp();
        PointCardAt();
    }
    // The list as the contract card opens it: owned by the card, no tag.
    std::unique_ptr<TfrmDaSaldare> Open() {
        auto dlg = std::make_unique<TfrmDaSaldare>(frmContrattiNSC);
        dlg->Create();
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    static Record Rental(const char *number, const char *customer, const QString &flag, const char *note = "") {
        return Contract({{"NumContratto", QString::fromUtf8(number)},
                         {"Data", QStringLiteral("01/03/2026")},
                         {"Cliente", QString::fromUtf8(customer)},
                         {"Targa", QStringLiteral("AB123CD")},
                         {"Totale", QStringLiteral("150,00")},
                         {"DaSaldare", flag},
                         {"Note", QString::fromUtf8(note)},
                         {"File01", QString::fromUtf8(customer) + QStringLiteral(".pdf")}});
    }
    static QString Card(const char *control) { return ControlTextOf(frmContrattiNSC, control); }
};

TEST_F(DaSaldareTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmDaSaldare"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Riepilogo contratti N.S.C. da saldare"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(dlg->panContainer->isVisible());
    EXPECT_EQ(Focused(), dlg->txtTrova);
    EXPECT_EQ(dlg->btnTrova->text(), QStringLiteral("Trova"));
    EXPECT_EQ(dlg->btnStampa->text(), QStringLiteral("Stampa"));
    EXPECT_EQ(dlg->btnChiudi->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->lblIstruzioni01->text(),
              U("Immettere una o pi\xc3\xb9 parole consecutive presenti nella scheda in elenco da cercare e premere "
                "il pulsante Trova."));
    EXPECT_EQ(dlg->lblIstruzioni02->text(),
              U("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo clic su "
                "Trova."));
    EXPECT_EQ(dlg->lblIstruzioni03->text(), U("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
    // No count, no criteria, no tag.
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("lblTrovate")), nullptr);
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("lblMemory")), nullptr);
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("panAvvio")), nullptr);
}

// Only a flag stored exactly as "Sì" lists a contract, in the order of the
// file, whatever the numbers and dates.
TEST_F(DaSaldareTest, ListsOnlyContractsFlaggedYesInFileOrder) {
    const std::vector<Record> contracts = {
        Rental("9", "Rossi Mario", kYes),
        Rental("10", "Verdi Anna", QStringLiteral("No")),
        Rental("2", "Bianchi Carla", kYes),
        Rental("3", "Neri Gino", QString()),
        Rental("4", "Gialli Ugo", QStringLiteral("s\u00ec")),  // written by some other program
        Rental("5", "Blu Ada", QStringLiteral("Si")),
        Rental("1", "Alfieri Dino", kYes),
    };
    WriteContracts(contracts);
    auto dlg = Open();
    EXPECT_EQ(LinesOf(dlg->lstRecords), (QStringList{ContractListLine(contracts[0]), ContractListLine(contracts[2]),
                                                     ContractListLine(contracts[6])}));
    EXPECT_TRUE(dlg->lstRecords->Line(0).startsWith(QStringLiteral("N. 9 del 01/03/2026")));
    EXPECT_EQ(SelectedRow(dlg->lstRecords), -1);
    ExpectResultListLook(dlg->lstRecords, 1600);
    EXPECT_TRUE(messages.Shown().empty());
}

// The list reads the year the card has open, named by its lblFile.
TEST_F(DaSaldareTest, ListsTheYearTheCardHasOpen) {
    WriteContracts({Rental("1", "Anno Scorso", kYes)}, 2025);
    WriteContracts({Rental("1", "Anno Corrente", kYes)}, 2026);
    frmContrattiNSC->lblFile->setText(QStringLiteral("  ") + ProgramPath(ContractArchive(2025)) + QStringLiteral(" "));
    auto dlg = Open();
    EXPECT_EQ(LinesOf(dlg->lstRecords), QStringList{ContractListLine(Rental("1", "Anno Scorso", kYes))});
}

TEST_F(DaSaldareTest, NothingToBePaidGivesAnEmptyList) {
    struct Case {
        const char *label;
        bool archive;
    };
    for (const Case c : {Case{"no archive for the year", false}, Case{"no flagged contract", true}}) {
        SCOPED_TRACE(c.label);
        if (c.archive) WriteContracts({Rental("1", "Rossi", QStringLiteral("No"))});
        auto dlg = Open();
        EXPECT_TRUE(folder.Exists(ContractArchive()));  // a missing archive is created empty
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        messages.Expect(MsgKind::Plain, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        Click(dlg->btnTrova);
        messages.Verify();
        printer.printed.clear();
        Click(dlg->btnStampa);
        ASSERT_EQ(printer.printed.size(), 1u);
        EXPECT_EQ(printer.printed[0].title, QStringLiteral("Riepilogo contratti N.S.C. da saldare"));
        EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
                  (QStringList{QStringLiteral("Riepilogo contratti N.S.C. da saldare"),
                               QStringLiteral("Stampa eseguita in data 14/03/2026")}));
    }
}

// An archive that cannot be opened, or that fails part way: the failure is
// said and nothing is listed, so that no part passes for every contract
// still to be paid.
TEST_F(DaSaldareTest, AnArchiveThatFailsIsReported) {
    folder.Block(ContractArchive());
    messages.Expect(MsgKind::Error, kArchiveFailure);
    {
        auto dlg = Open();
        messages.Verify();
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        EXPECT_TRUE(dlg->isVisible());
    }
    QDir(folder.Path(QString())).rmdir(ContractArchive());
    std::vector<Record> many;
    for (int i = 1; i <= 200; ++i) many.push_back(Rental(QByteArray::number(i).constData(), "Rossi", kYes));
    WriteContracts(many);
    ReadFault badSectors(folder.Path(ContractArchive()), qint64(100) * ContractRecord.Size());
    messages.Expect(MsgKind::Error, kArchiveFailure);
    auto dlg = Open();
    messages.Verify();
    EXPECT_GE(badSectors.Refused(), 1);
    // No part of the list passes for the whole.
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Focused(), dlg->txtTrova);
}

TEST_F(DaSaldareTest, TrovaAndStampaWorkOnTheList) {
    WriteContracts({Rental("1", "Rossi", kYes, "saldo a fine mese"), Rental("2", "Verdi", kYes, "acconto versato"),
                    Rental("3", "Neri", kYes, "saldo con bonifico")});
    auto dlg = Open();
    Type(dlg->txtTrova, QStringLiteral("VERDI"));
    Press(dlg->txtTrova, Qt::Key_Return);
    EXPECT_EQ(Focused(), dlg->btnTrova);
    EXPECT_EQ(SelectedRow(dlg->lstRecords), -1);  // Enter did not find
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 1);
    dlg->txtTrova->clear();
    Type(dlg->txtTrova, QStringLiteral("n. "));
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 0);
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 1);
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 2);
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 0);

    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
              QStringList{QStringLiteral("Riepilogo contratti N.S.C. da saldare")} + LinesOf(dlg->lstRecords) +
                  QStringList{QStringLiteral("Stampa eseguita in data 14/03/2026")});

    // A new opening forgets the last find: the same text starts from the first line.
    Click(dlg->btnChiudi);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    auto next = Open();
    next->lstRecords->setCurrentRow(2);
    Type(next->txtTrova, QStringLiteral("n. "));
    Click(next->btnTrova);
    EXPECT_EQ(next->lstRecords->currentRow(), 0);
}

// A double-click loads the contract whose line equals the chosen one, the
// last such in the file even when that one is not flagged.
TEST_F(DaSaldareTest, PickLoadsTheLastContractWithTheLine) {
    Record owed = Rental("12", "Rossi Mario", kYes, "da saldare");
    Record paid = owed;
    paid.SetText("DaSaldare", QStringLiteral("No"));
    paid.SetText("Note", QStringLiteral("saldato"));
    paid.SetText("File01", QStringLiteral("ricevuta.pdf"));
    WriteContracts({Rental("11", "Verdi Anna", kYes), owed, Rental("13", "Neri", QStringLiteral("No")), paid});
    frmContrattiNSC->lblPosizione->setText(QStringLiteral("1"));  // the card on screen is replaced
    TfrmDaSaldare dlg(frmContrattiNSC);
    dlg.Create();
    modals.Expect<TfrmDaSaldare>([&](TfrmDaSaldare &d) {
        ShowActive(&d);
        ASSERT_EQ(d.lstRecords->count(), 2);
        DoubleClickLine(d.lstRecords, 1);
        EXPECT_FALSE(d.isVisible());
    });
    dlg.ShowModal();
    EXPECT_EQ(frmContrattiNSC->lblPosizione->text(), QStringLiteral("4"));
    EXPECT_EQ(Card("txtNote"), QStringLiteral("saldato"));
    EXPECT_EQ(Card("lblFile01"), QStringLiteral("ricevuta.pdf"));
    auto *flag = frmContrattiNSC->findChild<QCheckBox *>(QStringLiteral("chkDaSaldare"));
    ASSERT_NE(flag, nullptr);
    EXPECT_FALSE(flag->isChecked());
    EXPECT_EQ(dlg.lstRecords->count(), 0);

    auto first = Open();
    DoubleClickLine(first->lstRecords, 0);
    EXPECT_EQ(frmContrattiNSC->lblPosizione->text(), QStringLiteral("1"));
    EXPECT_EQ(Card("txtCliente"), QStringLiteral("Verdi Anna"));
    EXPECT_EQ(Card("lblFile01"), QStringLiteral("Verdi Anna.pdf"));
    EXPECT_TRUE(flag->isChecked());
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DaSaldareTest, PickWithoutALineOrArchiveJustCloses) {
    WriteContracts({Rental("1", "Rossi", kYes)});
    frmContrattiNSC->lblPosizione->setText(QStringLiteral("5"));
    {
        auto dlg = Open();
        DoubleClickBelowLines(dlg->lstRecords);
        EXPECT_FALSE(dlg->isVisible());
    }
    {
        auto dlg = Open();
        QFile::remove(folder.Path(ContractArchive()));
        folder.Block(ContractArchive());
        DoubleClickLine(dlg->lstRecords, 0);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_EQ(frmContrattiNSC->lblPosizione->text(), QStringLiteral("5"));
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel::test
