#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "FleetFixture.h"
#include "fleet/Flotta.h"
#include "fleet/SchedaAutomezzo.h"
#include "common/ProgramFolder.h"
#include "common/TextRules.h"
#include "platform/QtPrint.h"
#include "report/PageImages.h"
#include "support/CardSheetChecks.h"

namespace vel::test {
namespace {

using report::Memo;
using report::PreparedPage;
using report::Report;

const QString kPdf = QStringLiteral("Automezzo.pdf");
using namespace sheet;

class SchedaAutomezzoTest : public FleetTest {
protected:
    void SetUp() override {
        FleetTest::SetUp();
        card = frmFlotta;
        card->Show();
    }

    // The rows of the sheet: each caption with the card's controls that make
    // its value, typed with blanks around them.
    using RowCase = sheet::RowCase;
    std::vector<RowCase> Rows() const {
        TfrmFlotta &c = *card;
        return {
            {"Tipo veicolo:", {c.txtVeicolo}, QStringLiteral("Autovettura")},
            {"Marca e modello:", {c.txtMarca, c.txtModello}, QStringLiteral("Fiat Panda 4x4")},
            {"Colore:", {c.txtColore}, QStringLiteral("Blu notte")},
            {"Alimentazione:", {c.txtAlimentazione}, QStringLiteral("Gasolio")},
            {"Targa:", {c.txtTarga}, QStringLiteral("AB123CD")},
            {"Impianti e accessori:", {c.txtImpianti}, QStringLiteral("Clima, navigatore")},
            {"Telaio:", {c.txtTelaio}, QStringLiteral("ZFA31200000123456")},
            {"Data immatricolazione:", {c.txtImmatricolazione}, QStringLiteral("12/05/2021")},
            {"Cilindrata:", {c.txtCilindrata}, QStringLiteral("1248")},
            {"Cavalli fiscali / kW:", {c.txtCavalli}, QStringLiteral("16 / 70")},
            {"Data acquisto:", {c.txtDataAcq, c.txtPrezzoAcq}, QStringLiteral("01/06/2021  -  Prezzo: 15.400,00")},
            {"Apparato Telepass:", {c.txtTelepass}, QStringLiteral("TP-889")},
            {"Numero posti:", {c.txtPosti}, QStringLiteral("5")},
            {"Tessera Viacard:", {c.txtViacard}, QStringLiteral("VC-4411")},
            {"Km al litro:", {c.txtLitro}, QStringLiteral("18,5")},
            {"Pneumatici:", {c.txtPneumatici}, QStringLiteral("175/65 R14")},
            {"Compatibilit\u00e0 ambientale:", {c.txtAmbientale}, QStringLiteral("Euro 6")},
            {"Compagnia assicurazione:", {c.txtCompagnia}, QStringLiteral("Societ\u00e0 Reale")},
            {"Incidenti subiti:", {c.txtIncidenti}, QStringLiteral("Nessuno")},
            {"Stato veicolo:", {c.txtStato}, QStringLiteral("Ottimo")},
            {"Proprietario o responsabile:", {c.txtConducente}, QStringLiteral("Rossi Mario")},
            {"Codice fiscale:", {c.txtCodFisc}, QStringLiteral("RSSMRA80A01H501U")},
            {"Telefono preferenziale:", {c.txtRecapito}, QStringLiteral("333 1234567")},
            {"Note:", {c.txtNote}, QStringLiteral("Tagliando a [marzo]")},
        };
    }
    // Types every row's texts with blanks and a tab around them.
    void FillCard() {
        TypeSingleRows(Rows());
        Put(card->txtMarca, QStringLiteral(" Fiat "));
        Put(card->txtModello, QStringLiteral("  Panda 4x4 "));
        Put(card->txtDataAcq, QStringLiteral(" 01/06/2021"));
        Put(card->txtPrezzoAcq, QStringLiteral("15.400,00  "));
    }

    std::unique_ptr<Report> Filled() {
        auto repScheda = SchedaAutomezzoTemplate();
        FillSchedaAutomezzo(*repScheda, *card);
        return repScheda;
    }

    // Every text the card shows, to see that no command changes it.
    QStringList CardTexts() const {
        QStringList texts;
        for (const Edit *edit : card->findChildren<Edit *>()) texts.append(edit->text());
        texts.append(card->lblPosizione->text());
        return texts;
    }

