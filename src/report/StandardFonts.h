#pragma once
// The fonts a report prints in. Templates name Windows fonts (Arial, Verdana,
// Courier New); a PDF uses the standard fonts every viewer has, Helvetica and
// Courier, and the screen and the printer use Liberation Sans and Liberation
// Mono, which have the same widths. Lines are broken and cut by those widths,
// so print, preview and PDF break and cut every line in the same place.
#include <QFont>
#include <QString>
#include <array>
#include <vector>

#include "report/PreparedPage.h"

namespace vel::report {

// Fixed-pitch families (Courier New and the like) print in Courier; every
// other family in Helvetica.
bool IsFixedPitch(const QString &family);
// The standard PDF font of a report font: "Helvetica", "Courier-Bold", ...
const char *StandardFontName(const ReportFont &font);

// The width of a text in millimetres, by the standard font's widths.
double TextWidth(const ReportFont &font, const QString &text);
// How many characters of the text begin before `width` millimetres.
qsizetype CharactersBefore(const ReportFont &font, const QString &text, double width);
// The width of each character of the text in millimetres, in order: added up
// from the first, they give TextWidth of every beginning of the text.
std::vector<double> CharacterWidths(const ReportFont &font, const QString &text);
// The width of each of the 256 characters of the code page, indexed by its
// byte: the very amounts TextWidth adds up, for a caller that measures many
// texts in one font.
std::array<double, 256> CharacterWidthTable(const ReportFont &font);
// The code page's byte of one character, as the widths are looked up by.
unsigned char CodePageByte(QChar c);

// From the top of a line of text to its baseline, when the line is
// `lineHeight` millimetres high and the text sits in its middle.
double BaselineInLine(const ReportFont &font, double lineHeight);

// The font on screen and paper, its size `unitsPerPoint` drawing units a point.
QFont ScreenFont(const ReportFont &font, double unitsPerPoint);

}  // namespace vel::report
