// The booking card's sheet "SCHEDA PRENOTAZIONE VEICOLO" (print and preview)
// and its confirmation e-mail.
#include "BookingFixture.h"
#include "bookings/SchedaPrenotazione.h"
#include "cards/FindDialog.h"
#include "common/TextRules.h"
#include "report/PageImages.h"
#include "support/CardSheetChecks.h"

namespace vel::test {
namespace {

using report::Memo;
using report::Report;

using namespace sheet;

const QString kNotice = QStringLiteral(
    "La presente scheda di prenotazione veicolo ha carattere soltanto informativo e non sostituisce in alcun modo il "
    "Contratto di noleggio di autoveicolo senza conducente sottoscritto a parte dal Cliente.");

const char *const kCaptions[] = {
    "Data partenza:",  "Sede partenza:",          "Tipo veicolo:",   "Marca:",   "Modello:",
    "Colore:",         "Alimentazione:",          "Targa:",          "Cognome e nome cliente:",
    "Codice fiscale:", "Telefono preferenziale:", "Tel. cellulare:", "E-mail:",  "Data rientro:",
    "Sede rientro:",
};

class SchedaPrenotazioneTest : public BookingTest {
protected:
    void SetUp() override {
        BookingTest::SetUp();
        OpenYear(2025);
        card = Card();
    }
    // The booking of the e-mail's example: from Roma on 04 Marzo 2025 at
    // 09:30, back to Milano on 06 Marzo 2025 at 18:00; every text with
    // blanks around it, as typed.
    void FillCard() {
        const Record booking = CompleteBooking(2025);
        for (const FieldDef &f : BookingRecord.Fields()) {
            const QString name = QString::fromLatin1(f.name.data(), int(f.name.size()));
            const QByteArray control = (QStringLiteral("txt") + name).toLatin1();
            if (!card->findChild<QWidget *>(QString::fromLatin1(control))) continue;
            SetControlTextOf(card, control.constData(), QStringLiteral(" ") + booking.Text(f.name) + QStringLiteral("  "));
        }
    }
    std::unique_ptr<Report> Filled() const {
        auto repScheda = SchedaPrenotazioneTemplate();
        FillSchedaPrenotazione(*repScheda, *card);
        return repScheda;
    }
    QStringList CardTexts() const {
        QStringList texts;
        for (const Edit *edit : card->findChildren<Edit *>()) texts.append(edit->text());
        for (const QLabel *label : card->findChildren<QLabel *>()) texts.append(label->text());
        return texts;
    }

