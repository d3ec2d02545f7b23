#include "Amounts.h"

#include <cmath>
#include <cstdlib>

#include "TextRules.h"

namespace vel {

QString TakeRight(const QString &text, quint16 count) {
    const qsizetype n = std::min<qsizetype>(count, text.size());
    return text.right(n);
}

double RoundToDecimals(double value, int decimals) {
    double factor = 1;
    for (int i = 0; i < decimals; ++i) factor *= 10;
    // 64-bit significand: the sum is not rounded to a double before truncation.
    const long double sum = static_cast<long double>(value) * static_cast<long double>(factor) + 0.5L;
    const long double whole = std::trunc(sum);
    return static_cast<double>(whole) / factor;
}

bool ParseAmount(const QString &text, double *value) {
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
    char *stop = nullptr;
    const double parsed = std::strtod(number.constData(), &stop);
    if (stop != number.constData() + number.size() || !std::isfinite(parsed)) return false;
    *value = parsed;
    return true;
}

QString NormalizeAmountText(const QString &text) {
    const QString zero = QStringLiteral("0,00");
    double value = 0;
    if (Trim(text).isEmpty() || !ParseAmount(text, &value)) return zero;
    const double rounded = RoundToDecimals(value, 4);
    // Fifteen significant digits, no trailing zeros; amounts too large for
    // that are written out whole rather than in scientific notation.
    QString out = std::fabs(rounded) < 1e15 ? QString::number(rounded, 'g', 15)
                                             : QString::number(rounded, 'f', 0);
    if (out.contains(u'e')) out = QString::number(rounded, 'f', 4);
    if (out == QLatin1String("-0")) out = QStringLiteral("0");
    out.replace(u'.', u',');
    if (!out.contains(u',')) out += QStringLiteral(",00");
    const QString tail = TakeRight(out, 2);
    if (tail.at(0) == u',' && tail.at(1).isDigit()) out += u'0';
    return out;
}

}  // namespace vel
