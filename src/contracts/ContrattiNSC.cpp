#include "ContrattiNSC.h"

#include <limits>

#include "Calendario.h"
#include "DaSaldare.h"
#include "ExpContratti.h"
#include "ImpPrenotazioni.h"
#include "Logo.h"
#include "Numerazione.h"
#include "Privacy.h"
#include "StampaContrattoNSC.h"
#include "StampaLav.h"
#include "TrovaContrattiNSC.h"
#include "cards/CardLayout.h"
#include "cards/CardPictures.h"
#include "cards/KeyFilters.h"
#include "cards/Launcher.h"
#include "cards/Receivers.h"
#include "common/ArchiveFile.h"
#include "common/Clock.h"
#include "common/DateText.h"
#include "common/IniFile.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "customers/TrovaClienti.h"
#include "dialogs/CheckerDialogs.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "fleet/TrovaFlotta.h"
#include "fleet/TrovaTariffa.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmContrattiNSC *frmContrattiNSC = nullptr;

namespace {

const QString kCaption = QStringLiteral(" Velmora - Contratti di autonoleggio senza conducente");
const QString kTag = QStringLiteral("contrattinsc");
const QString kSettingsFile = QStringLiteral("Velmora.ini");
const QString kDefaultsSection = QStringLiteral("Contratti NSC");
const QString kNumberingSection = QStringLiteral("Numerazione Contratti NSC");

// The customer as the contract card receives it from the customer search:
// surname and name in one edit, the rest field by field.
constexpr ControlFill kCustomerFills[] = {
    {"txtCliente", "Cognome", "Nome"}, {"txtSesso", "Sesso"},       {"txtIndirizzoRes", "IndirizzoRes"},
    {"txtComuneRes", "ComuneRes"},     {"txtProvRes", "ProvRes"},   {"txtCapRes", "CapRes"},
    {"txtCodFisc", "CodFisc"},         {"txtRecapito", "Recapito"}, {"txtDataNasc", "DataNasc"},
    {"txtComuneNasc", "ComuneNasc"},   {"txtProvNasc", "ProvNasc"}, {"txtTipoPat", "TipoPat"},
    {"txtNumPat", "NumPat"},           {"txtEnteRil", "EnteRil"},   {"txtDataRil", "DataRil"},
    {"txtDataSca", "DataSca"},         {"txtConducente", "Conducente"},
};

// The vehicle as the contract card receives it from the vehicle search: make
// and model in one edit.
constexpr ControlFill kVehicleFills[] = {
    {"txtVeicolo", "Veicolo"},   {"txtMarca", "Marca", "Modello"},
    {"txtColore", "Colore"},     {"txtAlimentazione", "Alimentazione"},
    {"txtImpianti", "Impianti"}, {"txtTarga", "Targa"},
    {"txtPosti", "Posti"},
};

// The tariff as the contract card receives it from the tariff search. The
// deposit is a free text there and lands in the contract's amount edit as it
// is; the card's own rules decide what it stores.
constexpr ControlFill kTariffFills[] = {
    {"txtTariffa", "Tariffa"}, {"txtConteggio", "Conteggio"}, {"txtEccedenza", "Eccedenza"},
    {"txtImporto", "Importo"}, {"txtCauzione", "Cauzione"},   {"txtAssicurazioni", "Assicurazioni"},
};

// The company defaults: each kept in its key of "Velmora.ini".
struct DefaultKey {
    Edit *TfrmContrattiNSC::*edit;
    const char *key;
};
constexpr DefaultKey kDefaultKeys[] = {
    {&TfrmContrattiNSC::txtDitta, "Ditta"},
    {&TfrmContrattiNSC::txtLuogo, "Luogo"},
    {&TfrmContrattiNSC::txtSedeRit, "Sede Ritiro"},
    {&TfrmContrattiNSC::txtSedeRic, "Sede Riconsegna"},
    {&TfrmContrattiNSC::txtForo, "Foro"},
    {&TfrmContrattiNSC::txtAssicurazioni, "Polizze"},
    {&TfrmContrattiNSC::txtPrivacy, "Titolare Privacy"},
};

QStringList Provinces() {
    static const char *const codes[] = {
        "AG", "AL", "AN", "AO", "AP", "AQ", "AR", "AT", "AV", "BA", "BG", "BI", "BL", "BN", "BO", "BR",
        "BS", "BT", "BZ", "CA", "CB", "CE", "CH", "CI", "CL", "CN", "CO", "CR", "CS", "CT", "CZ", "EE",
        "EN", "FC", "FE", "FG", "FI", "FM", "FO", "FR", "GE", "GO", "GR", "IM", "IS", "KR", "LC", "LE",
        "LI", "LO", "LT", "LU", "MB", "MC", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NA", "NO", "NU",
        "OG", "OR", "OT", "PA", "PC", "PD", "PE", "PG", "PI", "PN", "PO", "PR", "PT", "PU", "PV", "PZ",
        "RA", "RC", "RE", "RG", "RI", "RM", "RN", "RO", "SA", "SI", "SO", "SP", "SR", "SS", "SV", "TA",
        "TE", "TN", "TO", "TP", "TR", "TS", "TV", "UD", "VA", "VB", "VC", "VE", "VI", "VR", "VT", "VV"};
    QStringList list;
    list.reserve(int(std::size(codes)));
    for (const char *code : codes) list.append(QString::fromLatin1(code));
    return list;
}

const QStringList kTariffKinds = {QStringLiteral("Oraria"),  QStringLiteral("Giornaliera"),
                                  QStringLiteral("Weekend"), QStringLiteral("Settimanale"),
                                  QStringLiteral("Mensile"), QStringLiteral("Chilometrica")};
const QStringList kFuelLevels = {QStringLiteral("Riserva"), QStringLiteral("1/4"), QStringLiteral("2/4"),
                                 QStringLiteral("3/4"), QStringLiteral("Pieno")};

// The settings file in the program's folder.
IniFile Settings() { return IniFile(ProgramPath(kSettingsFile)); }

// "Inizio" as a whole number: decimal digits with an optional sign, blanks
// around them allowed. False for anything else, or a number beyond the range
// of a contract number.
bool ParseStartNumber(const QString &text, qint64 *value) {
    const QString t = Trim(text);
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
    if (i == t.size()) return false;
    qint64 n = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < u'0' || t[i] > u'9') return false;
        n = n * 10 + (t[i].unicode() - u'0');
        if (n > qint64(std::numeric_limits<int>::max()) + 1) return false;
    }
    n = negative ? -n : n;
    if (n > std::numeric_limits<int>::max() || n < std::numeric_limits<int>::min()) return false;
    *value = n;
    return true;
}

