#include <QHeaderView>
#include <algorithm>
#include <memory>
#include <vector>

#include "BookingFixture.h"
#include "bookings/Prenotazioni.h"
#include "bookings/RiepAnnualePren.h"
#include "bookings/RiepGiornalieroPren.h"
#include "bookings/RiepMensilePren.h"
#include "common/ListLines.h"
#include "common/ProgramFolder.h"
#include "dialogs/Guida.h"
#include "support/ExportSuite.h"

namespace vel::test {
namespace {

constexpr int kYear = 2024;  // a leap year
const QString kXls = QStringLiteral("Prenotazioni_Veicoli.xls");
const QString kNone = QStringLiteral("Nessuna prenotazione trovata.");

const ExpectedHeader kHeaders[] = {
    {"Data partenza", 150}, {"Ora partenza", 150},      {"Sede partenza", 250}, {"Tipo veicolo", 250},
    {"Marca", 250},         {"Modello", 250},           {"Colore", 250},        {"Alimentazione", 250},
    {"Targa", 200},         {"Posti", 200},             {"Cliente", 250},       {"Codice fiscale", 200},
    {"Tel. preferenziale", 200}, {"Tel. cellulare", 200}, {"E-mail", 250},       {"Data rientro", 150},
    {"Ora rientro", 150},   {"Sede rientro", 250},      {"Codice Univoco", 150},
};
const int kScreenWidths[] = {150, 150, 250, 250, 250, 250, 200, 200, 200, 150,
                             250, 180, 250, 150, 250, 150, 150, 250, 150};
const int kEditable[] = {3, 10, 11, 17, 18, 19};

// A booking of kYear picked up on the given day, month and time, returned
// the same day, for the customer `who`.
Record PickedUp(const char *day, const char *month, const char *hour, const char *minutes, const QString &who,
                int year = kYear) {
    return CompleteBooking(year, {{"GiornoRit", U(day)},
                                  {"MeseRit", U(month)},
                                  {"OreRit", U(hour)},
                                  {"MinutiRit", U(minutes)},
                                  {"GiornoRic", U(day)},
                                  {"MeseRic", U(month)},
                                  {"Cliente", who}});
}

// The booking card as "Apri" of the year leaves it.
void CardOnYear(int year) {
    frmPrenotazioni->lblFile->setText(ProgramPath(BookingArchive(year)));
    frmPrenotazioni->lblAnnoRit->setText(QString::number(year));
}

class ListingTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        CardOnYear(kYear);
    }
    void TearDown() override {
        yearly.reset();
        monthly.reset();
        daily.reset();
        ProgramTest::TearDown();
    }
    TfrmRiepAnnualePren &OpenYearly() {
        yearly = std::make_unique<TfrmRiepAnnualePren>(frmPrenotazioni);
        yearly->Create();
        ShowActive(yearly.get());
        return *yearly;
    }
    TfrmRiepMensilePren &OpenMonthly() {
        monthly = std::make_unique<TfrmRiepMensilePren>(frmPrenotazioni);
        monthly->Create();
        monthly->lblAnno->setText(QString::number(kYear));
        ShowActive(monthly.get());
        return *monthly;
    }
    TfrmRiepGiornalieroPren &OpenDaily() {
        daily = std::make_unique<TfrmRiepGiornalieroPren>(frmPrenotazioni);
        daily->Create();
        daily->lblAnno->setText(QString::number(kYear));
        ShowActive(daily.get());
        return *daily;
    }
    // The monthly listing of the month at `index` of its list.
    TfrmRiepMensilePren &ListMonth(int index) {
        TfrmRiepMensilePren &d = OpenMonthly();
        d.cboSelezione->setCurrentIndex(index);
        Click(d.btnVisualizza);
        return d;
    }
    TfrmRiepGiornalieroPren &ListDay(int day, int month) {
        TfrmRiepGiornalieroPren &d = OpenDaily();
        d.cboGiorno->setCurrentIndex(day - 1);
        d.cboSelezione->setCurrentIndex(month - 1);
        Click(d.btnVisualizza);
        return d;
    }
    // The texts of one column, from the top.
    static QStringList Column(const ExportGrid *grid, int column) {
        QStringList texts;
        for (int r = 0; r < grid->rowCount(); ++r) texts.append(grid->Text(r, column));
        return texts;
    }
    static QStringList Customers(const ExportGrid *grid) { return Column(grid, 11); }
    void Export(ExportDialog &d) {
        messages.Expect(MsgKind::Confirmation, kExportAsk, MsgButton::Yes);
        messages.Expect(MsgKind::Confirmation, kExportDone, MsgButton::No);
        Click(d.cmdEsporta);
        messages.Verify();
    }

