#include "Controls.h"
#include "Platform.h"
#include "common/TextRules.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QValidator>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

namespace vel {

namespace {

// Characters a typing user cannot enter: the controls (line breaks and tabs
// among them) and the Unicode line and paragraph separators.
bool CannotBeTyped(QChar c) {
    return IsControlCharacter(c.unicode()) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool IsLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// The part [start, end) of `after` that an edit of `before` brought in, the
// caret `pos` standing after it; start == end for a mere deletion. When the
// caret does not stand at the end of the insertion (an input method may put
// it elsewhere), the insertion is what lies between the common beginning and
// the common end of the two texts. `from` is where the edit began (the
// selection it replaced, or the caret): a text brought in that begins as the
// one it replaced begins is the user's all the same.
std::pair<int, int> InsertedPart(const QString &before, const QString &after, int pos, int from) {
    const int oldSize = int(before.size());
    const int newSize = int(after.size());
    int tail = newSize - pos;  // characters after the caret, as they were before
    if (pos < 0 || tail < 0 || tail > oldSize || QStringView(after).right(tail) != QStringView(before).right(tail)) {
        tail = 0;
        const int shorter = std::min(oldSize, newSize);
        while (tail < shorter && after.at(newSize - 1 - tail) == before.at(oldSize - 1 - tail)) ++tail;
    }
    const int end = newSize - tail;
    const int limit = std::min(end, oldSize - tail);
    int start = 0;
    while (start < limit && after.at(start) == before.at(start)) ++start;
    if (from >= 0 && from < start) start = from;  // the texts agree up to `from` all the same
    return {start, end};
}

}  // namespace

// What the user puts into an edit obeys the rules of typing, whatever way it
// arrives: each character of a paste, a drop or an input method's commit is
// put to the key handler as if typed (the character of a key press has been
// already), a character a user cannot type (a control character) goes, a
// paste of several lines keeps its first (SetFirstLineOnly), and the text
// stops at the maximum length. QLineEdit validates setText() too, but
// setText() empties the undo history first, while every user edit (typed,
// pasted by key, menu or mouse, dropped, committed) has just added to it:
// text put in by code is told apart that way and stays whole.
class TypingRules : public QValidator {
public:
    explicit TypingRules(Edit *edit) : QValidator(edit), edit_(edit) {}

    State validate(QString &input, int &pos) const override {
        Edit &edit = *edit_;
        if (!edit.isUndoAvailable() || input == edit.previous_) return Acceptable;
        const auto [start, end] = InsertedPart(edit.previous_, input, pos, edit.editFrom_);
        if (start >= end) return Acceptable;  // a deletion, also from an overlong text
        const int stays = int(input.size()) - (end - start);
        QString kept;
        for (int i = start; i < end;) {
            // A character of two UTF-16 units (an emoji) goes in whole or not
            // at all: half of one is no character, and would be stored as "?".
            const int units = i + 1 < end && input.at(i).isHighSurrogate() && input.at(i + 1).isLowSurrogate() ? 2 : 1;
            // What does not fit is cut; a refusal of the whole text only
            // looks at what would go in.
            if (edit.maxLength_ > 0 && stays + kept.size() + units > edit.maxLength_) break;
            if (edit.firstLineOnly_ && IsLineBreak(input.at(i))) break;
            QString character;
            bool refused = false;
            for (const int last = i + units; i < last; ++i) {
                QChar c = input.at(i);
                if (!refused) refused = CannotBeTyped(c);
                if (!refused && !(i == start && c == edit.typedChar_)) refused = !TypedThrough(edit, c);
                character += c;
            }
            if (refused && edit.refusedTextWhole_) return Invalid;
            if (!refused) kept += character;
        }
        // Nothing goes in: refusing the edit undoes it without any change
        // signal, as a swallowed key or a full edit leaves the text alone.
        if (kept.isEmpty()) return Invalid;
        if (kept.size() != end - start || QStringView(input).mid(start, end - start) != kept) {
            input.replace(start, end - start, kept);
            if (pos >= end)
                pos += int(kept.size()) - (end - start);
            else if (pos > start)
                pos = start + std::min(pos - start, int(kept.size()));
            edit.rewriting_ = true;  // Qt puts the rewritten text in by its setText
        }
        return Acceptable;
    }

private:
    // The key handler's answer for a character typed without modifiers: false
    // when it swallows it; `c` becomes the character it types instead.
    static bool TypedThrough(Edit &edit, QChar &c) {
        if (!edit.onKeyDown) return true;
        int key = 0;
        QChar keyChar = c;
        edit.onKeyDown(key, keyChar, Qt::NoModifier);
        if (key == 0 && keyChar.isNull()) return false;
        if (!keyChar.isNull()) c = keyChar;
        return true;
    }