    TfrmFlotta *card = nullptr;
    FakeShell shell;
};

TEST_F(SchedaAutomezzoTest, TheTemplateIsLaidOutAsDesigned) {
    auto repScheda = SchedaAutomezzoTemplate();
    ExpectSheetTemplate(*repScheda, kCardSheet);
    EXPECT_EQ(repScheda->Get<Memo>(QStringLiteral("txtCampo24")).bounds.top(), 254);
}

TEST_F(SchedaAutomezzoTest, EveryRowTakesItsCaptionAndTheCardsTrimmedTexts) {
    FillCard();
    // Texts the sheet leaves out.
    Put(card->txtPeso, QStringLiteral("PESO-NON-STAMPATO"));
    Put(card->txtUso, QStringLiteral("USO-NON-STAMPATO"));
    Put(card->txtAssi, QStringLiteral("ASSI-NON-STAMPATI"));
    Put(card->txtOfficina, QStringLiteral("OFFICINA-NON-STAMPATA"));
    card->lblFile01->setText(QStringLiteral("libretto.pdf"));

    auto repScheda = Filled();
    ASSERT_NO_FATAL_FAILURE(ExpectRows(*repScheda, QStringLiteral("SCHEDA AUTOMEZZO"), Rows()));

    // The prepared sheet: one page, every placeholder replaced, the texts
    // printed literally (brackets included), nothing of the fields left out.
    QStringList texts;
    ASSERT_NO_FATAL_FAILURE(ExpectPrepared(*repScheda, QStringLiteral("Tagliando a [marzo]"), texts));
    for (const QString &text : texts) {
        EXPECT_FALSE(text.contains(QStringLiteral("NON-STAMPAT")) || text.contains(QStringLiteral("libretto")))
            << text.toStdString();
    }
}

TEST_F(SchedaAutomezzoTest, AClearedCardKeepsOnlyTheJoiningTexts) {
    auto repScheda = Filled();
    for (int k = 1; k <= 24; ++k) {
        EXPECT_FALSE(MemoText(*repScheda, Row("titCampo", k)).isEmpty()) << k;
        const QString expected = k == 2 ? QStringLiteral(" ") : k == 11 ? QStringLiteral("  -  Prezzo: ") : QString();
        EXPECT_EQ(MemoText(*repScheda, Row("txtCampo", k)), expected) << k;
    }
}

TEST_F(SchedaAutomezzoTest, AMakeWithoutModelKeepsItsBlank) {
    Put(card->txtMarca, QStringLiteral("Iveco  "));
    Put(card->txtDataAcq, QStringLiteral("03/02/2020"));
    auto repScheda = Filled();
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo02")), QStringLiteral("Iveco "));
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo11")), QStringLiteral("03/02/2020  -  Prezzo: "));
}

TEST_F(SchedaAutomezzoTest, TheFooterTellsTheMomentOfTheCommand) {
    clock.Set(QDateTime(QDate(2026, 3, 7), QTime(8, 5, 9)));
    EXPECT_EQ(MemoText(*Filled(), QStringLiteral("txtCalce")),
              QStringLiteral("Stampa eseguita in data 07/03/2026 alle ore 08:05:09"));
    clock.Set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)));
    PrintSchedaAutomezzo(*card);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(PictureTexts(printer.printed[0].pages[0])
                    .contains(QStringLiteral("Stampa eseguita in data 31/12/2026 alle ore 23:59:58")));
}

TEST_F(SchedaAutomezzoTest, AValueLongerThanItsRowIsCutAtTheEdge) {
    const QString note = QStringLiteral("Revisione ").repeated(25);  // 250 characters
    Put(card->txtNote, note);
    auto repScheda = Filled();
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo24")), Trim(note));
    repScheda->Prepare();
    const QStringList printed = repScheda->PreparedPages().front().Texts(QStringLiteral("txtCampo24"));
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(note.startsWith(printed[0]));
    EXPECT_LT(printed[0].size(), 100);

    // On paper: the row is written up to the memo's right edge (10 + 188 mm
    // from the sheet's left) and not beyond, and on one line only.
    constexpr double dpm = 6;
    const QImage sheet = RenderPage(repScheda->PreparedPages().front(), dpm);
    const double rowTop = 10 + 254;
    EXPECT_GT(DarkPixels(sheet, dpm, QRectF(185, rowTop, 13, 6)), 20);
    EXPECT_EQ(DarkPixels(sheet, dpm, QRectF(198.3, rowTop - 2, 11, 10)), 0);
    EXPECT_EQ(DarkPixels(sheet, dpm, QRectF(70, rowTop + 6.2, 128, 4)), 0);
}

