#include "YearEdit.h"

#include "common/DateText.h"

namespace vel {

YearEdit::YearEdit(QWidget *parent) : Edit(parent) {
    SetMaxLength(4);
    onKeyDown = [this](int &key, QChar &keyChar, Qt::KeyboardModifiers) { KeyRule(key, keyChar); };
    // A paste or a drop with anything but digits in what would go in is
    // refused whole: "20x5" is no year to keep as "205".
    SetRefusedTextWhole(true);
}

void YearEdit::KeyRule(int &key, QChar &keyChar) {
    if (key == vkReturn) {
        FocusByEnter(next_);
        key = 0;
        return;
    }
    if (IsEditingKey(key)) return;
    if (key == 0 && keyChar >= u'0' && keyChar <= u'9') return;
    key = 0;
    keyChar = QChar();
}

bool YearEdit::HoldsYear() const { return IsYearText(text()); }

void YearEdit::ProposeYear(int year) {
    setText(QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0')));
    selectAll();
}

}  // namespace vel
