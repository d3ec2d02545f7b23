#pragma once
// The booking text of the planner's two booking dialogs: the edit that holds
// the customer's name on its pale yellow strip, with the copy and clear icons
// beside it, the copy command they share, and their two buttons.
#include <QFrame>
#include <QLabel>
#include <QPoint>

#include "platform/Controls.h"

namespace vel {

// The longest booking text the user can type: a day text of the planner file
// holds 50 characters.
inline constexpr int kBookingTextLength = 50;

struct BookingTextControls {
    QFrame *strip;          // the pale yellow strip, 600 × 43
    Edit *edit;             // txtPrenotazione, 520 wide
    ImageButton *copy;      // cmdClipboard, 22 × 22
    ImageButton *clear;     // cmdCancella, 22 × 22, right of the copy icon
};

// Lays the strip out at `at` in `parent` under the name `stripName`.
BookingTextControls BuildBookingText(QWidget *parent, const QPoint &at, const char *stripName);

// The foot of both booking dialogs, on the dialog itself: "Annulla" at the
// left edge and "Applica e chiudi" at `closeX`, both 160 × 30 at height `y`,
// and the hidden label lblMemory.
struct BookingButtons {
    Button *cancel;    // btnAnnulla
    Button *apply;     // btnChiudi
    QLabel *memory;    // lblMemory
};
BookingButtons BuildBookingButtons(QWidget *dialog, int y, int closeX);

// The copy command: a blank text is refused with a warning and the focus goes
// back to the edit; otherwise the text goes to the clipboard exactly as the
// edit holds it, blanks included, and a message says so. Without a clipboard
// nothing happens.
void CopyBookingText(Edit *edit);

}  // namespace vel
