#pragma once
// Dates as the planner's dialogs write them: "dd/mm/yyyy", with the "/" and
// the day before the month whatever the system's settings.
#include <QDate>
#include <QString>

namespace vel {

// The date a text names: day, "/", month, "/", year, the day and the month of
// one or two digits, the year of four, with no blank anywhere; an invalid date
// when the text has another form or names no day of the Gregorian calendar
// ("31/02/2024", "29/02/2023", any day of the year 0000).
QDate DateFromText(const QString &text);

// True when the text names a real date (see DateFromText).
inline bool IsValidDateText(const QString &text) { return DateFromText(text).isValid(); }

}  // namespace vel
