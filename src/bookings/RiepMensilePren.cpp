#include "RiepMensilePren.h"

#include "common/Records.h"
#include "common/TextRules.h"
#include "pictures/Pictures.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmRiepMensilePren *frmRiepMensilePren = nullptr;

namespace {

constexpr int kWidth = 862, kHeight = 560;

// The month list shows capitals; a booking's month is matched in lower case.
const char *const kMonthItems[] = {"GENNAIO", "FEBBRAIO", "MARZO",     "APRILE",  "MAGGIO",   "GIUGNO",
                                   "LUGLIO",  "AGOSTO",   "SETTEMBRE", "OTTOBRE", "NOVEMBRE", "DICEMBRE"};
const char *const kMonthNames[] = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                   "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
constexpr int kDays = 31;

QFrame *Shape(QWidget *parent, const char *name, const QRect &where, const QColor &fill, const QColor &border) {
    auto *frame = new BoxFrame(parent, fill, border, 6);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(where);
    return frame;
}

QLabel *MakeCaption(QWidget *parent, const QString &text, const QRect &where, int points, bool bold) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(where);
    label->setFont(UiFont(QStringLiteral("Verdana"), points, bold));
    return label;
}

ListCombo *Choice(QWidget *parent, const char *name, const QStringList &items, const QRect &where) {
    auto *combo = new ListCombo(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    combo->setGeometry(where);
    combo->setFont(UiFont(QStringLiteral("Verdana"), 12, true));
    combo->setMaxVisibleItems(12);
    return combo;
}

// The guide and exit pictures are the launcher's, as on the grid panel.
ImageButton *Icon(QWidget *parent, const char *name, const char *picture, const QRect &where) {
    auto *icon = new ImageButton(parent);
    icon->setObjectName(QString::fromLatin1(name));
    icon->setGeometry(where);
    icon->setAlignment(Qt::AlignCenter);
    ShowPicture(icon, ResourcePicture(QStringLiteral(":/pictures/Avvio/") + QLatin1String(picture) +
                                          QStringLiteral(".png"),
                                      where.size()));
    return icon;
}

}  // namespace

