#include <QLabel>
#include <memory>
#include <vector>

#include "BookingFixture.h"
#include "bookings/Prenotazioni.h"
#include "bookings/RiepAnnualePren.h"
#include "bookings/TrovaPrenotazioni.h"
#include "cards/FindDialog.h"
#include "cards/ReportPages.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "support/FindSuite.h"

namespace vel::test {
namespace {

constexpr int kYear = 2024;

// The bookings most tests search, in file order. Their lines sort as
// Alfa Romeo, Citroën, Fiat Panda AB.., Fiat Panda ZZ.., Fiat Punto, Lancia.
std::vector<Record> Bookings() {
    return {
        CompleteBooking(kYear),
        CompleteBooking(kYear, {{"Marca", U("Alfa Romeo")},
                                {"Modello", U("Giulietta Sprint Veloce")},
                                {"Targa", U("ABCDEFGHIJKLMN")},
                                {"Cliente", U("Bianchi Giovanni Battista Maria")},
                                {"Recapito", U("0039 06 12345678 9")},
                                {"GiornoRit", U("15")},
                                {"GiornoRic", U("16")},
                                {"CodFisc", U("BNCGVN70B02F205X")}}),
        CompleteBooking(kYear, {{"Modello", U("Punto")},
                                {"Targa", U("EF333CC")},
                                {"Cliente", U("Verdi Anna")},
                                {"GiornoRit", U("10")},
                                {"MeseRit", U("Aprile")},
                                {"GiornoRic", U("12")},
                                {"MeseRic", U("Aprile")},
                                {"SedeRic", U("Torino")}}),
        CompleteBooking(kYear, {{"Marca", U("Lancia")},
                                {"Modello", U("Ypsilon")},
                                {"Targa", U("GH444DD")},
                                {"Cliente", U("Rossi Luca")},
                                {"Veicolo", U("Furgone")},
                                {"GiornoRit", U("02")},
                                {"DataRic", U("6/3/2024")}}),
        CompleteBooking(kYear, {{"Marca", U("Citro\xc3\xabn")},
                                {"Modello", U("C3")},
                                {"Targa", U("IJ555EE")},
                                {"Cliente", U("ROSSI CARLA")},
                                {"GiornoRit", U("20")},
                                {"MeseRit", U("Maggio")},
                                {"GiornoRic", U("21")},
                                {"MeseRic", U("Maggio")}}),
        CompleteBooking(kYear, {{"Targa", U("ZZ999ZZ")},
                                {"Cliente", U("Neri Paolo")},
                                {"GiornoRit", U("31")},
                                {"MeseRit", U("Dicembre")},
                                {"OreRit", U("23")},
                                {"MinutiRit", U("59")},
                                {"GiornoRic", U("31")},
                                {"MeseRic", U("Dicembre")},
                                {"SedeRit", U("Napoli")}}),
    };
}

// Bookings() in the order of the list.
const int kSorted[] = {1, 4, 0, 5, 2, 3};

// Each field of a booking and the control of the card the pick writes it into.
const std::pair<const char *, const char *> kCardControls[] = {
    {"GiornoRit", "txtGiornoRit"}, {"MeseRit", "txtMeseRit"},     {"AnnoRit", "lblAnnoRit"},
    {"DataRit", "lblDataRit"},     {"OreRit", "txtOreRit"},       {"MinutiRit", "txtMinutiRit"},
    {"OraRit", "lblOraRit"},       {"GiornoRic", "txtGiornoRic"}, {"MeseRic", "txtMeseRic"},
    {"AnnoRic", "lblAnnoRic"},     {"DataRic", "lblDataRic"},     {"OreRic", "txtOreRic"},
    {"MinutiRic", "txtMinutiRic"}, {"OraRic", "lblOraRic"},       {"SedeRit", "txtSedeRit"},
    {"SedeRic", "txtSedeRic"},     {"Veicolo", "txtVeicolo"},     {"Marca", "txtMarca"},
    {"Modello", "txtModello"},     {"Colore", "txtColore"},       {"Posti", "txtPosti"},
    {"Targa", "txtTarga"},         {"Alimentazione", "txtAlimentazione"},
    {"Cliente", "txtCliente"},     {"CodFisc", "txtCodFisc"},     {"Recapito", "txtRecapito"},
    {"TelCel", "txtTelCel"},       {"Email", "txtEmail"},
};

// The booking card as "Apri" of the year leaves it: its archive path and year.
void CardOnYear(int year) {
    frmPrenotazioni->lblFile->setText(ProgramPath(BookingArchive(year)));
    frmPrenotazioni->lblAnnoRit->setText(QString::number(year));
}

// The booking search as the booking card opens it.
struct BookingSearch {
    using Window = TfrmTrovaPrenotazioni;
    using Card = TfrmPrenotazioni;
    static Card *Owner() {
        // Every test starts from the card of the year its archive holds.
        if (frmPrenotazioni->lblFile->text().isEmpty()) CardOnYear(kYear);
        return frmPrenotazioni;
    }
    static QString Tag() { return QStringLiteral("prenotazioni"); }
    static QString OtherTag() { return QStringLiteral("contrattinsc"); }
    static const RecordLayout &Layout() { return BookingRecord; }
    static QString Archive() { return BookingArchive(kYear); }
    static QString Line(const Record &r) { return BookingListLine(r); }
    static QString ReportTitle() { return QStringLiteral("Riepilogo prenotazioni veicoli"); }
    static std::vector<Record> Records() { return Bookings(); }
    static std::vector<int> Sorted() { return {std::begin(kSorted), std::end(kSorted)}; }
    // Picked up in Rome in March: neither branch nor month shows in the line.
    static Criteria Narrowing() { return {{"txtSedeRit", U("roma")}, {"txtDataRit", U("03/2024")}}; }
    static std::vector<int> Narrowed() { return {1, 0, 3}; }
    static QString FindText() { return U("rossi"); }  // Carla, Mario, Luca
    static std::vector<int> FindRows() { return {1, 2, 5}; }
    static QString LoneFindText() { return U("verdi"); }
    static int LoneFindRow() { return 4; }
    // The first booking again, picked up in Turin (not in the line), with
    // another e-mail address.
    static Record Twin(Record r) {
        r.SetText("SedeRit", U("Torino"));
        r.SetText("Email", U("gemello@example.it"));
        return r;
    }
    static int TwinOf() { return 0; }
    static const char *ShownField() { return "Targa"; }
    static void ExpectCardShows(const Record &booking, const QString &number) {
        EXPECT_EQ(frmPrenotazioni->lblPosizione->text(), number);
        for (const auto &[field, control] : kCardControls)
            EXPECT_EQ(ControlTextOf(frmPrenotazioni, control), booking.Text(field)) << control;
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(TrovaPrenotazioni, FindSuite, BookingSearch);

class TrovaPrenotazioniTest : public FindTest<BookingSearch> {
protected:
    void SetUp() override {
        FindTest<BookingSearch>::SetUp();
        CardOnYear(kYear);
    }
};

TEST_F(TrovaPrenotazioniTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmTrovaPrenotazioni"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Trova prenotazioni veicoli in archivio"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(dlg->panContainer->isVisible());
    EXPECT_EQ(dlg->panAvvio->geometry(), dlg->panContainer->geometry());
    EXPECT_EQ(Focused(), dlg->txtDataRit);
    EXPECT_TRUE(dlg->effDataRit->isVisible());

    const Edit *edits[] = {dlg->txtDataRit, dlg->txtDataRic, dlg->txtVeicolo, dlg->txtMarca,   dlg->txtModello,
                           dlg->txtTarga,   dlg->txtCliente, dlg->txtCodFisc, dlg->txtSedeRit, dlg->txtSedeRic};
    const char *names[] = {"txtDataRit", "txtDataRic", "txtVeicolo", "txtMarca",   "txtModello",
                           "txtTarga",   "txtCliente", "txtCodFisc", "txtSedeRit", "txtSedeRic"};
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(edits[i], nullptr) << names[i];
        EXPECT_EQ(edits[i]->objectName(), QString::fromLatin1(names[i]));
        EXPECT_EQ(edits[i]->MaxLength(), 0);
    }
    QStringList texts;
    for (const QLabel *label : dlg->findChildren<QLabel *>())
        if (label->isVisibleTo(dlg.get())) texts.append(label->text());
    for (const char *text :
         {"Data partenza (gg/mm/aaaa):", "Data rientro (gg/mm/aaaa):", "Tipo veicolo:", "Marca:", "Modello:",
          "Targa:", "Cognome e nome cliente:", "Codice fiscale:", "Sede partenza:", "Sede rientro:",
          "Immettere nei campi prescelti una o pi\xc3\xb9 parole consecutive presenti nelle schede da trovare e "
          "premere il pulsante Cerca.",
          "Lasciare in bianco tutti gli altri campi.",
          "Per ogni ricerca \xc3\xa8 possibile utilizzare uno o pi\xc3\xb9 campi contemporaneamente."})
        EXPECT_TRUE(texts.contains(U(text))) << text;
    EXPECT_EQ(dlg->btnCerca->text(), QStringLiteral("Cerca"));
    EXPECT_EQ(dlg->btnAnnulla->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->lblAttendere->text(), QStringLiteral("Ricerca schede in corso. Attendere..."));
    EXPECT_FALSE(dlg->lblAttendere->isVisible());
    EXPECT_EQ(dlg->lblConta->text(), QStringLiteral("0"));
}

TEST_F(TrovaPrenotazioniTest, FocusFramesAndEnterGoRoundTheCriteria) {
    auto dlg = Open();
    Edit *order[] = {dlg->txtDataRit, dlg->txtDataRic, dlg->txtVeicolo, dlg->txtMarca,   dlg->txtModello,
                     dlg->txtTarga,   dlg->txtCliente, dlg->txtCodFisc, dlg->txtSedeRit, dlg->txtSedeRic};
    FocusFrame *frames[] = {dlg->effDataRit, dlg->effDataRic, dlg->effVeicolo, dlg->effMarca,   dlg->effModello,
                            dlg->effTarga,   dlg->effCliente, dlg->effCodFisc, dlg->effSedeRit, dlg->effSedeRic};
    Type(dlg->txtDataRit, QStringLiteral("03/2024"));
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(Focused(), order[i]) << i;
        for (int j = 0; j < 10; ++j) EXPECT_EQ(frames[j]->isVisible(), j == i) << i << " " << j;
        Press(order[i], Qt::Key_Return);
    }
    EXPECT_EQ(Focused(), dlg->txtDataRit);
    // Enter never searched: the archive was not even opened.
    EXPECT_TRUE(dlg->panAvvio->isVisible());
    EXPECT_FALSE(folder.Exists(BookingArchive(kYear)));
}

// The criteria are matched as typed: blanks and all, only A-Z without case.
TEST_F(TrovaPrenotazioniTest, CriteriaAreMatchedAsTyped) {
    const std::vector<Record> bookings = Bookings();
    WriteBookings(kYear, bookings);
    const struct {
        const char *label;
        Criteria criteria;
        std::vector<int> listed;  // in list order
        const char *filled;
    } cases[] = {
        {"a month and year pick-up", {{"txtDataRit", U("03/2024")}}, {1, 0, 3}, "1"},
        {"a surname in capitals finds it with a capital initial", {{"txtCliente", U("ROSSI")}}, {4, 0, 3}, "1"},
        {"a make with a trailing blank does not find the make alone", {{"txtMarca", U("Fiat ")}}, {}, "1"},
        {"a make and model with the blank inside", {{"txtMarca", U("alfa ")}}, {1}, "1"},
        {"an accented capital is not an accented small letter", {{"txtMarca", U("CITRO\xc3\x8bN")}}, {}, "1"},
        {"the accented letter as stored", {{"txtMarca", U("citro\xc3\xabn")}}, {4}, "1"},
        {"blanks beside a criterion no booking meets let nobody in",
         {{"txtTarga", U("XX000")}, {"txtCliente", U("   ")}},
         {},
         "1"},
        {"the return date as stored, short or not", {{"txtDataRic", U("6/3/")}}, {3}, "1"},
        {"every criterion reaches its own field",
         {{"txtDataRit", U("02/03")},
          {"txtDataRic", U("6/3/2024")},
          {"txtVeicolo", U("furg")},
          {"txtMarca", U("lanc")},
          {"txtModello", U("ypsi")},
          {"txtTarga", U("gh4")},
          {"txtCliente", U("luca")},
          {"txtCodFisc", U("rssmra")},
          {"txtSedeRit", U("roma")},
          {"txtSedeRic", U("milano")}},
         {3},
         "10"},
        {"the return branch", {{"txtSedeRic", U("tori")}}, {2}, "1"},
        {"the tax code", {{"txtCodFisc", U("bncgvn")}}, {1}, "1"},
        {"the last day of the year", {{"txtDataRit", U("31/12")}}, {5}, "1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        auto dlg = Search(c.criteria);
        EXPECT_EQ(LinesOf(dlg->lstRecords), Lines(bookings, c.listed));
        EXPECT_EQ(dlg->lblConta->text(), QString::fromLatin1(c.filled));
        EXPECT_EQ(dlg->lblTrovate->text(),
                  QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(c.listed.size()));
    }
}

// A criterion meets the field as stored: a customer's name cut at the
// field's 50 characters just after a blank keeps that blank, which a
// criterion ending in a blank finds; a name that ends where it was typed
// has no blank after it.
TEST_F(TrovaPrenotazioniTest, AFieldCutJustAfterABlankKeepsItForTheCriteria) {
    std::vector<Record> bookings = Bookings();
    bookings[0].SetText("Cliente", QString(45, u'.') + QStringLiteral("Zeta Mario"));
    bookings[1].SetText("Cliente", QStringLiteral("Zeta"));
    ASSERT_EQ(bookings[0].Text("Cliente"), QString(45, u'.') + QStringLiteral("Zeta"));
    WriteBookings(kYear, bookings);
    const struct {
        const char *typed;
        std::vector<int> listed;  // in list order
    } cases[] = {
        {"zeta ", {0}},
        {".ZETA ", {0}},
        {"zeta", {1, 0}},
        {"zeta m", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        auto dlg = Search({{"txtCliente", U(c.typed)}});
        EXPECT_EQ(LinesOf(dlg->lstRecords), Lines(bookings, c.listed));
    }
}

// Make and model as one column of 26, the plate 12, the customer 25, the
// telephone 15, the pick-up date 10 and both times 5; the return date as it
// stands.
TEST_F(TrovaPrenotazioniTest, TheLineOfABooking) {
    const std::vector<Record> bookings = Bookings();
    const struct {
        int booking;
        const char *line;
    } cases[] = {
        {0, "Fiat Panda                  Targa: AB123CD       Rossi Mario              "
            "  Tel. 06 1234567       Da: 04/03/2024  Ore: 09:30  A: 06/03/2024  Ore: 18:00"},
        {1, "Alfa Romeo Giulietta Sprin  Targa: ABCDEFGHIJKL  Bianchi Giovanni Battista"
            "  Tel. 0039 06 1234567  Da: 15/03/2024  Ore: 09:30  A: 16/03/2024  Ore: 18:00"},
        {3, "Lancia Ypsilon              Targa: GH444DD       Rossi Luca               "
            "  Tel. 06 1234567       Da: 02/03/2024  Ore: 09:30  A: 6/3/2024  Ore: 18:00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.booking);
        EXPECT_EQ(BookingListLine(bookings[size_t(c.booking)]), U(c.line));
    }
    EXPECT_EQ(BookingListLine(bookings[0]).size(), 151);
    EXPECT_EQ(BookingListLine(bookings[3]).size(), 149);
    // An empty booking keeps its padded columns and the two texts of the
    // return side.
    EXPECT_EQ(BookingListLine(Record(BookingRecord)),
              QString(26, u' ') + QStringLiteral("  Targa: ") + QString(12, u' ') + QStringLiteral("  ") +
                  QString(25, u' ') + QStringLiteral("  Tel. ") + QString(15, u' ') + QStringLiteral("  Da: ") +
                  QString(10, u' ') + QStringLiteral("  Ore: ") + QString(5, u' ') + QStringLiteral("  A: ") +
                  QStringLiteral("  Ore: ") + QString(5, u' '));
    // The search lists exactly these lines.
    WriteBookings(kYear, bookings);
    auto dlg = Search({{"txtTarga", U("GH4")}});
    EXPECT_EQ(LinesOf(dlg->lstRecords), QStringList{U(cases[2].line)});
}

// The search reads the archive the card names, whatever the year.
TEST_F(TrovaPrenotazioniTest, SearchReadsTheArchiveOfTheYearOnTheCard) {
    WriteBookings(kYear, Bookings());
    WriteBookings(2025, {CompleteBooking(2025, {{"Cliente", U("Gialli Ugo")}})});
    CardOnYear(2025);
    frmPrenotazioni->lblFile->setText(QStringLiteral("  ") + ProgramPath(BookingArchive(2025)) + QStringLiteral(" "));
    auto dlg = Search({});
    ASSERT_EQ(dlg->lstRecords->count(), 1);
    EXPECT_TRUE(dlg->lstRecords->Line(0).contains(U("Gialli Ugo")));
}

TEST_F(TrovaPrenotazioniTest, StampaPrintsTheListWithItsTitle) {
    const std::vector<Record> bookings = Bookings();
    WriteBookings(kYear, bookings);
    auto dlg = Search({{"txtCliente", U("rossi")}});
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintJob &job = printer.printed[0];
    EXPECT_EQ(job.title, QStringLiteral("Riepilogo prenotazioni veicoli"));
    ASSERT_EQ(job.pages.size(), 1);
    EXPECT_EQ(StringsOf(job.pages[0]), QStringList{QStringLiteral("Riepilogo prenotazioni veicoli")} +
                                           Lines(bookings, {4, 0, 3}) +
                                           QStringList{QStringLiteral("Stampa eseguita in data 14/03/2026")});
}

// The pick replaces the whole card: the 28 controls, the year and the date
// and time labels included, and the number; what was typed is dropped.
TEST_F(TrovaPrenotazioniTest, PickLoadsTheWholeBookingWithItsNumber) {
    std::vector<Record> bookings = Bookings();
    // Stored in another year's archive by hand: the pick shows what is stored.
    bookings[2].SetText("AnnoRit", QStringLiteral("2023"));
    bookings[2].SetText("AnnoRic", QStringLiteral("2023"));
    WriteBookings(kYear, bookings);
    for (const auto &[field, control] : kCardControls) SetControlTextOf(frmPrenotazioni, control, U("prima"));
    frmPrenotazioni->lblPosizione->clear();
    auto dlg = Search({{"txtCliente", U("verdi")}});
    ASSERT_EQ(dlg->lstRecords->count(), 1);
    DoubleClickLine(dlg->lstRecords, 0);
    EXPECT_FALSE(dlg->isVisible());
    BookingSearch::ExpectCardShows(bookings[2], QStringLiteral("3"));
    EXPECT_EQ(frmPrenotazioni->lblAnnoRit->text(), QStringLiteral("2023"));
    EXPECT_EQ(frmPrenotazioni->lblDataRit->text(), QStringLiteral("10/04/2024"));
    EXPECT_EQ(frmPrenotazioni->lblOraRic->text(), QStringLiteral("18:00"));
    EXPECT_TRUE(messages.Shown().empty());

    // The listings now take that year: the picked booking alone is listed.
    TfrmRiepAnnualePren listing(frmPrenotazioni);
    listing.Create();
    ShowActive(&listing);
    ASSERT_EQ(listing.grdRecords->rowCount(), 1);
    EXPECT_EQ(listing.grdRecords->Text(0, 11), bookings[2].Text("Cliente"));
    EXPECT_EQ(listing.grdRecords->Text(0, 0), QStringLiteral("1"));
}

// The card's own "Trova" opens the search with its tag; the pick lands on it.
TEST_F(TrovaPrenotazioniTest, TheCardsTrovaOpensTheSearchAndTakesThePick) {
    const std::vector<Record> bookings = Bookings();
    WriteBookings(kYear, bookings);
    frmPrenotazioni->Show();
    ShowActive(frmPrenotazioni);
    bool seen = false;
    modals.Expect<TfrmTrovaPrenotazioni>([&](TfrmTrovaPrenotazioni &d) {
        seen = true;
        EXPECT_EQ(d.lblMemory->text(), QStringLiteral("prenotazioni"));
        ShowActive(&d);
        Type(d.txtTarga, U("zz9"));
        Click(d.btnCerca);
        ASSERT_EQ(d.lstRecords->count(), 1);
        DoubleClickLine(d.lstRecords, 0);
        EXPECT_FALSE(d.isVisible());
    });
    frmPrenotazioni->cmdTrovaClick();
    EXPECT_TRUE(seen);
    BookingSearch::ExpectCardShows(bookings[5], QStringLiteral("6"));
}

}  // namespace
}  // namespace vel::test
