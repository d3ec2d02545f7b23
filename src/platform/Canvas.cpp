#include "Canvas.h"

#include <QPainter>

namespace vel {

QPixmap TransparentPicture(const QSize &size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QRectF PanelRect(const QSize &size) { return QRectF(1, 1, size.width() - 2, size.height() - 2); }

QPixmap PanelPicture(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x9F, 0xB6, 0xCD), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(PanelRect(size), 10, 10);
    return pixmap;
}

}  // namespace vel
