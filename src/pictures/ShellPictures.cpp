// The pictures of the login windows and of the shared dialogs.
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>

#include "Drawings.h"
#include "platform/Platform.h"

namespace vel::drawings {
namespace {

const QColor kInk(0x1F, 0x3F, 0x6F);
const QColor kSteel(0x5A, 0x6B, 0x7C);

// A tax card: a pale green card with a photo box and lines of text.
void DrawFiscalCode(QPainter &p, const QRectF &box) {
    const QRectF card = box.adjusted(0, box.height() * 0.16, 0, -box.height() * 0.16);
    QLinearGradient green(card.topLeft(), card.bottomLeft());
    green.setColorAt(0, QColor(0xD8, 0xF0, 0xDC));
    green.setColorAt(1, QColor(0x9C, 0xD3, 0xA8));
    p.setPen(QPen(QColor(0x3C, 0x7A, 0x4C), 1.5));
    p.setBrush(green);
    p.drawRoundedRect(card, 5, 5);
    const QRectF photo(card.left() + 6, card.top() + 8, card.width() * 0.28, card.height() - 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3C, 0x7A, 0x4C));
    p.drawEllipse(QPointF(photo.center().x(), photo.top() + photo.height() * 0.32), photo.width() * 0.22,
                  photo.width() * 0.22);
    p.drawChord(QRectF(photo.left() + 2, photo.top() + photo.height() * 0.55, photo.width() - 4,
                       photo.height() * 0.8),
                0, 180 * 16);
    p.setPen(QPen(QColor(0x2D, 0x5B, 0x39), 3, Qt::SolidLine, Qt::RoundCap));
    const qreal left = photo.right() + 8;
    for (int i = 0; i < 4; ++i) {
        const qreal y = card.top() + 12 + i * (card.height() - 24) / 3;
        p.drawLine(QPointF(left, y), QPointF(card.right() - (i % 2 ? 16 : 8), y));
    }
}

// An invoice sheet with a folded corner and the letters "IVA".
void DrawVatNumber(QPainter &p, const QRectF &box) {
    const qreal w = box.height() * 0.74;
    const QRectF sheet(box.center().x() - w / 2, box.top() + 2, w, box.height() - 4);
    const qreal fold = w * 0.28;
    QPainterPath path;
    path.moveTo(sheet.topLeft());
    path.lineTo(sheet.right() - fold, sheet.top());
    path.lineTo(sheet.right(), sheet.top() + fold);
    path.lineTo(sheet.bottomRight());
    path.lineTo(sheet.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(kSteel, 1.5));
    p.setBrush(QColor(0xFB, 0xF7, 0xE8));
    p.drawPath(path);
    p.setBrush(QColor(0xE2, 0xD9, 0xB8));
    p.drawPolygon(QPolygonF({QPointF(sheet.right() - fold, sheet.top()),
                             QPointF(sheet.right() - fold, sheet.top() + fold),
                             QPointF(sheet.right(), sheet.top() + fold)}));
    p.setPen(QPen(QColor(0xB0, 0xA8, 0x90), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = sheet.top() + fold + 8 + i * 7;
        p.drawLine(QPointF(sheet.left() + 7, y), QPointF(sheet.right() - 7, y));
    }
    QFont font = UiFont(QStringLiteral("Verdana"), 11, true);
    p.setFont(font);
    p.setPen(QColor(0xB0, 0x2A, 0x2A));
    p.drawText(QRectF(sheet.left(), sheet.bottom() - 24, sheet.width(), 20), Qt::AlignCenter,
               QStringLiteral("IVA"));
}

// A payment card: dark blue with a golden chip and a number line.
void DrawPaymentCard(QPainter &p, const QRectF &box) {
    const QRectF card = box.adjusted(0, box.height() * 0.14, 0, -box.height() * 0.14);
    QLinearGradient blue(card.topLeft(), card.bottomRight());
    blue.setColorAt(0, QColor(0x2E, 0x5C, 0xA8));
    blue.setColorAt(1, QColor(0x14, 0x2C, 0x5C));
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawRoundedRect(card, 7, 7);
    const QRectF chip(card.left() + 10, card.top() + card.height() * 0.3, card.width() * 0.2, card.height() * 0.26);
    QLinearGradient gold(chip.topLeft(), chip.bottomLeft());
    gold.setColorAt(0, QColor(0xF6, 0xD3, 0x6A));
    gold.setColorAt(1, QColor(0xC9, 0x96, 0x22));
    p.setBrush(gold);
    p.drawRoundedRect(chip, 3, 3);
    p.setPen(QPen(QColor(0xE8, 0xEE, 0xF8), 3, Qt::SolidLine, Qt::RoundCap));
    const qreal y = card.bottom() - card.height() * 0.24;
    for (int group = 0; group < 4; ++group) {
        const qreal x = card.left() + 10 + group * (card.width() - 20) / 4;
        p.drawLine(QPointF(x, y), QPointF(x + (card.width() - 20) / 4 - 6, y));
    }
}

// A bank: a pediment over four columns on a base.
void DrawIban(QPainter &p, const QRectF &box) {
    const qreal w = box.height() * 0.95;
    const QRectF bank(box.center().x() - w / 2, box.top() + 4, w, box.height() - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x6F, 0x9C));
    p.drawPolygon(QPolygonF({QPointF(bank.left(), bank.top() + bank.height() * 0.3),
                             QPointF(bank.center().x(), bank.top()),
                             QPointF(bank.right(), bank.top() + bank.height() * 0.3)}));
    const qreal columnsTop = bank.top() + bank.height() * 0.36;
    const qreal columnsBottom = bank.bottom() - bank.height() * 0.16;
    const qreal step = bank.width() / 4;
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(bank.left() + i * step + step * 0.25, columnsTop, step * 0.5, columnsBottom - columnsTop));
    p.drawRect(QRectF(bank.left() - 3, columnsBottom + 2, bank.width() + 6, bank.height() * 0.12));
    p.setBrush(QColor(0xF6, 0xC8, 0x4C));
    p.drawEllipse(QPointF(bank.center().x(), bank.top() + bank.height() * 0.19), bank.height() * 0.06,
                  bank.height() * 0.06);
}

}  // namespace

