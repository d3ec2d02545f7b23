#pragma once
// Controls with the behaviour the windows were designed for, where Qt's own
// differ: a maximum length that limits typing only, key handlers that see
// every key (Tab included) and may swallow it, text that arrives without a key
// (a paste, a drop, an input method) held to the same handlers, a text put in
// by code shown from its first character, no default button pressed by Enter
// in an edit but Enter pressing the button that has the focus, focus frames
// that follow the focus.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <functional>

namespace vel {

// Virtual key codes handed to key handlers, as the windows know them.
enum VirtualKey : int {
    vkBack = 8, vkTab = 9, vkReturn = 13, vkEscape = 27, vkEnd = 35, vkHome = 36,
    vkLeft = 37, vkUp = 38, vkRight = 39, vkDown = 40, vkDelete = 46,
};

// Backspace, Delete, Left and Right: the keys that digit-only and amount
// edits let through besides their characters.
inline bool IsEditingKey(int key) { return key == vkBack || key == vkDelete || key == vkLeft || key == vkRight; }

// A key handler gets the key code (0 for a typed character) and the character
// (0 for a key without one). Setting both to 0 swallows the key; changing the
// character types another one instead. An edit's handler is also asked about
// each character of a text the user brings without typing it (pasted,
// dropped, committed by an input method, a dead key or a compose sequence),
// as if it were typed with no modifier: its answer decides whether that
// character goes in, so a handler acts on key codes only for anything else.
using KeyHandler = std::function<void(int &key, QChar &keyChar, Qt::KeyboardModifiers shift)>;

// Translates a Qt key event into the handler's key code and character.
void TranslateKey(const QKeyEvent &event, int *key, QChar *keyChar);

// Moves the focus on to `next` as the Enter travel of a window does: the way
// Tab does, so that an edit entered so has its text selected and what the
// user types replaces it (an amount's "0,00").
void FocusByEnter(QWidget *next);

class Edit : public QLineEdit {
    Q_OBJECT
public:
    explicit Edit(QWidget *parent = nullptr);

    // Limits what the user types or pastes; text put in by code is never cut.
    // A character of two UTF-16 units goes in whole or not at all. 0 means no
    // limit.
    void SetMaxLength(int length);
    int MaxLength() const { return maxLength_; }
    void SetPassword(bool masked) { setEchoMode(masked ? Password : Normal); }
    // Text of several lines that the user pastes or drops goes in up to its
    // first line break (a first line that is empty brings nothing), as into
    // the system's one-line edits; text put in by code is kept whole. Off
    // unless asked for.
    void SetFirstLineOnly(bool firstLine) { firstLineOnly_ = firstLine; }
    // A text the user brings without typing it loses each character that the
    // key handler refuses; with this set, such a text is refused whole
    // instead (a year pasted with a letter in it is no year with a digit
    // less). Off unless asked for.
    void SetRefusedTextWhole(bool whole) { refusedTextWhole_ = whole; }

