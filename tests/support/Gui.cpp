#include "Gui.h"

#include <QMouseEvent>

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

void Type(QWidget *widget, const QString &text) {
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace vel::test
