#pragma once
// Writing the day cells of the program-wide planner window. The booking
// dialogs reach a cell by its components' names, as every window reaches the
// controls of another, and keep the rule the planner's readers rely on: a day
// is booked exactly when its trimmed text is not empty, and then its booked
// marker shows and its free marker is hidden.
#include <QString>

namespace vel {

// Gives the day (month 1..12, day 1..days of the month in the grid) of
// `frmPlanning` the trimmed text and sets its two markers to match: hides the
// free one and shows the booked one for a text, or the other way round for a
// blank text. A component the planner does not have is left out.
void WriteDayCell(int month, int day, const QString &text);

}  // namespace vel
