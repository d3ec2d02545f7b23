#pragma once
// The result list of every find and list dialog: one line per record, shown
// in "Courier New" 12 black set on each item (never taken from the style),
// laid out wide enough to scroll sideways; and its "Trova".
#include <QListWidget>
#include <QString>
#include <QStringList>

#include "platform/MessageBox.h"

namespace vel {

// The width every line is laid out in, so that long lines scroll sideways.
inline constexpr int kResultLineWidth = 1600;

// Sets a list box up as a result list: single selection, both scroll bars.
void PrepareResultList(QListWidget *list);
// Replaces the list's lines, in the order given. `width` is the width each
// line is laid out in.
void SetResultLines(QListWidget *list, const QStringList &lines, int width = kResultLineWidth);
QStringList ResultLines(const QListWidget *list);
// The index of the selected line, -1 when no line is selected.
int SelectedRow(const QListWidget *list);

// What "Trova" says on an empty list.
QString EmptyListNotice();

// The text a dialog's "Trova" found last, remembered per kind of dialog (its
// class, so every dialog class declares Q_OBJECT) for the whole run. Find
// dialogs empty it each time they are shown.
QString &LastFindText(const QObject *dialog);

// "Trova": selects the next line holding the typed text (see FindNextInList
// in common/ListLines.h) and remembers the text. On an empty list it shows
// the notice in a box of the given kind (the plain box but for the price list).
void FindNextInList(QListWidget *list, const QString &typed, QString &lastFindText,
                    MsgKind emptyNotice = MsgKind::Plain);

}  // namespace vel
