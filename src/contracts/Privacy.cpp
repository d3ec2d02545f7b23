#include "Privacy.h"

#include <exception>

#include "cards/KeyFilters.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmPrivacy *frmPrivacy = nullptr;

namespace {

using report::Memo;
using report::Report;

constexpr int kWidth = 700, kHeight = 560;

// The edits' ground: alice blue in a sky-blue border, yellow while the edit
// has the focus.
const QColor kAliceBlue(0xF0, 0xF8, 0xFF);
const QColor kSkyBlue(0x87, 0xCE, 0xEB);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kBeige(0xF5, 0xF5, 0xDC);

struct EditDef {
    const char *name;
    const char *caption;  // UTF-8
    int maxLength;
    bool centred;
    bool code;  // trimmed and in capitals while typed
};

constexpr EditDef kEdits[] = {
    {"txtNumContratto", "Contratto n.", 30, true, false},
    {"txtData", "Data stipula:", 10, true, false},
    {"txtDitta", "Locatore (Ditta autonoleggio):", 250, false, false},
    {"txtCliente", "Cognome e nome Cliente:", 120, false, false},
    {"txtCodFisc", "Codice fiscale:", 16, false, true},
    {"txtDataNasc", "Data di nascita:", 30, true, false},
    {"txtComuneNasc", "Comune di nascita:", 50, false, false},
    {"txtProvNasc", "Prov.", 2, false, true},
    {"txtPrivacy", "Titolare privacy:", 120, false, false},
    {"txtLuogoFirma", "Luogo:", 120, false, false},
    {"txtDataFirma", "Data:", 10, true, false},
};

// Where each edit stands in the window: x, y, width of the edit, with its
// caption above it, as wide as the edit, clear of the two lines of the hint.
constexpr QRect kPlaces[] = {
    {24, 110, 200, 30},  {244, 110, 150, 30}, {24, 170, 652, 30},  {24, 230, 420, 30},
    {464, 230, 212, 30}, {24, 290, 200, 30},  {244, 290, 330, 30}, {594, 290, 82, 30},
    {24, 350, 652, 30},  {24, 410, 420, 30},  {464, 410, 150, 30},
};

const QString kNoticeBody = QStringLiteral(
    "Finalit\u00e0 del trattamento. I dati personali del Cliente sono trattati per la conclusione e "
    "l'esecuzione dei contratti di noleggio di veicoli, per la tenuta di una banca dati dei clienti, per la "
    "gestione dei sistemi di pagamento concordati e per consentire alle pubbliche autorit\u00e0 di inoltrare al "
    "Cliente i verbali e le sanzioni relativi alle violazioni delle norme sulla circolazione stradale commesse "
    "durante il noleggio.\n"
    "\n"
    "Sistemi di geolocalizzazione (GPS). Il veicolo \u00e8 dotato di un dispositivo GPS che rileva e registra la "
    "posizione del veicolo, la velocit\u00e0, le accelerazioni e le statistiche di viaggio. Questi dati sono "
    "trattati per la tutela del patrimonio aziendale, per la prevenzione di reati, per la difesa da richieste "
    "di risarcimento infondate, per la prova del servizio reso, per l'accertamento dei chilometri percorsi in "
    "eccedenza e per la manutenzione del veicolo.\n"
    "\n"
    "Conservazione e base giuridica. I dati sono conservati per cinque anni. Il trattamento si fonda sul "
    "legittimo interesse del Locatore e sull'adempimento degli obblighi contrattuali.\n"
    "\n"
    "Modalit\u00e0 del trattamento. I dati sono trattati da societ\u00e0 esterne specializzate, nominate dal "
    "Locatore, anche al di fuori dell'Unione Europea, con le garanzie richieste dalla normativa vigente.\n"
    "\n"
    "Comunicazione dei dati. I dati possono essere comunicati a terzi per esigenze di servizio.\n"
    "\n"
    "Diritti dell'interessato. Il Cliente ha diritto di accedere ai propri dati, di ottenerne la rettifica, la "
    "cancellazione e la limitazione del trattamento, di revocare in qualsiasi momento il consenso prestato e di "
    "proporre reclamo a un'autorit\u00e0 di controllo.");

const QString kConsent = QStringLiteral(
    "Il Cliente dichiara di aver ricevuto la presente Informativa e, preso atto di quanto in essa esposto, "
    "esprime il proprio consenso:\n"
    "1) al trattamento dei propri dati personali, comprese le categorie particolari di dati, per le "
    "finalit\u00e0 indicate nell'Informativa;\n"
    "2) alla comunicazione dei propri dati a enti pubblici e a societ\u00e0 private per le finalit\u00e0 "
    "indicate nell'Informativa.");

Memo &AddText(report::ReportPage &page, const QString &name, const QRectF &bounds, const QString &text,
              double points, bool bold = false, Qt::Alignment horizontal = Qt::AlignLeft) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), points, bold, Qt::black};
    memo.alignment = horizontal | Qt::AlignVCenter;
    memo.wordWrap = false;
    return memo;
}

