#include "YearEdit.h"

#include "common/DateText.h"
#include "common/TextRules.h"

namespace vel {

YearEdit::YearEdit(QWidget *parent) : Edit(parent) {
    SetMaxLength(4);
    onKeyDown = [this](int &key, QChar &keyChar, Qt::KeyboardModifiers) { KeyRule(key, keyChar); };
    // Kept apart from onTyping and onChange, which stay the window's.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (IsAllDigits(text)) digits_ = text;
    });
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!IsAllDigits(text)) setText(digits_);
    });
}

void YearEdit::KeyRule(int &key, QChar &keyChar) {
    if (key == vkReturn) {
        if (next_) next_->setFocus();
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