// Tab leaves the digit and amount edits like any other field, so that the
// keyboard can travel the card; every other key goes through the filter.
bool IsTab(int key) { return key == vkTab; }

}  // namespace

TfrmContrattiNSC::TfrmContrattiNSC(QWidget *owner) : Form(owner) {
    SetUpCardWindow(this, "frmContrattiNSC", kCaption);
    BuildLayout();
    // The customer, vehicle and tariff picks join the card on screen; the
    // contract search loads a whole contract with its number.
    RegisterPickFills(QStringLiteral("frmTrovaClienti"), kTag, frmContrattiNSC, kCustomerFills);
    RegisterPickFills(QStringLiteral("frmTrovaFlotta"), kTag, frmContrattiNSC, kVehicleFills);
    RegisterPickFills(QStringLiteral("frmTrovaTariffa"), kTag, frmContrattiNSC, kTariffFills);
    RegisterPick(QStringLiteral("frmTrovaContrattiNSC"), kTag, [](const Record &r, int number) {
        if (frmContrattiNSC) frmContrattiNSC->ShowRecord(r, number);
    });
    RegisterAttachments(kTag, frmContrattiNSC);
}

TfrmContrattiNSC::~TfrmContrattiNSC() = default;

void TfrmContrattiNSC::BuildLayout() {
    // One panel of the designed size, kept centred, holds the year panel and
    // the working panel at the same place.
    QWidget *centre = CentredCardPanel<QWidget>(this, "panCentro");

    // ---- the year panel
    auto *yearPanel = new BoxFrame(centre, Qt::white, QColor(0xB9, 0xC8, 0xE8), 8);
    panAvvio = yearPanel;
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(297, 266, 400, 160);
    lblIstruzioni = new QLabel(QStringLiteral("Indicare l'anno solare e premere Apri."), panAvvio);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setGeometry(20, 20, 360, 20);
    lblIstruzioni->setFont(UiFont(QStringLiteral("Verdana"), 10));
    txtAnno = new YearEdit(panAvvio);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setGeometry(20, 54, 120, 32);
    txtAnno->setFont(UiFont(QStringLiteral("Verdana"), 14, true));
    txtAnno->setAlignment(Qt::AlignCenter);
    btnApri = new Button(QStringLiteral("Apri"), panAvvio);
    btnApri->setObjectName(QStringLiteral("btnApri"));
    btnApri->setGeometry(150, 54, 110, 32);
    btnApri->setFont(UiFont(QStringLiteral("Verdana"), 10));
    txtAnno->SetEnterTarget(btnApri);
    // The year is selected whenever the edit is entered, so that a year typed
    // replaces it (a click then puts the caret where it falls).
    txtAnno->onEnter = [this] { txtAnno->selectAll(); };
    imgGuida = new ImageButton(panAvvio);
    imgGuida->setObjectName(QStringLiteral("imgGuida"));
    imgGuida->setGeometry(296, 104, 37, 39);
    ShowPicture(imgGuida, {PictureName::GuideIcon, {37, 39}});
    imgEsci = new ImageButton(panAvvio);
    imgEsci->setObjectName(QStringLiteral("imgEsci"));
    imgEsci->setGeometry(342, 104, 37, 39);
    ShowPicture(imgEsci, {PictureName::ExitIcon, {37, 39}});
    lblFile = new QLabel(QStringLiteral("FilePath"), panAvvio);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    // ---- the working panel
    panContainer = new QFrame(centre);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(0, 0, 995, 692);
    panContainer->hide();

    shpContainer = Section(panContainer, "shpContainer", QRect(0, 0, 825, 650));
    shpSezione01 = WhiteSection(shpContainer, "shpSezione01", QRect(6, 6, 813, 242));
    shpSezione02 = WhiteSection(shpContainer, "shpSezione02", QRect(6, 254, 813, 390));

    FieldRows fields{shpSezione01, UiFont(QStringLiteral("Verdana"), 9, true),
                     {QStringLiteral("ProvRes"), QStringLiteral("ProvNasc"), QStringLiteral("Veicolo"),
                      QStringLiteral("Alimentazione"), QStringLiteral("Tariffa"), QStringLiteral("Livello")},
                     10, 803};
    fields.rowHeight = 47;
    fields.captionPrefix = QStringLiteral("lblCampo");
    // The dates come from the picker, "Nuovo", a load or an import only.
    fields.readOnly = {QStringLiteral("DataInizio"), QStringLiteral("DataFine")};
    fields.Place({
        {{"Ditta", "Ditta autonoleggio:", 6}, {"NumContratto", "Contratto n.", 2}, {"Data", "Data stipula:", 2},
         {"Luogo", "Luogo stipula:", 3}},
        {{"Cliente", "Cognome e nome Cliente:", 6}, {"Sesso", "Sesso:", 1}, {"CodFisc", "Codice fiscale:", 4},
         {"Recapito", "Tel.", 3}},
        {{"IndirizzoRes", "Indirizzo e numero civico:", 6}, {"ComuneRes", "Comune di residenza:", 4},
         {"ProvRes", "Prov.", 1}, {"CapRes", "CAP:", 2}},
        {{"DataNasc", "Data di nascita:", 3}, {"ComuneNasc", "Comune di nascita:", 4}, {"ProvNasc", "Prov.", 1},
         {"TipoPat", "Tipo patente:", 2}, {"NumPat", "Numero:", 3}},
        {{"EnteRil", "Ente di rilascio:", 4}, {"DataRil", "Data di rilascio:", 2},
         {"DataSca", "Data di scadenza:", 2}, {"Conducente", "Conducente supplementare:", 5}},
    }, 6);
    fields.section = shpSezione02;
    fields.Place({
        // The vehicle type leaves room for its import button and still shows
        // "Mezzo agricolo" whole.
        {{"Veicolo", "Tipo veicolo locato:", 4}, {"Marca", "Marca e modello:", 3}, {"Colore", "Colore:", 2},
         {"Alimentazione", "Alimentazione:", 3}, {"Targa", "Targa:", 2}, {"Posti", "Posti:", 1}},
        {{"Impianti", "Accessori in dotazione:", 6}, {"Tariffa", "Tipologia tariffa:", 3},
         {"Importo", "Importo unitario:", 2}, {"Totale", "Importo totale:", 2}},
        {{"Conteggio", "Criterio conteggio:", 1}, {"Eccedenza", "Criterio calcolo eccedenza:", 1}},
        {{"DataInizio", "Data inizio:", 4}, {"OraInizio", "Ora inizio:", 3}, {"SedeRit", "Sede ritiro veicolo:", 7},
         {"DataFine", "Data fine:", 4}, {"OraFine", "Ora fine:", 3}, {"SedeRic", "Sede riconsegna veicolo:", 7}},
        {{"TotGiorni", "Totale giorni:", 2}, {"Livello", "Livello carburante:", 2}, {"KmParte", "Km partenza:", 2},
         {"KmRientro", "Km rientro:", 2}, {"Cauzione", "Importo cauzione:", 2}, {"Pagamento", "Modalit\u00e0 di pagamento:", 4}},
        {{"Difetti", "Difetti veicolo riscontrati al rientro:", 3}, {"Foro", "Foro competente:", 2}},
        {{"Assicurazioni", "Polizze assicurative e franchigie:", 1}, {"Privacy", "Titolare privacy:", 1}},
        {{"Note", "Note:", 1}},
    }, 6);

    auto edit = [&](const char *field) { return fields.EditOf(field); };
    auto combo = [&](const char *field) { return fields.ComboOf(field); };
    txtDitta = edit("Ditta");
    txtNumContratto = edit("NumContratto");
    txtData = edit("Data");
    txtLuogo = edit("Luogo");
    txtCliente = edit("Cliente");
    txtSesso = edit("Sesso");
    txtIndirizzoRes = edit("IndirizzoRes");
    txtComuneRes = edit("ComuneRes");
    txtProvRes = combo("ProvRes");
    txtCapRes = edit("CapRes");
    txtCodFisc = edit("CodFisc");
    txtRecapito = edit("Recapito");
    txtDataNasc = edit("DataNasc");
    txtComuneNasc = edit("ComuneNasc");
    txtProvNasc = combo("ProvNasc");
    txtTipoPat = edit("TipoPat");
    txtNumPat = edit("NumPat");
    txtEnteRil = edit("EnteRil");
    txtDataRil = edit("DataRil");
    txtDataSca = edit("DataSca");
    txtConducente = edit("Conducente");
    txtVeicolo = combo("Veicolo");
    txtMarca = edit("Marca");
    txtColore = edit("Colore");
    txtAlimentazione = combo("Alimentazione");
    txtTarga = edit("Targa");
    txtPosti = edit("Posti");
    txtImpianti = edit("Impianti");
    txtTariffa = combo("Tariffa");
    txtConteggio = edit("Conteggio");
    txtEccedenza = edit("Eccedenza");
    txtImporto = edit("Importo");
    txtTotale = edit("Totale");
    txtDataInizio = edit("DataInizio");
    txtOraInizio = edit("OraInizio");
    txtSedeRit = edit("SedeRit");
    txtDataFine = edit("DataFine");
    txtOraFine = edit("OraFine");
    txtSedeRic = edit("SedeRic");
    txtTotGiorni = edit("TotGiorni");
    txtLivello = combo("Livello");
    txtKmParte = edit("KmParte");
    txtKmRientro = edit("KmRientro");
    txtCauzione = edit("Cauzione");
    txtDifetti = edit("Difetti");
    txtPagamento = edit("Pagamento");
    txtForo = edit("Foro");
    txtAssicurazioni = edit("Assicurazioni");
    txtPrivacy = edit("Privacy");
    txtNote = edit("Note");
    for (Edit *amount : {txtImporto, txtTotale, txtCauzione}) amount->setText(QStringLiteral("0,00"));

    // The buttons that stand at the right of their fields.
    auto besides = [](QWidget *field, int room) {
        field->resize(field->width() - room, field->height());
        return QRect(field->geometry().right() + 5, field->y() + 2, 24, 24);
    };
    impCliente = IconButton(shpSezione01, "impCliente", IconKind::Import, besides(txtCliente, 30));
    btnCodFisc = IconButton(shpSezione01, "btnCodFisc", IconKind::Check, besides(txtCodFisc, 30));
    btnLogo = CommandButton(shpSezione01, "btnLogo", QStringLiteral("Logo"), besides(txtDitta, 52).adjusted(0, 0, 22, 0));
    impVeicolo = IconButton(shpSezione02, "impVeicolo", IconKind::Import, besides(txtVeicolo, 30));
    impTariffa = IconButton(shpSezione02, "impTariffa", IconKind::Import, besides(txtTariffa, 30));
    btnPrivacy = CommandButton(shpSezione02, "btnPrivacy", QStringLiteral("P"), besides(txtPrivacy, 30));
    const QRect days = besides(txtTotGiorni, 70);
    cmdCalcola = new Button(QStringLiteral("Calcola"), shpSezione02);
    cmdCalcola->setObjectName(QStringLiteral("cmdCalcola"));
    cmdCalcola->setGeometry(days.x(), txtTotGiorni->y(), 64, txtTotGiorni->height());
    cmdCalcola->setFont(UiFont(QStringLiteral("Verdana"), 8, true));

    CreateAttachmentLabels(panContainer, &lblFile01, &lblFile02, &lblFile03, &lblDesc01, &lblDesc02, &lblDesc03);
    lblInizio = new QLabel(QStringLiteral("1"), panContainer);
    lblInizio->setObjectName(QStringLiteral("lblInizio"));
    lblInizio->hide();

    BuildCommands();

    panInfo = CardStatusLine(panContainer, 11);
}

