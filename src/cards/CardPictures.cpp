#include "CardPictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "platform/Canvas.h"
#include "platform/Platform.h"

namespace vel {
namespace {

ImageButton *PictureButton(QWidget *parent, const char *name, const QPixmap &picture, const QRect &geometry) {
    auto *button = new ImageButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setPixmap(picture);
    return button;
}

}  // namespace

ImageButton *CommandButton(QWidget *parent, const char *name, const QString &word, const QRect &geometry) {
    QPixmap pixmap = TransparentPicture(geometry.size());
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    fill.setColorAt(1, QColor(0xD6, 0xE2, 0xF5));
    p.setPen(QPen(QColor(0x43, 0x6C, 0xCA), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, 6, 6);
    p.setPen(QColor(0x1C, 0x35, 0x6E));
    QFont font = UiFont(QStringLiteral("Verdana"), 10, true);
    while (font.pointSize() > 6 && QFontMetricsF(font).horizontalAdvance(word) > box.width() - 8)
        font.setPointSize(font.pointSize() - 1);
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, word);
    p.end();
    auto *button = PictureButton(parent, name, pixmap, geometry);
    button->setToolTip(QString());
    button->setAccessibleName(word);
    return button;
}

ImageButton *ArrowButton(QWidget *parent, const char *name, ArrowKind kind, const QRect &geometry) {
    QPixmap pixmap = TransparentPicture(geometry.size());
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = geometry.width(), h = geometry.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x43, 0x6C, 0xCA));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 5, 5);
    p.setBrush(Qt::white);
    const bool back = kind == ArrowKind::First || kind == ArrowKind::Previous;
    const bool toEnd = kind == ArrowKind::First || kind == ArrowKind::Last;
    const qreal cx = w / 2, cy = h / 2, s = std::min(w, h) * 0.28;
    QPainterPath tri;
    const qreal dir = back ? -1 : 1;
    const qreal shift = toEnd ? -dir * s * 0.35 : 0;
    tri.moveTo(cx + shift + dir * s, cy);
    tri.lineTo(cx + shift - dir * s, cy - s);
    tri.lineTo(cx + shift - dir * s, cy + s);
    tri.closeSubpath();
    p.drawPath(tri);
    if (toEnd) p.drawRect(QRectF(cx + shift + dir * s - (back ? 0 : 2.5), cy - s, 2.5, 2 * s));
    p.end();
    return PictureButton(parent, name, pixmap, geometry);
}

ImageButton *IconButton(QWidget *parent, const char *name, IconKind kind, const QRect &geometry) {
    QPixmap pixmap = TransparentPicture(geometry.size());
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(0x43, 0x6C, 0xCA), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(box);
    p.setPen(QPen(QColor(0x1C, 0x35, 0x6E), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = box.center();
    const qreal r = box.width() * 0.25;
    if (kind == IconKind::Check) {
        p.drawPolyline(QPolygonF({c + QPointF(-r, 0), c + QPointF(-r * 0.25, r * 0.8), c + QPointF(r, -r * 0.8)}));
    } else {
        p.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
        p.drawPolyline(QPolygonF({c + QPointF(-r * 0.7, r * 0.2), c + QPointF(0, r), c + QPointF(r * 0.7, r * 0.2)}));
    }
    p.end();
    return PictureButton(parent, name, pixmap, geometry);
}

QLabel *Decoration(QWidget *parent, const char *name, DecorationKind kind, const QRect &geometry) {
    QPixmap pixmap = TransparentPicture(geometry.size());
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = geometry.width(), h = geometry.height();
    const QColor ink(0x43, 0x6C, 0xCA);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    switch (kind) {
    case DecorationKind::Vehicle: {
        const qreal s = w / 64.0;
        QPainterPath body;
        body.moveTo(4 * s, 34 * s);
        body.lineTo(10 * s, 22 * s);
        body.lineTo(22 * s, 14 * s);
        body.lineTo(44 * s, 14 * s);
        body.lineTo(54 * s, 24 * s);
        body.lineTo(60 * s, 26 * s);
        body.lineTo(60 * s, 36 * s);
        body.lineTo(4 * s, 36 * s);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(24 * s, 18 * s, 9 * s, 6 * s));
        p.drawRect(QRectF(36 * s, 18 * s, 9 * s, 6 * s));
        p.setBrush(QColor(0x26, 0x33, 0x4D));
        p.drawEllipse(QPointF(17 * s, 37 * s), 6 * s, 6 * s);
        p.drawEllipse(QPointF(48 * s, 37 * s), 6 * s, 6 * s);
        break;
    }
    case DecorationKind::Person:
        p.drawEllipse(QPointF(w / 2, h * 0.3), w * 0.18, w * 0.18);
        p.drawChord(QRectF(w * 0.18, h * 0.52, w * 0.64, h * 0.7), 0, 180 * 16);
        break;
    case DecorationKind::Calendar:
        p.drawRoundedRect(QRectF(w * 0.15, h * 0.2, w * 0.7, h * 0.65), 4, 4);
        p.setBrush(Qt::white);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(w * (0.24 + col * 0.19), h * (0.42 + row * 0.18), w * 0.12, h * 0.11));
        break;
    }
    p.end();
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setPixmap(pixmap);
    return label;
}

QFrame *Section(QWidget *parent, const char *name, const QRect &geometry) {
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setStyleSheet(QStringLiteral("QFrame#%1 { background-color: #F0EFEE; border: 1px solid #C9C6C2; "
                                        "border-radius: 6px; }")
                             .arg(QString::fromLatin1(name)));
    return frame;
}

QLabel *FieldCaption(QWidget *parent, const QString &text, const QRect &geometry) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(UiFont(QStringLiteral("Verdana"), 8));
    return label;
}

}  // namespace vel
