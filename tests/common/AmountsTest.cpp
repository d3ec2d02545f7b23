#include <gtest/gtest.h>

#include <iomanip>

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

// Negative amounts (pasted) round as their magnitude does, every amount is
// written with 15 significant digits at most, and an amount already
// normalised stays as it is however often the edit is left.
TEST(Amounts, NegativeAndLargeAmountsAreNormalisedOnceAndStayPut) {
    const struct {
        const char16_t *typed;
        const char16_t *shown;
    } cases[] = {
        {u"-12", u"-12,00"},
        {u"-12,5", u"-12,50"},
        {u"-12,345678", u"-12,3457"},
        {u"-0,00005", u"-0,0001"},
        {u"-0,000049", u"0,00"},
        {u"-1,23455", u"-1,2346"},
        {u"-1,99999", u"-2,00"},
        {u"970124362620,2845", u"970124362620,285"},
        {u"123456789012345", u"123456789012345,00"},
        {u"-123456789012345", u"-123456789012345,00"},
        {u"999999999999999", u"999999999999999,00"},
        // Written with 15 significant digits, in full whatever the size: a
        // sixteenth is rounded away, and a carry may add a digit.
        {u"999999999999999,5", u"1000000000000000,00"},
        {u"-999999999999999,5", u"-1000000000000000,00"},
        {u"999999999999999,4", u"999999999999999,00"},
        {u"99999999999999,95", u"100000000000000,00"},
        {u"99999999999999,94", u"99999999999999,90"},
        {u"123456789012,3456", u"123456789012,346"},
        {u"12345678901,2345", u"12345678901,2345"},
        {u"1234567890123456789", u"1234567890123460000,00"},
        {u"1e15", u"1000000000000000,00"},
        {u"1,5e20", u"150000000000000000000,00"},
        {u"0,0001", u"0,0001"},
        {u"-0,0001", u"-0,0001"},
        {u"1e-3", u"0,001"},
        {u"1,2e3", u"1200,00"},
    };
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf16(c.typed);
        SCOPED_TRACE(typed.toStdString());
        const QString once = NormalizeAmountText(typed);
        EXPECT_EQ(once.toStdString(), QString::fromUtf16(c.shown).toStdString());
        EXPECT_EQ(NormalizeAmountText(once).toStdString(), once.toStdString());
    }
}

// The quotient is rounded to a double once: the result is the double nearest
// to the rounded decimal value, with no second rounding on the way.
TEST(Amounts, RoundToDecimalsRoundsOnceAndSymmetrically) {
    const struct {
        double value;
        int decimals;
        double rounded;
    } cases[] = {
        {123456789012345.0, 4, 123456789012345.0},
        {970124362620.2845, 4, 970124362620.2845},
        {4503599627370495.0, 4, 4503599627370495.0},
        {1e308, 4, 1e308},
        {-12.0, 4, -12.0},
        {-2.5, 0, -3.0},
        {-2.4999, 0, -2.0},
        {-0.125, 2, -0.13},
        {-1.005, 2, -1.0},
        {-123456789012345.0, 4, -123456789012345.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.value << " to " << c.decimals);
        EXPECT_EQ(RoundToDecimals(c.value, c.decimals), c.rounded);
    }
}

// A number beyond what a double holds is refused rather than shown as "inf";
// the largest ones that fit are written out whole.
TEST(Amounts, ANumberTooLargeToHoldIsRefused) {
    for (const char *text : {"1e309", "-1e309", "1,5e400", "99999e99999"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(IsAmountTooLarge(QString::fromLatin1(text)));
        EXPECT_EQ(NormalizeAmountText(QString::fromLatin1(text)), QStringLiteral("0,00"));
    }
    for (const char *text : {"1e308", "12", "-12", "", "abc", "1e-400", "9999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(IsAmountTooLarge(QString::fromLatin1(text)));
    }
    const QString largest = NormalizeAmountText(QStringLiteral("1e308"));
    EXPECT_FALSE(largest.contains(QStringLiteral("inf")));
    EXPECT_EQ(largest, QStringLiteral("1") + QString(308, u'0') + QStringLiteral(",00"));
    EXPECT_EQ(NormalizeAmountText(QStringLiteral("1e-400")), QStringLiteral("0,00"));
    EXPECT_FALSE(AmountTooLargeMessage().isEmpty());
}

TEST(Amounts, TakeRight) {
    EXPECT_EQ(TakeRight(QStringLiteral("12,5"), 2), QStringLiteral(",5"));
    EXPECT_EQ(TakeRight(QStringLiteral("5"), 2), QStringLiteral("5"));
    EXPECT_EQ(TakeRight(QStringLiteral("abc"), 0), QString());
}

}  // namespace
}  // namespace vel