TEST_F(SchedaAutomezzoTest, TheSheetIsDrawnAsLaidOut) {
    FillCard();
    auto repScheda = Filled();
    repScheda->Prepare();
    constexpr double dpm = 5;
    const QImage sheet = RenderPage(repScheda->PreparedPages().front(), dpm);
    // The folder, the orange title and footer, a teal caption on every row.
    EXPECT_NE(QColor(PixelAtMm(sheet, dpm, 10 + 10, 10 + 10)), QColor(Qt::white));
    EXPECT_EQ(QColor(PixelAtMm(sheet, dpm, 10 + 25, 10 + 4)), kDarkOrange);
    EXPECT_EQ(QColor(PixelAtMm(sheet, dpm, 10 + 5, 10 + 274.5)), kDarkOrange);
    for (int k = 1; k <= 24; ++k) {
        const double top = 10 + 24 + 10 * (k - 1);
        EXPECT_EQ(QColor(PixelAtMm(sheet, dpm, 10 + 53, top + 0.5)), kTeal) << k;
        EXPECT_EQ(QColor(PixelAtMm(sheet, dpm, 10 + 57, top + 3)), QColor(Qt::white)) << k;
        EXPECT_GT(DarkPixels(sheet, dpm, QRectF(70, top, 60, 6)), 10) << k;  // the value
    }
    // The two lines, across their width.
    EXPECT_GT(DarkPixels(sheet, dpm, QRectF(33, 25.6, 165, 0.8)), 165 * dpm / 2);
    EXPECT_GT(DarkPixels(sheet, dpm, QRectF(13, 274.6, 185, 0.8)), 185 * dpm / 2);
}

