#include "DateText.h"

#include "MonthTable.h"
#include "TextRules.h"

namespace vel {

namespace {
// The value of a text of `min` to `max` ASCII digits, or -1.
int Number(QStringView text, int min, int max) {
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

bool IsYearText(const QString &text) { return Number(text, 4, 4) >= 0; }

QStringList TwoDigitItems(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n) items.append(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    return items;
}

QString MonthItem(int month) {
    QString name = QString::fromUtf16(kMonths[month - 1].name);
    name[0] = QChar(name.at(0).unicode() - 32);  // every name begins with a letter a-z
    return name;
}

QStringList MonthItems() {
    QStringList months;
    for (int m = 1; m <= 12; ++m) months.append(MonthItem(m));
    return months;
}

int MonthOfName(const QString &text) {
    const QString name = Trim(LowerAZ(text));
    for (int m = 1; m <= 12; ++m)
        if (name == QStringView(kMonths[m - 1].name)) return m;
    return 0;
}

QString ComposeDateText(const QString &day, const QString &monthName, const QString &year) {
    const int m = MonthOfName(monthName);
    if (m == 0) return QString();
    return Trim(day) + u'/' + QLatin1String(kMonths[m - 1].number) + u'/' + Trim(year);
}

int RentalDays(const QDate &start, const QDate &end) {
    const qint64 days = start.daysTo(end);
    return days == 0 ? 1 : static_cast<int>(days);
}

}  // namespace vel
