#include "Tariffario.h"

#include <QHash>

#include "ExpTariffario.h"
#include "Listino.h"
#include "SchedaTariffa.h"
#include "TrovaTariffa.h"
#include "cards/CardLayout.h"
#include "cards/CardPictures.h"
#include "cards/KeyFilters.h"
#include "cards/Launcher.h"
#include "cards/Receivers.h"
#include "common/Amounts.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "dialogs/AllegaCartella.h"
#include "dialogs/Guida.h"
#include "dialogs/Iban.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmTariffario *frmTariffario = nullptr;

namespace {

const QStringList kTariffKinds = {QStringLiteral("Oraria"),      QStringLiteral("Giornaliera"),
                                  QStringLiteral("Weekend"),     QStringLiteral("Settimanale"),
                                  QStringLiteral("Mensile"),     QStringLiteral("Chilometrica")};
const QStringList kClasses = {QStringLiteral("Compatta"), QStringLiteral("Economica"), QStringLiteral("Grande"),
                              QStringLiteral("Intermedia"), QStringLiteral("Lusso"),   QStringLiteral("Mini"),
                              QStringLiteral("Premium"),  QStringLiteral("Speciale")};
}  // namespace

TfrmTariffario::TfrmTariffario(QWidget *owner) : Form(owner) {
    SetUpCardWindow(this, "frmTariffario", QStringLiteral(" Velmora - Listino Tariffe"));
    BuildLayout();
    // The tariff search's pick loads the whole tariff here; the attachments
    // dialog writes back into the six attachment labels.
    RegisterPick(QStringLiteral("frmTrovaTariffa"), QStringLiteral("tariffario"), [](const Record &r, int number) {
        if (frmTariffario) frmTariffario->ShowRecord(r, number);
    });
    RegisterAttachments(QStringLiteral("tariffario"), frmTariffario);
}

TfrmTariffario::~TfrmTariffario() = default;