QPixmap Padlock(const QSize &size, const QString &heading, const QString &text) {
    QPixmap pixmap = PanelPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = PanelRect(size);

    // The padlock: a steel shackle over a golden body with a keyhole.
    const QRectF body(22, 64, 76, 62);
    p.setPen(QPen(QColor(0x5A, 0x6B, 0x7C), 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath shackle;
    shackle.moveTo(body.left() + 16, body.top());
    shackle.lineTo(body.left() + 16, body.top() - 18);
    shackle.arcTo(QRectF(body.left() + 16, body.top() - 40, body.width() - 32, 44), 180, -180);
    shackle.lineTo(body.right() - 16, body.top());
    p.drawPath(shackle);
    QLinearGradient gold(body.topLeft(), body.bottomLeft());
    gold.setColorAt(0, QColor(0xF6, 0xC8, 0x4C));
    gold.setColorAt(1, QColor(0xC9, 0x8A, 0x12));
    p.setPen(QPen(QColor(0x8A, 0x5C, 0x08), 1.5));
    p.setBrush(gold);
    p.drawRoundedRect(body, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3B, 0x2A, 0x0A));
    p.drawEllipse(QPointF(body.center().x(), body.center().y() - 6), 7, 7);
    p.drawRect(QRectF(body.center().x() - 3, body.center().y() - 2, 6, 16));

    // The padlock is drawn before the login first shows: its texts take the
    // fonts the login shows anyway (the password's and the buttons'), so that
    // no font is loaded for the picture alone.
    const qreal left = 118;
    p.setPen(QColor(0x1F, 0x3F, 0x6F));
    const QRectF headingBox(left, 18, card.width() - left - 12, 40);
    QFont headingFont = UiFont(QStringLiteral("Verdana"), 14, true);
    while (headingFont.pointSize() > 10 &&
           QFontMetricsF(headingFont).horizontalAdvance(heading) > headingBox.width())
        headingFont.setPointSize(headingFont.pointSize() - 1);
    p.setFont(headingFont);
    p.drawText(headingBox, Qt::AlignLeft | Qt::AlignVCenter, heading);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setFont(QFont());
    p.drawText(QRectF(left, 62, card.width() - left - 14, card.height() - 72),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return pixmap;
}

QPixmap CheckerBanner(const QSize &size, CheckerEmblem emblem, const QString &title) {
    QPixmap pixmap = PanelPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF card = PanelRect(size);

    const qreal emblemSize = card.height() - 20;
    const QRectF emblemBox(card.left() + 16, card.top() + 10, emblemSize * 1.3, emblemSize);
    switch (emblem) {
    case CheckerEmblem::FiscalCode: DrawFiscalCode(p, emblemBox); break;
    case CheckerEmblem::VatNumber: DrawVatNumber(p, emblemBox); break;
    case CheckerEmblem::PaymentCard: DrawPaymentCard(p, emblemBox); break;
    case CheckerEmblem::Iban: DrawIban(p, emblemBox); break;
    }

    // The title, as large as fits, and a thin accent line under it.
    const qreal left = emblemBox.right() + 18;
    const QRectF titleBox(left, card.top(), card.right() - left - 14, card.height() - 8);
    QFont font = UiFont(QStringLiteral("Verdana"), 18, true);
    while (font.pointSize() > 9 && QFontMetricsF(font).horizontalAdvance(title) > titleBox.width())
        font.setPointSize(font.pointSize() - 1);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, title);
    const qreal lineY = titleBox.center().y() + QFontMetricsF(font).height() / 2 + 4;
    p.setPen(QPen(QColor(0x46, 0x82, 0xB4), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left, lineY), QPointF(left + std::min<qreal>(titleBox.width(), 90), lineY));
    return pixmap;
}

// The paper clip and the three lines that tell how the dialog is used.
QPixmap AttachmentsBanner(const QSize &size) {
    QPixmap pixmap = PanelPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = PanelRect(size);

    // A steel clip of three nested loops, tilted as if it held a sheet.
    QPainterPath clip;
    clip.moveTo(10, 40);
    clip.lineTo(10, 10);
    clip.arcTo(QRectF(10, 5, 10, 10), 180, -180);
    clip.lineTo(20, 54);
    clip.arcTo(QRectF(3, 46, 17, 17), 0, -180);
    clip.lineTo(3, 7);
    clip.arcTo(QRectF(3, -5, 24, 24), 180, -180);
    clip.lineTo(27, 44);
    p.save();
    p.translate(30, 14);
    p.rotate(-20);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4A, 0x5A, 0x6A), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(clip);
    p.setPen(QPen(QColor(0xC8, 0xD3, 0xDE), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(clip);
    p.restore();

    const qreal left = 92;
    p.setPen(QColor(0x1F, 0x3F, 0x6F));
    p.setFont(UiFont(QStringLiteral("Verdana"), 9, true));
    const QStringList lines = {
        QStringLiteral("Scegli i documenti da allegare con il pulsante \"Sfoglia...\"."),
        QStringLiteral("Premi \"Applica e chiudi\", poi \"Salva\" nella scheda per salvare le modifiche."),
        QStringLiteral("Premi \"Apri\" per aprire un documento allegato."),
    };
    const qreal lineHeight = (card.height() - 16) / lines.size();
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(left, 8 + i * lineHeight, card.width() - left - 10, lineHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    return pixmap;
}

// A small red disc with a white cross: clears the slot's name.
QPixmap ClearDisc(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(0x8E, 0x1B, 0x1B), 1));
    p.setBrush(QColor(0xD6, 0x3A, 0x3A));
    p.drawEllipse(disc);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    const qreal inset = disc.width() * 0.3;
    const QRectF cross = disc.adjusted(inset, inset, -inset, -inset);
    p.drawLine(cross.topLeft(), cross.bottomRight());
    p.drawLine(cross.topRight(), cross.bottomLeft());
    return pixmap;
}

}  // namespace vel::drawings
