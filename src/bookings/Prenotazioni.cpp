#include "Prenotazioni.h"

#include <QEvent>

#include "ExpPrenotazioni.h"
#include "RiepAnnualePren.h"
#include "RiepGiornalieroPren.h"
#include "RiepMensilePren.h"
#include "SchedaPrenotazione.h"
#include "TrovaPrenotazioni.h"
#include "cards/CardLayout.h"
#include "cards/CardPictures.h"
#include "cards/FindDialog.h"
#include "cards/KeyFilters.h"
#include "cards/Launcher.h"
#include "cards/Receivers.h"
#include "common/Clock.h"
#include "common/DateText.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "customers/TrovaClienti.h"
#include "dialogs/CheckerDialogs.h"
#include "dialogs/CodFisc.h"
#include "dialogs/Guida.h"
#include "dialogs/PartitaIVA.h"
#include "fleet/TrovaFlotta.h"
#include "pictures/Pictures.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmPrenotazioni *frmPrenotazioni = nullptr;

namespace {

const QString kTag = QStringLiteral("prenotazioni");

// The vehicle as the booking card receives it from the vehicle search.
constexpr ControlFill kVehicleFills[] = {
    {"txtVeicolo", "Veicolo"}, {"txtMarca", "Marca"}, {"txtModello", "Modello"},
    {"txtColore", "Colore"},   {"txtAlimentazione", "Alimentazione"},
    {"txtTarga", "Targa"},     {"txtPosti", "Posti"},
};

// The customer as the booking card receives it from the customer search:
// surname and name joined by one blank.
constexpr ControlFill kCustomerFills[] = {
    {"txtCliente", "Cognome", "Nome"}, {"txtCodFisc", "CodFisc"}, {"txtRecapito", "Recapito"},
    {"txtTelCel", "TelCel"},           {"txtEmail", "Email"},
};

QString Needed(const char *ending) {
    return QStringLiteral("Attenzione: per salvare la scheda \u00e8 necessario indicare ") + QString::fromUtf8(ending);
}

const QString kValidDate = QStringLiteral("Per poter salvare la scheda \u00e8 necessario indicare una data valida.");

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QLabel *HiddenLabel(QWidget *parent, const char *name) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->hide();
    return label;
}

QLabel *ListCaption(QWidget *parent, const QString &text, const QRect &geometry) {
    QLabel *caption = FieldCaption(parent, text, geometry);
    caption->setFont(UiFont(QStringLiteral("Verdana"), 9, true));
    return caption;
}

ChoiceList *DateList(QWidget *parent, const char *name, const QStringList &items, const QRect &geometry) {
    auto *list = new ChoiceList(parent);
    list->setObjectName(QString::fromLatin1(name));
    // Neither a paste from the edit's menu nor a dropped text may bring in
    // what typing cannot: a "Ma" pasted into an hour list would be saved as the
    // hour when "Salva" is clicked before the list is left.
    // (The combo box hands its own menu request on to its edit's menu.)
    list->setContextMenuPolicy(Qt::NoContextMenu);
    list->Editor()->setContextMenuPolicy(Qt::NoContextMenu);
    list->Editor()->setAcceptDrops(false);
    list->setGeometry(geometry);
    // Compared with the case of the letters: "gennaio" is none of the items.
    list->SetItems(items, ChoiceList::Match::ExactCase);
    list->setMaxVisibleItems(12);
    list->setFont(UiFont(QStringLiteral("Verdana"), 11, true));
    list->Editor()->setFont(UiFont(QStringLiteral("Verdana"), 11, true));
    return list;
}

// One side's date and time groups: day, month and year; hours and minutes.
struct SideControls {
    QGroupBox *dateGroup, *timeGroup;
    ChoiceList *day, *month, *hours, *minutes;
    QLabel *year, *date, *time;
    ImageButton *clock;
};

