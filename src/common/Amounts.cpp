#include "Amounts.h"

#include <clocale>
#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <locale.h>

#include "TextRules.h"

namespace vel {

QString TakeRight(const QString &text, quint16 count) {
    const qsizetype n = std::min<qsizetype>(count, text.size());
    return text.right(n);
}

namespace {

// whole ÷ factor rounded to the nearest double once. The quotient in
// quadruple precision (113-bit significand) can round to another double than
// the exact one only when it lands exactly on the midpoint between two
// doubles; there the exact quotient's side of that midpoint is found by a
// comparison that is itself exact (midpoint × factor needs 54 + 53 bits).
double DivideOnce(long double whole, double factor) {
    const __float128 w = whole, f = factor;
    const __float128 q = w / f;
    double nearest = static_cast<double>(q);
    if (!std::isfinite(nearest)) return nearest;
    const double other = q > __float128(nearest) ? std::nextafter(nearest, HUGE_VAL) : std::nextafter(nearest, -HUGE_VAL);
    const __float128 midpoint = (__float128(nearest) + __float128(other)) / 2;
    if (q == midpoint) {
        const __float128 product = midpoint * f;
        if (w > product) nearest = std::max(nearest, other);
        if (w < product) nearest = std::min(nearest, other);
    }
    return nearest;
}

}  // namespace

double RoundToDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    double factor = 1;
    for (int i = 0; i < decimals; ++i) factor *= 10;
    // A negative value rounds as its magnitude does, half away from zero.
    const double magnitude = std::fabs(value);
    // 64-bit significand: the sum is not rounded to a double before truncation.
    const long double sum = static_cast<long double>(magnitude) * static_cast<long double>(factor) + 0.5L;
    const double rounded = DivideOnce(std::trunc(sum), factor);
    return std::signbit(value) ? -rounded : rounded;
}

namespace {

// Reads the text by the amount grammar. True when the text is a number; the
// value may then be infinite, for a number beyond the double's range.
bool ParseAmountText(const QString &text, double *value) {
    qsizetype i = 0, end = text.size();
    while (i < end && text.at(i) == u' ') ++i;
    while (end > i && text.at(end - 1) == u' ') --end;
    QByteArray number;
    if (i < end && (text.at(i) == u'+' || text.at(i) == u'-')) number += char(text.at(i++).unicode());
    bool digits = false, comma = false;
    while (i < end && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        number += char(text.at(i++).unicode());
        digits = true;
    }
    if (i < end && text.at(i) == u',') {
        comma = true;
        number += '.';
        ++i;
        while (i < end && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9') {
            number += char(text.at(i++).unicode());
            digits = true;
        }
    }
    if (!digits && !comma) return false;
    if (!digits) number += '0';  // a lone comma reads as zero
    if (i < end && (text.at(i) == u'e' || text.at(i) == u'E')) {
        number += 'e';
        ++i;
        if (i < end && (text.at(i) == u'+' || text.at(i) == u'-')) number += char(text.at(i++).unicode());
        bool exponent = false;
        while (i < end && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9') {
            number += char(text.at(i++).unicode());
            exponent = true;
        }
        if (!exponent) return false;
    }
    if (i != end) return false;
    if (number.startsWith('.') || number.startsWith("-.") || number.startsWith("+."))
        number.insert(number.indexOf('.'), '0');
    // The application object sets the C library's locale from the desktop's,
    // whose decimal separator may be a comma: the number is read in the C
    // locale, with the full stop written above.
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    char *stop = nullptr;
    const double parsed = strtod_l(number.constData(), &stop, cLocale);
    if (stop != number.constData() + number.size()) return false;
    *value = parsed;
    return true;
}

// The value rounded to 15 significant digits, written out in full: decimal
// comma, no exponent, no thousands separators, no zeros at the end of the
// decimals and no comma for a whole number ("0" for zero, either sign).
// 999999999999999,5 has sixteen and gives 1000000000000000.
QString SignificantText(double value) {
    if (value == 0) return QStringLiteral("0");
    // "d.dddddddddddddde±x": the fifteen digits, correctly rounded, and where
    // the comma goes.
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    const QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    const int exponent = scientific.mid(e + 1).toInt();
    QString whole, decimals;
    if (exponent < 0) {
        whole = QStringLiteral("0");
        decimals = QString(-exponent - 1, u'0') + digits;
    } else if (exponent + 1 >= digits.size()) {
        whole = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        whole = digits.left(exponent + 1);
        decimals = digits.mid(exponent + 1);
    }
    while (decimals.endsWith(u'0')) decimals.chop(1);
    QString out = value < 0 ? QStringLiteral("-") + whole : whole;
    if (!decimals.isEmpty()) out += u',' + decimals;
    return out;
}

}  // namespace

bool ParseAmount(const QString &text, double *value) {
    double parsed = 0;
    if (!ParseAmountText(text, &parsed) || !std::isfinite(parsed)) return false;
    *value = parsed;
    return true;
}

bool IsAmountTooLarge(const QString &text) {
    double value = 0;
    return ParseAmountText(text, &value) && !std::isfinite(value);
}

QString AmountTooLargeMessage() {
    return QStringLiteral("Attenzione: l'importo indicato \u00e8 troppo grande per essere registrato.");
}

QString NormalizeAmountText(const QString &text) {
    const QString zero = QStringLiteral("0,00");
    double value = 0;
    if (Trim(text).isEmpty() || !ParseAmount(text, &value)) return zero;
    QString out = SignificantText(RoundToDecimals(value, 4));
    if (!out.contains(u',')) out += QStringLiteral(",00");
    const QString tail = TakeRight(out, 2);
    if (tail.at(0) == u',' && tail.at(1).isDigit()) out += u'0';
    return out;
}

}  // namespace vel
