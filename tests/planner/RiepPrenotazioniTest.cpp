// The booking summary: the booked days of the planner on screen, in calendar
// order, found with "Trova" and printed with "Stampa".
#include <memory>

#include "PlannerFixture.h"
#include "cards/ListReport.h"
#include "cards/ResultList.h"
#include "planner/RiepPrenotazioni.h"

namespace vel::test {
namespace {

class RiepPrenotazioniTest : public PlannerTest {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        OpenPlannerOf(Car(QStringLiteral("Camper"), QStringLiteral("Laika"), QStringLiteral("Kreos"),
                          QStringLiteral("CK300CC")),
                      QStringLiteral("2026"));
    }
    // The summary as the planner's command opens it: owned by the planner,
    // created (which builds its list) and shown.
    std::unique_ptr<TfrmRiepPrenotazioni> Open() {
        auto dlg = std::make_unique<TfrmRiepPrenotazioni>(frmPlanning);
        dlg->Create();
        ShowActive(dlg.get());
        return dlg;
    }
    static QStringList Lines(const TfrmRiepPrenotazioni &dlg) { return ResultLines(dlg.lstRecords); }
};

TEST_F(RiepPrenotazioniTest, WindowLooksAsDesigned) {
    auto dlg = Open();
    EXPECT_EQ(dlg->objectName(), QStringLiteral("frmRiepPrenotazioni"));
    EXPECT_EQ(dlg->Caption(), QStringLiteral(" Riepilogo prenotazioni veicolo"));
    EXPECT_EQ(dlg->size(), QSize(862, 560));
    const struct {
        QWidget *control;
        QRect geometry;
    } places[] = {
        {dlg->imgLogo, {8, 8, 817, 53}},       {dlg->icoIstruzioni01, {8, 66, 645, 31}},
        {dlg->imgLente, {16, 112, 64, 41}},    {dlg->txtTrova, {112, 122, 593, 22}},
        {dlg->btnTrova, {710, 117, 105, 30}},  {dlg->lstRecords, {16, 176, 801, 297}},
        {dlg->btnChiudi, {8, 488, 150, 30}},   {dlg->btnStampa, {675, 488, 150, 30}},
    };
    for (const auto &p : places) EXPECT_EQ(p.control->geometry(), p.geometry) << p.control->objectName().toStdString();
    EXPECT_EQ(dlg->btnTrova->text(), QStringLiteral("Trova"));
    EXPECT_EQ(dlg->btnChiudi->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(dlg->btnStampa->text(), QStringLiteral("Stampa"));
    EXPECT_EQ(Focused(), dlg->txtTrova);
    EXPECT_EQ(dlg->txtTrova->nextInFocusChain(), dlg->btnTrova);
}

TEST_F(RiepPrenotazioniTest, TheLineIsTheDayPaddedToFifteenThenTheText) {
    const struct {
        int month, day;
        const char *text;
        const char *line;
    } cases[] = {
        {3, 5, "Rossi", "05 marzo       Rossi"},
        {1, 1, " Verdi ", "01 gennaio     Verdi"},
        {2, 29, "Neri", "29 febbraio    Neri"},
        {9, 1, "Bianchi 333 1234567", "01 settembre   Bianchi 333 1234567"},
        {12, 31, "", "31 dicembre    "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BookedDayLine(c.month, c.day, QString::fromLatin1(c.text)), QString::fromLatin1(c.line)) << c.line;
}

TEST_F(RiepPrenotazioniTest, ListsTheBookedDaysInCalendarOrder) {
    SetDay(12, 1, QStringLiteral("Bruni"));
    SetDay(1, 2, QStringLiteral("  Rossi  "));
    SetDay(2, 29, QStringLiteral("Neri"));  // listed in a common year too
    SetDay(3, 1, QStringLiteral("Neri"));
    SetDay(5, 20, QStringLiteral("   "));   // blanks only: not a booking
    SetDay(10, 10, QString(50, u'x'));
    // Only the text decides: a text whose markers were not switched is listed.
    frmPlanning->Cell(7, 7).mem->setText(QStringLiteral("Senza marcatore"));
    auto dlg = Open();
    EXPECT_EQ(Lines(*dlg), (QStringList{
                               QStringLiteral("02 gennaio     Rossi"),
                               QStringLiteral("29 febbraio    Neri"),
                               QStringLiteral("01 marzo       Neri"),
                               QStringLiteral("07 luglio      Senza marcatore"),
                               QStringLiteral("10 ottobre     ") + QString(50, u'x'),
                               QStringLiteral("01 dicembre    Bruni"),
                           }));
    ExpectResultListLook(dlg->lstRecords, 760);
    // The summary changes nothing in the planner.
    EXPECT_EQ(Day(5, 20), (DayState{QStringLiteral("   "), true, false}));
    EXPECT_EQ(Day(1, 2), BookedDay(QStringLiteral("  Rossi  ")));
}

TEST_F(RiepPrenotazioniTest, AWholeYearGivesAllItsDays) {
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= kMonths[m - 1].days; ++d) SetDay(m, d, QStringLiteral("Cliente"));
    auto dlg = Open();
    const QStringList lines = Lines(*dlg);
    ASSERT_EQ(lines.size(), 366);
    EXPECT_EQ(lines.first(), QStringLiteral("01 gennaio     Cliente"));
    EXPECT_EQ(lines.at(59), QStringLiteral("29 febbraio    Cliente"));
    EXPECT_EQ(lines.last(), QStringLiteral("31 dicembre    Cliente"));
}

TEST_F(RiepPrenotazioniTest, TrovaFindsTheNextLineAndRemembersItsTextForEverySummary) {
    SetDay(1, 10, QStringLiteral("Rossi Mario"));
    SetDay(2, 3, QStringLiteral("Verdi"));
    SetDay(4, 4, QStringLiteral("ROSSI Anna"));
    {
        auto dlg = Open();
        LastFindText(dlg.get()).clear();  // as at the start of the run
        Type(dlg->txtTrova, QStringLiteral("rossi"));
        Click(dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), 0);
        Click(dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), 2);
        // Enter moves on to "Trova" and finds nothing by itself.
        dlg->txtTrova->setFocus();
        Press(dlg->txtTrova, Qt::Key_Return);
        EXPECT_EQ(Focused(), dlg->btnTrova);
        EXPECT_EQ(dlg->lstRecords->currentRow(), 2);
        Click(dlg->btnChiudi);
        EXPECT_EQ(dlg->lstRecords->count(), 0);  // closing empties the list
        EXPECT_FALSE(dlg->isVisible());
    }
    // A new summary searched for the same text goes on after its first line:
    // the text is never forgotten.
    auto dlg = Open();
    Type(dlg->txtTrova, QStringLiteral("rossi"));
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 2);
    Click(dlg->btnTrova);
    EXPECT_EQ(dlg->lstRecords->currentRow(), 0);
}