void TfrmContrattiNSC::BuildCommands() {
    // The command column: white groups of buttons at the right of the fields.
    auto group = [&](const char *name, int y, int height) {
        return WhiteSection(panContainer, name, QRect(834, y, 161, height));
    };
    auto command = [](QFrame *group, const char *name, const char *word, int row) {
        return CommandButton(group, name, QString::fromUtf8(word), QRect(6, 6 + row * 36, 149, 32));
    };
    shpRecord = group("shpRecord", 0, 152);
    cmdNuovo = command(shpRecord, "cmdNuovo", "Nuovo", 0);
    cmdImporta = command(shpRecord, "cmdImporta", "Importa prenotazione", 1);
    cmdSalva = command(shpRecord, "cmdSalva", "Salva", 2);
    cmdTrova = command(shpRecord, "cmdTrova", "Trova", 3);
    shpAllega = group("shpAllega", 158, 44);
    cmdFile = command(shpAllega, "cmdFile", "Allega file", 0);
    shpStampa = group("shpStampa", 208, 44);
    cmdStampa = command(shpStampa, "cmdStampa", "Stampa", 0);
    shpWord = group("shpWord", 258, 44);
    cmdWord = command(shpWord, "cmdWord", "Contratto esteso", 0);
    shpExcel = group("shpExcel", 308, 80);
    cmdEsporta = command(shpExcel, "cmdEsporta", "Esporta archivio", 0);
    cmdNumerazione = command(shpExcel, "cmdNumerazione", "Numerazione", 1);
    shpDaSaldare = group("shpDaSaldare", 394, 80);
    cmdDaSaldare = command(shpDaSaldare, "cmdDaSaldare", "Da saldare", 0);
    chkDaSaldare = new QCheckBox(QStringLiteral("Da saldare"), shpDaSaldare);
    chkDaSaldare->setObjectName(QStringLiteral("chkDaSaldare"));
    chkDaSaldare->setFont(UiFont(QStringLiteral("Verdana"), 9, true));
    chkDaSaldare->setGeometry(12, 44, 140, 28);
    shpEsci = group("shpEsci", 480, 80);
    cmdGuida = command(shpEsci, "cmdGuida", "Guida", 0);
    cmdEsci = command(shpEsci, "cmdEsci", "Esci", 1);

    shpControlli = group("shpControlli", 614, 36);
    PlaceRecordArrows(this, shpControlli, {.left = 4, .gap = 2, .positionWidth = 57, .points = 11});

    const std::pair<ImageButton *, void (TfrmContrattiNSC::*)()> clicks[] = {
        {cmdNuovo, &TfrmContrattiNSC::cmdNuovoClick},
        {cmdImporta, &TfrmContrattiNSC::cmdImportaClick},
        {cmdSalva, &TfrmContrattiNSC::cmdSalvaClick},
        {cmdTrova, &TfrmContrattiNSC::cmdTrovaClick},
        {cmdFile, &TfrmContrattiNSC::cmdFileClick},
        {cmdStampa, &TfrmContrattiNSC::cmdStampaClick},
        {cmdWord, &TfrmContrattiNSC::cmdWordClick},
        {cmdEsporta, &TfrmContrattiNSC::cmdEsportaClick},
        {cmdNumerazione, &TfrmContrattiNSC::cmdNumerazioneClick},
        {cmdDaSaldare, &TfrmContrattiNSC::cmdDaSaldareClick},
        {cmdGuida, &TfrmContrattiNSC::cmdGuidaClick},
        {cmdEsci, &TfrmContrattiNSC::cmdEsciClick},
        {impCliente, &TfrmContrattiNSC::impClienteClick},
        {impVeicolo, &TfrmContrattiNSC::impVeicoloClick},
        {impTariffa, &TfrmContrattiNSC::impTariffaClick},
        {btnCodFisc, &TfrmContrattiNSC::btnCodFiscClick},
        {btnLogo, &TfrmContrattiNSC::btnLogoClick},
        {btnPrivacy, &TfrmContrattiNSC::btnPrivacyClick},
        {imgGuida, &TfrmContrattiNSC::cmdGuidaClick},
        {imgEsci, &TfrmContrattiNSC::imgEsciClick},
    };
    for (const auto &[button, handler] : clicks) button->onClick = [this, handler = handler] { (this->*handler)(); };
    connect(btnApri, &QPushButton::clicked, this, &TfrmContrattiNSC::btnApriClick);
    connect(cmdCalcola, &QPushButton::clicked, this, &TfrmContrattiNSC::cmdCalcolaClick);
}

