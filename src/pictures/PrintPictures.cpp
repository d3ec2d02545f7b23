// The pictures of the planner's print and preview windows.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Drawings.h"

namespace vel::drawings {
namespace {

const QColor kOutline(0x2B, 0x3A, 0x4F);

void Smooth(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A printer filling `box`: paper standing in the tray at the back, the body,
// and a printed sheet coming out at the front.
void DrawPrinter(QPainter &p, const QRectF &box) {
    const qreal w = box.width(), h = box.height();
    const qreal x = box.left(), y = box.top();
    // The sheet waiting at the back.
    p.setPen(QPen(QColor(0x9A, 0xA4, 0xB0), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x + w * 0.24, y, w * 0.52, h * 0.38));
    // The body, lit from above.
    const QRectF body(x + w * 0.02, y + h * 0.30, w * 0.96, h * 0.42);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0, QColor(0xE4, 0xE8, 0xEE));
    shade.setColorAt(1, QColor(0x8E, 0x98, 0xA6));
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(shade);
    p.drawRoundedRect(body, w * 0.07, w * 0.07);
    // The slot, the power light and the buttons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x42, 0x4E));
    p.drawRoundedRect(QRectF(x + w * 0.16, body.top() + h * 0.22, w * 0.68, h * 0.05), 1, 1);
    p.setBrush(QColor(0x4C, 0xD9, 0x64));
    p.drawEllipse(QPointF(body.right() - w * 0.10, body.top() + h * 0.10), w * 0.025, w * 0.025);
    // The printed sheet, with its lines of text.
    const QRectF sheet(x + w * 0.20, body.top() + h * 0.25, w * 0.60, h * 0.45);
    p.setPen(QPen(QColor(0x9A, 0xA4, 0xB0), 1));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(0x46, 0x82, 0xB4), std::max<qreal>(1, h * 0.025)));
    for (int i = 1; i <= 3; ++i) {
        const qreal ly = sheet.top() + sheet.height() * (0.3 + 0.2 * i);
        p.drawLine(QPointF(sheet.left() + w * 0.06, ly), QPointF(sheet.right() - w * (i == 3 ? 0.2 : 0.06), ly));
    }
}

}  // namespace

QPixmap PersonWithDocument(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    // The body: shoulders and a jacket down to the foot of the picture.
    QPainterPath jacket;
    jacket.moveTo(w * 0.06, h);
    jacket.lineTo(w * 0.10, h * 0.50);
    jacket.quadTo(w * 0.14, h * 0.38, w * 0.36, h * 0.36);
    jacket.lineTo(w * 0.64, h * 0.36);
    jacket.quadTo(w * 0.86, h * 0.38, w * 0.90, h * 0.50);
    jacket.lineTo(w * 0.94, h);
    jacket.closeSubpath();
    QLinearGradient cloth(0, h * 0.36, 0, h);
    cloth.setColorAt(0, QColor(0x3C, 0x6E, 0xB4));
    cloth.setColorAt(1, QColor(0x1F, 0x3F, 0x6F));
    p.setPen(QPen(kOutline, 1));
    p.setBrush(cloth);
    p.drawPath(jacket);
    // The collar of the shirt.
    QPainterPath collar;
    collar.moveTo(w * 0.38, h * 0.36);
    collar.lineTo(w * 0.50, h * 0.46);
    collar.lineTo(w * 0.62, h * 0.36);
    collar.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(collar);
    // The neck and the head with its hair.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xB8, 0x94));
    p.drawRect(QRectF(w * 0.43, h * 0.27, w * 0.14, h * 0.10));
    p.setPen(QPen(QColor(0xB0, 0x7A, 0x56), 1));
    p.drawEllipse(QRectF(w * 0.29, h * 0.04, w * 0.42, h * 0.27));
    QPainterPath hair;
    hair.moveTo(w * 0.29, h * 0.16);
    hair.quadTo(w * 0.30, h * 0.01, w * 0.50, h * 0.02);
    hair.quadTo(w * 0.72, h * 0.01, w * 0.71, h * 0.16);
    hair.quadTo(w * 0.58, h * 0.08, w * 0.29, h * 0.16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x3A, 0x22));
    p.drawPath(hair);
    // The open document held in both hands in front of the chest.
    const qreal top = h * 0.54, bottom = h * 0.80, middle = w * 0.50;
    QPainterPath leftPage, rightPage;
    leftPage.moveTo(middle, top + h * 0.03);
    leftPage.quadTo(w * 0.32, top - h * 0.01, w * 0.10, top + h * 0.02);
    leftPage.lineTo(w * 0.10, bottom);
    leftPage.quadTo(w * 0.32, bottom - h * 0.03, middle, bottom + h * 0.01);
    leftPage.closeSubpath();
    rightPage.moveTo(middle, top + h * 0.03);
    rightPage.quadTo(w * 0.68, top - h * 0.01, w * 0.90, top + h * 0.02);
    rightPage.lineTo(w * 0.90, bottom);
    rightPage.quadTo(w * 0.68, bottom - h * 0.03, middle, bottom + h * 0.01);
    rightPage.closeSubpath();
    p.setPen(QPen(QColor(0x8A, 0x94, 0xA0), 1));
    p.setBrush(QColor(0xFC, 0xFC, 0xF6));
    p.drawPath(leftPage);
    p.drawPath(rightPage);
    p.setPen(QPen(QColor(0x9C, 0xB4, 0xCE), 1));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = top + (bottom - top) * i / 4.5 + h * 0.02;
        p.drawLine(QPointF(w * 0.16, y), QPointF(middle - w * 0.06, y));
        p.drawLine(QPointF(middle + w * 0.06, y), QPointF(w * 0.84, y));
    }
    // The hands at the edges of the document.
    p.setPen(QPen(QColor(0xB0, 0x7A, 0x56), 1));
    p.setBrush(QColor(0xE8, 0xB8, 0x94));
    p.drawEllipse(QPointF(w * 0.10, (top + bottom) / 2), w * 0.07, h * 0.045);
    p.drawEllipse(QPointF(w * 0.90, (top + bottom) / 2), w * 0.07, h * 0.045);
    return pixmap;
}

QPixmap PrinterPicture(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    Smooth(p);
    DrawPrinter(p, QRectF(QPointF(2, 4), QSizeF(size.width() - 4, size.height() - 6)));
    return pixmap;
}

QPixmap PrinterUnderMagnifier(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    DrawPrinter(p, QRectF(2, h * 0.12, w * 0.74, h * 0.80));
    // The glass over the printed sheet, its handle to the lower right.
    const QPointF centre(w * 0.56, h * 0.52);
    const qreal radius = std::min(w, h) * 0.25;
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x22), std::max<qreal>(3, w * 0.07), Qt::SolidLine, Qt::RoundCap));
    const QPointF grip = centre + QPointF(radius * 0.72, radius * 0.72);
    p.drawLine(grip, QPointF(w - 4, h - 4));
    p.setPen(QPen(QColor(0x55, 0x60, 0x6E), std::max<qreal>(2, w * 0.04)));
    p.setBrush(QColor(0xBF, 0xDF, 0xF7, 110));
    p.drawEllipse(centre, radius, radius);
    // A glint on the glass.
    p.setPen(QPen(QColor(255, 255, 255, 200), std::max<qreal>(1.5, w * 0.02), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius * 0.7, centre.y() - radius * 0.7, radius * 1.4, radius * 1.4), 100 * 16,
              60 * 16);
    return pixmap;
}

}  // namespace vel::drawings
