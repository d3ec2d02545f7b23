#pragma once
// Settings files in the Windows profile format ("[Section]" lines and
// "Key=Value" lines), read and written the way the original's INI service did:
// section and key names compared without regard to ASCII case, every line the
// program does not touch kept as it was, Windows-1252 text with CR LF line ends.
#include <QString>
#include <stdexcept>

namespace vel {

class IniError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniFile {
public:
    explicit IniFile(QString path) : path_(std::move(path)) {}

    // The value of the key, blanks around it removed; the default when the
    // file, the section or the key is missing. Throws IniError when the file
    // exists but cannot be read.
    QString ReadString(const QString &section, const QString &key,
                       const QString &defaultValue) const;

    // Writes the key at once. The new file is written beside the old one and
    // renamed into place, so a failure (reported by IniError) leaves the old
    // file whole.
    void WriteString(const QString &section, const QString &key, const QString &value);

    const QString &Path() const { return path_; }

private:
    QString path_;
};

}  // namespace vel
