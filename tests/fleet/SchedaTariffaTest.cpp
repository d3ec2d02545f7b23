#include <QDir>
#include <QFile>

#include "FleetFixture.h"
#include "common/TextRules.h"
#include "fleet/SchedaAutomezzo.h"
#include "fleet/SchedaTariffa.h"
#include "fleet/Tariffario.h"
#include "platform/QtPrint.h"
#include "report/PageImages.h"
#include "support/CardSheetChecks.h"

namespace vel::test {
namespace {

using report::Memo;
using report::Report;

const QString kTitle = QStringLiteral("SCHEDA TARIFFA NOLEGGIO VEICOLO");
using namespace sheet;

class SchedaTariffaTest : public FleetTest {
protected:
    void SetUp() override {
        FleetTest::SetUp();
        card = frmTariffario;
        card->Show();
    }

    // The rows of the sheet: each caption with the card's controls that make
    // its value, and the value the row shows for the texts FillCard types.
    using RowCase = sheet::RowCase;
    std::vector<RowCase> Rows() const {
        TfrmTariffario &c = *card;
        return {
            {"Tariffa:", {c.txtTariffa}, QStringLiteral("Giornaliera")},
            {"Descrizione:", {c.txtDescrizione}, QStringLiteral("Noleggio giornaliero utilitaria")},
            {"Codice:", {c.txtCodice}, QStringLiteral("G-UT1")},
            {"Importo unitario:", {c.txtImporto}, QStringLiteral("45,00")},
            {"Criterio conteggio:", {c.txtConteggio}, QStringLiteral("24 ore dal ritiro")},
            {"Calcolo eccedenza:", {c.txtEccedenza}, QStringLiteral("Ore oltre la franchigia")},
            {"Tipo veicolo:", {c.txtVeicolo}, QStringLiteral("Autovettura")},
            {"Classe veicolo:", {c.txtClasse, c.txtPosti}, QStringLiteral("Utilitaria  -  Posti: 5")},
            {"Alimentazione:", {c.txtAlimentazione}, QStringLiteral("Benzina")},
            {"Modalit\u00e0 di ritiro:", {c.txtRitiro}, QStringLiteral("In sede")},
            {"Modalit\u00e0 di riconsegna:", {c.txtRiconsegna}, QStringLiteral("In sede o in aeroporto")},
            {"Listino di appartenenza:", {c.txtListino}, QStringLiteral("Estate")},
            {"Prezzo in listino:", {c.txtPrezzoList}, QStringLiteral("42,50")},
            {"Descrizione in listino:", {c.txtDescList}, QStringLiteral("Utilitaria, un giorno")},
            {"Modalit\u00e0 di pagamento:", {c.txtPagamento}, QStringLiteral("Carta di credito")},
            {"Banca d'appoggio:", {c.txtBanca}, QStringLiteral("Banca Popolare")},
            {"Cauzione:", {c.txtCauzione}, QStringLiteral("300,00")},
            {"IBAN:", {c.txtIban}, QStringLiteral("IT60X0542811101000000123456")},
            {"Intestatario C/C:", {c.txtIntestatario}, QStringLiteral("Velmora S.r.l.")},
            {"Note:", {c.txtNote}, QStringLiteral("Sconto [10%] in bassa stagione")},
            {"Patente:", {c.txtPatente}, QStringLiteral("B da almeno 3 anni")},
            {"Documenti richiesti:", {c.txtDocumenti}, QStringLiteral("Carta d'identit\u00e0")},
            {"Assicurazioni:", {c.txtAssicurazioni}, QStringLiteral("Kasko inclusa")},
            {"Altri requisiti:", {c.txtRequisiti}, QStringLiteral("Et\u00e0 minima 21 anni")},
        };
    }
    // Types every row's texts with blanks and a tab around them.
    void FillCard() {
        TypeSingleRows(Rows());
        Put(card->txtClasse, QStringLiteral(" Utilitaria "));
        Put(card->txtPosti, QStringLiteral("5  "));
    }

    std::unique_ptr<Report> Filled() {
        auto repScheda = SchedaAutomezzoTemplate();
        FillSchedaTariffa(*repScheda, *card);
        return repScheda;
    }

    // Every text the card shows, to see that printing changes none.
    QStringList CardTexts() const {
        QStringList texts;
        for (const Edit *edit : card->findChildren<Edit *>()) texts.append(edit->text());
        for (const QLabel *label : {card->lblPosizione, card->lblFile01, card->lblDesc01}) texts.append(label->text());
        return texts;
    }

