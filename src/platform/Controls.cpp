#include "Controls.h"
#include "Platform.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QValidator>
#include <QWheelEvent>
#include <algorithm>

namespace vel {

// Cuts what the user is inserting so that the text stays within the edit's
// maximum length. QLineEdit validates setText() too, but setText() empties the
// undo history first, while every user edit (typed, pasted by key or menu,
// dropped) has just added to it: text put in by code is told apart that way
// and stays whole.
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(Edit *edit) : QValidator(edit), edit_(edit) {}

    State validate(QString &input, int &pos) const override {
        if (FirstLineOnly(input, pos) == Invalid) return Invalid;
        const int max = edit_->maxLength_;
        if (max <= 0 || input.size() <= max || !edit_->isUndoAvailable()) return Acceptable;
        const int base = static_cast<int>(edit_->previous_.size()) - edit_->previousSelection_;
        const int inserted = static_cast<int>(input.size()) - base;
        if (inserted <= 0) return Acceptable;  // deleting from an overlong text
        const int keep = std::clamp(max - base, 0, inserted);
        const int start = pos - inserted;
        // Nothing fits: refusing the edit undoes it without any change signal,
        // as a full edit ignores the key.
        if (start < 0 || keep == 0) return Invalid;
        input.remove(start + keep, inserted - keep);
        pos = start + keep;
        return Acceptable;
    }

private:
    // With SetFirstLineOnly, text of several lines pasted or dropped by the
    // user goes in up to its first line break, as into the system's one-line
    // edits: the edit would show the breaks as blanks, and the record would
    // carry them unseen into list lines, prints and exports. A first line
    // that is empty brings nothing. Text put in by code is kept whole.
    State FirstLineOnly(QString &input, int &pos) const {
        if (!edit_->firstLineOnly_ || !edit_->isUndoAvailable()) return Acceptable;
        const int base = static_cast<int>(edit_->previous_.size()) - edit_->previousSelection_;
        const int inserted = static_cast<int>(input.size()) - base;
        const int start = pos - inserted;
        if (inserted <= 0 || start < 0) return Acceptable;
        for (int i = start; i < start + inserted; ++i) {
            const char16_t c = input.at(i).unicode();
            if (c != u'\n' && c != u'\r' && c != u'\u2028' && c != u'\u2029') continue;
            if (i == start) return Invalid;
            input.remove(i, start + inserted - i);
            pos = i;
            break;
        }
        return Acceptable;
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
    setValidator(new TypingLimit(this));
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (onTyping) onTyping();
    });
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        previous_ = text;
        previousSelection_ = 0;
        // A text put in by code (a load, a pick, a clear) shows from its first
        // character; Qt would put the caret after the last and show the end.
        // What the user types keeps the caret where typing left it, even when
        // a typing rule rewrites the text.
        if (!userInput_) setCursorPosition(0);
        if (onChange) onChange();
    });
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
        // What the user is about to change: the text and the selection it replaces.
        previous_ = text();
        previousSelection_ = static_cast<int>(selectedText().size());
        user = true;
        break;
    case QEvent::KeyRelease:  // a key-up handler's rewrite of the text
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
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            if (HandleKeyDown(k)) return true;
        }
    }
    return QLineEdit::event(e);
}

bool Edit::HandleKeyDown(QKeyEvent *event) {
    if (!onKeyDown) return false;
    int key = 0;
    QChar keyChar;
    TranslateKey(*event, &key, &keyChar);
    const QChar typed = keyChar;
    onKeyDown(key, keyChar, event->modifiers());
    if (key == 0 && keyChar.isNull()) {
        event->accept();
        return true;
    }
    if (keyChar != typed && !keyChar.isNull()) {
        insert(QString(keyChar));
        event->accept();
        return true;
    }
    return false;
}

void Edit::keyPressEvent(QKeyEvent *event) {
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!tab && HandleKeyDown(event)) return;
    QLineEdit::keyPressEvent(event);
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
    setCurrentIndex(-1);
    editor_->setText(keep);
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
    } else if (watched == window_ && event->type() == QEvent::Hide) {
        hide();
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
