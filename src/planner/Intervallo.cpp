#include "Intervallo.h"

#include "BookingText.h"
#include "DayCells.h"
#include "common/DateText.h"
#include "common/MonthTable.h"
#include "common/TextRules.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "pictures/Pictures.h"

namespace vel {

TfrmIntervallo *frmIntervallo = nullptr;

namespace {

QLabel *TextLine(QWidget *parent, const QString &text, const QRect &geometry) {
    auto *caption = new QLabel(text, parent);
    caption->setGeometry(geometry);
    caption->setFont(UiFont(QStringLiteral("Verdana"), 9));
    SetTextColour(caption, QColor(0x10, 0x26, 0x4A));
    return caption;
}

}  // namespace

TfrmIntervallo::TfrmIntervallo(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmIntervallo"));
    SetCaption(QStringLiteral(" Prenotazione noleggio veicolo per intervallo di tempo"));
    SetFixedClientSize(648, 343);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    panContainer = new BoxFrame(this, Qt::white, QColor(0x9F, 0xB6, 0xCD), 8);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(12, 12, 624, 277);

    recCamera = new BoxFrame(panContainer, Qt::black, QColor(), 0);
    recCamera->setObjectName(QStringLiteral("recCamera"));
    recCamera->setGeometry(12, 12, 600, 38);
    infCamera = new QLabel(QStringLiteral("Veicolo"), recCamera);
    infCamera->setObjectName(QStringLiteral("infCamera"));
    infCamera->setGeometry(recCamera->rect().adjusted(6, 0, -6, 0));
    infCamera->setAlignment(Qt::AlignCenter);
    infCamera->setFont(UiFont(QStringLiteral("Verdana"), 14));
    SetTextColour(infCamera, Qt::white);

    lblIstruzioniIntervallo =
        TextLine(panContainer, QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da prenotare."),
                QRect(14, 60, 596, 20));
    lblIstruzioniIntervallo->setObjectName(QStringLiteral("lblIstruzioniIntervallo"));
    lblIstruzioniIntervallo->setFont(UiFont(QStringLiteral("Verdana"), 9, true));

    // The two groups: day and month lists side by side, the year after them.
    struct Group {
        QGroupBox *box;
        ChoiceList *day, *month;
        FocusFrame *dayFrame, *monthFrame;
        QLabel *year, *date;
    };
    auto makeGroup = [&](const char *name, const QString &title, int left, const char *dayName,
                         const char *monthName, const char *yearName, const char *dateName) {
        Group g{};
        g.box = new QGroupBox(title, panContainer);
        g.box->setObjectName(QString::fromLatin1(name));
        g.box->setGeometry(left, 86, 294, 96);
        // A group box measures its title in a new font at once (loading the
        // font); the window is built at start, so the font comes at its first
        // show, handed on to the captions inside as then.
        WhenFirstShown(g.box, [box = g.box] { box->setFont(UiFont(QStringLiteral("Verdana"), 9, true)); });
        TextLine(g.box, QStringLiteral("Giorno:"), QRect(16, 26, 70, 18));
        TextLine(g.box, QStringLiteral("Mese:"), QRect(100, 26, 120, 18));
        const QRect dayPlace(16, 48, 70, 28), monthPlace(100, 48, 124, 28);
        g.dayFrame = new FocusFrame(g.box);
        g.dayFrame->setObjectName(QStringLiteral("eff") + QString::fromLatin1(dayName).mid(3));
        g.dayFrame->setGeometry(dayPlace.adjusted(-4, -4, 4, 4));
        g.monthFrame = new FocusFrame(g.box);
        g.monthFrame->setObjectName(QStringLiteral("eff") + QString::fromLatin1(monthName).mid(3));
        g.monthFrame->setGeometry(monthPlace.adjusted(-4, -4, 4, 4));
        g.day = new ChoiceList(g.box);
        g.day->setObjectName(QString::fromLatin1(dayName));
        g.day->setGeometry(dayPlace);
        g.day->SetItems(TwoDigitItems(1, 31), ChoiceList::Match::ExactCase);
        g.day->SetFrame(g.dayFrame);
        g.day->setMaxVisibleItems(12);
        g.month = new ChoiceList(g.box);
        g.month->setObjectName(QString::fromLatin1(monthName));
        g.month->setGeometry(monthPlace);
        g.month->SetItems(MonthItems(), ChoiceList::Match::IgnoreCase);
        g.month->SetFrame(g.monthFrame);
        g.month->setMaxVisibleItems(12);
        for (ComboEdit *combo : {g.day, g.month}) combo->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
        g.year = new QLabel(QStringLiteral("ANNO"), g.box);
        g.year->setObjectName(QString::fromLatin1(yearName));
        g.year->setGeometry(234, 48, 52, 28);
        g.year->setAlignment(Qt::AlignCenter);
        g.year->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
        SetTextColour(g.year, QColor(0x8B, 0x45, 0x13));
        g.date = new QLabel(g.box);
        g.date->setObjectName(QString::fromLatin1(dateName));
        g.date->hide();
        return g;
    };
    const Group start = makeGroup("grpDataInizio", QStringLiteral(" Data inizio intervallo: "), 12, "txtGiornoInizio",
                                  "txtMeseInizio", "lblAnnoInizio", "lblDataInizio");
    const Group end = makeGroup("grpDataFine", QStringLiteral(" Data fine intervallo: "), 318, "txtGiornoFine",
                                "txtMeseFine", "lblAnnoFine", "lblDataFine");
    grpDataInizio = start.box;
    txtGiornoInizio = start.day;
    txtMeseInizio = start.month;
    effGiornoInizio = start.dayFrame;
    effMeseInizio = start.monthFrame;
    lblAnnoInizio = start.year;
    lblDataInizio = start.date;
    grpDataFine = end.box;
    txtGiornoFine = end.day;
    txtMeseFine = end.month;
    effGiornoFine = end.dayFrame;
    effMeseFine = end.monthFrame;
    lblAnnoFine = end.year;
    lblDataFine = end.date;

    lblIstruzioniCliente = TextLine(panContainer, QStringLiteral("Indicare il nome del cliente nel campo sottostante."),
                                   QRect(14, 194, 596, 20));
    lblIstruzioniCliente->setObjectName(QStringLiteral("lblIstruzioniCliente"));
    lblIstruzioniCliente->setFont(UiFont(QStringLiteral("Verdana"), 9, true));

    const BookingTextControls text = BuildBookingText(panContainer, QPoint(12, 220), "effPrenotazione");
    effPrenotazione = text.strip;
    txtPrenotazione = text.edit;
    cmdClipboard = text.copy;
    cmdCancella = text.clear;

    const BookingButtons buttons = BuildBookingButtons(this, 301, 476);
    btnAnnulla = buttons.cancel;
    btnChiudi = buttons.apply;
    lblMemory = buttons.memory;

    setTabOrder(txtGiornoInizio, txtMeseInizio);
    setTabOrder(txtMeseInizio, txtGiornoFine);
    setTabOrder(txtGiornoFine, txtMeseFine);
    setTabOrder(txtMeseFine, txtPrenotazione);
    setTabOrder(txtPrenotazione, btnChiudi);
    setTabOrder(btnChiudi, btnAnnulla);

    txtGiornoInizio->SetEnterTarget(txtMeseInizio);
    txtMeseInizio->SetEnterTarget(txtGiornoFine);
    txtGiornoFine->SetEnterTarget(txtMeseFine);
    txtMeseFine->SetEnterTarget(txtPrenotazione);
    auto bind = [this](ChoiceList *combo, void (TfrmIntervallo::*keyDown)(int &, QChar &, Qt::KeyboardModifiers),
                       void (TfrmIntervallo::*enter)(), void (TfrmIntervallo::*exit)()) {
        Edit *editor = combo->Editor();
        editor->onKeyDown = [this, keyDown](int &k, QChar &ch, Qt::KeyboardModifiers s) { (this->*keyDown)(k, ch, s); };
        editor->onEnter = [this, enter] { (this->*enter)(); };
        editor->onExit = [this, exit] { (this->*exit)(); };
    };
    bind(txtGiornoInizio, &TfrmIntervallo::txtGiornoInizioKeyDown, &TfrmIntervallo::txtGiornoInizioEnter,
         &TfrmIntervallo::txtGiornoInizioExit);
    bind(txtMeseInizio, &TfrmIntervallo::txtMeseInizioKeyDown, &TfrmIntervallo::txtMeseInizioEnter,
         &TfrmIntervallo::txtMeseInizioExit);
    bind(txtGiornoFine, &TfrmIntervallo::txtGiornoFineKeyDown, &TfrmIntervallo::txtGiornoFineEnter,
         &TfrmIntervallo::txtGiornoFineExit);
    bind(txtMeseFine, &TfrmIntervallo::txtMeseFineKeyDown, &TfrmIntervallo::txtMeseFineEnter,
         &TfrmIntervallo::txtMeseFineExit);
    txtPrenotazione->onKeyDown = [this](int &k, QChar &ch, Qt::KeyboardModifiers s) { txtPrenotazioneKeyDown(k, ch, s); };
    cmdCancella->onClick = [this] { cmdCancellaClick(); };
    cmdClipboard->onClick = [this] { cmdClipboardClick(); };
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmIntervallo::btnChiudiClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmIntervallo::btnAnnullaClick);
}

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules (common/TextRules.h); only the limit is left.
void TfrmIntervallo::FormCreate() { txtPrenotazione->SetMaxLength(kBookingTextLength); }

