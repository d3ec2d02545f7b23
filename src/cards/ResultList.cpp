#include "ResultList.h"

#include <QHash>
#include <QScrollBar>
#include <exception>

#include "common/ListLines.h"
#include "platform/Platform.h"

namespace vel {

void PrepareResultList(ListBox *list) {
    list->SetLineFont(UiFont(QStringLiteral("Courier New"), 12));
    list->SetLineColor(QColor(0xFF000000u));
    // White by palette rather than a style sheet, which would hand the scroll
    // bars the slower style sheet style; the scroll bars keep the usual window
    // colour for their outlines.
    QPalette look = list->palette();
    const QColor window = look.color(QPalette::Window);
    look.setColor(QPalette::Base, Qt::white);
    look.setColor(QPalette::Window, Qt::white);
    list->setPalette(look);
    for (QWidget *part : std::initializer_list<QWidget *>{list->horizontalScrollBar(), list->verticalScrollBar()}) {
        QPalette partLook = part->palette();
        partLook.setColor(QPalette::Window, window);
        part->setPalette(partLook);
    }
}

void SetResultLines(ListBox *list, QStringList lines, int width) {
    list->SetMinimumLineWidth(width);
    list->SetLines(std::move(lines));
}

QStringList ResultLines(const ListBox *list) { return list->Lines(); }

int SelectedRow(const ListBox *list) { return list->SelectedRow(); }

QString EmptyListNotice() {
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

QString &LastFindText(const QObject *dialog) {
    static QHash<QByteArray, QString> texts;
    return texts[QByteArray(dialog->metaObject()->className())];
}

void FindNextInList(ListBox *list, const QString &typed, QString &lastFindText, MsgKind emptyNotice) {
    if (list->count() == 0) {
        MessageDlg(emptyNotice, EmptyListNotice());
        return;
    }
    try {
        const FindStep step = vel::FindNextInList(list->Lines(), list->SelectedRow(), typed, lastFindText);
        list->setCurrentRow(step.selected);
        list->ScrollToLine(step.selected);
        lastFindText = step.lastFindText;
    } catch (const std::exception &) {
        // A failed find leaves the list as it was.
    }
}

}  // namespace vel