SideControls BuildSide(QWidget *parent, int top, const char *side, const QString &dateTitle, const QString &timeTitle,
                       const char *clockName) {
    auto name = [side](const char *prefix) { return QByteArray(prefix) + side; };
    SideControls s{};
    const QFont groupFont = UiFont(QStringLiteral("Verdana"), 9, true);
    s.dateGroup = new QGroupBox(dateTitle, parent);
    s.dateGroup->setObjectName(QString::fromLatin1(name("grpData")));
    HoldFontUntilPolish(s.dateGroup);
    s.dateGroup->setGeometry(0, top, 336, 88);
    s.dateGroup->setFont(groupFont);
    ListCaption(s.dateGroup, QStringLiteral("Giorno:"), QRect(14, 24, 70, 16));
    ListCaption(s.dateGroup, QStringLiteral("Mese:"), QRect(96, 24, 120, 16));
    s.day = DateList(s.dateGroup, name("txtGiorno"), TwoDigitItems(1, 31), QRect(14, 44, 66, 28));
    s.month = DateList(s.dateGroup, name("txtMese"), MonthItems(), QRect(96, 44, 140, 28));
    s.year = new QLabel(s.dateGroup);
    s.year->setObjectName(QString::fromLatin1(name("lblAnno")));
    s.year->setGeometry(246, 44, 50, 28);
    s.year->setAlignment(Qt::AlignCenter);
    s.year->setFont(UiFont(QStringLiteral("Verdana"), 11, true));
    SetTextColour(s.year, QColor(0x8B, 0x45, 0x13));
    s.date = HiddenLabel(s.dateGroup, name("lblData"));
    // The clock button: today's page of a calendar.
    s.clock = new ImageButton(s.dateGroup);
    s.clock->setObjectName(QString::fromLatin1(clockName));
    s.clock->setGeometry(300, 44, 28, 28);
    ShowPicture(s.clock, {PictureName::CalendarIcon, {28, 28}, int(DayStatus::Free)});

    s.timeGroup = new QGroupBox(timeTitle, parent);
    s.timeGroup->setObjectName(QString::fromLatin1(name("grpOra")));
    HoldFontUntilPolish(s.timeGroup);
    s.timeGroup->setGeometry(346, top, 180, 88);
    s.timeGroup->setFont(groupFont);
    ListCaption(s.timeGroup, QStringLiteral("Ore:"), QRect(14, 24, 66, 16));
    ListCaption(s.timeGroup, QStringLiteral("Minuti:"), QRect(100, 24, 66, 16));
    s.hours = DateList(s.timeGroup, name("txtOre"), TwoDigitItems(0, 23), QRect(14, 44, 66, 28));
    auto *colon = new QLabel(QStringLiteral(":"), s.timeGroup);
    colon->setGeometry(84, 44, 12, 28);
    colon->setAlignment(Qt::AlignCenter);
    colon->setFont(UiFont(QStringLiteral("Verdana"), 12, true));
    s.minutes = DateList(s.timeGroup, name("txtMinuti"), TwoDigitItems(0, 59), QRect(100, 44, 66, 28));
    s.time = HiddenLabel(s.timeGroup, name("lblOra"));
    return s;
}

}  // namespace

TfrmPrenotazioni::TfrmPrenotazioni(QWidget *owner) : Form(owner) {
    SetUpCardWindow(this, "frmPrenotazioni", QStringLiteral(" Velmora - Prenotazione Veicoli"));
    BuildYearPanel();
    BuildCardPanel();
    // The vehicle and customer searches fill their fields into the card on
    // screen; the booking search loads a whole booking with its number.
    RegisterPickFills(QStringLiteral("frmTrovaFlotta"), kTag, frmPrenotazioni, kVehicleFills);
    RegisterPickFills(QStringLiteral("frmTrovaClienti"), kTag, frmPrenotazioni, kCustomerFills);
    RegisterPick(QStringLiteral("frmTrovaPrenotazioni"), kTag, [](const Record &r, int number) {
        if (frmPrenotazioni) frmPrenotazioni->ShowRecord(r, number);
    });
}

TfrmPrenotazioni::~TfrmPrenotazioni() = default;

