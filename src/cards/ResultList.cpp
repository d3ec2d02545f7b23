#include "ResultList.h"

#include <QFontMetrics>
#include <QHash>
#include <exception>

#include "common/ListLines.h"
#include "platform/Platform.h"

namespace vel {

void PrepareResultList(QListWidget *list) {
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setUniformItemSizes(true);
    list->setSortingEnabled(false);  // the lines come sorted by our own order
    list->setTextElideMode(Qt::ElideNone);
    list->setWordWrap(false);
    list->setStyleSheet(QStringLiteral("QListWidget { background: white; }"));
}

void SetResultLines(QListWidget *list, const QStringList &lines, int width) {
    const QFont font = UiFont(QStringLiteral("Courier New"), 12);
    const QSize size(width, QFontMetrics(font).height() + 4);
    const QBrush black(QColor(0xFF000000u));
    list->setUpdatesEnabled(false);
    list->clear();
    for (const QString &line : lines) {
        auto *item = new QListWidgetItem(line);
        item->setFont(font);
        item->setForeground(black);
        item->setSizeHint(size);
        list->addItem(item);
    }
    list->setUpdatesEnabled(true);
}

QStringList ResultLines(const QListWidget *list) {
    QStringList lines;
    lines.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) lines.append(list->item(i)->text());
    return lines;
}

int SelectedRow(const QListWidget *list) {
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

QString EmptyListNotice() {
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

QString &LastFindText(const QObject *dialog) {
    static QHash<QByteArray, QString> texts;
    return texts[QByteArray(dialog->metaObject()->className())];
}

void FindNextInList(QListWidget *list, const QString &typed, QString &lastFindText, MsgKind emptyNotice) {
    if (list->count() == 0) {
        MessageDlg(emptyNotice, EmptyListNotice());
        return;
    }
    try {
        const QStringList lines = ResultLines(list);
        const FindStep step = vel::FindNextInList(lines, SelectedRow(list), typed, lastFindText);
        list->setCurrentRow(step.selected);
        list->scrollToItem(list->item(step.selected));
        lastFindText = step.lastFindText;
    } catch (const std::exception &) {
        // A failed find leaves the list as it was.
    }
}

}  // namespace vel
