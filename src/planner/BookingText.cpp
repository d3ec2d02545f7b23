#include "BookingText.h"

#include <QClipboard>
#include <QGuiApplication>

#include "pictures/Pictures.h"
#include "common/TextRules.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

BookingTextControls BuildBookingText(QWidget *parent, const QPoint &at, const char *stripName) {
    BookingTextControls c{};
    c.strip = new BoxFrame(parent, QColor(0xFF, 0xF6, 0xC8), QColor(0xE6, 0xCF, 0x6A), 5);
    c.strip->setObjectName(QString::fromLatin1(stripName));
    c.strip->setGeometry(QRect(at, QSize(600, 43)));

    c.edit = new Edit(c.strip);
    c.edit->setObjectName(QStringLiteral("txtPrenotazione"));
    c.edit->setGeometry(10, 7, 520, 29);
    c.edit->setFont(UiFont(QStringLiteral("Verdana"), 12, true));

    const QSize icon(22, 22);
    c.copy = new ImageButton(c.strip);
    c.copy->setObjectName(QStringLiteral("cmdClipboard"));
    c.copy->setGeometry(QRect(QPoint(539, 10), icon));
    ShowPicture(c.copy, {PictureName::CopyIcon, icon});

    c.clear = new ImageButton(c.strip);
    c.clear->setObjectName(QStringLiteral("cmdCancella"));
    c.clear->setGeometry(QRect(QPoint(568, 10), icon));
    ShowPicture(c.clear, {PictureName::EraserIcon, icon});
    return c;
}

BookingButtons BuildBookingButtons(QWidget *dialog, int y, int closeX) {
    BookingButtons b{};
    b.cancel = new Button(QStringLiteral("Annulla"), dialog);
    b.cancel->setObjectName(QStringLiteral("btnAnnulla"));
    b.cancel->setGeometry(12, y, 160, 30);
    b.apply = new Button(QStringLiteral("Applica e chiudi"), dialog);
    b.apply->setObjectName(QStringLiteral("btnChiudi"));
    b.apply->setGeometry(closeX, y, 160, 30);
    for (Button *button : {b.cancel, b.apply}) {
        button->setFont(UiFont(QStringLiteral("Verdana"), 9));
        button->setCursor(Qt::PointingHandCursor);
    }
    b.memory = new QLabel(dialog);
    b.memory->setObjectName(QStringLiteral("lblMemory"));
    b.memory->hide();
    return b;
}

void CopyBookingText(Edit *edit) {
    if (Trim(edit->text()).isEmpty()) {
        MessageDlg(MsgKind::Warning,
                   QStringLiteral("Attenzione: il campo di testo non contiene nessun dato da copiare in memoria."));
        edit->setFocus();
        return;
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard) return;
    clipboard->setText(edit->text());
    MessageDlg(MsgKind::Information, QStringLiteral("Il contenuto del campo di testo \u00e8 stato copiato in memoria."));
}

}  // namespace vel
