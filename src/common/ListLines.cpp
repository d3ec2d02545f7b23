#include "ListLines.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "ArchiveFile.h"
#include "TextRules.h"

namespace vel {
namespace {

constexpr char16_t FoldAZ(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }
constexpr char16_t UpAZ(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }

// Windows-1252 byte to UTF-16, taken once from the program's own conversion
// so that the fast paths below read exactly what Record::Text reads.
const std::array<char16_t, 256> &Cp1252Table() {
    static const std::array<char16_t, 256> table = [] {
        char bytes[256];
        for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
        const QString text = FromCp1252(bytes, 256);
        std::array<char16_t, 256> t{};
        for (int i = 0; i < 256; ++i) t[i] = text.at(i).unicode();
        return t;
    }();
    return table;
}

// The trimmed bytes of a stored field. Bytes up to 0x20 decode to the same
// characters up to U+0020 and every other byte to a character above it, so
// trimming the bytes is trimming the text.
struct Span {
    const unsigned char *data;
    int size;
};

Span FieldBytes(const Record &record, int offset, int capacity) {
    const auto *field = reinterpret_cast<const unsigned char *>(record.Bytes().constData()) + offset;
    const int length = std::min<int>(capacity, field[0]);
    int begin = 1;
    int end = 1 + length;
    while (begin < end && field[begin] <= 32) ++begin;
    while (end > begin && field[end - 1] <= 32) --end;
    return {field + begin, end - begin};
}

// The bytes as UTF-16 characters. Most fields are plain ASCII, which is
// widened as it is; a field with any other byte goes through the table.
inline char16_t *Widen(const unsigned char *bytes, qsizetype n, char16_t *out,
                       const std::array<char16_t, 256> &cp) {
    unsigned char any = 0;
    for (qsizetype i = 0; i < n; ++i) any |= bytes[i];
    if (any < 0x80)
        for (qsizetype i = 0; i < n; ++i) out[i] = bytes[i];
    else
        for (qsizetype i = 0; i < n; ++i) out[i] = cp[bytes[i]];
    return out + n;
}

int FieldIndex(const RecordLayout &layout, std::string_view field) {
    const int index = layout.IndexOf(field);
    if (index < 0)
        throw std::logic_error(std::string(layout.Name()) + " has no field " + std::string(field));
    return index;
}

}  // namespace

QString TakeLeft(const QString &text, quint16 count) { return text.left(count); }

QString BuildListLine(std::span<const QString> texts, std::span<const ListColumn> columns) {
    QString line;
    for (size_t i = 0; i < columns.size(); ++i) {
        const ListColumn &column = columns[i];
        const QString text = i < texts.size() ? texts[i] : QString();
        line += QStringView(column.before);
        if (column.width == kWholeText)
            line += text;
        else
            line += TakeLeft(text + QString(column.width, u' '), static_cast<quint16>(column.width));
    }
    return line;
}

QString BuildListLine(const Record &record, std::span<const ListColumn> columns) {
    QStringList texts;
    for (const ListColumn &column : columns) {
        QString text = record.Text(column.field);
        if (!column.joinedField.empty())
            {
            text += QStringView(column.joiner);
            text += record.Text(column.joinedField);
        }
        texts.append(text);
    }
    return BuildListLine(texts, columns);
}

ListLineRule::ListLineRule(const RecordLayout &layout, std::span<const ListColumn> columns)
    : layout_(&layout) {
    bool pastFixed = false;
    for (const ListColumn &column : columns) {
        Part part{column.before, {}, {}, column.joiner, column.width};
        const int first = FieldIndex(layout, column.field);
        part.first = {layout.Offset(first), layout.Fields()[first].capacity};
        if (!column.joinedField.empty()) {
            const int second = FieldIndex(layout, column.joinedField);
            part.second = {layout.Offset(second), layout.Fields()[second].capacity};
        }
        const int before = static_cast<int>(column.before.size());
        if (!pastFixed) fixedLength_ += before;
        if (column.width == kWholeText) pastFixed = true;
        if (!pastFixed) fixedLength_ += column.width;
        parts_.push_back(part);
    }
}

QString ListLineRule::Line(const Record &record) const {
    if (&record.Layout() != layout_ && record.Layout().Size() != layout_->Size())
        throw std::logic_error("list line of another record type");
    const auto &cp = Cp1252Table();
    // The length comes first, so that the line is allocated once at its own
    // length and written in place: a list of every record holds tens of
    // thousands of lines, mostly far shorter than their whole note.
    qsizetype length = 0;
    for (const Part &part : parts_) {
        length += qsizetype(part.before.size());
        if (part.width != kWholeText) {
            length += part.width;
            continue;
        }
        length += FieldBytes(record, part.first.offset, part.first.capacity).size;
        if (part.second.offset >= 0)
            length += qsizetype(part.joiner.size()) + FieldBytes(record, part.second.offset, part.second.capacity).size;
    }
    QString line(length, Qt::Uninitialized);
    char16_t *at = reinterpret_cast<char16_t *>(line.data());
    for (const Part &part : parts_) {
        at = std::copy(part.before.begin(), part.before.end(), at);
        // A column with a width takes no more than that, then blanks up to it.
        char16_t *const end = part.width == kWholeText ? nullptr : at + part.width;
        const auto room = [&](qsizetype n) { return end ? std::min<qsizetype>(n, end - at) : n; };
        const Span a = FieldBytes(record, part.first.offset, part.first.capacity);
        at = Widen(a.data, room(a.size), at, cp);
        if (part.second.offset >= 0) {
            at = std::copy_n(part.joiner.begin(), room(qsizetype(part.joiner.size())), at);
            const Span b = FieldBytes(record, part.second.offset, part.second.capacity);
            at = Widen(b.data, room(b.size), at, cp);
        }
        if (end) at = std::fill_n(at, end - at, u' ');
    }
    return line;
}

int CompareListLines(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *pa = a.data();
    const QChar *pb = b.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = UpAZ(pa[i].unicode());
        const char16_t cb = UpAZ(pb[i].unicode());
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

namespace {

// The sort works on the lines' code units where they lie: each entry points
// at its line, and the lines move into their order once, at the end. Each
// entry also keeps four of its units, folded, so that the split below reads
// the line itself only at every fourth unit.
struct SortEntry {
    const char16_t *data;
    qsizetype size;
    qsizetype index;        // the place before the sort, which orders equal lines
    char16_t window[4];     // units from a multiple of four on, A-Z for a-z
};

constexpr qsizetype kWindow = 4;

void FillWindows(SortEntry *a, qsizetype n, qsizetype from) {
    for (SortEntry *e = a; e != a + n; ++e)
        for (qsizetype k = 0; k < kWindow; ++k)
            e->window[k] = from + k < e->size ? UpAZ(e->data[from + k]) : u'\0';
}

// A line's unit at a depth as the order counts it; 0 past its end, so that a
// line that begins another comes first.
inline int UnitAt(const SortEntry &e, qsizetype depth) {
    return depth < e.size ? int(e.window[depth % kWindow]) + 1 : 0;
}

// The whole order from a depth on, the lines being equal before it.
inline bool EntryLess(const SortEntry &a, const SortEntry &b, qsizetype depth) {
    const int c = CompareListLines(QStringView(a.data + depth, a.size - depth),
                                   QStringView(b.data + depth, b.size - depth));
    return c != 0 ? c < 0 : a.index < b.index;
}

// Three-way radix quicksort: the entries are split by their unit at `depth`
// into those below, equal to and above a pivot unit; only the equal part goes
// on to the next unit. Each unit of a common beginning is looked at about
// once per line rather than once per comparison, which is what a list of
// many lines sharing makes and models costs in a comparison sort. On entry
// the windows hold the units of `depth`.
void SortFrom(SortEntry *a, qsizetype n, qsizetype depth) {
    while (n > 1) {
        if (n <= 12) {
            std::sort(a, a + n, [depth](const SortEntry &x, const SortEntry &y) { return EntryLess(x, y, depth); });
            return;
        }
        const int u0 = UnitAt(a[0], depth), u1 = UnitAt(a[n / 2], depth), u2 = UnitAt(a[n - 1], depth);
        const int pivot = std::max(std::min(u0, u1), std::min(std::max(u0, u1), u2));
        qsizetype lt = 0, i = 0, gt = n;
        while (i < gt) {
            const int u = UnitAt(a[i], depth);
            if (u < pivot)
                std::swap(a[lt++], a[i++]);
            else if (u > pivot)
                std::swap(a[i], a[--gt]);
            else
                ++i;
        }
        SortFrom(a, lt, depth);
        SortFrom(a + gt, n - gt, depth);
        if (pivot == 0) {  // lines equal to their end keep the order they came in
            std::sort(a + lt, a + gt, [](const SortEntry &x, const SortEntry &y) { return x.index < y.index; });
            return;
        }
        a += lt;
        n = gt - lt;
        ++depth;
        if (depth % kWindow == 0) FillWindows(a, n, depth);
    }
}

}  // namespace

void SortListLines(QStringList &lines) {
    std::vector<SortEntry> entries;
    entries.reserve(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        entries.push_back({reinterpret_cast<const char16_t *>(lines.at(i).constData()), lines.at(i).size(), i, {}});
    FillWindows(entries.data(), qsizetype(entries.size()), 0);
    SortFrom(entries.data(), qsizetype(entries.size()), 0);
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const SortEntry &e : entries) sorted.append(std::move(lines[e.index]));
    lines = std::move(sorted);
}

CriteriaMatch::CriteriaMatch(const RecordLayout &layout, std::span<const Criterion> criteria)
    : layout_(&layout) {
    for (const Criterion &c : criteria) {
        if (Trim(c.typed).isEmpty()) continue;
        const int index = FieldIndex(layout, c.field);
        filled_.push_back({layout.Offset(index), layout.Fields()[index].capacity, LowerAZ(c.typed)});
    }
}

bool CriteriaMatch::Matches(const Record &record) const {
    if (&record.Layout() != layout_ && record.Layout().Size() != layout_->Size())
        throw std::logic_error("match of another record type");
    if (filled_.empty()) return true;
    const auto &cp = Cp1252Table();
    char16_t folded[256];  // a field holds at most 255 characters
    for (const Filled &f : filled_) {
        const Span s = FieldBytes(record, f.offset, f.capacity);
        Widen(s.data, s.size, folded, cp);
        for (int i = 0; i < s.size; ++i) folded[i] = FoldAZ(folded[i]);
        if (!QStringView(folded, s.size).contains(QStringView(f.folded))) return false;
    }
    return true;
}

void CollectListLines(const QString &path, const RecordLayout &layout, const RecordTest &accept,
                      const LineOf &line, QStringList &lines) {
    ArchiveFile archive;
    archive.OpenArchivePath(path, layout);
    // Each record is tested and given its line where it lies in the block
    // the archive read: a record costs no copy, one not listed nothing else.
    Record record(layout);
    while (archive.Position() < archive.RecordCount()) {
        record.ViewBytes(archive.ReadNextInPlace());
        if (!accept || accept(record)) lines.append(line(record));
    }
    archive.CloseArchive();
}

namespace {
// Whether the line holds the text (already folded), letters A-Z without case.
bool ContainsFolded(QStringView line, QStringView folded) {
    if (folded.isEmpty()) return false;
    const qsizetype n = folded.size();
    if (line.size() < n) return false;
    const char16_t first = folded[0].unicode();
    for (qsizetype i = 0; i + n <= line.size(); ++i) {
        if (FoldAZ(line[i].unicode()) != first) continue;
        qsizetype j = 1;
        while (j < n && FoldAZ(line[i + j].unicode()) == folded[j].unicode()) ++j;
        if (j == n) return true;
    }
    return false;
}
}  // namespace

FindStep FindNextInList(std::span<const QString> lines, int selected, const QString &typed,
                        const QString &lastFindText) {
    const int count = static_cast<int>(lines.size());
    if (count == 0) return {selected, lastFindText};
    if (selected < 0 || selected >= count) selected = 0;
    const QString s = LowerAZ(typed);
    const auto hits = [&](int i) { return ContainsFolded(lines[i], s); };
    const bool repeated = s == lastFindText;
    int found = -1;
    if (!repeated && hits(0)) found = 0;
    // From the line after the start round to the start itself: a repeated
    // text tests the selected line last; a new one has tested the first line.
    const int start = repeated ? selected : 0;
    for (int step = 1; found < 0 && step <= count; ++step) {
        const int i = (start + step) % count;
        if (i == start && !repeated) break;
        if (hits(i)) found = i;
    }
    return {found >= 0 ? found : selected, s};
}

}  // namespace vel