    TfrmTariffario *card = nullptr;
};

TEST_F(SchedaTariffaTest, EveryRowTakesItsCaptionAndTheCardsTrimmedTexts) {
    FillCard();
    // What the sheet leaves out: the attachments and the record number.
    card->lblFile01->setText(QStringLiteral("condizioni.pdf"));
    card->lblDesc01->setText(QStringLiteral("Condizioni generali"));

    auto repScheda = Filled();
    ASSERT_NO_FATAL_FAILURE(ExpectRows(*repScheda, kTitle, Rows()));

    // The prepared sheet: one page, every placeholder replaced, the texts
    // printed literally, nothing of what the sheet leaves out.
    QStringList texts;
    ASSERT_NO_FATAL_FAILURE(ExpectPrepared(*repScheda, QStringLiteral("Sconto [10%] in bassa stagione"), texts));
    for (const QString &text : texts) {
        EXPECT_FALSE(text.contains(QStringLiteral("ondizioni"))) << text.toStdString();
    }
}

// All 25 edits of the card reach the sheet, each in one row only.
TEST_F(SchedaTariffaTest, EveryEditOfTheCardIsPrinted) {
    const QList<Edit *> edits = card->findChildren<Edit *>();
    ASSERT_EQ(edits.size(), 25);
    for (int i = 0; i < edits.size(); ++i) edits[i]->setText(QStringLiteral("<%1>").arg(i));
    auto repScheda = Filled();
    for (int i = 0; i < edits.size(); ++i) {
        const QString mark = QStringLiteral("<%1>").arg(i);
        int rows = 0;
        for (int k = 1; k <= 24; ++k) rows += MemoText(*repScheda, Row("txtCampo", k)).count(mark);
        EXPECT_EQ(rows, 1) << edits[i]->objectName().toStdString() << " " << mark.toStdString();
    }
}

// "Nuovo" leaves the amounts at "0,00" and row 8 keeps its joining text.
TEST_F(SchedaTariffaTest, AClearedCardKeepsTheZeroAmountsAndTheJoiningText) {
    FillCard();
    Click(card->cmdNuovo);
    auto repScheda = Filled();
    for (int k = 1; k <= 24; ++k) {
        EXPECT_FALSE(MemoText(*repScheda, Row("titCampo", k)).isEmpty()) << k;
        const QString expected = k == 4 || k == 13 ? QStringLiteral("0,00")
                                 : k == 8          ? QStringLiteral("  -  Posti: ")
                                                   : QString();
        EXPECT_EQ(MemoText(*repScheda, Row("txtCampo", k)), expected) << k;
    }
}

TEST_F(SchedaTariffaTest, ClassAndSeatsAreJoinedWhateverIsEmpty) {
    struct Case {
        QString classe, posti, row;
    };
    const Case cases[] = {
        {QStringLiteral(" Media  "), QString(), QStringLiteral("Media  -  Posti: ")},
        {QString(), QStringLiteral(" 9 "), QStringLiteral("  -  Posti: 9")},
        {QStringLiteral("   "), QStringLiteral("\t"), QStringLiteral("  -  Posti: ")},
        {QStringLiteral("Furgone"), QStringLiteral("3"), QStringLiteral("Furgone  -  Posti: 3")},
    };
    for (const Case &c : cases) {
        Put(card->txtClasse, c.classe);
        Put(card->txtPosti, c.posti);
        EXPECT_EQ(MemoText(*Filled(), QStringLiteral("txtCampo08")), c.row) << c.classe.toStdString();
    }
}

// Printing takes the amount edits as they stand: an amount typed and not yet
// left is neither normalised on the sheet nor on the card.
TEST_F(SchedaTariffaTest, AmountsPrintAsTheCardShowsThem) {
    Put(card->txtImporto, QStringLiteral("12,5"));
    Put(card->txtPrezzoList, QStringLiteral("1234"));
    auto repScheda = Filled();
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo04")), QStringLiteral("12,5"));
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo13")), QStringLiteral("1234"));
    PrintSchedaTariffa(*card);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(PictureTexts(printer.printed[0].pages[0]).contains(QStringLiteral("12,5")));
    EXPECT_EQ(card->txtImporto->text(), QStringLiteral("12,5"));
    EXPECT_EQ(card->txtPrezzoList->text(), QStringLiteral("1234"));
}

TEST_F(SchedaTariffaTest, ALongCountingRuleStaysOneLineCutAtItsCell) {
    const QString rule = QStringLiteral("Giornata di ").repeated(21).left(250);
    ASSERT_EQ(rule.size(), 250);
    Put(card->txtConteggio, rule);
    auto repScheda = Filled();
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo05")), Trim(rule));
    repScheda->Prepare();
    const QStringList printed = repScheda->PreparedPages().front().Texts(QStringLiteral("txtCampo05"));
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(rule.startsWith(printed[0]));
    EXPECT_LT(printed[0].size(), 100);

    // On paper: written up to the cell's right edge (10 + 188 mm from the
    // sheet's left) and not beyond, on one line only.
    constexpr double dpm = 6;
    const QImage sheet = RenderPage(repScheda->PreparedPages().front(), dpm);
    const double rowTop = 10 + 24 + 10 * 4;
    EXPECT_GT(DarkPixels(sheet, dpm, QRectF(185, rowTop, 13, 6)), 20);
    EXPECT_EQ(DarkPixels(sheet, dpm, QRectF(198.3, rowTop - 2, 11, 10)), 0);
    EXPECT_EQ(DarkPixels(sheet, dpm, QRectF(70, rowTop + 6.2, 128, 3.5)), 0);
}

TEST_F(SchedaTariffaTest, TheFooterTellsTheMomentOfPrinting) {
    clock.Set(QDateTime(QDate(2026, 3, 7), QTime(8, 5, 9)));
    EXPECT_EQ(MemoText(*Filled(), QStringLiteral("txtCalce")),
              QStringLiteral("Stampa eseguita in data 07/03/2026 alle ore 08:05:09"));
    clock.Set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)));
    PrintSchedaTariffa(*card);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(PictureTexts(printer.printed[0].pages[0])
                    .contains(QStringLiteral("Stampa eseguita in data 31/12/2026 alle ore 23:59:58")));
}

