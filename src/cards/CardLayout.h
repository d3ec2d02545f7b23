#pragma once
// Laying out a card: its fields in rows of a caption above each edit, sharing
// the row's width by weight; the frame every card shares around them (the
// window and its centred panel, the command column, the record arrows with
// the record's position, the status line). The text rules that several cards' edits share are in KeyFilters.h.
#include <QFont>
#include <QHash>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "KeyFilters.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

// A card's main window: named and captioned, maximised, on the cards' blue
// gradient, of the designed size.
void SetUpCardWindow(Form *card, const char *name, const QString &caption);

// The panel of the designed size that holds a card's controls (or its year
// panel and card panel), kept centred in the window.
template <class Panel = QFrame>
Panel *CentredCardPanel(Form *card, const char *name) {
    auto *panel = new Panel(card);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(10, 10, 995, 692);
    card->SetCentredPanel(panel);
    return panel;
}

struct FieldPlace {
    const char *field;    // record field; the control is named "txt" + field
    const char *caption;  // UTF-8
    int weight;           // share of the row's width
};

struct FieldRows {
    FieldRows(QWidget *section, QFont font, QSet<QString> combos, int left, int right)
        : section(section), font(std::move(font)), combos(std::move(combos)), left(left), right(right) {}

    QWidget *section;
    QFont font;
    QSet<QString> combos;  // fields shown as combo edits
    // Fields shown read-only: made so before their font is set, since an
    // edit made read-only measures its caret in its font, which would load
    // the font while the program creates its windows.
    QSet<QString> readOnly;
    int left, right;       // horizontal bounds inside the section
    int rowHeight = 50;
    // Caption labels get these names in order ("lblCampo01", ...) when set.
    QString captionPrefix;
    int captionCount = 0;
    // The controls made, by field name.
    QHash<QString, QWidget *> controls;

    void Place(const std::vector<std::vector<FieldPlace>> &rows, int top);
    Edit *EditOf(const char *field) const;
    ComboEdit *ComboOf(const char *field) const;
};

// A command of a card's column: the member that holds its button, the
// button's name, the word it shows (UTF-8) and what its click does.
struct CommandPlace {
    ImageButton **button;
    const char *name;
    const char *word;
    std::function<void()> click;
};

// The command column at the right of a card's panel: buttons of 148 x 32 one
// under another from its top, 38 pixels apart, in the order given. Returns
// the top of the room left below the last one.
int PlaceCommandColumn(QWidget *panel, std::initializer_list<CommandPlace> commands);

// Where the record arrows stand in their frame: the first arrow's left edge
// and the top of the row, the room between the inner arrows and the record's
// position, and the position's width and size of type (Verdana, bold).
struct ArrowRow {
    int left = 8;
    int top = 6;
    int gap = 4;
    int positionWidth = 82;
    int points = 12;
};

// "cmdPrimo", "cmdIndietro", "lblPosizione", "cmdAvanti", "cmdUltimo", made
// in that order.
using RecordArrows = std::tuple<ImageButton *, ImageButton *, QLabel *, ImageButton *, ImageButton *>;
RecordArrows MakeRecordArrows(QWidget *frame, const ArrowRow &row);

// A card's record arrows and position in `frame`, in the card's members of
// those names, each arrow clicking the card's handler of its name
// (`cmdPrimoClick`, ...).
template <class Card>
void PlaceRecordArrows(Card *card, QWidget *frame, const ArrowRow &row = {}) {
    std::tie(card->cmdPrimo, card->cmdIndietro, card->lblPosizione, card->cmdAvanti, card->cmdUltimo) =
        MakeRecordArrows(frame, row);
    card->cmdPrimo->onClick = [card] { card->cmdPrimoClick(); };
    card->cmdIndietro->onClick = [card] { card->cmdIndietroClick(); };
    card->cmdAvanti->onClick = [card] { card->cmdAvantiClick(); };
    card->cmdUltimo->onClick = [card] { card->cmdUltimoClick(); };
}

// A card's status line "panInfo" (Tahoma), by default under the fields,
// beside the record arrows.
StatusLine *CardStatusLine(QWidget *panel, int points = 12, const QRect &geometry = QRect(0, 656, 777, 30));

// The six hidden labels that hold a card's three attachments, named
// "lblFile01".."lblFile03" and "lblDesc01".."lblDesc03", in that order.
void CreateAttachmentLabels(QWidget *parent, QLabel **file01, QLabel **file02, QLabel **file03, QLabel **desc01,
                            QLabel **desc02, QLabel **desc03);

// The vehicle types and fuels every card that names a vehicle offers.
QStringList VehicleTypeSuggestions();
QStringList FuelSuggestions();

}  // namespace vel
