#include "ListLines.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The field's characters as stored: the length byte's count of them (the
// capacity when it claims more).
Span StoredBytes(const Record &record, int offset, int capacity) {
    const auto *field = reinterpret_cast<const unsigned char *>(record.Bytes().constData()) + offset;
    return {field + 1, std::min<int>(capacity, field[0])};
}

// The same trimmed, as the FixedText rule reads a field.
Span FieldBytes(const Record &record, int offset, int capacity) {
    Span s = StoredBytes(record, offset, capacity);
    while (s.size > 0 && s.data[0] <= 32) ++s.data, --s.size;
    while (s.size > 0 && s.data[s.size - 1] <= 32) --s.size;
    return s;
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

// The sort orders small entries, each the key of its line at the depth being
// sorted and the line's place. The keys of every line's first units are taken
// beforehand in one pass in the lines' own order, a row of them per line:
// once the entries are split, the lines of a group lie scattered in memory,
// and reading each line again at every further depth would wait on memory
// once per line and depth. A key holds eight units, one byte each, so that a
// split compares one integer per line instead of reading the line unit by
// unit.
//
// A key byte keeps the order of the units it stands for: 0 past the line's
// end (a line that begins another comes first), the unit plus one for a unit
// below 0xFE (a-z counted as A-Z), 0xFF for any higher unit and for every
// unit after it. Two keys that differ order their lines; two equal keys
// holding a 0xFF may still hide different units, and those lines are compared
// in full.
constexpr qsizetype kKeyUnits = 8;
constexpr qsizetype kEarlyKeys = 8;  // 64 units: a padded make and model and more

struct SortEntry {
    quint64 key;     // units [depth, depth + 8), the first unit in the high byte
    qsizetype index;  // the place before the sort, which orders equal lines
};

struct alignas(64) EarlyKeys {
    quint64 keys[kEarlyKeys];  // of units [0, 8), [8, 16) and so on
};

inline quint64 FinishedKey(quint64 key, int done) {
    // A high unit at `done`: it and every unit after it read 0xFF.
    const int rest = int(kKeyUnits) - done;
    return rest == kKeyUnits ? ~quint64(0) : (key << (8 * rest)) | ((quint64(1) << (8 * rest)) - 1);
}

inline quint64 KeyAt(const char16_t *data, qsizetype size, qsizetype depth) {
    const qsizetype taken = std::min<qsizetype>(kKeyUnits, size - depth);
    if (taken <= 0) return 0;
    const char16_t *at = data + depth;
    if (taken == kKeyUnits) {
#if defined(__SSE2__)
        // Eight plain ASCII units, the common case, folded and narrowed at once.
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(units, _mm_set1_epi16(short(0xFF80))),
                                              _mm_setzero_si128())) == 0xFFFF) {
            const __m128i small = _mm_and_si128(_mm_cmpgt_epi16(units, _mm_set1_epi16(u'a' - 1)),
                                                _mm_cmplt_epi16(units, _mm_set1_epi16(u'z' + 1)));
            const __m128i folded = _mm_add_epi16(_mm_sub_epi16(units, _mm_and_si128(small, _mm_set1_epi16(32))),
                                                 _mm_set1_epi16(1));
            const quint64 bytes = quint64(_mm_cvtsi128_si64(_mm_packus_epi16(folded, folded)));
            return __builtin_bswap64(bytes);
        }
#endif
    }
    quint64 key = 0;
    for (int i = 0; i < taken; ++i) {
        const char16_t u = UpAZ(at[i]);
        if (u >= 0xFE) return FinishedKey(key, i);
        key = (key << 8) | (quint64(u) + 1);
    }
    return taken == kKeyUnits ? key : key << (8 * (kKeyUnits - taken));
}