TEST_F(SchedaTariffaTest, PrintSendsTheFilledCardSheet) {
    FillCard();
    const QStringList before = CardTexts();
    PrintSchedaTariffa(*card);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(printer.previewed.empty());
    const PrintJob &job = printer.printed[0];
    EXPECT_EQ(job.title, QStringLiteral("Scheda informativa"));
    EXPECT_EQ(job.layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(job.layout.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(job.layout.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
    ASSERT_EQ(job.pages.size(), 1);
    const QStringList texts = PictureTexts(job.pages[0]);
    for (const QString &expected :
         {kTitle, QStringLiteral("Modalit\u00e0 di riconsegna:"), QStringLiteral("Banca d'appoggio:"),
          QStringLiteral("Utilitaria  -  Posti: 5"), QStringLiteral("Et\u00e0 minima 21 anni"),
          QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:30:00")})
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
    EXPECT_EQ(CardTexts(), before);

    // The vehicle card's sheet: the folder, the orange title and footer, a
    // teal caption on every row.
    constexpr double dpm = 5;
    const QImage sheet = RenderPrinted(job.pages[0], QSizeF(210, 297), dpm);
    EXPECT_NE(QColor(PixelAtMm(sheet, dpm, 10 + 10, 10 + 10)), QColor(Qt::white));
    EXPECT_EQ(QColor(PixelAtMm(sheet, dpm, 10 + 25, 10 + 4)), kDarkOrange);
    EXPECT_EQ(QColor(PixelAtMm(sheet, dpm, 10 + 5, 10 + 274.5)), kDarkOrange);
    for (int k = 1; k <= 24; ++k) {
        const double top = 10 + 24 + 10 * (k - 1);
        EXPECT_EQ(QColor(PixelAtMm(sheet, dpm, 10 + 53, top + 0.5)), kTeal) << k;
        EXPECT_GT(DarkPixels(sheet, dpm, QRectF(70, top, 60, 6)), 10) << k;  // the value
    }

    // A cancelled print dialog prints nothing and says nothing.
    printer.acceptDialog = false;
    PrintSchedaTariffa(*card);
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(SchedaTariffaTest, AFailedPrintIsReportedAndTheCardStays) {
    FillCard();
    const QStringList before = CardTexts();
    printer.failWith = QStringLiteral("nessuna stampante installata");
    messages.Expect(MsgKind::Error, PrintFailedBox(QStringLiteral("nessuna stampante installata")));
    PrintSchedaTariffa(*card);
    EXPECT_TRUE(printer.printed.empty());
    EXPECT_EQ(CardTexts(), before);
    EXPECT_TRUE(card->isVisible());
}

TEST_F(SchedaTariffaTest, AnUnsavedCardNeverTouchesTheArchive) {
    FillCard();
    ASSERT_TRUE(card->lblPosizione->text().isEmpty());
    PrintSchedaTariffa(*card);
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_FALSE(folder.Exists(kTariffArchive));
    EXPECT_TRUE(folder.Entries().isEmpty());
    EXPECT_TRUE(card->lblPosizione->text().isEmpty());
}

// A saved card prints what it shows, unsaved changes included, and prints
// even when its archive can no longer be opened: the archive is never read.
TEST_F(SchedaTariffaTest, ASavedCardPrintsWhatItShowsNotWhatIsStored) {
    Record stored(TariffRecord);
    stored.SetText("Tariffa", QStringLiteral("Settimanale"));
    stored.SetText("Codice", QStringLiteral("S-1"));
    stored.SetText("Importo", QStringLiteral("210,00"));
    folder.Write(kTariffArchive, stored.Bytes() + stored.Bytes());
    Click(card->cmdUltimo);
    ASSERT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
    Put(card->txtCodice, QStringLiteral("S-2"));

    QFile::remove(folder.Path(kTariffArchive));
    folder.Block(kTariffArchive);
    PrintSchedaTariffa(*card);
    ASSERT_EQ(printer.printed.size(), 1u);
    const QStringList texts = PictureTexts(printer.printed[0].pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("Settimanale")));
    EXPECT_TRUE(texts.contains(QStringLiteral("S-2")));
    EXPECT_FALSE(texts.contains(QStringLiteral("S-1")));
    EXPECT_TRUE(texts.contains(QStringLiteral("210,00")));
    EXPECT_EQ(card->lblPosizione->text(), QStringLiteral("2"));
}

}  // namespace
}  // namespace vel::test
