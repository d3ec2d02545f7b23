#include "StampaLav.h"

#include <QDateTime>
#include <exception>
#include <vector>

#include "LogoPicture.h"
#include "cards/FindDialog.h"
#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/TextRules.h"
#include "contracts/ContrattiNSC.h"
#include "dialogs/OpenURL.h"
#include "pictures/Pictures.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "report/ReportOutput.h"

namespace vel {

TfrmStampaLav *frmStampaLav = nullptr;

namespace {

using report::Memo;
using report::Report;
using report::ReportPage;

// ---- the two pages ----------------------------------------------------------
//
// Both are one A4 sheet in portrait with margins of 10 mm, every object on
// the page itself: the printable area is 190 x 277 mm.

constexpr double kPageWidth = 190;
constexpr double kHalf = 94;         // the width of a half-page column
constexpr double kRightHalf = 96;    // where the right half begins
constexpr double kRowHeight = 5;     // a filled memo's line
constexpr double kTitleHeight = 4.5; // a section's title band

const QColor kBand(0x2F, 0x5D, 0x8C);       // section titles, white on it
const QColor kLightBand(0xE4, 0xEC, 0xF5);  // the heading with the contract's number
const QColor kFieldFrame(0xB4, 0xC3, 0xD3);

// A memo the dialog fills: where it stands, its size and alignment.
struct FieldPlace {
    PrintedField field;
    double x, y, width;
    double points = 8;
    Qt::Alignment horizontal = Qt::AlignLeft;
};

// The customer's five rows, the same on both pages, from `top` down.
std::vector<FieldPlace> CustomerRows(double top) {
    const double r1 = top, r2 = top + 5, r3 = top + 10, r4 = top + 15, r5 = top + 20;
    return {
        {{"txtCliente", "Cognome e nome:  "}, 0, r1, 86},
        {{"txtCodFisc", "Codice Fiscale:  "}, 87, r1, 66},
        {{"txtSesso", "Sesso:  "}, 154, r1, 36},
        {{"txtIndirizzoRes", "Indirizzo:  "}, 0, r2, 72},
        {{"txtComuneRes", "Citt\u00e0:  "}, 73, r2, 60},
        {{"txtProvRes", "Prov.  "}, 134, r2, 24},
        {{"txtCapRes", "CAP:  "}, 159, r2, 31, 7},
        {{"txtRecapito", "Tel.  "}, 0, r3, 50},
        {{"txtDataNasc", "Data nasc.  "}, 51, r3, 40},
        {{"txtComuneNasc", "Luogo nasc.  "}, 92, r3, 66},
        {{"txtProvNasc", "Prov.  "}, 159, r3, 31},
        {{"txtTipoPat", "Tipo patente:  "}, 0, r4, 32, 7},
        {{"txtNumPat", "N.  "}, 33, r4, 45, 7},
        {{"txtEnteRil", "Ente ril.  "}, 79, r4, 47, 7},
        {{"txtDataRil", "Data ril.  "}, 127, r4, 31, 7},
        {{"txtDataSca", "Data scad.  "}, 159, r4, 31, 7},
        {{"txtConducente", "Conducente supplementare:  "}, 0, r5, kPageWidth, 7},
    };
}

// The vehicle's first two rows and the end of the rental, the same on both pages.
std::vector<FieldPlace> VehicleRows(double top) {
    const double r1 = top, r2 = top + 5;
    return {
        {{"txtVeicolo", "Tipo:  "}, 0, r1, 56},
        {{"txtMarca", "Marca:  "}, 57, r1, 86},
        {{"txtTarga", "Targa:  "}, 144, r1, 46},
        {{"txtColore", "Colore:  "}, 0, r2, 46},
        {{"txtAlimentazione", "Alimentazione:  "}, 47, r2, 50},
        {{"txtLivello", "Livello carburante:  "}, 98, r2, 60},
        {{"txtPosti", "Posti:  "}, 159, r2, 31},
    };
}
std::vector<FieldPlace> ReturnRow(double top) {
    return {
        {{"txtDataFine", "Data fine:  "}, 0, top, 40},
        {{"txtOraFine", "Ora fine:  "}, 41, top, 30},
        {{"txtSedeRic", "Sede riconsegna:  "}, 72, top, 86},
        {{"txtTotGiorni", "Tot. giorni:  "}, 159, top, 31},
    };
}

void Append(std::vector<FieldPlace> &to, const std::vector<FieldPlace> &more) {
    to.insert(to.end(), more.begin(), more.end());
}

const std::vector<FieldPlace> &ContrattoPlaces() {
    static const std::vector<FieldPlace> places = [] {
        std::vector<FieldPlace> p = {
            {{"txtNumContratto", "Contratto autonoleggio senza conducente n. "}, 66, 1.5, 122},
            {{"txtData", "Data stipula:  "}, 66, 7, 122},
            {{"txtLuogo", "Luogo:  "}, 66, 12.5, 122},
            {{"txtPagamento", ""}, 64, 27, 126},
            {{"txtDitta", ""}, 0, 44, kPageWidth},
        };
        Append(p, CustomerRows(55));
        Append(p, VehicleRows(86));
        Append(p, {
                      {{"txtKmParte", "Km partenza:  "}, 0, 96, 40},
                      {{"txtDataInizio", "Data inizio:  "}, 41, 96, 40},
                      {{"txtOraInizio", "Ora inizio:  "}, 82, 96, 30},
                      {{"txtSedeRit", "Sede ritiro:  "}, 113, 96, 77},
                  });
        Append(p, ReturnRow(101));
        Append(p, {
                      {{"txtImpianti", "Accessori:  "}, 0, 106, kPageWidth},
                      {{"txtTariffa", "Tipo tariffa:  "}, 0, 117, 60},
                      {{"txtImporto", "Imp. unitario:  \u20ac "}, 61, 117, 43},
                      {{"txtTotale", "Imp. totale:  \u20ac "}, 105, 117, 43},
                      {{"txtCauzione", "Cauzione:  \u20ac "}, 149, 117, 41},
                      {{"txtConteggio", "Criterio conteggio:  "}, 0, 122, kPageWidth},
                      {{"txtEccedenza", "Calcolo eccedenza:  "}, 0, 127, kPageWidth},
                      {{"txtAssicurazioni", ""}, 0, 138, kPageWidth, 7},
                      {{"txtPrivacy", ""}, 0, 176, kHalf, 8, Qt::AlignHCenter},
                      {{"txtForo", ""}, kRightHalf, 176, kHalf, 8, Qt::AlignHCenter},
                      {{"txtNote", ""}, 0, 208, kPageWidth},
                  });
        return p;
    }();
    return places;
}

const std::vector<FieldPlace> &VerificaPlaces() {
    static const std::vector<FieldPlace> places = [] {
        std::vector<FieldPlace> p = {
            {{"txtNumContratto", "Rif. Contratto n. "}, 66, 10, 122},
            {{"txtData", "Data stipula:  "}, 66, 15, 122},
            {{"txtLuogo", "Luogo:  "}, 66, 20, 122},
            {{"txtDitta", ""}, 0, 44, kPageWidth},
        };
        Append(p, CustomerRows(55));
        Append(p, VehicleRows(86));
        Append(p, {
                      {{"txtDataInizio", "Data inizio:  "}, 0, 96, 40},
                      {{"txtOraInizio", "Ora inizio:  "}, 41, 96, 30},
                      {{"txtSedeRit", "Sede ritiro:  "}, 72, 96, 118},
                  });
        Append(p, ReturnRow(101));
        Append(p, {
                      {{"txtDifetti", ""}, 0, 194, kPageWidth},
                      {{"txtKmParte", ""}, 28, 201, 66, 8, Qt::AlignHCenter},
                      {{"txtKmRientro", ""}, 124, 201, 66, 8, Qt::AlignHCenter},
                  });
        return p;
    }();
    return places;
}

std::vector<PrintedField> FieldsOf(const std::vector<FieldPlace> &places) {
    std::vector<PrintedField> fields;
    for (const FieldPlace &place : places) fields.push_back(place.field);
    return fields;
}

// A text of the page: Arial, one line cut at its edge unless it wraps.
Memo &AddText(ReportPage &page, const QString &name, const QRectF &bounds, const QString &text, double points,
              Qt::Alignment horizontal = Qt::AlignLeft, bool bold = false, const QColor &colour = Qt::black) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), points, bold, colour};
    memo.alignment = horizontal | Qt::AlignVCenter;
    memo.wordWrap = false;
    return memo;
}

