// The call-back list: the customers whose box "Da ricontattare" is ticked,
// listed as the list opens, with the open questions at the end of each line;
// "Trova", "Stampa", and the double-click that loads the customer into the
// customer card.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <memory>
#include <vector>

#include "CustomerFixture.h"
#include "cards/ListReport.h"
#include "cards/ReportPages.h"
#include "cards/ResultList.h"
#include "cards/Receivers.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "customers/Clienti.h"
#include "customers/Ricontatta.h"
#include "support/ReadFault.h"

namespace vel::test {
namespace {

const QString kYes = U("S\xc3\xac");
const QString kArchiveFailed = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.");

Record Person(const char *surname, const char *name, const QString &flag, const char *questions = "",
              const char *note = "") {
    return Customer({{"Cognome", U(surname)}, {"Nome", U(name)}, {"Ricontatta", flag},
                     {"Questioni", U(questions)}, {"Note", U(note)}, {"Recapito", U("06 1234567")}});
}

class RicontattaTest : public ProgramTest {
protected:
    // The list as the customer card opens it: owned by the card, no tag.
    std::unique_ptr<TfrmRicontatta> Open() {
        auto dlg = std::make_unique<TfrmRicontatta>(frmClienti);
        dlg->Create();
        dlg->Show();
        ShowActive(dlg.get());
        return dlg;
    }
    // What a pick writes, as the receiver of the customer card's tag sees it:
    // the record number and the surname of every record applied, in order.
    struct Applied {
        std::vector<std::pair<int, QString>> records;
    };
    void RecordPicks(Applied &applied) {
        recording_ = true;
        RegisterPick(QStringLiteral("frmTrovaClienti"), QStringLiteral("clienti"),
                     [&applied](const Record &r, int number) { applied.records.emplace_back(number, r.Text("Cognome")); });
    }
    // The recorder goes with the test: the card registers its own receiver
    // again when the next test builds the windows.
    void TearDown() override {
        if (recording_) RegisterPick(QStringLiteral("frmTrovaClienti"), QStringLiteral("clienti"), {});
        ProgramTest::TearDown();
    }

private:
    bool recording_ = false;
};

TEST_F(RicontattaTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmRicontatta"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Riepilogo clienti da ricontattare"));
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
    // No criteria, no count, no tag.
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("panAvvio")), nullptr);
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("lblTrovate")), nullptr);
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("lblMemory")), nullptr);
}

