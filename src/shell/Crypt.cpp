#include "Crypt.h"

#include <vector>

namespace vel {
namespace {

constexpr quint32 kStartKey = 9073;
constexpr quint32 kMultiplier = 52864;
constexpr quint32 kAdditive = 61538;

quint16 NextKey(quint32 cipherByte, quint32 key) {
    return static_cast<quint16>((cipherByte + key) * kMultiplier + kAdditive);
}

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}

}  // namespace

QString EncryptToHex(const QString &text) {
    static const char kHex[] = "0123456789ABCDEF";
    const int n = static_cast<int>(text.size() % 256);
    QString out;
    out.reserve(2 * n);
    quint32 key = kStartKey;
    for (int i = 0; i < n; ++i) {
        const quint32 p = text.at(i).unicode() & 0xFF;
        const quint32 c = (p ^ (key >> 8)) & 0xFF;
        out += QChar(kHex[c >> 4]);
        out += QChar(kHex[c & 0xF]);
        key = NextKey(c, key);
    }
    return out;
}

QString DecryptFromHex(const QString &text) {
    const int n = static_cast<int>((text.size() / 2) % 256);
    std::vector<quint32> bytes(n);
    for (int j = 0; j < n; ++j) {
        const int high = HexDigit(text.at(2 * j));
        const int low = HexDigit(text.at(2 * j + 1));
        if (high < 0 || low < 0) throw ConversionError("not a hexadecimal pair");
        bytes[j] = static_cast<quint32>(high * 16 + low);
    }
    QString out;
    out.reserve(n);
    quint32 key = kStartKey;
    for (const quint32 c : bytes) {
        out += QChar(static_cast<char16_t>((c ^ (key >> 8)) & 0xFF));
        key = NextKey(c, key);
    }
    return out;
}

}  // namespace vel