    Edit *edit_;
};

void TranslateKey(const QKeyEvent &event, int *key, QChar *keyChar) {
    *keyChar = QChar();
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: *key = vkReturn; return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: *key = vkTab; return;
    case Qt::Key_Backspace: *key = vkBack; return;
    case Qt::Key_Delete: *key = vkDelete; return;
    case Qt::Key_Escape: *key = vkEscape; return;
    case Qt::Key_Left: *key = vkLeft; return;
    case Qt::Key_Right: *key = vkRight; return;
    case Qt::Key_Up: *key = vkUp; return;
    case Qt::Key_Down: *key = vkDown; return;
    case Qt::Key_Home: *key = vkHome; return;
    case Qt::Key_End: *key = vkEnd; return;
    case Qt::Key_PageUp: *key = 33; return;
    case Qt::Key_PageDown: *key = 34; return;
    case Qt::Key_Insert: *key = 45; return;
    default: break;
    }
    if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F12) {
        *key = 112 + (event.key() - Qt::Key_F1);
        return;
    }
    const QString text = event.text();
    const bool control = event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!control && !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127) {
        *key = 0;
        *keyChar = text.at(0);
        return;
    }
    *key = (event.key() >= 0x20 && event.key() <= 0x7E) ? event.key() : 0;
}

void FocusByEnter(QWidget *next) {
    // Qt selects a line edit's text when the focus comes by Tab, and leaves
    // the caret where it was when it comes any other way.
    if (next) next->setFocus(Qt::TabFocusReason);
}

// The edit is made without its parent and then put in it: a line edit lays its
// empty text out at once in the font it starts with, and a parent's font would
// load that font's glyphs while the window is being built; put in its parent,
// the edit takes the font as a change, which waits for its polish (see event).
// The size and the place in the focus chain come out as those of an edit made
// in its parent.
Edit::Edit(QWidget *parent) : QLineEdit(nullptr) {
    if (parent) {
        setParent(parent);
        resize(100, 30);
        setAttribute(Qt::WA_Resized, false);
    }
    setValidator(new TypingRules(this));
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (onTyping) onTyping();
    });
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        previous_ = text;
        if (onChange) onChange();
    });
    // Where the next change begins. Qt says where the caret and the
    // selection went once a change is over, after validating it: the
    // validator still reads the place the change started from.
    // An input method's commit says where its caret went before it is
    // validated: the place is taken as the event comes (see event).
    auto track = [this] {
        if (!inputMethodEvent_) editFrom_ = hasSelectedText() ? selectionStart() : cursorPosition();
    };
    connect(this, &QLineEdit::textChanged, this, track);
    connect(this, &QLineEdit::selectionChanged, this, track);
    connect(this, &QLineEdit::cursorPositionChanged, this, track);
    // A text put in by code (a load, a pick, a clear) shows from its first
    // character, also when it equals the text already there; Qt's setText
    // puts the caret after the last character and shows the end. setText is
    // no virtual function and is called through QLineEdit pointers too (a
    // combo box's, a fill by control name), so the edit follows it on Qt's
    // own line control: its setText starts by resetting the input context
    // (with no selection left, which tells it from the menu's "Delete"), and
    // ends by settling the caret, moved or not.
    QObject *control = nullptr;
    for (QObject *child : children())
        if (child->metaObject()->indexOfSignal("resetInputContext()") >= 0) control = child;
    // A Qt build whose line control differs costs the rule for a repeated
    // text only (the tests of that rule say so at once); the program goes on.
    if (!control || !connect(control, SIGNAL(resetInputContext()), this, SLOT(TextSetStarts())) ||
        !connect(control, SIGNAL(updateMicroFocus()), this, SLOT(TextSetEnds()))) {
        static bool told = false;
        if (!std::exchange(told, true)) qWarning("Edit: the line control of this Qt build is not the one the edits follow");
    }
    connect(this, &QLineEdit::cursorPositionChanged, this, &Edit::TextSetEnds);
}

void Edit::TextSetStarts() {
    if (hasSelectedText()) return;  // the menu's "Delete", which keeps the caret where the user put it
    // The typing rules' own form of a user edit goes in by setText as well,
    // with the caret where the user's edit left it.
    textSet_ = !rewriting_;
    rewriting_ = false;
}