TEST_F(SchedaAutomezzoTest, PreviewAndPrintShowTheFilledSheet) {
    FillCard();
    const QStringList before = CardTexts();
    PreviewSchedaAutomezzo(*card);
    PrintSchedaAutomezzo(*card);
    ASSERT_EQ(printer.previewed.size(), 1u);
    ASSERT_EQ(printer.printed.size(), 1u);
    for (const PrintJob *job : {&printer.previewed[0], &printer.printed[0]}) {
        EXPECT_EQ(job->title, QStringLiteral("Scheda informativa"));
        EXPECT_EQ(job->layout.pageSize().id(), QPageSize::A4);
        EXPECT_EQ(job->layout.orientation(), QPageLayout::Portrait);
        ASSERT_EQ(job->pages.size(), 1);
        const QStringList texts = PictureTexts(job->pages[0]);
        EXPECT_TRUE(texts.contains(QStringLiteral("SCHEDA AUTOMEZZO")));
        EXPECT_TRUE(texts.contains(QStringLiteral("Compatibilit\u00e0 ambientale:")));
        EXPECT_TRUE(texts.contains(QStringLiteral("01/06/2021  -  Prezzo: 15.400,00")));
        EXPECT_TRUE(texts.contains(QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:30:00")));
    }
    EXPECT_EQ(CardTexts(), before);

    // A cancelled print dialog prints nothing and says nothing.
    printer.acceptDialog = false;
    PrintSchedaAutomezzo(*card);
    EXPECT_EQ(printer.printed.size(), 1u);
}

TEST_F(SchedaAutomezzoTest, AFailedPrintOrPreviewIsReportedAndTheCardStays) {
    FillCard();
    const QStringList before = CardTexts();
    printer.failWith = QStringLiteral("nessuna stampante installata");
    messages.Expect(MsgKind::Error, PrintFailedBox(QStringLiteral("nessuna stampante installata")));
    PrintSchedaAutomezzo(*card);
    messages.Expect(MsgKind::Error, PreviewFailedBox(QStringLiteral("nessuna stampante installata")));
    PreviewSchedaAutomezzo(*card);
    EXPECT_EQ(CardTexts(), before);
    EXPECT_TRUE(card->isVisible());
}

TEST_F(SchedaAutomezzoTest, ThePdfIsWrittenAndOpenedUnlessTheAnswerIsNo) {
    FillCard();
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::Yes);
    ExportSchedaAutomezzoPdf(*card);
    ASSERT_TRUE(folder.Exists(kPdf));
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("\"") + folder.Path(kPdf) + QStringLiteral("\"")});
    EXPECT_EQ(QStringLiteral("\"") + folder.Path(kPdf) + QStringLiteral("\""),
              QStringLiteral("\"") + ProgramFolder() + QStringLiteral("Automezzo.pdf\""));
    const QByteArray pdf = folder.Read(kPdf);
    EXPECT_FALSE(pdf.contains("/FlateDecode"));
    EXPECT_TRUE(pdf.contains("/Title (Scheda informativa)"));
    EXPECT_TRUE(pdf.contains("/Subject (Scheda informativa)"));
    EXPECT_TRUE(pdf.contains("/DCTDecode"));  // the folder picture

    if (HasPdfTools()) {
        const QString text = RunPdfTool(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-layout"), folder.Path(kPdf), QStringLiteral("-")});
        for (const QString &expected :
             {QStringLiteral("SCHEDA AUTOMEZZO"), QStringLiteral("Compatibilit\u00e0 ambientale:"),
              QStringLiteral("Societ\u00e0 Reale"), QStringLiteral("Tagliando a [marzo]"),
              QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:30:00")})
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
        const QString info = RunPdfTool(QStringLiteral("pdfinfo"), {folder.Path(kPdf)});
        EXPECT_TRUE(
            info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"), QRegularExpression::MultilineOption)));
    }

    // "No" leaves the file written and unopened.
    shell.opened.clear();
    QFile::remove(folder.Path(kPdf));
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    ExportSchedaAutomezzoPdf(*card);
    EXPECT_TRUE(folder.Exists(kPdf));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(SchedaAutomezzoTest, ASecondPdfOverwritesTheFirstWithoutAQuestion) {
    FillCard();
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    ExportSchedaAutomezzoPdf(*card);
    const QByteArray first = folder.Read(kPdf);
    Put(card->txtTarga, QStringLiteral("ZZ999ZZ"));
    clock.Set(QDateTime(QDate(2026, 3, 14), QTime(9, 31, 0)));
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    ExportSchedaAutomezzoPdf(*card);
    const QByteArray second = folder.Read(kPdf);
    EXPECT_NE(first, second);
    EXPECT_TRUE(first.contains("(AB123CD)"));
    EXPECT_TRUE(second.contains("(ZZ999ZZ)"));
    EXPECT_TRUE(second.contains("alle ore 09:31:00"));
    EXPECT_EQ(folder.Entries(), QStringList{kPdf});
}

TEST_F(SchedaAutomezzoTest, AnUnwritablePdfIsReportedWithoutTheQuestion) {
    FillCard();
    folder.Block(kPdf);
    messages.Expect(MsgKind::Error, QStringLiteral("Attenzione: non \u00e8 stato possibile creare il file PDF.\n\r\n\r"
                                                   "Motivo: impossibile scrivere il file \"%1\"")
                                        .arg(QDir::toNativeSeparators(folder.Path(kPdf))));
    const QStringList before = CardTexts();
    ExportSchedaAutomezzoPdf(*card);
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(QFileInfo(folder.Path(kPdf)).isDir());
    EXPECT_EQ(folder.Entries(), QStringList{kPdf});
    EXPECT_EQ(CardTexts(), before);
}

TEST_F(SchedaAutomezzoTest, AnUnsavedCardNeverTouchesTheArchive) {
    FillCard();
    ASSERT_TRUE(card->lblPosizione->text().isEmpty());
    PreviewSchedaAutomezzo(*card);
    PrintSchedaAutomezzo(*card);
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    ExportSchedaAutomezzoPdf(*card);
    EXPECT_EQ(printer.previewed.size(), 1u);
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_FALSE(folder.Exists(kFleetArchive));
    EXPECT_EQ(folder.Entries(), QStringList{kPdf});
    EXPECT_TRUE(card->lblPosizione->text().isEmpty());
}

}  // namespace
}  // namespace vel::test
