#include "IniFile.h"

#include <QFile>
#include <QStringDecoder>
#include <vector>

#include "SafeFile.h"
#include "TextRules.h"

namespace vel {
namespace {

bool SameName(const QString &a, const QString &b) { return UpperAZ(a) == UpperAZ(b); }

// The profile format trims names and values with blanks and tabs only.
QString TrimBlanks(const QString &s) {
    qsizetype b = 0, e = s.size();
    while (b < e && (s[b] == u' ' || s[b] == u'\t')) ++b;
    while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t')) --e;
    return s.mid(b, e - b);
}

// Returns the section name when the line is a section header.
bool SectionOf(const QString &line, QString *name) {
    const QString t = TrimBlanks(line);
    if (!t.startsWith(u'[')) return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return false;
    *name = TrimBlanks(t.mid(1, close - 1));
    return true;
}

bool KeyOf(const QString &line, QString *key, QString *value) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) return false;
    *key = TrimBlanks(line.left(eq));
    if (value) *value = TrimBlanks(line.mid(eq + 1));
    return true;
}

// True when the bytes are well-formed UTF-8, as Qt's decoder judges it: no
// stray continuation byte, no sequence cut short, no overlong form, no
// surrogate, nothing past U+10FFFF.
bool IsUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return !utf8.hasError();
}

bool HasByteAbove127(const QByteArray &bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) > 127) return true;
    return false;
}

enum class Encoding { Cp1252, Utf8, Utf16LE, Utf16BE };

// One line of the file: its text, and where its bytes lie in the file as
// read, so that a line the program does not change is written back as it was.
struct Line {
    QString text;             // without its line end
    qsizetype begin = -1;     // -1 for a line the program adds
    qsizetype textEnd = -1;   // where its line end starts
    qsizetype end = -1;       // after its line end (equal to textEnd on an unended last line)
    bool changed = false;
};

// A settings file as it stands on disk, in the encoding it is in.
class Profile {
public:
    // False when there is no file. Throws IniError when it cannot be read.
    bool Read(const QString &path) {
        const FileState state = StateOfFile(path);
        if (state == FileState::Missing) return false;
        QFile f(path);
        if (state != FileState::Regular || !f.open(QIODevice::ReadOnly))
            throw IniError("cannot read " + path.toStdString());
        bytes_ = f.readAll();
        if (f.error() != QFileDevice::NoError) throw IniError("cannot read " + path.toStdString());
        FindEncoding();
        SplitLines();
        return true;
    }

    std::vector<Line> &Lines() { return lines_; }

    // A line the program writes: changed in place, or added (begin -1).
    static Line NewLine(const QString &text) {
        Line line;
        line.text = text;
        line.changed = true;
        return line;
    }

    // The whole file with its mark and in its encoding: untouched lines as
    // they were read, changed and added ones encoded anew.
    QByteArray Bytes() const {
        QByteArray out;
        out.reserve(bytes_.size() + 256);
        out += bytes_.left(markSize_);
        const QByteArray lineEnd = LineEnd();
        for (size_t i = 0; i < lines_.size(); ++i) {
            const Line &line = lines_[i];
            if (line.begin < 0) {
                out += Encode(line.text);
                out += lineEnd;
                continue;
            }
            if (line.changed) {
                out += Encode(line.text);
                out.append(bytes_.constData() + line.textEnd, line.end - line.textEnd);
            } else {
                out.append(bytes_.constData() + line.begin, line.end - line.begin);
            }
            // A last line that had no line end gets one when lines follow it.
            if (line.end == line.textEnd && i + 1 < lines_.size()) out += lineEnd;
        }
        return out;
    }

private:
    // A byte-order mark says the encoding (UTF-8, UTF-16 little or big
    // endian). Without one, a file that is UTF-8 throughout and holds bytes
    // above 127 is UTF-8 (what editors on Linux, and Notepad since Windows 10,
    // save by default); anything else is Windows-1252, which is also what a
    // file of plain ASCII stays.
    void FindEncoding() {
        if (bytes_.startsWith("\xEF\xBB\xBF")) {
            encoding_ = Encoding::Utf8;
            markSize_ = 3;
        } else if (bytes_.startsWith("\xFF\xFE")) {
            encoding_ = Encoding::Utf16LE;
            markSize_ = 2;
        } else if (bytes_.startsWith("\xFE\xFF")) {
            encoding_ = Encoding::Utf16BE;
            markSize_ = 2;
        } else if (HasByteAbove127(bytes_) && IsUtf8(bytes_)) {
            encoding_ = Encoding::Utf8;
        }
    }

    int UnitSize() const { return encoding_ == Encoding::Utf16LE || encoding_ == Encoding::Utf16BE ? 2 : 1; }

    char16_t UnitAt(qsizetype i) const {
        const auto byte = [&](qsizetype k) { return char16_t(static_cast<unsigned char>(bytes_[k])); };
        switch (encoding_) {
        case Encoding::Utf16LE: return char16_t(byte(i) | byte(i + 1) << 8);
        case Encoding::Utf16BE: return char16_t(byte(i) << 8 | byte(i + 1));
        default: return byte(i);
        }
    }

