#include <gtest/gtest.h>

#include <QLocale>

#include "CommonTest.h"
#include "common/TextRules.h"

namespace vel {
namespace {

using test::Bytes;

// ---- Trim ----------------------------------------------------------------

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEndsOnly) {
    const struct {
        const char16_t *in;
        const char16_t *out;
    } cases[] = {
        {u"", u""},
        {u"   ", u""},
        {u"ciao", u"ciao"},
        {u"  ciao  ", u"ciao"},
        {u"\t\r\nciao\r\n", u"ciao"},
        {u"\x01\x1F ciao \x1F\x01", u"ciao"},
        {u" a \t b ", u"a \t b"},        // inner blanks and tabs stay
        {u"a\x01\x02" u"b", u"a\x01\x02" u"b"},
        {u" !", u"!"},                    // 33 is the first character kept
        {u"\x7F" u"x\x7F", u"\x7F" u"x\x7F"},  // DEL is above 32
        {u"\u00A0x\u00A0", u"\u00A0x\u00A0"},  // no-break space is above 32 too
        {u" \u00E8 ", u"\u00E8"},
    };
    for (const auto &c : cases) {
        const QString in = QString::fromUtf16(c.in);
        SCOPED_TRACE(::testing::PrintToString(in));
        EXPECT_EQ(Trim(in), QString::fromUtf16(c.out));
    }
}

TEST(Trim, RemovesNulCharacters) {
    // Text read from fixed fields may carry NULs; they count as control characters.
    const QString in = QString(QChar(0)) + QStringLiteral("ab") + QChar(0) + QChar(0);
    EXPECT_EQ(Trim(in), QStringLiteral("ab"));
}

// ---- UpperAZ / LowerAZ ---------------------------------------------------

TEST(AsciiCase, ChangesOnlyTheTwentySixLetters) {
    const struct {
        const char16_t *in;
        const char16_t *upper;
        const char16_t *lower;
    } cases[] = {
        {u"", u"", u""},
        {u"Rossi Mario", u"ROSSI MARIO", u"rossi mario"},
        {u"azAZ", u"AZAZ", u"azaz"},
        // Neighbours of the letter ranges stay as they are.
        {u"@[`{", u"@[`{", u"@[`{"},
        {u"123-_.", u"123-_.", u"123-_."},
        // Accented letters keep their case, as with the original's ASCII rules.
        {u"citt\u00E0 \u00C0", u"CITT\u00E0 \u00C0", u"citt\u00E0 \u00C0"},
        {u"\u00E8\u00C8\u00E9\u00F2\u00D9", u"\u00E8\u00C8\u00E9\u00F2\u00D9", u"\u00E8\u00C8\u00E9\u00F2\u00D9"},
        {u"\u00DF\u00FF\u0130\u0131", u"\u00DF\u00FF\u0130\u0131", u"\u00DF\u00FF\u0130\u0131"},
        {u"perch\u00E8 Pi\u00F9", u"PERCH\u00E8 PI\u00F9", u"perch\u00E8 pi\u00F9"},
    };
    for (const auto &c : cases) {
        const QString in = QString::fromUtf16(c.in);
        SCOPED_TRACE(::testing::PrintToString(in));
        EXPECT_EQ(UpperAZ(in), QString::fromUtf16(c.upper));
        EXPECT_EQ(LowerAZ(in), QString::fromUtf16(c.lower));
    }
}

// ---- Windows-1252 --------------------------------------------------------

// Bytes 0x80..0x9F of Windows-1252; the five undefined ones map to the C1
// control of the same number.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t ExpectedCodePoint(int byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

TEST(Cp1252, DecodesEveryByteToItsCodePoint) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE("byte " + std::to_string(b));
        const QString decoded = FromCp1252(QByteArray(1, static_cast<char>(b)));
        ASSERT_EQ(decoded.size(), 1);
        EXPECT_EQ(decoded.at(0).unicode(), ExpectedCodePoint(b));
    }
}

TEST(Cp1252, EncodesEveryCodePointOfThePageToItsByte) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE("byte " + std::to_string(b));
        const QString text(QChar(ExpectedCodePoint(b)));
        EXPECT_TRUE(FitsCp1252(text));
        EXPECT_EQ(ToCp1252(text), QByteArray(1, static_cast<char>(b)));
    }
}

TEST(Cp1252, EveryByteValueSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = FromCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    EXPECT_TRUE(FitsCp1252(text));
    // The pointer form reads exactly the length it is given, NULs included.
    EXPECT_EQ(FromCp1252(all.constData(), 256), text);
    EXPECT_EQ(FromCp1252(all.constData() + 0x41, 3), QStringLiteral("ABC"));
}

TEST(Cp1252, KnownCharacters) {
    const struct {
        const char16_t *text;
        QByteArray bytes;
    } cases[] = {
        {u"\u20AC", Bytes({0x80})},
        {u"\u2019", Bytes({0x92})},
        {u"\u0178", Bytes({0x9F})},
        {u"\u00E8", Bytes({0xE8})},
        {u"\u00B0", Bytes({0xB0})},
        {u"Forl\u00EC, 3\u00B0 piano", QByteArray("Forl\xEC, 3\xB0 piano")},
        {u"\u00C0\u00FF", Bytes({0xC0, 0xFF})},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_EQ(ToCp1252(text), c.bytes);
        EXPECT_EQ(FromCp1252(c.bytes), text);
    }
}

TEST(Cp1252, CharactersOutsideThePageBecomeQuestionMarks) {
    const struct {
        const char16_t *text;
        const char *bytes;
    } cases[] = {
        {u"\u4E2D", "?"},
        {u"\u0100", "?"},
        {u"a\u4E2Db\u0100c", "a?b?c"},
        // C1 controls whose byte Windows-1252 gives to a printable character
        // must not slip through as that character.
        {u"\u0080", "?"},
        {u"\u009F", "?"},
        {u"\u0099", "?"},
        {u"\u2028", "?"},
        {u"\uFFFD", "?"},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_EQ(ToCp1252(text), QByteArray(c.bytes));
        EXPECT_FALSE(FitsCp1252(text));
    }
}

TEST(Cp1252, FitsOnlyWhenEveryCharacterHasAByte) {
    EXPECT_TRUE(FitsCp1252(QString()));
    EXPECT_TRUE(FitsCp1252(QStringLiteral("Perch\u00E8 \u20AC 10,00 \u2013 \u201Cok\u201D")));
    EXPECT_FALSE(FitsCp1252(QStringLiteral("Perch\u00E8 \u20AC 10,00 \u0141")));
}

// ---- FormatDateText ------------------------------------------------------

TEST(FormatDateText, DayMonthYearWithZeroPadding) {
    const struct {
        QDate date;
        const char *text;
    } cases[] = {
        {QDate(2026, 3, 5), "05/03/2026"},
        {QDate(2024, 2, 29), "29/02/2024"},
        {QDate(1999, 12, 31), "31/12/1999"},
        {QDate(2000, 1, 1), "01/01/2000"},
        {QDate(2030, 10, 9), "09/10/2030"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatDateText(c.date), QString::fromLatin1(c.text));
    }
}

TEST(FormatDateText, IgnoresTheDefaultLocale) {
    const QLocale before;
    for (const QLocale &locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::Arabic, QLocale::Egypt)}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        EXPECT_EQ(FormatDateText(QDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
    }
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace vel
