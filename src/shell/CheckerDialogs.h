#pragma once
// What the four checker dialogs (fiscal code, VAT number, payment card, IBAN)
// share: one shape, drawn banners and the typing rule of their edits. Each dialog stays a window class of its own.
#include <QLabel>
#include <QPixmap>
#include <QString>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

enum class CheckerEmblem { FiscalCode, VatNumber, PaymentCard, Iban };

// A white card with an emblem on the left and the dialog's title.
QPixmap CheckerBanner(const QSize &size, CheckerEmblem emblem, const QString &title);

struct CheckerShape {
    QString caption;      // the window's caption
    QSize size;           // the window's fixed size
    CheckerEmblem emblem;
    QString title;        // the banner's title
    QString instruction;  // the caption line
    QString editName;     // the edit's control name
};

struct CheckerControls {
    QLabel *banner;
    QLabel *instruction;
    Edit *edit;
    Button *check;  // "Controlla", beside the edit
    Button *close;  // "Chiudi", below
};

// Gives the window its caption, fixed size, single border without border
// icons and background, and lays out the banner, the caption line, the edit
// in "Courier New" 20 bold, "Controlla" beside it and "Chiudi" below.
CheckerControls BuildChecker(Form *form, const CheckerShape &shape);

// The typing rule of the fiscal-code, card and IBAN edits: the text becomes
// its trimmed form with the letters a to z in upper case; the caret keeps its
// place among the characters that stay. Nothing changes when the text already
// has that form.
void TrimUpperTypedText(Edit *edit);

// True for the keys a digit-only edit lets through: Backspace, Delete, Left,
// Right and the characters "0" to "9".
bool IsDigitEditKey(int key, QChar keyChar);

}  // namespace vel