    // Lines end with CR LF, CR or LF. A lone byte at the end of a UTF-16
    // file is half a character: it belongs to no line, and is not written back.
    void SplitLines() {
        const int unit = UnitSize();
        const qsizetype limit = markSize_ + (bytes_.size() - markSize_) / unit * unit;
        qsizetype begin = markSize_, i = markSize_;
        while (i < limit) {
            const char16_t c = UnitAt(i);
            if (c != u'\r' && c != u'\n') {
                i += unit;
                continue;
            }
            const qsizetype textEnd = i;
            i += unit;
            if (c == u'\r' && i < limit && UnitAt(i) == u'\n') i += unit;
            AddLine(begin, textEnd, i);
            begin = i;
        }
        if (begin < limit) AddLine(begin, limit, limit);
    }

    void AddLine(qsizetype begin, qsizetype textEnd, qsizetype end) {
        Line line;
        line.text = Decode(begin, textEnd);
        line.begin = begin;
        line.textEnd = textEnd;
        line.end = end;
        lines_.push_back(std::move(line));
    }

    // Qt's converter for a Unicode encoding. A line is converted on its own,
    // and a mark inside the file is a character like any other, not one to
    // skip: only the file's first is a mark, and it is kept apart.
    QStringConverter::Encoding Unicode() const {
        switch (encoding_) {
        case Encoding::Utf16LE: return QStringConverter::Utf16LE;
        case Encoding::Utf16BE: return QStringConverter::Utf16BE;
        default: return QStringConverter::Utf8;
        }
    }

    // In a file marked UTF-8 a line that is no UTF-8 (added by a program that
    // writes Windows-1252) is read as Windows-1252 rather than as garbage.
    QString Decode(qsizetype begin, qsizetype end) const {
        const QByteArrayView bytes(bytes_.constData() + begin, end - begin);
        if (encoding_ == Encoding::Cp1252) return FromCp1252(bytes.data(), int(bytes.size()));
        QStringDecoder decoder(Unicode(), QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString text = decoder(bytes);
        return decoder.hasError() ? FromCp1252(bytes.data(), int(bytes.size())) : text;
    }

    QByteArray Encode(const QString &text) const {
        if (encoding_ == Encoding::Cp1252) return ToCp1252(text);
        QStringEncoder encoder(Unicode(), QStringEncoder::Flag::Stateless);
        return encoder(text);
    }

    // Added lines end as the file's first line does; CR LF in a file with none.
    QByteArray LineEnd() const {
        for (const Line &line : lines_)
            if (line.begin >= 0 && line.end > line.textEnd)
                return bytes_.mid(line.textEnd, line.end - line.textEnd);
        return Encode(QStringLiteral("\r\n"));
    }

    QByteArray bytes_;
    Encoding encoding_ = Encoding::Cp1252;
    qsizetype markSize_ = 0;
    std::vector<Line> lines_;
};

// A text written into a line stays on that line: a line break in it (CR LF,
// CR or LF) becomes a blank, so that nothing read from elsewhere (a damaged
// or foreign archive) can add a key or a section, and so does every other
// control character, which no editor would show and some would cut at.
QString OnOneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : text)
        if (IsControlCharacter(c.unicode())) c = u' ';
    return text;
}

}  // namespace

QString IniFile::ReadString(const QString &section, const QString &key,
                            const QString &defaultValue) const {
    Profile profile;
    if (!profile.Read(path_)) return defaultValue;
    bool inSection = false;
    for (const Line &line : profile.Lines()) {
        QString name;
        if (SectionOf(line.text, &name)) {
            inSection = SameName(name, section);
            continue;
        }
        QString k, v;
        if (inSection && KeyOf(line.text, &k, &v) && SameName(k, key)) {
            // A value wrapped in matching quotes loses them, as in the profile API.
            if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return defaultValue;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value) {
    Profile profile;
    profile.Read(path_);
    std::vector<Line> &lines = profile.Lines();
    const QString sectionName = OnOneLine(section), keyName = OnOneLine(key);
    const QString entry = keyName + u'=' + OnOneLine(value);
    // A section or key name the line would not give back as written (an '='
    // or a ']' in it, a key that looks like a section header) is refused:
    // written, it would be read back as another key.
    QString readSection, readKey, entrySection;
    const QString header = u'[' + sectionName + u']';
    if (!SectionOf(header, &readSection) || readSection != TrimBlanks(sectionName) ||
        SectionOf(entry, &entrySection) || !KeyOf(entry, &readKey, nullptr) || readKey != TrimBlanks(keyName))
        throw IniError("cannot write the key " + key.toStdString() + " of " + section.toStdString());

    qsizetype sectionAt = -1;   // header line of the section
    qsizetype lastKeyAt = -1;   // last key line inside it
    bool written = false;
    for (qsizetype i = 0; i < qsizetype(lines.size()) && !written; ++i) {
        QString name;
        if (SectionOf(lines[i].text, &name)) {
            if (sectionAt >= 0) break;  // the section ended without the key
            if (SameName(name, readSection)) sectionAt = lastKeyAt = i;
            continue;
        }
        if (sectionAt < 0) continue;
        QString k;
        if (KeyOf(lines[i].text, &k, nullptr)) {
            lastKeyAt = i;
            if (SameName(k, readKey)) {
                lines[i].text = entry;
                lines[i].changed = true;
                written = true;
            }
        }
    }
    if (!written) {
        if (sectionAt >= 0) {
            lines.insert(lines.begin() + lastKeyAt + 1, Profile::NewLine(entry));
        } else {
            lines.push_back(Profile::NewLine(header));
            lines.push_back(Profile::NewLine(entry));
        }
    }
    if (!WriteFileAtomically(path_, profile.Bytes())) throw IniError("cannot write " + path_.toStdString());
}

}  // namespace vel
