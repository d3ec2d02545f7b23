#include "SchedaPrenotazione.h"

#include <QDateTime>
#include <array>
#include <exception>

#include "bookings/Prenotazioni.h"
#include "cards/CardSheet.h"
#include "common/Clock.h"
#include "common/TextRules.h"
#include "dialogs/OpenURL.h"
#include "platform/MessageBox.h"
#include "report/ReportOutput.h"

namespace vel {
namespace {

using report::Memo;
using report::Report;

const QString kReportName = QStringLiteral("Scheda informativa");
constexpr int kRowCount = 15;

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

const char *const kCaptions[kRowCount] = {
    "Data partenza:",  "Sede partenza:",          "Tipo veicolo:",   "Marca:",   "Modello:",
    "Colore:",         "Alimentazione:",          "Targa:",          "Cognome e nome cliente:",
    "Codice fiscale:", "Telefono preferenziale:", "Tel. cellulare:", "E-mail:",  "Data rientro:",
    "Sede rientro:",
};

const char *const kNotice =
    "La presente scheda di prenotazione veicolo ha carattere soltanto informativo e non sostituisce in alcun modo "
    "il Contratto di noleggio di autoveicolo senza conducente sottoscritto a parte dal Cliente.";

const char *const kPrivacy =
    "Ai sensi del Regolamento (UE) 2016/679 il Cliente, con la sottoscrizione della presente scheda, dichiara di "
    "essere stato informato che i dati forniti potranno essere oggetto di trattamento. Titolare del trattamento "
    "\u00e8 il soggetto indicato nel Contratto di noleggio di autoveicolo senza conducente sottoscritto dal Cliente. "
    "I dati sono trattati per la conclusione e l'esecuzione dei contratti di noleggio, per la tenuta di un archivio "
    "clienti finalizzato a tali scopi e per l'applicazione degli standard internazionali dei sistemi di pagamento "
    "convenuti con il locatore. Il locatore potr\u00e0 inoltre utilizzarli affinch\u00e9 le pubbliche autorit\u00e0 "
    "possano notificare al Cliente responsabile gli eventuali verbali di violazione delle norme sulla circolazione "
    "stradale, ai fini del pagamento delle relative sanzioni. Il trattamento avviene con strumenti idonei a "
    "garantire la sicurezza e la riservatezza dei dati. Il conferimento dei dati e il consenso al loro trattamento "
    "sono liberi ma necessari per l'instaurazione del rapporto di noleggio. Il Cliente potr\u00e0 in ogni momento "
    "ottenere l'aggiornamento, la rettifica o la cancellazione dei dati.";

QString RowName(const char *prefix, int k) {
    return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

// Row k lies 9 mm below the row above it, the first 22 mm from the top.
double RowTop(int k) { return 22 + 9 * (k - 1); }

Memo &AddText(report::ReportPage &page, const QString &name, const QRectF &bounds, const QString &text, double points,
              const QColor &colour, Qt::Alignment horizontal, const QColor &fill = QColor(), bool bold = false) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), points, bold, colour};
    memo.fill = fill;
    memo.alignment = horizontal | Qt::AlignVCenter;
    memo.wordWrap = false;
    return memo;
}

// A notice of several lines, broken at the memo's width.
Memo &AddNotice(report::ReportPage &page, const QString &name, const QRectF &bounds, const QString &text,
                double points) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), points, false, Qt::black};
    memo.alignment = Qt::AlignLeft | Qt::AlignTop;
    memo.wordWrap = true;
    return memo;
}

QString T(const QWidget *control) {
    if (auto *edit = qobject_cast<const Edit *>(control)) return Trim(edit->text());
    if (auto *combo = qobject_cast<const ComboEdit *>(control)) return Trim(combo->text());
    if (auto *label = qobject_cast<const QLabel *>(control)) return Trim(label->text());
    return QString();
}