// A section's title, white on the coloured band.
void AddTitle(ReportPage &page, const QString &name, const QString &title, double y, double x = 0,
              double width = kPageWidth, double points = 9, double height = kTitleHeight) {
    Memo &memo = AddText(page, name, QRectF(x, y, width, height), title, points, Qt::AlignLeft, true, Qt::white);
    memo.fill = kBand;
    if (x > 0 || width < kPageWidth) memo.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
}

// A long fixed clause: small print that wraps within its box.
void AddClause(ReportPage &page, const QString &name, const QRectF &bounds, const QString &text) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), 6, false, Qt::black};
    memo.alignment = Qt::AlignJustify | Qt::AlignTop;
    memo.wordWrap = true;
}

void AddFields(ReportPage &page, const std::vector<FieldPlace> &places) {
    for (const FieldPlace &place : places) {
        const QString prefix = QString::fromUtf8(place.field.prefix);
        // The design text: the prefix, or the control's name where there is none.
        const QString design = prefix.isEmpty() ? QString::fromLatin1(place.field.control) : prefix;
        Memo &memo = AddText(page, QString::fromLatin1(place.field.control),
                             QRectF(place.x, place.y, place.width, kRowHeight), design, place.points,
                             place.horizontal);
        memo.frame = kFieldFrame;
    }
}

