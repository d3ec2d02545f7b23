#pragma once
// A drop-down list whose value is one of its items or nothing: the text comes
// from the list, from a load or from a command of the window, never from the
// keyboard, nor from a paste, a drop or an input method (the editor puts each
// such character to the key rule, which refuses it). Enter moves on,
// Backspace and Delete empty the text, Left and Right move in it, every other
// key is refused; when the list is left, a text that is none of its items is
// emptied. Values put in by code stay as they are until the user enters and
// leaves the list.
#include <QStringList>

#include "Controls.h"

namespace vel {

class ChoiceList : public ComboEdit {
    Q_OBJECT
public:
    // How the text is compared with the items when the list is left: with
    // the case of its letters, or with the letters A-Z taken without case.
    enum class Match { ExactCase, IgnoreCase };

    explicit ChoiceList(QWidget *parent = nullptr);

    void SetItems(const QStringList &items, Match match);
    Match ItemMatch() const { return match_; }
    // Where Enter sends the focus (nothing is chosen or pressed).
    void SetEnterTarget(QWidget *next) { next_ = next; }
    // The frame shown while the list has the focus.
    // It follows the list's focus as every frame does, so that it never stays
    // lit after the window closed or another window took the focus.
    void SetFrame(FocusFrame *frame) {
        frame_ = frame;
        if (frame_) frame_->Follow(this);
    }

    // The list's own rules. They run by themselves through the editor's
    // handlers; a window that gives those handlers names of its own calls
    // them from there.
    void KeyRule(int &key, QChar &keyChar);
    void EnterRule();  // forgets the selected item (the text stays), shows the frame
    void ExitRule();   // hides the frame, then keeps only a text of the list

    // Whether the trimmed text is one of the items, as the list compares.
    bool HoldsItem() const;
    // No item chosen and no text.
    void Empty();

protected:
    bool event(QEvent *event) override;

private:
    QStringList items_;
    Match match_ = Match::ExactCase;
    QWidget *next_ = nullptr;
    FocusFrame *frame_ = nullptr;
};

}  // namespace vel
