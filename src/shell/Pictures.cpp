#include "Pictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "platform/Canvas.h"
#include "platform/Platform.h"

namespace vel {

QPixmap PadlockPicture(const QSize &size, const QString &heading, const QString &text) {
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

    const qreal left = 118;
    p.setPen(QColor(0x1F, 0x3F, 0x6F));
    const QRectF headingBox(left, 18, card.width() - left - 12, 40);
    QFont headingFont = UiFont(QStringLiteral("Verdana"), 20, true);
    while (headingFont.pointSize() > 10 &&
           QFontMetricsF(headingFont).horizontalAdvance(heading) > headingBox.width())
        headingFont.setPointSize(headingFont.pointSize() - 1);
    p.setFont(headingFont);
    p.drawText(headingBox, Qt::AlignLeft | Qt::AlignVCenter, heading);
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setFont(UiFont(QStringLiteral("Verdana"), 10));
    p.drawText(QRectF(left, 62, card.width() - left - 14, card.height() - 72),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return pixmap;
}

}  // namespace vel
