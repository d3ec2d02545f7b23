// The customer sheet: its 24 rows from the card's controls, the print, the
// preview and "Cliente.pdf", and their failures.
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "CustomerFixture.h"
#include "common/ProgramFolder.h"
#include "common/TextRules.h"
#include "customers/Clienti.h"
#include "customers/SchedaCliente.h"
#include "platform/QtPrint.h"
#include "report/PageImages.h"
#include "support/CardSheetChecks.h"
#include "support/WriteLimit.h"

namespace vel::test {
namespace {

using report::Memo;
using report::Report;

const QString kPdf = QStringLiteral("Cliente.pdf");
using namespace sheet;

class SchedaClienteTest : public CustomerTest {
protected:
    void SetUp() override {
        CustomerTest::SetUp();
        card = frmClienti;
        card->Show();
    }

    // The rows of the sheet: each caption with the card's controls that make
    // its value, and the value for the texts FillCard types.
    using RowCase = sheet::RowCase;
    std::vector<RowCase> Rows() const {
        TfrmClienti &c = *card;
        return {
            {"Cognome e nome:", {c.txtCognome, c.txtNome}, QStringLiteral("Rossi Maria Luisa")},
            {"Data di nascita:", {c.txtDataNasc}, QStringLiteral("12/05/1980")},
            {"Comune di nascita:", {c.txtComuneNasc, c.txtProvNasc}, QStringLiteral("Milano MI")},
            {"Codice Destinatario:", {c.txtCodiceDest}, QStringLiteral("KRRH6B9")},
            {"Telefono preferenziale:", {c.txtRecapito}, QStringLiteral("333 1234567")},
            {"Indirizzo di residenza:", {c.txtIndirizzoRes}, QStringLiteral("Via Roma 1")},
            {"Comune di residenza:", {c.txtComuneRes, c.txtProvRes}, QStringLiteral("Forl\u00ec FC")},
            {"Denominazione Ditta:", {c.txtDitta}, QStringLiteral("Rossi & Figli")},
            {"Tel. casa:", {c.txtTelCasa}, QStringLiteral("06 123456")},
            {"Tel. ufficio:", {c.txtTelUff}, QStringLiteral("06 654321")},
            {"Tel. cellulare:", {c.txtTelCel}, QStringLiteral("347 7654321")},
            {"Indirizzo PEC:", {c.txtPec}, QStringLiteral("ROSSI@PEC.IT")},
            {"E-mail:", {c.txtEmail}, QStringLiteral("maria.rossi@esempio.it")},
            {"Codice fiscale:", {c.txtCodFisc}, QStringLiteral("RSSMLS80E52F205X")},
            {"Partita IVA:", {c.txtPartitaIva}, QStringLiteral("01234567890")},
            {"Carta di credito:", {c.txtCarta, c.txtScadeCarta}, QStringLiteral("N. 4111111111111111  -  Scadenza: 09/28")},
            {"IBAN:", {c.txtIban}, QStringLiteral("IT60X0542811101000000123456")},
            {"Tipo patente:", {c.txtTipoPat}, QStringLiteral("B")},
            {"Numero patente:", {c.txtNumPat}, QStringLiteral("MI1234567X")},
            {"Ente di rilascio:", {c.txtEnteRil}, QStringLiteral("MCTC")},
            {"Data di rilascio:", {c.txtDataRil, c.txtDataSca}, QStringLiteral("01/02/2015  -  Scadenza: 01/02/2025")},
            {"Conducente supplementare:", {c.txtConducente}, QStringLiteral("Bianchi Paolo")},
            {"Questioni in sospeso:", {c.txtQuestioni}, QStringLiteral("Deposito [da restituire]")},
            {"Note:", {c.txtNote}, QStringLiteral("Preferisce auto piccole")},
        };
    }
    // Types every row's texts with blanks and a tab around them.
    void FillCard() {
        TypeSingleRows(Rows());
        Put(card->txtCognome, QStringLiteral(" Rossi "));
        Put(card->txtNome, QStringLiteral("  Maria Luisa "));
        Put(card->txtComuneNasc, QStringLiteral("Milano "));
        Put(card->txtProvNasc, QStringLiteral(" MI"));
        Put(card->txtComuneRes, QStringLiteral(" Forl\u00ec"));
        Put(card->txtProvRes, QStringLiteral("FC "));
        Put(card->txtCarta, QStringLiteral(" 4111111111111111 "));
        Put(card->txtScadeCarta, QStringLiteral("09/28 "));
        Put(card->txtDataRil, QStringLiteral(" 01/02/2015"));
        Put(card->txtDataSca, QStringLiteral("01/02/2025  "));
    }

