// The pictures of the planner: the grid, the command bar, the chooser and the
// booking summary.
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "Drawings.h"
#include "common/MonthTable.h"
#include "common/TextRules.h"
#include "platform/Platform.h"

namespace vel::drawings {
namespace {

const QColor kInk(0x1C, 0x35, 0x6E);       // dark blue of texts and titles
const QColor kNavy(0x28, 0x53, 0xA2);      // the windows' dark blue
const QColor kDayInk(0x1F, 0x2A, 0x6B);    // the number on a free tile

// The largest bold font of `family` not above `pixels` that fits the box.
// The first guess scales the size by the room left, so that only a step or
// two of measuring follows.
QFont FittingFont(const QString &family, int pixels, const QString &text, const QSizeF &box) {
    QFont font = PixelFont(family, pixels, true);
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > box.width()) font.setPixelSize(std::max(7, int(pixels * box.width() / width) + 1));
    while (font.pixelSize() > 7) {
        const QFontMetricsF m(font);
        if (m.horizontalAdvance(text) <= box.width() && m.height() <= box.height()) break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

QPixmap ButtonFace(const QString &word, const QSize &size, const QColor &top, const QColor &bottom,
                   const QColor &border, const QColor &text) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(box, 8, 8);
    // A soft light along the upper half, as on a pressed-glass button.
    QLinearGradient shine(box.topLeft(), QPointF(box.left(), box.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(box.adjusted(3, 2, -3, -box.height() / 2), 6, 6);
    p.setPen(text);
    p.setFont(FittingFont(QStringLiteral("Verdana"), int(size.height() * 0.42), word, box.size() - QSizeF(14, 6)));
    p.drawText(box, Qt::AlignCenter, word);
    return pixmap;
}

}  // namespace

QPixmap DayTile(int day, bool booked) {
    QPixmap tile = TransparentPicture(QSize(24, 33));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, 23, 32);
    p.setPen(QPen(booked ? QColor(0xB0, 0x00, 0x08) : QColor(0xA8, 0x9C, 0xD6), 1));
    p.setBrush(booked ? kBookedTile : kFreeTile);
    p.drawRoundedRect(box, 3, 3);
    p.setPen(booked ? QColor(Qt::white) : kDayInk);
    p.setFont(PixelFont(QStringLiteral("Verdana"), 13, true));
    p.drawText(box, Qt::AlignCenter, QString::number(day));
    return tile;
}

QPixmap MonthTitle(int month) {
    QPixmap pixmap = TransparentPicture(QSize(136, 33));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, 135, 32);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(0x2F, 0x5F, 0xA8));
    fill.setColorAt(1, QColor(0x1C, 0x3F, 0x7A));
    p.setPen(QPen(QColor(0x14, 0x2E, 0x5C), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, 4, 4);
    const QString title = UpperAZ(QString::fromUtf16(kMonths[month - 1].name)) + u':';
    p.setPen(Qt::white);
    p.setFont(FittingFont(QStringLiteral("Verdana"), 14, title, box.size() - QSizeF(16, 4)));
    p.drawText(box.adjusted(10, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    return pixmap;
}

QPixmap OrangeButtonFace(const QString &word, const QSize &size) {
    return ButtonFace(word, size, QColor(0xFF, 0xB3, 0x47), QColor(0xF0, 0x7C, 0x00), QColor(0xC2, 0x5E, 0x00),
                      Qt::white);
}

QPixmap BlueButtonFace(const QString &word, const QSize &size) {
    return ButtonFace(word, size, QColor(0x5B, 0x8E, 0xD6), kNavy, QColor(0x1B, 0x3A, 0x75), Qt::white);
}

QPixmap GuideIcon(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = std::min(size.width(), size.height()) - 3;
    const QRectF circle((size.width() - d) / 2.0, (size.height() - d) / 2.0, d, d);
    QLinearGradient fill(circle.topLeft(), circle.bottomLeft());
    fill.setColorAt(0, QColor(0x4F, 0x9B, 0xE8));
    fill.setColorAt(1, QColor(0x1C, 0x5C, 0xB0));
    p.setPen(QPen(QColor(0x14, 0x3F, 0x80), 1.2));
    p.setBrush(fill);
    p.drawEllipse(circle);
    p.setPen(Qt::white);
    p.setFont(PixelFont(QStringLiteral("Verdana"), int(d * 0.7), true));
    p.drawText(circle, Qt::AlignCenter, QStringLiteral("?"));
    return pixmap;
}

QPixmap ExitIcon(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    // The door: a frame with the leaf ajar.
    p.setPen(QPen(QColor(0x6B, 0x3E, 0x1E), 1.5));
    p.setBrush(QColor(0xF4, 0xE3, 0xC8));
    p.drawRect(QRectF(w * 0.08, h * 0.1, w * 0.5, h * 0.8));
    QPainterPath leaf;
    leaf.moveTo(w * 0.08, h * 0.1);
    leaf.lineTo(w * 0.36, h * 0.2);
    leaf.lineTo(w * 0.36, h * 0.98);
    leaf.lineTo(w * 0.08, h * 0.9);
    leaf.closeSubpath();
    p.setBrush(QColor(0xA0, 0x62, 0x2D));
    p.drawPath(leaf);
    // The arrow out of it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0x1E, 0x1E));
    QPainterPath arrow;
    const qreal cy = h * 0.5;
    arrow.moveTo(w * 0.44, cy - h * 0.07);
    arrow.lineTo(w * 0.7, cy - h * 0.07);
    arrow.lineTo(w * 0.7, cy - h * 0.18);
    arrow.lineTo(w * 0.97, cy);
    arrow.lineTo(w * 0.7, cy + h * 0.18);
    arrow.lineTo(w * 0.7, cy + h * 0.07);
    arrow.lineTo(w * 0.44, cy + h * 0.07);
    arrow.closeSubpath();
    p.drawPath(arrow);
    return pixmap;
}

QPixmap TitleArtwork(const QString &text, const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = FittingFont(QStringLiteral("Verdana"), int(size.height() * 0.8), text, QSizeF(size) - QSizeF(4, 0));
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(font);
    // A light shadow under the dark blue letters.
    p.setPen(QColor(0x9F, 0xB6, 0xCD));
    p.drawText(QRectF(pixmap.rect()).translated(1.5, 1.5), Qt::AlignCenter, text);
    p.setPen(kInk);
    p.drawText(QRectF(pixmap.rect()), Qt::AlignCenter, text);
    return pixmap;
}

QPixmap YearBox(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(0x2F, 0x5F, 0xA8));
    fill.setColorAt(1, QColor(0x16, 0x33, 0x66));
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, 6, 6);
    // A small calendar sheet on the left, "ANNO" beside it.
    const QRectF sheet(10, 12, 26, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 3, 3);
    p.setBrush(kBookedTile);
    p.drawRoundedRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 8), 3, 3);
    p.setBrush(QColor(0x2F, 0x5F, 0xA8));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(sheet.left() + 4 + col * 7, sheet.top() + 11 + row * 6, 4, 4));
    p.setPen(QColor(0xDE, 0xEA, 0xF3));
    p.setFont(PixelFont(QStringLiteral("Verdana"), 12, true));
    p.drawText(QRectF(40, 0, 58, size.height()), Qt::AlignCenter, QStringLiteral("ANNO"));
    return pixmap;
}

