#include "DateText.h"

#include <QStringList>

namespace vel {

namespace {
// The value of a text of `min` to `max` ASCII digits, or -1.
int Number(const QString &text, int min, int max) {
    if (text.size() < min || text.size() > max) return -1;
    int value = 0;
    for (QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9') return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}
}  // namespace

QDate DateFromText(const QString &text) {
    const QStringList parts = text.split(u'/');
    if (parts.size() != 3) return {};
    const int day = Number(parts[0], 1, 2);
    const int month = Number(parts[1], 1, 2);
    const int year = Number(parts[2], 4, 4);
    // QDate knows no year 0 and would take it for 1 BC; the year 0000 is no date.
    if (day < 0 || month < 0 || year < 1) return {};
    return QDate(year, month, day);  // invalid for a day the month does not have
}

}  // namespace vel
