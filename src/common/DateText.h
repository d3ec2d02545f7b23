#pragma once
// Dates as the windows write them, "dd/mm/yyyy" with the "/" and the day
// before the month whatever the system's settings, and the pieces the date
// lists are made of: two-digit days, hours and minutes, the month names.
#include <QDate>
#include <QString>
#include <QStringList>

namespace vel {

// The date a text names: day, "/", month, "/", year, the day and the month of
// one or two digits, the year of four, with no blank anywhere; an invalid date
// when the text has another form or names no day of the Gregorian calendar
// ("31/02/2024", "29/02/2023", any day of the year 0000).
QDate DateFromText(const QString &text);

// True when the text names a real date (see DateFromText).
inline bool IsValidDateText(const QString &text) { return DateFromText(text).isValid(); }

// The first and the last day a date text names, "01/01/0001" and
// "31/12/9999": a control that offers only the days between them gives a
// text of ten characters that reads back as the same day.
inline QDate FirstDateOfText() { return QDate(1, 1, 1); }
inline QDate LastDateOfText() { return QDate(9999, 12, 31); }

// True when the text is a year as the year edits take it: exactly four
// characters, each a digit 0 to 9, with nothing around them.
bool IsYearText(const QString &text);

// The two-digit texts from `first` to `last`: TwoDigitItems(1, 31) gives the
// days "01" .. "31", (0, 23) the hours, (0, 59) the minutes.
QStringList TwoDigitItems(int first, int last);

// The month names as the date lists show them: "Gennaio" .. "Dicembre".
QStringList MonthItems();
// The name of month 1..12 as listed ("Marzo" for 3).
QString MonthItem(int month);
// The month (1..12) whose name the text is, lower-cased (letters A-Z only)
// and trimmed, so "MARZO" and " marzo " are March; 0 for any other text.
int MonthOfName(const QString &text);

// The date text of a day, a month name and a year, as the date lists give
// them: trimmed day, "/", the month's two digits, "/", trimmed year. Empty
// when the month names none of the twelve; the day and the year are taken as
// they are, so whether the date exists is for IsValidDateText to tell.
QString ComposeDateText(const QString &day, const QString &monthName, const QString &year);

// The days a rental lasts from its start to its end date: the whole days
// between them, a rental that ends on the day it starts counting as one.
// An end before the start gives the negative difference.
int RentalDays(const QDate &start, const QDate &end);

}  // namespace vel