void Edit::TextSetEnds() {
    if (!textSet_) return;
    textSet_ = false;
    // What the user types keeps the caret where typing left it, even when a
    // typing rule rewrites the text.
    if (!userInput_) setCursorPosition(0);
}

void Edit::SetMaxLength(int length) { maxLength_ = std::max(0, length); }

bool Edit::event(QEvent *e) {
    bool user = false;
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::KeyRelease:  // a key-up handler's rewrite of the text
        // What the user changes keeps the caret where the change left it.
        user = true;
        break;
    default:
        break;
    }
    // A new font makes the edit lay its text out again, which loads the
    // font's glyphs; most edits get theirs while their window is built and
    // stay hidden. Until the edit is polished (its window first shown, or a
    // size asked of it) the font waits, and is laid out at the polish.
    if (e->type() == QEvent::FontChange && !testAttribute(Qt::WA_WState_Polished)) {
        QWidget::changeEvent(e);
        return true;
    }
    if (e->type() == QEvent::Polish) {
        const bool handled = QLineEdit::event(e);
        QEvent font(QEvent::FontChange);
        QLineEdit::changeEvent(&font);
        return handled;
    }
    userInput_ += user;
    struct Done {
        int &depth;
        bool user;
        ~Done() { depth -= user; }
    } done{userInput_, user};
    if (e->type() == QEvent::InputMethod && !inputMethodEvent_) {
        // A commit may replace what stands before the caret, too.
        const int replaced = std::min(0, static_cast<QInputMethodEvent *>(e)->replacementStart());
        editFrom_ = std::max(0, (hasSelectedText() ? selectionStart() : cursorPosition()) + replaced);
        inputMethodEvent_ = true;
        const bool handled = QLineEdit::event(e);
        inputMethodEvent_ = false;
        editFrom_ = hasSelectedText() ? selectionStart() : cursorPosition();
        return handled;
    }
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            if (HandleKeyDown(k)) return true;
        }
    }
    return QLineEdit::event(e);
}

bool Edit::HandleKeyDown(QKeyEvent *event) {
    int key = 0;
    QChar keyChar;
    TranslateKey(*event, &key, &keyChar);
    // The character this key brings has been put to the handler here: the
    // typing rules do not put it again.
    typedChar_ = keyChar;
    if (!onKeyDown) return false;
    const QChar typed = keyChar;
    onKeyDown(key, keyChar, event->modifiers());
    if (key == 0 && keyChar.isNull()) {
        typedChar_ = QChar();
        event->accept();
        return true;
    }
    if (keyChar != typed && !keyChar.isNull()) {
        typedChar_ = keyChar;
        insert(QString(keyChar));
        typedChar_ = QChar();
        event->accept();
        return true;
    }
    return false;
}

void Edit::keyPressEvent(QKeyEvent *event) {
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!tab && HandleKeyDown(event)) return;
    QLineEdit::keyPressEvent(event);
    typedChar_ = QChar();
    // Enter belongs to the edit's own handler; it never reaches a default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
}

void Edit::keyReleaseEvent(QKeyEvent *event) {
    QLineEdit::keyReleaseEvent(event);
    if (onKeyUp) {
        int key = 0;
        QChar keyChar;
        TranslateKey(*event, &key, &keyChar);
        onKeyUp(key, keyChar, event->modifiers());
    }
}

// The focus changing because another window became active is no entering or
// leaving of the edit: the window's own focus stays where it was.
static bool WindowActivation(const QFocusEvent *event) {
    return event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
}

void Edit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    if (entered_) return;
    // An edit of this window still entered lost the focus while the window was
    // not active (the focus put elsewhere by code while it was hidden, or a
    // click that came before the window's activation): it is left first.
    for (Edit *other : window()->findChildren<Edit *>())
        if (other != this && other->entered_ && other->window() == window()) other->Leave();
    entered_ = true;
    if (onEnter) onEnter();
}

void Edit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    if (!entered_ || WindowActivation(event)) return;
    Leave();
}

void Edit::Leave() {
    entered_ = false;
    if (onExit) onExit();
}

void Edit::DetachHandlers() {
    onKeyDown = nullptr;
    onKeyUp = nullptr;
    onTyping = nullptr;
    onChange = nullptr;
    onEnter = nullptr;
    onExit = nullptr;
}

