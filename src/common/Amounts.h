#pragma once
// Amounts in euro are kept as text with a decimal comma. These routines give
// every amount edit of the program the same behaviour.
#include <QString>

namespace vel {

// The last `count` characters of the text (the whole text when shorter).
QString TakeRight(const QString &text, quint16 count);

// Half-up rounding to `decimals` places, judged on the binary value the
// double holds: value × 10^decimals + 0.5 in extended precision, truncated,
// divided back exactly and rounded to a double once. A negative value rounds
// as its magnitude does (half away from zero). A negative count rounds to
// whole units.
double RoundToDecimals(double value, int decimals);

// Reads an amount as the keyboard lets it be typed: blanks around it, an
// optional sign, digits with an optional decimal comma (digits may be missing
// on either side), an optional exponent. False when it is no number or a
// number beyond the double's range.
bool ParseAmount(const QString &text, double *value);

// True when the text reads as a number beyond what an amount can hold (a
// pasted "1e309"): such an amount is refused with AmountTooLargeMessage().
bool IsAmountTooLarge(const QString &text);
QString AmountTooLargeMessage();

// What an amount edit shows once left: "0,00" for an empty text or a text
// that is no number, else the number rounded to four decimals, then written
// with 15 significant digits at most, a decimal comma and at least two
// decimals ("12,5" gives "12,50"; "999999999999999,5" gives
// "1000000000000000,00").
QString NormalizeAmountText(const QString &text);

}  // namespace vel