    KeyHandler onKeyDown;
    KeyHandler onKeyUp;
    std::function<void()> onTyping;  // the user changed the text
    std::function<void()> onChange;  // the text changed, by the user or by code
    // The focus inside the window came to the edit, or left it for another
    // control of the window; the activation of other windows is neither.
    std::function<void()> onEnter;
    std::function<void()> onExit;
    void DetachHandlers();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private slots:
    // Qt's setText, from whatever pointer it is called, and the moment its
    // caret has settled (see the constructor).
    void TextSetStarts();
    void TextSetEnds();

private:
    bool HandleKeyDown(QKeyEvent *event);  // true when the key was consumed
    void Leave();
    int maxLength_ = 0;
    bool entered_ = false;  // the edit holds the window's focus
    bool firstLineOnly_ = false;
    bool refusedTextWhole_ = false;
    int userInput_ = 0;     // inside a key, mouse, menu or drop event of the user
    QString previous_;      // the text before the change being made
    int editFrom_ = 0;      // where it begins: the selection's start, or the caret
    bool inputMethodEvent_ = false;
    QChar typedChar_;       // the character of the key being pressed, already past onKeyDown
    bool rewriting_ = false;  // the typing rules are putting their form of a user edit in
    bool textSet_ = false;    // a text put in by code, whose caret is about to settle
    friend class TypingRules;
};

// A free-text edit with a drop-down list of suggestions.
class ComboEdit : public QComboBox {
    Q_OBJECT
public:
    explicit ComboEdit(QWidget *parent = nullptr);
    Edit *Editor() const { return editor_; }
    QString text() const { return editor_->text(); }
    void setText(const QString &text) { editor_->setText(text); }
    void SetMaxLength(int length) { editor_->SetMaxLength(length); }
    void SetSuggestions(const QStringList &items);
    // Clears the list selection without touching the text (selecting no item
    // in a QComboBox would empty it).
    void ClearSelectionKeepText();

protected:
    void changeEvent(QEvent *event) override;
    // The wheel acts on the combo that has the focus only, as on the desktop
    // the program comes from: a wheel turned while the pointer passes over
    // another combo would change its value unseen.
    void wheelEvent(QWheelEvent *event) override;

private:
    Edit *editor_;
};

// A list-only choice that Backspace can empty (no item chosen).
class ListCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ListCombo(QWidget *parent = nullptr);
    KeyHandler onKeyDown;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // As a combo edit: the wheel acts on the focused list only.
    void wheelEvent(QWheelEvent *event) override;
};

// A push button that is never a default button: Enter in an edit presses
// nothing, while Enter (as the space bar) presses the button with the focus.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(const QString &text, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A picture (or text) that acts as a button: hand cursor, click handler.
class ImageButton : public QLabel {
    Q_OBJECT
public:
    explicit ImageButton(QWidget *parent = nullptr);
    std::function<void()> onClick;
    std::function<void()> onMouseDown;
    std::function<void()> onMouseUp;
    void Click() { if (onClick) onClick(); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// How a BoxFrame paints itself.
struct BoxLook {
    QColor fill;          // the ground, or the top of a gradient down to `bottom`
    QColor border;        // none when invalid
    int radius = 0;       // of the rounded corners
    QColor bottom = {};   // when valid, the ground runs from `fill` down to it
    int borderWidth = 1;
};

// A frame that paints its own box: a fill or a vertical gradient, a border
// (none when the colour is invalid) and rounded corners. Painted here rather
// than by a style sheet, so that the controls inside it keep the plain style
// and its cheap polish.
class BoxFrame : public QFrame {
    Q_OBJECT
public:
    explicit BoxFrame(QWidget *parent = nullptr);
    BoxFrame(QWidget *parent, const QColor &fill, const QColor &border, int radius);
    BoxFrame(QWidget *parent, const BoxLook &look);
    void SetLook(const QColor &fill, const QColor &border, int radius);
    void SetLook(const BoxLook &look);
    const BoxLook &Look() const { return look_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BoxLook look_;
};

// The yellow frame that marks the control with the focus; hidden at start.
class FocusFrame : public BoxFrame {
    Q_OBJECT
public:
    explicit FocusFrame(QWidget *parent = nullptr);
    // Places the frame around a control, under it, and lets it follow the
    // control's focus (Follow).
    void Surround(QWidget *control, int margin = 4);
    // The frame shows while the control has the focus and hides as soon as
    // it loses it for any reason: another control, another window activated,
    // the window hidden or closed. An open drop-down list keeps it. Its window
    // shown again or activated with the control still holding the focus (back
    // from minimised) shows it again.
    void Follow(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> control_, window_;
};

// The one-line status text at the bottom of a window.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget *parent = nullptr);
};

// A label's text in a colour of the window's design, the same in every state
// of the window. Set on the label's palette: a style sheet would give the
// label a style of its own, which costs at every start for every such label.
void SetTextColour(QWidget *label, const QColor &colour);

// Runs `handler` whenever the mouse pointer moves over the widget.
void OnMouseMove(QWidget *widget, std::function<void()> handler);
// Runs `handler` when the pointer moves over the widget itself, not over one
// of its children (a window's background, a section, a frame).
void OnMouseMoveOverBackground(QWidget *widget, std::function<void()> handler);

}  // namespace vel
