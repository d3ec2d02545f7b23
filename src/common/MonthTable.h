#pragma once
// The twelve months of the planner grid. The grid and the planner file follow
// a leap year, so February always has 29 days and there are 366 day cells;
// a day's place (its index, 0 to 365) does not depend on the planner's year.
#include <QString>
#include <array>

namespace vel {

struct MonthInfo {
    const char *number;      // "01" .. "12"
    const char16_t *name;    // full Italian name in lower case: "gennaio"
    const char *key;         // the first part of a day key: "gen"
    const char *component;   // the part of the day cell's names: "Gen"
    int days;                // days in the grid (29 for February)
    int firstIndex;          // index of the month's first day, 0 .. 335
};

inline constexpr std::array<MonthInfo, 12> kMonths = {{
    {"01", u"gennaio", "gen", "Gen", 31, 0},
    {"02", u"febbraio", "feb", "Feb", 29, 31},
    {"03", u"marzo", "mar", "Mar", 31, 60},
    {"04", u"aprile", "apr", "Apr", 30, 91},
    {"05", u"maggio", "mag", "Mag", 31, 121},
    {"06", u"giugno", "giu", "Giu", 30, 152},
    {"07", u"luglio", "lug", "Lug", 31, 182},
    {"08", u"agosto", "ago", "Ago", 31, 213},
    {"09", u"settembre", "set", "Set", 30, 244},
    {"10", u"ottobre", "ott", "Ott", 31, 274},
    {"11", u"novembre", "nov", "Nov", 30, 305},
    {"12", u"dicembre", "dic", "Dic", 31, 335},
}};
inline constexpr int kGridDays = 366;

// Month 1..12 and day 1..days of that month in the grid.
inline int DayIndex(int month, int day) { return kMonths[month - 1].firstIndex + day - 1; }

// "gen_01" .. "dic_31".
inline QString DayKey(int month, int day) {
    return QString::fromLatin1(kMonths[month - 1].key) + u'_' + QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
}

// The name of one of a day cell's components: prefix "lib", "occ" or "mem"
// followed by "Gen_01" .. "Dic_31".
inline QString DayComponentName(const char *prefix, int month, int day) {
    return QString::fromLatin1(prefix) + QString::fromLatin1(kMonths[month - 1].component) + u'_' +
           QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
}

// The month (1..12) and day of a day key; false for anything else (exact case).
inline bool ParseDayKey(const QString &key, int *month, int *day) {
    if (key.size() != 6 || key.at(3) != u'_') return false;
    for (int m = 1; m <= 12; ++m) {
        if (key.left(3) != QLatin1String(kMonths[m - 1].key)) continue;
        const QString digits = key.mid(4);
        if (!digits.at(0).isDigit() || !digits.at(1).isDigit()) return false;
        const int d = digits.toInt();
        if (d < 1 || d > kMonths[m - 1].days) return false;
        *month = m;
        *day = d;
        return true;
    }
    return false;
}

}  // namespace vel
