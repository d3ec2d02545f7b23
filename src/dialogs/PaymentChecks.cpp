#include "PaymentChecks.h"

#include "common/TextRules.h"

namespace vel {

namespace {

bool IsDigit09(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// Reads a text made only of the digits "0" to "9" (at most nine of them, so
// the number fits); false for anything else, an empty text included.
bool ReadDecimal(const QString &text, qint64 *value) {
    if (text.isEmpty()) return false;
    qint64 number = 0;
    for (QChar c : text) {
        if (!IsDigit09(c)) return false;
        number = number * 10 + (c.unicode() - u'0');
    }
    *value = number;
    return true;
}

}  // namespace

int CardNumberType(const QString &text) {
    QString digits;
    for (QChar c : text.left(20))
        if (IsDigit09(c)) digits.append(c);
    if (digits.isEmpty()) return 0;

    // Luhn: from the right, the check digit being position 1, the digits at
    // even positions are doubled (less 9 from 10 on), the others taken as they are.
    int sum = 0;
    const int checkDigit = digits.back().unicode() - u'0';
    for (qsizetype i = digits.size() - 2, position = 2; i >= 0; --i, ++position) {
        int digit = digits.at(i).unicode() - u'0';
        if (position % 2 == 0) {
            digit *= 2;
            if (digit >= 10) digit -= 9;
        }
        sum += digit;
    }
    if ((10 - sum % 10) % 10 != checkDigit) return 0;
    return (digits.front().unicode() - u'0') - 2;
}

QString CardTypeName(int cardType, const QString &trimmedText) {
    switch (cardType) {
    case 1: {
        const QString firstTwo = trimmedText.left(2);  // TakeLeft(text, 2)
        if (firstTwo == u"30" || firstTwo == u"36" || firstTwo == u"38")
            return QStringLiteral("Diner's Club / Carte Blanche");
        if (firstTwo == u"34" || firstTwo == u"37") return QStringLiteral("American Express");
        if (firstTwo == u"31" || firstTwo == u"33" || firstTwo == u"35") return QStringLiteral("JCB");
        return QString();
    }
    case 2: return QStringLiteral("Visa");
    case 3: return QStringLiteral("MasterCard");
    case 4: return QStringLiteral("Discover");
    default: return QString();
    }
}

QString IbanLettersToDigits(const QString &text) {
    QString result;
    result.reserve(text.size() * 2);
    for (QChar c : text) {
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            result.append(QString::number(c.unicode() - u'A' + 10));
        else
            result.append(c);
    }
    return result;
}

int IbanMod97(const QString &text) {
    QString work = UpperAZ(text);
    const qsizetype iban = work.indexOf(QStringLiteral("IBAN"));
    if (iban >= 0) work.remove(iban, 4);
    work = work.mid(4) + work.left(4);
    work = IbanLettersToDigits(work);

    // The remainder piece by piece, so that no working number has more than
    // nine digits.
    QString remainder;
    qsizetype at = 0;
    bool any = false;
    while (at < work.size()) {
        const qsizetype piece = 9 - remainder.size();
        const QString working = remainder + work.mid(at, piece);
        at += piece;
        qint64 number = 0;
        if (!ReadDecimal(working, &number)) return 0;
        remainder = QString::number(number % 97);
        any = true;
    }
    return any ? remainder.toInt() : 0;
}

bool IsValidIban(const QString &text) {
    QString compact = text;
    compact.remove(u' ');
    return IbanMod97(compact) == 1;
}

}  // namespace vel