    std::unique_ptr<Report> Filled() {
        auto repScheda = SchedaClienteTemplate();
        FillSchedaCliente(*repScheda, *card);
        return repScheda;
    }

    QStringList CardTexts() const {
        QStringList texts;
        for (const Edit *edit : card->findChildren<Edit *>()) texts.append(edit->text());
        for (const QLabel *label : card->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^lbl"))))
            texts.append(label->text());
        texts.append(card->chkRicontatta->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]"));
        return texts;
    }

    TfrmClienti *card = nullptr;
    FakeShell shell;
};

TEST_F(SchedaClienteTest, TheTemplateIsTheCardSheet) {
    auto repScheda = SchedaClienteTemplate();
    ExpectSheetTemplate(*repScheda, kCardSheet);
}

TEST_F(SchedaClienteTest, EveryRowTakesItsCaptionAndTheCardsTrimmedTexts) {
    FillCard();
    // What the sheet leaves out: the postal code, the sex, the flag, the attachments.
    Put(card->txtCapRes, QStringLiteral("99999"));
    Put(card->txtSesso, QStringLiteral("Q"));
    card->chkRicontatta->setChecked(true);
    card->lblFile01->setText(QStringLiteral("allegato-non-stampato.pdf"));
    card->lblDesc01->setText(QStringLiteral("DESCRIZIONE-NON-STAMPATA"));

    auto repScheda = Filled();
    ASSERT_NO_FATAL_FAILURE(ExpectRows(*repScheda, QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"), Rows()));

    QStringList texts;
    ASSERT_NO_FATAL_FAILURE(ExpectPrepared(*repScheda, QStringLiteral("Deposito [da restituire]"), texts));
    for (const QString &text : texts) {
        EXPECT_FALSE(text.contains(QStringLiteral("99999")) || text.contains(QStringLiteral("NON-STAMPAT")) ||
                     text.contains(QStringLiteral("non-stampato")) || text == QStringLiteral("Q"))
            << text.toStdString();
    }
}

// A new, empty card still makes a sheet: every value empty but the joining
// texts of rows 1, 3, 7, 16 and 21.
TEST_F(SchedaClienteTest, AClearedCardKeepsOnlyTheJoiningTexts) {
    auto repScheda = Filled();
    for (int k = 1; k <= 24; ++k) {
        EXPECT_FALSE(MemoText(*repScheda, Row("titCampo", k)).isEmpty()) << k;
        QString expected;
        if (k == 1 || k == 3 || k == 7) expected = QStringLiteral(" ");
        if (k == 16) expected = QStringLiteral("N.   -  Scadenza: ");
        if (k == 21) expected = QStringLiteral("  -  Scadenza: ");
        EXPECT_EQ(MemoText(*repScheda, Row("txtCampo", k)), expected) << k;
    }
}

TEST_F(SchedaClienteTest, JoinedRowsKeepTheirBlankWhenAPartIsMissing) {
    Put(card->txtCognome, QStringLiteral("Verdi  "));
    Put(card->txtProvRes, QStringLiteral("TO"));
    Put(card->txtScadeCarta, QStringLiteral("12/27"));
    Put(card->txtDataRil, QStringLiteral("03/04/2019"));
    auto repScheda = Filled();
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo01")), QStringLiteral("Verdi "));
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo07")), QStringLiteral(" TO"));
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo16")), QStringLiteral("N.   -  Scadenza: 12/27"));
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo21")), QStringLiteral("03/04/2019  -  Scadenza: "));
}

TEST_F(SchedaClienteTest, TheFooterTellsTheMomentOfTheCommand) {
    clock.Set(QDateTime(QDate(2026, 3, 7), QTime(8, 5, 9)));
    EXPECT_EQ(MemoText(*Filled(), QStringLiteral("txtCalce")),
              QStringLiteral("Stampa eseguita in data 07/03/2026 alle ore 08:05:09"));
    clock.Set(QDateTime(QDate(2026, 3, 7), QTime(8, 6, 9)));
    EXPECT_EQ(MemoText(*Filled(), QStringLiteral("txtCalce")),
              QStringLiteral("Stampa eseguita in data 07/03/2026 alle ore 08:06:09"));
    clock.Set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)));
    Click(card->cmdStampa);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(PictureTexts(printer.printed[0].pages[0])
                    .contains(QStringLiteral("Stampa eseguita in data 31/12/2026 alle ore 23:59:58")));
}

TEST_F(SchedaClienteTest, ANoteOfTwoHundredFiftyCharactersIsCutAtTheEdge) {
    const QString note = QStringLiteral("Cliente abituale, ").repeated(14).left(250);
    Put(card->txtNote, note);
    auto repScheda = Filled();
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo24")), Trim(note));
    repScheda->Prepare();
    const QStringList printed = repScheda->PreparedPages().front().Texts(QStringLiteral("txtCampo24"));
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(note.startsWith(printed[0]));
    EXPECT_LT(printed[0].size(), 100);
}

TEST_F(SchedaClienteTest, PreviewAndPrintShowTheCardAsItStands) {
    FillCard();
    const QStringList before = CardTexts();
    Click(card->cmdAnteprima);
    Click(card->cmdStampa);
    ASSERT_EQ(printer.previewed.size(), 1u);
    ASSERT_EQ(printer.printed.size(), 1u);
    for (const PrintJob *job : {&printer.previewed[0], &printer.printed[0]}) {
        EXPECT_EQ(job->title, QStringLiteral("Scheda informativa"));
        EXPECT_EQ(job->layout.pageSize().id(), QPageSize::A4);
        EXPECT_EQ(job->layout.orientation(), QPageLayout::Portrait);
        ASSERT_EQ(job->pages.size(), 1);
        const QStringList texts = PictureTexts(job->pages[0]);
        EXPECT_TRUE(texts.contains(QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")));
        EXPECT_TRUE(texts.contains(QStringLiteral("Rossi Maria Luisa")));
        EXPECT_TRUE(texts.contains(QStringLiteral("N. 4111111111111111  -  Scadenza: 09/28")));
        EXPECT_TRUE(texts.contains(QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:30:00")));
    }
    EXPECT_EQ(CardTexts(), before);

    // Changes not yet saved are printed as they are shown.
    Put(card->txtNote, QStringLiteral("Nota cambiata"));
    Click(card->cmdStampa);
    ASSERT_EQ(printer.printed.size(), 2u);
    EXPECT_TRUE(PictureTexts(printer.printed[1].pages[0]).contains(QStringLiteral("Nota cambiata")));

    // A cancelled print dialog prints nothing and says nothing.
    printer.acceptDialog = false;
    Click(card->cmdStampa);
    EXPECT_EQ(printer.printed.size(), 2u);
}

TEST_F(SchedaClienteTest, AFailedPrintOrPreviewIsReportedAndTheCardStays) {
    FillCard();
    const QStringList before = CardTexts();
    printer.failWith = QStringLiteral("nessuna stampante installata");
    messages.Expect(MsgKind::Error, PrintFailedBox(QStringLiteral("nessuna stampante installata")));
    Click(card->cmdStampa);
    messages.Expect(MsgKind::Error, PreviewFailedBox(QStringLiteral("nessuna stampante installata")));
    Click(card->cmdAnteprima);
    messages.Verify();
    EXPECT_EQ(CardTexts(), before);
    EXPECT_TRUE(card->isVisible());
}

TEST_F(SchedaClienteTest, ThePdfIsWrittenAndOpenedUnlessTheAnswerIsNo) {
    FillCard();
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::Yes);
    Click(card->cmdPDF);
    messages.Verify();
    ASSERT_TRUE(folder.Exists(kPdf));
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("\"") + ProgramFolder() + QStringLiteral("Cliente.pdf\"")});
    const QByteArray pdf = folder.Read(kPdf);
    EXPECT_FALSE(pdf.contains("/FlateDecode"));
    EXPECT_TRUE(pdf.contains("/Title (Scheda informativa)"));
    EXPECT_TRUE(pdf.contains("/Subject (Scheda informativa)"));
    EXPECT_FALSE(pdf.contains("/Author"));
    EXPECT_FALSE(pdf.contains("/Creator"));
    EXPECT_FALSE(pdf.contains("/Encrypt"));

    if (HasPdfTools()) {
        const QString text = RunPdfTool(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-layout"), folder.Path(kPdf), QStringLiteral("-")});
        for (const QString &expected :
             {QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"), QStringLiteral("Cognome e nome:"),
              QStringLiteral("Forl\u00ec FC"), QStringLiteral("Rossi & Figli"),
              QStringLiteral("Deposito [da restituire]"),
              QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:30:00")})
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
        const QString info = RunPdfTool(QStringLiteral("pdfinfo"), {folder.Path(kPdf)});
        EXPECT_TRUE(
            info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"), QRegularExpression::MultilineOption)));
    }

    // "No" leaves the file written and opens nothing.
    shell.opened.clear();
    QFile::remove(folder.Path(kPdf));
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    Click(card->cmdPDF);
    EXPECT_TRUE(folder.Exists(kPdf));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(SchedaClienteTest, ASecondPdfOverwritesTheFirstWithoutAQuestion) {
    FillCard();
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    Click(card->cmdPDF);
    const QByteArray first = folder.Read(kPdf);
    Put(card->txtCodFisc, QStringLiteral("VRDGPP70A01L219Z"));
    clock.Set(QDateTime(QDate(2026, 3, 14), QTime(9, 31, 0)));
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    Click(card->cmdPDF);
    const QByteArray second = folder.Read(kPdf);
    EXPECT_TRUE(first.contains("(RSSMLS80E52F205X)"));
    EXPECT_TRUE(second.contains("(VRDGPP70A01L219Z)"));
    EXPECT_TRUE(second.contains("alle ore 09:31:00"));
    EXPECT_EQ(folder.Entries(), QStringList{kPdf});  // no temporary file left behind
}

TEST_F(SchedaClienteTest, AnUnwritablePdfIsReportedWithoutTheQuestion) {
    FillCard();
    folder.Block(kPdf);
    messages.Expect(MsgKind::Error, QStringLiteral("Attenzione: non \u00e8 stato possibile creare il file PDF.\n\r\n\r"
                                                   "Motivo: impossibile scrivere il file \"%1\"")
                                        .arg(QDir::toNativeSeparators(folder.Path(kPdf))));
    const QStringList before = CardTexts();
    Click(card->cmdPDF);
    messages.Verify();
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(QFileInfo(folder.Path(kPdf)).isDir());
    EXPECT_EQ(folder.Entries(), QStringList{kPdf});
    EXPECT_EQ(CardTexts(), before);
}

// An old "Cliente.pdf" stays whole when the new one cannot be written out.
TEST_F(SchedaClienteTest, AFailedPdfWriteKeepsTheOldFile) {
    folder.Write(kPdf, QByteArray("vecchio PDF"));
    FillCard();
    {
        WriteLimit full(200);
        messages.Expect(MsgKind::Error,
                        QStringLiteral("Attenzione: non \u00e8 stato possibile creare il file PDF.\n\r\n\r"
                                       "Motivo: impossibile scrivere il file \"%1\"")
                            .arg(QDir::toNativeSeparators(folder.Path(kPdf))));
        Click(card->cmdPDF);
        messages.Verify();
    }
    EXPECT_EQ(folder.Read(kPdf), QByteArray("vecchio PDF"));
    EXPECT_EQ(folder.Entries(), QStringList{kPdf});
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(SchedaClienteTest, TheCommandsNeverTouchTheArchiveOrTheCard) {
    FillCard();
    ASSERT_TRUE(card->lblPosizione->text().isEmpty());
    const QStringList before = CardTexts();
    Click(card->cmdAnteprima);
    Click(card->cmdStampa);
    messages.Expect(MsgKind::Confirmation, kDone, MsgButton::No);
    Click(card->cmdPDF);
    EXPECT_EQ(printer.previewed.size(), 1u);
    EXPECT_EQ(printer.printed.size(), 1u);
    EXPECT_FALSE(folder.Exists(kCustomerArchive));
    EXPECT_EQ(folder.Entries(), QStringList{kPdf});
    EXPECT_EQ(CardTexts(), before);
}

}  // namespace
}  // namespace vel::test