// The values of the 15 rows, each made of the card's trimmed texts.
std::array<QString, kRowCount> RowValues(const TfrmPrenotazioni &c) {
    const QString atTime = QStringLiteral("  -  Ora: ");
    return {
        T(c.txtGiornoRit) + u' ' + T(c.txtMeseRit) + u' ' + T(c.lblAnnoRit) + atTime + T(c.txtOreRit) + u':' +
            T(c.txtMinutiRit),
        T(c.txtSedeRit),
        T(c.txtVeicolo) + QStringLiteral("  -  Posti: ") + T(c.txtPosti),
        T(c.txtMarca),
        T(c.txtModello),
        T(c.txtColore),
        T(c.txtAlimentazione),
        T(c.txtTarga),
        T(c.txtCliente),
        T(c.txtCodFisc),
        T(c.txtRecapito),
        T(c.txtTelCel),
        T(c.txtEmail),
        T(c.txtGiornoRic) + u' ' + T(c.txtMeseRic) + u' ' + T(c.lblAnnoRic) + atTime + T(c.txtOreRic) + u':' +
            T(c.txtMinutiRic),
        T(c.txtSedeRic),
    };
}

// The filled and prepared sheet; nullptr when that failed, after the error box.
std::unique_ptr<Report> PreparedScheda(const TfrmPrenotazioni &card, QString (*failure)(const QString &)) {
    try {
        std::unique_ptr<Report> repScheda = SchedaPrenotazioneTemplate();
        FillSchedaPrenotazione(*repScheda, card);
        repScheda->Prepare();
        return repScheda;
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, failure(QString::fromUtf8(e.what())));
        return nullptr;
    }
}

}  // namespace

std::unique_ptr<Report> SchedaPrenotazioneTemplate() {
    auto repScheda = std::make_unique<Report>(kReportName);
    report::ReportPage &page =
        repScheda->AddPage(QStringLiteral("Page1"), report::kA4, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    page.AddPicture(QStringLiteral("imgLogo"), QRectF(3, 3, 17, 13), CardSheetFolderPicture());
    AddText(page, QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), QStringLiteral("Titolo Scheda"), 16, Qt::white,
            Qt::AlignHCenter, kDarkOrange);
    page.AddLine(QStringLiteral("linSepara01"), QRectF(3, 17, 185, 0));
    for (int k = 1; k <= kRowCount; ++k) {
        const QString placeholder = QStringLiteral("Campo %1").arg(k);
        AddText(page, RowName("titCampo", k), QRectF(3, RowTop(k), 52, 6), placeholder, 9, Qt::white, Qt::AlignLeft,
                kTeal);
        AddText(page, RowName("txtCampo", k), QRectF(60, RowTop(k), 128, 6), placeholder, 10, Qt::black,
                Qt::AlignLeft);
    }
    page.AddLine(QStringLiteral("linSepara02"), QRectF(3, 158, 185, 0));
    AddNotice(page, QStringLiteral("txtCampo16"), QRectF(3, 162, 185, 14), QString::fromUtf8(kNotice), 9);
    page.AddLine(QStringLiteral("linSepara03"), QRectF(3, 180, 185, 0));
    AddText(page, QStringLiteral("txtCampo17"), QRectF(3, 184, 185, 6),
            QStringLiteral("TRATTAMENTO DEI DATI PERSONALI"), 10, Qt::black, Qt::AlignHCenter, QColor(), true);
    AddNotice(page, QStringLiteral("txtCampo18"), QRectF(3, 192, 185, 46), QString::fromUtf8(kPrivacy), 8);
    page.AddLine(QStringLiteral("linFirma"), QRectF(100, 252, 88, 0));
    AddText(page, QStringLiteral("txtFirma"), QRectF(100, 253, 88, 6),
            QStringLiteral("Firma del Cliente per accettazione."), 9, Qt::black, Qt::AlignHCenter);
    page.AddLine(QStringLiteral("linSepara04"), QRectF(3, 265, 185, 0));
    AddText(page, QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), QStringLiteral("Termine scheda"), 10, Qt::white,
            Qt::AlignHCenter, kDarkOrange);
    return repScheda;
}

void FillSchedaPrenotazione(Report &repScheda, const TfrmPrenotazioni &card) {
    repScheda.Page().SetOrientation(QPageLayout::Portrait);
    repScheda.Get<Memo>(QStringLiteral("txtTitolo")).SetText(QStringLiteral("SCHEDA PRENOTAZIONE VEICOLO"));
    const auto values = RowValues(card);
    for (int k = 1; k <= kRowCount; ++k) {
        repScheda.Get<Memo>(RowName("titCampo", k)).SetText(QString::fromUtf8(kCaptions[k - 1]));
        repScheda.Get<Memo>(RowName("txtCampo", k)).SetText(values[size_t(k - 1)]);
    }
    const QDateTime now = Now();
    repScheda.Get<Memo>(QStringLiteral("txtCalce"))
        .SetText(QStringLiteral("Stampa eseguita in data ") + FormatDateText(now.date()) +
                 QStringLiteral(" alle ore ") + now.time().toString(QStringLiteral("hh:mm:ss")));
}

