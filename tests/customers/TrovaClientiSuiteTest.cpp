// The customer search as the customer card opens it: what every find dialog
// does (the find suite), and the pick into each window that takes a
// customer: the whole record into the customer card, the customer's part
// into the booking and contract cards.
#include <QCheckBox>
#include <vector>

#include "CustomerFixture.h"
#include "bookings/Prenotazioni.h"
#include "cards/FindDialog.h"
#include "common/ListLines.h"
#include "contracts/ContrattiNSC.h"
#include "customers/Clienti.h"
#include "customers/TrovaClienti.h"
#include "support/FindSuite.h"

namespace vel::test {
namespace {

// Their lines sort as " Zeta", "Bianchi Anna", "bianco Sara", "Conti Paolo",
// "De Luca Elena", "ROSSI Luca", "Rossi Mario", "Rossini Gioachino".
std::vector<Record> Registry() {
    return {
        Customer({{"Cognome", U("Rossi")}, {"Nome", U("Mario")}, {"ComuneRes", U("Roma")},
                  {"Ditta", U("Rossi Trasporti")}, {"Note", U("Cliente abituale")}, {"File01", U("rossi.pdf")}}),
        Customer({{"Cognome", U("Bianchi")}, {"Nome", U("Anna")}, {"ComuneRes", U("Milano")},
                  {"Ditta", U("Bianchi S.p.A.")}, {"Note", U("cliente puntuale")}}),
        Customer({{"Cognome", U("ROSSI")}, {"Nome", U("Luca")}, {"ComuneRes", U("Roma Nord")},
                  {"Ditta", U("Luca Rossi")}, {"Note", U("Cliente nuovo")}}),
        Customer({{"Cognome", U("Conti")}, {"Nome", U("Paolo")}, {"ComuneRes", U("Torino")}, {"Ditta", U("Conti")}}),
        Customer({{"Cognome", U("bianco")}, {"Nome", U("Sara")}, {"ComuneRes", U("Roma")}, {"Ditta", U("Sara B.")},
                  {"Note", U("Nuova cliente")}}),
        Customer({{"Cognome", U("Rossini")}, {"Nome", U("Gioachino")}, {"ComuneRes", U("Pesaro")},
                  {"Ditta", U("Teatro")}}),
        Customer({{"Cognome", U("De Luca")}, {"Nome", U("Elena")}, {"ComuneRes", U("Napoli")}, {"Ditta", U("DL")}}),
        Customer({{"Nome", U("Zeta")}, {"Ditta", U("Senza cognome")}}),
    };
}
const int kSorted[] = {7, 1, 4, 3, 6, 2, 0, 5};

struct CustomerSearch {
    using Window = TfrmTrovaClienti;
    using Card = TfrmClienti;
    static Card *Owner() { return frmClienti; }
    static QString Tag() { return QStringLiteral("clienti"); }
    static QString OtherTag() { return QStringLiteral("flotta"); }
    static const RecordLayout &Layout() { return CustomerRecord; }
    static QString Archive() { return kCustomerArchive; }
    static QString Line(const Record &r) { return CustomerListLine(r); }
    static QString ReportTitle() { return QStringLiteral("Riepilogo clienti"); }
    static std::vector<Record> Records() { return Registry(); }
    static std::vector<int> Sorted() { return {std::begin(kSorted), std::end(kSorted)}; }
    static Criteria Narrowing() { return {{"txtCognome", U("rossi")}, {"txtComuneRes", U("roma")}}; }
    static std::vector<int> Narrowed() { return {2, 0}; }
    static QString FindText() { return U("cliente"); }
    static std::vector<int> FindRows() { return {1, 2, 5, 6}; }
    static QString LoneFindText() { return U("de luca"); }
    static int LoneFindRow() { return 4; }
    // Rossi Mario again, living elsewhere (not in the line) with a company
    // and an attachment of his own.
    static Record Twin(Record r) {
        r.SetText("ComuneRes", U("Milano"));
        r.SetText("Ditta", U("Gemello"));
        r.SetText("File01", U("gemello.pdf"));
        return r;
    }
    static int TwinOf() { return 0; }
    static const char *ShownField() { return "Ditta"; }
    static void ExpectCardShows(const Record &customer, const QString &number) {
        EXPECT_EQ(frmClienti->lblPosizione->text(), number);
        EXPECT_EQ(frmClienti->txtDitta->text(), customer.Text("Ditta"));
        EXPECT_EQ(frmClienti->lblFile01->text(), customer.Text("File01"));
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(TrovaClienti, FindSuite, CustomerSearch);

class TrovaClientiPickTest : public FindTest<CustomerSearch> {};

// The 31 edits of the customer card that a pick for "clienti" writes.
const char *const kCardEdits[] = {
    "Cognome", "Nome",     "Ditta",   "DataNasc", "ComuneNasc", "ProvNasc",   "Sesso",     "Recapito",
    "IndirizzoRes", "ProvRes", "ComuneRes", "CapRes", "TelCasa",  "TelUff",   "TelCel",    "Pec",
    "Email",   "CodFisc",  "Carta",   "ScadeCarta", "PartitaIva", "Iban",     "TipoPat",   "NumPat",
    "EnteRil", "DataRil",  "DataSca", "Conducente", "Questioni",  "Note",     "CodiceDest",
};

// Opened by the customer card's own command: every edit, the flag, the six
// attachment labels and the record number are replaced, unsaved edits
// dropped without a question.
TEST_F(TrovaClientiPickTest, PickLoadsTheWholeCustomerIntoTheCard) {
    const Record first = FullCustomer(QStringLiteral("A"));
    const Record second = FullCustomer(QStringLiteral("B"), {{"Ricontatta", QStringLiteral("No")}});
    WriteCustomers({first, second});
    frmClienti->Show();
    ShowActive(frmClienti);
    frmClienti->txtNote->setText(QStringLiteral("non salvato"));
    frmClienti->lblPosizione->clear();
    frmClienti->chkRicontatta->setChecked(false);
    modals.Expect<TfrmTrovaClienti>([](TfrmTrovaClienti &d) {
        ShowActive(&d);
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("clienti"));
        Type(d.txtCognome, QStringLiteral("cognomea"));
        Click(d.btnCerca);
        ASSERT_EQ(d.lstRecords->count(), 1);
        DoubleClickLine(d.lstRecords, 0);
        EXPECT_FALSE(d.isVisible());
    });
    frmClienti->cmdTrovaClick();
    modals.Verify();
    for (const char *field : kCardEdits) {
        const QByteArray name = QByteArray("txt") + field;
        EXPECT_EQ(ControlTextOf(frmClienti, name.constData()), first.Text(field)) << field;
    }
    EXPECT_TRUE(frmClienti->chkRicontatta->isChecked());
    EXPECT_EQ(frmClienti->lblFile01->text(), first.Text("File01"));
    EXPECT_EQ(frmClienti->lblFile02->text(), first.Text("File02"));
    EXPECT_EQ(frmClienti->lblFile03->text(), first.Text("File03"));
    EXPECT_EQ(frmClienti->lblDesc01->text(), first.Text("Desc01"));
    EXPECT_EQ(frmClienti->lblDesc02->text(), first.Text("Desc02"));
    EXPECT_EQ(frmClienti->lblDesc03->text(), first.Text("Desc03"));
    EXPECT_EQ(frmClienti->lblPosizione->text(), QStringLiteral("1"));
    EXPECT_TRUE(messages.Shown().empty());

    // "No" clears the flag, any other value leaves it as the card had it.
    auto dlg = Search({{"txtCognome", U("cognomeb")}});
    DoubleClickLine(dlg->lstRecords, 0);
    EXPECT_FALSE(frmClienti->chkRicontatta->isChecked());
    EXPECT_EQ(frmClienti->lblPosizione->text(), QStringLiteral("2"));
    EXPECT_EQ(frmClienti->txtCognome->text(), second.Text("Cognome"));
}

TEST_F(TrovaClientiPickTest, AnUnknownFlagLeavesTheBoxAsItWas) {
    WriteCustomers({FullCustomer(QStringLiteral("A"), {{"Ricontatta", U("Forse")}})});
    for (const bool ticked : {false, true}) {
        SCOPED_TRACE(ticked);
        frmClienti->chkRicontatta->setChecked(ticked);
        auto dlg = Search({});
        DoubleClickLine(dlg->lstRecords, 0);
        EXPECT_EQ(frmClienti->lblPosizione->text(), QStringLiteral("1"));
        EXPECT_EQ(frmClienti->chkRicontatta->isChecked(), ticked);
    }
}

// A customer written into the booking or the contract card: the controls of
// the customer's part, by name, and nothing else; no record number.
TEST_F(TrovaClientiPickTest, PickFillsTheCustomerOfTheBookingAndContractCards) {
    const Record customer = FullCustomer(QStringLiteral("X"), {{"Nome", QString()}});
    WriteCustomers({FullCustomer(QStringLiteral("A")), customer});
    const QString joined = customer.Text("Cognome") + u' ';
    const struct {
        const char *tag;
        QWidget *card;
        std::vector<std::pair<const char *, QString>> written;
    } cases[] = {
        {"prenotazioni",
         frmPrenotazioni,
         {{"txtCliente", joined},
          {"txtCodFisc", customer.Text("CodFisc")},
          {"txtRecapito", customer.Text("Recapito")},
          {"txtTelCel", customer.Text("TelCel")},
          {"txtEmail", customer.Text("Email")}}},
        {"contrattinsc",
         frmContrattiNSC,
         {{"txtCliente", joined},
          {"txtSesso", customer.Text("Sesso")},
          {"txtIndirizzoRes", customer.Text("IndirizzoRes")},
          {"txtComuneRes", customer.Text("ComuneRes")},
          {"txtProvRes", customer.Text("ProvRes")},
          {"txtCapRes", customer.Text("CapRes")},
          {"txtCodFisc", customer.Text("CodFisc")},
          {"txtRecapito", customer.Text("Recapito")},
          {"txtDataNasc", customer.Text("DataNasc")},
          {"txtComuneNasc", customer.Text("ComuneNasc")},
          {"txtProvNasc", customer.Text("ProvNasc")},
          {"txtTipoPat", customer.Text("TipoPat")},
          {"txtNumPat", customer.Text("NumPat")},
          {"txtEnteRil", customer.Text("EnteRil")},
          {"txtDataRil", customer.Text("DataRil")},
          {"txtDataSca", customer.Text("DataSca")},
          {"txtConducente", customer.Text("Conducente")}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tag);
        ASSERT_NE(c.card, nullptr);
        SetControlTextOf(c.card, "lblPosizione", QStringLiteral("7"));
        SetControlTextOf(c.card, "txtTarga", QStringLiteral("AB123CD"));
        frmClienti->lblPosizione->setText(QStringLiteral("5"));
        auto dlg = Open(QString::fromLatin1(c.tag), c.card);
        Type(dlg->txtCognome, QStringLiteral("cognomex"));
        Click(dlg->btnCerca);
        ASSERT_EQ(dlg->lstRecords->count(), 1);
        DoubleClickLine(dlg->lstRecords, 0);
        EXPECT_FALSE(dlg->isVisible());
        for (const auto &[control, text] : c.written) EXPECT_EQ(ControlTextOf(c.card, control), text) << control;
        EXPECT_EQ(ControlTextOf(c.card, "lblPosizione"), QStringLiteral("7"));
        EXPECT_EQ(ControlTextOf(c.card, "txtTarga"), QStringLiteral("AB123CD"));
        // The search's own criteria, of the same names, stay as typed.
        EXPECT_EQ(dlg->txtCodFisc->text(), QString());
        EXPECT_EQ(frmClienti->lblPosizione->text(), QStringLiteral("5"));
    }
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel::test