void TfrmContrattiNSC::FormCreate() {
    card_ = std::make_unique<CardEngine>(this, ContractRecord, lblPosizione);
    CardEngine &card = *card_;
    card.SetArchive([this] { return Trim(lblFile->text()); });
    // Record order is also the Enter order.
    card.BindEdit("Ditta", txtDitta);
    card.BindEdit("NumContratto", txtNumContratto);
    card.BindEdit("Data", txtData);
    card.BindEdit("Luogo", txtLuogo);
    card.BindEdit("Cliente", txtCliente);
    card.BindEdit("Sesso", txtSesso);
    card.BindEdit("IndirizzoRes", txtIndirizzoRes);
    card.BindEdit("ComuneRes", txtComuneRes);
    card.BindCombo("ProvRes", txtProvRes);
    card.BindEdit("CapRes", txtCapRes);
    card.BindEdit("CodFisc", txtCodFisc);
    card.BindEdit("Recapito", txtRecapito);
    card.BindEdit("DataNasc", txtDataNasc);
    card.BindEdit("ComuneNasc", txtComuneNasc);
    card.BindCombo("ProvNasc", txtProvNasc);
    card.BindEdit("TipoPat", txtTipoPat);
    card.BindEdit("NumPat", txtNumPat);
    card.BindEdit("EnteRil", txtEnteRil);
    card.BindEdit("DataRil", txtDataRil);
    card.BindEdit("DataSca", txtDataSca);
    card.BindEdit("Conducente", txtConducente);
    card.BindCombo("Veicolo", txtVeicolo);
    card.BindEdit("Marca", txtMarca);
    card.BindEdit("Colore", txtColore);
    card.BindCombo("Alimentazione", txtAlimentazione);
    card.BindEdit("Targa", txtTarga);
    card.BindEdit("Posti", txtPosti);
    card.BindEdit("Impianti", txtImpianti);
    card.BindCombo("Tariffa", txtTariffa);
    card.BindEdit("Conteggio", txtConteggio);
    card.BindEdit("Eccedenza", txtEccedenza);
    card.BindEdit("Importo", txtImporto);
    card.BindEdit("Totale", txtTotale);
    card.BindEdit("DataInizio", txtDataInizio);
    card.BindEdit("OraInizio", txtOraInizio);
    card.BindEdit("SedeRit", txtSedeRit);
    card.BindEdit("DataFine", txtDataFine);
    card.BindEdit("OraFine", txtOraFine);
    card.BindEdit("SedeRic", txtSedeRic);
    card.BindEdit("TotGiorni", txtTotGiorni);
    card.BindCombo("Livello", txtLivello);
    card.BindEdit("KmParte", txtKmParte);
    card.BindEdit("KmRientro", txtKmRientro);
    card.BindEdit("Cauzione", txtCauzione);
    card.BindEdit("Difetti", txtDifetti);
    card.BindEdit("Pagamento", txtPagamento);
    card.BindEdit("Foro", txtForo);
    card.BindEdit("Assicurazioni", txtAssicurazioni);
    card.BindEdit("Privacy", txtPrivacy);
    card.BindEdit("Note", txtNote);
    card.BindFlag("DaSaldare", chkDaSaldare);
    card.BindAttachments(lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03);

    // A new contract keeps the firm's standing data and the fuel's list
    // selection; the amounts show "0,00"; the customer comes first.
    for (const DefaultKey &d : kDefaultKeys) card.KeepOnClear(this->*d.edit);
    for (Edit *amount : {txtImporto, txtTotale, txtCauzione}) card.SetClearText(amount, QStringLiteral("0,00"));
    card.KeepSelectionOnClear(txtAlimentazione);
    card.SetClearFocus(txtCliente);

    const QString needed = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ");
    card.AddMandatory(txtDitta, needed + QStringLiteral("la denominazione della propria Ditta di autonoleggio."));
    card.AddMandatory(txtNumContratto, needed + QStringLiteral("il numero del contratto."));
    card.AddMandatory(txtData, needed + QStringLiteral("la data di stipula del contratto."));
    // The date as typed, blanks included: " 01/02/2024" is no date.
    card.AddCheck([this] { return IsValidDateText(txtData->text()); }, MsgKind::Warning,
                  QStringLiteral("Attenzione: la data indicata non esiste.") + QStringLiteral("\n\r\n\r") +
                      QStringLiteral("Per poter salvare la scheda \u00e8 necessario indicare una data valida nel "
                                     "formato gg/mm/anno."),
                  txtData);
    card.AddMandatory(txtLuogo, needed + QStringLiteral("il luogo di stipula del contratto."));
    card.AddMandatory(txtCliente, needed + QStringLiteral("il nome del Cliente."));
    card.SetArchiveFailureKind(CardEngine::Command::Save, MsgKind::Warning);
    card.SetArchiveFailureKind(CardEngine::Command::First, MsgKind::Warning);

    // Typing rules: codes in capitals without blanks, the sex letter in
    // capitals as typed; the provinces once more when left, so that a value
    // picked from the list or written by another window is normalised too.
    txtSesso->onTyping = [this] { KeepUpperCase(txtSesso); };
    txtCodFisc->onTyping = [this] { KeepAsCode(txtCodFisc); };
    txtTarga->onTyping = [this] { KeepAsCode(txtTarga); };
    txtProvRes->Editor()->onTyping = [this] { KeepAsCode(txtProvRes->Editor()); };
    txtProvNasc->Editor()->onTyping = [this] { KeepAsCode(txtProvNasc->Editor()); };
    card.OnExit(txtProvRes, [this] { txtProvResExit(); });
    card.OnExit(txtProvNasc, [this] { txtProvNascExit(); });

    using Handler = void (TfrmContrattiNSC::*)(int &, QChar &, Qt::KeyboardModifiers);
    const std::pair<Edit *, Handler> keys[] = {
        {txtDataInizio, &TfrmContrattiNSC::txtDataInizioKeyDown},
        {txtDataFine, &TfrmContrattiNSC::txtDataFineKeyDown},
        {txtTotGiorni, &TfrmContrattiNSC::txtTotGiorniKeyDown},
        {txtImporto, &TfrmContrattiNSC::txtImportoKeyDown},
        {txtTotale, &TfrmContrattiNSC::txtTotaleKeyDown},
        {txtCauzione, &TfrmContrattiNSC::txtCauzioneKeyDown},
    };
    for (const auto &[edit, handler] : keys)
        card.OnKey(edit, [this, handler = handler](int &k, QChar &c, Qt::KeyboardModifiers s) { (this->*handler)(k, c, s); });
    card.OnExit(txtImporto, [this] { txtImportoExit(); });
    card.OnExit(txtTotale, [this] { txtTotaleExit(); });
    card.OnExit(txtCauzione, [this] { txtCauzioneExit(); });

    // Tab follows the Enter order and stops at the flag after the licence's
    // expiry and at "Calcola" after the day count.
    QWidget *tabOrder[] = {
        txtAnno,         btnApri,         txtDitta,       txtNumContratto,  txtData,       txtLuogo,
        txtCliente,      txtSesso,        txtIndirizzoRes, txtComuneRes,    txtProvRes,    txtCapRes,
        txtCodFisc,      txtRecapito,     txtDataNasc,    txtComuneNasc,    txtProvNasc,   txtTipoPat,
        txtNumPat,       txtEnteRil,      txtDataRil,     txtDataSca,       chkDaSaldare,  txtConducente,
        txtVeicolo,      txtMarca,        txtColore,      txtAlimentazione, txtTarga,      txtPosti,
        txtImpianti,     txtTariffa,      txtConteggio,   txtEccedenza,     txtImporto,    txtTotale,
        txtDataInizio,   txtOraInizio,    txtSedeRit,     txtDataFine,      txtOraFine,    txtSedeRic,
        txtTotGiorni,    cmdCalcola,      txtLivello,     txtKmParte,       txtKmRientro,  txtCauzione,
        txtDifetti,      txtPagamento,    txtForo,        txtAssicurazioni, txtPrivacy,    txtNote,
    };
    for (size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    card.SetStatusLine(panInfo, QStringLiteral("Pronto per inserire una nuova scheda..."));
    const std::pair<QWidget *, const char *> hints[] = {
        {cmdNuovo, "Predispone la schermata per l'emissione di un nuovo contratto."},
        {cmdImporta, "Importa i dati dall'archivio annuale delle prenotazioni."},
        {cmdSalva, "Salva o aggiorna il contratto corrente."},
        {cmdTrova, "Trova un contratto in archivio."},
        {cmdFile, "Allega file al contratto corrente."},
        {cmdStampa, "Stampa il contratto corrente."},
        {cmdWord, "Esporta e stampa il contratto corrente."},
        {cmdNumerazione, "Imposta il numero iniziale per la numerazione dei contratti."},
        {cmdPrimo, "Visualizza il primo contratto in archivio."},
        {cmdIndietro, "Visualizza il contratto precedente in archivio."},
        {cmdAvanti, "Visualizza il contratto successivo in archivio."},
        {cmdUltimo, "Visualizza l'ultimo contratto in archivio."},
        {cmdEsporta, "Esporta i contratti in archivio in un file di Microsoft Excel."},
        {cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {cmdDaSaldare, "Visualizza il riepilogo dei contratti da saldare."},
        {cmdCalcola, "Calcola il numero totale dei giorni di noleggio."},
        {impCliente, "Importa i dati dall'archivio anagrafico dei clienti."},
        {impVeicolo, "Importa i dati dal parco automezzi."},
        {impTariffa, "Importa i dati dal tariffario noleggi."},
        {btnCodFisc, "Controlla il codice fiscale."},
        {btnLogo, "Carica il logo della Ditta emittente."},
        {btnPrivacy, "Stampa l'informativa sulla privacy."},
    };
    for (const auto &[control, hint] : hints) card.AddHint(control, QString::fromUtf8(hint));
    for (QWidget *area : std::initializer_list<QWidget *>{this, panContainer, shpContainer, shpEsci, shpExcel,
                                                          shpRecord, shpStampa, shpAllega, shpControlli,
                                                          shpSezione01, shpWord, shpSezione02, shpDaSaldare})
        card.AddBlankArea(area);
}

void TfrmContrattiNSC::FormShow() {
    // The lists are filled on the first show, not while the program starts.
    if (!listsFilled_) {
        const QStringList provinces = Provinces();
        txtProvRes->SetSuggestions(provinces);
        txtProvNasc->SetSuggestions(provinces);
        txtVeicolo->SetSuggestions(VehicleTypeSuggestions());
        txtAlimentazione->SetSuggestions(FuelSuggestions());
        txtTariffa->SetSuggestions(kTariffKinds);
        txtLivello->SetSuggestions(kFuelLevels);
        listsFilled_ = true;
    }
    // The company defaults; a settings file that cannot be read leaves the
    // card's values as they are and is not written over when the card closes.
    try {
        const IniFile settings = Settings();
        QString values[std::size(kDefaultKeys)];
        for (size_t i = 0; i < std::size(kDefaultKeys); ++i)
            values[i] = settings.ReadString(kDefaultsSection, QString::fromLatin1(kDefaultKeys[i].key), QString());
        for (size_t i = 0; i < std::size(kDefaultKeys); ++i) (this->*kDefaultKeys[i].edit)->setText(values[i]);
        settingsUnread_ = false;
    } catch (const IniError &) {
        settingsUnread_ = true;
    }
    SetCaption(kCaption);
    panContainer->hide();
    panAvvio->show();
    txtAnno->setFocus();
    ClearContractCard();
    txtAnno->ProposeYear(Today().year());
}

void TfrmContrattiNSC::FormClose(CloseAction &) {
    // The firm's standing data as the card shows them, whatever contract is
    // on screen; a failure is told once, and the card closes all the same.
    bool written = !settingsUnread_;
    if (written) {
        try {
            IniFile settings = Settings();
            for (const DefaultKey &d : kDefaultKeys)
                settings.WriteString(kDefaultsSection, QString::fromLatin1(d.key), Trim((this->*d.edit)->text()));
        } catch (const IniError &) {
            written = false;
        }
    }
    if (!written) MessageDlg(MsgKind::Error, SettingsFailureMessage());
    ShowLauncher();
}

void TfrmContrattiNSC::ShowRecord(const Record &record, int number) {
    if (card_) card_->LoadRecord(record, number);
}

void TfrmContrattiNSC::ClearContractCard() { card_->Clear(); }

// ---- the year panel -----------------------------------------------------------

void TfrmContrattiNSC::btnApriClick() {
    if (!txtAnno->HoldsYear()) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        txtAnno->setFocus();
        return;
    }
    const QString year = Trim(txtAnno->text());
    lblFile->setText(ProgramPath(year + QStringLiteral(".nsc")));
    SetCaption(kCaption + QStringLiteral(" anno ") + year);
    panAvvio->hide();
    panContainer->show();
    ClearContractCard();
}

void TfrmContrattiNSC::imgEsciClick() { Close(); }

// ---- the card's commands --------------------------------------------------------

void TfrmContrattiNSC::cmdNuovoClick() {
    // The first number of the year. A settings file that is there but cannot
    // be read hides it: a number guessed would be worse than none, so "Nuovo"
    // stops before anything changes.
    QString start;
    try {
        start = Settings().ReadString(kNumberingSection, QStringLiteral("Inizio"), QString());
    } catch (const IniError &) {
        MessageDlg(MsgKind::Error, NumberingUnreadMessage());
        return;
    }
    lblInizio->setText(Trim(start).isEmpty() ? QStringLiteral("1") : start);
    int count = 0;
    try {
        ArchiveFile archive;
        archive.OpenArchivePath(Trim(lblFile->text()), ContractRecord);
        count = archive.RecordCount();
        archive.CloseArchive();
    } catch (const std::runtime_error &) {
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
        return;
    }
    ClearContractCard();
    // A first number that is no whole number, or one that the stored
    // contracts carry past the range of a number, stops on the cleared card:
    // the number, the dates and the time stay empty.
    qint64 first = 0;
    if (!ParseStartNumber(lblInizio->text(), &first) || first + count > std::numeric_limits<int>::max()) {
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
        return;
    }
    txtNumContratto->setText(QString::number(first + count));
    const QDateTime now = Now();
    txtData->setText(now.date().toString(QStringLiteral("dd/MM/yyyy")));
    txtDataInizio->setText(now.date().toString(QStringLiteral("dd/MM/yyyy")));
    txtOraInizio->setText(now.time().toString(QStringLiteral("HH:mm")));
    txtCliente->setFocus();
}

void TfrmContrattiNSC::cmdSalvaClick() { card_->Save(); }
void TfrmContrattiNSC::cmdPrimoClick() { card_->First(); }
void TfrmContrattiNSC::cmdIndietroClick() { card_->Previous(); }
void TfrmContrattiNSC::cmdAvantiClick() { card_->Next(); }
void TfrmContrattiNSC::cmdUltimoClick() { card_->Last(); }
void TfrmContrattiNSC::cmdEsciClick() { Close(); }

void TfrmContrattiNSC::cmdCalcolaClick() {
    const QString start = Trim(txtDataInizio->text());
    const QString end = Trim(txtDataFine->text());
    const QString missing = QStringLiteral(
        "Attenzione: per poter effettuare il calcolo dei giorni \u00e8 necessario indicare la data di ");
    if (start.isEmpty()) {
        MessageDlg(MsgKind::Warning, missing + QStringLiteral("inizio noleggio."));
        txtDataInizio->setFocus();
        return;
    }
    if (end.isEmpty()) {
        MessageDlg(MsgKind::Warning, missing + QStringLiteral("fine noleggio."));
        txtDataFine->setFocus();
        return;
    }
    const QString validDate = QStringLiteral("\n\r\n\r") +
                              QStringLiteral("Per poter visualizzare il riepilogo \u00e8 necessario indicare una "
                                             "data valida.");
    for (Edit *field : {txtDataInizio, txtDataFine}) {
        if (IsValidDateText(field->text())) continue;
        ShowMessage(QStringLiteral("Attenzione: la data ") + Trim(field->text()) + QStringLiteral(" non esiste.") +
                    validDate);
        field->setFocus();
        return;
    }
    const QDate from = DateFromText(txtDataInizio->text());
    const QDate to = DateFromText(txtDataFine->text());
    if (from > to) {
        ShowMessage(QStringLiteral("Attenzione: la data di fine noleggio (") + end +
                    QStringLiteral(") non pu\u00f2 essere anteriore a quella di inizio noleggio (") + start +
                    QStringLiteral(").") + QStringLiteral("\n\r\n\r") +
                    QStringLiteral("Per poter visualizzare il riepilogo \u00e8 necessario indicare un intervallo "
                                   "di tempo valido."));
        return;
    }
    txtTotGiorni->setText(QString::number(RentalDays(from, to)));
}

void TfrmContrattiNSC::btnCodFiscClick() { CheckTaxCode(this, txtCodFisc->text()); }

void TfrmContrattiNSC::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("App Contratti di autonoleggio senza conducente"),
              HelpText(QStringLiteral("ContrattiNSC")));
}