void TfrmPrenotazioni::BuildYearPanel() {
    // Both panels fill one centred holder; one of them shows at a time.
    QWidget *holder = CentredCardPanel<QWidget>(this, "panCentro");

    panAvvio = new QFrame(holder);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(0, 0, 995, 692);

    BoxFrame *box = Section(panAvvio, "shpAvvio", QRect(247, 196, 500, 250));
    auto *title = new QLabel(box);
    title->setObjectName(QStringLiteral("titAvvio"));
    title->setGeometry(20, 14, 460, 40);
    ShowPicture(title, {PictureName::TitleArtwork, {460, 40}, 0, QStringLiteral("PRENOTAZIONI VEICOLI")});

    lblApri = new QLabel(QStringLiteral("Indicare l'anno solare e premere Apri."), box);
    lblApri->setObjectName(QStringLiteral("lblApri"));
    lblApri->setGeometry(20, 70, 460, 22);
    lblApri->setAlignment(Qt::AlignCenter);
    lblApri->setFont(UiFont(QStringLiteral("Verdana"), 10, true));

    txtAnno = new YearEdit(box);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setGeometry(130, 104, 100, 32);
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->setFont(UiFont(QStringLiteral("Verdana"), 14, true));

    btnApri = new Button(QStringLiteral("Apri"), box);
    btnApri->setObjectName(QStringLiteral("btnApri"));
    btnApri->setGeometry(246, 104, 124, 32);
    btnApri->setFont(UiFont(QStringLiteral("Verdana"), 11));
    txtAnno->SetEnterTarget(btnApri);
    // The year is selected whenever the edit is entered, so that a year typed
    // replaces it (a click then puts the caret where it falls).
    txtAnno->onEnter = [this] { txtAnno->selectAll(); };
    setTabOrder(txtAnno, btnApri);

    imgGuida = new ImageButton(box);
    imgGuida->setObjectName(QStringLiteral("imgGuida"));
    imgGuida->setGeometry(40, 164, 141, 67);
    ShowPicture(imgGuida, {PictureName::BlueButton, {141, 67}, 0, QStringLiteral("Guida")});
    imgEsci = new ImageButton(box);
    imgEsci->setObjectName(QStringLiteral("imgEsci"));
    imgEsci->setGeometry(320, 164, 140, 67);
    ShowPicture(imgEsci, {PictureName::BlueButton, {140, 67}, 0, QStringLiteral("Esci")});

    lblFile = HiddenLabel(panAvvio, "lblFile");

    connect(btnApri, &QPushButton::clicked, this, &TfrmPrenotazioni::btnApriClick);
    imgGuida->onClick = [this] { imgGuidaClick(); };
    imgEsci->onClick = [this] { imgEsciClick(); };
}