QPixmap CarPicture(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QPainterPath body;
    body.moveTo(w * 0.04, h * 0.72);
    body.lineTo(w * 0.06, h * 0.52);
    body.quadTo(w * 0.1, h * 0.46, w * 0.22, h * 0.44);
    body.lineTo(w * 0.34, h * 0.2);
    body.quadTo(w * 0.38, h * 0.14, w * 0.46, h * 0.14);
    body.lineTo(w * 0.7, h * 0.14);
    body.quadTo(w * 0.76, h * 0.14, w * 0.8, h * 0.22);
    body.lineTo(w * 0.9, h * 0.44);
    body.quadTo(w * 0.97, h * 0.48, w * 0.97, h * 0.58);
    body.lineTo(w * 0.96, h * 0.72);
    body.closeSubpath();
    QLinearGradient paint(0, 0, 0, h);
    paint.setColorAt(0, QColor(0xE8, 0x3A, 0x3A));
    paint.setColorAt(1, QColor(0x9E, 0x10, 0x10));
    p.setPen(QPen(QColor(0x5E, 0x08, 0x08), 1.2));
    p.setBrush(paint);
    p.drawPath(body);
    p.setBrush(QColor(0xCF, 0xE6, 0xF7));
    p.setPen(QPen(QColor(0x5E, 0x08, 0x08), 1));
    QPainterPath windows;
    windows.moveTo(w * 0.27, h * 0.44);
    windows.lineTo(w * 0.37, h * 0.22);
    windows.lineTo(w * 0.55, h * 0.22);
    windows.lineTo(w * 0.55, h * 0.44);
    windows.closeSubpath();
    windows.moveTo(w * 0.59, h * 0.44);
    windows.lineTo(w * 0.59, h * 0.22);
    windows.lineTo(w * 0.74, h * 0.22);
    windows.lineTo(w * 0.83, h * 0.44);
    windows.closeSubpath();
    p.drawPath(windows);
    for (qreal x : {0.25, 0.76}) {
        const QPointF c(w * x, h * 0.74);
        const qreal r = h * 0.17;
        p.setBrush(QColor(0x22, 0x22, 0x22));
        p.drawEllipse(c, r, r);
        p.setBrush(QColor(0xC8, 0xC8, 0xC8));
        p.drawEllipse(c, r * 0.5, r * 0.5);
    }
    return pixmap;
}