// ---- the openers ------------------------------------------------------------------
// Each makes a new dialog owned by the card, writes what the dialog needs,
// shows it modally and destroys it when it returns; a dialog with a result
// writes it straight into the card.

void TfrmContrattiNSC::impClienteClick() {
    TfrmTrovaClienti search(this);
    search.Create();
    search.lblMemory->setText(kTag);
    search.ShowModal();
}

void TfrmContrattiNSC::impVeicoloClick() {
    TfrmTrovaFlotta search(this);
    search.Create();
    search.lblMemory->setText(kTag);
    search.ShowModal();
}

void TfrmContrattiNSC::impTariffaClick() {
    TfrmTrovaTariffa search(this);
    search.Create();
    search.lblMemory->setText(kTag);
    search.ShowModal();
}

void TfrmContrattiNSC::cmdImportaClick() {
    TfrmImpPrenotazioni import(this);
    import.Create();
    import.lblMemory->setText(kTag);
    import.ShowModal();
}

void TfrmContrattiNSC::cmdTrovaClick() {
    TfrmTrovaContrattiNSC search(this);
    search.Create();
    search.lblMemory->setText(kTag);
    search.ShowModal();
}

void TfrmContrattiNSC::cmdDaSaldareClick() {
    TfrmDaSaldare list(this);
    list.Create();
    list.ShowModal();
}