// The light band behind the contract's number, date and place.
void AddBand(ReportPage &page, const QRectF &bounds) {
    report::Shape &band = page.AddShape(QStringLiteral("shpTestata"), bounds);
    band.fill = kLightBand;
    band.frame = QColor();
}

// The logo in the top-left corner, the built-in one until it is filled.
void AddLogo(ReportPage &page) { page.AddPicture(QStringLiteral("imgLogo"), QRectF(0, 0, 60, 37), DefaultLogo()); }

void AddSignatures(ReportPage &page, double y) {
    AddText(page, QStringLiteral("titFirmaLocatore"), QRectF(0, y, kHalf, kTitleHeight),
            QStringLiteral("FIRMA DEL LOCATORE"), 8, Qt::AlignHCenter, true);
    AddText(page, QStringLiteral("titFirmaCliente"), QRectF(kRightHalf, y, kHalf, kTitleHeight),
            QStringLiteral("FIRMA DEL CLIENTE"), 8, Qt::AlignHCenter, true);
    page.AddLine(QStringLiteral("linFirmaLocatore"), QRectF(10, y + 14, kHalf - 20, 0));
    page.AddLine(QStringLiteral("linFirmaCliente"), QRectF(kRightHalf + 10, y + 14, kHalf - 20, 0));
}

void AddFooter(ReportPage &page) {
    AddText(page, QStringLiteral("txtCalce"), QRectF(0, 271, kPageWidth, kRowHeight),
            QStringLiteral("Stampa eseguita in data"), 8, Qt::AlignHCenter);
}

ReportPage &AddA4(Report &report) {
    return report.AddPage(QStringLiteral("Page1"), report::kA4, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
}

const QString kDataProtection = QStringLiteral(
    "Ai sensi del Regolamento (UE) 2016/679 il Cliente, con la sottoscrizione del presente contratto, dichiara di "
    "essere stato informato che i dati personali da lui forniti saranno trattati dal Titolare del trattamento "
    "indicato in calce alla presente dichiarazione. I dati sono trattati per la conclusione e l'esecuzione dei "
    "contratti di noleggio, per la tenuta dell'archivio della clientela, per la gestione dei sistemi di pagamento "
    "concordati con il Locatore e per consentire alle autorit\u00e0 pubbliche di notificare al Cliente le "
    "violazioni al codice della strada e di riscuoterne le sanzioni. Il trattamento avviene con strumenti idonei a "
    "garantire la sicurezza e la riservatezza dei dati. Il consenso \u00e8 libero, ma necessario per la conclusione "
    "del contratto. Il Cliente pu\u00f2 ottenere in ogni momento l'aggiornamento, la rettifica o la cancellazione "
    "dei propri dati.");

const QString kTwoPages = QStringLiteral(
    "Il contratto di autonoleggio senza conducente si compone di due pagine: le condizioni generali di contratto "
    "stampate sul retro ne costituiscono parte integrante e sostanziale.");

const QString kDamageInstruction = QStringLiteral(
    "Segnare con una penna ogni danno e ogni anomalia visibile all'esterno e all'interno del veicolo, scrivendo la "
    "lettera del danno sulla parte danneggiata nei disegni sottostanti.");

const QString kResponsibility = QStringLiteral(
    "Il Cliente risponde dei danni derivanti da un uso improprio del veicolo e dell'usura non proporzionata ai "
    "chilometri percorsi. Il Locatore non risponde dei danni derivanti dalla mancata diligenza del Cliente nella "
    "custodia e nella guida del veicolo e pu\u00f2 addebitare al Cliente, a titolo di penale, i danni riconducibili "
    "a suo dolo o colpa grave. Resta salva per il Cliente la prova che il danno \u00e8 derivato da cause a lui non "
    "imputabili, ai sensi dell'articolo 1588 del Codice Civile.");

const QString kLaterCharges = QStringLiteral(
    "Il Locatore si riserva di addebitare al Cliente, entro quindici giorni lavorativi dalla riconsegna, gli "
    "ulteriori danni non rilevati al momento del rientro del veicolo.");

const char *const kLegend[] = {"A = Ammaccato", "B = Bruciato",  "D = Distaccato", "F = Forato",  "G = Graffiato",
                               "I = Imbrattato", "M = Mancante", "S = Spaccato",  "T = Tagliato", "U = Usurato"};

void FillPage(Report &report, const QImage &logo, const CardText &text, std::span<const PrintedField> fields) {
    report.Page().SetOrientation(QPageLayout::Portrait);
    report.Get<report::Picture>(QStringLiteral("imgLogo")).SetPicture(logo);
    for (const PrintedField &field : fields)
        report.Get<Memo>(QString::fromLatin1(field.control))
            .SetText(QString::fromUtf8(field.prefix) + Trim(text(field.control)));
    report.Get<Memo>(QStringLiteral("txtCalce")).SetText(PrintedAtText());
}

}  // namespace

