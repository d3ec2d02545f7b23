#pragma once
// The password cipher: a running-key XOR over the low byte of each character,
// written as two uppercase hexadecimal digits per character.
#include <QString>
#include <stdexcept>

namespace vel {

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Enciphers the first (length mod 256) characters of the text.
QString EncryptToHex(const QString &text);
// Deciphers up to 255 pairs of hexadecimal digits (either case); a last odd
// digit is ignored. Throws ConversionError, before deciphering anything, when
// a pair is not two hexadecimal digits.
QString DecryptFromHex(const QString &text);

}  // namespace vel