namespace {
// One completer for the whole process, never left on any edit.
QCompleter *PlaceholderCompleter() {
    static QPointer<QCompleter> shared;
    if (!shared) shared = new QCompleter(QCoreApplication::instance());
    return shared;
}
}  // namespace

ComboEdit::ComboEdit(QWidget *parent) : QComboBox(parent) {
    // Setting the line edit makes the combo editable at once; setEditable(true)
    // would first make a line edit of its own, to be thrown away, and the
    // drop-down list, which waits here until the list is first opened.
    editor_ = new Edit(this);
    // The combo gives a line edit without a completer one of its own, at a
    // cost, only for this constructor to take it away again: the edit holds a
    // shared placeholder while it is set, and then none.
    editor_->setCompleter(PlaceholderCompleter());
    setLineEdit(editor_);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    // Neither the wheel nor a click on the list takes the focus by itself
    // from the wheel: only a click or the keyboard does.
    setFocusPolicy(Qt::StrongFocus);
}

// The wheel changes only the combo the user is in; elsewhere it is left to
// the window, which does nothing with it.
static bool WheelForTheFocusedOnly(QComboBox *combo, QWheelEvent *event) {
    if (combo->hasFocus()) return false;
    event->ignore();
    return true;
}

void ComboEdit::wheelEvent(QWheelEvent *event) {
    if (!WheelForTheFocusedOnly(this, event)) QComboBox::wheelEvent(event);
}

void ListCombo::wheelEvent(QWheelEvent *event) {
    if (!WheelForTheFocusedOnly(this, event)) QComboBox::wheelEvent(event);
}

void ComboEdit::changeEvent(QEvent *event) {
    // QComboBox hands a new font on to its drop-down list, making the list
    // for that purpose when there is none yet. While the combo is still being
    // built (not polished, no list), the list made later takes the combo's
    // font as its child anyway: only the edit's place is brought up to date.
    const bool listMade = findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly) != nullptr;
    if (event->type() == QEvent::FontChange && !listMade && !testAttribute(Qt::WA_WState_Polished)) {
        QWidget::changeEvent(event);
        QResizeEvent place(size(), size());
        QComboBox::resizeEvent(&place);
        return;
    }
    QComboBox::changeEvent(event);
}

void ComboEdit::SetSuggestions(const QStringList &items) {
    const QString keep = text();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    editor_->setText(keep);
}

void ComboEdit::ClearSelectionKeepText() {
    const QString keep = text();
    // A combo entered by Tab or by the Enter travel has its text selected,
    // as an edit has: the selection stays.
    const int from = editor_->selectionStart();
    const int length = editor_->selectionLength();
    setCurrentIndex(-1);
    editor_->setText(keep);
    if (length > 0) editor_->setSelection(from, length);
}

ListCombo::ListCombo(QWidget *parent) : QComboBox(parent) {
    HoldFontUntilPolish(this);
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
}

void ListCombo::keyPressEvent(QKeyEvent *event) {
    if (onKeyDown) {
        int key = 0;
        QChar keyChar;
        TranslateKey(*event, &key, &keyChar);
        onKeyDown(key, keyChar, event->modifiers());
        if (key == 0 && keyChar.isNull()) return;
    }
    if (event->key() == Qt::Key_Backspace) {
        setCurrentIndex(-1);
        return;
    }
    QComboBox::keyPressEvent(event);
}

Button::Button(const QString &text, QWidget *parent) : QPushButton(text, parent) {
    setAutoDefault(false);
    setDefault(false);
}

void Button::keyPressEvent(QKeyEvent *event) {
    // Qt presses a button by Enter only when it may be a default button; here
    // Enter presses the button that has the focus, once per key press.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

ImageButton::ImageButton(QWidget *parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
}

void ImageButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && onMouseDown) onMouseDown();
    QLabel::mousePressEvent(event);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    if (onMouseUp) onMouseUp();
    if (rect().contains(event->position().toPoint())) Click();
}

BoxFrame::BoxFrame(QWidget *parent) : QFrame(parent) {}

BoxFrame::BoxFrame(QWidget *parent, const QColor &fill, const QColor &border, int radius) : QFrame(parent) {
    SetLook(fill, border, radius);
}

BoxFrame::BoxFrame(QWidget *parent, const BoxLook &look) : QFrame(parent) { SetLook(look); }

void BoxFrame::SetLook(const QColor &fill, const QColor &border, int radius) { SetLook(BoxLook{fill, border, radius}); }

