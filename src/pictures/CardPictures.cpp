// The pictures the card files and the export dialogs are made of.
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Drawings.h"
#include "platform/Platform.h"

namespace vel::drawings {
namespace {

const QColor kInk(0x1C, 0x35, 0x6E);
const QColor kBlue(0x43, 0x6C, 0xCA);
const QColor kGreen(0x1E, 0x71, 0x45);

}  // namespace

QPixmap CommandFace(const QSize &size, const QString &word) {
    QPixmap pixmap = TransparentPicture(size);
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
    return pixmap;
}

QPixmap ArrowFace(const QSize &size, ArrowKind kind) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
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
    return pixmap;
}

QPixmap IconFace(const QSize &size, IconKind kind) {
    QPixmap pixmap = TransparentPicture(size);
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
    return pixmap;
}

QPixmap Decoration(const QSize &size, DecorationKind kind) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
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
    return pixmap;
}

// The title: a small sheet beside the export's name.
QPixmap ExportTitle(const QSize &size, const QString &title) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();
    const QRectF sheet(4, h * 0.18, h * 0.55, h * 0.64);
    p.setPen(QPen(kBlue, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 3, 3);
    p.setPen(QPen(kBlue, 1));
    for (int i = 1; i < 4; ++i) {
        const qreal y = sheet.top() + sheet.height() * i / 4;
        p.drawLine(QPointF(sheet.left() + 4, y), QPointF(sheet.right() - 4, y));
    }
    p.drawLine(QPointF(sheet.center().x(), sheet.top() + 4), QPointF(sheet.center().x(), sheet.bottom() - 4));
    p.setPen(kInk);
    p.setFont(UiFont(QStringLiteral("Verdana"), 14, true));
    p.drawText(QRectF(sheet.right() + 14, 0, size.width() - sheet.right() - 14, h), Qt::AlignVCenter | Qt::AlignLeft,
               title);
    p.end();
    return pixmap;
}

// The spreadsheet picture: a green sheet of cells with an arrow leaving it.
QPixmap Spreadsheet(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), w * 0.16, w * 0.16);
    const QRectF grid(w * 0.18, h * 0.2, w * 0.5, h * 0.6);
    p.setBrush(Qt::white);
    p.drawRoundedRect(grid, 2, 2);
    p.setPen(QPen(kGreen, 1.2));
    for (int i = 1; i < 4; ++i) {
        const qreal y = grid.top() + grid.height() * i / 4;
        p.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    }
    p.drawLine(QPointF(grid.center().x(), grid.top()), QPointF(grid.center().x(), grid.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath arrow;
    const qreal cy = h * 0.5, x0 = w * 0.6, x1 = w * 0.88;
    arrow.moveTo(x0, cy - h * 0.05);
    arrow.lineTo(x1 - w * 0.12, cy - h * 0.05);
    arrow.lineTo(x1 - w * 0.12, cy - h * 0.14);
    arrow.lineTo(x1, cy);
    arrow.lineTo(x1 - w * 0.12, cy + h * 0.14);
    arrow.lineTo(x1 - w * 0.12, cy + h * 0.05);
    arrow.lineTo(x0, cy + h * 0.05);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.end();
    return pixmap;
}

// The yellow folder in the vehicle and tariff sheets' top-left corner.
QPixmap SheetFolder(const QSize &size) {
    QPixmap image = TransparentPicture(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor edge(0xA6, 0x7C, 0x00);
    p.setPen(QPen(edge, 1.5));

    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(4, 14);
    back.lineTo(8, 8);
    back.lineTo(30, 8);
    back.lineTo(35, 14);
    back.lineTo(76, 14);
    back.quadTo(78, 14, 78, 16);
    back.lineTo(78, 62);
    back.lineTo(4, 62);
    back.closeSubpath();
    p.setBrush(QColor(0xF2, 0xB7, 0x05));
    p.drawPath(back);

    // A sheet of paper standing in it.
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 18, 56, 30));
    p.setPen(QPen(QColor(0x9A, 0xB8, 0xD8), 1.5));
    for (int y = 24; y <= 36; y += 6) p.drawLine(QPointF(17, y), QPointF(63, y));

    // The front flap, a little open.
    QPainterPath front;
    front.moveTo(10, 28);
    front.lineTo(80, 28);
    front.lineTo(74, 62);
    front.lineTo(4, 62);
    front.closeSubpath();
    QLinearGradient shade(0, 28, 0, 62);
    shade.setColorAt(0, QColor(0xFF, 0xE0, 0x66));
    shade.setColorAt(1, QColor(0xF7, 0xC2, 0x1A));
    p.setPen(QPen(edge, 1.5));
    p.setBrush(shade);
    p.drawPath(front);
    p.end();
    return image;
}

}  // namespace vel::drawings
