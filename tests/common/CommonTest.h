#pragma once
// Readable failure output for the Qt types the common tests compare, and a
// few ways to build byte strings without fighting C string escapes.
#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"';
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != '\\' && u != '"') {
            *os << static_cast<char>(u);
        } else {
            static const char digits[] = "0123456789ABCDEF";
            *os << "\\u" << digits[(u >> 12) & 15] << digits[(u >> 8) & 15] << digits[(u >> 4) & 15]
                << digits[u & 15];
        }
    }
    *os << '"';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *os) {
    // Archives run to megabytes; the start is enough to tell what went wrong.
    constexpr qsizetype kShown = 96;
    *os << bytes.size() << " bytes [" << bytes.left(kShown).toHex(' ').toUpper().toStdString()
        << (bytes.size() > kShown ? " ...]" : "]");
}

namespace vel::test {

inline QByteArray Bytes(std::initializer_list<unsigned char> values) {
    QByteArray out;
    for (unsigned char v : values) out += static_cast<char>(v);
    return out;
}

}  // namespace vel::test