PickupListing::PickupListing(QWidget *owner, const char *objectName, const QString &caption, const QString &title,
                             const QString &instruction, bool byDay)
    : BookingListing(owner, objectName, caption, title) {
    panAnno = new QWidget(this);
    panAnno->setObjectName(QStringLiteral("panAnno"));
    panAnno->setGeometry(0, 0, kWidth, kHeight);
    panAnno->setAutoFillBackground(false);

    const QColor grey(0xF0, 0xEF, 0xEE), greyLine(0xC9, 0xC6, 0xC2);
    // A ground of its own, so that the grid panel does not show through.
    bkgBody = Shape(panAnno, "bkgBody", QRect(0, 0, kWidth, kHeight), QColor(0xE4, 0xEC, 0xF7), QColor());
    bkgTitle = Shape(panAnno, "bkgTitle", QRect(12, 10, kWidth - 24, 68), grey, greyLine);
    bkgTitolo = new QLabel(bkgTitle);
    bkgTitolo->setObjectName(QStringLiteral("bkgTitolo"));
    bkgTitolo->setGeometry(8, 4, 640, 60);
    ShowPicture(bkgTitolo, {PictureName::ExportTitle, bkgTitolo->size(), 0, title});
    icoGuida = Icon(bkgTitle, "icoGuida", "imgGuida", QRect(kWidth - 24 - 118, 10, 48, 48));
    icoEsci = Icon(bkgTitle, "icoEsci", "imgEsci", QRect(kWidth - 24 - 58, 10, 48, 48));
    icoGuida->setAccessibleName(QStringLiteral("Guida"));
    icoEsci->setAccessibleName(QStringLiteral("Esci"));

    bkgHeader = Shape(panAnno, "bkgHeader", QRect(131, 120, 600, 64), Qt::white, QColor(0xB9, 0xC8, 0xE8));
    MakeCaption(bkgHeader, QStringLiteral("Anno:"), QRect(20, 18, 90, 28), 14, true);
    lblAnno = MakeCaption(bkgHeader, QStringLiteral("ANNO"), QRect(110, 12, 200, 40), 22, true);
    lblAnno->setObjectName(QStringLiteral("lblAnno"));
    SetTextColour(lblAnno, QColor(0x1C, 0x35, 0x6E));

    shpNuovo = Shape(panAnno, "shpNuovo", QRect(131, 200, 600, 200), Qt::white, QColor(0xB9, 0xC8, 0xE8));
    lblApri = MakeCaption(shpNuovo, instruction, QRect(20, 16, 560, 24), 10, true);
    lblApri->setObjectName(QStringLiteral("lblApri"));
    lblApri->setWordWrap(true);
    int x = 20;
    if (byDay) {
        MakeCaption(shpNuovo, QStringLiteral("Giorno:"), QRect(x, 60, 100, 22), 10, false);
        QStringList days;
        for (int d = 1; d <= kDays; ++d) days.append(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
        day_ = Choice(shpNuovo, "cboGiorno", days, QRect(x, 84, 100, 36));
        x += 120;
    }
    MakeCaption(shpNuovo, QStringLiteral("Mese:"), QRect(x, 60, 200, 22), 10, false);
    QStringList months;
    for (const char *m : kMonthItems) months.append(QString::fromLatin1(m));
    cboSelezione = Choice(shpNuovo, "cboSelezione", months, QRect(x, 84, 220, 36));
    btnVisualizza = new Button(QStringLiteral("Visualizza"), shpNuovo);
    btnVisualizza->setObjectName(QStringLiteral("btnVisualizza"));
    btnVisualizza->setGeometry(600 - 20 - 170, 140, 170, 40);
    btnVisualizza->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
    if (day_) setTabOrder(day_, cboSelezione);
    setTabOrder(cboSelezione, btnVisualizza);
    // The grid lies under the panel: out of the Tab round, and out of reach
    // of the keys, until a listing uncovers it.
    grdRecords->setEnabled(false);

    connect(btnVisualizza, &QPushButton::clicked, this, &PickupListing::btnVisualizzaClick);
    icoGuida->onClick = [this] { icoGuidaClick(); };
    icoEsci->onClick = [this] { icoEsciClick(); };
    // Over the panel's grounds the status line is emptied, as over the grid's.
    for (QWidget *ground : {static_cast<QWidget *>(bkgBody), static_cast<QWidget *>(bkgHeader),
                            static_cast<QWidget *>(shpNuovo), static_cast<QWidget *>(bkgTitle),
                            static_cast<QWidget *>(bkgTitolo)})
        OnMouseMoveOverBackground(ground, [this] { FormMouseMove(); });
}

void PickupListing::FormShow() {
    if (day_) day_->setCurrentIndex(0);
    cboSelezione->setCurrentIndex(0);
    if (day_)
        day_->setFocus();
    else
        cboSelezione->setFocus();
}

void PickupListing::btnVisualizzaClick() {
    // A list emptied by Backspace has chosen nothing, and nothing is listed.
    const int month = cboSelezione->currentIndex();
    const int day = day_ ? day_->currentIndex() : 0;
    const bool chosen = month >= 0 && month < 12 && day >= 0 && day < kDays;
    const QString monthName = chosen ? QString::fromLatin1(kMonthNames[month]) : QString();
    const QString dayText = QStringLiteral("%1").arg(day + 1, 2, 10, QLatin1Char('0'));
    const bool byDay = day_ != nullptr;
    const GridFill fill = FillListing([&](const Record &booking) {
        if (!chosen) return false;
        if (byDay && LowerAZ(booking.Text("GiornoRit")) != dayText) return false;
        return LowerAZ(booking.Text("MeseRit")) == monthName;
    });
    // A failed fill was reported; the choice stays to try again.
    if (!fill.complete) return;
    if (fill.records == 0) {
        MessageDlg(MsgKind::Information, QStringLiteral("Nessuna prenotazione trovata."));
        return;
    }
    grdRecords->setEnabled(true);
    panAnno->hide();
}

TfrmRiepMensilePren::TfrmRiepMensilePren(QWidget *owner)
    : PickupListing(owner, "frmRiepMensilePren", QStringLiteral(" Riepilogo mensile prenotazioni veicoli"),
                    QStringLiteral("Riepilogo mensile prenotazioni veicoli"),
                    QStringLiteral("Selezionare un mese dell'anno e premere Visualizza."), false) {}

}  // namespace vel