void TfrmPrenotazioni::BuildCardPanel() {
    panContainer = new QFrame(panAvvio->parentWidget());
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(0, 0, 995, 692);
    panContainer->hide();

    const SideControls pickUp = BuildSide(panContainer, 0, "Rit", QStringLiteral(" Data partenza: "),
                                          QStringLiteral(" Ora partenza: "), "impRitiro");
    grpDataRit = pickUp.dateGroup;
    grpOraRit = pickUp.timeGroup;
    txtGiornoRit = pickUp.day;
    txtMeseRit = pickUp.month;
    txtOreRit = pickUp.hours;
    txtMinutiRit = pickUp.minutes;
    lblAnnoRit = pickUp.year;
    lblDataRit = pickUp.date;
    lblOraRit = pickUp.time;
    impRitiro = pickUp.clock;

    const QFont editFont = UiFont(QStringLiteral("Verdana"), 12, true);
    auto branch = [&](const char *name, const char *caption, int top) {
        ListCaption(panContainer, QString::fromUtf8(caption), QRect(540, top + 24, 285, 16));
        auto *edit = new Edit(panContainer);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(540, top + 44, 285, 28);
        edit->setFont(editFont);
        return edit;
    };
    txtSedeRit = branch("txtSedeRit", "Sede partenza:", 0);

    shpVeicolo = Section(panContainer, "shpVeicolo", QRect(0, 116, 825, 126));
    FieldRows vehicle{shpVeicolo, editFont, {}, 86, 815};
    vehicle.Place({{{"Veicolo", "Tipo veicolo:", 1}, {"Marca", "Marca:", 1}, {"Modello", "Modello:", 1}},
                   {{"Colore", "Colore:", 3}, {"Posti", "Posti:", 1}, {"Targa", "Targa:", 2},
                    {"Alimentazione", "Alimentazione:", 3}}},
                  10);
    txtVeicolo = vehicle.EditOf("Veicolo");
    txtMarca = vehicle.EditOf("Marca");
    txtModello = vehicle.EditOf("Modello");
    txtColore = vehicle.EditOf("Colore");
    txtPosti = vehicle.EditOf("Posti");
    txtTarga = vehicle.EditOf("Targa");
    txtAlimentazione = vehicle.EditOf("Alimentazione");
    txtPosti->setAlignment(Qt::AlignCenter);
    Decoration(shpVeicolo, "imgVeicolo", DecorationKind::Vehicle, QRect(10, 20, 64, 48));
    impVeicolo = IconButton(shpVeicolo, "impVeicolo", IconKind::Import, QRect(22, 80, 24, 24));

    shpCliente = Section(panContainer, "shpCliente", QRect(0, 266, 825, 126));
    FieldRows customer{shpCliente, editFont, {}, 86, 815};
    customer.Place({{{"Cliente", "Cognome e nome cliente:", 2}, {"CodFisc", "Codice fiscale:", 1}},
                    {{"Recapito", "Telefono preferenziale:", 2}, {"TelCel", "Tel. cellulare:", 2},
                     {"Email", "E-mail:", 3}}},
                   10);
    txtCliente = customer.EditOf("Cliente");
    txtCodFisc = customer.EditOf("CodFisc");
    txtRecapito = customer.EditOf("Recapito");
    txtTelCel = customer.EditOf("TelCel");
    txtEmail = customer.EditOf("Email");
    Decoration(shpCliente, "imgCliente", DecorationKind::Person, QRect(22, 16, 44, 48));
    impCliente = IconButton(shpCliente, "impCliente", IconKind::Import, QRect(22, 80, 24, 24));
    // The check and mail buttons stand at the right of their edits.
    txtCodFisc->resize(txtCodFisc->width() - 30, txtCodFisc->height());
    btnCodFisc = IconButton(shpCliente, "btnCodFisc", IconKind::Check,
                            QRect(txtCodFisc->geometry().right() + 5, txtCodFisc->y() + 2, 24, 24));
    txtEmail->resize(txtEmail->width() - 30, txtEmail->height());
    cmdEmail = CommandButton(shpCliente, "cmdEmail", QStringLiteral("@"),
                             QRect(txtEmail->geometry().right() + 5, txtEmail->y() + 2, 24, 24));

    const SideControls giveBack = BuildSide(panContainer, 416, "Ric", QStringLiteral(" Data rientro: "),
                                            QStringLiteral(" Ora rientro: "), "impRiconsegna");
    grpDataRic = giveBack.dateGroup;
    grpOraRic = giveBack.timeGroup;
    txtGiornoRic = giveBack.day;
    txtMeseRic = giveBack.month;
    txtOreRic = giveBack.hours;
    txtMinutiRic = giveBack.minutes;
    lblAnnoRic = giveBack.year;
    lblDataRic = giveBack.date;
    lblOraRic = giveBack.time;
    impRiconsegna = giveBack.clock;
    txtSedeRic = branch("txtSedeRic", "Sede rientro:", 416);

    Decoration(panContainer, "imgCalendario", DecorationKind::Calendar, QRect(380, 548, 64, 64));

    const int y = PlaceCommandColumn(panContainer, {
        {&cmdNuovo, "cmdNuovo", "Nuovo", [this] { cmdNuovoClick(); }},
        {&cmdSalva, "cmdSalva", "Salva", [this] { cmdSalvaClick(); }},
        {&cmdTrova, "cmdTrova", "Trova", [this] { cmdTrovaClick(); }},
        {&cmdEsporta, "cmdEsporta", "Esporta archivio", [this] { cmdEsportaClick(); }},
        {&cmdStampa, "cmdStampa", "Stampa", [this] { cmdStampaClick(); }},
        {&cmdAnteprima, "cmdAnteprima", "Anteprima", [this] { cmdAnteprimaClick(); }},
        {&cmdGuida, "cmdGuida", "Guida", [this] { imgGuidaClick(); }},
        {&cmdEsci, "cmdEsci", "Esci", [this] { cmdEsciClick(); }},
    });
    // The listings by day, month and year, marked G, M and A.
    cmdRiepGiornaliero = CommandButton(panContainer, "cmdRiepGiornaliero", QStringLiteral("G"), QRect(840, y + 10, 44, 36));
    cmdRiepMensile = CommandButton(panContainer, "cmdRiepMensile", QStringLiteral("M"), QRect(892, y + 10, 44, 36));
    cmdRiepAnnuale = CommandButton(panContainer, "cmdRiepAnnuale", QStringLiteral("A"), QRect(944, y + 10, 44, 36));

    shpFrecce = Section(panContainer, "shpFrecce", QRect(797, 652, 198, 36));
    PlaceRecordArrows(this, shpFrecce);

    panInfo = CardStatusLine(panContainer);

    cmdRiepGiornaliero->onClick = [this] { cmdRiepGiornalieroClick(); };
    cmdRiepMensile->onClick = [this] { cmdRiepMensileClick(); };
    cmdRiepAnnuale->onClick = [this] { cmdRiepAnnualeClick(); };
    btnCodFisc->onClick = [this] { btnCodFiscClick(); };
    impCliente->onClick = [this] { impClienteClick(); };
    impVeicolo->onClick = [this] { impVeicoloClick(); };
    impRitiro->onClick = [this] { impRitiroClick(); };
    impRiconsegna->onClick = [this] { impRiconsegnaClick(); };
    cmdEmail->onClick = [this] { cmdEmailClick(); };
}

