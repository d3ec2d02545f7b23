#include <QComboBox>
#include <QLineEdit>
#include <memory>
#include <vector>

#include "cards/ReportPages.h"
#include "contracts/ContrattiNSC.h"
#include "fleet/Tariffario.h"
#include "fleet/TrovaTariffa.h"
#include "platform/QtPrint.h"
#include "support/FindSuite.h"
#include "support/ListBoxView.h"

namespace vel::test {
namespace {

// The archive most tests search, in file order. Their lines sort by code:
// AB-1, GIO-01, km-10, ORA-02, SET-7.
std::vector<Record> Tariffs() {
    return {
        // Every field filled, to follow each one into the tariff card.
        Tariff({{"Tariffa", U("Giornaliera")}, {"Descrizione", U("Noleggio giornaliero city car con chilometraggio")},
                {"Codice", U("GIO-01")}, {"Importo", U("45,00")}, {"Conteggio", U("24 ore dal ritiro")},
                {"Eccedenza", U("Ogni ora oltre le 24: 10,00")}, {"Veicolo", U("Autovettura")},
                {"Classe", U("Economica")}, {"Alimentazione", U("Benzina")}, {"Posti", U("5")},
                {"Ritiro", U("Sede centrale")}, {"Riconsegna", U("Sede centrale entro le 18")},
                {"Listino", U("Estate")}, {"PrezzoList", U("49,90")}, {"DescList", U("City car al giorno")},
                {"Pagamento", U("Carta di credito")}, {"Banca", U("Banca Popolare")},
                {"Cauzione", U("Blocco di 300 euro sulla carta di credito")},
                {"Iban", U("IT60X0542811101000000123456")}, {"Intestatario", U("Velmora Noleggi srl")},
                {"Note", U("Chilometraggio illimitato")}, {"Patente", U("B")},
                {"Documenti", U("Carta d'identit\xc3\xa0 e patente")},
                {"Assicurazioni", U("RCA e Kasko con franchigia")}, {"Requisiti", U("Et\xc3\xa0 minima 21 anni")},
                {"File01", U("condizioni.pdf")}, {"File02", U("foto.jpg")}, {"File03", U("kasko.pdf")},
                {"Desc01", U("Condizioni generali")}, {"Desc02", U("Foto")}, {"Desc03", U("Polizza")}}),
        // No description; six characters of seats; an amount stored unnormalised.
        Tariff({{"Tariffa", U("Oraria")}, {"Codice", U("AB-1")}, {"Importo", U("12,5")}, {"Veicolo", U("Scooter")},
                {"Classe", U("Mini")}, {"Posti", U("123456")}, {"Listino", U("Listino estate 2")},
                {"Patente", U("AM")}}),
        Tariff({{"Tariffa", U("Oraria")}, {"Descrizione", U("Furgone a ore")}, {"Codice", U("ORA-02")},
                {"Importo", U("18,00")}, {"Conteggio", U("a ore")}, {"Veicolo", U("Furgone")},
                {"Classe", U("Grande")}, {"Alimentazione", U("Diesel")}, {"Posti", U("3")},
                {"Listino", U("Inverno")}, {"Patente", U("C1 o b")}}),
        Tariff({{"Tariffa", U("Chilometrica")}, {"Descrizione", U("Tariffa a distanza")}, {"Codice", U("km-10")},
                {"Importo", U("0,35")}, {"Veicolo", U("Autovettura")}, {"Classe", U("Intermedia")},
                {"Listino", U("Bassa stagione")}, {"Patente", U("b")}, {"Note", U("Citt\xc3\xa0 e autostrada")}}),
        Tariff({{"Tariffa", U("Settimanale")}, {"Descrizione", U("Camper per sette giorni")}, {"Codice", U("SET-7")},
                {"Importo", U("900,00")}, {"Veicolo", U("Camper")}, {"Classe", U("Lusso")},
                {"Alimentazione", U("Diesel")}, {"Listino", U("ESTATE")}, {"Patente", U("C")},
                {"Cauzione", U("Assegno")}}),
    };
}

// What the tariff card shows of a field: its edit or combo edit for the
// 25 texts, its hidden label for the six attachment fields.
QString CardText(int field) {
    const QString name = QString::fromLatin1(TariffRecord.Fields()[field].name.data(),
                                             qsizetype(TariffRecord.Fields()[field].name.size()));
    const QString control = (field < 25 ? QStringLiteral("txt") : QStringLiteral("lbl")) + name;
    for (QWidget *w : frmTariffario->findChildren<QWidget *>(control)) {
        if (w->window() != frmTariffario) continue;
        if (auto *combo = qobject_cast<QComboBox *>(w)) return combo->currentText();
        if (auto *edit = qobject_cast<QLineEdit *>(w)) return edit->text();
        if (auto *label = qobject_cast<QLabel *>(w)) return label->text();
    }
    return QStringLiteral("<missing %1>").arg(control);
}

// Every field of the tariff on the card, and its number.
void ExpectCardShows(const Record &tariff, const QString &number) {
    for (int i = 0; i < TariffRecord.FieldCount(); ++i)
        EXPECT_EQ(CardText(i), tariff.Text(i)) << TariffRecord.Fields()[i].name;
    EXPECT_EQ(frmTariffario->lblPosizione->text(), number);
}

// The tariff search as the tariff card opens it.
struct TariffSearch {
    using Window = TfrmTrovaTariffa;
    using Card = TfrmTariffario;
    static Card *Owner() { return frmTariffario; }
    static QString Tag() { return QStringLiteral("tariffario"); }
    static QString OtherTag() { return QStringLiteral("flotta"); }  // the vehicle card's
    static const RecordLayout &Layout() { return TariffRecord; }
    static QString Archive() { return kTariffArchive; }
    static QString Line(const Record &r) { return TariffListLine(r); }
    static QString ReportTitle() { return QStringLiteral("Listino tariffario"); }
    static std::vector<Record> Records() { return Tariffs(); }
    static std::vector<int> Sorted() { return {1, 0, 3, 2, 4}; }
    static Criteria Narrowing() { return {{"txtListino", U("estate")}}; }
    static std::vector<int> Narrowed() { return {1, 0, 4}; }
    static QString FindText() { return U("00"); }  // 45,00, 18,00, 900,00
    static std::vector<int> FindRows() { return {1, 3, 4}; }
    static QString LoneFindText() { return U("scooter"); }
    static int LoneFindRow() { return 0; }
    // AB-1 again, in another list (not in the line), with its own note and attachment.
    static Record Twin(Record r) {
        r.SetText("Listino", U("Autunno"));
        r.SetText("Note", U("Il gemello"));
        r.SetText("File01", U("gemello.pdf"));
        return r;
    }
    static int TwinOf() { return 1; }
    static const char *ShownField() { return "Codice"; }
    static void ExpectCardShows(const Record &tariff, const QString &number) {
        vel::test::ExpectCardShows(tariff, number);
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(TrovaTariffa, FindSuite, TariffSearch);

using TrovaTariffaTest = FindTest<TariffSearch>;

TEST_F(TrovaTariffaTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmTrovaTariffa"));
    EXPECT_EQ(frmTrovaTariffa->objectName(), QStringLiteral("frmTrovaTariffa"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Trova tariffe in listino"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(dlg->panContainer->isVisible());
    EXPECT_EQ(Focused(), dlg->txtTariffa);
    EXPECT_TRUE(dlg->effCampo01->isVisible());
    EXPECT_FALSE(dlg->lblMemory->isVisible());
    EXPECT_FALSE(dlg->lblConta->isVisible());
    EXPECT_FALSE(dlg->lblAttendere->isVisible());

    const Edit *edits[] = {dlg->txtTariffa, dlg->txtDescrizione,   dlg->txtCodice,  dlg->txtConteggio,
                           dlg->txtVeicolo, dlg->txtClasse,        dlg->txtAlimentazione, dlg->txtPatente,
                           dlg->txtListino, dlg->txtNote};
    const char *names[] = {"txtTariffa", "txtDescrizione",   "txtCodice",  "txtConteggio", "txtVeicolo",
                           "txtClasse",  "txtAlimentazione", "txtPatente", "txtListino",   "txtNote"};
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(edits[i], nullptr) << names[i];
        EXPECT_EQ(edits[i]->objectName(), QString::fromLatin1(names[i]));
        EXPECT_EQ(edits[i]->MaxLength(), 0);
        EXPECT_TRUE(edits[i]->font().bold());
        EXPECT_EQ(edits[i]->font().pointSize(), 12);
    }
    // Two columns of five rows.
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(edits[2 * row]->y(), edits[2 * row + 1]->y()) << row;
        EXPECT_LT(edits[2 * row]->x(), edits[2 * row + 1]->x()) << row;
        EXPECT_EQ(edits[2 * row]->width(), edits[2 * row + 1]->width()) << row;
        if (row > 0) {
            EXPECT_GT(edits[2 * row]->y(), edits[2 * row - 2]->y()) << row;
        }
    }

    QStringList texts;
    for (const QLabel *label : dlg->findChildren<QLabel *>())
        if (label->isVisibleTo(dlg.get())) texts.append(label->text());
    for (const char *text : {"Tariffa:", "Descrizione:", "Codice:", "Criterio conteggio:", "Tipo veicolo:", "Classe:",
                             "Alimentazione:", "Patente:", "Listino appartenenza:", "Note:"})
        EXPECT_TRUE(texts.contains(U(text))) << text;
}

TEST_F(TrovaTariffaTest, FocusFramesAndEnterGoRoundTheCriteria) {
    auto dlg = Open();
    Edit *order[] = {dlg->txtTariffa, dlg->txtDescrizione,   dlg->txtCodice,  dlg->txtConteggio, dlg->txtVeicolo,
                     dlg->txtClasse,  dlg->txtAlimentazione, dlg->txtPatente, dlg->txtListino,   dlg->txtNote};
    FocusFrame *frames[] = {dlg->effCampo01, dlg->effCampo02, dlg->effCampo09, dlg->effCampo10, dlg->effCampo05,
                            dlg->effCampo06, dlg->effCampo07, dlg->effCampo08, dlg->effCampo03, dlg->effCampo04};
    const char *frameNames[] = {"effCampo01", "effCampo02", "effCampo09", "effCampo10", "effCampo05",
                                "effCampo06", "effCampo07", "effCampo08", "effCampo03", "effCampo04"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(frames[i]->objectName(), QString::fromLatin1(frameNames[i]));
    Type(dlg->txtTariffa, QStringLiteral("oraria"));
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(Focused(), order[i]) << i;
        for (int j = 0; j < 10; ++j) EXPECT_EQ(frames[j]->isVisible(), j == i) << i << " " << j;
        Press(order[i], Qt::Key_Return);
    }
    EXPECT_EQ(Focused(), dlg->txtTariffa);
    // Enter never searched.
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(folder.Exists(kTariffArchive));
}

TEST_F(TrovaTariffaTest, SearchListsTheMatchingTariffsSortedByCode) {
    const std::vector<Record> tariffs = Tariffs();
    WriteTariffs(tariffs);
    struct Case {
        const char *label;
        std::vector<std::pair<const char *, QString>> criteria;
        std::vector<int> listed;  // indexes into Tariffs(), in list order
        const char *filled;
    };
    const Case cases[] = {
        // Every tariff without criteria, blanks beside criteria, and "estate"
        // in the list name: the find suite.
        {"B anywhere in the licence", {{"txtPatente", U("B")}}, {0, 3, 2}, "1"},
        {"two criteria must both hit", {{"txtTariffa", U("oraria")}, {"txtVeicolo", U("furg")}}, {2}, "2"},
        {"a blank criterion beside them changes nothing",
         {{"txtTariffa", U("oraria")}, {"txtVeicolo", U("furg")}, {"txtClasse", U("   ")}},
         {2},
         "2"},
        {"a trailing blank must be in the field too", {{"txtListino", U("estate ")}}, {1}, "1"},
        {"accented letters keep their case", {{"txtNote", U("CITT\xc3\x80")}}, {}, "1"},
        {"accented letters find themselves", {{"txtNote", U("citt\xc3\xa0")}}, {3}, "1"},
        // Each criterion is sought in its own field.
        {"Tariffa", {{"txtTariffa", U("settimanale")}}, {4}, "1"},
        {"Descrizione", {{"txtDescrizione", U("city car")}}, {0}, "1"},
        {"Codice", {{"txtCodice", U("KM-")}}, {3}, "1"},
        {"Conteggio", {{"txtConteggio", U("24 ore")}}, {0}, "1"},
        {"Veicolo", {{"txtVeicolo", U("scooter")}}, {1}, "1"},
        {"Classe", {{"txtClasse", U("lusso")}}, {4}, "1"},
        {"Alimentazione", {{"txtAlimentazione", U("benz")}}, {0}, "1"},
        {"Patente", {{"txtPatente", U("am")}}, {1}, "1"},
        {"Listino", {{"txtListino", U("inverno")}}, {2}, "1"},
        {"Note", {{"txtNote", U("illimitato")}}, {0}, "1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        auto dlg = Search(c.criteria);
        EXPECT_EQ(LinesOf(dlg->lstRecords), Lines(tariffs, c.listed));
        EXPECT_EQ(dlg->lblConta->text(), QString::fromLatin1(c.filled));
        EXPECT_EQ(dlg->lblTrovate->text(),
                  QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.listed.size()));
        EXPECT_TRUE(dlg->panContainer->isVisible());
        EXPECT_FALSE(dlg->panAvvio->isVisible());
        EXPECT_EQ(Focused(), dlg->txtTrova);
    }
}

TEST_F(TrovaTariffaTest, TheLineOfATariff) {
    WriteTariffs(Tariffs());
    auto dlg = Search({});
    ASSERT_EQ(dlg->lstRecords->count(), 5);
    // No description: 35 blanks; six characters of seats cut to five; the
    // amount as stored, not normalised.
    const QString ab1 = QStringLiteral("AB-1") + QString(16, u' ') + QStringLiteral("  Tariffa Oraria") +
                        QString(8, u' ') + QStringLiteral("  ") + QString(35, u' ') + QStringLiteral("  Scooter") +
                        QString(18, u' ') + QStringLiteral("  Cl. Mini") + QString(8, u' ') +
                        QStringLiteral("  Posti: 12345  \u20ac 12,5");
    EXPECT_EQ(dlg->lstRecords->Line(0), ab1);
    // A long description is cut to its 35 characters; every line holds 144
    // characters before its amount.
    const QString gio = dlg->lstRecords->Line(1);
    EXPECT_EQ(gio.mid(44, 39), QStringLiteral("  Noleggio giornaliero city car con c  "));
    for (int i = 0; i < 5; ++i) {
        const QString line = dlg->lstRecords->Line(i);
        EXPECT_EQ(line.mid(140, 4), QStringLiteral("  \u20ac ")) << i;
    }
    ExpectResultListLook(dlg->lstRecords, 1600);
    EXPECT_EQ(dlg->lstRecords->Line(4).mid(144), QStringLiteral("900,00"));
}

// "Trova" through the list is the find suite's; "Stampa" prints the list as it stands.
TEST_F(TrovaTariffaTest, StampaPrintsTheListInItsOrder) {
    const std::vector<Record> tariffs = Tariffs();
    WriteTariffs(tariffs);
    auto dlg = Search({{"txtListino", U("estate")}});
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintJob &job = printer.printed[0];
    EXPECT_EQ(job.title, QStringLiteral("Listino tariffario"));
    ASSERT_EQ(job.pages.size(), 1);
    EXPECT_EQ(StringsOf(job.pages[0]), QStringList{QStringLiteral("Listino tariffario")} +
                                           Lines(tariffs, {1, 0, 4}) +
                                           QStringList{QStringLiteral("Stampa eseguita in data 14/03/2026")});
    EXPECT_TRUE(messages.Shown().empty());
}

// ---- the pick ---------------------------------------------------------------

// The card's own "Trova" opens the search with its tag; the pick puts the
// whole tariff on the card, in place of whatever was there, with its number.
TEST_F(TrovaTariffaTest, PickLoadsTheTariffIntoTheCard) {
    const std::vector<Record> tariffs = Tariffs();
    WriteTariffs(tariffs);
    frmTariffario->Show();
    ShowActive(frmTariffario);
    frmTariffario->txtNote->setText(QStringLiteral("nota non salvata"));
    frmTariffario->lblFile01->setText(QStringLiteral("vecchio.pdf"));
    modals.Expect<TfrmTrovaTariffa>([&](TfrmTrovaTariffa &d) {
        ShowActive(&d);
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("tariffario"));
        Type(d.txtCodice, QStringLiteral("gio"));
        Click(d.btnCerca);
        ASSERT_EQ(d.lstRecords->count(), 1);
        DoubleClickLine(d.lstRecords, 0);
        EXPECT_FALSE(d.isVisible());
    });
    Click(frmTariffario->cmdTrova);
    ExpectCardShows(tariffs[0], QStringLiteral("1"));

    // Another tariff, with most fields empty, leaves none of the first behind.
    modals.Expect<TfrmTrovaTariffa>([&](TfrmTrovaTariffa &d) {
        ShowActive(&d);
        Type(d.txtVeicolo, QStringLiteral("scooter"));
        Click(d.btnCerca);
        DoubleClickLine(d.lstRecords, 0);
    });
    Click(frmTariffario->cmdTrova);
    ExpectCardShows(tariffs[1], QStringLiteral("2"));
    EXPECT_TRUE(messages.Shown().empty());
}

// The contract card receives six fields by the names of its controls; a
// card of its own, standing in for the program's, shows what lands where.
class ContractStandIn {
public:
    ContractStandIn() : real_(frmContrattiNSC) {
        frmContrattiNSC = &card_;
        card_.Create();
        card_.lblPosizione->setText(QStringLiteral("4"));
    }
    ~ContractStandIn() { frmContrattiNSC = real_; }
    QString TextOf(const char *name) const {
        for (QWidget *w : card_.findChildren<QWidget *>(QString::fromLatin1(name))) {
            if (w->window() != &card_) continue;
            if (auto *combo = qobject_cast<QComboBox *>(w)) return combo->currentText();
            if (auto *edit = qobject_cast<QLineEdit *>(w)) return edit->text();
            if (auto *label = qobject_cast<QLabel *>(w)) return label->text();
        }
        return QStringLiteral("<missing>");
    }
    TfrmContrattiNSC &Window() { return card_; }

private:
    TfrmContrattiNSC *real_;
    TfrmContrattiNSC card_;
};

TEST_F(TrovaTariffaTest, PickFillsTheContractCard) {
    WriteTariffs(Tariffs());
    ContractStandIn card;
    // Owned by the card, as its tariff import opens it: the dialog's own
    // criteria of the same names stay as typed.
    auto dlg = Open(QStringLiteral("contrattinsc"), &card.Window());
    Type(dlg->txtTariffa, U("giorn"));
    Click(dlg->btnCerca);
    ASSERT_EQ(dlg->lstRecords->count(), 1);
    DoubleClickLine(dlg->lstRecords, 0);
    EXPECT_FALSE(dlg->isVisible());
    const std::pair<const char *, const char *> expected[] = {
        {"txtTariffa", "Giornaliera"},
        {"txtConteggio", "24 ore dal ritiro"},
        {"txtEccedenza", "Ogni ora oltre le 24: 10,00"},
        {"txtImporto", "45,00"},
        {"txtCauzione", "Blocco di 300 euro sulla carta di credito"},  // whole: nothing typed it
        {"txtAssicurazioni", "RCA e Kasko con franchigia"},
        // Nothing else of the tariff reaches the card, not even fields of the same name.
        {"txtVeicolo", ""},
        {"txtAlimentazione", ""},
        {"txtNote", ""},
        {"txtPosti", ""},
        {"lblPosizione", "4"},
    };
    for (const auto &[name, text] : expected) EXPECT_EQ(card.TextOf(name), U(text)) << name;
    EXPECT_EQ(dlg->txtTariffa->text(), QStringLiteral("giorn"));
    EXPECT_EQ(frmTariffario->lblPosizione->text(), QString());
    EXPECT_EQ(frmTariffario->txtCodice->text(), QString());
}

// A pick into the program's contract card closes the dialog and leaves the
// tariff card alone.
TEST_F(TrovaTariffaTest, PickIntoTheContractCardAsItStandsIsHarmless) {
    WriteTariffs(Tariffs());
    auto dlg = Search({}, QStringLiteral("contrattinsc"));
    DoubleClickLine(dlg->lstRecords, 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(frmTariffario->lblPosizione->text(), QString());
    EXPECT_TRUE(messages.Shown().empty());
}

}  // namespace
}  // namespace vel::test
