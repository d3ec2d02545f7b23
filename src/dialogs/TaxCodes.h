#pragma once
// The checks of the Italian tax identifiers behind the fiscal-code and VAT
// number checkers: the check character of a fiscal code, the
// check digit of a VAT number and the VAT office that issued it. Plain
// routines on texts, with no window behind them.
#include <QString>
#include <QStringView>
#include <array>

#include "common/ListLines.h"  // SubText

namespace vel {

// The values of one character of the fiscal code in the published tables of
// the check character, for an odd (1, 3, ..., 15) or an even (2, 4, ..., 14)
// position. The tables cover "0" to "Z": the ten digits, the seven characters
// ":" to "@" (which count 0) and the 26 capital letters. Any other character
// has no value: -1.
int FiscalCodeOddValue(QChar c);
int FiscalCodeEvenValue(QChar c);

// The check character that the first 15 characters of a fiscal code call for:
// the letter whose place in the alphabet, counted from 0, is the sum of their
// table values mod 26. A null character when the text is shorter than 15
// characters or one of the 15 lies outside the tables ("0" to "Z").
QChar FiscalCodeCheckChar(const QString &code);

// True for a text of exactly 16 characters whose 16th character is the check
// character of the first 15. Only the check character is tested: the layout of
// letters and digits plays no part. Letters must be capitals (the checker
// turns a to z to upper case first): a character outside "0" to "Z" among the
// first 15 makes the code not valid.
bool IsValidFiscalCode(const QString &code);

// The check digit of the first 10 digits of a VAT number, as a character, or
// a null character when the text has fewer than 10 characters or one of the
// first 10 is not a digit "0" to "9".
QChar PartitaIvaCheckDigit(const QString &number);

// True only for exactly 11 characters, all of them digits "0" to "9", whose
// last digit is its check digit.
bool IsValidPartitaIva(const QString &number);

// One VAT office: its three-digit code and the name of its town.
struct VatOffice {
    QStringView code;
    QStringView name;
};

// The 104 offices, in the order of the comparisons.
const std::array<VatOffice, 104> &VatOfficeTable();

// The name of the office whose code equals the three characters, or an empty
// text when no code of the table matches.
QString VatOfficeName(const QString &officeCode);

// The office that issued a VAT number: the lookup of its characters 8 to 10.
QString VatOfficeOf(const QString &number);

}  // namespace vel