// Only a flag stored exactly as "Sì" lists a customer; the line ends with the
// open questions, not the note; the list runs in the order of its lines.
TEST_F(RicontattaTest, ListsTheFlaggedCustomersWithTheirQuestions) {
    const std::vector<Record> customers = {
        Person("Rossi", "Mario", kYes, "Deposito da restituire", "Cliente abituale"),
        Person("Bianchi", "Anna", QStringLiteral("No"), "Fattura contestata"),
        Person("conti", "Paolo", kYes),
        Person("Verdi", "Luca", QString(), "Chiamare"),
        Person("Neri", "Ada", U("s\xc3\xac"), "scritto da altri"),
        Person("Gialli", "Ugo", QStringLiteral("Si")),
        Person("Bruno", "Sara", kYes, "Chiede un preventivo"),
    };
    WriteCustomers(customers);
    auto dlg = Open();
    EXPECT_EQ(LinesOf(dlg->lstRecords),
              (QStringList{CallBackListLine(customers[6]), CallBackListLine(customers[2]),
                           CallBackListLine(customers[0])}));
    EXPECT_EQ(dlg->lstRecords->Line(2),
              QStringLiteral("Rossi Mario                     Tel. 06 1234567        C.F. "
                             "                  Patente:             Deposito da restituire"));
    EXPECT_EQ(dlg->lstRecords->Line(1).size(), 99);  // no questions, nothing after the columns
    ExpectResultListLook(dlg->lstRecords, 1600);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(RicontattaTest, NobodyToCallBackGivesAnEmptyList) {
    for (const bool archive : {false, true}) {
        SCOPED_TRACE(archive ? "no flagged customer" : "no archive at all");
        if (archive) WriteCustomers({Person("Bianchi", "Anna", QStringLiteral("No"))});
        auto dlg = Open();
        EXPECT_TRUE(folder.Exists(kCustomerArchive));  // a missing archive is created empty
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        messages.Expect(MsgKind::Plain, QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        Click(dlg->btnTrova);
        messages.Verify();
        printer.printed.clear();
        Click(dlg->btnStampa);
        ASSERT_EQ(printer.printed.size(), 1u);
        EXPECT_EQ(printer.printed[0].title, QStringLiteral("Riepilogo clienti da ricontattare"));
        EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
                  (QStringList{QStringLiteral("Riepilogo clienti da ricontattare"),
                               QStringLiteral("Stampa eseguita in data 14/03/2026")}));
    }
}

TEST_F(RicontattaTest, TrovaAndStampaWorkOnTheList) {
    WriteCustomers({Person("Rossi", "Mario", kYes, "Richiamare in serata"),
                    Person("Bianchi", "Anna", kYes, "Richiamare domani"),
                    Person("Conti", "Paolo", kYes, "Fattura contestata")});
    auto dlg = Open();
    Type(dlg->txtTrova, QStringLiteral("RICHIAMARE"));
    Press(dlg->txtTrova, Qt::Key_Return);
    EXPECT_EQ(Focused(), dlg->btnTrova);
    EXPECT_EQ(SelectedRow(dlg->lstRecords), -1);  // Enter did not find
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 0);
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 2);
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 0);

    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(StringsOf(printer.printed[0].pages[0]),
              QStringList{QStringLiteral("Riepilogo clienti da ricontattare")} + LinesOf(dlg->lstRecords) +
                  QStringList{QStringLiteral("Stampa eseguita in data 14/03/2026")});

    // A new opening forgets the last find: the same text starts from the
    // first line again.
    Click(dlg->btnChiudi);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 0);
    auto next = Open();
    next->lstRecords->setCurrentRow(2);
    Type(next->txtTrova, QStringLiteral("richiamare"));
    Click(next->btnTrova);
    EXPECT_EQ(next->lstRecords->currentRow(), 0);
}

TEST_F(RicontattaTest, PrintFailureIsReportedAndTheListStays) {
    WriteCustomers({Person("Rossi", "Mario", kYes), Person("Bianchi", "Anna", kYes)});
    auto dlg = Open();
    dlg->lstRecords->setCurrentRow(1);
    printer.failWith = QStringLiteral("la stampante non risponde");
    messages.Expect(MsgKind::Error, PrintFailureMessage(QStringLiteral("la stampante non risponde")));
    Click(dlg->btnStampa);
    messages.Verify();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 2);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 1);
}

// An archive that cannot be opened, or fails part way: a list of some of the
// customers to call back would pass for all of them, so the failure is said
// and no line is shown; the list stays open.
TEST_F(RicontattaTest, AnArchiveThatFailsIsReportedAndListsNothing) {
    folder.Block(kCustomerArchive);
    messages.Expect(MsgKind::Error, kArchiveFailed);
    {
        auto dlg = Open();
        messages.Verify();
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Focused(), dlg->txtTrova);
    }
    QDir(folder.Path(QString())).rmdir(kCustomerArchive);
    std::vector<Record> many;
    for (int i = 0; i < 200; ++i)
        many.push_back(Person(QStringLiteral("Cliente %1").arg(i, 3, 10, QChar('0')).toUtf8().constData(), "", kYes));
    WriteCustomers(many);
    {
        ReadFault badSectors(folder.Path(kCustomerArchive), qint64(100) * CustomerRecord.Size());
        messages.Expect(MsgKind::Error, kArchiveFailed);
        auto dlg = Open();
        messages.Verify();
        EXPECT_GE(badSectors.Refused(), 1);
        EXPECT_EQ(dlg->lstRecords->count(), 0);
        EXPECT_TRUE(dlg->isVisible());
    }
    // Readable again, the next opening lists every one.
    auto dlg = Open();
    EXPECT_EQ(dlg->lstRecords->count(), 200);
}

