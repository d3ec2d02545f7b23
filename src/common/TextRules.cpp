#include "TextRules.h"

#include <array>

namespace vel {
namespace {

// Code points of bytes 0x80..0x9F in Windows-1252. Undefined bytes keep their
// own value (C1 controls), as Windows' own conversion does.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ByteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return -1;
}

}  // namespace

QString Trim(const QString &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32) ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32) --end;
    if (begin == 0 && end == text.size()) return text;
    return text.mid(begin, end - begin);
}

QString UpperAZ(const QString &text) {
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z') c = QChar(c.unicode() - 32);
    return out;
}

QString LowerAZ(const QString &text) {
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z') c = QChar(c.unicode() + 32);
    return out;
}

bool IsAllDigits(const QString &text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

QByteArray ToCp1252(const QString &text) {
    QByteArray out;
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = ByteOf(text.at(i).unicode());
        out[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

QString FromCp1252(const char *data, int length) {
    QString out;
    out.resize(length);
    for (int i = 0; i < length; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        out[i] = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    }
    return out;
}

QString FromCp1252(const QByteArray &bytes) {
    return FromCp1252(bytes.constData(), static_cast<int>(bytes.size()));
}

bool FitsCp1252(const QString &text) {
    for (QChar c : text)
        if (ByteOf(c.unicode()) < 0) return false;
    return true;
}

QString FormatDateText(const QDate &date) {
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace vel
