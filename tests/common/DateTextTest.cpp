// Dates written "dd/mm/yyyy", the year of the year edits, and the pieces of
// the date lists: two-digit items, month names, the date a choice composes.
#include <gtest/gtest.h>

#include "CommonTest.h"
#include "common/DateText.h"

namespace vel {
namespace {

TEST(IsValidDateText, TakesRealDatesWrittenDayMonthYear) {
    const struct {
        const char *text;
        bool valid;
    } cases[] = {
        {"29/02/2024", true}, {"29/02/2023", false}, {"29/02/1900", false}, {"29/02/2000", true},
        {"31/02/2025", false}, {"31/04/2024", false}, {"30/04/2024", true}, {"31/12/9999", true},
        {"01/01/0001", true},  {"01/01/0000", false}, {"00/01/2024", false}, {"01/13/2024", false},
        {"1/3/2024", true},    {"001/03/2024", false}, {"01/03/24", false},  {"01/03/02024", false},
        {" 01/03/2024", false}, {"01/03/2024 ", false}, {"01-03-2024", false}, {"01/03/ANNO", false},
        {"01/03/", false},     {"", false},            {"01/03/2024/1", false}, {"+1/03/2024", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(IsValidDateText(QString::fromLatin1(c.text)), c.valid) << c.text;
    }
    EXPECT_EQ(DateFromText(QStringLiteral("05/04/2024")), QDate(2024, 4, 5)) << "the day comes first";
    EXPECT_FALSE(IsValidDateText(QStringLiteral("\u0661\u0665/03/2024"))) << "only the digits 0 to 9";
}

TEST(IsYearText, ExactlyFourDigits) {
    const struct {
        QString text;
        bool year;
    } cases[] = {
        {QStringLiteral("2025"), true},   {QStringLiteral("0000"), true},   {QStringLiteral("9999"), true},
        {QStringLiteral("202"), false},   {QStringLiteral("20255"), false}, {QString(), false},
        {QStringLiteral(" 2025"), false}, {QStringLiteral("2025 "), false}, {QStringLiteral("202 "), false},
        {QStringLiteral("20a5"), false},  {QStringLiteral("-202"), false},  {QStringLiteral("2.02"), false},
        {QStringLiteral("\u0662\u0660\u0662\u0665"), false},  // digits of another script
        {QStringLiteral("\uff12\uff10\uff12\uff15"), false},  // full-width digits
    };
    for (const auto &c : cases) EXPECT_EQ(IsYearText(c.text), c.year) << c.text.toStdString();
}

TEST(DateListItems, TwoDigitTextsAndMonthNames) {
    const QStringList days = TwoDigitItems(1, 31);
    ASSERT_EQ(days.size(), 31);
    EXPECT_EQ(days.first(), QStringLiteral("01"));
    EXPECT_EQ(days.at(8), QStringLiteral("09"));
    EXPECT_EQ(days.last(), QStringLiteral("31"));
    EXPECT_EQ(TwoDigitItems(0, 23).size(), 24);
    EXPECT_EQ(TwoDigitItems(0, 23).first(), QStringLiteral("00"));
    EXPECT_EQ(TwoDigitItems(0, 59).last(), QStringLiteral("59"));

    const QStringList months = {
        QStringLiteral("Gennaio"),   QStringLiteral("Febbraio"), QStringLiteral("Marzo"),    QStringLiteral("Aprile"),
        QStringLiteral("Maggio"),    QStringLiteral("Giugno"),   QStringLiteral("Luglio"),   QStringLiteral("Agosto"),
        QStringLiteral("Settembre"), QStringLiteral("Ottobre"),  QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    EXPECT_EQ(MonthItems(), months);
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(MonthItem(m), months.at(m - 1));
        EXPECT_EQ(MonthOfName(months.at(m - 1)), m);
    }
}

TEST(DateListItems, MonthOfNameIgnoresTheCaseOfAToZAndOuterBlanks) {
    const struct {
        QString text;
        int month;
    } cases[] = {
        {QStringLiteral("Marzo"), 3},      {QStringLiteral("MARZO"), 3},        {QStringLiteral(" marzo\t"), 3},
        {QStringLiteral("dICEMBRE"), 12},  {QStringLiteral("Marz"), 0},         {QStringLiteral("03"), 0},
        {QStringLiteral("Mar zo"), 0},     {QString(), 0},                      {QStringLiteral("Febbra\u00cdo"), 0},
        {QStringLiteral("gennaio1"), 0},
    };
    for (const auto &c : cases) EXPECT_EQ(MonthOfName(c.text), c.month) << c.text.toStdString();
}

TEST(ComposeDateText, DayMonthNumberAndYearTrimmed) {
    const struct {
        QString day, month, year, text;
    } cases[] = {
        {QStringLiteral("05"), QStringLiteral("Marzo"), QStringLiteral("2025"), QStringLiteral("05/03/2025")},
        {QStringLiteral(" 31 "), QStringLiteral("febbraio"), QStringLiteral(" 2024 "), QStringLiteral("31/02/2024")},
        {QStringLiteral("7"), QStringLiteral("DICEMBRE"), QStringLiteral("ANNO"), QStringLiteral("7/12/ANNO")},
        {QString(), QStringLiteral("Aprile"), QStringLiteral("2024"), QStringLiteral("/04/2024")},
        {QStringLiteral("01"), QStringLiteral("Marz"), QStringLiteral("2024"), QString()},
        {QStringLiteral("01"), QString(), QStringLiteral("2024"), QString()},
    };
    for (const auto &c : cases) EXPECT_EQ(ComposeDateText(c.day, c.month, c.year), c.text) << c.text.toStdString();
    EXPECT_FALSE(IsValidDateText(ComposeDateText(QStringLiteral("31"), QStringLiteral("Febbraio"), QStringLiteral("2024"))));
    EXPECT_TRUE(IsValidDateText(ComposeDateText(QStringLiteral("29"), QStringLiteral("Febbraio"), QStringLiteral("2024"))));
}

TEST(RentalDays, WholeDaysWithASameDayRentalCountingOne) {
    const struct {
        QDate start, end;
        int days;
    } cases[] = {
        {QDate(2024, 3, 10), QDate(2024, 3, 10), 1},
        {QDate(2024, 3, 10), QDate(2024, 3, 11), 1},
        {QDate(2024, 3, 10), QDate(2024, 3, 12), 2},
        {QDate(2024, 2, 28), QDate(2024, 3, 1), 2},
        {QDate(2023, 2, 28), QDate(2023, 3, 1), 1},
        {QDate(2023, 1, 1), QDate(2023, 12, 31), 364},
        {QDate(2024, 12, 30), QDate(2025, 1, 2), 3},
        {QDate(2024, 3, 10), QDate(2024, 3, 9), -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RentalDays(c.start, c.end), c.days) << c.start.toString(Qt::ISODate).toStdString() << " to "
                                                      << c.end.toString(Qt::ISODate).toStdString();
}

}  // namespace
}  // namespace vel
