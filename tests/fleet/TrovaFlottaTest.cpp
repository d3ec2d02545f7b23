#include <QComboBox>
#include <QLineEdit>
#include <vector>
#include <memory>

#include "bookings/Prenotazioni.h"
#include "cards/ListReport.h"
#include "cards/ReportPages.h"
#include "common/ListLines.h"
#include "contracts/ContrattiNSC.h"
#include "fleet/Flotta.h"
#include "fleet/TrovaFlotta.h"
#include "platform/QtPrint.h"
#include "support/FindSuite.h"
#include "support/ListBoxView.h"

namespace vel::test {
namespace {

// The archive most tests search, in file order. Their lines sort as
// alfa, Alfa, Citroën, Fiat Auto, Fiat Panda, FIAT Punto, Lancia, _Prova.
std::vector<Record> Fleet() {
    return {
        Vehicle({{"Veicolo", U("Autovettura")}, {"Marca", U("FIAT")}, {"Modello", U("Punto")},
                 {"Alimentazione", U("Benzina")}, {"Targa", U("AB111AA")}, {"Conducente", U("Rossi Mario")},
                 {"Recapito", U("051 111")}, {"File01", U("punto.pdf")}, {"Desc01", U("Libretto Punto")}}),
        Vehicle({{"Veicolo", U("Autovettura")}, {"Marca", U("Fiat")}, {"Modello", U("Panda")},
                 {"Alimentazione", U("Diesel")}, {"Targa", U("CD222BB")}, {"Conducente", U("Verdi Anna")},
                 {"Colore", U("Rosso")}, {"Posti", U("5")}, {"Impianti", U("Clima")}}),
        Vehicle({{"Veicolo", U("Furgone")}, {"Marca", U("Fiat Auto")}, {"Modello", U("Dobl\xc3\xb2")},
                 {"Alimentazione", U("Diesel")}, {"Targa", U("EF333CC")}, {"Conducente", U("Rossi Luca")}}),
        Vehicle({{"Marca", U("Citro\xc3\xabn")}, {"Modello", U("C3")}, {"Targa", U("GH444DD")},
                 {"Conducente", U("Bianchi")}}),
        Vehicle({{"Marca", U("Lancia")}, {"Modello", U("Ypsilon")}, {"Note", U("\xc3\xa8 libera da giugno")},
                 {"Conducente", U("Neri")}}),
        Vehicle({{"Marca", U("Alfa Romeo")}, {"Modello", U("Giulietta Sprint Veloce")},
                 {"Targa", U("ABCDEFGHIJKLM")}, {"Conducente", U("Rossi Carla")}}),
        Vehicle({{"Marca", U("_Prova")}, {"Modello", U("X")}}),
        Vehicle({{"Marca", U("alfa")}, {"Modello", U("Mito")}, {"Incidenti", U("Urto posteriore")}}),
    };
}

// Fleet() in the order of the list.
const int kSorted[] = {7, 5, 3, 2, 1, 0, 4, 6};

// The vehicle search as the vehicle card opens it.
struct FleetSearch {
    using Window = TfrmTrovaFlotta;
    using Card = TfrmFlotta;
    static Card *Owner() { return frmFlotta; }
    static QString Tag() { return QStringLiteral("flotta"); }
    static QString OtherTag() { return QStringLiteral("clienti"); }
    static const RecordLayout &Layout() { return VehicleRecord; }
    static QString Archive() { return kFleetArchive; }
    static QString Line(const Record &r) { return VehicleListLine(r); }
    static QString ReportTitle() { return QStringLiteral("Riepilogo parco automezzi"); }
    static std::vector<Record> Records() { return Fleet(); }
    static std::vector<int> Sorted() { return {std::begin(kSorted), std::end(kSorted)}; }
    static Criteria Narrowing() { return {{"txtMarca", U("fiat")}, {"txtVeicolo", U("autovettura")}}; }
    static std::vector<int> Narrowed() { return {1, 0}; }
    static QString FindText() { return U("rossi"); }  // Carla, Luca, Mario
    static std::vector<int> FindRows() { return {1, 3, 5}; }
    static QString LoneFindText() { return U("verdi"); }
    static int LoneFindRow() { return 4; }
    // Fiat Panda again, as a van (not in the line) with its own attachment.
    static Record Twin(Record r) {
        r.SetText("Veicolo", U("Furgone"));
        r.SetText("File01", U("gemello.pdf"));
        return r;
    }
    static int TwinOf() { return 1; }
    static const char *ShownField() { return "Targa"; }
    static void ExpectCardShows(const Record &vehicle, const QString &number) {
        EXPECT_EQ(frmFlotta->lblPosizione->text(), number);
        EXPECT_EQ(frmFlotta->txtTarga->text(), vehicle.Text("Targa"));
        EXPECT_EQ(frmFlotta->lblFile01->text(), vehicle.Text("File01"));
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(TrovaFlotta, FindSuite, FleetSearch);

using TrovaFlottaTest = FindTest<FleetSearch>;

TEST_F(TrovaFlottaTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmTrovaFlotta"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Trova automezzi in archivio"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(dlg->panContainer->isVisible());
    EXPECT_EQ(dlg->panAvvio->geometry(), dlg->panContainer->geometry());
    EXPECT_EQ(Focused(), dlg->txtVeicolo);
    EXPECT_TRUE(dlg->effVeicolo->isVisible());

    const Edit *edits[] = {dlg->txtVeicolo,  dlg->txtAlimentazione, dlg->txtMarca,      dlg->txtModello,
                           dlg->txtTarga,    dlg->txtTelaio,        dlg->txtConducente, dlg->txtCodFisc,
                           dlg->txtIncidenti, dlg->txtNote};
    const char *names[] = {"txtVeicolo", "txtAlimentazione", "txtMarca",   "txtModello",   "txtTarga",
                           "txtTelaio",  "txtConducente",    "txtCodFisc", "txtIncidenti", "txtNote"};
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(edits[i], nullptr) << names[i];
        EXPECT_EQ(edits[i]->objectName(), QString::fromLatin1(names[i]));
        EXPECT_EQ(edits[i]->MaxLength(), 0);
        EXPECT_TRUE(edits[i]->font().bold());
        EXPECT_EQ(edits[i]->font().pointSize(), 12);
    }
    // Two columns of four, the last two across the whole width.
    EXPECT_EQ(dlg->txtVeicolo->y(), dlg->txtAlimentazione->y());
    EXPECT_LT(dlg->txtVeicolo->x(), dlg->txtAlimentazione->x());
    EXPECT_EQ(dlg->txtConducente->y(), dlg->txtCodFisc->y());
    EXPECT_GT(dlg->txtIncidenti->y(), dlg->txtConducente->y());
    EXPECT_GT(dlg->txtNote->y(), dlg->txtIncidenti->y());
    EXPECT_GT(dlg->txtNote->width(), 2 * dlg->txtMarca->width());

    QStringList texts;
    for (const QLabel *label : dlg->findChildren<QLabel *>())
        if (label->isVisibleTo(dlg.get())) texts.append(label->text());
    for (const char *text :
         {"Tipo veicolo:", "Alimentazione:", "Marca:", "Modello:", "Targa:", "Telaio:",
          "Proprietario o responsabile:", "Codice fiscale:", "Incidenti subiti:", "Note:",
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

    // The result panel, once shown.
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
    EXPECT_EQ(dlg->lblIstruzioni03->text(),
              U("Per richiamare i dati di una scheda, selezionarla con un doppio clic."));
    EXPECT_LT(dlg->lblIstruzioni02->y(), dlg->lstRecords->y());
    EXPECT_GT(dlg->lblIstruzioni03->y(), dlg->lstRecords->y() + dlg->lstRecords->height() - 1);
}

TEST_F(TrovaFlottaTest, FocusFramesAndEnterGoRoundTheCriteria) {
    auto dlg = Open();
    Edit *order[] = {dlg->txtVeicolo, dlg->txtAlimentazione, dlg->txtMarca,      dlg->txtModello,
                     dlg->txtTarga,   dlg->txtTelaio,        dlg->txtConducente, dlg->txtCodFisc,
                     dlg->txtIncidenti, dlg->txtNote};
    FocusFrame *frames[] = {dlg->effVeicolo, dlg->effAlimentazione, dlg->effMarca,      dlg->effModello,
                            dlg->effTarga,   dlg->effTelaio,        dlg->effConducente, dlg->effCodFisc,
                            dlg->effIncidenti, dlg->effNote};
    Type(dlg->txtVeicolo, QStringLiteral("auto"));
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(Focused(), order[i]) << i;
        for (int j = 0; j < 10; ++j) EXPECT_EQ(frames[j]->isVisible(), j == i) << i << " " << j;
        Press(order[i], Qt::Key_Return);
    }
    EXPECT_EQ(Focused(), dlg->txtVeicolo);
    // Enter never searched: no archive was even opened.
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(folder.Exists(kFleetArchive));
    EXPECT_EQ(dlg->txtVeicolo->text(), QStringLiteral("auto"));
}

TEST_F(TrovaFlottaTest, SearchListsTheMatchingVehiclesSorted) {
    const std::vector<Record> fleet = Fleet();
    WriteFleet(fleet);
    struct Case {
        const char *label;
        std::vector<std::pair<const char *, QString>> criteria;
        std::vector<int> listed;  // indexes into Fleet(), in list order
        const char *filled;
    };
    const Case cases[] = {
        // Every vehicle without criteria, and blanks beside criteria: the find suite.
        {"fiat finds every case of it", {{"txtMarca", U("fiat")}}, {2, 1, 0}, "1"},
        {"fiat with a blank after it", {{"txtMarca", U("fiat ")}}, {2}, "1"},
        {"citroen does not find Citro\xc3\xabn", {{"txtMarca", U("citroen")}}, {}, "1"},
        {"a capital \xc3\x88 does not find a small one", {{"txtNote", U("\xc3\x88")}}, {}, "1"},
        {"a small \xc3\xa8 finds itself", {{"txtNote", U("\xc3\xa8")}}, {4}, "1"},
        {"two criteria must both hit", {{"txtMarca", U("fiat")}, {"txtConducente", U("ROSSI")}}, {2, 0}, "2"},
        {"a third criterion of blanks changes nothing",
         {{"txtMarca", U("fiat")}, {"txtConducente", U("ROSSI")}, {"txtTarga", U("   ")}},
         {2, 0},
         "2"},
        {"every criterion reaches its own field",
         {{"txtVeicolo", U("furg")}, {"txtAlimentazione", U("diesel")}, {"txtModello", U("dobl")},
          {"txtTarga", U("ef3")}, {"txtTelaio", U("")}, {"txtIncidenti", U("")}},
         {2},
         "4"},
        {"incidents", {{"txtIncidenti", U("urto")}}, {7}, "1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        auto dlg = Search(c.criteria);
        EXPECT_EQ(LinesOf(dlg->lstRecords), Lines(fleet, c.listed));
        EXPECT_EQ(dlg->lblConta->text(), QString::fromLatin1(c.filled));
        EXPECT_EQ(dlg->lblTrovate->text(),
                  QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.listed.size()));
        EXPECT_TRUE(dlg->panContainer->isVisible());
        EXPECT_FALSE(dlg->panAvvio->isVisible());
        EXPECT_EQ(Focused(), dlg->txtTrova);
        EXPECT_EQ(dlg->txtTrova->text(), QString());
    }
}

TEST_F(TrovaFlottaTest, LinesShowInCourierNewAndScrollSideways) {
    WriteFleet(Fleet());
    auto dlg = Search({});
    ASSERT_EQ(dlg->lstRecords->count(), 8);
    // The long make and model is cut to 30 characters, the 13-character plate to 12.
    EXPECT_TRUE(dlg->lstRecords->Line(1).startsWith(
        QStringLiteral("Alfa Romeo Giulietta Sprint Ve  Targa: ABCDEFGHIJKL  ")));
    ExpectResultListLook(dlg->lstRecords, 1600);
}

// A note of 250 characters ends far past the 1600 pixels the lines are laid
// out in at least; scrolled sideways to the end, the whole note shows.
TEST_F(TrovaFlottaTest, ScrollingSidewaysShowsTheWholeNote) {
    const QString note = QString(246, u'.') + QStringLiteral("FINE");
    WriteFleet({Vehicle({{"Marca", U("Fiat")}, {"Modello", U("Panda")}, {"Note", note}}),
                Vehicle({{"Marca", U("Alfa")}, {"Modello", U("Mito")}, {"Note", U("Breve")}})});
    auto dlg = Search({});
    ASSERT_EQ(dlg->lstRecords->count(), 2);
    ASSERT_TRUE(dlg->lstRecords->Line(1).endsWith(note));
    EXPECT_FALSE(LineEndShown(dlg->lstRecords, 1));
    ScrollSideways(dlg->lstRecords, 1);
    EXPECT_TRUE(LineEndShown(dlg->lstRecords, 1));
    // The text moved with the bar: the short line went out of view.
    EXPECT_FALSE(LineEndShown(dlg->lstRecords, 0));
}

TEST_F(TrovaFlottaTest, OneVehicleStillSaysSchede) {
    WriteFleet(Fleet());
    auto dlg = Search({{"txtTarga", U("gh4")}});
    EXPECT_EQ(dlg->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 1 schede."));
}

TEST_F(TrovaFlottaTest, StampaPrintsTheListInItsOrder) {
    const std::vector<Record> fleet = Fleet();
    WriteFleet(fleet);
    auto dlg = Search({{"txtMarca", U("fiat")}});
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintJob &job = printer.printed[0];
    EXPECT_EQ(job.title, QStringLiteral("Riepilogo parco automezzi"));
    ASSERT_EQ(job.pages.size(), 1);
    EXPECT_EQ(StringsOf(job.pages[0]), QStringList{QStringLiteral("Riepilogo parco automezzi")} +
                                           Lines(fleet, {2, 1, 0}) +
                                           QStringList{QStringLiteral("Stampa eseguita in data 14/03/2026")});
}

TEST_F(TrovaFlottaTest, LongListPrintsOverSeveralPages) {
    std::vector<Record> many;
    for (int i = 0; i < 120; ++i)
        many.push_back(Vehicle({{"Marca", U("Fiat")}, {"Modello", QStringLiteral("Panda %1").arg(i, 3, 10, QChar('0'))}}));
    WriteFleet(many);
    auto dlg = Search({});
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintJob &job = printer.printed[0];
    ASSERT_EQ(job.pages.size(), 3);
    QStringList body;
    for (const QPicture &page : job.pages) {
        QStringList texts = StringsOf(page);
        EXPECT_EQ(texts.takeFirst(), QStringLiteral("Riepilogo parco automezzi"));
        EXPECT_EQ(texts.takeLast(), QStringLiteral("Stampa eseguita in data 14/03/2026"));
        body += texts;
    }
    EXPECT_EQ(body, LinesOf(dlg->lstRecords));
}

TEST_F(TrovaFlottaTest, PrintFailureIsReportedAndTheListStays) {
    WriteFleet(Fleet());
    auto dlg = Search({});
    dlg->lstRecords->setCurrentRow(2);
    printer.failWith = QStringLiteral("la stampante non risponde");
    messages.Expect(MsgKind::Error, PrintFailureMessage(QStringLiteral("la stampante non risponde")));
    Click(dlg->btnStampa);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->lstRecords->count(), 8);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 2);
}

// ---- the pick ---------------------------------------------------------------

TEST_F(TrovaFlottaTest, PickLoadsTheVehicleIntoTheCardAsTheCardOpensIt) {
    WriteFleet(Fleet());
    frmFlotta->lblPosizione->setText(QStringLiteral("7"));  // an unsaved card on screen is replaced
    frmFlotta->lblFile01->setText(QStringLiteral("vecchio.pdf"));
    TfrmTrovaFlotta dlg(frmFlotta);
    dlg.Create();
    dlg.lblMemory->setText(QStringLiteral("flotta"));
    modals.Expect<TfrmTrovaFlotta>([&](TfrmTrovaFlotta &d) {
        ShowActive(&d);
        Type(d.txtConducente, QStringLiteral("mario"));
        Click(d.btnCerca);
        ASSERT_EQ(d.lstRecords->count(), 1);
        DoubleClickLine(d.lstRecords, 0);
        EXPECT_FALSE(d.isVisible());
    });
    dlg.ShowModal();
    EXPECT_EQ(frmFlotta->lblPosizione->text(), QStringLiteral("1"));
    EXPECT_EQ(frmFlotta->lblFile01->text(), QStringLiteral("punto.pdf"));
    EXPECT_EQ(frmFlotta->lblDesc01->text(), QStringLiteral("Libretto Punto"));
    EXPECT_EQ(frmFlotta->lblFile02->text(), QString());
    EXPECT_EQ(dlg.lstRecords->count(), 0);  // closing emptied the list
}

// The booking and contract cards receive seven fields by the names of their
// controls; a stand-in card with those controls shows what lands where.
template <typename Card>
class StandInCard {
public:
    StandInCard(Card *&instance, std::initializer_list<const char *> combos, std::initializer_list<const char *> edits)
        : instance_(instance), real_(instance) {
        instance = &card_;
        for (const char *name : combos) Add<ComboEdit>(name);
        for (const char *name : edits) Add<Edit>(name);
    }
    ~StandInCard() { instance_ = real_; }
    QString TextOf(const char *name) const {
        for (QWidget *w : card_.template findChildren<QWidget *>(QString::fromLatin1(name))) {
            if (w->window() != &card_) continue;
            if (auto *combo = qobject_cast<QComboBox *>(w)) return combo->currentText();
            if (auto *edit = qobject_cast<QLineEdit *>(w)) return edit->text();
        }
        return QStringLiteral("<missing>");
    }
    Card &Window() { return card_; }

private:
    template <typename Control>
    void Add(const char *name) {
        for (QWidget *w : card_.template findChildren<QWidget *>(QString::fromLatin1(name)))
            if (w->window() == &card_) return;  // the card has it already
        (new Control(&card_))->setObjectName(QString::fromLatin1(name));
    }
    Card *&instance_;
    Card *real_;
    Card card_;
};

TEST_F(TrovaFlottaTest, PickFillsTheBookingCard) {
    WriteFleet(Fleet());
    StandInCard<TfrmPrenotazioni> card(frmPrenotazioni, {},
                                       {"txtVeicolo", "txtMarca", "txtModello", "txtColore", "txtAlimentazione",
                                        "txtTarga", "txtPosti", "txtImpianti", "txtCliente"});
    auto dlg = Search({{"txtMarca", U("fiat")}}, QStringLiteral("prenotazioni"));
    ASSERT_EQ(dlg->lstRecords->Line(1), VehicleListLine(Fleet()[1]));
    DoubleClickLine(dlg->lstRecords, 1);
    EXPECT_FALSE(dlg->isVisible());
    const std::pair<const char *, const char *> expected[] = {
        {"txtVeicolo", "Autovettura"}, {"txtMarca", "Fiat"},  {"txtModello", "Panda"}, {"txtColore", "Rosso"},
        {"txtAlimentazione", "Diesel"}, {"txtTarga", "CD222BB"}, {"txtPosti", "5"},
        {"txtImpianti", ""},  // not the booking card's
        {"txtCliente", ""},
    };
    for (const auto &[name, text] : expected) EXPECT_EQ(card.TextOf(name), U(text)) << name;
    EXPECT_EQ(frmFlotta->lblPosizione->text(), QString());
}

TEST_F(TrovaFlottaTest, PickFillsTheContractCard) {
    WriteFleet(Fleet());
    StandInCard<TfrmContrattiNSC> card(frmContrattiNSC, {"txtVeicolo", "txtAlimentazione"},
                                       {"txtMarca", "txtModello", "txtColore", "txtImpianti", "txtTarga", "txtPosti"});
    // The dialog is owned by the card, as the card's own command opens it:
    // its criteria edits of the same names stay as typed.
    auto dlg = Open(QStringLiteral("contrattinsc"), &card.Window());
    Type(dlg->txtMarca, U("fiat"));
    Click(dlg->btnCerca);
    DoubleClickLine(dlg->lstRecords, 1);
    const std::pair<const char *, const char *> expected[] = {
        {"txtVeicolo", "Autovettura"}, {"txtMarca", "Fiat Panda"}, {"txtModello", ""},
        {"txtColore", "Rosso"},        {"txtAlimentazione", "Diesel"}, {"txtImpianti", "Clima"},
        {"txtTarga", "CD222BB"},       {"txtPosti", "5"},
    };
    for (const auto &[name, text] : expected) EXPECT_EQ(card.TextOf(name), U(text)) << name;
    EXPECT_EQ(dlg->txtMarca->text(), QStringLiteral("fiat"));
}

// As the booking and contract cards stand now, a pick into them closes the
// dialog and disturbs nothing.
TEST_F(TrovaFlottaTest, PickIntoTheCardsAsTheyStandIsHarmless) {
    WriteFleet(Fleet());
    for (const QString &tag : {QStringLiteral("prenotazioni"), QStringLiteral("contrattinsc")}) {
        SCOPED_TRACE(tag.toStdString());
        auto dlg = Search({}, tag);
        DoubleClickLine(dlg->lstRecords, 0);
        EXPECT_FALSE(dlg->isVisible());
    }
    EXPECT_EQ(frmFlotta->lblPosizione->text(), QString());
}

}  // namespace
}  // namespace vel::test