inline bool HasHighUnit(quint64 key) {
    // A byte of 0xFF is a zero byte of the complement.
    const quint64 x = ~key;
    return ((x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull) != 0;
}

class LineSort {
public:
    explicit LineSort(const QStringList &lines) : lines_(lines.constData()), early_(size_t(lines.size())) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const auto *data = reinterpret_cast<const char16_t *>(lines_[i].constData());
            const qsizetype size = lines_[i].size();
            for (qsizetype k = 0; k < kEarlyKeys; ++k) early_[size_t(i)].keys[k] = KeyAt(data, size, k * kKeyUnits);
        }
    }

    const EarlyKeys &Early(qsizetype index) const { return early_[size_t(index)]; }

    // The whole order from a depth on, the lines being equal before it.
    bool Less(const SortEntry &a, const SortEntry &b, qsizetype depth) const {
        const QString &la = lines_[a.index], &lb = lines_[b.index];
        const int c = CompareListLines(QStringView(la).sliced(std::min(depth, la.size())),
                                       QStringView(lb).sliced(std::min(depth, lb.size())));
        return c != 0 ? c < 0 : a.index < b.index;
    }

    // The same order, the keys of `depth` being at hand.
    bool KeyLess(const SortEntry &a, const SortEntry &b, qsizetype depth) const {
        if (a.key != b.key) return a.key < b.key;
        if ((a.key & 0xFF) == 0 && !HasHighUnit(a.key)) return a.index < b.index;  // both ended alike
        return Less(a, b, depth);
    }

    // Gives the entries the keys of a depth.
    void FillKeys(SortEntry *a, qsizetype n, qsizetype depth) const {
        const qsizetype level = depth / kKeyUnits;
        if (level < kEarlyKeys) {
            constexpr qsizetype kAhead = 16;  // the rows lie scattered: asked for early
            for (qsizetype i = 0; i < n; ++i) {
                if (i + kAhead < n) __builtin_prefetch(&early_[size_t(a[i + kAhead].index)]);
                a[i].key = early_[size_t(a[i].index)].keys[level];
            }
            return;
        }
        for (SortEntry *e = a; e != a + n; ++e) {
            const QString &line = lines_[e->index];
            e->key = KeyAt(reinterpret_cast<const char16_t *>(line.constData()), line.size(), depth);
        }
    }

    // Three-way radix quicksort on the keys: the entries are split into those
    // below, equal to and above a pivot key; only the equal part goes on to
    // the next eight units. A beginning that many lines share (make and model
    // padded to 30 characters) is then looked at about once per line, eight
    // units at a time, rather than once per comparison. On entry the keys are
    // those of `depth`.
    void SortFrom(SortEntry *a, qsizetype n, qsizetype depth) const {
        while (n > 1) {
            if (n <= 16) {
                std::sort(a, a + n, [&](const SortEntry &x, const SortEntry &y) { return KeyLess(x, y, depth); });
                return;
            }
            const quint64 k0 = a[0].key, k1 = a[n / 2].key, k2 = a[n - 1].key;
            const quint64 pivot = std::max(std::min(k0, k1), std::min(std::max(k0, k1), k2));
            qsizetype lt = 0, i = 0, gt = n;
            while (i < gt) {
                const quint64 k = a[i].key;
                if (k < pivot)
                    std::swap(a[lt++], a[i++]);
                else if (k > pivot)
                    std::swap(a[i], a[--gt]);
                else
                    ++i;
            }
            SortFrom(a, lt, depth);
            SortFrom(a + gt, n - gt, depth);
            a += lt;
            n = gt - lt;
            if (HasHighUnit(pivot)) {  // the equal keys may hide different units
                std::sort(a, a + n, [&](const SortEntry &x, const SortEntry &y) { return Less(x, y, depth); });
                return;
            }
            if ((pivot & 0xFF) == 0) {  // lines equal to their end keep the order they came in
                std::sort(a, a + n, [](const SortEntry &x, const SortEntry &y) { return x.index < y.index; });
                return;
            }
            depth += kKeyUnits;
            FillKeys(a, n, depth);
        }
    }

private:
    const QString *lines_;
    std::vector<EarlyKeys> early_;
};

}  // namespace

void SortListLines(QStringList &lines) {
    const LineSort sort(lines);
    std::vector<SortEntry> entries(size_t(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) entries[size_t(i)] = {sort.Early(i).keys[0], i};
    sort.SortFrom(entries.data(), qsizetype(entries.size()), 0);
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const SortEntry &e : entries) sorted.append(std::move(lines[e.index]));
    lines = std::move(sorted);
}

CriteriaMatch::CriteriaMatch(const RecordLayout &layout, std::span<const Criterion> criteria, FieldText field)
    : layout_(&layout), field_(field) {
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
        const Span s = field_ == FieldText::Trimmed ? FieldBytes(record, f.offset, f.capacity)
                                                    : StoredBytes(record, f.offset, f.capacity);
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
