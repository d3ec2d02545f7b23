#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

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

// Reads the file as lines; false when there is no file.
bool ReadLines(const QString &path, QStringList *lines) {
    const FileState state = StateOfFile(path);
    if (state == FileState::Missing) return false;
    QFile f(path);
    if (state != FileState::Regular || !f.open(QIODevice::ReadOnly))
        throw IniError("cannot read " + path.toStdString());
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) throw IniError("cannot read " + path.toStdString());
    // Notepad starts a file it saves as UTF-8 with a byte-order mark; read as
    // Windows-1252 it would make the first line a name nobody looks for. What
    // follows the mark is UTF-8, unless its bytes say otherwise.
    static const QByteArray kUtf8Mark("\xEF\xBB\xBF");
    QString text;
    if (bytes.startsWith(kUtf8Mark)) {
        bytes.remove(0, kUtf8Mark.size());
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8(bytes);
        if (utf8.hasError()) text = FromCp1252(bytes);
    } else {
        text = FromCp1252(bytes);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    *lines = text.split(u'\n');
    if (!lines->isEmpty() && lines->last().isEmpty()) lines->removeLast();
    return true;
}

// A text written into a line stays on that line: every line break in it
// (CR LF, CR or LF) becomes a blank, so that nothing read from elsewhere (a
// damaged or foreign archive) can add a key or a section.
QString OnOneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

}  // namespace

QString IniFile::ReadString(const QString &section, const QString &key,
                            const QString &defaultValue) const {
    QStringList lines;
    if (!ReadLines(path_, &lines)) return defaultValue;
    bool inSection = false;
    for (const QString &line : lines) {
        QString name;
        if (SectionOf(line, &name)) {
            inSection = SameName(name, section);
            continue;
        }
        QString k, v;
        if (inSection && KeyOf(line, &k, &v) && SameName(k, key)) {
            // A value wrapped in matching quotes loses them, as in the profile API.
            if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return defaultValue;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value) {
    QStringList lines;
    ReadLines(path_, &lines);
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
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        QString name;
        if (SectionOf(lines[i], &name)) {
            if (sectionAt >= 0) break;  // the section ended without the key
            if (SameName(name, readSection)) sectionAt = lastKeyAt = i;
            continue;
        }
        if (sectionAt < 0) continue;
        QString k;
        if (KeyOf(lines[i], &k, nullptr)) {
            lastKeyAt = i;
            if (SameName(k, readKey)) {
                lines[i] = entry;
                written = true;
            }
        }
    }
    if (!written) {
        if (sectionAt >= 0) {
            lines.insert(lastKeyAt + 1, entry);
        } else {
            lines.append(header);
            lines.append(entry);
        }
    }

    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += ToCp1252(line);
        bytes += "\r\n";
    }
    if (!WriteFileAtomically(path_, bytes)) throw IniError("cannot write " + path_.toStdString());
}

}  // namespace vel