std::span<const PrintedField> ContrattoFields() {
    static const std::vector<PrintedField> fields = FieldsOf(ContrattoPlaces());
    return fields;
}

std::span<const PrintedField> VerificaFields() {
    static const std::vector<PrintedField> fields = FieldsOf(VerificaPlaces());
    return fields;
}

QString ContractCardText(const char *control) { return Trim(ControlTextOf(frmContrattiNSC, control)); }

QString PrintedAtText() {
    const QDateTime now = Now();
    return QStringLiteral("Stampa eseguita in data ") + FormatDateText(now.date()) + QStringLiteral(" alle ore ") +
           now.time().toString(QStringLiteral("hh:mm:ss"));
}

std::unique_ptr<Report> ContrattoTemplate() {
    auto rep = std::make_unique<Report>(QStringLiteral("Contratto NSC"));
    ReportPage &page = AddA4(*rep);
    AddLogo(page);
    AddBand(page, QRectF(64, 0, 126, 19));
    AddTitle(page, QStringLiteral("titPagamento"), QStringLiteral("Modalit\u00e0 di pagamento:"), 22, 64, 126);
    AddTitle(page, QStringLiteral("titLocatore"), QStringLiteral("DATI LOCATORE"), 39);
    AddTitle(page, QStringLiteral("titCliente"), QStringLiteral("DATI CLIENTE"), 50);
    AddTitle(page, QStringLiteral("titVeicolo"), QStringLiteral("DATI VEICOLO LOCATO"), 81);
    AddTitle(page, QStringLiteral("titCosti"), QStringLiteral("COSTI NOLEGGIO"), 112);
    AddTitle(page, QStringLiteral("titPolizze"), QStringLiteral("POLIZZE ASSICURATIVE E FRANCHIGIE"), 133);
    AddTitle(page, QStringLiteral("titTrattamento"), QStringLiteral("TRATTAMENTO DEI DATI PERSONALI"), 144);
    AddClause(page, QStringLiteral("memTrattamento"), QRectF(0, 149.5, kPageWidth, 20), kDataProtection);
    AddTitle(page, QStringLiteral("titPrivacy"), QStringLiteral("TITOLARE PRIVACY"), 171, 0, kHalf);
    AddTitle(page, QStringLiteral("titForo"), QStringLiteral("FORO DI COMPETENZA"), 171, kRightHalf, kHalf);
    AddSignatures(page, 184);
    AddTitle(page, QStringLiteral("titAnnotazioni"), QStringLiteral("ANNOTAZIONI"), 203);
    AddFields(page, ContrattoPlaces());
    AddClause(page, QStringLiteral("memDuePagine"), QRectF(0, 216, kPageWidth, 8), kTwoPages);
    AddFooter(page);
    return rep;
}