// A double-click applies every record whose line equals the chosen one, in
// file order, whatever its flag: the later, unflagged twin is the one that
// stays in the card. Closing empties the list.
TEST_F(RicontattaTest, PickAppliesTheLastCustomerWithTheLine) {
    Record flagged = Person("Rossi", "Mario", kYes, "Richiamare");
    Record twin = flagged;
    twin.SetText("Ricontatta", QStringLiteral("No"));
    twin.SetText("Ditta", QStringLiteral("Gemello"));
    WriteCustomers({Person("Bianchi", "Anna", kYes), flagged, Person("Conti", "Paolo", QStringLiteral("No")), twin});
    Applied applied;
    RecordPicks(applied);
    TfrmRicontatta dlg(frmClienti);
    dlg.Create();
    modals.Expect<TfrmRicontatta>([&](TfrmRicontatta &d) {
        ShowActive(&d);
        ASSERT_EQ(d.lstRecords->count(), 2);
        DoubleClickLine(d.lstRecords, 1);
        EXPECT_FALSE(d.isVisible());
    });
    dlg.ShowModal();
    modals.Verify();
    EXPECT_EQ(applied.records, (std::vector<std::pair<int, QString>>{{2, QStringLiteral("Rossi")},
                                                                     {4, QStringLiteral("Rossi")}}));
    EXPECT_EQ(dlg.lstRecords->count(), 0);
}

// End to end, from the customer card's own command: the later twin, not
// flagged, is loaded with its record number, flag and attachments, and the
// card's unsaved text is dropped without a question.
TEST_F(RicontattaTest, TheCardsCommandLoadsTheCustomerIntoTheCard) {
    Record flagged = FullCustomer(QStringLiteral("A"), {{"Questioni", U("Richiamare")}});
    Record twin = flagged;
    twin.SetText("Ricontatta", QStringLiteral("No"));
    twin.SetText("Ditta", QStringLiteral("Gemello"));
    twin.SetText("File02", QStringLiteral("gemello.pdf"));
    WriteCustomers({FullCustomer(QStringLiteral("B")), flagged, twin});
    frmClienti->Show();
    ShowActive(frmClienti);
    frmClienti->txtNote->setText(QStringLiteral("non salvato"));
    frmClienti->chkRicontatta->setChecked(true);
    modals.Expect<TfrmRicontatta>([](TfrmRicontatta &d) {
        ShowActive(&d);
        ASSERT_EQ(d.lstRecords->count(), 2);
        const int row = int(LinesOf(d.lstRecords).indexOf(CallBackListLine(FullCustomer(
            QStringLiteral("A"), {{"Questioni", U("Richiamare")}}))));
        ASSERT_GE(row, 0);
        DoubleClickLine(d.lstRecords, row);
        EXPECT_FALSE(d.isVisible());
    });
    frmClienti->cmdRicontattaClick();
    modals.Verify();
    EXPECT_EQ(frmClienti->lblPosizione->text(), QStringLiteral("3"));
    EXPECT_EQ(frmClienti->txtDitta->text(), QStringLiteral("Gemello"));
    EXPECT_EQ(frmClienti->txtNote->text(), twin.Text("Note"));
    EXPECT_FALSE(frmClienti->chkRicontatta->isChecked());
    EXPECT_EQ(frmClienti->lblFile02->text(), QStringLiteral("gemello.pdf"));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(RicontattaTest, PickWithoutALineOrArchiveJustCloses) {
    WriteCustomers({Person("Rossi", "Mario", kYes)});
    Applied applied;
    RecordPicks(applied);
    {
        auto dlg = Open();
        DoubleClickBelowLines(dlg->lstRecords);
        EXPECT_FALSE(dlg->isVisible());
    }
    {
        auto dlg = Open();
        QFile::remove(folder.Path(kCustomerArchive));
        folder.Block(kCustomerArchive);
        DoubleClickLine(dlg->lstRecords, 0);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_TRUE(applied.records.empty());
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel::test
