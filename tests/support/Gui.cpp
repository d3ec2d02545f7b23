#include "Gui.h"

namespace vel::test {

void ShowActive(QWidget *window) {
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, 1000)) QApplication::setActiveWindow(window);
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
