#include "CheckerDialogs.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "platform/Canvas.h"
#include "platform/Platform.h"

namespace vel {

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

CheckerControls BuildChecker(Form *form, const CheckerShape &shape) {
    form->SetCaption(shape.caption);
    form->SetFixedClientSize(shape.size.width(), shape.size.height());
    form->SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    const int width = shape.size.width();
    const int height = shape.size.height();
    constexpr int margin = 14;
    constexpr int buttonWidth = 116;
    constexpr int editHeight = 44;

    CheckerControls c{};
    c.banner = new QLabel(form);
    c.banner->setObjectName(QStringLiteral("imgBanner"));
    c.banner->setGeometry(12, 10, width - 24, height - 168);
    c.banner->setPixmap(CheckerBanner(c.banner->size(), shape.emblem, shape.title));

    const int captionTop = c.banner->geometry().bottom() + 9;
    c.instruction = new QLabel(shape.instruction, form);
    c.instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    c.instruction->setGeometry(margin, captionTop, width - 2 * margin, 20);
    // The line as large as fits on one line: bold 9 points, then plain, then smaller.
    QFont font = UiFont(QStringLiteral("Verdana"), 9, true);
    const int room = c.instruction->width() - 2;
    if (QFontMetrics(font).horizontalAdvance(shape.instruction) > room) font.setBold(false);
    while (font.pointSize() > 7 && QFontMetrics(font).horizontalAdvance(shape.instruction) > room)
        font.setPointSize(font.pointSize() - 1);
    c.instruction->setFont(font);
    c.instruction->setStyleSheet(QStringLiteral("color: #10264A;"));

    const int editTop = captionTop + 26;
    const int editWidth = width - 2 * margin - 12 - buttonWidth;
    c.edit = new Edit(form);
    c.edit->setObjectName(shape.editName);
    c.edit->setGeometry(margin, editTop, editWidth, editHeight);
    c.edit->setFont(UiFont(QStringLiteral("Courier New"), 20, true));

    c.check = new Button(QStringLiteral("Controlla"), form);
    c.check->setObjectName(QStringLiteral("btnControlla"));
    c.check->setGeometry(width - margin - buttonWidth, editTop, buttonWidth, editHeight);

    c.close = new Button(QStringLiteral("Chiudi"), form);
    c.close->setObjectName(QStringLiteral("btnChiudi"));
    c.close->setGeometry(width - margin - buttonWidth, height - margin - 36, buttonWidth, 36);

    form->setTabOrder(c.edit, c.check);
    form->setTabOrder(c.check, c.close);
    return c;
}

void CheckerEditKeyDown(int &key, QChar &keyChar, Button *check, CheckerKeys keys) {
    const bool enter = key == vkReturn;
    if (enter) check->setFocus();
    const bool passes = IsEditingKey(key) ||
                        (key == 0 && keyChar.unicode() >= u'0' && keyChar.unicode() <= u'9');
    if (enter || (keys == CheckerKeys::DigitsOnly && !passes)) {
        key = 0;
        keyChar = QChar();
    }
}

}  // namespace vel
