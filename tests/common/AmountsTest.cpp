#include <gtest/gtest.h>

#include "common/Amounts.h"

namespace vel {
namespace {

TEST(Amounts, NormalizedAsAnAmountEditShowsThem) {
    const struct {
        const char16_t *typed;
        const char16_t *shown;
    } cases[] = {
        {u"", u"0,00"},           {u"   ", u"0,00"},         {u"12", u"12,00"},
        {u"12,5", u"12,50"},      {u"12,3456", u"12,3456"},  {u"12,345678", u"12,3457"},
        {u"0", u"0,00"},          {u",", u"0,00"},           {u",5", u"0,50"},
        {u"5,", u"5,00"},         {u"1,2,3", u"0,00"},       {u"00012,30", u"12,30"},
        {u"1,99999", u"2,00"},    {u"0,000049", u"0,00"},    {u"0,00005", u"0,0001"},
        {u"1,23455", u"1,2346"},  {u"9999999999", u"9999999999,00"},
        {u" 7 ", u"7,00"},        {u"+3", u"3,00"},          {u"-", u"0,00"},
        {u"1,5e2", u"150,00"},    {u"2E-1", u"0,20"},        {u"1e", u"0,00"},
        {u"12.5", u"0,00"},       {u"abc", u"0,00"},         {u"1 2", u"0,00"},
        {u"0,00015", u"0,0001"},  {u"1,00015", u"1,0002"},   {u"1e20", u"100000000000000000000,00"},
    };
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf16(c.typed);
        SCOPED_TRACE(typed.toStdString());
        EXPECT_EQ(NormalizeAmountText(typed).toStdString(), QString::fromUtf16(c.shown).toStdString());
    }
}

TEST(Amounts, RoundToDecimalsRoundsHalfUpOnTheHeldValue) {
    const struct {
        double value;
        int decimals;
        double rounded;
    } cases[] = {
        {12.345678, 4, 12.3457}, {2.5, 0, 3.0},   {2.4999, 0, 2.0}, {0.125, 2, 0.13},
        {1.005, 2, 1.0},  // held just below 1.005
        {7.0, -3, 7.0},   {0.0, 4, 0.0},   {1.23455, 4, 1.2346},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_DOUBLE_EQ(RoundToDecimals(c.value, c.decimals), c.rounded);
    }
}

TEST(Amounts, TakeRight) {
    EXPECT_EQ(TakeRight(QStringLiteral("12,5"), 2), QStringLiteral(",5"));
    EXPECT_EQ(TakeRight(QStringLiteral("5"), 2), QStringLiteral("5"));
    EXPECT_EQ(TakeRight(QStringLiteral("abc"), 0), QString());
}

}  // namespace
}  // namespace vel