std::array<ChoiceList *, 8> TfrmPrenotazioni::Lists() const {
    return {txtGiornoRit, txtMeseRit, txtOreRit, txtMinutiRit, txtGiornoRic, txtMeseRic, txtOreRic, txtMinutiRic};
}

void TfrmPrenotazioni::FormCreate() {
    card_ = std::make_unique<CardEngine>(this, BookingRecord, lblPosizione);
    BindCard();
}

void TfrmPrenotazioni::BindCard() {
    CardEngine &card = *card_;
    card.SetArchive([this] { return Trim(lblFile->text()); });
    card.MessageTexts().inserted = QStringLiteral("La scheda corrente \u00e8 stata salvata in archivio.");

    // Bound in the order the Enter key walks the card, round from the return
    // branch to the pick-up day; the labels hold no place in it.
    card.BindCombo("GiornoRit", txtGiornoRit);
    card.BindCombo("MeseRit", txtMeseRit);
    card.BindCombo("OreRit", txtOreRit);
    card.BindCombo("MinutiRit", txtMinutiRit);
    card.BindEdit("SedeRit", txtSedeRit);
    card.BindEdit("Veicolo", txtVeicolo);
    card.BindEdit("Marca", txtMarca);
    card.BindEdit("Modello", txtModello);
    card.BindEdit("Colore", txtColore);
    card.BindEdit("Posti", txtPosti);
    card.BindEdit("Targa", txtTarga);
    card.BindEdit("Alimentazione", txtAlimentazione);
    card.BindEdit("Cliente", txtCliente);
    card.BindEdit("CodFisc", txtCodFisc);
    card.BindEdit("Recapito", txtRecapito);
    card.BindEdit("TelCel", txtTelCel);
    card.BindEdit("Email", txtEmail);
    card.BindCombo("GiornoRic", txtGiornoRic);
    card.BindCombo("MeseRic", txtMeseRic);
    card.BindCombo("OreRic", txtOreRic);
    card.BindCombo("MinutiRic", txtMinutiRic);
    card.BindEdit("SedeRic", txtSedeRic);
    card.BindLabel("AnnoRit", lblAnnoRit);
    card.BindLabel("DataRit", lblDataRit);
    card.BindLabel("OraRit", lblOraRit);
    card.BindLabel("AnnoRic", lblAnnoRic);
    card.BindLabel("DataRic", lblDataRic);
    card.BindLabel("OraRic", lblOraRic);
    card.SetClearFocus(txtGiornoRit);
    // An address of up to 250 characters may be typed; the record keeps 50.
    txtEmail->SetMaxLength(250);

    for (ChoiceList *list : Lists()) {
        // The list's own rules: no typing, Backspace and Delete empty it, a
        // text that is none of its items goes when it is left.
        card.OnKey(list, [list](int &key, QChar &keyChar, Qt::KeyboardModifiers) { list->KeyRule(key, keyChar); });
        card.OnExit(list, [list] { list->ExitRule(); });
    }
    for (ChoiceList *list : {txtOreRit, txtMinutiRit, txtOreRic, txtMinutiRic})
        card.SetClearText(list, QStringLiteral("00"));

    txtTarga->onTyping = [this] { KeepAsCode(txtTarga); };
    txtCodFisc->onTyping = [this] { KeepAsCode(txtCodFisc); };
    txtEmail->onTyping = [this] { KeepTrimmed(txtEmail); };
    card.OnExit(txtEmail, [this] { txtEmail->setText(Trim(txtEmail->text())); });

    // The checks of "Salva", in their order: the parts of the pick-up moment,
    // those of the return, the vehicle and the customer; then the month
    // names, the dates they make and their order.
    auto shortText = [&card](ChoiceList *list, const char *ending) {
        card.AddCheck([list] { return Trim(list->text()).size() >= 2; }, MsgKind::Warning, Needed(ending), list);
    };
    card.AddMandatory(txtGiornoRit, Needed("il giorno del ritiro del veicolo."));
    shortText(txtGiornoRit, "il giorno del ritiro del veicolo usando due cifre.");
    card.AddMandatory(txtMeseRit, Needed("il mese del ritiro del veicolo."));
    card.AddMandatory(txtOreRit, Needed("l'ora del ritiro del veicolo."));
    card.AddMandatory(txtMinutiRit, Needed("i minuti dell'ora del ritiro del veicolo."));
    shortText(txtOreRit, "l'ora del ritiro del veicolo usando due cifre.");
    shortText(txtMinutiRit, "i minuti dell'ora del ritiro del veicolo usando due cifre.");
    card.AddMandatory(txtGiornoRic, Needed("il giorno della riconsegna del veicolo."));
    shortText(txtGiornoRic, "il giorno della riconsegna del veicolo usando due cifre.");
    card.AddMandatory(txtMeseRic, Needed("il mese della riconsegna del veicolo."));
    card.AddMandatory(txtOreRic, Needed("l'ora della riconsegna del veicolo."));
    card.AddMandatory(txtMinutiRic, Needed("i minuti dell'ora della riconsegna del veicolo."));
    shortText(txtOreRic, "l'ora della riconsegna del veicolo usando due cifre.");
    shortText(txtMinutiRic, "i minuti dell'ora della riconsegna del veicolo usando due cifre.");
    card.AddMandatory(txtVeicolo, Needed("il tipo di veicolo."));
    card.AddMandatory(txtMarca, Needed("la marca del veicolo."));
    card.AddMandatory(txtModello, Needed("il modello del veicolo."));
    card.AddMandatory(txtTarga, Needed("il numero di targa del veicolo."));
    card.AddMandatory(txtCliente, Needed("il nome del cliente."));

    // The times are built before anything else is judged; a save that stops
    // later keeps them, as it keeps the dates it built.
    card.AddCheck(
        [this] {
            lblOraRit->setText(Trim(txtOreRit->text()) + QStringLiteral(":") + Trim(txtMinutiRit->text()));
            lblOraRic->setText(Trim(txtOreRic->text()) + QStringLiteral(":") + Trim(txtMinutiRic->text()));
            return true;
        },
        MsgKind::Warning, QString(), nullptr);
    const QString monthMessage =
        QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.") + QStringLiteral("\n\r\n\r") + kValidDate;
    auto side = [&](ChoiceList *day, ChoiceList *month, QLabel *year, QLabel *date) {
        card.AddCheck([month] { return MonthOfName(month->text()) != 0; }, MsgKind::Warning, monthMessage, month);
        card.AddCheck(
            [day, month, year, date] {
                date->setText(ComposeDateText(day->text(), month->text(), year->text()));
                return IsValidDateText(date->text());
            },
            MsgKind::Plain,
            [date] {
                return QStringLiteral("Attenzione: la data ") + Trim(date->text()) + QStringLiteral(" non esiste.") +
                       QStringLiteral("\n\r\n\r") + kValidDate;
            },
            day);
    };
    side(txtGiornoRit, txtMeseRit, lblAnnoRit, lblDataRit);
    side(txtGiornoRic, txtMeseRic, lblAnnoRic, lblDataRic);
    // Dates are compared, not times: a return on the day of the pick-up
    // passes whatever the hours.
    card.AddCheck([this] { return DateFromText(lblDataRit->text()) <= DateFromText(lblDataRic->text()); },
                  MsgKind::Plain,
                  [this] {
                      return QStringLiteral("Attenzione: la data di rientro del veicolo (") +
                             Trim(lblDataRic->text()) +
                             QStringLiteral(") non pu\u00f2 essere anteriore a quella di partenza (") +
                             Trim(lblDataRit->text()) + QStringLiteral(").") + QStringLiteral("\n\r\n\r") +
                             QStringLiteral("Per poter salvare la prenotazione \u00e8 necessario indicare un "
                                            "intervallo di tempo valido.");
                  },
                  nullptr);

    card.SetStatusLine(panInfo, QStringLiteral("Pronto per stampare una nuova scheda..."));
    const std::pair<QWidget *, const char *> hints[] = {
        {cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdSalva, "Salva la scheda corrente in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdEsporta, "Esporta le schede in archivio in un file di Microsoft Excel."},
        {cmdStampa, "Stampa la scheda corrente."},
        {cmdAnteprima, "Visualizza l'anteprima di stampa della scheda corrente."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {cmdRiepGiornaliero, "Visualizza il riepilogo giornaliero delle prenotazioni veicoli."},
        {cmdRiepMensile, "Visualizza il riepilogo mensile delle prenotazioni veicoli."},
        {cmdRiepAnnuale, "Visualizza il riepilogo annuale delle prenotazioni veicoli."},
        {cmdGuida, "Visualizza la pagina della guida sensibile al contesto."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {cmdEmail, "Invia al cliente una e-mail di conferma prenotazione."},
        {btnCodFisc, "Controlla il codice fiscale."},
        {impCliente, "Importa i dati dall'archivio anagrafico dei clienti."},
        {impVeicolo, "Importa i dati dal parco automezzi."},
        {impRitiro, "Inserisci la data e l'ora corrente."},
        {impRiconsegna, "Inserisci la data e l'ora corrente."},
    };
    for (const auto &[control, hint] : hints) card.AddHint(control, QString::fromUtf8(hint));
    for (QWidget *area : {static_cast<QWidget *>(this), panContainer->parentWidget(), static_cast<QWidget *>(panContainer),
                          static_cast<QWidget *>(shpVeicolo), static_cast<QWidget *>(shpCliente),
                          static_cast<QWidget *>(shpFrecce), static_cast<QWidget *>(grpDataRit),
                          static_cast<QWidget *>(grpOraRit), static_cast<QWidget *>(grpDataRic),
                          static_cast<QWidget *>(grpOraRic)})
        card.AddBlankArea(area);
    for (const char *picture : {"imgVeicolo", "imgCliente", "imgCalendario"})
        card.AddBlankArea(findChild<QLabel *>(QString::fromLatin1(picture)));
}

// Each show starts on the year panel with the current year; the card keeps
// what it showed until "Apri" clears it.
void TfrmPrenotazioni::FormShow() {
    SetCaption(QStringLiteral(" Velmora - Prenotazione Veicoli"));
    panContainer->hide();
    panAvvio->show();
    txtAnno->ProposeYear(Today().year());
    txtAnno->setFocus();
}

void TfrmPrenotazioni::FormClose(CloseAction &) { ShowLauncher(); }

void TfrmPrenotazioni::btnApriClick() {
    // Four digits exactly, whatever reached the edit (a paste included).
    if (!txtAnno->HoldsYear()) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        txtAnno->setFocus();
        return;
    }
    const QString year = Trim(txtAnno->text());
    lblFile->setText(ProgramPath(year + QStringLiteral(".car")));
    lblAnnoRit->setText(year);
    lblAnnoRic->setText(year);
    SetCaption(QStringLiteral(" Velmora - Prenotazione veicoli anno ") + year);
    panAvvio->hide();
    panContainer->show();
    ClearBookingCard();
}

void TfrmPrenotazioni::ClearBookingCard() {
    txtAnno->clear();
    card_->Clear();
}

void TfrmPrenotazioni::ShowRecord(const Record &record, int number) { card_->LoadRecord(record, number); }

void TfrmPrenotazioni::cmdNuovoClick() { ClearBookingCard(); }

void TfrmPrenotazioni::cmdSalvaClick() {
    // The lists forget their chosen items; their texts are what is saved.
    for (ChoiceList *list : Lists()) list->ClearSelectionKeepText();
    card_->Save();
}

void TfrmPrenotazioni::cmdPrimoClick() { card_->First(); }
void TfrmPrenotazioni::cmdIndietroClick() { card_->Previous(); }
void TfrmPrenotazioni::cmdAvantiClick() { card_->Next(); }
void TfrmPrenotazioni::cmdUltimoClick() { card_->Last(); }
void TfrmPrenotazioni::cmdEsciClick() { Close(); }
void TfrmPrenotazioni::imgEsciClick() { Close(); }

void TfrmPrenotazioni::impClienteClick() {
    TfrmTrovaClienti search(this);
    search.Create();
    search.lblMemory->setText(kTag);
    search.ShowModal();
}

void TfrmPrenotazioni::impVeicoloClick() {
    TfrmTrovaFlotta search(this);
    search.Create();
    search.lblMemory->setText(kTag);
    search.ShowModal();
}

void TfrmPrenotazioni::cmdTrovaClick() {
    TfrmTrovaPrenotazioni search(this);
    search.Create();
    SetControlTextOf(&search, "lblMemory", kTag);
    search.ShowModal();
}

void TfrmPrenotazioni::cmdEsportaClick() {
    TfrmExpPrenotazioni exportDialog(this);
    exportDialog.Create();
    exportDialog.ShowModal();
}

void TfrmPrenotazioni::cmdRiepAnnualeClick() {
    TfrmRiepAnnualePren listing(this);
    listing.Create();
    listing.ShowModal();
}

void TfrmPrenotazioni::cmdRiepMensileClick() {
    TfrmRiepMensilePren listing(this);
    listing.Create();
    SetControlTextOf(&listing, "lblAnno", Trim(lblAnnoRit->text()));
    listing.ShowModal();
}

void TfrmPrenotazioni::cmdRiepGiornalieroClick() {
    TfrmRiepGiornalieroPren listing(this);
    listing.Create();
    SetControlTextOf(&listing, "lblAnno", Trim(lblAnnoRit->text()));
    listing.ShowModal();
}

void TfrmPrenotazioni::btnCodFiscClick() { CheckTaxCode(this, txtCodFisc->text()); }

void TfrmPrenotazioni::imgGuidaClick() {
    ShowGuide(this, QStringLiteral("App Prenotazioni Veicoli"), HelpText(QStringLiteral("Prenotazioni")));
}

// The clock buttons put today and the current time into their own side's
// lists, in whatever year the card has open; nothing is checked or saved.
void TfrmPrenotazioni::impRitiroClick() {
    const QDateTime now = Now();
    txtGiornoRit->setText(TwoDigits(now.date().day()));
    txtMeseRit->setText(MonthItem(now.date().month()));
    txtOreRit->setText(TwoDigits(now.time().hour()));
    txtMinutiRit->setText(TwoDigits(now.time().minute()));
}

void TfrmPrenotazioni::impRiconsegnaClick() {
    const QDateTime now = Now();
    txtGiornoRic->setText(TwoDigits(now.date().day()));
    txtMeseRic->setText(MonthItem(now.date().month()));
    txtOreRic->setText(TwoDigits(now.time().hour()));
    txtMinutiRic->setText(TwoDigits(now.time().minute()));
}

void TfrmPrenotazioni::cmdStampaClick() { PrintSchedaPrenotazione(*this); }
void TfrmPrenotazioni::cmdAnteprimaClick() { PreviewSchedaPrenotazione(*this); }
void TfrmPrenotazioni::cmdEmailClick() { SendBookingConfirmation(*this); }

}  // namespace vel
