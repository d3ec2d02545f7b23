// The pictures of the planner's booking dialogs.
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "Drawings.h"
#include "platform/Platform.h"

namespace vel::drawings {
namespace {

const QColor kInk(0x1F, 0x3F, 0x6F);
const QColor kRed(0xD3, 0x1F, 0x2A);
const QColor kGreen(0x4C, 0xD9, 0x64);

void Smooth(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// The largest font of the family, up to `points`, in which `text` fits `width`.
QFont Fitting(const QString &family, int points, bool bold, const QString &text, qreal width) {
    QFont font = UiFont(family, points, bold);
    while (font.pointSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPointSize(font.pointSize() - 1);
    return font;
}

}  // namespace

QPixmap InstructionPicture(const QSize &size) {
    const QString lines[] = {
        QStringLiteral("Per prenotare, scrivere il nome del cliente nel campo sottostante."),
        QStringLiteral("Per annullare la prenotazione, cancellare il contenuto del campo."),
    };
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    Smooth(p);
    const qreal half = size.height() / 2.0;
    const qreal bullet = 5;
    const qreal textLeft = bullet * 2 + 6;
    QFont font = UiFont(QStringLiteral("Verdana"), 9, true);
    for (const QString &line : lines) {
        const QFont fits = Fitting(QStringLiteral("Verdana"), 9, true, line, size.width() - textLeft);
        if (fits.pointSize() < font.pointSize()) font = fits;
    }
    p.setFont(font);
    for (int i = 0; i < 2; ++i) {
        const QRectF row(0, i * half, size.width(), half);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? QColor(0x2E, 0x8B, 0x57) : kRed);
        p.drawEllipse(QPointF(bullet + 1, row.center().y()), bullet - 1, bullet - 1);
        p.setPen(kInk);
        p.drawText(row.adjusted(textLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
    return pixmap;
}

QPixmap CalendarIcon(const QSize &size, DayStatus status) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    Smooth(p);
    const QRectF sheet = QRectF(pixmap.rect()).adjusted(4, 9, -4, -3);
    // The sheet, its red head and the two rings that hold it.
    p.setPen(QPen(QColor(0x6B, 0x7B, 0x8C), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 6, 6);
    const QRectF head(sheet.left(), sheet.top(), sheet.width(), sheet.height() * 0.24);
    QPainterPath top;
    top.addRoundedRect(head, 6, 6);
    top.addRect(head.adjusted(0, head.height() / 2, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x46, 0x82, 0xB4));
    p.drawPath(top.simplified());
    p.setPen(QPen(QColor(0x55, 0x55, 0x60), 3, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {sheet.left() + sheet.width() * 0.28, sheet.right() - sheet.width() * 0.28})
        p.drawLine(QPointF(x, sheet.top() - 6), QPointF(x, sheet.top() + 6));
    // The grid of days.
    const QRectF days = sheet.adjusted(7, head.height() + 6, -7, -6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC9, 0xD6, 0xE6));
    const int columns = 5, rows = 4;
    const qreal cw = days.width() / columns, rh = days.height() / rows;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            p.drawRect(QRectF(days.left() + c * cw + 1.5, days.top() + r * rh + 1.5, cw - 3, rh - 3));
    if (status == DayStatus::Booked) {
        const QRectF day(days.left() + 2 * cw, days.top() + 1 * rh, cw, rh);
        p.setBrush(kRed);
        p.drawRect(day.adjusted(1.5, 1.5, -1.5, -1.5));
        p.setPen(QPen(kRed, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(day.center(), cw * 1.05, rh * 1.15);
    }
    return pixmap;
}

QPixmap StatusBanner(const QSize &size, DayStatus status) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    Smooth(p);
    const QRectF button = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
    QLinearGradient blue(button.topLeft(), button.bottomLeft());
    blue.setColorAt(0, QColor(0x5B, 0x8F, 0xD6));
    blue.setColorAt(1, QColor(0x1E, 0x4A, 0x8C));
    p.setPen(QPen(QColor(0x16, 0x35, 0x66), 1.5));
    p.setBrush(blue);
    p.drawRoundedRect(button, 10, 10);
    // A soft light on the upper half, as on a pressed-glass button.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(button.adjusted(3, 3, -3, -button.height() / 2), 8, 8);
    const QString word = status == DayStatus::Free ? QStringLiteral("DISPONIBILE") : QStringLiteral("PRENOTATO");
    p.setFont(Fitting(QStringLiteral("Verdana"), 18, true, word, button.width() - 24));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(button.translated(1.5, 1.5), Qt::AlignCenter, word);
    p.setPen(status == DayStatus::Free ? kGreen : QColor(0xFF, 0x3B, 0x3B));
    p.drawText(button, Qt::AlignCenter, word);
    return pixmap;
}

QPixmap CopyIcon(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(kInk, 1.3));
    p.setBrush(QColor(0xDD, 0xE6, 0xF2));
    p.drawRoundedRect(QRectF(2, 2, w * 0.58, h * 0.66), 2, 2);
    p.setBrush(Qt::white);
    const QRectF front(w * 0.36, h * 0.30, w * 0.58, h * 0.64);
    p.drawRoundedRect(front, 2, 2);
    p.setPen(QPen(QColor(0x46, 0x82, 0xB4), 1.2));
    for (int i = 1; i <= 3; ++i) {
        const qreal y = front.top() + i * front.height() / 4.2;
        p.drawLine(QPointF(front.left() + 3, y), QPointF(front.right() - 3, y));
    }
    return pixmap;
}

QPixmap EraserIcon(const QSize &size) {
    QPixmap pixmap = TransparentPicture(size);
    QPainter p(&pixmap);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    p.translate(w / 2, h / 2);
    p.rotate(-35);
    const QRectF body(-w * 0.42, -h * 0.2, w * 0.84, h * 0.4);
    p.setPen(QPen(QColor(0x6B, 0x2A, 0x2A), 1.2));
    p.setBrush(QColor(0xF2, 0x8C, 0x8C));
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(QColor(0x46, 0x82, 0xB4));
    p.drawRoundedRect(QRectF(body.left(), body.top(), body.width() * 0.42, body.height()), 2, 2);
    p.resetTransform();
    p.setPen(QPen(QColor(0x8A, 0x8A, 0x90), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, h - 2), QPointF(w - 6, h - 2));
    return pixmap;
}

}  // namespace vel::drawings