    TfrmPrenotazioni *card = nullptr;
    FakeShell shell;
};

TEST_F(SchedaPrenotazioneTest, TheTemplateIsLaidOutAsDesigned) {
    auto repScheda = SchedaPrenotazioneTemplate();
    // Fifteen rows 9 mm apart; the notices, the signature and the footer
    // below them.
    ExpectSheetTemplate(*repScheda, {15, 22, 9,
                                     {{"linSepara01", QRectF(3, 17, 185, 0)}, {"linSepara02", QRectF(3, 158, 185, 0)},
                                      {"linSepara03", QRectF(3, 180, 185, 0)}, {"linSepara04", QRectF(3, 265, 185, 0)}}});
    EXPECT_EQ(repScheda->FindObject(QStringLiteral("titCampo16")), nullptr);
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo16")), kNotice);
    EXPECT_TRUE(repScheda->Get<Memo>(QStringLiteral("txtCampo16")).wordWrap);
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCampo17")), QStringLiteral("TRATTAMENTO DEI DATI PERSONALI"));
    EXPECT_TRUE(repScheda->Get<Memo>(QStringLiteral("txtCampo17")).alignment & Qt::AlignHCenter);
    const QString privacy = MemoText(*repScheda, QStringLiteral("txtCampo18"));
    EXPECT_TRUE(privacy.startsWith(QStringLiteral("Ai sensi del Regolamento (UE) 2016/679")));
    EXPECT_FALSE(privacy.contains(u'\n'));
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtFirma")), QStringLiteral("Firma del Cliente per accettazione."));
    // The signature line stands just above its caption, in the right half.
    const auto &signature = repScheda->Get<report::Line>(QStringLiteral("linFirma"));
    const Memo &firma = repScheda->Get<Memo>(QStringLiteral("txtFirma"));
    EXPECT_GE(signature.bounds.left(), 95);
    EXPECT_LE(signature.bounds.top(), firma.bounds.top());
    EXPECT_GT(signature.bounds.top(), firma.bounds.top() - 3);
}

TEST_F(SchedaPrenotazioneTest, EveryRowTakesItsCaptionAndTheCardsTrimmedTexts) {
    FillCard();
    auto repScheda = Filled();
    EXPECT_EQ(repScheda->Page().orientation, QPageLayout::Portrait);
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtTitolo")), QStringLiteral("SCHEDA PRENOTAZIONE VEICOLO"));
    const QString values[] = {
        QStringLiteral("04 Marzo 2025  -  Ora: 09:30"),
        QStringLiteral("Roma"),
        QStringLiteral("Autovettura  -  Posti: 5"),
        QStringLiteral("Fiat"),
        QStringLiteral("Panda"),
        QStringLiteral("Bianco"),
        QStringLiteral("Benzina"),
        QStringLiteral("AB123CD"),
        QStringLiteral("Rossi Mario"),
        QStringLiteral("RSSMRA80A01H501U"),
        QStringLiteral("06 1234567"),
        QStringLiteral("333 1234567"),
        QStringLiteral("mario.rossi@example.it"),
        QStringLiteral("06 Marzo 2025  -  Ora: 18:00"),
        QStringLiteral("Milano"),
    };
    for (int k = 1; k <= 15; ++k) {
        EXPECT_EQ(MemoText(*repScheda, Row("titCampo", k)), QString::fromUtf8(kCaptions[k - 1])) << k;
        EXPECT_EQ(MemoText(*repScheda, Row("txtCampo", k)), values[k - 1]) << k;
    }
    EXPECT_EQ(MemoText(*repScheda, QStringLiteral("txtCalce")),
              QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:30:00"));

    repScheda->Prepare();
    ASSERT_EQ(repScheda->PreparedPages().size(), 1u);
    const QStringList texts = repScheda->PreparedPages().front().Texts();
    for (const QString &text : texts)
        EXPECT_FALSE(text.contains(QStringLiteral("Campo")) || text.contains(QStringLiteral("Titolo Scheda")) ||
                     text.contains(QStringLiteral("Termine scheda")))
            << text.toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Firma del Cliente per accettazione.")));
}

// Right after "Apri" the sheet shows the joining texts, the year and 00:00.
TEST_F(SchedaPrenotazioneTest, AnEmptyCardPreviewsItsJoiningTextsOnly) {
    card->cmdAnteprimaClick();
    ASSERT_EQ(printer.previewed.size(), 1u);
    const PrintJob &job = printer.previewed[0];
    EXPECT_EQ(job.title, QStringLiteral("Scheda informativa"));
    EXPECT_EQ(job.layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(job.layout.orientation(), QPageLayout::Portrait);
    ASSERT_EQ(job.pages.size(), 1);
    const QStringList texts = PictureTexts(job.pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("SCHEDA PRENOTAZIONE VEICOLO")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Stampa eseguita in data 14/03/2026 alle ore 09:30:00")));

    auto repScheda = Filled();
    for (int k = 1; k <= 15; ++k) {
        const QString expected = (k == 1 || k == 14) ? QStringLiteral("  2025  -  Ora: 00:00")
                                 : k == 3             ? QStringLiteral("  -  Posti: ")
                                                      : QString();
        EXPECT_EQ(MemoText(*repScheda, Row("txtCampo", k)), expected) << k;
    }
    EXPECT_TRUE(printer.printed.empty());
}

// The sheet prints what the card shows, saved or not; the print dialog
// cancelled prints nothing and says nothing.
TEST_F(SchedaPrenotazioneTest, PrintShowsTheCardAsItStands) {
    FillCard();
    card->cmdStampaClick();
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_TRUE(PictureTexts(printer.printed[0].pages[0]).contains(QStringLiteral("Rossi Mario")));

    messages.Expect(MsgKind::Information, QStringLiteral("La scheda corrente \u00e8 stata salvata in archivio."));
    card->cmdSalvaClick();
    card->txtCliente->setText(QStringLiteral("Verdi Anna"));
    clock.Set(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58)));
    card->cmdStampaClick();
    ASSERT_EQ(printer.printed.size(), 2u);
    const QStringList texts = PictureTexts(printer.printed[1].pages[0]);
    EXPECT_TRUE(texts.contains(QStringLiteral("Verdi Anna")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Rossi Mario")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Stampa eseguita in data 31/12/2026 alle ore 23:59:58")));
    EXPECT_EQ(QString::fromLatin1(folder.Read(BookingArchive(2025)).mid(504, 11)), QStringLiteral("Rossi Mario"));

    printer.acceptDialog = false;
    card->cmdStampaClick();
    EXPECT_EQ(printer.printed.size(), 2u);
    EXPECT_TRUE(printer.previewed.empty());
    EXPECT_TRUE(messages.Shown().size() == 1);
}

TEST_F(SchedaPrenotazioneTest, AFailedPrintOrPreviewIsReportedAndTheCardStays) {
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

// ---- the confirmation e-mail ---------------------------------------------------------------

// The address is checked first, then the name; each warning puts the focus
// on its edit and nothing goes to the desktop.
TEST_F(SchedaPrenotazioneTest, TheMailWantsAnAddressThenAName) {
    const QString noAddress = QStringLiteral(
        "Attenzione: per inviare la conferma di prenotazione al cliente \u00e8 necessario indicare l'indirizzo di "
        "posta elettronica.");
    const QString noName = QStringLiteral(
        "Attenzione: per inviare la conferma di prenotazione \u00e8 necessario indicare il nome del cliente.");
    card->txtEmail->setText(QStringLiteral("   "));
    messages.Expect(MsgKind::Warning, noAddress);
    Click(card->cmdEmail);
    messages.Verify();
    EXPECT_EQ(Focused(), card->txtEmail);

    card->txtEmail->setText(QStringLiteral("a@b.it"));
    card->txtCliente->setText(QStringLiteral(" \t"));
    messages.Expect(MsgKind::Warning, noName);
    Click(card->cmdEmail);
    messages.Verify();
    EXPECT_EQ(Focused(), card->txtCliente);
    EXPECT_TRUE(shell.opened.isEmpty());
}

// The example booking's mail, piece by piece, handed over in double quotes.
TEST_F(SchedaPrenotazioneTest, TheMailIsBuiltFromItsPieces) {
    FillCard();
    card->txtEmail->setText(QStringLiteral("  mario.rossi@example.it "));
    Click(card->cmdEmail);
    const QString body = QStringLiteral(
        "Gentile Cliente,%0D%0A%0D%0Ala presente \u00e8 per confermare la prenotazione effettuata a nome di Rossi "
        "Mario relativa al noleggio del seguente veicolo:%0D%0A%0D%0A"
        "   \u2022 Tipo: Autovettura%0D%0A"
        "   \u2022 Marca e modello: Fiat Panda%0D%0A"
        "   \u2022 Targa: AB123CD%0D%0A"
        "   \u2022 Colore: Bianco%0D%0A"
        "   \u2022 Posti: 5%0D%0A%0D%0A"
        "La partenza avverr\u00e0 in data 04 Marzo 2025 alle ore 09:30 presso la sede di Roma mentre il rientro "
        "\u00e8 previsto in data 06 Marzo 2025 alle ore 18:00 presso la sede di Milano.%0D%0A%0D%0A"
        "Ringraziandola per la preferenza accordataci, le porgiamo cordiali saluti.");
    const QString mailto = QStringLiteral("mailto:mario.rossi@example.it?subject=Conferma prenotazione "
                                          "autonoleggio&body=") +
                           body;
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0], QStringLiteral("\"") + mailto + QStringLiteral("\""));
    EXPECT_EQ(BookingConfirmationMailto(*card), mailto);
    EXPECT_TRUE(shell.opened[0].endsWith(QStringLiteral("cordiali saluti.\"")));
    EXPECT_TRUE(messages.Shown().empty());
}

// In the values "%", "&" and "#" are encoded so that none can end the body
// or be read as an encoded character; blanks, accents and the rest stay.
TEST_F(SchedaPrenotazioneTest, MailValuesEncodeOnlyPercentAmpersandAndHash) {
    FillCard();
    card->txtCliente->setText(U("Caff\u00e8 & Figli #2 al 100%"));
    card->txtSedeRit->setText(QStringLiteral("Via Roma 1 & 2"));
    card->txtSedeRic->setText(QStringLiteral("Piazza #3"));
    card->txtEmail->setText(QStringLiteral("uff%ici#o@x.it"));
    card->txtModello->setText(U("P\u00e0nda \u2022 4x4?"));
    const QString mailto = BookingConfirmationMailto(*card);
    EXPECT_TRUE(mailto.startsWith(QStringLiteral("mailto:uff%25ici%23o@x.it?subject=Conferma prenotazione "
                                                 "autonoleggio&body=")));
    EXPECT_TRUE(mailto.contains(U("a nome di Caff\u00e8 %26 Figli %232 al 100%25 relativa")));
    EXPECT_TRUE(mailto.contains(U("Marca e modello: Fiat P\u00e0nda \u2022 4x4?%0D%0A")));
    EXPECT_TRUE(mailto.contains(QStringLiteral("presso la sede di Via Roma 1 %26 2 mentre")));
    EXPECT_TRUE(mailto.contains(QStringLiteral("presso la sede di Piazza %233.%0D%0A")));
    EXPECT_EQ(mailto.count(QLatin1Char('&')), 1);
    EXPECT_EQ(mailto.count(QLatin1Char('#')), 0);
}

// A "?" in the address would start the query there ("a?cc=x@y.it" adds a
// copy to x@y.it): it is encoded in the address, and only there.
TEST_F(SchedaPrenotazioneTest, AQuestionMarkInTheAddressCannotStartTheQuery) {
    FillCard();
    card->txtEmail->setText(QStringLiteral(" a?cc=x@y.it "));
    card->txtModello->setText(QStringLiteral("Panda?"));
    Click(card->cmdEmail);
    ASSERT_EQ(shell.opened.size(), 1);
    const QString mailto = shell.opened[0];
    EXPECT_TRUE(mailto.startsWith(QStringLiteral("\"mailto:a%3Fcc=x@y.it?subject=Conferma prenotazione ")))
        << mailto.toStdString();
    EXPECT_EQ(mailto.count(QLatin1Char('?')), 2);  // the query's and the model's
    EXPECT_TRUE(mailto.contains(QStringLiteral("Panda?%0D%0A")));
}

// When the desktop has no program for the mail, the user is told so.
TEST_F(SchedaPrenotazioneTest, AMailNoProgramTakesIsReported) {
    FillCard();
    shell.opens = false;
    messages.Expect(MsgKind::Warning,
                    QStringLiteral("Attenzione: impossibile avviare il programma di posta elettronica.\r\n\r\n"
                                   "Verificare che nel sistema sia installato e configurato un programma di posta "
                                   "elettronica."));
    Click(card->cmdEmail);
    messages.Verify();
    EXPECT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(card->txtCliente->text(), QStringLiteral(" Rossi Mario  "));
}

}  // namespace
}  // namespace vel::test
