#pragma once
// Settings files in the Windows profile format ("[Section]" lines and
// "Key=Value" lines), read and written the way the original's INI service did:
// section and key names compared without regard to ASCII case, every line the
// program does not touch kept as it was, Windows-1252 text with CR LF line ends.
// A file that starts with a UTF-8 byte-order mark (Notepad writes one) is read
// as UTF-8 without it, and written back as Windows-1252. A file that is not a
// plain file (a folder, a named pipe) is one that cannot be read.
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
    // file whole. Each name and the value go on one line, every line break in
    // them written as a blank: no value can add a key or a section. A section
    // or key name that could not be read back as written (a key holding '=',
    // a section holding ']') raises IniError and writes nothing.
    void WriteString(const QString &section, const QString &key, const QString &value);

    const QString &Path() const { return path_; }

private:
    QString path_;
};

}  // namespace vel