void TfrmContrattiNSC::cmdEsportaClick() {
    TfrmExpContratti exportDialog(this);
    exportDialog.Create();
    exportDialog.ShowModal();
}

void TfrmContrattiNSC::cmdStampaClick() {
    TfrmStampaLav print(this);
    print.Create();
    print.ShowModal();
}

void TfrmContrattiNSC::cmdWordClick() {
    TfrmStampaContrattoNSC document(this);
    document.Create();
    document.lblMemory->setText(kTag);
    document.ShowModal();
}

void TfrmContrattiNSC::btnPrivacyClick() {
    TfrmPrivacy notice(this);
    notice.Create();
    const std::pair<Edit *, Edit *> values[] = {
        {notice.txtNumContratto, txtNumContratto}, {notice.txtData, txtData},
        {notice.txtDitta, txtDitta},               {notice.txtCliente, txtCliente},
        {notice.txtCodFisc, txtCodFisc},           {notice.txtDataNasc, txtDataNasc},
        {notice.txtComuneNasc, txtComuneNasc},     {notice.txtProvNasc, txtProvNasc->Editor()},
        {notice.txtPrivacy, txtPrivacy},           {notice.txtLuogoFirma, txtLuogo},
        {notice.txtDataFirma, txtData},
    };
    for (const auto &[target, source] : values) target->setText(Trim(source->text()));
    notice.ShowModal();
}

