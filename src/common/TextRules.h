#pragma once
// Text rules the whole program agrees on. The original ran on Windows with the
// Western code page and an Italian locale; these routines pin that behaviour
// down so it never depends on the machine's own locale.
#include <QByteArray>
#include <QDate>
#include <QString>

namespace vel {

// Removes every leading and trailing character whose code is 32 or less
// (blanks and control characters); characters inside the text stay.
QString Trim(const QString &text);

// Only the 26 ASCII letters change case; accented letters keep theirs.
QString UpperAZ(const QString &text);
QString LowerAZ(const QString &text);

// True when every character is one of the digits 0 to 9 (true for an empty text).
bool IsAllDigits(const QString &text);

// Windows-1252, one byte per character. A character the code page cannot hold
// becomes '?'. The five bytes the code page leaves undefined (81, 8D, 8F, 90,
// 9D) map to the C1 control characters of the same number, as Windows does, so
// every byte value survives a round trip.
QByteArray ToCp1252(const QString &text);
QString FromCp1252(const QByteArray &bytes);
QString FromCp1252(const char *data, int length);
// True when every character of the text has a byte of its own in Windows-1252.
bool FitsCp1252(const QString &text);

// The control characters: C0 (tab, CR and LF among them), DEL and C1. A
// written document never carries one raw; the code-page form names the bytes
// of those characters (C0, DEL and the five undefined bytes above).
constexpr bool IsControlCharacter(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }
constexpr bool IsControlByte(unsigned char b) {
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// Dates are always "dd/mm/yyyy", whatever the system's settings.
QString FormatDateText(const QDate &date);

}  // namespace vel
