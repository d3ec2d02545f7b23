#pragma once
// The result list of every find and list dialog: one line per record, shown
// in "Courier New" 12 black set on the list box itself (never taken from the
// style), laid out at least as wide as the dialog asks and always to the end
// of its longest line, so that long lines scroll sideways; and its "Trova".
#include <QString>
#include <QStringList>

#include "platform/ListBox.h"
#include "platform/MessageBox.h"

namespace vel {

// The least width every line is laid out in, so that lines scroll sideways.
inline constexpr int kResultLineWidth = 1600;

// Sets a list box up as a result list: the lines' font and colour.
void PrepareResultList(ListBox *list);
// Replaces the list's lines, in the order given, with one reset of the list.
// `width` is the least width the lines are laid out in.
void SetResultLines(ListBox *list, QStringList lines, int width = kResultLineWidth);
QStringList ResultLines(const ListBox *list);
// The index of the selected line, -1 when no line is selected.
int SelectedRow(const ListBox *list);

// What "Trova" says on an empty list.
QString EmptyListNotice();

// The text a dialog's "Trova" found last, remembered per kind of dialog (its
// class, so every dialog class declares Q_OBJECT) for the whole run. Find
// dialogs empty it each time they are shown.
QString &LastFindText(const QObject *dialog);

// "Trova": selects the next line holding the typed text (see FindNextInList
// in common/ListLines.h) and remembers the text. On an empty list it shows
// the notice in a box of the given kind (the plain box but for the price list).
void FindNextInList(ListBox *list, const QString &typed, QString &lastFindText,
                    MsgKind emptyNotice = MsgKind::Plain);

}  // namespace vel
