#pragma once
// Every picture the program draws for itself (and the few it loads from its
// resources) is asked for here by name. A picture is drawn on first use and
// kept for the whole process, so that a window shown again, or a dialog
// created anew, draws nothing. Windows put their pictures on their labels with
// ShowPicture: the drawing waits until the label is first shown (or painted,
// as by grab()), so that creating the windows at start draws nothing.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

namespace vel {

enum class PictureName {
    // The login windows: a white card with a padlock, `text` as heading and
    // `text2` as the lines under it.
    Padlock,
    // The checker dialogs' banner: emblem `variant` (CheckerEmblem), title `text`.
    CheckerBanner,
    // The attachments dialog: its banner, and the red disc that clears a slot.
    AttachmentsBanner,
    ClearDisc,
    // The cards: a command button showing the word `text`, the record arrows
    // (`variant`: ArrowKind), small round icons (`variant`: IconKind), the
    // decorations of a section (`variant`: DecorationKind).
    CommandFace,
    ArrowFace,
    IconFace,
    Decoration,
    // The export dialogs: the title `text` beside a small sheet, the spreadsheet.
    ExportTitle,
    Spreadsheet,
    // The vehicle and tariff sheets: the yellow folder in the top-left corner.
    SheetFolder,
    // The planner: day tiles (`variant`: the day), month titles (`variant`:
    // the month), the command faces with the word `text`, icons and artwork.
    FreeDayTile,
    BookedDayTile,
    MonthTitle,
    OrangeButton,
    BlueButton,
    GuideIcon,
    ExitIcon,
    TitleArtwork,  // `text` in capitals, dark blue with a light shadow
    YearBox,
    Car,
    Keys,
    PointingHand,
    Magnifier,
    SummaryHeader,
    InstructionLines,  // `text` over `text2`
    // The booking dialogs.
    BookingInstructions,
    CalendarIcon,  // `variant`: DayStatus
    StatusBanner,  // `variant`: DayStatus
    CopyIcon,
    EraserIcon,
    // The planner's print and preview windows.
    PersonWithDocument,
    Printer,
    PrinterUnderMagnifier,
    // The rental contracts: the firm's built-in logo (a blue euro sign on
    // white) and the vehicle seen from the side, above, the front and behind,
    // on which the check sheet marks damage.
    EuroLogo,
    VehicleViews,
    // A picture of the program's resources, `text` its path, scaled to `size`
    // with its proportions kept when a size is given.
    Resource,
};

struct PictureKey {
    PictureName name;
    QSize size;
    int variant = 0;
    QString text = QString();
    QString text2 = QString();
    bool operator==(const PictureKey &) const = default;
};

// The picture, drawn on its first request and kept for the process.
size_t qHash(const PictureKey &key, size_t seed = 0);

QPixmap Picture(const PictureKey &key);

// A picture of the resources, e.g. ":/pictures/Avvio/imgInfo.png".
inline PictureKey ResourcePicture(const QString &path, const QSize &size = QSize()) {
    return {PictureName::Resource, size, 0, path, QString()};
}

// Puts the picture on `label` when the label is first shown or painted.
void ShowPicture(QLabel *label, const PictureKey &key);

// Runs `job` once, when `widget` is first shown or painted (whichever comes
// first); nothing when the widget dies before.
void WhenFirstShown(QWidget *widget, std::function<void()> job);

// The enumerations the pictures take as `variant`.
enum class ArrowKind { First, Previous, Next, Last };
enum class IconKind { Import, Check };
enum class DecorationKind { Vehicle, Person, Calendar };
enum class CheckerEmblem { FiscalCode, VatNumber, PaymentCard, Iban };
enum class DayStatus { Free, Booked };

// The two tile colours of a planner day: free (pale violet) and booked (red).
inline const QColor kFreeTile(0xD9, 0xD2, 0xF0);
inline const QColor kBookedTile(0xFE, 0x05, 0x10);

// A font whose size is given in pixels, as the window designs give them.
QFont PixelFont(const QString &family, int pixels, bool bold = false);

// The grounds the drawn pictures start from: a transparent picture of the
// given size; a transparent picture holding a white panel with rounded
// corners and a thin blue-grey border, at PanelRect(size), one pixel in from
// every edge.
QPixmap TransparentPicture(const QSize &size);
QPixmap PanelPicture(const QSize &size);
QRectF PanelRect(const QSize &size);

}  // namespace vel
