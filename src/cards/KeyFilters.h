#pragma once
// The key filters and typing rules that several cards' edits share. A filter
// is a KeyHandler (hand it to CardEngine::OnKey or to an edit's onKeyDown): it
// swallows a key by setting both its code and its character to 0 and lets
// Enter pass, so the card's Enter chain still moves on. The edit puts each
// character of a paste, a drop or an input method's commit to the same
// filter, so what a filter refuses typed never gets in another way. The
// typing rules belong in an edit's onTyping: they act on what the user types
// or brings in those ways, never on a text put in by a load or a pick.
#include <QChar>
#include <QString>

#include "platform/Controls.h"

namespace vel {

// The characters refused by the edits that hold codes and names: "&", "/",
// "<", ">", "£", "°" and the accented letters À Á Â Ä Ç È É Ê Ë Ì Í Î Ï Ñ Ò
// Ó Ô Ö Ù Ú Û Ü with their small forms. A company name may hold "&".
enum class RefusedSet { WithAmpersand, WithoutAmpersand };
bool IsRefusedCharacter(QChar c, RefusedSet set = RefusedSet::WithAmpersand);
// Swallows a typed character of the set; every key without a character passes.
KeyHandler RefuseCharacters(RefusedSet set = RefusedSet::WithAmpersand);

// Whether Tab, Shift+Tab, Home and End pass a digit or amount filter: some
// edits let the user leave by Tab, others hold on to the focus until Enter.
enum class MoveKeys { Pass, Swallowed };

// Digits 0 to 9, Backspace, Delete, Left and Right, and Enter; every other
// key (shortcuts, Up and Down included) is swallowed, and so are Tab,
// Shift+Tab, Home and End unless `moves` lets them pass.
KeyHandler DigitsOnly(MoveKeys moves);
// As DigitsOnly, and the decimal comma too.
KeyHandler AmountKeys(MoveKeys moves);
// The amount filter of the tariff card's edits: digits, the comma, the
// editing keys and Enter pass; everything else, Tab included, is discarded.
void AmountKeyFilter(int &key, QChar &keyChar);

// What an amount edit does when it is left: its text normalised
// (NormalizeAmountText), or, for a number too large to keep (it can only
// have been pasted), "0,00" and a warning that says so.
void LeaveAmountEdit(Edit *amount);

// Typing rules: each replaces the edit's text by its rule and keeps the caret
// after the character it followed.
// Letters a to z become A to Z; nothing is trimmed ("a" gives "A").
void KeepUpperCase(Edit *edit);
// Codes: trimmed, with a to z in capitals.
void KeepAsCode(Edit *edit);
// Trimmed only (an e-mail address).
void KeepTrimmed(Edit *edit);

}  // namespace vel