void TfrmIntervallo::FormShow() { txtPrenotazione->setFocus(); }

// The four lists follow their own rules (ChoiceList): Enter moves on, only
// Backspace, Delete, Left and Right act, the selection is forgotten as a list
// takes the focus, and leaving keeps only a text of the list.
void TfrmIntervallo::txtGiornoInizioKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    txtGiornoInizio->KeyRule(key, keyChar);
}
void TfrmIntervallo::txtMeseInizioKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    txtMeseInizio->KeyRule(key, keyChar);
}
void TfrmIntervallo::txtGiornoFineKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    txtGiornoFine->KeyRule(key, keyChar);
}
void TfrmIntervallo::txtMeseFineKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    txtMeseFine->KeyRule(key, keyChar);
}

void TfrmIntervallo::txtGiornoInizioEnter() { txtGiornoInizio->EnterRule(); }
void TfrmIntervallo::txtMeseInizioEnter() { txtMeseInizio->EnterRule(); }
void TfrmIntervallo::txtGiornoFineEnter() { txtGiornoFine->EnterRule(); }
void TfrmIntervallo::txtMeseFineEnter() { txtMeseFine->EnterRule(); }

void TfrmIntervallo::txtGiornoInizioExit() { txtGiornoInizio->ExitRule(); }
void TfrmIntervallo::txtMeseInizioExit() { txtMeseInizio->ExitRule(); }
void TfrmIntervallo::txtGiornoFineExit() { txtGiornoFine->ExitRule(); }
void TfrmIntervallo::txtMeseFineExit() { txtMeseFine->ExitRule(); }

