#include "Pictures.h"

#include <QEvent>
#include <QHash>
#include <QPainter>
#include <utility>

#include "Drawings.h"
#include "platform/Platform.h"

namespace vel {
namespace {

using namespace drawings;

QPixmap Draw(const PictureKey &key) {
    const QSize &size = key.size;
    switch (key.name) {
    case PictureName::Padlock: return Padlock(size, key.text, key.text2);
    case PictureName::CheckerBanner: return CheckerBanner(size, CheckerEmblem(key.variant), key.text);
    case PictureName::AttachmentsBanner: return AttachmentsBanner(size);
    case PictureName::ClearDisc: return ClearDisc(size);
    case PictureName::CommandFace: return CommandFace(size, key.text);
    case PictureName::ArrowFace: return ArrowFace(size, ArrowKind(key.variant));
    case PictureName::IconFace: return IconFace(size, IconKind(key.variant));
    case PictureName::Decoration: return drawings::Decoration(size, DecorationKind(key.variant));
    case PictureName::ExportTitle: return ExportTitle(size, key.text);
    case PictureName::Spreadsheet: return Spreadsheet(size);
    case PictureName::SheetFolder: return SheetFolder(size);
    case PictureName::FreeDayTile: return DayTile(key.variant, false);
    case PictureName::BookedDayTile: return DayTile(key.variant, true);
    case PictureName::MonthTitle: return drawings::MonthTitle(key.variant);
    case PictureName::OrangeButton: return OrangeButtonFace(key.text, size);
    case PictureName::BlueButton: return BlueButtonFace(key.text, size);
    case PictureName::GuideIcon: return drawings::GuideIcon(size);
    case PictureName::ExitIcon: return drawings::ExitIcon(size);
    case PictureName::TitleArtwork: return drawings::TitleArtwork(key.text, size);
    case PictureName::YearBox: return drawings::YearBox(size);
    case PictureName::Car: return CarPicture(size);
    case PictureName::Keys: return KeysPicture(size);
    case PictureName::PointingHand: return drawings::PointingHand(size);
    case PictureName::Magnifier: return drawings::Magnifier(size);
    case PictureName::SummaryHeader: return drawings::SummaryHeader(size);
    case PictureName::InstructionLines: return drawings::InstructionLines(key.text, key.text2, size);
    case PictureName::BookingInstructions: return InstructionPicture(size);
    case PictureName::CalendarIcon: return drawings::CalendarIcon(size, DayStatus(key.variant));
    case PictureName::StatusBanner: return drawings::StatusBanner(size, DayStatus(key.variant));
    case PictureName::CopyIcon: return drawings::CopyIcon(size);
    case PictureName::EraserIcon: return drawings::EraserIcon(size);
    case PictureName::PersonWithDocument: return drawings::PersonWithDocument(size);
    case PictureName::Printer: return PrinterPicture(size);
    case PictureName::PrinterUnderMagnifier: return drawings::PrinterUnderMagnifier(size);
    case PictureName::EuroLogo: return drawings::EuroLogo(size);
    case PictureName::VehicleViews: return drawings::VehicleViews(size);
    case PictureName::Resource: {
        const QPixmap picture(key.text);
        if (!size.isValid()) return picture;
        if (picture.isNull()) return TransparentPicture(size);
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    }
    return QPixmap();
}

// Runs its job on the first show or paint of the widget it watches, then
// leaves; as the widget's child it dies with it when that never comes.
class FirstShow final : public QObject {
public:
    FirstShow(QWidget *widget, std::function<void()> job) : QObject(widget), job_(std::move(job)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (job_ && (event->type() == QEvent::Show || event->type() == QEvent::Paint)) {
            watched->removeEventFilter(this);
            const std::function<void()> job = std::exchange(job_, nullptr);
            deleteLater();
            job();
        }
        return false;
    }

private:
    std::function<void()> job_;
};

}  // namespace

size_t qHash(const PictureKey &key, size_t seed) {
    return qHashMulti(seed, int(key.name), key.size.width(), key.size.height(), key.variant, key.text, key.text2);
}

QPixmap Picture(const PictureKey &key) {
    static QHash<PictureKey, QPixmap> drawn;
    const auto found = drawn.constFind(key);
    if (found != drawn.cend()) return *found;
    return *drawn.insert(key, Draw(key));
}

void ShowPicture(QLabel *label, const PictureKey &key) {
    WhenFirstShown(label, [label, key] { label->setPixmap(Picture(key)); });
}

void WhenFirstShown(QWidget *widget, std::function<void()> job) { new FirstShow(widget, std::move(job)); }

QFont PixelFont(const QString &family, int pixels, bool bold) {
    QFont font = UiFont(family, 10, bold);
    font.setPixelSize(pixels);
    return font;
}

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
