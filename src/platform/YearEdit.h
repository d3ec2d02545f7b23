#pragma once
// The edit in which a window asks for a calendar year: four characters at
// most, typed as digits only (Backspace, Delete, Left and Right act as usual,
// Enter moves on to the window's "Apri" without pressing it, every other key
// is refused), and a paste or a drop that would bring anything but digits is
// refused whole. Whether the year has its four digits is the command's check
// (IsYearText, common/DateText.h).
#include "Controls.h"

namespace vel {

class YearEdit : public Edit {
    Q_OBJECT
public:
    explicit YearEdit(QWidget *parent = nullptr);

    // Where Enter sends the focus.
    void SetEnterTarget(QWidget *next) { next_ = next; }

    // The key rule. It runs by itself through onKeyDown; a window that gives
    // the key handler a name of its own calls it from there.
    void KeyRule(int &key, QChar &keyChar);

    // True when the text is a year of exactly four digits.
    bool HoldsYear() const;

    // Puts `year` in, in four digits, selected: the edit is then full, and a
    // year typed at once must replace it rather than be refused digit by
    // digit after the caret.
    void ProposeYear(int year);

private:
    QWidget *next_ = nullptr;
};

}  // namespace vel
