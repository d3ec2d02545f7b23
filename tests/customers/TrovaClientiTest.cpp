// The customer search's own tests: its looks, its ten criteria and how they
// match, its line, its count, its printing, and the picks into the windows
// that are not the customer card. What every find dialog does is checked by
// the find suite (TrovaClientiSuiteTest.cpp).
#include <QLabel>
#include <memory>
#include <vector>

#include "CustomerFixture.h"
#include "cards/ListReport.h"
#include "cards/Receivers.h"
#include "cards/ReportPages.h"
#include "common/ListLines.h"
#include "customers/TrovaClienti.h"
#include "fleet/Flotta.h"
#include "support/FindSuite.h"

namespace vel::test {
namespace {

// The archive the search tests read, in file order. Their lines sort as
// " Zeta", "Bianchi Anna", "bianco", "Conti", "De Luca", "ROSSI Luca",
// "Rossi Mario", "Rossini".
std::vector<Record> Customers() {
    return {
        Customer({{"Cognome", U("Rossi")}, {"Nome", U("Mario")}, {"Ditta", U("Rossi Trasporti S.r.l.")},
                  {"PartitaIva", U("01234567890")}, {"CodFisc", U("RSSMRA80A01H501U")}, {"ComuneRes", U("Roma")},
                  {"NumPat", U("RM1234567X")}, {"Conducente", U("Rossi Giulia")}, {"CodiceDest", U("ABC1234")},
                  {"Questioni", U("Deposito da restituire")}, {"Note", U("Cliente abituale")},
                  {"Recapito", U("06 1234567")}, {"TipoPat", U("B")}}),
        Customer({{"Cognome", U("Bianchi")}, {"Nome", U("Anna")}, {"ComuneRes", U("Milano")},
                  {"Note", U("\xc3\xa8 puntuale")}, {"Recapito", U("02 7654321")}, {"TipoPat", U("B, C")}}),
        Customer({{"Cognome", U("ROSSI")}, {"Nome", U("Luca")}, {"ComuneRes", U("Roma Nord")}, {"Note", U("Urgente")}}),
        Customer({{"Cognome", U("Conti")}, {"Nome", U("Paolo")}, {"Ditta", U("Conti & Figli")},
                  {"Questioni", U("Fattura contestata")}}),
        Customer({{"Cognome", U("bianco")}, {"Nome", U("Sara")}, {"Note", U("Nuova cliente")}}),
        Customer({{"Cognome", U("Rossini")}, {"Nome", U("Gioachino")}, {"NumPat", U("PU777")}}),
        Customer({{"Cognome", U("De Luca")}, {"Nome", U("Elena")}, {"Conducente", U("De Luca Marco")}}),
        Customer({{"Cognome", U("")}, {"Nome", U("Zeta")}, {"Note", U("Senza cognome")}}),
    };
}
const int kSorted[] = {7, 1, 4, 3, 6, 2, 0, 5};

// The customer search as the vehicle card opens it for its owner.
struct OwnerSearch {
    using Window = TfrmTrovaClienti;
    static QWidget *Owner() { return frmFlotta; }
    static QString Tag() { return QStringLiteral("flotta"); }
    static const RecordLayout &Layout() { return CustomerRecord; }
    static QString Archive() { return kCustomerArchive; }
    static QString Line(const Record &r) { return CustomerListLine(r); }
};

using TrovaClientiTest = FindTest<OwnerSearch>;

TEST_F(TrovaClientiTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmTrovaClienti"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Trova clienti in archivio"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(dlg->panContainer->isVisible());
    EXPECT_EQ(Focused(), dlg->txtCognome);
    EXPECT_TRUE(dlg->effCognome->isVisible());

    const Edit *edits[] = {dlg->txtCognome,    dlg->txtDitta,     dlg->txtPartitaIva, dlg->txtCodFisc,
                           dlg->txtComuneRes,  dlg->txtNumPat,    dlg->txtConducente, dlg->txtCodiceDest,
                           dlg->txtQuestioni,  dlg->txtNote};
    const FocusFrame *frames[] = {dlg->effCognome,   dlg->effDitta,  dlg->effPartitaIva, dlg->effCodFisc,
                                  dlg->effComuneRes, dlg->effNumPat, dlg->effConducente, dlg->effCodiceDest,
                                  dlg->effQuestioni, dlg->effNote};
    const char *fields[] = {"Cognome",   "Ditta",      "PartitaIva", "CodFisc",   "ComuneRes",
                            "NumPat",    "Conducente", "CodiceDest", "Questioni", "Note"};
    ASSERT_EQ(dlg->Criteria().size(), 10u);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(fields[i]);
        ASSERT_NE(edits[i], nullptr);
        ASSERT_NE(frames[i], nullptr);
        EXPECT_EQ(dlg->Criteria()[size_t(i)], edits[i]);
        EXPECT_EQ(edits[i]->objectName(), QStringLiteral("txt") + QString::fromLatin1(fields[i]));
        EXPECT_EQ(frames[i]->objectName(), QStringLiteral("eff") + QString::fromLatin1(fields[i]));
        EXPECT_EQ(edits[i]->MaxLength(), 0);
    }
    // No edit for the first name.
    EXPECT_EQ(dlg->findChild<QWidget *>(QStringLiteral("txtNome")), nullptr);

