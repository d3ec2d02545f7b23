#include "Flotta.h"


#include "Disponibili.h"
#include "ExpFlotta.h"
#include "SchedaAutomezzo.h"
#include "TrovaFlotta.h"
#include "cards/CardLayout.h"
#include "cards/CardPictures.h"
#include "cards/KeyFilters.h"
#include "cards/Launcher.h"
#include "cards/Receivers.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "customers/TrovaClienti.h"
#include "dialogs/CheckerDialogs.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "platform/Platform.h"

namespace vel {

TfrmFlotta *frmFlotta = nullptr;

namespace {

const QStringList kConditions = {QStringLiteral("Ottimo"),       QStringLiteral("Buono"),
                                 QStringLiteral("Discreto"),     QStringLiteral("Utilizzabile"),
                                 QStringLiteral("Precario"),     QStringLiteral("Da rottamare")};

// The owner import: the customer picked in the customer search becomes the
// vehicle's owner or person in charge, by name, tax code and telephone.
constexpr ControlFill kOwnerFills[] = {
    {"txtConducente", "Cognome", "Nome"},
    {"txtCodFisc", "CodFisc"},
    {"txtRecapito", "Recapito"},
};

}  // namespace

TfrmFlotta::TfrmFlotta(QWidget *owner) : Form(owner) {
    SetUpCardWindow(this, "frmFlotta", QStringLiteral(" Velmora - Parco Automezzi"));
    BuildLayout();
    // The vehicle search's pick loads the whole vehicle here; the attachments
    // dialog writes back into the six attachment labels.
    RegisterPick(QStringLiteral("frmTrovaFlotta"), QStringLiteral("flotta"), [](const Record &r, int number) {
        if (frmFlotta) frmFlotta->ShowRecord(r, number);
    });
    RegisterAttachments(QStringLiteral("flotta"), frmFlotta);
    RegisterPickFills(QStringLiteral("frmTrovaClienti"), QStringLiteral("flotta"), frmFlotta, kOwnerFills);
}

TfrmFlotta::~TfrmFlotta() = default;

void TfrmFlotta::BuildLayout() {
    panContenitore = CentredCardPanel(this, "panContenitore");

    shpVeicolo = Section(panContenitore, "shpVeicolo", QRect(0, 0, 825, 478));
    shpProprietario = Section(panContenitore, "shpProprietario", QRect(0, 484, 825, 66));
    shpNote = Section(panContenitore, "shpNote", QRect(0, 556, 600, 92));
    shpDisponibile = Section(panContenitore, "shpDisponibile", QRect(606, 556, 219, 92));
    shpFrecce = Section(panContenitore, "shpFrecce", QRect(797, 652, 198, 36));

    // Fields in record order, row by row; combo edits take suggestions.
    FieldRows fields{shpVeicolo, UiFont(QStringLiteral("Verdana"), 12, true),
                     {QStringLiteral("Veicolo"), QStringLiteral("Alimentazione"), QStringLiteral("Stato")}, 86, 815};
    fields.Place({
        {{"Veicolo", "Tipo veicolo:", 1}, {"Marca", "Marca:", 1}, {"Modello", "Modello:", 1}},
        {{"Colore", "Colore:", 1}, {"Alimentazione", "Alimentazione:", 1}, {"Targa", "Targa:", 1}},
        {{"Impianti", "Impianti e accessori:", 2}, {"Telaio", "Telaio:", 1}, {"Immatricolazione", "Data immatricolazione:", 1}},
        {{"Cilindrata", "Cilindrata:", 1}, {"Cavalli", "Cavalli fiscali / kW:", 1}, {"DataAcq", "Data acquisto:", 1},
         {"PrezzoAcq", "Prezzo acquisto:", 1}},
        {{"Telepass", "Apparato Telepass:", 2}, {"Posti", "Numero posti:", 1}, {"Peso", "Peso massimo (in t):", 1}},
        {{"Viacard", "Tessera Viacard:", 2}, {"Litro", "Km al litro:", 1}, {"Uso", "Destinazione ed uso:", 1}},
        {{"Pneumatici", "Pneumatici:", 2}, {"Assi", "Numero assi:", 1}, {"Ambientale", "Compatibilit\u00e0 ambientale:", 1}},
        {{"Officina", "Estremi Libretto di circolazione e Certificato di propriet\u00e0:", 3},
         {"Compagnia", "Compagnia assicurazione:", 1}},
        {{"Incidenti", "Incidenti subiti:", 3}, {"Stato", "Stato veicolo:", 1}},
    }, 8);
    fields.section = shpProprietario;
    fields.Place({{{"Conducente", "Proprietario o responsabile:", 3}, {"CodFisc", "Codice fiscale:", 2},
                   {"Recapito", "Telefono preferenziale:", 2}}}, 8);
    fields.section = shpNote;
    fields.right = 590;
    fields.Place({{{"Note", "Note:", 1}}}, 10);

    auto edit = [&](const char *field) { return fields.EditOf(field); };
    auto combo = [&](const char *field) { return fields.ComboOf(field); };
    txtVeicolo = combo("Veicolo");
    txtMarca = edit("Marca");
    txtModello = edit("Modello");
    txtColore = edit("Colore");
    txtAlimentazione = combo("Alimentazione");
    txtTarga = edit("Targa");
    txtImpianti = edit("Impianti");
    txtTelaio = edit("Telaio");
    txtImmatricolazione = edit("Immatricolazione");
    txtCilindrata = edit("Cilindrata");
    txtCavalli = edit("Cavalli");
    txtDataAcq = edit("DataAcq");
    txtPrezzoAcq = edit("PrezzoAcq");
    txtTelepass = edit("Telepass");
    txtPosti = edit("Posti");
    txtPeso = edit("Peso");
    txtViacard = edit("Viacard");
    txtLitro = edit("Litro");
    txtUso = edit("Uso");
    txtPneumatici = edit("Pneumatici");
    txtAssi = edit("Assi");
    txtAmbientale = edit("Ambientale");
    txtOfficina = edit("Officina");
    txtCompagnia = edit("Compagnia");
    txtIncidenti = edit("Incidenti");
    txtStato = combo("Stato");
    txtConducente = edit("Conducente");
    txtCodFisc = edit("CodFisc");
    txtRecapito = edit("Recapito");
    txtNote = edit("Note");
    txtVeicolo->SetSuggestions(VehicleTypeSuggestions());
    txtAlimentazione->SetSuggestions(FuelSuggestions());
    txtStato->SetSuggestions(kConditions);

    // The owner's two buttons stand at the right of their edits.
    txtConducente->resize(txtConducente->width() - 30, txtConducente->height());
    impAutomezzo = IconButton(shpProprietario, "impAutomezzo", IconKind::Import,
                              QRect(txtConducente->geometry().right() + 5, txtConducente->y() + 2, 24, 24));
    txtCodFisc->resize(txtCodFisc->width() - 30, txtCodFisc->height());
    btnCodFisc = IconButton(shpProprietario, "btnCodFisc", IconKind::Check,
                            QRect(txtCodFisc->geometry().right() + 5, txtCodFisc->y() + 2, 24, 24));

    Decoration(shpVeicolo, "imgVeicolo", DecorationKind::Vehicle, QRect(10, 16, 64, 48));
    Decoration(shpProprietario, "imgProprietario", DecorationKind::Person, QRect(22, 8, 44, 48));
    Decoration(shpDisponibile, "imgDisponibile", DecorationKind::Calendar, QRect(160, 24, 48, 48));

    chkDisponibile = new QCheckBox(QStringLiteral("Veicolo disponibile"), shpDisponibile);
    chkDisponibile->setObjectName(QStringLiteral("chkDisponibile"));
    chkDisponibile->setFont(UiFont(QStringLiteral("Verdana"), 9, true));
    chkDisponibile->setGeometry(14, 32, 150, 28);

    CreateAttachmentLabels(panContenitore, &lblFile01, &lblFile02, &lblFile03, &lblDesc01, &lblDesc02, &lblDesc03);

    const int y = PlaceCommandColumn(panContenitore, {
        {&cmdNuovo, "cmdNuovo", "Nuovo", [this] { cmdNuovoClick(); }},
        {&cmdDuplica, "cmdDuplica", "Duplica", [this] { cmdDuplicaClick(); }},
        {&cmdAllega, "cmdAllega", "Allega file", [this] { cmdAllegaClick(); }},
        {&cmdSalva, "cmdSalva", "Salva", [this] { cmdSalvaClick(); }},
        {&cmdTrova, "cmdTrova", "Trova", [this] { cmdTrovaClick(); }},
        {&cmdAnteprima, "cmdAnteprima", "Anteprima", [this] { cmdAnteprimaClick(); }},
        {&cmdStampa, "cmdStampa", "Stampa", [this] { cmdStampaClick(); }},
        {&cmdPDF, "cmdPDF", "Crea PDF", [this] { cmdPDFClick(); }},
        {&cmdDisponibili, "cmdDisponibili", "Disponibili", [this] { cmdDisponibiliClick(); }},
        {&cmdEsporta, "cmdEsporta", "Esporta archivio", [this] { cmdEsportaClick(); }},
        {&cmdGuida, "cmdGuida", "Guida", [this] { cmdGuidaClick(); }},
        {&cmdEsci, "cmdEsci", "Esci", [this] { cmdEsciClick(); }},
    });
    Decoration(panContenitore, "imgComandi", DecorationKind::Vehicle, QRect(840, y + 20, 148, 100));

    PlaceRecordArrows(this, shpFrecce);

    panInfo = CardStatusLine(panContenitore);

    btnCodFisc->onClick = [this] { btnCodFiscClick(); };
    impAutomezzo->onClick = [this] { impAutomezzoClick(); };
}

void TfrmFlotta::FormCreate() {
    card_ = std::make_unique<CardEngine>(this, VehicleRecord, lblPosizione);
    CardEngine &card = *card_;
    card.SetArchiveName(QStringLiteral("Flotta_Automezzi.pro"));
    card.BindCombo("Veicolo", txtVeicolo);
    card.BindEdit("Marca", txtMarca);
    card.BindEdit("Modello", txtModello);
    card.BindEdit("Colore", txtColore);
    card.BindCombo("Alimentazione", txtAlimentazione);
    card.BindEdit("Targa", txtTarga);
    card.BindEdit("Impianti", txtImpianti);
    card.BindEdit("Telaio", txtTelaio);
    card.BindEdit("Immatricolazione", txtImmatricolazione);
    card.BindEdit("Cilindrata", txtCilindrata);
    card.BindEdit("Cavalli", txtCavalli);
    card.BindEdit("DataAcq", txtDataAcq);
    card.BindEdit("PrezzoAcq", txtPrezzoAcq);
    card.BindEdit("Telepass", txtTelepass);
    card.BindEdit("Posti", txtPosti);
    card.BindEdit("Peso", txtPeso);
    card.BindEdit("Viacard", txtViacard);
    card.BindEdit("Litro", txtLitro);
    card.BindEdit("Uso", txtUso);
    card.BindEdit("Pneumatici", txtPneumatici);
    card.BindEdit("Assi", txtAssi);
    card.BindEdit("Ambientale", txtAmbientale);
    card.BindEdit("Officina", txtOfficina);
    card.BindEdit("Compagnia", txtCompagnia);
    card.BindEdit("Incidenti", txtIncidenti);
    card.BindCombo("Stato", txtStato);
    card.BindEdit("Conducente", txtConducente);
    card.BindEdit("CodFisc", txtCodFisc);
    card.BindEdit("Recapito", txtRecapito);
    card.BindFlag("Disponibile", chkDisponibile);
    card.BindEdit("Note", txtNote);
    card.BindAttachments(lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03);

    const QString needed = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ");
    card.AddMandatory(txtVeicolo, needed + QStringLiteral("il tipo di veicolo."));
    card.AddMandatory(txtMarca, needed + QStringLiteral("la marca del veicolo."));
    card.AddMandatory(txtModello, needed + QStringLiteral("il modello del veicolo."));
    card.AddMandatory(txtTarga, needed + QStringLiteral("la targa del veicolo."));

    for (Edit *code : {txtMarca, txtModello, txtTarga, txtTelaio}) card.OnKey(code, RefuseCharacters());
    txtTarga->onTyping = [this] { KeepAsCode(txtTarga); };
    txtCodFisc->onKeyUp = [this](int &, QChar &, Qt::KeyboardModifiers) { KeepAsCode(txtCodFisc); };
    card.OnKey(txtLitro, DigitsOnly(MoveKeys::Swallowed));
    // Whatever got past the keys (a paste) becomes "0" when the edit is left.
    card.OnExit(txtLitro, [this] {
        if (!IsAllDigits(txtLitro->text())) txtLitro->setText(QStringLiteral("0"));
    });

    card.SetStatusLine(panInfo, QStringLiteral("Pronto per archiviare una nuova scheda..."));
    const std::pair<QWidget *, const char *> hints[] = {
        {cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdDuplica, "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {cmdAllega, "Allega file alla scheda corrente."},
        {cmdSalva, "Salva la scheda corrente in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdAnteprima, "Visualizza l'anteprima di stampa."},
        {cmdStampa, "Stampa la scheda corrente."},
        {cmdPDF, "Esporta la scheda in formato PDF."},
        {cmdDisponibili, "Visualizza il riepilogo dei veicoli attualmente disponibili."},
        {cmdEsporta, "Esporta le schede in archivio in un file di Microsoft Excel."},
        {cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {btnCodFisc, "Controlla il codice fiscale."},
        {impAutomezzo,
         "Importa i dati del proprietario o responsabile del veicolo dall'archivio anagrafico dei clienti."},
        {chkDisponibile, "Spunta questa casella per annotare che il veicolo \u00e8 attualmente disponibile."},
    };
    for (const auto &[control, hint] : hints) card.AddHint(control, QString::fromUtf8(hint));
    for (QWidget *area : {static_cast<QWidget *>(this), static_cast<QWidget *>(panContenitore),
                          static_cast<QWidget *>(shpVeicolo), static_cast<QWidget *>(shpProprietario),
                          static_cast<QWidget *>(shpNote), static_cast<QWidget *>(shpDisponibile),
                          static_cast<QWidget *>(shpFrecce), static_cast<QWidget *>(lblPosizione)})
        card.AddBlankArea(area);
    for (const char *picture : {"imgVeicolo", "imgProprietario", "imgDisponibile"})
        card.AddBlankArea(findChild<QLabel *>(QString::fromLatin1(picture)));
}

void TfrmFlotta::FormShow() { card_->Clear(); }

void TfrmFlotta::FormClose(CloseAction &) { ShowLauncher(); }

void TfrmFlotta::ShowRecord(const Record &record, int number) { card_->LoadRecord(record, number); }

void TfrmFlotta::cmdNuovoClick() { card_->Clear(); }
void TfrmFlotta::cmdDuplicaClick() { card_->Duplicate(); }
void TfrmFlotta::cmdSalvaClick() { card_->Save(); }
void TfrmFlotta::cmdPrimoClick() { card_->First(); }
void TfrmFlotta::cmdIndietroClick() { card_->Previous(); }
void TfrmFlotta::cmdAvantiClick() { card_->Next(); }
void TfrmFlotta::cmdUltimoClick() { card_->Last(); }
void TfrmFlotta::cmdEsciClick() { Close(); }

void TfrmFlotta::cmdAllegaClick() {
    OpenAttachments(this, QStringLiteral("flotta"),
                    AttachmentLabelsOf(this));
}

void TfrmFlotta::cmdTrovaClick() {
    TfrmTrovaFlotta search(this);
    search.Create();
    search.lblMemory->setText(QStringLiteral("flotta"));
    search.ShowModal();
}

void TfrmFlotta::cmdDisponibiliClick() {
    TfrmDisponibili available(this);
    available.Create();
    available.ShowModal();
}

void TfrmFlotta::cmdAnteprimaClick() { PreviewSchedaAutomezzo(*this); }
void TfrmFlotta::cmdStampaClick() { PrintSchedaAutomezzo(*this); }
void TfrmFlotta::cmdPDFClick() { ExportSchedaAutomezzoPdf(*this); }

void TfrmFlotta::cmdEsportaClick() {
    TfrmExpFlotta exportDialog(this);
    exportDialog.Create();
    exportDialog.ShowModal();
}

void TfrmFlotta::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("App Parco Automezzi"), HelpText(QStringLiteral("Flotta")));
}

void TfrmFlotta::btnCodFiscClick() { CheckTaxCode(this, txtCodFisc->text()); }

void TfrmFlotta::impAutomezzoClick() {
    TfrmTrovaClienti search(this);
    search.Create();
    search.lblMemory->setText(QStringLiteral("flotta"));
    search.ShowModal();
}

}  // namespace vel