// A memo the window fills: one line on beige, cut at its edge.
void AddValue(report::ReportPage &page, const QString &name, const QRectF &bounds) {
    Memo &memo = AddText(page, name, bounds, name.mid(3), 10, true);
    memo.fill = kBeige;
}

Memo &AddParagraph(report::ReportPage &page, const QString &name, const QRectF &bounds, const QString &text,
                   double points) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), points, false, Qt::black};
    memo.alignment = Qt::AlignLeft | Qt::AlignTop;
    memo.wordWrap = true;
    return memo;
}

}  // namespace

TfrmPrivacy::TfrmPrivacy(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmPrivacy"));
    SetCaption(QStringLiteral(" Informativa sulla Privacy"));
    SetFixedClientSize(kWidth, kHeight);
    SetGradient(QColor(0xB0, 0xC4, 0xDE), Qt::white);
    SetPlacement(Placement::Owner);

    auto *title = new QLabel(QStringLiteral("Informativa sul trattamento dei dati personali"), this);
    title->setGeometry(24, 14, kWidth - 48, 26);
    title->setFont(UiFont(QStringLiteral("Verdana"), 13, true));
    auto *hint = new QLabel(QStringLiteral("I dati sottostanti possono essere corretti per la sola stampa "
                                           "dell'informativa: la scheda del contratto non cambia."),
                            this);
    hint->setGeometry(24, 42, kWidth - 48, 36);
    hint->setWordWrap(true);
    hint->setFont(UiFont(QStringLiteral("Verdana"), 9));

    Edit **members[] = {&txtNumContratto, &txtData,     &txtDitta,   &txtCliente,    &txtCodFisc,  &txtDataNasc,
                        &txtComuneNasc,   &txtProvNasc, &txtPrivacy, &txtLuogoFirma, &txtDataFirma};
    for (size_t i = 0; i < std::size(kEdits); ++i) {
        const EditDef &def = kEdits[i];
        const QRect at = kPlaces[i];
        auto *caption = new QLabel(QString::fromUtf8(def.caption), this);
        caption->setGeometry(at.x(), at.y() - 22, at.width(), 20);
        caption->setFont(UiFont(QStringLiteral("Verdana"), 9, true));
        auto *ground = new BoxFrame(this, BoxLook{kAliceBlue, kSkyBlue, 0});
        ground->setObjectName(QStringLiteral("shp") + QString::fromLatin1(def.name).mid(3));
        ground->setGeometry(at);
        auto *edit = new Edit(this);
        edit->setObjectName(QString::fromLatin1(def.name));
        edit->setGeometry(at.adjusted(2, 2, -2, -2));
        edit->setFrame(false);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        edit->setPalette(palette);
        edit->setFont(UiFont(QStringLiteral("Verdana"), 11, true));
        edit->SetMaxLength(def.maxLength);
        if (def.centred) edit->setAlignment(Qt::AlignCenter);
        if (def.code) edit->onTyping = [edit] { KeepAsCode(edit); };
        edit->onEnter = [ground] { ground->SetLook(BoxLook{kYellow, kSkyBlue, 0}); };
        edit->onExit = [ground] { ground->SetLook(BoxLook{kAliceBlue, kSkyBlue, 0}); };
        *members[i] = edit;
        edits_.push_back(edit);
        backgrounds_.push_back(ground);
    }
    // Enter goes on to the next value, from the last back to the first.
    for (size_t i = 0; i < edits_.size(); ++i) {
        Edit *next = edits_[(i + 1) % edits_.size()];
        edits_[i]->onKeyDown = [next](int &key, QChar &, Qt::KeyboardModifiers) {
            if (key != vkReturn) return;
            FocusByEnter(next);
            key = 0;
        };
        if (i > 0) setTabOrder(edits_[i - 1], edits_[i]);
    }

    btnChiudi = new Button(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(24, kHeight - 60, 150, 36);
    btnStampa = new Button(QStringLiteral("Stampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setGeometry(kWidth - 24 - 150, kHeight - 60, 150, 36);
    for (Button *button : {btnChiudi, btnStampa}) button->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
    setTabOrder(edits_.back(), btnStampa);
    setTabOrder(btnStampa, btnChiudi);

    connect(btnStampa, &QPushButton::clicked, this, &TfrmPrivacy::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmPrivacy::btnChiudiClick);
}

BoxFrame *TfrmPrivacy::BackgroundOf(const Edit *edit) const {
    for (size_t i = 0; i < edits_.size(); ++i)
        if (edits_[i] == edit) return backgrounds_[i];
    return nullptr;
}

void TfrmPrivacy::FormShow() { btnStampa->setFocus(); }

QString PrivacyPrintFailureMessage(const QString &reason) {
    return QStringLiteral("Attenzione: la stampa non \u00e8 andata a buon fine.") + QStringLiteral("\n\r\n\r") +
           QStringLiteral("Si consiglia di controllare le impostazioni della stampante.") +
           QStringLiteral("\n\r\n\r") + QStringLiteral("Motivo: ") + reason;
}

void TfrmPrivacy::btnStampaClick() {
    try {
        std::unique_ptr<Report> repScheda = PrivacyTemplate();
        FillPrivacy(*repScheda, *this);
        repScheda->Prepare();
        repScheda->Print(this);
    } catch (const std::exception &e) {
        // The user keeps the window and the corrections made in it, to try
        // again once the printer is seen to.
        MessageDlg(MsgKind::Warning, PrivacyPrintFailureMessage(QString::fromUtf8(e.what())));
        return;
    }
    Close();
}

void TfrmPrivacy::btnChiudiClick() { Close(); }

std::unique_ptr<Report> PrivacyTemplate() {
    auto repScheda = std::make_unique<Report>(QStringLiteral("Informativa Privacy"));
    report::ReportPage &page =
        repScheda->AddPage(QStringLiteral("Page1"), report::kA4, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    // The printable area is 190 x 277 mm.
    Memo &title = AddText(page, QStringLiteral("titInformativa"), QRectF(0, 0, 190, 10),
                          QStringLiteral("INFORMATIVA PER IL TRATTAMENTO DEI DATI PERSONALI"), 13, true,
                          Qt::AlignHCenter);
    title.fill = kBeige;
    title.frame = QColor(0xC8, 0xB8, 0x8A);
    AddText(page, QStringLiteral("titGeolocalizzazione"), QRectF(0, 12, 190, 6),
            QStringLiteral("CON NOTIFICAZIONE RIGUARDANTE L'UTILIZZO DI SISTEMI DI GEOLOCALIZZAZIONE (GPS)"), 9,
            true, Qt::AlignHCenter);
    page.AddLine(QStringLiteral("linSepara01"), QRectF(0, 19.5, 190, 0));
    AddText(page, QStringLiteral("titPremessa"), QRectF(0, 22, 190, 6),
            QStringLiteral("Ai sensi del Regolamento UE 2016/679 (GDPR), con la presente Informativa il Cliente:"),
            10);

    AddValue(page, QStringLiteral("txtCliente"), QRectF(0, 30, 120, 6));
    AddText(page, QStringLiteral("titDataNasc"), QRectF(122, 30, 27, 6), QStringLiteral("data di nascita:"), 9);
    AddValue(page, QStringLiteral("txtDataNasc"), QRectF(150, 30, 40, 6));

    AddText(page, QStringLiteral("titLuogoNasc"), QRectF(0, 38, 27, 6), QStringLiteral("luogo di nascita:"), 9);
    AddValue(page, QStringLiteral("txtLuogoNasc"), QRectF(28, 38, 62, 6));
    AddText(page, QStringLiteral("titProvNasc"), QRectF(92, 38, 9, 6), QStringLiteral("prov."), 9);
    AddValue(page, QStringLiteral("txtProvNasc"), QRectF(101, 38, 11, 6));
    AddText(page, QStringLiteral("titCodFisc"), QRectF(114, 38, 24, 6), QStringLiteral("codice fiscale:"), 9);
    AddValue(page, QStringLiteral("txtCodFisc"), QRectF(138, 38, 52, 6));

    AddText(page, QStringLiteral("titContratto"), QRectF(0, 46, 100, 6),
            QStringLiteral("sottoscrittore del Contratto di autonoleggio senza conducente n."), 9);
    AddValue(page, QStringLiteral("txtNumContratto"), QRectF(100, 46, 36, 6));
    AddText(page, QStringLiteral("titDataSti"), QRectF(138, 46, 28, 6), QStringLiteral("stipulato in data:"), 9);
    AddValue(page, QStringLiteral("txtDataSti"), QRectF(166, 46, 24, 6));

    AddText(page, QStringLiteral("titDitta"), QRectF(0, 54, 26, 6), QStringLiteral("con il Locatore:"), 9);
    AddValue(page, QStringLiteral("txtDitta"), QRectF(26, 54, 164, 6));

    AddParagraph(page, QStringLiteral("titDichiara"), QRectF(0, 62, 190, 9),
                 QStringLiteral("dichiara di essere stato informato che i dati personali da lui forniti sono trattati "
                                "ai sensi del Regolamento sopra citato, secondo quanto esposto di seguito."),
                 9);
    AddText(page, QStringLiteral("titTitolare"), QRectF(0, 72, 80, 6),
            QStringLiteral("Il Titolare del Trattamento, ai sensi della Legge, \u00e8"), 9);
    AddValue(page, QStringLiteral("txtPrivacy"), QRectF(80, 72, 110, 6));

    // The body of the notice, in words rather than as a picture: it prints
    // sharp at any resolution and reads back from the PDF.
    AddParagraph(page, QStringLiteral("picPrivacy"), QRectF(0, 82, 190, 148), kNoticeBody, 11);

    AddText(page, QStringLiteral("txtData"), QRectF(0, 232, 190, 6), QStringLiteral("Luogo e data"), 10, true);
    page.AddLine(QStringLiteral("linSepara02"), QRectF(0, 240, 190, 0));
    AddParagraph(page, QStringLiteral("titConsenso"), QRectF(0, 242, 190, 22), kConsent, 9);
    AddText(page, QStringLiteral("titFirma"), QRectF(60, 268, 130, 7),
            QStringLiteral("FIRMA CLIENTE:  _______________________________________"), 10, true);
    return repScheda;
}

void FillPrivacy(Report &repScheda, const TfrmPrivacy &w) {
    repScheda.Page().SetOrientation(QPageLayout::Portrait);
    const auto set = [&repScheda](const char *memo, const Edit *edit) {
        repScheda.Get<Memo>(QString::fromLatin1(memo)).SetText(Trim(edit->text()));
    };
    set("txtCliente", w.txtCliente);
    set("txtDataNasc", w.txtDataNasc);
    set("txtLuogoNasc", w.txtComuneNasc);
    set("txtProvNasc", w.txtProvNasc);
    set("txtCodFisc", w.txtCodFisc);
    set("txtNumContratto", w.txtNumContratto);
    set("txtDataSti", w.txtData);
    set("txtDitta", w.txtDitta);
    set("txtPrivacy", w.txtPrivacy);
    repScheda.Get<Memo>(QStringLiteral("txtData"))
        .SetText(Trim(w.txtLuogoFirma->text()) + QStringLiteral(", ") + Trim(w.txtDataFirma->text()) +
                 QStringLiteral("."));
}

}  // namespace vel
