#pragma once
// Driving real windows in tests: typing, keys, clicks, focus.
#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

namespace vel::test {

// Shows a top-level window and makes it the active one, so focus works.
void ShowActive(QWidget *window);
// The widget that has the keyboard focus in the application.
inline QWidget *Focused() { return QApplication::focusWidget(); }
// Types a text into a widget key by key, as a user would.
// Characters outside ASCII arrive as key events carrying their text.
void Type(QWidget *widget, const QString &text);
inline void Press(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(widget, key, mods);
}
inline void Click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
// The pointer moving over a widget, wherever the widget lies on the (small)
// offscreen screen.
void MoveMouseOver(QWidget *widget, QPoint at = QPoint(3, 3));

}  // namespace vel::test