void TfrmTariffario::BuildLayout() {
    panContenitore = CentredCardPanel(this, "panContenitore");

    // The tool bar: six white groups of commands.
    auto group = [&](const char *name, int x, int width) {
        return WhiteSection(panContenitore, name, QRect(x, 0, width, 48));
    };
    shpComandi01 = group("shpComandi01", 0, 336);
    shpComandi02 = group("shpComandi02", 342, 92);
    shpComandi03 = group("shpComandi03", 440, 92);
    shpComandi04 = group("shpComandi04", 538, 160);
    shpComandi05 = group("shpComandi05", 704, 180);
    shpComandi06 = group("shpComandi06", 890, 105);
    const QRect slot(0, 8, 78, 32);
    cmdNuovo = CommandButton(shpComandi01, "cmdNuovo", QStringLiteral("Nuovo"), slot.translated(6, 0));
    cmdDuplica = CommandButton(shpComandi01, "cmdDuplica", QStringLiteral("Duplica"), slot.translated(88, 0));
    cmdSalva = CommandButton(shpComandi01, "cmdSalva", QStringLiteral("Salva"), slot.translated(170, 0));
    cmdTrova = CommandButton(shpComandi01, "cmdTrova", QStringLiteral("Trova"), slot.translated(252, 0));
    cmdFile = CommandButton(shpComandi02, "cmdFile", QStringLiteral("Allega file"), slot.translated(7, 0));
    cmdStampa = CommandButton(shpComandi03, "cmdStampa", QStringLiteral("Stampa"), slot.translated(7, 0));
    PlaceRecordArrows(this, shpComandi04, {.left = 4, .top = 12, .gap = 2, .positionWidth = 56, .points = 11});
    cmdEsporta = CommandButton(shpComandi05, "cmdEsporta", QStringLiteral("Esporta archivio"), QRect(6, 8, 100, 32));
    cmdListino = CommandButton(shpComandi05, "cmdListino", QStringLiteral("Listino"), QRect(110, 8, 64, 32));
    cmdGuida = CommandButton(shpComandi06, "cmdGuida", QStringLiteral("Guida"), QRect(5, 8, 46, 32));
    cmdEsci = CommandButton(shpComandi06, "cmdEsci", QStringLiteral("Esci"), QRect(55, 8, 46, 32));

    // The six sections, each opening with its heading.
    auto section = [&](const char *name, const QString &heading, const QRect &r) {
        BoxFrame *frame = WhiteSection(panContenitore, name, r);
        auto *title = new QLabel(heading, frame);
        title->setObjectName(QStringLiteral("tit") + QString::fromLatin1(name).mid(3));
        title->setGeometry(10, 4, r.width() - 20, 20);
        title->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
        SetTextColour(title, QColor(0x43, 0x6C, 0xCA));
        return frame;
    };
    shpSezione01 = section("shpSezione01", QStringLiteral("Tariffa"), QRect(0, 56, 490, 130));
    shpSezione02 = section("shpSezione02", QStringLiteral("Criteri di calcolo"), QRect(500, 56, 495, 130));
    shpSezione03 = section("shpSezione03", QStringLiteral("Veicolo, ritiro e riconsegna"), QRect(0, 192, 490, 226));
    shpSezione04 = section("shpSezione04", QStringLiteral("Listino"), QRect(500, 192, 495, 226));
    shpSezione05 = section("shpSezione05", QStringLiteral("Pagamento"), QRect(0, 424, 490, 226));
    shpSezione06 = section("shpSezione06", QStringLiteral("Requisiti del cliente"), QRect(500, 424, 495, 226));

    FieldRows fields{nullptr, UiFont(QStringLiteral("Verdana"), 11, true),
                     {QStringLiteral("Tariffa"), QStringLiteral("Veicolo"), QStringLiteral("Classe"),
                      QStringLiteral("Alimentazione")},
                     10, 480};
    fields.captionPrefix = QStringLiteral("lblCampo");
    auto place = [&](QFrame *frame, const std::vector<std::vector<FieldPlace>> &rows) {
        fields.section = frame;
        fields.right = frame->width() - 10;
        fields.Place(rows, 26);
    };
    place(shpSezione01, {{{"Tariffa", "Tariffa:", 1}, {"Descrizione", "Descrizione:", 2}},
                         {{"Codice", "Codice:", 1}, {"Importo", "Importo unitario:", 1}}});
    place(shpSezione02, {{{"Conteggio", "Criterio conteggio (usato per calcolare ore, giorni ecc.):", 1}},
                         {{"Eccedenza", "Criterio calcolo eccedenza:", 1}}});
    place(shpSezione03, {{{"Veicolo", "Tipo veicolo:", 1}, {"Classe", "Classe veicolo:", 1}},
                         {{"Alimentazione", "Alimentazione:", 1}, {"Posti", "Posti:", 1}},
                         {{"Ritiro", "Modalit\u00e0 di ritiro:", 1}},
                         {{"Riconsegna", "Modalit\u00e0 di riconsegna:", 1}}});
    place(shpSezione04, {{{"Listino", "Listino di appartenenza:", 1}},
                         {{"PrezzoList", "Prezzo in listino:", 1}},
                         {{"DescList", "Descrizione in listino:", 1}}});
    place(shpSezione05, {{{"Pagamento", "Modalit\u00e0 di pagamento:", 1}, {"Banca", "Banca d'appoggio:", 1}},
                         {{"Cauzione", "Cauzione:", 1}, {"Iban", "IBAN:", 1}},
                         {{"Intestatario", "Intestatario C/C:", 1}},
                         {{"Note", "Note:", 1}}});
    place(shpSezione06, {{{"Patente", "Patente:", 1}},
                         {{"Documenti", "Documenti richiesti:", 1}},
                         {{"Assicurazioni", "Assicurazioni:", 1}},
                         {{"Requisiti", "Altri requisiti:", 1}}});

    auto edit = [&](const char *field) { return fields.EditOf(field); };
    auto combo = [&](const char *field) { return fields.ComboOf(field); };
    txtTariffa = combo("Tariffa");
    txtDescrizione = edit("Descrizione");
    txtCodice = edit("Codice");
    txtImporto = edit("Importo");
    txtConteggio = edit("Conteggio");
    txtEccedenza = edit("Eccedenza");
    txtVeicolo = combo("Veicolo");
    txtClasse = combo("Classe");
    txtAlimentazione = combo("Alimentazione");
    txtPosti = edit("Posti");
    txtRitiro = edit("Ritiro");
    txtRiconsegna = edit("Riconsegna");
    txtListino = edit("Listino");
    txtPrezzoList = edit("PrezzoList");
    txtDescList = edit("DescList");
    txtPagamento = edit("Pagamento");
    txtBanca = edit("Banca");
    txtCauzione = edit("Cauzione");
    txtIban = edit("Iban");
    txtIntestatario = edit("Intestatario");
    txtNote = edit("Note");
    txtPatente = edit("Patente");
    txtDocumenti = edit("Documenti");
    txtAssicurazioni = edit("Assicurazioni");
    txtRequisiti = edit("Requisiti");
    txtTariffa->SetSuggestions(kTariffKinds);
    txtVeicolo->SetSuggestions(VehicleTypeSuggestions());
    txtClasse->SetSuggestions(kClasses);
    txtAlimentazione->SetSuggestions(FuelSuggestions());

    txtIban->resize(txtIban->width() - 30, txtIban->height());
    btnIban = IconButton(shpSezione05, "btnIban", IconKind::Check,
                         QRect(txtIban->geometry().right() + 5, txtIban->y() + 2, 24, 24));

    CreateAttachmentLabels(panContenitore, &lblFile01, &lblFile02, &lblFile03, &lblDesc01, &lblDesc02, &lblDesc03);

    panInfo = CardStatusLine(panContenitore, 11, QRect(0, 658, 995, 30));

    cmdNuovo->onClick = [this] { cmdNuovoClick(); };
    cmdDuplica->onClick = [this] { cmdDuplicaClick(); };
    cmdSalva->onClick = [this] { cmdSalvaClick(); };
    cmdTrova->onClick = [this] { cmdTrovaClick(); };
    cmdFile->onClick = [this] { cmdFileClick(); };
    cmdStampa->onClick = [this] { cmdStampaClick(); };
    cmdEsporta->onClick = [this] { cmdEsportaClick(); };
    cmdListino->onClick = [this] { cmdListinoClick(); };
    cmdGuida->onClick = [this] { cmdGuidaClick(); };
    cmdEsci->onClick = [this] { cmdEsciClick(); };
    btnIban->onClick = [this] { btnIbanClick(); };
}

