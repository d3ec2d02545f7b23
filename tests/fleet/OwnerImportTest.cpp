// The vehicle card's owner import, end to end: the card's import picture
// opens the customer search with its tag, the user searches and double-clicks
// a customer, and the owner's name, tax code and telephone land in the card's
// edits, nothing else of the card changing and nothing reaching the archive
// until the card is saved.
#include <vector>

#include "FleetFixture.h"
#include "common/ArchiveFile.h"
#include "common/ListLines.h"
#include "common/Records.h"
#include "customers/TrovaClienti.h"
#include "fleet/Flotta.h"

namespace vel::test {
namespace {

const QString kCustomers = QStringLiteral("Clienti.pro");

class OwnerImportTest : public FleetTest {
protected:
    void SetUp() override {
        FleetTest::SetUp();
        frmFlotta->Show();
        ShowActive(frmFlotta);
    }
    static void WriteCustomers(const std::vector<Record> &customers) {
        WriteArchive(kCustomers, CustomerRecord, customers);
    }
    // The import picture clicked; in the search that opens, `criteria` typed
    // into their edits, "Cerca" pressed and the line `row` double-clicked.
    void Import(std::initializer_list<std::pair<const char *, QString>> criteria, int row,
                QStringList *listed = nullptr) {
        modals.Expect<TfrmTrovaClienti>([&](TfrmTrovaClienti &d) {
            ShowActive(&d);
            EXPECT_EQ(d.lblMemory->text(), QStringLiteral("flotta"));
            for (const auto &[edit, text] : criteria) Type(d.CriterionEdit(edit), text);
            Click(d.btnCerca);
            if (listed) *listed = LinesOf(d.lstRecords);
            DoubleClickLine(d.lstRecords, row);
            EXPECT_FALSE(d.isVisible());
        });
        Click(frmFlotta->impAutomezzo);
        modals.Verify();
    }
};

Record Person(const char *surname, const char *name, const char *codFisc, const char *phone) {
    return Customer({{"Cognome", U(surname)}, {"Nome", U(name)}, {"CodFisc", U(codFisc)},
                     {"Recapito", U(phone)}, {"Ditta", U("Ditta di ") + U(surname)},
                     {"TelCel", U("333 0000000")}, {"Email", U("posta@example.it")}});
}

TEST_F(OwnerImportTest, ThePickedCustomerBecomesTheOwner) {
    WriteCustomers({Person("Rossi", "Mario", "RSSMRA80A01H501U", "06 1234567"),
                    Person("Bianchi", "Anna", "BNCNNA75B41F205X", "02 7654321")});
    // A vehicle on screen, loaded from the archive: the import joins it.
    frmFlotta->lblPosizione->setText(QStringLiteral("4"));
    frmFlotta->txtMarca->setText(QStringLiteral("Fiat"));
    frmFlotta->txtConducente->setText(QStringLiteral("Verdi Luca"));
    frmFlotta->txtNote->setText(QStringLiteral("revisione a maggio"));
    QStringList listed;
    Import({{"txtCognome", U("ROSSI")}}, 0, &listed);
    ASSERT_EQ(listed.size(), 1);
    EXPECT_TRUE(listed[0].startsWith(QStringLiteral("Rossi Mario")));
    EXPECT_EQ(frmFlotta->txtConducente->text(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(frmFlotta->txtCodFisc->text(), QStringLiteral("RSSMRA80A01H501U"));
    EXPECT_EQ(frmFlotta->txtRecapito->text(), QStringLiteral("06 1234567"));
    // The rest of the card, its record number included, stays as it was.
    EXPECT_EQ(frmFlotta->lblPosizione->text(), QStringLiteral("4"));
    EXPECT_EQ(frmFlotta->txtMarca->text(), QStringLiteral("Fiat"));
    EXPECT_EQ(frmFlotta->txtNote->text(), QStringLiteral("revisione a maggio"));
    EXPECT_FALSE(folder.Exists(kFleetArchive)) << "nothing is saved by the import";
    EXPECT_TRUE(messages.Shown().empty());
}

// The joined name is written as the customer search makes it: a customer
// without a first name leaves the blank after the surname; a long name is
// written whole, however long the card's own field.
TEST_F(OwnerImportTest, TheJoinedNameIsWrittenAsItIs) {
    const QString longSurname = QString(50, u'C');
    const QString longName = QString(50, u'N');
    WriteCustomers({Person("Rossi", "", "RSSMRA80A01H501U", "06 1234567"),
                    Customer({{"Cognome", longSurname}, {"Nome", longName}})});
    Import({{"txtCognome", U("rossi")}}, 0);
    EXPECT_EQ(frmFlotta->txtConducente->text(), QStringLiteral("Rossi "));

    Import({{"txtCognome", U("ccc")}}, 0);
    EXPECT_EQ(frmFlotta->txtConducente->text(), longSurname + u' ' + longName);
    EXPECT_EQ(frmFlotta->txtCodFisc->text(), QString());
    EXPECT_EQ(frmFlotta->txtRecapito->text(), QString());
}

// Saved afterwards, the vehicle keeps the owner cut to its field's capacity.
TEST_F(OwnerImportTest, SavingTheCardCutsTheOwnerToItsField) {
    WriteCustomers({Customer({{"Cognome", QString(50, u'C')}, {"Nome", U("Mario")}, {"Recapito", U("06 1")}})});
    frmFlotta->cmdNuovoClick();
    frmFlotta->txtVeicolo->setText(QStringLiteral("Autocarro"));
    frmFlotta->txtMarca->setText(QStringLiteral("Iveco"));
    frmFlotta->txtModello->setText(QStringLiteral("Daily"));
    frmFlotta->txtTarga->setText(QStringLiteral("AB123CD"));
    Import({}, 0);
    messages.Expect(MsgKind::Information, U("La scheda corrente \xc3\xa8 stata inserita in archivio."));
    Click(frmFlotta->cmdSalva);
    messages.Verify();
    ArchiveFile archive;
    archive.OpenArchive(kFleetArchive, VehicleRecord);
    ASSERT_EQ(archive.RecordCount(), 1);
    Record stored(VehicleRecord);
    archive.ReadNextRecord(stored);
    EXPECT_EQ(stored.Text("Conducente"), QString(50, u'C'));
    EXPECT_EQ(stored.Text("Recapito"), QStringLiteral("06 1"));
}

// Two customers with the same line: the later one in the file is the owner,
// even when the criteria listed only the earlier one. Their telephones differ
// past the 16 characters the line shows.
TEST_F(OwnerImportTest, TheLastCustomerWithTheChosenLineWins) {
    Record first = Person("Rossi", "Mario", "RSSMRA80A01H501U", "06 1234567 int. 1");
    first.SetText("ComuneRes", QStringLiteral("Roma"));
    Record second = first;
    second.SetText("ComuneRes", QStringLiteral("Milano"));
    second.SetText("Recapito", QStringLiteral("06 1234567 int. 2"));
    ASSERT_EQ(CustomerListLine(first), CustomerListLine(second));
    WriteCustomers({first, Person("Bianchi", "Anna", "BNCNNA75B41F205X", "02 7654321"), second});
    QStringList listed;
    Import({{"txtComuneRes", U("roma")}}, 0, &listed);
    EXPECT_EQ(listed, QStringList{CustomerListLine(first)});
    EXPECT_EQ(frmFlotta->txtConducente->text(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(frmFlotta->txtRecapito->text(), QStringLiteral("06 1234567 int. 2"));
}

// A search closed without a pick, or a double-click below the lines, leaves
// the card's owner alone.
TEST_F(OwnerImportTest, NoPickLeavesTheOwnerAlone) {
    WriteCustomers({Person("Rossi", "Mario", "RSSMRA80A01H501U", "06 1234567")});
    frmFlotta->txtConducente->setText(QStringLiteral("Verdi Luca"));
    modals.Expect<TfrmTrovaClienti>([](TfrmTrovaClienti &d) {
        ShowActive(&d);
        Click(d.btnCerca);
        DoubleClickBelowLines(d.lstRecords);
        EXPECT_FALSE(d.isVisible());
    });
    Click(frmFlotta->impAutomezzo);
    modals.Expect<TfrmTrovaClienti>([](TfrmTrovaClienti &d) {
        ShowActive(&d);
        Click(d.btnAnnulla);
    });
    Click(frmFlotta->impAutomezzo);
    modals.Verify();
    EXPECT_EQ(frmFlotta->txtConducente->text(), QStringLiteral("Verdi Luca"));
    EXPECT_EQ(frmFlotta->txtCodFisc->text(), QString());
}

}  // namespace
}  // namespace vel::test