void BoxFrame::SetLook(const BoxLook &look) {
    look_ = look;
    look_.radius = std::max(0, look_.radius);
    look_.borderWidth = std::max(1, look_.borderWidth);
    update();
}

void BoxFrame::paintEvent(QPaintEvent *event) {
    const BoxLook &l = look_;
    if (l.fill.isValid() || l.border.isValid()) {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, l.radius > 0);
        const int line = l.border.isValid() ? l.borderWidth : 0;
        if (l.fill.isValid() && l.bottom.isValid()) {
            // The gradient spans the inside of the border.
            QLinearGradient ground(0, line, 0, height() - line);
            ground.setColorAt(0, l.fill);
            ground.setColorAt(1, l.bottom);
            p.setBrush(ground);
        } else {
            p.setBrush(l.fill.isValid() ? QBrush(l.fill) : QBrush(Qt::NoBrush));
        }
        QRectF box(rect());
        if (line > 0) {
            p.setPen(QPen(l.border, line));
            const qreal half = line / 2.0;  // the line's middle, so that it covers whole pixels
            box.adjust(half, half, -half, -half);
        } else {
            p.setPen(Qt::NoPen);
        }
        if (l.radius > 0)
            p.drawRoundedRect(box, l.radius, l.radius);
        else
            p.drawRect(box);
    }
    QFrame::paintEvent(event);
}

FocusFrame::FocusFrame(QWidget *parent) : BoxFrame(parent, QColor(0xFF, 0xE3, 0x4D), QColor(0xE0, 0xB8, 0x00), 6) {
    hide();
}

void FocusFrame::Surround(QWidget *control, int margin) {
    setGeometry(control->geometry().adjusted(-margin, -margin, margin, margin));
    stackUnder(control);
    Follow(control);
}

void FocusFrame::Follow(QWidget *control) {
    if (control_) control_->removeEventFilter(this);
    if (window_) window_->removeEventFilter(this);
    control_ = control;
    window_ = control->window();
    control_->installEventFilter(this);
    window_->installEventFilter(this);
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event) {
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::FocusIn: show(); break;
        case QEvent::FocusOut:
            // The control's own drop-down list keeps its focus in effect.
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) hide();
            break;
        case QEvent::Hide: hide(); break;
        default: break;
        }
    } else if (watched == window_) {
        switch (event->type()) {
        case QEvent::Hide: hide(); break;
        // Back from minimised (or put back at once after a refused minimise)
        // the window may still be the active one: its control never lost the
        // focus, so no focus-in comes to light the frame again.
        case QEvent::Show:
        case QEvent::WindowActivate:
            if (control_ && control_->isVisible() && control_->hasFocus()) show();
            break;
        default: break;
        }
    }
    return false;
}

StatusLine::StatusLine(QWidget *parent) : QLabel(parent) {
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(0x4A, 0x5A, 0x8C));
    look.setColor(QPalette::WindowText, Qt::white);
    setPalette(look);
    setContentsMargins(12, 0, 0, 0);
}

void SetTextColour(QWidget *label, const QColor &colour) {
    QPalette look = label->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        look.setColor(group, QPalette::WindowText, colour);
    label->setPalette(look);
}

namespace {
class MouseMoveFilter : public QObject {
public:
    MouseMoveFilter(QWidget *parent, std::function<void()> handler, bool backgroundOnly)
        : QObject(parent), handler_(std::move(handler)), backgroundOnly_(backgroundOnly) {}
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::MouseMove) {
            if (backgroundOnly_) {
                auto *widget = static_cast<QWidget *>(watched);
                const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
                // Over a control of its own (or an event passed on from a part
                // of a child that lies outside this widget's own area).
                if (!widget->rect().contains(at) || widget->childAt(at)) return false;
            }
            handler_();
        } else if (event->type() == QEvent::Enter && !backgroundOnly_) {
            handler_();
        }
        return false;
    }

private:
    std::function<void()> handler_;
    bool backgroundOnly_;
};
}  // namespace

void OnMouseMove(QWidget *widget, std::function<void()> handler) {
    widget->setMouseTracking(true);
    widget->installEventFilter(new MouseMoveFilter(widget, std::move(handler), false));
}

void OnMouseMoveOverBackground(QWidget *widget, std::function<void()> handler) {
    widget->setMouseTracking(true);
    widget->installEventFilter(new MouseMoveFilter(widget, std::move(handler), true));
}

}  // namespace vel
