#pragma once
// The pictures of the planner's windows, drawn by the program: the day tiles
// and month titles of the grid, the faces of the command bar, the artwork of
// the chooser and of the booking summary.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

namespace vel {

// The two tile colours of a day: free (pale violet) and booked (red).
inline const QColor kFreeTile(0xD9, 0xD2, 0xF0);
inline const QColor kBookedTile(0xFE, 0x05, 0x10);

// A font whose size is given in pixels, as the window designs give them.
QFont PixelFont(const QString &family, int pixels, bool bold = false);

// The tile of day number `day` (1..31), 24 x 33: the number without a
// leading zero, dark blue on pale violet when free, white on red when booked.
// One pair per day number, drawn once and shared by every month.
const QPixmap &DayTile(int day, bool booked);
// The title of a month row, 136 x 33: its Italian name in capitals and a colon.
QPixmap MonthTitle(int month);

// A word on an orange button face (the planner's command bar).
QPixmap OrangeButtonFace(const QString &word, const QSize &size);
// A word on a blue, button-shaped picture (the chooser's "Guida" and "Esci").
QPixmap BlueButtonFace(const QString &word, const QSize &size);
// A round question-mark icon and an exit icon (a door with an arrow).
QPixmap GuideIcon(const QSize &size);
QPixmap ExitIcon(const QSize &size);
// A title drawn as a picture: the text in capitals, dark blue, bold.
QPixmap TitleArtwork(const QString &text, const QSize &size);
// The ground of the planner's year: a dark blue box with a calendar and "ANNO".
QPixmap YearBox(const QSize &size);
// Decorations: a car, a bunch of car keys, a small pointing hand, a magnifier.
QPixmap CarPicture(const QSize &size);
QPixmap KeysPicture(const QSize &size);
QPixmap PointingHand(const QSize &size);
QPixmap Magnifier(const QSize &size);
// The summary's header: its title between two small framed pictures.
QPixmap SummaryHeader(const QSize &size);
// Two lines of instructions drawn as a picture.
QPixmap InstructionLines(const QString &first, const QString &second, const QSize &size);

}  // namespace vel
