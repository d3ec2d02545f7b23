// The call-back list: the customers whose box "Da ricontattare" is ticked,
// listed as the list opens, with the open questions at the end of each line,
// and the double-click that loads the customer into the customer card. What
// every such list does ("Trova", "Stampa", failures) runs in ResultListSuite.
#include <QCheckBox>
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
#include "support/ResultListSuite.h"

namespace vel::test {
namespace {

const QString kYes = U("S\xc3\xac");

Record Person(const char *surname, const char *name, const QString &flag, const char *questions = "",
              const char *note = "") {
    return Customer({{"Cognome", U(surname)}, {"Nome", U(name)}, {"Ricontatta", flag},
                     {"Questioni", U(questions)}, {"Note", U(note)}, {"Recapito", U("06 1234567")}});
}

struct CallBackCustomers {
    using Window = TfrmRicontatta;
    static QWidget *Owner() { return frmClienti; }
    static const char *ObjectName() { return "frmRicontatta"; }
    static QString ReportTitle() { return QStringLiteral("Riepilogo clienti da ricontattare"); }
    static QString Archive() { return kCustomerArchive; }
    static const RecordLayout &Layout() { return CustomerRecord; }
    static Record Flagged(int i) {
        return Person(QStringLiteral("Cliente %1").arg(i, 3, 10, QChar('0')).toUtf8().constData(), "", kYes);
    }
    static Record Unflagged() { return Person("Bianchi", "Anna", QStringLiteral("No")); }
    static std::vector<Record> FindRecords() {
        return {Person("Rossi", "Mario", kYes, "Richiamare in serata"), Person("Bianchi", "Anna", kYes, "Richiamare domani"),
                Person("Conti", "Paolo", kYes, "Fattura contestata")};
    }
    static QString FindText() { return QStringLiteral("richiamare"); }
    static std::vector<int> FindRows() { return {0, 2}; }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Ricontatta, ResultListSuite, CallBackCustomers);

class RicontattaTest : public ResultListSuite<CallBackCustomers> {
protected:
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
        ResultListSuite::TearDown();
    }

private:
    bool recording_ = false;
};

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

// A double-click applies, once, the last record in the file whose line
// equals the chosen one, whatever its flag: the later, unflagged twin is the
// one that goes into the card. Closing empties the list.
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
    EXPECT_EQ(applied.records, (std::vector<std::pair<int, QString>>{{4, QStringLiteral("Rossi")}}));
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

// The same, seen by the receiver of the card's tag: nothing reaches it.
TEST_F(RicontattaTest, PickWithoutALineOrArchiveAppliesNothing) {
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
