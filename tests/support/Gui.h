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
// Characters outside ASCII arrive as key events carrying their text, a
// character of two UTF-16 units as one key.
void Type(QWidget *widget, const QString &text);
inline void Press(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(widget, key, mods);
}
inline void Click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
// The pointer moving over a widget, wherever the widget lies on the (small)
// offscreen screen.
void MoveMouseOver(QWidget *widget, QPoint at = QPoint(3, 3));

// The ways a text reaches an edit (or a combo edit's editor) without being
// typed key by key, at the caret (a drop: after the text).
enum class Arrival {
    InputMethod,     // an input method's commit: a dead key, a compose sequence, IBus
    KeyboardPaste,   // Ctrl+V
    MenuPaste,       // the context menu's "Incolla"
    Drop,            // dragged from another program
    SelectionPaste,  // the X11 middle button: the selection clipboard where the platform has one;
                     // elsewhere (the offscreen platform) the insertion that paste ends in
};
inline constexpr Arrival kArrivals[] = {Arrival::InputMethod, Arrival::KeyboardPaste, Arrival::MenuPaste,
                                        Arrival::Drop, Arrival::SelectionPaste};
const char *NameOf(Arrival arrival);
void Bring(QWidget *widget, Arrival arrival, const QString &text);

// What an amount edit shows when the focus came into it by Enter, the text
// was typed and the edit left by Enter again: its "0,00" is replaced only when
// Enter selected it, as Tab does (the caret at one end gave "450,00" or
// "0,0045" for 45).
struct AmountTyped {
    const char *typed;
    const char *shown;
};
inline constexpr AmountTyped kAmountsTypedAfterEnter[] = {{"45", "45,00"}, {"45,5", "45,50"}, {"315", "315,00"}};
// Enter from `before` (which must bring the focus into `amount`), the keys of
// `typed`, and Enter to leave.
void TypeAfterEnter(QWidget *before, QWidget *amount, const char *typed);

}  // namespace vel::test
