#include "Clienti.h"

#include "ExpClienti.h"
#include "Ricontatta.h"
#include "SchedaCliente.h"
#include "TrovaClienti.h"
#include "cards/CardLayout.h"
#include "cards/CardPictures.h"
#include "cards/KeyFilters.h"
#include "cards/Launcher.h"
#include "cards/Receivers.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "dialogs/CheckerDialogs.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/Carta.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/Iban.h"
#include "dialogs/OpenURL.h"
#include "dialogs/PartitaIVA.h"
#include "pictures/Pictures.h"
#include "platform/Platform.h"

namespace vel {

TfrmClienti *frmClienti = nullptr;

const QStringList &ProvinceCodes() {
    static const QStringList codes = QStringLiteral(
        "AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC FE "
        "FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA PC PD "
        "PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS TV UD VA "
        "VB VC VE VI VR VT VV")
                                        .split(u' ');
    return codes;
}

TfrmClienti::TfrmClienti(QWidget *owner) : Form(owner) {
    SetUpCardWindow(this, "frmClienti", QStringLiteral(" Velmora - Anagrafica Clienti"));
    BuildLayout();
    // The customer search's pick loads the whole customer here; the
    // attachments dialog writes back into the six attachment labels.
    RegisterPick(QStringLiteral("frmTrovaClienti"), QStringLiteral("clienti"), [](const Record &r, int number) {
        if (frmClienti) frmClienti->ShowRecord(r, number);
    });
    RegisterAttachments(QStringLiteral("clienti"), frmClienti);
}

TfrmClienti::~TfrmClienti() = default;

void TfrmClienti::BuildLayout() {
    panContenitore = CentredCardPanel(this, "panContenitore");

    shpAnagrafica = Section(panContenitore, "shpAnagrafica", QRect(0, 0, 825, 160));
    shpRecapiti = Section(panContenitore, "shpRecapiti", QRect(0, 166, 825, 110));
    shpFiscale = Section(panContenitore, "shpFiscale", QRect(0, 282, 825, 110));
    shpPatente = Section(panContenitore, "shpPatente", QRect(0, 398, 825, 110));
    shpQuestioni = Section(panContenitore, "shpQuestioni", QRect(0, 514, 825, 134));
    shpFrecce = Section(panContenitore, "shpFrecce", QRect(797, 652, 198, 36));

    // The five groups of fields, row by row; the provinces are combo edits.
    FieldRows fields{shpAnagrafica, UiFont(QStringLiteral("Verdana"), 12, true),
                     {QStringLiteral("ProvRes"), QStringLiteral("ProvNasc")}, 86, 815};
    fields.Place({
        {{"Cognome", "Cognome:", 4}, {"Nome", "Nome:", 4}, {"Ditta", "Denominazione Ditta:", 4}, {"Sesso", "Sesso:", 1}},
        {{"Recapito", "Telefono preferenziale:", 5}, {"DataNasc", "Data di nascita:", 4},
         {"ComuneNasc", "Comune di nascita:", 6}, {"ProvNasc", "Prov.", 2}},
        {{"IndirizzoRes", "Residente in Via / Piazza e numero civico:", 7}, {"ProvRes", "Prov.", 2},
         {"ComuneRes", "Comune di residenza:", 5}, {"CapRes", "CAP:", 2}},
    }, 8);
    fields.section = shpRecapiti;
    fields.Place({
        {{"TelCasa", "Tel. casa:", 1}, {"TelUff", "Tel. ufficio:", 1}, {"TelCel", "Tel. cellulare:", 1}},
        {{"Pec", "Indirizzo PEC:", 1}, {"Email", "E-mail:", 1}},
    }, 8);
    fields.section = shpFiscale;
    fields.Place({
        {{"CodFisc", "Codice fiscale:", 1}, {"Carta", "Carta di credito n.", 1}, {"ScadeCarta", "Scadenza:", 1}},
        {{"PartitaIva", "Partita IVA:", 1}, {"Iban", "IBAN:", 2}},
    }, 8);
    fields.section = shpPatente;
    fields.Place({
        {{"TipoPat", "Tipo patente:", 2}, {"NumPat", "Numero:", 3}, {"EnteRil", "Ente di rilascio:", 4},
         {"DataRil", "Data di rilascio:", 2}, {"DataSca", "Data di scadenza:", 2}},
        {{"Conducente", "Conducente supplementare:", 1}},
    }, 8);
    fields.section = shpQuestioni;
    fields.right = 600;
    fields.Place({{{"Questioni", "Questioni in sospeso:", 1}}}, 8);
    fields.right = 815;
    fields.rowHeight = 58;
    fields.Place({{{"Note", "Note:", 5}, {"CodiceDest", "Codice Destinatario (attribuito da SdI):", 3}}}, 66);

    auto edit = [&](const char *field) { return fields.EditOf(field); };
    txtCognome = edit("Cognome");
    txtNome = edit("Nome");
    txtDitta = edit("Ditta");
    txtSesso = edit("Sesso");
    txtRecapito = edit("Recapito");
    txtIndirizzoRes = edit("IndirizzoRes");
    txtProvRes = fields.ComboOf("ProvRes");
    txtComuneRes = edit("ComuneRes");
    txtCapRes = edit("CapRes");
    txtDataNasc = edit("DataNasc");
    txtComuneNasc = edit("ComuneNasc");
    txtProvNasc = fields.ComboOf("ProvNasc");
    txtTelCasa = edit("TelCasa");
    txtTelUff = edit("TelUff");
    txtTelCel = edit("TelCel");
    txtPec = edit("Pec");
    txtEmail = edit("Email");
    txtCodFisc = edit("CodFisc");
    txtCarta = edit("Carta");
    txtScadeCarta = edit("ScadeCarta");
    txtPartitaIva = edit("PartitaIva");
    txtIban = edit("Iban");
    txtTipoPat = edit("TipoPat");
    txtNumPat = edit("NumPat");
    txtEnteRil = edit("EnteRil");
    txtDataRil = edit("DataRil");
    txtDataSca = edit("DataSca");
    txtConducente = edit("Conducente");
    txtQuestioni = edit("Questioni");
    txtNote = edit("Note");
    txtCodiceDest = edit("CodiceDest");
    txtProvRes->SetSuggestions(ProvinceCodes());
    txtProvNasc->SetSuggestions(ProvinceCodes());

    // The checker and mail buttons stand at the right of their edits.
    auto buttonBeside = [](Edit *beside, const char *name, IconKind kind) {
        beside->resize(beside->width() - 30, beside->height());
        return IconButton(beside->parentWidget(), name, kind,
                          QRect(beside->geometry().right() + 5, beside->y() + 2, 24, 24));
    };
    btnCodFisc = buttonBeside(txtCodFisc, "btnCodFisc", IconKind::Check);
    btnCarta = buttonBeside(txtCarta, "btnCarta", IconKind::Check);
    btnPartitaIva = buttonBeside(txtPartitaIva, "btnPartitaIva", IconKind::Check);
    btnIban = buttonBeside(txtIban, "btnIban", IconKind::Check);
    txtEmail->resize(txtEmail->width() - 30, txtEmail->height());
    btnEmail = new ImageButton(shpRecapiti);
    btnEmail->setObjectName(QStringLiteral("btnEmail"));
    btnEmail->setGeometry(txtEmail->geometry().right() + 5, txtEmail->y() + 2, 24, 24);
    ShowPicture(btnEmail, ResourcePicture(QStringLiteral(":/pictures/Clienti/btnEmail.png"), QSize(24, 24)));

    Decoration(shpAnagrafica, "imgAnagrafica", DecorationKind::Person, QRect(10, 16, 64, 48));
    Decoration(shpPatente, "imgPatente", DecorationKind::Vehicle, QRect(10, 16, 64, 48));
    Decoration(shpQuestioni, "imgQuestioni", DecorationKind::Calendar, QRect(18, 24, 48, 48));

    chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), shpQuestioni);
    chkRicontatta->setObjectName(QStringLiteral("chkRicontatta"));
    chkRicontatta->setFont(UiFont(QStringLiteral("Verdana"), 9, true));
    chkRicontatta->setGeometry(620, 30, 190, 28);

    CreateAttachmentLabels(panContenitore, &lblFile01, &lblFile02, &lblFile03, &lblDesc01, &lblDesc02, &lblDesc03);

    const int y = PlaceCommandColumn(panContenitore, {
        {&cmdNuovo, "cmdNuovo", "Nuovo", [this] { cmdNuovoClick(); }},
        {&cmdDuplica, "cmdDuplica", "Duplica", [this] { cmdDuplicaClick(); }},
        {&cmdFile, "cmdFile", "Allega file", [this] { cmdFileClick(); }},
        {&cmdSalva, "cmdSalva", "Salva", [this] { cmdSalvaClick(); }},
        {&cmdTrova, "cmdTrova", "Trova", [this] { cmdTrovaClick(); }},
        {&cmdAnteprima, "cmdAnteprima", "Anteprima", [this] { cmdAnteprimaClick(); }},
        {&cmdStampa, "cmdStampa", "Stampa", [this] { cmdStampaClick(); }},
        {&cmdPDF, "cmdPDF", "Crea PDF", [this] { cmdPDFClick(); }},
        {&cmdRicontatta, "cmdRicontatta", "Da ricontattare", [this] { cmdRicontattaClick(); }},
        {&cmdEsporta, "cmdEsporta", "Esporta archivio", [this] { cmdEsportaClick(); }},
        {&cmdGuida, "cmdGuida", "Guida", [this] { cmdGuidaClick(); }},
        {&cmdEsci, "cmdEsci", "Esci", [this] { cmdEsciClick(); }},
    });
    Decoration(panContenitore, "imgComandi", DecorationKind::Person, QRect(840, y + 20, 148, 100));

    PlaceRecordArrows(this, shpFrecce);

    panInfo = CardStatusLine(panContenitore);

    // The Tab key follows the record order, with the call-back box between
    // the pending issues and the notes.
    const QWidget *tabOrder[] = {
        txtCognome,   txtNome,       txtDitta,      txtSesso,   txtRecapito,  txtIndirizzoRes, txtProvRes,
        txtComuneRes, txtCapRes,     txtDataNasc,   txtComuneNasc, txtProvNasc, txtTelCasa,   txtTelUff,
        txtTelCel,    txtPec,        txtEmail,      txtCodFisc, txtCarta,     txtScadeCarta,   txtPartitaIva,
        txtIban,      txtTipoPat,    txtNumPat,     txtEnteRil, txtDataRil,   txtDataSca,      txtConducente,
        txtQuestioni, chkRicontatta, txtNote,       txtCodiceDest,
    };
    for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(const_cast<QWidget *>(tabOrder[i]), const_cast<QWidget *>(tabOrder[i + 1]));

    btnCodFisc->onClick = [this] { btnCodFiscClick(); };
    btnPartitaIva->onClick = [this] { btnPartitaIvaClick(); };
    btnCarta->onClick = [this] { btnCartaClick(); };
    btnIban->onClick = [this] { btnIbanClick(); };
    btnEmail->onClick = [this] { btnEmailClick(); };
}

