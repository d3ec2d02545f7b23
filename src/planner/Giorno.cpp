#include "Giorno.h"

#include "pictures/Pictures.h"
#include "BookingText.h"
#include "DayCells.h"
#include "PlannerKit.h"
#include "common/MonthTable.h"
#include "common/TextRules.h"
#include "platform/Platform.h"

namespace vel {

TfrmGiorno *frmGiorno = nullptr;

namespace {

// A one-line title that fills its strip.
QLabel *StripLabel(QFrame *strip, const char *name, const QString &text, const QString &colour) {
    auto *label = new QLabel(text, strip);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(strip->rect().adjusted(6, 0, -6, 0));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(UiFont(QStringLiteral("Verdana"), 14));
    SetTextColour(label, QColor(colour));
    return label;
}

}  // namespace

TfrmGiorno::TfrmGiorno(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmGiorno"));
    SetCaption(QStringLiteral(" Prenotazione noleggio veicolo"));
    SetFixedClientSize(660, 425);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(12, 12, 634, 358);
    shpSfondo = Shape(panContainer, "shpSfondo", panContainer->rect(),
                    BoxLook{Qt::white, QColor(0x9F, 0xB6, 0xCD), 8});

    recCamera = Shape(panContainer, "recCamera", QRect(10, 14, 614, 38), BoxLook{Qt::black, QColor(), 0});
    infCamera = StripLabel(recCamera, "infCamera", QStringLiteral("Veicolo"), QStringLiteral("white"));
    recTitolo = Shape(panContainer, "recTitolo", QRect(10, 60, 614, 38),
                    BoxLook{QColor(0xCD, 0xE4, 0xF7), QColor(0x9C, 0xC3, 0xE6), 0});
    infGiorno = StripLabel(recTitolo, "infGiorno", QStringLiteral("Data prenotazione"), QStringLiteral("#8B4513"));

    icoIstruzioni = Picture(panContainer, "icoIstruzioni", QRect(95, 110, 444, 32), {PictureName::BookingInstructions, {444, 32}});

    // No focus highlighting in this dialog: the strip always shows.
    const BookingTextControls text = BuildBookingText(panContainer, QPoint(17, 154), "effPrenotazione");
    effPrenotazione = text.strip;
    txtPrenotazione = text.edit;
    cmdClipboard = text.copy;
    cmdCancella = text.clear;

    Rectangle1 = Shape(panContainer, "Rectangle1", QRect(17, 211, 600, 119),
                     BoxLook{Qt::white, QColor(0x8E, 0xC5, 0xEE), 4});
    const QRect icon(141, 23, 71, 72), banner(236, 30, 223, 59);
    icnLibera = Picture(Rectangle1, "icnLibera", icon, {PictureName::CalendarIcon, icon.size(), int(DayStatus::Free)});
    icoLibera = Picture(Rectangle1, "icoLibera", banner, {PictureName::StatusBanner, banner.size(), int(DayStatus::Free)});
    icnOccupata = Picture(Rectangle1, "icnOccupata", icon, {PictureName::CalendarIcon, icon.size(), int(DayStatus::Booked)});
    icoOccupata = Picture(Rectangle1, "icoOccupata", banner, {PictureName::StatusBanner, banner.size(), int(DayStatus::Booked)});
    icnOccupata->hide();
    icoOccupata->hide();

    const BookingButtons buttons = BuildBookingButtons(this, 383, 488);
    btnAnnulla = buttons.cancel;
    btnChiudi = buttons.apply;
    lblMemory = buttons.memory;

    setTabOrder(txtPrenotazione, btnChiudi);
    setTabOrder(btnChiudi, btnAnnulla);

    txtPrenotazione->onChange = [this] { txtPrenotazioneChange(); };
    txtPrenotazione->onTyping = [this] { txtPrenotazioneTyping(); };
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmGiorno::btnChiudiClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmGiorno::btnAnnullaClick);
    cmdCancella->onClick = [this] { cmdCancellaClick(); };
    cmdClipboard->onClick = [this] { cmdClipboardClick(); };
}

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules (common/TextRules.h); only the limit is left.
void TfrmGiorno::FormCreate() { txtPrenotazione->SetMaxLength(kBookingTextLength); }

void TfrmGiorno::FormShow() { txtPrenotazione->setFocus(); }

// The pictures tell at a glance what "Applica e chiudi" will make of the day.
void TfrmGiorno::ShowStatus() {
    const bool booked = !Trim(txtPrenotazione->text()).isEmpty();
    icoLibera->setVisible(!booked);
    icoOccupata->setVisible(booked);
    icnLibera->setVisible(!booked);
    icnOccupata->setVisible(booked);
}

void TfrmGiorno::txtPrenotazioneChange() { ShowStatus(); }
void TfrmGiorno::txtPrenotazioneTyping() { ShowStatus(); }

// A tag that names no day of the grid (a wrong case included) writes nothing;
// the dialog closes all the same.
void TfrmGiorno::btnChiudiClick() {
    int month = 0, day = 0;
    if (ParseDayKey(Trim(lblMemory->text()), &month, &day)) WriteDayCell(month, day, txtPrenotazione->text());
    Close();
}

void TfrmGiorno::btnAnnullaClick() { Close(); }

// Only the edit is emptied: the day stays as it was until "Applica e chiudi".
void TfrmGiorno::cmdCancellaClick() {
    txtPrenotazione->clear();
    txtPrenotazione->setFocus();
}

void TfrmGiorno::cmdClipboardClick() { CopyBookingText(txtPrenotazione); }

}  // namespace vel
