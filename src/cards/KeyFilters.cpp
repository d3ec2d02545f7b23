#include "KeyFilters.h"

#include <QSet>
#include <algorithm>

#include "common/Amounts.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"

namespace vel {
namespace {

void Swallow(int &key, QChar &keyChar) {
    key = 0;
    keyChar = QChar();
}

bool IsDigit(int key, QChar keyChar) { return key == 0 && keyChar >= u'0' && keyChar <= u'9'; }

bool IsMoveKey(int key) { return key == vkTab || key == vkHome || key == vkEnd; }

// Puts `rule`'s form of the text into the edit when it differs, keeping the
// caret after the character it followed (trimming drops the leading blanks).
void KeepByRule(Edit *edit, QString (*rule)(const QString &)) {
    const QString text = edit->text();
    const QString kept = rule(text);
    if (kept == text) return;
    int leading = 0;
    if (kept.size() != text.size())
        while (leading < text.size() && text.at(leading).unicode() <= 32) ++leading;
    const int caret = std::clamp(edit->cursorPosition() - leading, 0, int(kept.size()));
    edit->setText(kept);
    edit->setCursorPosition(caret);
}

QString AsCode(const QString &text) { return UpperAZ(Trim(text)); }

}  // namespace

bool IsRefusedCharacter(QChar c, RefusedSet set) {
    static const QSet<QChar> refused = [] {
        QSet<QChar> chars;
        for (QChar ch : QStringLiteral("/<>\u00a3\u00b0\u00c0\u00c1\u00c2\u00c4\u00c7\u00c8\u00c9\u00ca\u00cb"
                                       "\u00cc\u00cd\u00ce\u00cf\u00d1\u00d2\u00d3\u00d4\u00d6\u00d9\u00da"
                                       "\u00db\u00dc\u00e0\u00e1\u00e2\u00e4\u00e7\u00e8\u00e9\u00ea\u00eb"
                                       "\u00ec\u00ed\u00ee\u00ef\u00f1\u00f2\u00f3\u00f4\u00f6\u00f9\u00fa"
                                       "\u00fb\u00fc"))
            chars.insert(ch);
        return chars;
    }();
    if (c == u'&') return set == RefusedSet::WithAmpersand;
    return refused.contains(c);
}

KeyHandler RefuseCharacters(RefusedSet set) {
    return [set](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        if (!keyChar.isNull() && IsRefusedCharacter(keyChar, set)) Swallow(key, keyChar);
    };
}

KeyHandler DigitsOnly(MoveKeys moves) {
    return [moves](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        if (key == vkReturn || IsEditingKey(key) || IsDigit(key, keyChar)) return;
        if (moves == MoveKeys::Pass && IsMoveKey(key)) return;
        Swallow(key, keyChar);
    };
}

KeyHandler AmountKeys(MoveKeys moves) {
    return [moves](int &key, QChar &keyChar, Qt::KeyboardModifiers) {
        if (key == 0 && keyChar == u',') return;
        if (moves == MoveKeys::Pass && IsMoveKey(key)) return;
        AmountKeyFilter(key, keyChar);
    };
}

void AmountKeyFilter(int &key, QChar &keyChar) {
    if (key == vkReturn || IsEditingKey(key)) return;
    if (IsDigit(key, keyChar) || (key == 0 && keyChar == u',')) return;
    Swallow(key, keyChar);
}

void LeaveAmountEdit(Edit *amount) {
    if (IsAmountTooLarge(amount->text())) {
        amount->setText(QStringLiteral("0,00"));
        MessageDlg(MsgKind::Warning, AmountTooLargeMessage());
        return;
    }
    amount->setText(NormalizeAmountText(amount->text()));
}

void KeepUpperCase(Edit *edit) { KeepByRule(edit, UpperAZ); }
void KeepAsCode(Edit *edit) { KeepByRule(edit, AsCode); }
void KeepTrimmed(Edit *edit) { KeepByRule(edit, Trim); }

}  // namespace vel
