#include <gtest/gtest.h>

#include "shell/Crypt.h"

namespace vel {
namespace {

// Stored values worked out by hand from the cipher's constants.
TEST(Crypt, KnownValues) {
    const struct {
        const char16_t *clear;
        const char *hex;
    } cases[] = {
        {u"", ""},
        {u"BRUGHIERAVOLPE", "618737DDC996F98544C1642B7C06"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.clear).toStdString());
        EXPECT_EQ(EncryptToHex(QString::fromUtf16(c.clear)).toStdString(), c.hex);
        EXPECT_EQ(DecryptFromHex(QString::fromLatin1(c.hex)), QString::fromUtf16(c.clear));
    }
}

TEST(Crypt, RoundTripsEveryLatin1TextUpTo255Characters) {
    QString all;
    for (int c = 0; c < 256; ++c) all += QChar(c);
    for (const QString &text : {all.left(255), all.mid(1), QStringLiteral("  \u00e8 \u00ff\u0001x "),
                                QString(255, QChar(0xFF))}) {
        const QString hex = EncryptToHex(text);
        EXPECT_EQ(hex.size(), 2 * text.size());
        for (QChar c : hex) EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'));
        EXPECT_EQ(DecryptFromHex(hex), text);
    }
}

TEST(Crypt, LowerCaseDigitsDecipherAlike) {
    const QString hex = EncryptToHex(QStringLiteral("PASSWORD"));
    EXPECT_EQ(DecryptFromHex(hex.toLower()), QStringLiteral("PASSWORD"));
}

TEST(Crypt, CountersAreOneByteWide) {
    // 256 characters count as none; 300 as 44. Deciphering likewise takes
    // the number of pairs modulo 256.
    EXPECT_EQ(EncryptToHex(QString(256, u'A')), QString());
    EXPECT_EQ(EncryptToHex(QString(300, u'A')), EncryptToHex(QString(44, u'A')));
    EXPECT_EQ(DecryptFromHex(QString(512, u'0')), QString());
}

TEST(Crypt, KeepsOnlyTheLowByteOfEachCharacter) {
    EXPECT_EQ(EncryptToHex(QStringLiteral("\u0141")), EncryptToHex(QStringLiteral("A")));
}

TEST(Crypt, OddLastDigitIsIgnored) {
    const QString hex = EncryptToHex(QStringLiteral("AB"));
    EXPECT_EQ(DecryptFromHex(hex + u'F'), QStringLiteral("AB"));
    EXPECT_EQ(DecryptFromHex(QStringLiteral("7")), QString());
}

TEST(Crypt, NonHexadecimalPairFailsWholeCall) {
    for (const char *bad : {"6G", "61 7", "0x", "61873Z", "\xc3\xa8" "1"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(DecryptFromHex(QString::fromUtf8(bad)), ConversionError);
    }
}

}  // namespace
}  // namespace vel
