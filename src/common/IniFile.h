#pragma once
// Settings files in the Windows profile format ("[Section]" lines and
// "Key=Value" lines), read and written the way the original's INI service did:
// section and key names compared without regard to ASCII case, every line the
// program does not touch kept byte for byte, line ends included.
// A file is read in the encoding it is in and written back in it: UTF-8 or
// UTF-16 (little or big endian) when it starts with that byte-order mark,
// which it keeps; UTF-8 when it holds bytes above 127 and is UTF-8 throughout
// (what most editors save); Windows-1252 otherwise, and for a new file, which
// has CR LF line ends. A file that is not a plain file (a folder, a named
// pipe) is one that cannot be read.
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
    // them written as a blank: no value can add a key or a section; any other
    // control character (a NUL, a form feed from a forged record) is a blank
    // too. A character a Windows-1252 file cannot hold is written as '?'. A
    // section or key name that could not be read back as written (a key
    // holding '=', a section holding ']') raises IniError and writes nothing.
    void WriteString(const QString &section, const QString &key, const QString &value);

    const QString &Path() const { return path_; }

private:
    QString path_;
};

}  // namespace vel