void TfrmContrattiNSC::btnLogoClick() {
    TfrmLogo logo(this);
    logo.Create();
    logo.ShowModal();
}

void TfrmContrattiNSC::cmdNumerazioneClick() {
    TfrmNumerazione numbering(this);
    numbering.Create();
    numbering.lblMemory->setText(kTag);
    numbering.SetCaption(QStringLiteral(" Impostazione inizio numerazione contratti"));
    numbering.ShowModal();
}

void TfrmContrattiNSC::cmdFileClick() { OpenAttachments(this, kTag, AttachmentLabelsOf(this)); }

// ---- the field rules ------------------------------------------------------------------

void TfrmContrattiNSC::PickDate(Edit *field, const QString &tag, int &key, QChar &keyChar,
                                Qt::KeyboardModifiers shift) {
    // Enter moves on (the card's Enter chain); Tab, a modifier alone and the
    // shortcuts made with Ctrl, Alt or Meta leave the picker shut, so that
    // keyboard travel goes on.
    if (key == vkReturn || key == vkTab) return;
    if (key == 0 && keyChar.isNull()) return;
    if (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return;
    if (key == vkBack || key == vkDelete) {
        field->clear();
    } else {
        TfrmCalendario picker(this);
        picker.Create();
        picker.lblMemory->setText(tag);
        picker.ShowModal();
    }
    key = 0;
    keyChar = QChar();
}

void TfrmContrattiNSC::txtDataInizioKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift) {
    PickDate(txtDataInizio, QStringLiteral("nsc_datainizio"), key, keyChar, shift);
}

