// The pictures of the rental contracts: the firm's built-in logo and the
// vehicle drawing of the check sheet.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "Drawings.h"

namespace vel::drawings {
namespace {

const QColor kEuroBlue(0x1F, 0x4E, 0xA8);

QPixmap WhitePicture(const QSize &size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    return pixmap;
}

// The side of a car facing left, filling `box`: body, windows, wheels, door
// lines, lights.
void DrawSide(QPainter &p, const QRectF &box) {
    const qreal x = box.left(), y = box.top(), w = box.width(), h = box.height();
    const auto at = [&](qreal fx, qreal fy) { return QPointF(x + w * fx, y + h * fy); };
    QPainterPath body;
    body.moveTo(at(0.03, 0.80));
    body.lineTo(at(0.02, 0.58));
    body.quadTo(at(0.03, 0.46), at(0.12, 0.44));
    body.lineTo(at(0.30, 0.38));
    body.quadTo(at(0.40, 0.10), at(0.50, 0.08));
    body.lineTo(at(0.74, 0.08));
    body.quadTo(at(0.84, 0.12), at(0.92, 0.38));
    body.quadTo(at(0.98, 0.42), at(0.98, 0.55));
    body.lineTo(at(0.97, 0.80));
    body.closeSubpath();
    p.drawPath(body);
    // The windows, split by the middle pillar.
    QPainterPath front;
    front.moveTo(at(0.33, 0.38));
    front.quadTo(at(0.41, 0.16), at(0.50, 0.15));
    front.lineTo(at(0.60, 0.15));
    front.lineTo(at(0.60, 0.38));
    front.closeSubpath();
    p.drawPath(front);
    QPainterPath back;
    back.moveTo(at(0.63, 0.15));
    back.lineTo(at(0.73, 0.15));
    back.quadTo(at(0.81, 0.18), at(0.87, 0.38));
    back.lineTo(at(0.63, 0.38));
    back.closeSubpath();
    p.drawPath(back);
    // The doors and their handles.
    p.drawLine(at(0.33, 0.38), at(0.33, 0.78));
    p.drawLine(at(0.615, 0.38), at(0.615, 0.78));
    p.drawLine(at(0.86, 0.38), at(0.84, 0.70));
    p.drawLine(at(0.40, 0.48), at(0.45, 0.48));
    p.drawLine(at(0.67, 0.48), at(0.72, 0.48));
    // Lights and bumpers.
    p.drawRect(QRectF(at(0.02, 0.50), at(0.06, 0.56)));
    p.drawRect(QRectF(at(0.95, 0.46), at(0.98, 0.54)));
    p.drawLine(at(0.02, 0.68), at(0.10, 0.68));
    p.drawLine(at(0.90, 0.68), at(0.975, 0.68));
    // The wheels, standing in their arches.
    for (qreal cx : {0.20, 0.80}) {
        const QPointF centre = at(cx, 0.80);
        const qreal r = std::min(w * 0.085, h * 0.19);
        p.save();
        p.setBrush(Qt::white);
        p.drawEllipse(centre, r, r);
        p.drawEllipse(centre, r * 0.45, r * 0.45);
        p.restore();
    }
}

// The car seen from above, its front to the left.
void DrawTop(QPainter &p, const QRectF &box) {
    const qreal x = box.left(), y = box.top(), w = box.width(), h = box.height();
    const auto at = [&](qreal fx, qreal fy) { return QPointF(x + w * fx, y + h * fy); };
    p.drawRoundedRect(QRectF(at(0.02, 0.12), at(0.98, 0.88)), w * 0.06, h * 0.25);
    // Bonnet line, windscreen, roof, rear window, boot line.
    QPainterPath screen;
    screen.moveTo(at(0.30, 0.22));
    screen.lineTo(at(0.40, 0.28));
    screen.lineTo(at(0.40, 0.72));
    screen.lineTo(at(0.30, 0.78));
    screen.closeSubpath();
    p.drawPath(screen);
    p.drawRect(QRectF(at(0.42, 0.28), at(0.72, 0.72)));
    QPainterPath rear;
    rear.moveTo(at(0.74, 0.28));
    rear.lineTo(at(0.84, 0.22));
    rear.lineTo(at(0.84, 0.78));
    rear.lineTo(at(0.74, 0.72));
    rear.closeSubpath();
    p.drawPath(rear);
    p.drawLine(at(0.12, 0.20), at(0.12, 0.80));
    p.drawLine(at(0.92, 0.22), at(0.92, 0.78));
    // The mirrors.
    p.drawRect(QRectF(at(0.33, 0.04), at(0.37, 0.12)));
    p.drawRect(QRectF(at(0.33, 0.88), at(0.37, 0.96)));
}

// The car seen from the front (`rear` false) or from behind.
void DrawEnd(QPainter &p, const QRectF &box, bool rear) {
    const qreal x = box.left(), y = box.top(), w = box.width(), h = box.height();
    const auto at = [&](qreal fx, qreal fy) { return QPointF(x + w * fx, y + h * fy); };
    // The wheels under the body.
    p.drawRect(QRectF(at(0.10, 0.80), at(0.24, 0.95)));
    p.drawRect(QRectF(at(0.76, 0.80), at(0.90, 0.95)));
    QPainterPath body;
    body.moveTo(at(0.05, 0.85));
    body.lineTo(at(0.05, 0.50));
    body.lineTo(at(0.20, 0.12));
    body.quadTo(at(0.50, 0.06), at(0.80, 0.12));
    body.lineTo(at(0.95, 0.50));
    body.lineTo(at(0.95, 0.85));
    body.closeSubpath();
    p.save();
    p.setBrush(Qt::white);
    p.drawPath(body);
    p.restore();
    // The window: the windscreen in front, the rear window behind.
    QPainterPath glass;
    glass.moveTo(at(0.14, 0.46));
    glass.lineTo(at(0.24, 0.18));
    glass.quadTo(at(0.50, 0.13), at(0.76, 0.18));
    glass.lineTo(at(0.86, 0.46));
    glass.closeSubpath();
    p.drawPath(glass);
    // Lights at both corners, the grille or the plate in the middle.
    p.drawRoundedRect(QRectF(at(0.08, 0.54), at(0.24, 0.64)), w * 0.02, w * 0.02);
    p.drawRoundedRect(QRectF(at(0.76, 0.54), at(0.92, 0.64)), w * 0.02, w * 0.02);
    if (rear) {
        p.drawRect(QRectF(at(0.36, 0.62), at(0.64, 0.72)));
    } else {
        p.drawRoundedRect(QRectF(at(0.32, 0.54), at(0.68, 0.66)), w * 0.02, w * 0.02);
        for (qreal fx : {0.38, 0.44, 0.50, 0.56, 0.62}) p.drawLine(at(fx, 0.56), at(fx, 0.64));
    }
    p.drawLine(at(0.05, 0.76), at(0.95, 0.76));
    // The mirrors beside the window.
    p.drawRect(QRectF(at(0.01, 0.38), at(0.07, 0.46)));
    p.drawRect(QRectF(at(0.93, 0.38), at(0.99, 0.46)));
}

}  // namespace

// A thick blue euro sign centred on white: an open ring and its two bars.
QPixmap EuroLogo(const QSize &size) {
    QPixmap pixmap = WhitePicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height(), w = size.width();
    const qreal radius = std::min(h * 0.36, w * 0.30);
    const qreal stroke = std::max<qreal>(1, radius * 0.26);
    const QPointF centre(w * 0.5 + radius * 0.12, h * 0.5);
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(kEuroBlue, stroke, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 45 * 16, 270 * 16);
    // The two bars cross the ring's open side towards the left.
    const qreal barStroke = std::max<qreal>(1, stroke * 0.72);
    p.setPen(QPen(kEuroBlue, barStroke, Qt::SolidLine, Qt::FlatCap));
    const qreal left = centre.x() - radius * 1.45, right = centre.x() + radius * 0.45;
    for (qreal dy : {-0.22, 0.22}) {
        const qreal yy = centre.y() + dy * radius;
        p.drawLine(QPointF(left, yy), QPointF(right + dy * radius * 0.3, yy));
    }
    return pixmap;
}

// Four line drawings of a car on white: the side and the top on the left, one
// above the other, the front and the back on the right.
QPixmap VehicleViews(const QSize &size) {
    QPixmap pixmap = WhitePicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(Qt::black, std::max<qreal>(1, w / 600), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    DrawSide(p, QRectF(w * 0.02, h * 0.03, w * 0.50, h * 0.46));
    DrawTop(p, QRectF(w * 0.02, h * 0.54, w * 0.50, h * 0.42));
    DrawEnd(p, QRectF(w * 0.57, h * 0.15, w * 0.19, h * 0.70), false);
    DrawEnd(p, QRectF(w * 0.79, h * 0.15, w * 0.19, h * 0.70), true);
    return pixmap;
}

}  // namespace vel::drawings
