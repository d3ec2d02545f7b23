#include <QHeaderView>
#include <memory>
#include <vector>

#include "BookingFixture.h"
#include "bookings/ExpPrenotazioni.h"
#include "bookings/Prenotazioni.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "dialogs/Guida.h"
#include "support/ExportSuite.h"

namespace vel::test {
namespace {

constexpr int kYear = 2025;
const QString kXls = QStringLiteral("Prenotazioni_Veicoli.xls");

// The header cells of the booking file, in order: caption and width.
const ExpectedHeader kHeaders[] = {
    {"Data partenza", 150}, {"Ora partenza", 150},      {"Sede partenza", 250}, {"Tipo veicolo", 250},
    {"Marca", 250},         {"Modello", 250},           {"Colore", 250},        {"Alimentazione", 250},
    {"Targa", 200},         {"Posti", 200},             {"Cliente", 250},       {"Codice fiscale", 200},
    {"Tel. preferenziale", 200}, {"Tel. cellulare", 200}, {"E-mail", 250},       {"Data rientro", 150},
    {"Ora rientro", 150},   {"Sede rientro", 250},
};
// The grid's own widths, where they are not the file's.
const int kScreenWidths[] = {150, 150, 250, 250, 250, 250, 200, 200, 200, 150, 250, 180, 250, 150, 250, 150, 150, 250};
const int kEditable[] = {3, 10, 11, 17, 18};

// What the grid shows of CompleteBooking(kYear), columns 1 to 18.
QStringList CompleteRow() {
    return {QStringLiteral("04/03/2025"), QStringLiteral("09:30"),      QStringLiteral("Roma"),
            QStringLiteral("Autovettura"), QStringLiteral("Fiat"),      QStringLiteral("Panda"),
            QStringLiteral("Bianco"),      QStringLiteral("Benzina"),   QStringLiteral("AB123CD"),
            QStringLiteral("5"),           QStringLiteral("Rossi Mario"), QStringLiteral("RSSMRA80A01H501U"),
            QStringLiteral("06 1234567"),  QStringLiteral("333 1234567"), QStringLiteral("mario.rossi@example.it"),
            QStringLiteral("06/03/2025"),  QStringLiteral("18:00"),     QStringLiteral("Milano")};
}

// A booking of the last day of the year with markup and accents in its
// texts; its month parts are not exported.
Record MarkupBooking() {
    return CompleteBooking(kYear, {{"GiornoRit", U("31")},
                                   {"MeseRit", U("Dicembre")},
                                   {"GiornoRic", U("31")},
                                   {"MeseRic", U("Dicembre")},
                                   {"Cliente", U("Caff\xc3\xa8 <Bar> & Co.")},
                                   {"SedeRic", U("Forl\xc3\xac")},
                                   {"Colore", U("")}});
}

QStringList MarkupRow(bool escaped) {
    QStringList cells = CompleteRow();
    cells[0] = QStringLiteral("31/12/2025");
    cells[6] = QString();
    cells[10] = escaped ? U("Caff\xc3\xa8 &lt;Bar&gt; &amp; Co.") : U("Caff\xc3\xa8 <Bar> & Co.");
    cells[15] = QStringLiteral("31/12/2025");
    cells[17] = U("Forl\xc3\xac");
    return cells;
}

// The booking card as "Apri" of the year leaves it.
void CardOnYear(int year) {
    frmPrenotazioni->lblFile->setText(ProgramPath(BookingArchive(year)));
    frmPrenotazioni->lblAnnoRit->setText(QString::number(year));
}

struct BookingExport {
    using Window = TfrmExpPrenotazioni;
    static QWidget *Owner() {
        CardOnYear(kYear);
        return frmPrenotazioni;
    }
    static const RecordLayout &Layout() { return BookingRecord; }
    static QString Archive() { return BookingArchive(kYear); }
    static QString File() { return kXls; }
    static const char *SheetName() { return "Prenotazioni Veicoli"; }
    static std::vector<ExpectedHeader> Headers() { return {std::begin(kHeaders), std::end(kHeaders)}; }
    static std::vector<Record> Records() { return {CompleteBooking(kYear), MarkupBooking()}; }
    static std::vector<QStringList> GridRows() { return {CompleteRow(), MarkupRow(false)}; }
    static std::vector<QStringList> FileRows() { return {CompleteRow(), MarkupRow(true)}; }
    static std::vector<QByteArray> FileHolds() { return {QByteArray("Caff\xE8 &lt;Bar&gt;"), QByteArray("Forl\xEC")}; }
    static std::vector<QByteArray> FileLacks() { return {QByteArray("Dicembre"), QByteArray(">2025<")}; }
    static Record Numbered(int n) { return Booking({{"Targa", QStringLiteral("T%1").arg(n)}}); }
    static QStringList NumberedRow(int n) {
        QStringList cells(18);
        cells[8] = QStringLiteral("T%1").arg(n);
        return cells;
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Prenotazioni, ExportSuite, BookingExport);

class ExpPrenotazioniTest : public ExportTest<TfrmExpPrenotazioni> {
protected:
    ExpPrenotazioniTest() : ExportTest(BookingArchive(kYear), BookingRecord) {}
    TfrmExpPrenotazioni &Open() {
        CardOnYear(kYear);
        return OpenFrom(frmPrenotazioni);
    }
};

TEST_F(ExpPrenotazioniTest, LooksAsDesigned) {
    TfrmExpPrenotazioni &d = Open();
    EXPECT_EQ(d.objectName(), QStringLiteral("frmExpPrenotazioni"));
    EXPECT_EQ(d.Caption(), QStringLiteral(" Esporta archivio prenotazioni veicoli"));
    EXPECT_EQ(d.size(), QSize(862, 560));
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(d.panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));

