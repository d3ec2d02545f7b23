#include <QCheckBox>
#include <memory>

#include "ContractFixture.h"
#include "cards/FindDialog.h"
#include "cards/ReportPages.h"
#include "cards/ResultList.h"
#include "common/ListLines.h"
#include "contracts/DaSaldare.h"
#include "platform/QtPrint.h"
#include "support/ResultListSuite.h"

namespace vel::test {
namespace {

const QString kYes = QStringLiteral("S\u00ec");
Record Rental(const char *number, const char *customer, const QString &flag, const char *note = "") {
    return Contract({{"NumContratto", QString::fromUtf8(number)},
                     {"Data", QStringLiteral("01/03/2026")},
                     {"Cliente", QString::fromUtf8(customer)},
                     {"Targa", QStringLiteral("AB123CD")},
                     {"Totale", QStringLiteral("150,00")},
                     {"DaSaldare", flag},
                     {"Note", QString::fromUtf8(note)},
                     {"File01", QString::fromUtf8(customer) + QStringLiteral(".pdf")}});
}

struct ContractsToBePaid {
    using Window = TfrmDaSaldare;
    static QWidget *Owner() { return frmContrattiNSC; }
    // The card has the year open, as its "Apri" leaves it.
    static void Prepare() { frmContrattiNSC->lblFile->setText(ProgramPath(ContractArchive())); }
    static const char *ObjectName() { return "frmDaSaldare"; }
    static QString ReportTitle() { return QStringLiteral("Riepilogo contratti N.S.C. da saldare"); }
    static QString Archive() { return ContractArchive(); }
    static const RecordLayout &Layout() { return ContractRecord; }
    static Record Flagged(int i) { return Rental(QByteArray::number(i).constData(), "Rossi", kYes); }
    static Record Unflagged() { return Rental("1", "Rossi", QStringLiteral("No")); }
    static std::vector<Record> FindRecords() {
        return {Rental("1", "Rossi", kYes, "saldo a fine mese"), Rental("2", "Verdi", kYes, "acconto versato"),
                Rental("3", "Neri", kYes, "saldo con bonifico")};
    }
    static QString FindText() { return QStringLiteral("n. "); }
    static std::vector<int> FindRows() { return {0, 1, 2}; }
};
INSTANTIATE_TYPED_TEST_SUITE_P(DaSaldare, ResultListSuite, ContractsToBePaid);

class DaSaldareTest : public ResultListSuite<ContractsToBePaid> {
protected:
    static void WriteContracts(const std::vector<Record> &contracts, int year = kContractYear) {
        vel::test::WriteContracts(contracts, year);
    }
    static QString Card(const char *control) { return ControlTextOf(frmContrattiNSC, control); }
};

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

// A new text, typed after a find, is searched from the first line, not from
// the line after the last hit.
TEST_F(DaSaldareTest, ANewTrovaTextStartsFromTheFirstLine) {
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

}  // namespace
}  // namespace vel::test
