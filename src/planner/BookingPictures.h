#pragma once
// The pictures of the planner's booking dialogs, drawn by the program: the
// instruction line, the free and booked calendars and banners, and the two
// small icons beside the booking text.
#include <QPixmap>
#include <QSize>

namespace vel {

enum class DayStatus { Free, Booked };

// Two lines telling how to book a day and how to cancel its booking.
QPixmap InstructionPicture(const QSize &size);
// A calendar sheet: empty for a free day, ringed in red for a booked one.
QPixmap CalendarIcon(const QSize &size, DayStatus status);
// A blue button with the word DISPONIBILE in green or PRENOTATO in red.
QPixmap StatusBanner(const QSize &size, DayStatus status);
// Two sheets, one over the other: copy.
QPixmap CopyIcon(const QSize &size);
// A rubber: clear.
QPixmap EraserIcon(const QSize &size);

}  // namespace vel