    ExportGrid *grid = d.grdRecords;
    EXPECT_TRUE(grid->alternatingRowColors());
    ASSERT_EQ(grid->columnCount(), 19);
    EXPECT_EQ(grid->Caption(0), QStringLiteral("N."));
    EXPECT_EQ(grid->columnWidth(0), 60);
    EXPECT_FALSE(grid->IsEditable(0, 0));
    for (int k = 1; k <= 18; ++k) {
        SCOPED_TRACE(kHeaders[k - 1].caption);
        EXPECT_EQ(grid->Caption(k), U(kHeaders[k - 1].caption));
        EXPECT_EQ(grid->columnWidth(k), kScreenWidths[k - 1]);
        const bool editable = std::find(std::begin(kEditable), std::end(kEditable), k) != std::end(kEditable);
        EXPECT_EQ(grid->IsEditable(0, k), editable);
        EXPECT_EQ(grid->IsEditable(9, k), editable);
    }
}

// Row r is record r + 1, whatever the dates: no filter, no sort, not even by
// the year on the card.
TEST_F(ExpPrenotazioniTest, EveryBookingInArchiveOrderWhateverItsDate) {
    const std::vector<Record> bookings = {
        CompleteBooking(kYear, {{"GiornoRit", U("20")}, {"MeseRit", U("Novembre")}, {"GiornoRic", U("21")},
                                {"MeseRic", U("Novembre")}}),
        CompleteBooking(kYear, {{"GiornoRit", U("01")}, {"MeseRit", U("Gennaio")}}),
        CompleteBooking(2024, {{"GiornoRit", U("29")}, {"MeseRit", U("Febbraio")}, {"GiornoRic", U("01")}}),
    };
    WriteArchive(bookings);
    TfrmExpPrenotazioni &d = Open();
    ASSERT_EQ(d.grdRecords->rowCount(), 3);
    const char *dates[] = {"20/11/2025", "01/01/2025", "29/02/2024"};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(Row(r)[0], QString::number(r + 1));
        EXPECT_EQ(Row(r)[1], U(dates[r]));
    }
}

TEST_F(ExpPrenotazioniTest, EditedCellsReachTheFileNeverTheArchive) {
    WriteArchive({CompleteBooking(kYear)});
    const QByteArray archive = folder.Read(BookingArchive(kYear));
    TfrmExpPrenotazioni &d = Open();
    const struct {
        int column;
        const char *typed;
    } edits[] = {{3, "Roma Termini"}, {10, "7"}, {11, "Rossi Mario Jr."}, {17, "19:15"}, {18, "Bologna"}};
    QStringList expected = CompleteRow();
    for (const auto &e : edits) {
        d.grdRecords->model()->setData(d.grdRecords->model()->index(0, e.column), U(e.typed));
        expected[e.column - 1] = U(e.typed);
    }
    Export(MsgButton::No);
    EXPECT_EQ(folder.Read(kXls), ExpectedSpreadsheet("Prenotazioni Veicoli", kHeaders, {expected}));
    EXPECT_EQ(folder.Read(BookingArchive(kYear)), archive);
}

TEST_F(ExpPrenotazioniTest, GuideOpensWithItsTitleAndText) {
    TfrmExpPrenotazioni &d = Open();
    modals.Expect<TfrmGuida>([](TfrmGuida &guide) {
        EXPECT_EQ(guide.lblTitolo->text(), QStringLiteral("Esportazione archivio prenotazioni veicoli in Excel"));
        const QStringList paragraphs = guide.txtGuida->toPlainText().split(QStringLiteral("\r\n\r\n"));
        ASSERT_EQ(paragraphs.size(), 3);
        EXPECT_TRUE(paragraphs[0].startsWith(
            QStringLiteral("Il pulsante Esporta archivio consente di esportare tutte le schede delle prenotazioni "
                           "dei veicoli registrate in un anno solare")));
        EXPECT_TRUE(paragraphs[0].contains(QStringLiteral("XLS")));
        for (const QString &p : paragraphs) EXPECT_FALSE(p.contains(u'\n')) << p.toStdString();
        guide.btnChiudiClick();
    });
    Click(d.cmdGuida);
    EXPECT_EQ(modals.Opened(), QStringList{QStringLiteral("frmGuida")});
    EXPECT_TRUE(d.isVisible());
}

// The card's export command opens the dialog on the open year.
TEST_F(ExpPrenotazioniTest, TheCardsExportOpensItOnTheOpenYear) {
    WriteArchive({CompleteBooking(kYear), MarkupBooking()});
    CardOnYear(kYear);
    bool seen = false;
    modals.Expect<TfrmExpPrenotazioni>([&](TfrmExpPrenotazioni &d) {
        seen = true;
        EXPECT_EQ(d.grdRecords->rowCount(), 2);
        Click(d.cmdEsci);
        EXPECT_FALSE(d.isVisible());
    });
    frmPrenotazioni->cmdEsportaClick();
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace vel::test