    FakeShell shell;
    std::unique_ptr<TfrmRiepAnnualePren> yearly;
    std::unique_ptr<TfrmRiepMensilePren> monthly;
    std::unique_ptr<TfrmRiepGiornalieroPren> daily;
};

// ---- the sort ------------------------------------------------------------------

// The quicksort's own order, ties included: equal texts do not keep their
// former order, and a-z count as A-Z.
TEST(ListingSortOrder, FollowsTheQuicksortStepByStep) {
    const struct {
        std::vector<QString> texts;
        std::vector<int> order;
    } cases[] = {
        {{}, {}},
        {{U("a")}, {0}},
        {{U("b"), U("a"), U("b"), U("a"), U("b")}, {3, 1, 4, 0, 2}},
        {{U("x"), U("x"), U("x"), U("x")}, {2, 3, 0, 1}},
        {{U("a"), U("a"), U("a"), U("a"), U("a"), U("a"), U("a")}, {4, 5, 6, 3, 0, 1, 2}},
        {{U("03041200"), U("01010900"), U("03041200"), U("02280000"), U("03041200"), U("01010900")},
         {1, 5, 3, 4, 0, 2}},
        {{U("c"), U("B"), U("a")}, {2, 1, 0}},
        {{U(""), U("10"), U("1"), U("0")}, {0, 3, 2, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QStringList(c.texts.begin(), c.texts.end()).join(u',').toStdString());
        EXPECT_EQ(ListingSortOrder(c.texts), c.order);
    }
}

// Many equal and sorted keys neither take long nor go deep.
TEST(ListingSortOrder, LargeInputsAreSorted) {
    for (const int kinds : {1, 2, 100, 100000}) {
        SCOPED_TRACE(kinds);
        std::vector<QString> texts;
        for (int i = 0; i < 100000; ++i) texts.push_back(QString::number(100000 + (i * 7919) % kinds));
        const std::vector<int> order = ListingSortOrder(texts);
        ASSERT_EQ(order.size(), texts.size());
        std::vector<int> seen(order);
        std::sort(seen.begin(), seen.end());
        for (int i = 0; i < int(seen.size()); ++i) ASSERT_EQ(seen[size_t(i)], i);
        for (size_t i = 1; i < order.size(); ++i)
            ASSERT_LE(CompareListLines(texts[size_t(order[i - 1])], texts[size_t(order[i])]), 0) << i;
    }
}

// ---- the yearly listing -------------------------------------------------------------

TEST_F(ListingTest, YearlyListingLooksAsDesigned) {
    TfrmRiepAnnualePren &d = OpenYearly();
    EXPECT_EQ(d.objectName(), QStringLiteral("frmRiepAnnualePren"));
    EXPECT_EQ(d.Caption(), QStringLiteral(" Riepilogo annuale prenotazioni veicoli"));
    EXPECT_EQ(d.size(), QSize(862, 560));
    EXPECT_TRUE(d.panContainer->isVisible());
    EXPECT_EQ(d.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    ExportGrid *grid = d.grdRecords;
    ASSERT_EQ(grid->columnCount(), 20);
    EXPECT_EQ(grid->Caption(0), QStringLiteral("N."));
    EXPECT_EQ(grid->columnWidth(0), 60);
    EXPECT_TRUE(grid->alternatingRowColors());
    for (int k = 1; k <= 19; ++k) {
        SCOPED_TRACE(kHeaders[k - 1].caption);
        EXPECT_EQ(grid->Caption(k), U(kHeaders[k - 1].caption));
        EXPECT_EQ(grid->columnWidth(k), kScreenWidths[k - 1]);
        const bool editable = std::find(std::begin(kEditable), std::end(kEditable), k) != std::end(kEditable);
        EXPECT_EQ(grid->IsEditable(0, k), editable);
    }
    EXPECT_FALSE(grid->IsEditable(0, 0));
}

// Entered out of order, listed by pick-up month, day, hour and minute; "N."
// keeps the archive order of the bookings listed; other years are left out.
TEST_F(ListingTest, YearlyListingSortsByPickUpAndKeepsTheNumbers) {
    WriteBookings(kYear, {
                             PickedUp("15", "Marzo", "10", "00", U("Marzo15")),
                             PickedUp("01", "Gennaio", "08", "05", U("Gennaio01")),
                         });
    WriteBookings(2023, {});
    // A booking of another year in this archive (written by hand) is not listed.
    WriteArchive(BookingArchive(kYear), BookingRecord, {PickedUp("02", "Gennaio", "08", "00", U("Altro"), 2023)});
    WriteBookings(kYear, {
                             PickedUp("29", "Febbraio", "23", "59", U("Febbraio29")),
                             PickedUp("15", "Marzo", "09", "59", U("Marzo15presto")),
                             PickedUp("31", "Dicembre", "00", "00", U("Dicembre31")),
                         });
    TfrmRiepAnnualePren &d = OpenYearly();
    ExportGrid *grid = d.grdRecords;
    ASSERT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(Customers(grid),
              (QStringList{U("Gennaio01"), U("Febbraio29"), U("Marzo15presto"), U("Marzo15"), U("Dicembre31")}));
    EXPECT_EQ(Column(grid, 0), (QStringList{U("2"), U("3"), U("4"), U("1"), U("5")}));
    EXPECT_EQ(Column(grid, 19),
              (QStringList{U("01010805"), U("02292359"), U("03150959"), U("03151000"), U("12310000")}));
    EXPECT_EQ(Column(grid, 1),
              (QStringList{U("01/01/2024"), U("29/02/2024"), U("15/03/2024"), U("15/03/2024"), U("31/12/2024")}));
    EXPECT_EQ(Column(grid, 2), (QStringList{U("08:05"), U("23:59"), U("09:59"), U("10:00"), U("00:00")}));
    EXPECT_TRUE(messages.Shown().empty());
}

// Bookings picked up in the same minute share their key; they come out in
// the quicksort's order, not in the archive's.
TEST_F(ListingTest, EqualKeysComeOutInTheQuicksortsOrder) {
    WriteBookings(kYear, {
                             PickedUp("04", "Marzo", "12", "00", U("C1")),
                             PickedUp("01", "Gennaio", "09", "00", U("C2")),
                             PickedUp("04", "Marzo", "12", "00", U("C3")),
                             PickedUp("28", "Febbraio", "00", "00", U("C4")),
                             PickedUp("04", "Marzo", "12", "00", U("C5")),
                             PickedUp("01", "Gennaio", "09", "00", U("C6")),
                         });
    TfrmRiepAnnualePren &d = OpenYearly();
    EXPECT_EQ(Customers(d.grdRecords), (QStringList{U("C2"), U("C6"), U("C4"), U("C5"), U("C1"), U("C3")}));
    EXPECT_EQ(Column(d.grdRecords, 0), (QStringList{U("2"), U("6"), U("4"), U("5"), U("1"), U("3")}));
}

// A booking on every day of the leap year, entered in a scrambled order,
// comes out day after day.
TEST_F(ListingTest, AFullYearComesOutInCalendarOrder) {
    const char *months[] = {"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                            "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    std::vector<QDate> days;
    for (QDate day(kYear, 1, 1); day.year() == kYear; day = day.addDays(1)) days.push_back(day);
    ASSERT_EQ(days.size(), 366u);
    std::vector<Record> bookings;
    for (size_t i = 0; i < days.size(); ++i) {
        const QDate day = days[(i * 149) % days.size()];
        const QByteArray dd = QByteArray::number(day.day()).rightJustified(2, '0');
        bookings.push_back(PickedUp(dd.constData(), months[day.month() - 1], "10", "30", day.toString(u"dd/MM")));
    }
    WriteBookings(kYear, bookings);
    TfrmRiepAnnualePren &d = OpenYearly();
    ASSERT_EQ(d.grdRecords->rowCount(), 366);
    for (int r = 0; r < 366; ++r) {
        ASSERT_EQ(d.grdRecords->Text(r, 1), days[size_t(r)].toString(u"dd/MM/yyyy")) << r;
        ASSERT_EQ(d.grdRecords->Text(r, 0).toInt(), int(std::find_if(bookings.begin(), bookings.end(), [&](const Record &b) {
                                                        return b.Text("DataRit") == d.grdRecords->Text(r, 1);
                                                    }) - bookings.begin()) + 1);
    }
}

// An empty archive: ten empty rows, no message, and an export of ten rows
// of 19 empty cells; a missing one is created empty.
TEST_F(ListingTest, YearlyListingOfAnEmptyArchive) {
    TfrmRiepAnnualePren &d = OpenYearly();
    EXPECT_TRUE(folder.Exists(BookingArchive(kYear)));
    ASSERT_EQ(d.grdRecords->rowCount(), 10);
    for (int r = 0; r < 10; ++r) EXPECT_EQ(d.ExportedCells(r).join(QString()), QString());
    EXPECT_TRUE(messages.Shown().empty());
    Export(d);
    EXPECT_EQ(folder.Read(kXls), ExpectedSpreadsheet("Prenotazioni Veicoli", kHeaders, std::vector<QStringList>(10)));
}

// The export writes cells 1 to 19 in the order shown, never "N."; the
// editable cells as edited.
TEST_F(ListingTest, ExportWritesTheSortedGridWithItsKey) {
    WriteBookings(kYear, {PickedUp("10", "Marzo", "18", "00", U("Secondo")),
                          PickedUp("09", "Marzo", "08", "15", U("Primo & C."))});
    TfrmRiepAnnualePren &d = OpenYearly();
    ExportGrid *grid = d.grdRecords;
    grid->model()->setData(grid->model()->index(1, 19), U("chiave"));
    grid->model()->setData(grid->model()->index(0, 10), U("7"));
    Export(d);
    QStringList first = {U("09/03/2024"), U("08:15"), U("Roma"), U("Autovettura"), U("Fiat"), U("Panda"),
                         U("Bianco"), U("Benzina"), U("AB123CD"), U("7"), U("Primo &amp; C."),
                         U("RSSMRA80A01H501U"), U("06 1234567"), U("333 1234567"), U("mario.rossi@example.it"),
                         U("09/03/2024"), U("18:00"), U("Milano"), U("03090815")};
    QStringList second = first;
    second[0] = second[15] = U("10/03/2024");
    second[1] = U("18:00");
    second[9] = U("5");
    second[10] = U("Secondo");
    second[18] = U("chiave");
    EXPECT_EQ(folder.Read(kXls), ExpectedSpreadsheet("Prenotazioni Veicoli", kHeaders, {first, second}));
    EXPECT_TRUE(shell.opened.isEmpty());
}

// A booking of a year the card did not open is left out by all three.
TEST_F(ListingTest, TheYearIsTheCards) {
    WriteBookings(kYear, {PickedUp("05", "Maggio", "10", "00", U("Maggio"))});
    frmPrenotazioni->lblAnnoRit->setText(QStringLiteral(" 2023 "));
    EXPECT_EQ(OpenYearly().grdRecords->rowCount(), 0);
    EXPECT_EQ(ListMonth(4).grdRecords->rowCount(), 0);
    EXPECT_EQ(ListDay(5, 5).grdRecords->rowCount(), 0);
    frmPrenotazioni->lblAnnoRit->setText(QStringLiteral("2024"));
    EXPECT_EQ(OpenYearly().grdRecords->rowCount(), 1);
    EXPECT_EQ(ListMonth(4).grdRecords->rowCount(), 1);
    EXPECT_EQ(ListDay(5, 5).grdRecords->rowCount(), 1);
    EXPECT_TRUE(messages.Shown().empty());
}

// ---- the monthly and daily listings ----------------------------------------------------

TEST_F(ListingTest, SelectionPanelsLookAsDesigned) {
    QStringList months;
    for (const char *m : {"GENNAIO", "FEBBRAIO", "MARZO", "APRILE", "MAGGIO", "GIUGNO", "LUGLIO", "AGOSTO",
                          "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE"})
        months.append(U(m));
    const auto items = [](const QComboBox *combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i) texts.append(combo->itemText(i));
        return texts;
    };
    {
        TfrmRiepMensilePren &d = OpenMonthly();
        EXPECT_EQ(d.objectName(), QStringLiteral("frmRiepMensilePren"));
        EXPECT_EQ(d.Caption(), QStringLiteral(" Riepilogo mensile prenotazioni veicoli"));
        EXPECT_TRUE(d.panAnno->isVisible());
        EXPECT_EQ(d.panAnno->geometry(), d.panContainer->geometry());
        EXPECT_EQ(d.lblApri->text(), QStringLiteral("Selezionare un mese dell'anno e premere Visualizza."));
        EXPECT_EQ(d.btnVisualizza->text(), QStringLiteral("Visualizza"));
        EXPECT_EQ(d.lblAnno->text(), QStringLiteral("2024"));
        EXPECT_EQ(items(d.cboSelezione), months);
        EXPECT_EQ(d.cboSelezione->currentText(), QStringLiteral("GENNAIO"));
        EXPECT_FALSE(d.cboSelezione->isEditable());
        EXPECT_EQ(d.findChild<QComboBox *>(QStringLiteral("cboGiorno")), nullptr);
        EXPECT_TRUE(d.icoGuida->isVisible());
        EXPECT_TRUE(d.icoEsci->isVisible());
        EXPECT_EQ(d.grdRecords->columnCount(), 20);
    }
    TfrmRiepGiornalieroPren &d = OpenDaily();
    EXPECT_EQ(d.objectName(), QStringLiteral("frmRiepGiornalieroPren"));
    EXPECT_EQ(d.Caption(), QStringLiteral(" Riepilogo giornaliero prenotazioni veicoli"));
    EXPECT_EQ(d.lblApri->text(), QStringLiteral("Selezionare un giorno e un mese dell'anno e premere Visualizza."));
    QStringList days;
    for (int n = 1; n <= 31; ++n) days.append(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(items(d.cboGiorno), days);
    EXPECT_EQ(items(d.cboSelezione), months);
    EXPECT_EQ(d.cboGiorno->currentText(), QStringLiteral("01"));
    EXPECT_EQ(d.cboSelezione->currentText(), QStringLiteral("GENNAIO"));
    EXPECT_FALSE(d.cboGiorno->isEditable());
}

// The month by the list's position, matched in any case of the stored month;
// the grid sorted and numbered as the yearly one; the panel gone for good.
TEST_F(ListingTest, MonthlyListingListsTheChosenMonth) {
    WriteBookings(kYear, {
                             PickedUp("20", "Marzo", "10", "00", U("Marzo20")),
                             PickedUp("05", "Aprile", "10", "00", U("Aprile05")),
                             PickedUp("03", "MARZO", "10", "00", U("MARZO03")),
                             PickedUp("12", " marzo", "10", "00", U("marzo12")),
                             PickedUp("01", "Marzo", "10", "00", U("Altro anno"), 2023),
                         });
    TfrmRiepMensilePren &d = ListMonth(2);
    EXPECT_FALSE(d.panAnno->isVisible());
    EXPECT_TRUE(d.panContainer->isVisible());
    EXPECT_EQ(Customers(d.grdRecords), (QStringList{U("MARZO03"), U("marzo12"), U("Marzo20")}));
    EXPECT_EQ(Column(d.grdRecords, 0), (QStringList{U("2"), U("3"), U("1")}));
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(ListingTest, DailyListingListsTheChosenDay) {
    WriteBookings(kYear, {
                             PickedUp("29", "Febbraio", "18", "00", U("Sera")),
                             PickedUp("28", "Febbraio", "10", "00", U("Vigilia")),
                             PickedUp("29", "febbraio", "07", "45", U("Mattina")),
                             PickedUp("29", "Marzo", "07", "45", U("Marzo")),
                         });
    TfrmRiepGiornalieroPren &d = ListDay(29, 2);
    EXPECT_FALSE(d.panAnno->isVisible());
    EXPECT_EQ(Customers(d.grdRecords), (QStringList{U("Mattina"), U("Sera")}));
    EXPECT_EQ(Column(d.grdRecords, 0), (QStringList{U("2"), U("1")}));
    EXPECT_EQ(Column(d.grdRecords, 19), (QStringList{U("02290745"), U("02291800")}));
}

// While the selection panel covers the grid, Tab and Shift+Tab go round the
// panel's own controls: the covered grid never takes the focus (nor the
// keys typed after it). Once the panel goes, the grid is the user's.
TEST_F(ListingTest, TabStaysOnTheSelectionPanelWhileItCoversTheGrid) {
    const auto goRound = [](PickupListing &d, int controls) {
        QWidget *first = Focused();
        ASSERT_NE(first, nullptr);
        for (const Qt::KeyboardModifiers mods : {Qt::NoModifier, Qt::ShiftModifier}) {
            for (int i = 0; i < 2 * controls; ++i) {
                Press(Focused(), Qt::Key_Tab, mods);
                QWidget *now = Focused();
                ASSERT_NE(now, nullptr);
                EXPECT_TRUE(d.panAnno->isAncestorOf(now)) << i << " " << now->objectName().toStdString();
                EXPECT_FALSE(d.grdRecords->isAncestorOf(now) || now == d.grdRecords) << i;
            }
            EXPECT_EQ(Focused(), first);
        }
        EXPECT_FALSE(d.grdRecords->isEnabled());
    };
    {
        TfrmRiepMensilePren &d = OpenMonthly();
        EXPECT_EQ(Focused(), d.cboSelezione);
        goRound(d, 2);
        // An empty archive keeps the panel and, with it, the grid out of reach.
        messages.Expect(MsgKind::Information, kNone);
        Click(d.btnVisualizza);
        messages.Verify();
        EXPECT_TRUE(d.panAnno->isVisible());
        EXPECT_FALSE(d.grdRecords->isEnabled());
        WriteBookings(kYear, {PickedUp("01", "Gennaio", "10", "00", U("Gennaio01"))});
        Click(d.btnVisualizza);
        EXPECT_FALSE(d.panAnno->isVisible());
        EXPECT_TRUE(d.grdRecords->isEnabled());
        EXPECT_EQ(d.grdRecords->rowCount(), 1);
    }
    monthly.reset();
    TfrmRiepGiornalieroPren &d = OpenDaily();
    EXPECT_EQ(Focused(), d.cboGiorno);
    goRound(d, 3);
    Click(d.btnVisualizza);
    EXPECT_FALSE(d.panAnno->isVisible());
    EXPECT_TRUE(d.grdRecords->isEnabled());
    EXPECT_EQ(d.grdRecords->rowCount(), 1);
}

// An archive with bookings, none of them on the chosen day or in the chosen
// month: an empty grid without rows and without a message, exported as its
// header alone. Day 31 of a month of 30 days and 30 February are such days.
TEST_F(ListingTest, NoBookingThatDayOrMonthGivesAnEmptyGrid) {
    WriteBookings(kYear, {PickedUp("30", "Novembre", "10", "00", U("Novembre30")),
                          PickedUp("29", "Febbraio", "10", "00", U("Febbraio29"))});
    const struct {
        const char *label;
        int day;  // 0: the monthly listing
        int month;
    } cases[] = {
        {"31 November", 31, 11}, {"30 February", 30, 2}, {"1 January", 1, 1}, {"June", 0, 6},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const size_t shown = messages.Shown().size();
        ExportDialog *d = c.day ? static_cast<ExportDialog *>(&ListDay(c.day, c.month))
                                : static_cast<ExportDialog *>(&ListMonth(c.month - 1));
        EXPECT_EQ(d->grdRecords->rowCount(), 0);
        EXPECT_FALSE(d->findChild<QWidget *>(QStringLiteral("panAnno"))->isVisible());
        EXPECT_EQ(messages.Shown().size(), shown);
        QFile::remove(folder.Path(kXls));
        Export(*d);
        EXPECT_EQ(folder.Read(kXls), ExpectedSpreadsheet("Prenotazioni Veicoli", kHeaders, {}));
    }
}

// An empty or missing archive: the notice, the panel stays and may be used
// again once the archive holds bookings.
TEST_F(ListingTest, AnEmptyArchiveSaysSoAndKeepsThePanel) {
    {
        messages.Expect(MsgKind::Information, kNone);
        TfrmRiepMensilePren &d = ListMonth(0);
        messages.Verify();
        EXPECT_TRUE(folder.Exists(BookingArchive(kYear)));
        EXPECT_TRUE(d.panAnno->isVisible());
        EXPECT_EQ(d.grdRecords->rowCount(), 10);
        WriteBookings(kYear, {PickedUp("07", "Gennaio", "10", "00", U("Gennaio07"))});
        Click(d.btnVisualizza);
        EXPECT_FALSE(d.panAnno->isVisible());
        EXPECT_EQ(Customers(d.grdRecords), QStringList{U("Gennaio07")});
    }
    QFile::remove(folder.Path(BookingArchive(kYear)));
    messages.Expect(MsgKind::Information, kNone);
    TfrmRiepGiornalieroPren &d = ListDay(7, 1);
    messages.Verify();
    EXPECT_TRUE(d.panAnno->isVisible());
    EXPECT_EQ(d.cboGiorno->currentText(), QStringLiteral("07"));
}

// A list emptied by Backspace has chosen nothing: nothing is listed, never a
// month or day outside the lists.
TEST_F(ListingTest, AListEmptiedByBackspaceListsNothing) {
    WriteBookings(kYear, {PickedUp("01", "Gennaio", "10", "00", U("Gennaio01")),
                          CompleteBooking(kYear, {{"GiornoRit", U("")}, {"MeseRit", U("")}, {"Cliente", U("Vuota")}})});
    {
        TfrmRiepMensilePren &d = OpenMonthly();
        d.cboSelezione->setFocus();
        Press(d.cboSelezione, Qt::Key_Backspace);
        EXPECT_EQ(d.cboSelezione->currentIndex(), -1);
        Click(d.btnVisualizza);
        EXPECT_EQ(d.grdRecords->rowCount(), 0);
    }
    TfrmRiepGiornalieroPren &d = OpenDaily();
    d.cboGiorno->setFocus();
    Press(d.cboGiorno, Qt::Key_Backspace);
    EXPECT_EQ(d.cboGiorno->currentIndex(), -1);
    Click(d.btnVisualizza);
    EXPECT_EQ(d.grdRecords->rowCount(), 0);
    EXPECT_TRUE(messages.Shown().empty());
}

// An archive that cannot be read is reported: the panel stays; the yearly
// grid is not exported.
TEST_F(ListingTest, AnArchiveThatCannotBeOpenedIsReported) {
    folder.Block(BookingArchive(kYear));
    messages.Expect(MsgKind::Error, kArchiveFailure);
    TfrmRiepMensilePren &m = ListMonth(0);
    messages.Verify();
    EXPECT_TRUE(m.panAnno->isVisible());

    messages.Expect(MsgKind::Error, kArchiveFailure);
    TfrmRiepAnnualePren &y = OpenYearly();
    messages.Verify();
    messages.Expect(MsgKind::Error, kArchiveFailure);
    Click(y.cmdEsporta);
    messages.Verify();
    EXPECT_FALSE(folder.Exists(kXls));
}

// An archive that fails part way: the rows read so far stay as read, not
// sorted, and are not exported.
TEST_F(ListingTest, AnArchiveThatFailsPartWayIsReportedAndNotSorted) {
    std::vector<Record> bookings;
    for (int i = 0; i < 800; ++i) {
        const QByteArray day = QByteArray::number(28 - i % 28).rightJustified(2, '0');
        bookings.push_back(PickedUp(day.constData(), "Ottobre", "10", "00", QString::number(i + 1)));
    }
    WriteBookings(kYear, bookings);
    folder.Write(kXls, "vecchio");
    ReadFault badSectors(folder.Path(BookingArchive(kYear)), qint64(400) * BookingRecord.Size());
    messages.Expect(MsgKind::Error, kArchiveFailure);
    TfrmRiepAnnualePren &d = OpenYearly();
    messages.Verify();
    EXPECT_GE(badSectors.Refused(), 1);
    const int rows = d.grdRecords->rowCount();
    ASSERT_GT(rows, 2);
    ASSERT_LT(rows, 800);
    for (int r = 0; r < rows; ++r) ASSERT_EQ(d.grdRecords->Text(r, 0), QString::number(r + 1)) << r;
    EXPECT_EQ(d.grdRecords->Text(0, 1), QStringLiteral("28/10/2024"));
    EXPECT_EQ(d.grdRecords->Text(1, 1), QStringLiteral("27/10/2024"));

    messages.Expect(MsgKind::Error, kArchiveFailure);
    Click(d.cmdEsporta);
    messages.Verify();
    EXPECT_EQ(folder.Read(kXls), QByteArray("vecchio"));
}

TEST_F(ListingTest, HintsInTheStatusLine) {
    TfrmRiepMensilePren &d = OpenMonthly();
    const struct {
        QWidget *over;
        QString hint;
    } cases[] = {
        {d.cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel.")},
        {d.bkgBody, QString()},
        {d.cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")},
        {d.bkgHeader, QString()},
        {d.cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro.")},
        {d.shpNuovo, QString()},
        {d.cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro.")},
        {d.bkgTitle, QString()},
        {d.cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro.")},
        {d.bkgTitolo, QString()},
        {d.cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro.")},
        {d.grdRecords->viewport(), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.over->objectName().toStdString());
        MoveMouseOver(c.over, {2, 2});
        EXPECT_EQ(d.panInfo->text(), c.hint);
    }
}

TEST_F(ListingTest, GuideOfTheThreeListings) {
    const auto expectGuide = [this] {
        modals.Expect<TfrmGuida>([](TfrmGuida &guide) {
            EXPECT_EQ(guide.lblTitolo->text(), QStringLiteral("Riepilogo prenotazioni veicoli"));
            const QStringList paragraphs = guide.txtGuida->toPlainText().split(QStringLiteral("\r\n\r\n"));
            ASSERT_EQ(paragraphs.size(), 3);
            EXPECT_TRUE(paragraphs[0].startsWith(
                QStringLiteral("E' possibile visualizzare il riepilogo delle prenotazioni dei veicoli registrate in "
                               "un giorno, mese o anno")));
            guide.btnChiudiClick();
        });
    };
    expectGuide();
    Click(OpenYearly().cmdGuida);
    TfrmRiepMensilePren &m = OpenMonthly();
    expectGuide();
    Click(m.icoGuida);
    expectGuide();
    Click(m.cmdGuida);
    expectGuide();
    Click(OpenDaily().icoGuida);
    modals.Verify();
    EXPECT_EQ(modals.Opened().size(), 4);
}

// The card opens each listing modally; the monthly and daily ones with the
// card's year; the exit pictures close them.
TEST_F(ListingTest, TheCardOpensTheListings) {
    WriteBookings(kYear, {PickedUp("01", "Gennaio", "10", "00", U("Gennaio01"))});
    frmPrenotazioni->lblAnnoRit->setText(QStringLiteral("2024 "));
    modals.Expect<TfrmRiepAnnualePren>([](TfrmRiepAnnualePren &d) {
        EXPECT_EQ(d.grdRecords->rowCount(), 1);
        Click(d.cmdEsci);
    });
    frmPrenotazioni->cmdRiepAnnualeClick();
    modals.Expect<TfrmRiepMensilePren>([](TfrmRiepMensilePren &d) {
        EXPECT_EQ(d.lblAnno->text(), QStringLiteral("2024"));
        Click(d.btnVisualizza);
        EXPECT_EQ(d.grdRecords->rowCount(), 1);
        Click(d.cmdEsci);
    });
    frmPrenotazioni->cmdRiepMensileClick();
    modals.Expect<TfrmRiepGiornalieroPren>([](TfrmRiepGiornalieroPren &d) {
        EXPECT_EQ(d.lblAnno->text(), QStringLiteral("2024"));
        Click(d.icoEsci);
        EXPECT_FALSE(d.isVisible());
    });
    frmPrenotazioni->cmdRiepGiornalieroClick();
    modals.Verify();
    EXPECT_EQ(modals.Opened(), (QStringList{QStringLiteral("frmRiepAnnualePren"), QStringLiteral("frmRiepMensilePren"),
                                            QStringLiteral("frmRiepGiornalieroPren")}));
}

}  // namespace
}  // namespace vel::test