TEST_F(RiepPrenotazioniTest, APlannerWithoutBookingsGivesAnEmptyList) {
    auto dlg = Open();
    ASSERT_EQ(dlg->lstRecords->count(), 0);
    messages.Expect(MsgKind::Plain, EmptyListNotice());
    Click(dlg->btnTrova);
    messages.Verify();
    // The print still has its title and footer, over an empty body.
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].title, QStringLiteral("Riepilogo prenotazioni veicolo Laika Kreos anno 2026"));
    EXPECT_EQ(printer.printed[0].pages.size(), 1);
}

TEST_F(RiepPrenotazioniTest, StampaPrintsTheListUnderTheVehicleAndYear) {
    SetDay(6, 2, QStringLiteral("Repubblica"));
    SetDay(1, 6, QStringLiteral("Befana"));
    auto dlg = Open();
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    const PrintJob expected = PrepareListReport(QStringLiteral("Riepilogo prenotazioni veicolo Laika Kreos anno 2026"),
                                                Lines(*dlg));
    EXPECT_EQ(printer.printed[0].title, expected.title);
    EXPECT_EQ(printer.printed[0].pages.size(), expected.pages.size());
    EXPECT_TRUE(printer.previewed.empty());
}

TEST_F(RiepPrenotazioniTest, WithoutMakeAndModelThreeBlanksStandBeforeTheYear) {
    frmPlanning->txtMarca->clear();
    frmPlanning->txtModello->clear();
    auto dlg = Open();
    Click(dlg->btnStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].title, QStringLiteral("Riepilogo prenotazioni veicolo   anno 2026"));
}

}  // namespace
}  // namespace vel::test