std::unique_ptr<Report> VerificaTemplate() {
    auto rep = std::make_unique<Report>(QStringLiteral("Verifica Stato Veicolo"));
    ReportPage &page = AddA4(*rep);
    AddLogo(page);
    AddTitle(page, QStringLiteral("titScheda"), QStringLiteral("SCHEDA DI VERIFICA STATO VEICOLO"), 0, 64, 126, 10,
             7);
    AddBand(page, QRectF(64, 9, 126, 17));
    AddTitle(page, QStringLiteral("titLocatore"), QStringLiteral("DATI LOCATORE"), 39);
    AddTitle(page, QStringLiteral("titCliente"), QStringLiteral("DATI CLIENTE"), 50);
    AddTitle(page, QStringLiteral("titVeicolo"), QStringLiteral("DATI VEICOLO LOCATO"), 81);
    AddClause(page, QStringLiteral("memIstruzioni"), QRectF(0, 107, kPageWidth, 6), kDamageInstruction);
    // The drawing at 8 dots to the millimetre, sharp enough on paper.
    page.AddPicture(QStringLiteral("imgVeicolo"), QRectF(0, 113, kPageWidth, 64),
                    Picture({PictureName::VehicleViews, {1520, 512}}).toImage());
    for (int k = 0; k < 10; ++k)
        AddText(page, QStringLiteral("memLegenda%1").arg(k + 1, 2, 10, QLatin1Char('0')),
                QRectF(38.0 * (k % 5), 179 + 4.5 * (k / 5), 38, 4.5), QString::fromLatin1(kLegend[k]), 7);
    AddTitle(page, QStringLiteral("titDifetti"), QStringLiteral("DIFETTI RISCONTRATI AL RIENTRO"), 189);
    AddText(page, QStringLiteral("titKmParte"), QRectF(0, 201, 28, kRowHeight), QStringLiteral("KM PARTENZA:"), 8,
            Qt::AlignLeft, true);
    AddText(page, QStringLiteral("titKmRientro"), QRectF(kRightHalf, 201, 28, kRowHeight), QStringLiteral("KM RIENTRO:"),
            8, Qt::AlignLeft, true);
    AddTitle(page, QStringLiteral("titResponsabilita"), QStringLiteral("RESPONSABILITA' DEL CLIENTE"), 209);
    AddClause(page, QStringLiteral("memResponsabilita"), QRectF(0, 214.5, kPageWidth, 16), kResponsibility);
    AddSignatures(page, 233);
    AddFields(page, VerificaPlaces());
    AddClause(page, QStringLiteral("memAddebiti"), QRectF(0, 253, kPageWidth, 6), kLaterCharges);
    AddFooter(page);
    return rep;
}

void FillContratto(Report &repDocumento, const QImage &logo, const CardText &text) {
    FillPage(repDocumento, logo, text, ContrattoFields());
}

void FillVerifica(Report &repVerifica, const QImage &logo, const CardText &text) {
    FillPage(repVerifica, logo, text, VerificaFields());
}

// ---- the window ---------------------------------------------------------------

namespace {

constexpr int kWidth = 400, kHeight = 356;

QLabel *WindowText(QWidget *parent, const QString &text, const QRect &geometry, int pixels, const QColor &colour,
                   bool bold = false) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(PixelFont(QStringLiteral("Verdana"), pixels, bold));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(label, colour);
    return label;
}

}  // namespace