void TfrmClienti::FormCreate() {
    card_ = std::make_unique<CardEngine>(this, CustomerRecord, lblPosizione);
    CardEngine &card = *card_;
    card.SetArchiveName(QStringLiteral("Clienti.pro"));
    // Bound in record order, which is also the order of the Enter key.
    card.BindEdit("Cognome", txtCognome);
    card.BindEdit("Nome", txtNome);
    card.BindEdit("Ditta", txtDitta);
    card.BindEdit("Sesso", txtSesso);
    card.BindEdit("Recapito", txtRecapito);
    card.BindEdit("IndirizzoRes", txtIndirizzoRes);
    card.BindCombo("ProvRes", txtProvRes);
    card.BindEdit("ComuneRes", txtComuneRes);
    card.BindEdit("CapRes", txtCapRes);
    card.BindEdit("DataNasc", txtDataNasc);
    card.BindEdit("ComuneNasc", txtComuneNasc);
    card.BindCombo("ProvNasc", txtProvNasc);
    card.BindEdit("TelCasa", txtTelCasa);
    card.BindEdit("TelUff", txtTelUff);
    card.BindEdit("TelCel", txtTelCel);
    card.BindEdit("Pec", txtPec);
    card.BindEdit("Email", txtEmail);
    card.BindEdit("CodFisc", txtCodFisc);
    card.BindEdit("Carta", txtCarta);
    card.BindEdit("ScadeCarta", txtScadeCarta);
    card.BindEdit("PartitaIva", txtPartitaIva);
    card.BindEdit("Iban", txtIban);
    card.BindEdit("TipoPat", txtTipoPat);
    card.BindEdit("NumPat", txtNumPat);
    card.BindEdit("EnteRil", txtEnteRil);
    card.BindEdit("DataRil", txtDataRil);
    card.BindEdit("DataSca", txtDataSca);
    card.BindEdit("Conducente", txtConducente);
    card.BindEdit("Questioni", txtQuestioni);
    card.BindEdit("Note", txtNote);
    card.BindEdit("CodiceDest", txtCodiceDest);
    card.BindFlag("Ricontatta", chkRicontatta);
    card.BindAttachments(lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03);

    const QString needed = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ");
    card.AddMandatory(txtCognome, needed + QStringLiteral("il cognome del cliente."));
    card.AddMandatory(txtNome, needed + QStringLiteral("il nome del cliente."));

    BindRules();

    card.SetStatusLine(panInfo, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const std::pair<QWidget *, const char *> hints[] = {
        {cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdDuplica, "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {cmdFile, "Allega file alla scheda corrente."},
        {cmdSalva, "Salva la scheda corrente in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdAnteprima, "Visualizza l'anteprima di stampa."},
        {cmdStampa, "Stampa la scheda corrente."},
        {cmdPDF, "Esporta la scheda in formato PDF."},
        {cmdRicontatta, "Visualizza l'elenco dei Clienti da ricontattare."},
        {cmdEsporta, "Esporta le schede in archivio in un file di Microsoft Excel."},
        {cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {btnCodFisc, "Controlla il codice fiscale."},
        {btnPartitaIva, "Controlla il numero di partita IVA."},
        {btnCarta, "Controlla il numero di carta di credito."},
        {btnIban, "Controlla l'IBAN."},
        {btnEmail, "Invia una e-mail all'indirizzo indicato."},
        {chkRicontatta, "Annota che il cliente \u00e8 da ricontattare per questioni in sospeso."},
    };
    for (const auto &[control, hint] : hints) card.AddHint(control, QString::fromUtf8(hint));
    for (QWidget *area : {static_cast<QWidget *>(this), static_cast<QWidget *>(panContenitore),
                          static_cast<QWidget *>(shpAnagrafica), static_cast<QWidget *>(shpRecapiti),
                          static_cast<QWidget *>(shpFiscale), static_cast<QWidget *>(shpPatente),
                          static_cast<QWidget *>(shpQuestioni), static_cast<QWidget *>(shpFrecce),
                          static_cast<QWidget *>(lblPosizione)})
        card.AddBlankArea(area);
    for (const char *picture : {"imgAnagrafica", "imgPatente", "imgQuestioni", "imgComandi"})
        card.AddBlankArea(findChild<QLabel *>(QString::fromLatin1(picture)));
}

// The rules each field follows while the user types; none acts on a text put
// in by a load or a pick.
void TfrmClienti::BindRules() {
    CardEngine &card = *card_;
    for (QWidget *refusing : std::initializer_list<QWidget *>{
             txtCognome, txtNome, txtRecapito, txtIndirizzoRes, txtProvRes, txtComuneRes, txtPec, txtCodFisc,
             txtIban, txtCodiceDest})
        card.OnKey(refusing, RefuseCharacters(RefusedSet::WithAmpersand));
    card.OnKey(txtDitta, RefuseCharacters(RefusedSet::WithoutAmpersand));
    // These hold on to the focus: Tab, Shift+Tab, Home and End do nothing.
    for (Edit *digits : {txtCapRes, txtCarta, txtPartitaIva}) card.OnKey(digits, DigitsOnly(MoveKeys::Swallowed));

    for (Edit *code : {txtCapRes, txtPec, txtCodFisc, txtIban, txtCodiceDest, txtProvRes->Editor(),
                       txtProvNasc->Editor()})
        code->onTyping = [code] { KeepAsCode(code); };
    txtSesso->onTyping = [this] { KeepUpperCase(txtSesso); };
    txtEmail->onTyping = [this] { KeepTrimmed(txtEmail); };

    // What the user left in these when going on (a paste, a pick from the
    // list) is tidied once more.
    auto tidy = [](Edit *edit, QString (*rule)(const QString &)) {
        const QString tidied = rule(edit->text());
        if (tidied != edit->text()) edit->setText(tidied);
    };
    card.OnExit(txtEmail, [this, tidy] { tidy(txtEmail, Trim); });
    for (ComboEdit *province : {txtProvRes, txtProvNasc})
        card.OnExit(province, [province, tidy] {
            tidy(province->Editor(), [](const QString &text) { return UpperAZ(Trim(text)); });
        });
}

void TfrmClienti::FormShow() { card_->Clear(); }

void TfrmClienti::FormClose(CloseAction &) { ShowLauncher(); }

void TfrmClienti::ShowRecord(const Record &record, int number) { card_->LoadRecord(record, number); }

void TfrmClienti::cmdNuovoClick() { card_->Clear(); }
void TfrmClienti::cmdDuplicaClick() { card_->Duplicate(); }
void TfrmClienti::cmdSalvaClick() { card_->Save(); }
void TfrmClienti::cmdPrimoClick() { card_->First(); }
void TfrmClienti::cmdIndietroClick() { card_->Previous(); }
void TfrmClienti::cmdAvantiClick() { card_->Next(); }
void TfrmClienti::cmdUltimoClick() { card_->Last(); }
void TfrmClienti::cmdEsciClick() { Close(); }

void TfrmClienti::cmdFileClick() { OpenAttachments(this, QStringLiteral("clienti"), AttachmentLabelsOf(this)); }

void TfrmClienti::cmdTrovaClick() {
    TfrmTrovaClienti search(this);
    search.Create();
    search.lblMemory->setText(QStringLiteral("clienti"));
    search.ShowModal();
}

void TfrmClienti::cmdRicontattaClick() {
    TfrmRicontatta callBack(this);
    callBack.Create();
    callBack.ShowModal();
}

void TfrmClienti::cmdEsportaClick() {
    TfrmExpClienti exportDialog(this);
    exportDialog.Create();
    exportDialog.ShowModal();
}

void TfrmClienti::cmdAnteprimaClick() { PreviewSchedaCliente(*this); }
void TfrmClienti::cmdStampaClick() { PrintSchedaCliente(*this); }
void TfrmClienti::cmdPDFClick() { ExportSchedaClientePdf(*this); }

void TfrmClienti::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("App Anagrafica Clienti"), HelpText(QStringLiteral("Clienti")));
}

// A tax code of digits only is a company's VAT number written there.
void TfrmClienti::btnCodFiscClick() { CheckTaxCode(this, txtCodFisc->text()); }

void TfrmClienti::btnPartitaIvaClick() {
    TfrmPartitaIva checker(this);
    checker.Create();
    checker.txtPartitaIva->setText(Trim(txtPartitaIva->text()));
    checker.ShowModal();
}

void TfrmClienti::btnCartaClick() {
    TfrmCarta checker(this);
    checker.Create();
    checker.txtNumero->setText(Trim(txtCarta->text()));
    checker.ShowModal();
}

void TfrmClienti::btnIbanClick() {
    TfrmIban checker(this);
    checker.Create();
    checker.txtIban->setText(Trim(txtIban->text()));
    checker.ShowModal();
}

// The address goes to the mail program as typed, without its blanks; the
// characters that would cut a "mailto:" text short are encoded.
void TfrmClienti::btnEmailClick() {
    TMisc::Open(QStringLiteral("\"mailto:") + MailtoAddress(Trim(txtEmail->text())) + QStringLiteral("\""));
}

}  // namespace vel
