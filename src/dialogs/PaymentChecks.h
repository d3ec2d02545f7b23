#pragma once
// The checks behind the payment card and IBAN checkers: the Luhn
// check digit and type of a payment card number, and the MOD 97-10 check of
// ISO 13616 of an IBAN. Plain routines on texts, with no window behind them.
#include <QString>

namespace vel {

// Takes the first 20 characters of the text and keeps only the digits "0" to
// "9" among them, in their order. 0 when the kept digits fail the Luhn check
// (the last kept digit being the check digit) or there is none; otherwise the
// first kept digit minus 2: 1 for a 3, 2 for a 4, 3 for a 5, 4 for a 6, and
// -2, -1, 5, 6, 7 for 0, 1, 7, 8, 9. A valid number beginning with 2 gives 0,
// like a failed check. There is no rule on the number of digits.
int CardNumberType(const QString &text);

// The type name the card checker shows for a result of CardNumberType, the
// first two characters of the trimmed text choosing among the cards beginning
// with 3: "Diner's Club / Carte Blanche", "American Express", "JCB", "Visa",
// "MasterCard" or "Discover". An empty text when no type is named: a failed
// check, a first digit 0, 1, 2, 7, 8 or 9, or a number beginning with 3 whose
// first two characters are in none of the lists (such as "32", "39" or "3 ");
// the checker reports all of these as wrong.
QString CardTypeName(int cardType, const QString &trimmedText);

// Replaces every letter "A" to "Z" by its number 10 to 35, written as two
// digits; every other character stays.
QString IbanLettersToDigits(const QString &text);

// The remainder modulo 97 of the text as ISO 13616 computes it: letters a to z
// turned to upper case, the first "IBAN" in it deleted, the first four
// characters moved to the end, the letters replaced by IbanLettersToDigits,
// and the remainder taken piece by piece (9 characters first, then as many as
// keep the working number within nine digits). 0 when a piece cannot be read
// as a decimal integer: a character that is neither a digit "0" to "9" nor a
// letter "A" to "Z" (blanks, signs, "$", accented letters) makes the whole
// text unreadable. 0 for an empty text.
int IbanMod97(const QString &text);

// True exactly when IbanMod97 of the text, without any of its blanks, is 1.
bool IsValidIban(const QString &text);

}  // namespace vel