void TfrmTariffario::FormCreate() {
    card_ = std::make_unique<CardEngine>(this, TariffRecord, lblPosizione);
    CardEngine &card = *card_;
    card.SetArchiveName(QStringLiteral("Tariffario.pro"));
    card.BindCombo("Tariffa", txtTariffa);
    card.BindEdit("Descrizione", txtDescrizione);
    card.BindEdit("Codice", txtCodice);
    card.BindEdit("Importo", txtImporto);
    card.BindEdit("Conteggio", txtConteggio);
    card.BindEdit("Eccedenza", txtEccedenza);
    card.BindCombo("Veicolo", txtVeicolo);
    card.BindCombo("Classe", txtClasse);
    card.BindCombo("Alimentazione", txtAlimentazione);
    card.BindEdit("Posti", txtPosti);
    card.BindEdit("Ritiro", txtRitiro);
    card.BindEdit("Riconsegna", txtRiconsegna);
    card.BindEdit("Listino", txtListino);
    card.BindEdit("PrezzoList", txtPrezzoList);
    card.BindEdit("DescList", txtDescList);
    card.BindEdit("Pagamento", txtPagamento);
    card.BindEdit("Banca", txtBanca);
    card.BindEdit("Cauzione", txtCauzione);
    card.BindEdit("Iban", txtIban);
    card.BindEdit("Intestatario", txtIntestatario);
    card.BindEdit("Note", txtNote);
    card.BindEdit("Patente", txtPatente);
    card.BindEdit("Documenti", txtDocumenti);
    card.BindEdit("Assicurazioni", txtAssicurazioni);
    card.BindEdit("Requisiti", txtRequisiti);
    card.BindAttachments(lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03);
    card.SetClearText(txtImporto, QStringLiteral("0,00"));
    card.SetClearText(txtPrezzoList, QStringLiteral("0,00"));

    const QString needed = QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ");
    card.AddMandatory(txtTariffa, needed + QStringLiteral("il tipo di tariffa."));
    card.AddMandatory(txtDescrizione, needed + QStringLiteral("la descrizione della tariffa."));
    card.AddMandatory(txtCodice, needed + QStringLiteral("il codice della tariffa."));
    card.AddMandatory(txtListino, needed + QStringLiteral("il nome del listino di appartenenza della tariffa."));
    card.AddMandatory(txtDescList, needed + QStringLiteral("la descrizione della tariffa da riportare in listino."));

    card.OnKey(txtImporto, [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtImportoKeyDown(k, c, s); });
    card.OnKey(txtPrezzoList, [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtPrezzoListKeyDown(k, c, s); });
    card.OnExit(txtImporto, [this] { txtImportoExit(); });
    card.OnExit(txtPrezzoList, [this] { txtPrezzoListExit(); });
    txtIban->onTyping = [this] { KeepAsCode(txtIban); };

    card.SetStatusLine(panInfo, QStringLiteral("Pronto per stampare una nuova scheda..."));
    const std::pair<QWidget *, const char *> hints[] = {
        {cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdDuplica, "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {cmdSalva, "Salva la scheda corrente in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdFile, "Allega file alla scheda corrente."},
        {cmdStampa, "Stampa la scheda corrente."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {cmdEsporta, "Esporta le schede in archivio in un file di Microsoft Excel."},
        {cmdListino, "Visualizza il listino delle tariffe."},
        {cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {btnIban, "Controlla l'IBAN."},
    };
    for (const auto &[control, hint] : hints) card.AddHint(control, QString::fromUtf8(hint));
    for (QWidget *area : std::initializer_list<QWidget *>{
             this, panContenitore, shpComandi01, shpComandi02, shpComandi03, shpComandi04, shpComandi05,
             shpComandi06, shpSezione01, shpSezione02, shpSezione03, shpSezione04, shpSezione05, shpSezione06})
        card.AddBlankArea(area);
}

void TfrmTariffario::FormShow() { card_->Clear(); }

// Closing the card brings the launcher back; main windows are only hidden.
void TfrmTariffario::FormClose(CloseAction &) { ShowLauncher(); }

void TfrmTariffario::ShowRecord(const Record &record, int number) { card_->LoadRecord(record, number); }

void TfrmTariffario::cmdNuovoClick() { card_->Clear(); }
void TfrmTariffario::cmdDuplicaClick() { card_->Duplicate(); }
void TfrmTariffario::cmdSalvaClick() { card_->Save(); }
void TfrmTariffario::cmdPrimoClick() { card_->First(); }
void TfrmTariffario::cmdIndietroClick() { card_->Previous(); }
void TfrmTariffario::cmdAvantiClick() { card_->Next(); }
void TfrmTariffario::cmdUltimoClick() { card_->Last(); }
void TfrmTariffario::cmdEsciClick() { Close(); }

void TfrmTariffario::cmdTrovaClick() {
    TfrmTrovaTariffa search(this);
    search.Create();
    if (auto *tag = search.findChild<QLabel *>(QStringLiteral("lblMemory"))) tag->setText(QStringLiteral("tariffario"));
    search.ShowModal();
}

void TfrmTariffario::cmdFileClick() {
    OpenAttachments(this, QStringLiteral("tariffario"),
                    AttachmentLabelsOf(this));
}

void TfrmTariffario::cmdStampaClick() { PrintSchedaTariffa(*this); }

void TfrmTariffario::cmdEsportaClick() {
    TfrmExpTariffario exportDialog(this);
    exportDialog.Create();
    exportDialog.ShowModal();
}

void TfrmTariffario::cmdListinoClick() {
    TfrmListino priceList(this);
    priceList.Create();
    priceList.txtTipologia->setText(Trim(txtListino->text()));
    priceList.ShowModal();
}

void TfrmTariffario::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("App Listino Tariffe"), HelpText(QStringLiteral("Tariffario")));
}

void TfrmTariffario::btnIbanClick() {
    TfrmIban checker(this);
    checker.Create();
    checker.txtIban->setText(Trim(txtIban->text()));
    checker.ShowModal();
}

void TfrmTariffario::txtImportoKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) { AmountKeyFilter(key, keyChar); }
void TfrmTariffario::txtPrezzoListKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    AmountKeyFilter(key, keyChar);
}
// An amount edit left: its text normalised, or, for a number too large to
// keep (it can only have been pasted), refused with a message.
void TfrmTariffario::txtImportoExit() { LeaveAmountEdit(txtImporto); }
void TfrmTariffario::txtPrezzoListExit() { LeaveAmountEdit(txtPrezzoList); }

}  // namespace vel
