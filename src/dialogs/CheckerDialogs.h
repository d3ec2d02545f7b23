#pragma once
// What the four checker dialogs (fiscal code, VAT number, payment card, IBAN)
// share: one shape, drawn banners and the key rule of their edits. Each
// dialog stays a window class of its own; their edits' typing rule is the
// code rule KeepAsCode (cards/KeyFilters.h).
#include <QLabel>
#include <QPixmap>
#include <QString>

#include "pictures/Pictures.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

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

// Builds the checker shape on a dialog that names its controls imgBanner,
// lblIstruzioni, btnControlla and btnChiudi, binds the two buttons to the
// dialog's btnControllaClick and btnChiudiClick and returns the edit.
template <class Dialog>
Edit *BuildCheckerDialog(Dialog *dialog, const CheckerShape &shape) {
    const CheckerControls c = BuildChecker(dialog, shape);
    dialog->imgBanner = c.banner;
    dialog->lblIstruzioni = c.instruction;
    dialog->btnControlla = c.check;
    dialog->btnChiudi = c.close;
    QObject::connect(c.check, &QPushButton::clicked, dialog, &Dialog::btnControllaClick);
    QObject::connect(c.close, &QPushButton::clicked, dialog, &Dialog::btnChiudiClick);
    return c.edit;
}

enum class CheckerKeys { Any, DigitsOnly };

// The key rule of a checker's edit: Enter moves the focus to "Controlla" and
// is swallowed; a digits-only edit also swallows every key but Backspace,
// Delete, Left, Right and the characters "0" to "9".
void CheckerEditKeyDown(int &key, QChar &keyChar, Button *check, CheckerKeys keys);

// The tax-code button of the cards: `text` trimmed goes to the VAT-number
// checker when it is digits only (a company's number written there), to the
// fiscal-code checker otherwise (empty included), shown modally over `owner`.
void CheckTaxCode(QWidget *owner, const QString &text);

}  // namespace vel