QPixmap KeysPicture(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    // The ring.
    p.setPen(QPen(QColor(0x80, 0x80, 0x88), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(w * 0.16, h * 0.42), h * 0.2, h * 0.2);
    // The remote: a black fob with two buttons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x26, 0x2B));
    p.drawRoundedRect(QRectF(w * 0.26, h * 0.22, w * 0.28, h * 0.5), 8, 8);
    p.setBrush(QColor(0x9A, 0xA0, 0xAA));
    p.drawEllipse(QPointF(w * 0.36, h * 0.47), h * 0.07, h * 0.07);
    p.drawEllipse(QPointF(w * 0.45, h * 0.47), h * 0.07, h * 0.07);
    // The blade.
    QLinearGradient steel(0, h * 0.38, 0, h * 0.56);
    steel.setColorAt(0, QColor(0xE4, 0xE6, 0xEA));
    steel.setColorAt(1, QColor(0x8C, 0x92, 0x9C));
    p.setBrush(steel);
    QPainterPath blade;
    blade.moveTo(w * 0.54, h * 0.38);
    blade.lineTo(w * 0.92, h * 0.38);
    blade.lineTo(w * 0.97, h * 0.47);
    blade.lineTo(w * 0.9, h * 0.56);
    blade.lineTo(w * 0.84, h * 0.5);
    blade.lineTo(w * 0.79, h * 0.56);
    blade.lineTo(w * 0.73, h * 0.5);
    blade.lineTo(w * 0.54, h * 0.5);
    blade.closeSubpath();
    p.drawPath(blade);
    return pixmap;
}

QPixmap PointingHand(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x2B), 1));
    p.setBrush(QColor(0xF6, 0xD0, 0xA0));
    // The fist on the right, the index finger pointing left towards "Apri".
    p.drawRoundedRect(QRectF(w * 0.48, h * 0.12, w * 0.48, h * 0.8), 4, 4);
    p.drawRoundedRect(QRectF(w * 0.04, h * 0.14, w * 0.56, h * 0.3), 3, 3);
    p.drawLine(QPointF(w * 0.62, h * 0.52), QPointF(w * 0.92, h * 0.52));
    p.drawLine(QPointF(w * 0.62, h * 0.72), QPointF(w * 0.92, h * 0.72));
    return pixmap;
}

QPixmap Magnifier(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();
    const QPointF c(size.width() * 0.42, h * 0.42);
    const qreal r = h * 0.28;
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x1A), h * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 1.9, r * 1.9));
    p.setPen(QPen(QColor(0x50, 0x58, 0x66), h * 0.07));
    p.setBrush(QColor(0xCF, 0xE6, 0xF7, 200));
    p.drawEllipse(c, r, r);
    return pixmap;
}

QPixmap SummaryHeader(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const QRectF box(0.5, 0.5, w - 1, h - 1);
    p.setPen(QPen(QColor(0x9F, 0xB6, 0xCD), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 8, 8);
    // Two small framed pictures: a car on the left, a calendar page on the right.
    const QRectF left(8, 5, 74, h - 10), right(w - 82, 5, 74, h - 10);
    for (const QRectF &frame : {left, right}) {
        p.setPen(QPen(QColor(0x9F, 0xB6, 0xCD), 1));
        p.setBrush(QColor(0xDE, 0xEA, 0xF3));
        p.drawRect(frame);
    }
    p.drawPixmap(left.adjusted(4, 4, -4, -4).toRect(), CarPicture(left.adjusted(4, 4, -4, -4).size().toSize()));
    const QRectF page = right.adjusted(22, 5, -22, -5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(page);
    p.setBrush(kBookedTile);
    p.drawRect(QRectF(page.left(), page.top(), page.width(), page.height() * 0.3));
    p.setPen(kInk);
    p.setFont(PixelFont(QStringLiteral("Verdana"), 14, true));
    p.drawText(page.adjusted(0, page.height() * 0.3, 0, 0), Qt::AlignCenter, QStringLiteral("31"));
    const QString title = QStringLiteral("RIEPILOGO PRENOTAZIONI");
    const QRectF middle(left.right() + 10, 0, right.left() - left.right() - 20, h);
    p.setFont(FittingFont(QStringLiteral("Verdana"), 30, title, middle.size() - QSizeF(0, 8)));
    p.setPen(QColor(0x9F, 0xB6, 0xCD));
    p.drawText(middle.translated(1.5, 1.5), Qt::AlignCenter, title);
    p.setPen(kInk);
    p.drawText(middle, Qt::AlignCenter, title);
    return pixmap;
}

QPixmap InstructionLines(const QString &first, const QString &second, const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal half = size.height() / 2.0;
    QFont font = PixelFont(QStringLiteral("Verdana"), 12, true);
    for (const QString &line : {first, second})
        while (font.pixelSize() > 8 && QFontMetricsF(font).horizontalAdvance(line) > size.width())
            font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, size.width(), half), Qt::AlignLeft | Qt::AlignVCenter, first);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRectF(0, half, size.width(), half), Qt::AlignLeft | Qt::AlignVCenter, second);
    return pixmap;
}

}  // namespace vel::drawings
