#pragma once
// The drawing of each picture, called once per picture and process by
// Picture() (Pictures.cpp). Windows ask Picture() or ShowPicture() by name.
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "Pictures.h"

namespace vel::drawings {

// The login windows and the shared dialogs.
QPixmap Padlock(const QSize &size, const QString &heading, const QString &text);
QPixmap CheckerBanner(const QSize &size, CheckerEmblem emblem, const QString &title);
QPixmap AttachmentsBanner(const QSize &size);
QPixmap ClearDisc(const QSize &size);

// The cards and the export dialogs.
QPixmap CommandFace(const QSize &size, const QString &word);
QPixmap ArrowFace(const QSize &size, ArrowKind kind);
QPixmap IconFace(const QSize &size, IconKind kind);
QPixmap Decoration(const QSize &size, DecorationKind kind);
QPixmap ExportTitle(const QSize &size, const QString &title);
QPixmap Spreadsheet(const QSize &size);
QPixmap SheetFolder(const QSize &size);

// The planner.
QPixmap DayTile(int day, bool booked);
QPixmap MonthTitle(int month);
QPixmap OrangeButtonFace(const QString &word, const QSize &size);
QPixmap BlueButtonFace(const QString &word, const QSize &size);
QPixmap GuideIcon(const QSize &size);
QPixmap ExitIcon(const QSize &size);
QPixmap TitleArtwork(const QString &text, const QSize &size);
QPixmap YearBox(const QSize &size);
QPixmap CarPicture(const QSize &size);
QPixmap KeysPicture(const QSize &size);
QPixmap PointingHand(const QSize &size);
QPixmap Magnifier(const QSize &size);
QPixmap SummaryHeader(const QSize &size);
QPixmap InstructionLines(const QString &first, const QString &second, const QSize &size);

// The booking dialogs.
QPixmap InstructionPicture(const QSize &size);
QPixmap CalendarIcon(const QSize &size, DayStatus status);
QPixmap StatusBanner(const QSize &size, DayStatus status);
QPixmap CopyIcon(const QSize &size);
QPixmap EraserIcon(const QSize &size);

// The planner's print and preview windows.
QPixmap PersonWithDocument(const QSize &size);
QPixmap PrinterPicture(const QSize &size);
QPixmap PrinterUnderMagnifier(const QSize &size);

// The rental contracts.
QPixmap EuroLogo(const QSize &size);
QPixmap VehicleViews(const QSize &size);

}  // namespace vel::drawings
