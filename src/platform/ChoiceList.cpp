#include "ChoiceList.h"

#include <QKeyEvent>

#include "common/TextRules.h"

namespace vel {

ChoiceList::ChoiceList(QWidget *parent) : ComboEdit(parent) {
    Edit *editor = Editor();
    editor->onKeyDown = [this](int &key, QChar &keyChar, Qt::KeyboardModifiers) { KeyRule(key, keyChar); };
    editor->onEnter = [this] { EnterRule(); };
    editor->onExit = [this] { ExitRule(); };
}

void ChoiceList::SetItems(const QStringList &items, Match match) {
    items_ = items;
    match_ = match;
    SetSuggestions(items);
}

// Enter moves on and still reaches the list; Backspace and Delete empty the
// whole text and then reach the list too, which has nothing left to delete.
void ChoiceList::KeyRule(int &key, QChar &keyChar) {
    switch (key) {
    case vkReturn:
        FocusByEnter(next_);
        return;
    case vkBack:
    case vkDelete: Empty(); return;
    case vkLeft:
    case vkRight: return;
    default:
        key = 0;
        keyChar = QChar();
    }
}

void ChoiceList::EnterRule() {
    ClearSelectionKeepText();
    if (frame_) frame_->show();
}

void ChoiceList::ExitRule() {
    if (frame_) frame_->hide();
    if (!HoldsItem()) Empty();
}

bool ChoiceList::HoldsItem() const {
    const QString typed = Trim(text());
    if (typed.isEmpty()) return false;
    if (match_ == Match::ExactCase) return items_.contains(typed);
    const QString folded = LowerAZ(typed);
    for (const QString &item : items_)
        if (LowerAZ(item) == folded) return true;
    return false;
}

void ChoiceList::Empty() {
    setCurrentIndex(-1);
    setText(QString());
}

// A combo box takes a few keys for itself before its editor's handler sees
// them (Tab, the arrows that walk the list, the keys that open it). The key
// rule refuses every one of them, so they go through the handler first.
bool ChoiceList::event(QEvent *e) {
    // The wheel would walk the items as Up and Down do, which the list
    // refuses: focused or not, it changes nothing.
    if (e->type() == QEvent::Wheel) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        switch (k->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_F4: {
            Edit *editor = Editor();
            if (!editor->onKeyDown) break;
            int key = 0;
            QChar keyChar;
            TranslateKey(*k, &key, &keyChar);
            editor->onKeyDown(key, keyChar, k->modifiers());
            if (key == 0 && keyChar.isNull()) return true;
            break;
        }
        default: break;
        }
    }
    return ComboEdit::event(e);
}

}  // namespace vel