void TfrmContrattiNSC::txtDataFineKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift) {
    PickDate(txtDataFine, QStringLiteral("nsc_datafine"), key, keyChar, shift);
}

void TfrmContrattiNSC::txtTotGiorniKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift) {
    if (!IsTab(key)) DigitsOnly(MoveKeys::Swallowed)(key, keyChar, shift);
}

void TfrmContrattiNSC::txtImportoKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    if (!IsTab(key)) AmountKeyFilter(key, keyChar);
}
void TfrmContrattiNSC::txtTotaleKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    if (!IsTab(key)) AmountKeyFilter(key, keyChar);
}
void TfrmContrattiNSC::txtCauzioneKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    if (!IsTab(key)) AmountKeyFilter(key, keyChar);
}

void TfrmContrattiNSC::txtImportoExit() { LeaveAmountEdit(txtImporto); }
void TfrmContrattiNSC::txtTotaleExit() { LeaveAmountEdit(txtTotale); }
void TfrmContrattiNSC::txtCauzioneExit() { LeaveAmountEdit(txtCauzione); }

void TfrmContrattiNSC::txtProvResExit() { txtProvRes->setText(UpperAZ(Trim(txtProvRes->text()))); }
void TfrmContrattiNSC::txtProvNascExit() { txtProvNasc->setText(UpperAZ(Trim(txtProvNasc->text()))); }

}  // namespace vel