    QStringList texts;
    for (const QLabel *label : dlg->findChildren<QLabel *>())
        if (label->isVisibleTo(dlg.get())) texts.append(label->text());
    for (const char *text :
         {"Cognome cliente:", "Denominazione Ditta:", "Partita IVA:", "Codice fiscale:", "Comune di residenza:",
          "Numero patente:", "Conducente supplementare:", "Codice Destinatario:", "Questioni in sospeso:", "Note:",
          "Immettere nei campi prescelti una o pi\xc3\xb9 parole consecutive presenti nelle schede da trovare e "
          "premere il pulsante Cerca.",
          "Lasciare in bianco tutti gli altri campi.",
          "Per ogni ricerca \xc3\xa8 possibile utilizzare uno o pi\xc3\xb9 campi contemporaneamente."})
        EXPECT_TRUE(texts.contains(U(text))) << text;
    EXPECT_EQ(dlg->btnCerca->text(), QStringLiteral("Cerca"));
    EXPECT_EQ(dlg->btnAnnulla->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->lblAttendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
    EXPECT_FALSE(dlg->lblAttendere->isVisible());
    EXPECT_FALSE(dlg->lblConta->isVisible());
    EXPECT_EQ(dlg->lblConta->text(), QStringLiteral("0"));
    EXPECT_FALSE(dlg->lblMemory->isVisible());
    // Every criterion lies inside the panel, above its buttons.
    for (const Edit *edit : edits) EXPECT_LT(edit->geometry().bottom(), dlg->btnCerca->y()) << edit->objectName().toStdString();

    Click(dlg->btnCerca);
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
}

TEST_F(TrovaClientiTest, FocusFramesAndEnterGoRoundTheCriteria) {
    auto dlg = Open();
    Edit *order[] = {dlg->txtCognome,   dlg->txtDitta,  dlg->txtPartitaIva, dlg->txtCodFisc,
                     dlg->txtComuneRes, dlg->txtNumPat, dlg->txtConducente, dlg->txtCodiceDest,
                     dlg->txtQuestioni, dlg->txtNote};
    FocusFrame *frames[] = {dlg->effCognome,   dlg->effDitta,  dlg->effPartitaIva, dlg->effCodFisc,
                            dlg->effComuneRes, dlg->effNumPat, dlg->effConducente, dlg->effCodiceDest,
                            dlg->effQuestioni, dlg->effNote};
    Type(dlg->txtCognome, QStringLiteral("rossi"));
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(Focused(), order[i]) << i;
        for (int j = 0; j < 10; ++j) EXPECT_EQ(frames[j]->isVisible(), j == i) << i << " " << j;
        Press(order[i], Qt::Key_Return);
    }
    EXPECT_EQ(Focused(), dlg->txtCognome);
    // Enter never searched: the archive was not even opened.
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(folder.Exists(kCustomerArchive));
    EXPECT_EQ(dlg->txtCognome->text(), QStringLiteral("rossi"));
}

// Each criterion is sought in its own field, as typed (a trailing blank must
// occur too), only A-Z without case; a criterion of blanks takes no part.
TEST_F(TrovaClientiTest, SearchMatchesEachCriterionInItsField) {
    const std::vector<Record> customers = Customers();
    WriteCustomers(customers);
    struct Case {
        const char *label;
        Criteria criteria;
        std::vector<int> listed;  // indexes into Customers(), in list order
        const char *filled;
    };
    const Case cases[] = {
        {"a surname in capitals finds every case of it", {{"txtCognome", U("ROSSI")}}, {2, 0, 5}, "1"},
        {"a trailing blank must occur in the field", {{"txtCognome", U("rossi ")}}, {}, "1"},
        {"a blank inside finds the joined words", {{"txtCognome", U("de l")}}, {6}, "1"},
        {"the first name is no criterion", {{"txtCognome", U("mario")}}, {}, "1"},
        {"a surname and a company of blanks", {{"txtCognome", U("bianc")}, {"txtDitta", U(" ")}}, {1, 4}, "1"},
        {"a small \xc3\xa8 finds itself", {{"txtNote", U("\xc3\xa8")}}, {1}, "1"},
        {"a capital \xc3\x88 does not find the small one", {{"txtNote", U("\xc3\x88")}}, {}, "1"},
        {"company", {{"txtDitta", U("& figli")}}, {3}, "1"},
        {"VAT number", {{"txtPartitaIva", U("4567")}}, {0}, "1"},
        {"tax code", {{"txtCodFisc", U("mra80")}}, {0}, "1"},
        {"town", {{"txtComuneRes", U("roma")}}, {2, 0}, "1"},
        {"town with its trailing word", {{"txtComuneRes", U("roma n")}}, {2}, "1"},
        {"licence", {{"txtNumPat", U("pu7")}}, {5}, "1"},
        {"additional driver", {{"txtConducente", U("giulia")}}, {0}, "1"},
        {"recipient code", {{"txtCodiceDest", U("abc")}}, {0}, "1"},
        {"open questions", {{"txtQuestioni", U("fattura")}}, {3}, "1"},
        {"note", {{"txtNote", U("cliente")}}, {4, 0}, "1"},
        {"two criteria must both hit", {{"txtCognome", U("rossi")}, {"txtComuneRes", U("nord")}}, {2}, "2"},
        {"all ten at once",
         {{"txtCognome", U("Rossi")}, {"txtDitta", U("trasporti")}, {"txtPartitaIva", U("0123")},
          {"txtCodFisc", U("RSS")}, {"txtComuneRes", U("Roma")}, {"txtNumPat", U("RM")},
          {"txtConducente", U("giulia")}, {"txtCodiceDest", U("1234")}, {"txtQuestioni", U("deposito")},
          {"txtNote", U("abituale")}},
         {0},
         "10"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        auto dlg = Search(c.criteria);
        EXPECT_EQ(LinesOf(dlg->lstRecords), Lines(customers, c.listed));
        EXPECT_EQ(dlg->lblConta->text(), QString::fromLatin1(c.filled));
        EXPECT_EQ(dlg->lblTrovate->text(),
                  QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.listed.size()));
        EXPECT_TRUE(dlg->panContainer->isVisible());
    }
    EXPECT_TRUE(messages.Shown().empty());
}

// Without criteria every customer is listed, in the order of the name column
// (a missing surname first, small and capital letters together).
TEST_F(TrovaClientiTest, EveryCustomerListedInNameOrder) {
    const std::vector<Record> customers = Customers();
    WriteCustomers(customers);
    auto dlg = Search({});
    EXPECT_EQ(LinesOf(dlg->lstRecords), Lines(customers, {std::begin(kSorted), std::end(kSorted)}));
    EXPECT_EQ(dlg->lblConta->text(), QStringLiteral("0"));
    EXPECT_EQ(dlg->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 8 schede."));
    ExpectResultListLook(dlg->lstRecords, 1600);
}

// The line: name, telephone, tax code and licence padded or cut to their
// widths with their separators, then the note whole from character 100.
TEST_F(TrovaClientiTest, TheLineOfACustomer) {
    const QString longNote = QString(240, u'n') + QStringLiteral(" FINE");
    const std::vector<Record> customers = {
        Customer({{"Cognome", U("Rossi")}, {"Nome", U("Mario")}, {"Recapito", U("06 1234567")},
                  {"CodFisc", U("RSSMRA80A01H501U")}, {"TipoPat", U("B")}, {"Note", U("Cliente abituale")}}),
        Customer({{"Cognome", U("Della Valle Bianchi Di Montenero")}, {"Nome", U("Maria Vittoria")},
                  {"Recapito", U("+39 333 1234567 ufficio")}, {"TipoPat", U("A1, A2, B, C, D")},
                  {"Note", longNote}}),
        Customer({{"Cognome", U("Verdi")}}),
    };
    WriteCustomers(customers);
    auto dlg = Search({});
    ASSERT_EQ(dlg->lstRecords->count(), 3);
    const QString rossi = QStringLiteral("Rossi Mario                     Tel. 06 1234567        C.F. "
                                         "RSSMRA80A01H501U  Patente: B           Cliente abituale");
    const QString della = QStringLiteral("Della Valle Bianchi Di Montene  Tel. +39 333 1234567   C.F. "
                                         "                  Patente: A1, A2, B,  ") + longNote;
    const QString verdi = QStringLiteral("Verdi                           Tel.                   C.F. "
                                         "                  Patente:             ");
    EXPECT_EQ(LinesOf(dlg->lstRecords), (QStringList{della, rossi, verdi}));
    // The note begins at character 100, whole; without a note the line
    // ends with the licence's two blanks.
    EXPECT_EQ(rossi.mid(99), QStringLiteral("Cliente abituale"));
    EXPECT_EQ(della.mid(99), longNote);
    EXPECT_EQ(verdi.size(), 99);
    // The whole note shows once the list is scrolled sideways to its end.
    ScrollSideways(dlg->lstRecords, 0);
    EXPECT_TRUE(LineEndShown(dlg->lstRecords, 0));
}

TEST_F(TrovaClientiTest, OneCustomerStillSaysSchede) {
    WriteCustomers(Customers());
    auto dlg = Search({{"txtNumPat", U("pu")}});
    EXPECT_EQ(dlg->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 1 schede."));
}

TEST_F(TrovaClientiTest, StampaPrintsTheListUnderItsTitle) {
    const std::vector<Record> customers = Customers();
    WriteCustomers(customers);
    auto dlg = Search({{"txtCognome", U("rossi")}});
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintJob &job = printer.printed[0];
    EXPECT_EQ(job.title, QStringLiteral("Riepilogo clienti"));
    ASSERT_EQ(job.pages.size(), 1);
    EXPECT_EQ(StringsOf(job.pages[0]), QStringList{QStringLiteral("Riepilogo clienti")} + Lines(customers, {2, 0, 5}) +
                                           QStringList{QStringLiteral("Stampa eseguita in data 14/03/2026")});

    printer.failWith = QStringLiteral("carta esaurita");
    messages.Expect(MsgKind::Error, PrintFailureMessage(QStringLiteral("carta esaurita")));
    Click(dlg->btnStampa);
    messages.Verify();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 3);
}

// ---- picks into the windows that take part of a customer -------------------

// A tag no window receives writes nowhere: the vehicle card, which takes the
// owner for "flotta", keeps its texts.
TEST_F(TrovaClientiTest, PickWithATagNobodyReceivesWritesNothing) {
    WriteCustomers(Customers());
    for (const QString &tag : {QStringLiteral("lblMemory"), QStringLiteral("Flotta"), QStringLiteral("flotte"),
                               QStringLiteral("tariffario"), QString()}) {
        SCOPED_TRACE(tag.toStdString());
        frmFlotta->txtConducente->setText(QStringLiteral("Verdi Luca"));
        frmFlotta->txtCodFisc->setText(QStringLiteral("VRDLCU"));
        auto dlg = Search({}, tag);
        DoubleClickLine(dlg->lstRecords, 1);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(frmFlotta->txtConducente->text(), QStringLiteral("Verdi Luca"));
        EXPECT_EQ(frmFlotta->txtCodFisc->text(), QStringLiteral("VRDLCU"));
    }
    EXPECT_TRUE(messages.Shown().empty());
}

// Every window that registered a pick of this search names a tag the callers
// write, and the vehicle card is among them with the owner's three edits.
TEST_F(TrovaClientiTest, ThePicksOfThisSearchAreRegistered) {
    bool owner = false;
    for (const RegisteredFills &table : RegisteredPickFills()) {
        if (table.dialog != QStringLiteral("frmTrovaClienti")) continue;
        EXPECT_TRUE(table.tag == QStringLiteral("flotta") || table.tag == QStringLiteral("prenotazioni") ||
                    table.tag == QStringLiteral("contrattinsc"))
            << table.tag.toStdString();
        if (table.tag != QStringLiteral("flotta")) continue;
        owner = true;
        EXPECT_EQ(table.window(), frmFlotta);
        ASSERT_EQ(table.fills.size(), 3u);
        EXPECT_STREQ(table.fills[0].control, "txtConducente");
        EXPECT_EQ(table.fills[0].field, "Cognome");
        EXPECT_EQ(table.fills[0].joinedField, "Nome");
        EXPECT_STREQ(table.fills[1].control, "txtCodFisc");
        EXPECT_EQ(table.fills[1].field, "CodFisc");
        EXPECT_STREQ(table.fills[2].control, "txtRecapito");
        EXPECT_EQ(table.fills[2].field, "Recapito");
    }
    EXPECT_TRUE(owner);
}

}  // namespace
}  // namespace vel::test