// Enter goes on to "Applica e chiudi" without pressing it.
void TfrmIntervallo::txtPrenotazioneKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    if (key != vkReturn) return;
    FocusByEnter(btnChiudi);
    key = 0;
    keyChar = QChar();
}

void TfrmIntervallo::cmdCancellaClick() {
    txtPrenotazione->clear();
    txtPrenotazione->setFocus();
}

void TfrmIntervallo::cmdClipboardClick() { CopyBookingText(txtPrenotazione); }

// Checks the choices, the two dates, their order and the name, in this order;
// the first fault is reported and the dialog stays open with every entry as it
// was. After the user confirms, every day of the interval is booked.
void TfrmIntervallo::btnChiudiClick() {
    lblDataInizio->clear();
    lblDataFine->clear();

    const struct {
        ChoiceList *combo;
        QString message;
    } choices[] = {
        {txtGiornoInizio, QStringLiteral("Attenzione: indicare il giorno di inizio intervallo selezionandolo "
                                         "dall'elenco a cascata.")},
        {txtMeseInizio, QStringLiteral("Attenzione: indicare il mese di inizio intervallo selezionandolo "
                                       "dall'elenco a cascata.")},
        {txtGiornoFine, QStringLiteral("Attenzione: indicare il giorno di fine intervallo selezionandolo "
                                       "dall'elenco a cascata.")},
        {txtMeseFine, QStringLiteral("Attenzione: indicare il mese di fine intervallo selezionandolo "
                                     "dall'elenco a cascata.")},
    };
    for (const auto &choice : choices) {
        if (!Trim(choice.combo->text()).isEmpty()) continue;
        MessageDlg(MsgKind::Warning, choice.message);
        choice.combo->setFocus();
        return;
    }

    lblDataInizio->setText(ComposeDateText(txtGiornoInizio->text(), txtMeseInizio->text(), lblAnnoInizio->text()));
    if (!IsValidDateText(lblDataInizio->text())) {
        ShowMessage(QStringLiteral("Attenzione: la data ") + Trim(lblDataInizio->text()) +
                    QStringLiteral(" di inizio intervallo non esiste.\n\r\n\rPer poter effettuare la prenotazione "
                                   "\u00e8 necessario indicare una data valida."));
        txtGiornoInizio->setFocus();
        return;
    }
    lblDataFine->setText(ComposeDateText(txtGiornoFine->text(), txtMeseFine->text(), lblAnnoFine->text()));
    if (!IsValidDateText(lblDataFine->text())) {
        ShowMessage(QStringLiteral("Attenzione: la data ") + Trim(lblDataFine->text()) +
                    QStringLiteral(" di fine intervallo non esiste.\n\r\n\rPer effettuare la prenotazione "
                                   "\u00e8 necessario indicare una data valida."));
        txtGiornoFine->setFocus();
        return;
    }
    const QString startText = Trim(lblDataInizio->text());
    const QString endText = Trim(lblDataFine->text());
    if (DateFromText(lblDataInizio->text()) > DateFromText(lblDataFine->text())) {
        ShowMessage(QStringLiteral("Attenzione: la data di fine intervallo (") + endText +
                    QStringLiteral(") non pu\u00f2 essere anteriore a quella di inizio intervallo (") + startText +
                    QStringLiteral(").\n\r\n\rPer effettuare la prenotazione \u00e8 necessario indicare un "
                                   "intervallo di tempo valido."));
        return;
    }

    const QString name = Trim(txtPrenotazione->text());
    if (name.isEmpty()) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: per effettuare la prenotazione \u00e8 necessario "
                                                    "indicare il nome del cliente."));
        txtPrenotazione->setFocus();
        return;
    }
    if (MessageDlg(MsgKind::Confirmation, QStringLiteral("INTERVALLO SELEZIONATO:  DAL  ") + startText +
                                              QStringLiteral(" AL ") + endText +
                                              QStringLiteral(".\r\n\r\nSi conferma la prenotazione?")) == MsgButton::No)
        return;

    BookInterval(name);
    Close();
}

// Every day of the grid, in calendar order, dated in the start's year: the
// days from the start to the end, both included, get the name. 29 February
// of a common year is no day of that year, and its cell stays as it is.
void TfrmIntervallo::BookInterval(const QString &name) {
    const QDate start = DateFromText(lblDataInizio->text());
    const QDate end = DateFromText(lblDataFine->text());
    const QString year = Trim(lblAnnoInizio->text());
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= kMonths[m - 1].days; ++d) {
            const QDate date = DateFromText(QStringLiteral("%1/").arg(d, 2, 10, QLatin1Char('0')) +
                                            QString::fromLatin1(kMonths[m - 1].number) + u'/' + year);
            if (!date.isValid()) continue;
            if (start <= date && date <= end) WriteDayCell(m, d, name);
        }
    }
}

void TfrmIntervallo::btnAnnullaClick() { Close(); }

}  // namespace vel
