#include "Gui.h"

#include <stdexcept>

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace vel::test {

void ShowActive(QWidget *window) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, 1000)) QApplication::setActiveWindow(window);
}

void MoveMouseOver(QWidget *widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void TypeAfterEnter(QWidget *before, QWidget *amount, const char *typed) {
    before->setFocus();
    Press(before, Qt::Key_Return);
    ASSERT_EQ(Focused(), amount);
    QTest::keyClicks(Focused(), QString::fromLatin1(typed));
    Press(Focused(), Qt::Key_Return);
}

void Type(QWidget *widget, const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character of two UTF-16 units (an emoji) comes with one key.
        const qsizetype units = i + 1 < text.size() && c.isHighSurrogate() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, units), Qt::NoModifier);
        i += units - 1;
    }
}

const char *NameOf(Arrival arrival) {
    switch (arrival) {
    case Arrival::InputMethod: return "input method";
    case Arrival::KeyboardPaste: return "Ctrl+V";
    case Arrival::MenuPaste: return "menu paste";
    case Arrival::Drop: return "drop";
    case Arrival::SelectionPaste: return "middle-button paste";
    }
    return "";
}

namespace {

void PasteByMenu(QLineEdit *line) {
    const QPoint at = line->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, line->mapToGlobal(at));
    QApplication::sendEvent(line, &request);
    QMenu *menu = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *m = qobject_cast<QMenu *>(w); m && m->isVisible()) menu = m;
    if (!menu) return;  // an edit without a menu (a date list's) takes no paste by it
    QAction *paste = nullptr;
    for (QAction *a : menu->actions())
        if (a->objectName() == QLatin1String("edit-paste") || a->text().remove(u'&').startsWith(QLatin1String("Paste")) ||
            a->text().remove(u'&').startsWith(QLatin1String("Incolla")))
            paste = a;
    if (!paste) throw std::runtime_error("the context menu has no paste");
    paste->trigger();
    menu->close();
}

}  // namespace

void Bring(QWidget *widget, Arrival arrival, const QString &text) {
    auto *combo = qobject_cast<QComboBox *>(widget);
    QLineEdit *line = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(widget);
    if (!line) throw std::runtime_error("no edit to bring a text to");
    QClipboard *clipboard = QApplication::clipboard();
    switch (arrival) {
    case Arrival::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(widget, &commit);
        break;
    }
    case Arrival::KeyboardPaste:
        clipboard->setText(text);
        QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
        break;
    case Arrival::MenuPaste:
        clipboard->setText(text);
        PasteByMenu(line);
        break;
    case Arrival::Drop: {
        QMimeData data;
        data.setText(text);
        // As a drag does: it enters the edit, which must take it, then drops.
        const QPoint end(line->width() - 2, line->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(line, &enter);
        if (!enter.isAccepted()) break;
        QDropEvent drop(QPointF(end), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(line, &drop);
        break;
    }
    case Arrival::SelectionPaste:
        if (clipboard->supportsSelection()) {
            clipboard->setText(text, QClipboard::Selection);
            QTest::mouseClick(line, Qt::MiddleButton, Qt::NoModifier, QPoint(line->width() - 2, line->height() / 2));
        } else {
            // The middle button's paste is QLineEdit's insert of the selection's text.
            line->insert(text);
        }
        break;
    }
}

}  // namespace vel::test