TfrmStampaLav::TfrmStampaLav(QWidget *owner)
    : Form(owner), repDocumento(ContrattoTemplate), repVerifica(VerificaTemplate) {
    setObjectName(QStringLiteral("frmStampaLav"));
    SetCaption(QStringLiteral(" Stampa contratto N.S.C."));
    SetFixedClientSize(kWidth, kHeight);
    SetPlacement(Placement::Owner);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    const QColor ink(0x1F, 0x2F, 0x45);
    imgLogo01 = new BoxFrame(this, Qt::white, QColor(0x9F, 0xB6, 0xCD), 8);
    imgLogo01->setObjectName(QStringLiteral("imgLogo01"));
    imgLogo01->setGeometry(18, 18, 364, 156);
    WindowText(imgLogo01, QStringLiteral("Stampa contratto N.S.C."), QRect(12, 10, 270, 24), 17,
               QColor(0xD3, 0x1F, 0x2A), true);
    WindowText(imgLogo01,
               QStringLiteral("Questa operazione provveder\u00e0 a stampare su carta il documento con i dati immessi "
                              "nei campi della scheda."),
               QRect(12, 38, 270, 46), 11, ink);
    WindowText(imgLogo01,
               QStringLiteral("Con i pulsanti sottostanti si stampano il fronte e il retro del contratto oppure la "
                              "scheda di verifica dello stato del veicolo per il rientro."),
               QRect(12, 90, 340, 58), 11, ink);
    auto *person = new QLabel(imgLogo01);
    person->setGeometry(296, 8, 51, 81);
    ShowPicture(person, {PictureName::PersonWithDocument, {51, 81}});

    btnStampa = new Button(QStringLiteral("Stampa Contratto N.S.C. (fronte)"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setGeometry(18, 186, 364, 30);
    btnCondizioni = new Button(QStringLiteral("Stampa Condizioni contrattuali (retro)"), this);
    btnCondizioni->setObjectName(QStringLiteral("btnCondizioni"));
    btnCondizioni->setGeometry(18, 224, 364, 30);
    btnSchedaVerifica = new Button(QStringLiteral("Stampa Scheda verifica stato veicolo"), this);
    btnSchedaVerifica->setObjectName(QStringLiteral("btnSchedaVerifica"));
    btnSchedaVerifica->setGeometry(18, 262, 364, 30);
    btnAnteprima = new Button(QStringLiteral("Anteprima"), this);
    btnAnteprima->setObjectName(QStringLiteral("btnAnteprima"));
    btnAnteprima->setGeometry(18, 312, 137, 28);
    btnAnnulla = new Button(QStringLiteral("Chiudi"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(245, 312, 137, 28);
    for (Button *button : {btnAnteprima, btnStampa, btnCondizioni, btnSchedaVerifica, btnAnnulla}) {
        button->setFont(UiFont(QStringLiteral("Verdana"), 8));
        button->setCursor(Qt::PointingHandCursor);
    }
    // The tab order of the design: the preview first, "Chiudi" last.
    setTabOrder(btnAnteprima, btnStampa);
    setTabOrder(btnStampa, btnCondizioni);
    setTabOrder(btnCondizioni, btnSchedaVerifica);
    setTabOrder(btnSchedaVerifica, btnAnnulla);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(0, 0, 1, 1);
    imgLogo->hide();

    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaLav::btnStampaClick);
    connect(btnAnteprima, &QPushButton::clicked, this, &TfrmStampaLav::btnAnteprimaClick);
    connect(btnSchedaVerifica, &QPushButton::clicked, this, &TfrmStampaLav::btnSchedaVerificaClick);
    connect(btnCondizioni, &QPushButton::clicked, this, &TfrmStampaLav::btnCondizioniClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmStampaLav::btnAnnullaClick);
}

void TfrmStampaLav::FormShow() {
    logo_ = LoadCompanyLogo();
    imgLogo->setPixmap(QPixmap::fromImage(logo_));
}

void TfrmStampaLav::PrintOut(report::LazyReport &repTemplate, Fill fill, Output output) {
    // A window shown without its show handler (never, from the card) still
    // prints a logo.
    if (logo_.isNull()) logo_ = LoadCompanyLogo();
    const auto failure = output == Output::Print ? report::PrintFailureMessage : report::PreviewFailureMessage;
    try {
        fill(*repTemplate, logo_, ContractCardText);
        repTemplate->Prepare();
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, failure(QString::fromUtf8(e.what())));
        return;
    }
    // After a failure the window stays, so that the user can try again or
    // leave with "Chiudi".
    const bool handedOut = output == Output::Print ? report::PrintReport(*repTemplate, this)
                                                   : report::PreviewReport(*repTemplate, this);
    if (!handedOut) return;
    Close();
}

void TfrmStampaLav::btnStampaClick() { PrintOut(repDocumento, FillContratto, Output::Print); }

void TfrmStampaLav::btnAnteprimaClick() { PrintOut(repDocumento, FillContratto, Output::Preview); }

void TfrmStampaLav::btnSchedaVerificaClick() { PrintOut(repVerifica, FillVerifica, Output::Print); }

void TfrmStampaLav::btnCondizioniClick() {
    TMisc::Open(u'"' + ProgramPath(kConditionsFileName) + u'"');
}

void TfrmStampaLav::btnAnnullaClick() { Close(); }

}  // namespace vel
