#pragma once
// The long form of a rental contract as an RTF document, "Contratto_NSC.rtf":
// the parties, the vehicle, sixteen articles, the signatures and the notice
// on personal data, with the contract's values in bold. Built in memory from
// the values of the card's controls, so that the file is written whole or not
// at all.
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

namespace vel {

// The text of the contract card's control of that name ("txtCliente"), as
// the card shows it; the document trims it.
using ContractValueOf = std::function<QString(const char *control)>;

// The names of the card's controls the document takes, in the order it
// first takes them (47 names; "txtData" stands in the document twice).
const std::vector<const char *> &ContractRtfControls();

// The whole document: one line of 7-bit text with the fixed words' accents as
// RTF escapes, each value trimmed and in Windows-1252 (RtfValue).
QByteArray ContractRtf(const ContractValueOf &valueOf);

// A value as the document carries it: Windows-1252, one byte a character (a
// character the code page lacks as "?"), with "\", "{" and "}" escaped so that
// a value can never change the document's structure, and every control
// character (tab and line breaks included) written as a blank.
QByteArray RtfValue(const QString &text);

// The document's file name in the program's folder.
QString ContractRtfFileName();

}  // namespace vel
