#pragma once
// Laying out a card's fields: rows of a caption above each edit, sharing the
// row's width by weight. The text rules that several cards' edits share are
// in KeyFilters.h.
#include <QFont>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

#include "KeyFilters.h"
#include "platform/Controls.h"

namespace vel {

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

// The six hidden labels that hold a card's three attachments, named
// "lblFile01".."lblFile03" and "lblDesc01".."lblDesc03", in that order.
void CreateAttachmentLabels(QWidget *parent, QLabel **file01, QLabel **file02, QLabel **file03, QLabel **desc01,
                            QLabel **desc02, QLabel **desc03);

// The vehicle types and fuels every card that names a vehicle offers.
QStringList VehicleTypeSuggestions();
QStringList FuelSuggestions();

}  // namespace vel