void PrintSchedaPrenotazione(TfrmPrenotazioni &card) {
    if (auto repScheda = PreparedScheda(card, report::PrintFailureMessage)) report::PrintReport(*repScheda, &card);
}

void PreviewSchedaPrenotazione(TfrmPrenotazioni &card) {
    if (auto repScheda = PreparedScheda(card, report::PreviewFailureMessage)) report::PreviewReport(*repScheda, &card);
}

QString BookingConfirmationMailto(const TfrmPrenotazioni &c) {
    // The literal pieces carry their line breaks already encoded; a value
    // gets "%", "&" and "#" encoded, so that none of them can end the body
    // early or be taken for an encoded character, and the address a "?" too,
    // which would start the query inside it. Nothing else is encoded.
    auto v = [](const QWidget *control) { return MailtoValue(T(control)); };
    const QString bullet = QStringLiteral("   \u2022 ");
    const QString body =
        QStringLiteral("Gentile Cliente,%0D%0A%0D%0Ala presente \u00e8 per confermare la prenotazione effettuata a "
                       "nome di ") +
        v(c.txtCliente) + QStringLiteral(" relativa al noleggio del") + QStringLiteral(" seguente veicolo:") +
        QStringLiteral("%0D%0A%0D%0A") + bullet + QStringLiteral("Tipo: ") + v(c.txtVeicolo) +
        QStringLiteral("%0D%0A") + bullet + QStringLiteral("Marca e modello: ") + v(c.txtMarca) + QStringLiteral(" ") +
        v(c.txtModello) + QStringLiteral("%0D%0A") + bullet + QStringLiteral("Targa: ") + v(c.txtTarga) +
        QStringLiteral("%0D%0A") + bullet + QStringLiteral("Colore: ") + v(c.txtColore) + QStringLiteral("%0D%0A") +
        bullet + QStringLiteral("Posti: ") + v(c.txtPosti) + QStringLiteral("%0D%0A%0D%0A") +
        QStringLiteral("La partenza avverr\u00e0 in data ") + v(c.txtGiornoRit) + QStringLiteral(" ") +
        v(c.txtMeseRit) + QStringLiteral(" ") + v(c.lblAnnoRit) + QStringLiteral(" alle ore ") + v(c.txtOreRit) +
        QStringLiteral(":") + v(c.txtMinutiRit) + QStringLiteral(" presso") + QStringLiteral(" la sede di ") +
        v(c.txtSedeRit) + QStringLiteral(" mentre il rientro \u00e8 previsto in data ") + v(c.txtGiornoRic) +
        QStringLiteral(" ") + v(c.txtMeseRic) + QStringLiteral(" ") + v(c.lblAnnoRic) + QStringLiteral(" alle") +
        QStringLiteral(" ore ") + v(c.txtOreRic) + QStringLiteral(":") + v(c.txtMinutiRic) +
        QStringLiteral(" presso la sede di ") + v(c.txtSedeRic) + QStringLiteral(".") +
        QStringLiteral("%0D%0A%0D%0A") +
        QStringLiteral("Ringraziandola per la preferenza accordataci, le porgiamo cordiali saluti.");
    return QStringLiteral("mailto:") + MailtoAddress(T(c.txtEmail)) + QStringLiteral("?subject=") +
           QStringLiteral("Conferma prenotazione autonoleggio") + QStringLiteral("&body=") + body;
}

void SendBookingConfirmation(TfrmPrenotazioni &card) {
    if (T(card.txtEmail).isEmpty()) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: per inviare la conferma di prenotazione al cliente "
                                                    "\u00e8 necessario indicare l'indirizzo di posta elettronica."));
        card.txtEmail->setFocus();
        return;
    }
    if (T(card.txtCliente).isEmpty()) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: per inviare la conferma di prenotazione \u00e8 "
                                                    "necessario indicare il nome del cliente."));
        card.txtCliente->setFocus();
        return;
    }
    TMisc::Open(QStringLiteral("\"") + BookingConfirmationMailto(card) + QStringLiteral("\""));
}

}  // namespace vel
