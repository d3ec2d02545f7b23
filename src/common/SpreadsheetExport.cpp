#include "SpreadsheetExport.h"

#include <QSaveFile>
#include <fcntl.h>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

#include "SafeFile.h"
#include "TextRules.h"

namespace vel {
namespace {

// The markup before the sheet's name, and from the name to the header cells.
// The file has no line break anywhere, not even at its end.
constexpr QByteArrayView kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>";
constexpr QByteArrayView kAfterName =
    "</x:Name>"
    "<x:WorksheetOptions>"
    "<x:Selected/>"
    "<x:Panes>"
    "<x:Pane>"
    "<x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane>"
    "</x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions>"
    "</x:ExcelWorksheet>"
    "</x:ExcelWorksheets>"
    "</x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head>"
    "<body>"
    "<table x:str>"
    "<tr>";
constexpr QByteArrayView kHeaderCell = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr QByteArrayView kDataCell = "<td style=\"text-align: left;\">";
constexpr QByteArrayView kCellEnd = "</td>";
constexpr QByteArrayView kRowStart = "<tr>";
constexpr QByteArrayView kRowEnd = "</tr>";
constexpr QByteArrayView kTail = "</table></body></html>";

// A streamed sheet goes to its file in blocks of this size.
constexpr qsizetype kBlockBytes = 256 * 1024;
// The disk is set to write a streamed sheet in steps of this size.
constexpr qint64 kWriteBackBytes = 4 * 1024 * 1024;

// The most bytes one character of a text cell can take: a numeric character
// reference of a code point beyond the first plane.
constexpr qsizetype kMostPerCharacter = 10;  // "&#1114111;"

// An empty cell's view may have no bytes behind it at all: memcpy is not
// given its null pointer.
char *Put(char *at, QByteArrayView bytes) {
    if (bytes.isEmpty()) return at;
    std::memcpy(at, bytes.data(), size_t(bytes.size()));
    return at + bytes.size();
}

// What becomes of a code-page byte in a data cell: "&", "<" and ">" are
// written as character references; a control character (a NUL, an ESC, a DEL,
// a line break from a stored record) becomes a blank, since the file is one
// line of markup and a raw control has no place in it, while a blank keeps
// apart the words it stood between. A tab is blank space in the markup
// already and stays.
enum class CellByte : unsigned char { Copy, Markup, Control };
constexpr std::array<CellByte, 256> kCellBytes = [] {
    std::array<CellByte, 256> kinds{};  // CellByte::Copy
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        if (byte == '&' || byte == '<' || byte == '>')
            kinds[byte] = CellByte::Markup;
        else if (byte != '\t' && IsControlByte(byte))
            kinds[byte] = CellByte::Control;
    }
    return kinds;
}();
constexpr bool IsCopied(unsigned char c) { return kCellBytes[c] == CellByte::Copy; }

// Writes a code-page byte of a data cell.
char *PutCellByte(char *at, unsigned char c) {
    switch (c) {
    case '&': return Put(at, "&amp;");
    case '<': return Put(at, "&lt;");
    case '>': return Put(at, "&gt;");
    default: *at = kCellBytes[c] == CellByte::Control ? ' ' : char(c); return at + 1;
    }
}

char *PutReference(char *at, char32_t codePoint) {
    char digits[12];
    int n = 0;
    do digits[n++] = char('0' + codePoint % 10);
    while ((codePoint /= 10) != 0);
    *at++ = '&';
    *at++ = '#';
    while (n > 0) *at++ = digits[--n];
    *at++ = ';';
    return at;
}

// The most bytes a code-page cell can take: "&amp;" is the longest a byte
// becomes.
qsizetype MostForCodePageCell(QByteArrayView bytes) { return kDataCell.size() + 5 * bytes.size() + kCellEnd.size(); }

// Eight bytes at once: whether any of them may need more than a copy: "&",
// "<" or ">", a byte below 0x20, DEL, or a byte from 0x80 to 0x9F. Bytes it
// flags that are copied after all (a tab, the euro sign) are sorted out one by
// one.
bool MayNeedWork(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL, kHighBits = 0x8080808080808080ULL;
    const auto hasZero = [](std::uint64_t v) { return ((v - kOnes) & ~v & kHighBits) != 0; };
    const bool below20 = ((word - kOnes * 0x20) & ~word & kHighBits) != 0;
    return below20 || hasZero(word ^ (kOnes * '&')) || hasZero((word | (kOnes * 2)) ^ (kOnes * '>')) ||
           hasZero(word ^ (kOnes * 0x7F)) || hasZero((word & (kOnes * 0xE0)) ^ (kOnes * 0x80));
}

// The first byte from `i` on that is not copied as it is (`end` when none).
qsizetype CopiedUpTo(const unsigned char *data, qsizetype i, qsizetype end) {
    for (std::uint64_t word; i + 8 <= end; i += 8) {
        std::memcpy(&word, data + i, sizeof word);
        if (MayNeedWork(word)) break;
    }
    while (i < end && IsCopied(data[i])) ++i;
    return i;
}

// Writes a data cell of code-page bytes: trimmed, markup escaped, controls
// blanked. Bytes up to 0x20 are the characters up to U+0020, so trimming the
// bytes trims the text; every byte is its own character in the code page.
char *PutCodePageCell(char *at, QByteArrayView bytes) {
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    qsizetype begin = 0, end = bytes.size();
    while (begin < end && data[begin] <= 32) ++begin;
    while (end > begin && data[end - 1] <= 32) --end;
    at = Put(at, kDataCell);
    // Runs that are copied go over whole, looked through eight bytes at a time.
    for (qsizetype i = begin; i < end;) {
        const qsizetype j = CopiedUpTo(data, i, end);
        std::memcpy(at, data + i, size_t(j - i));
        at += j - i;
        if (j < end) at = PutCellByte(at, data[j]);
        i = j + 1;
    }
    return Put(at, kCellEnd);
}

// Drawing code (Qt's raster engine among it) can leave the upper halves of
// the AVX registers in use; until they are cleared, every SSE instruction
// pays for merging them, which doubles the cost of the byte loops here. The
// clearing itself costs nothing, so it is done before each block.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void ZeroUpperHalves() { _mm256_zeroupper(); }
void ClearVectorState() {
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) ZeroUpperHalves();
}
#else
void ClearVectorState() {}
#endif

// The code page's byte for a character, or -1: taken from the program's own
// conversion, so that the file holds what ToCp1252 would give.
int CodePageByte(char16_t c) {
    static const std::array<char16_t, 32> high = [] {
        char bytes[32];
        for (int i = 0; i < 32; ++i) bytes[i] = static_cast<char>(0x80 + i);
        const QString text = FromCp1252(bytes, 32);
        std::array<char16_t, 32> t{};
        for (int i = 0; i < 32; ++i) t[i] = text.at(i).unicode();
        return t;
    }();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    for (int i = 0; i < 32; ++i)
        if (high[i] == c) return 0x80 + i;
    return -1;
}

}  // namespace

SpreadsheetExport::SpreadsheetExport(const QString &sheetName, std::vector<SpreadsheetColumn> columns)
    : columnCount_(int(columns.size())) {
    out_.resize(4096);
    Append(kHead);
    Append(ToCp1252(sheetName));
    Append(kAfterName);
    for (const SpreadsheetColumn &column : columns) {
        Append(kHeaderCell);
        Append(QByteArray::number(column.width));
        Append(">");
        Append(ToCp1252(column.caption));
        Append(kCellEnd);
    }
    Append(kRowEnd);
}

// A streamed file never committed leaves no trace: QSaveFile removes its
// temporary file.
SpreadsheetExport::~SpreadsheetExport() = default;

SpreadsheetExport::SpreadsheetExport(SpreadsheetExport &&) noexcept = default;
SpreadsheetExport &SpreadsheetExport::operator=(SpreadsheetExport &&) noexcept = default;

void SpreadsheetExport::Grow(qsizetype bytes) { out_.resize(std::max(2 * out_.size(), used_ + bytes)); }

void SpreadsheetExport::Append(QByteArrayView bytes) { Made(Put(Room(bytes.size()), bytes)); }

void SpreadsheetExport::AddRow(const QStringList &cells) {
    BeginRow();
    for (qsizetype k = 0; k < cells.size() && k < columnCount_; ++k) AddCell(cells.at(k));
    EndRow();
}

void SpreadsheetExport::BeginRow() {
    Append(kRowStart);
    cellsInRow_ = 0;
}

void SpreadsheetExport::AddCell(QStringView text) {
    if (cellsInRow_ >= columnCount_) return;
    ++cellsInRow_;
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= 32) ++begin;
    while (end > begin && text[end - 1].unicode() <= 32) --end;
    char *at = Put(Room(kDataCell.size() + kMostPerCharacter * (end - begin) + kCellEnd.size()), kDataCell);
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (IsControlCharacter(c) && c != u'\t') {
            *at++ = ' ';
        } else if (const int byte = CodePageByte(c); byte >= 0) {
            at = PutCellByte(at, static_cast<unsigned char>(byte));
        } else if (QChar::isHighSurrogate(c) && i + 1 < end && QChar::isLowSurrogate(text[i + 1].unicode())) {
            at = PutReference(at, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            *at++ = '?';  // half a character: there is nothing to name
        } else {
            at = PutReference(at, c);
        }
    }
    Made(Put(at, kCellEnd));
}

void SpreadsheetExport::AddCodePageCell(QByteArrayView bytes) {
    if (cellsInRow_ >= columnCount_) return;
    ++cellsInRow_;
    Made(PutCodePageCell(Room(MostForCodePageCell(bytes)), bytes));
}

bool SpreadsheetExport::IsVerbatimCell(QByteArrayView bytes) {
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    if (n == 0) return true;
    if (data[0] <= 32 || data[n - 1] <= 32) return false;
    return CopiedUpTo(data, 0, n) == n;
}

void SpreadsheetExport::AddCodePageRow(std::span<const QByteArrayView> cells, bool verbatim) {
    const size_t count = std::min(cells.size(), size_t(columnCount_));
    qsizetype most = kRowStart.size() + kRowEnd.size() + (kDataCell.size() + kCellEnd.size()) * columnCount_;
    for (size_t k = 0; k < count; ++k) most += (verbatim ? 1 : 5) * cells[k].size();
    char *at = Put(Room(most), kRowStart);
    if (verbatim)
        for (size_t k = 0; k < count; ++k) at = Put(Put(Put(at, kDataCell), cells[k]), kCellEnd);
    else
        for (size_t k = 0; k < count; ++k) at = PutCodePageCell(at, cells[k]);
    for (int k = int(count); k < columnCount_; ++k) at = Put(Put(at, kDataCell), kCellEnd);
    Made(Put(at, kRowEnd));
    cellsInRow_ = columnCount_;
    ++rows_;
    if (file_ && used_ >= kBlockBytes) Flush();
}

void SpreadsheetExport::EndRow() {
    char *at = Room((kDataCell.size() + kCellEnd.size()) * (columnCount_ - cellsInRow_) + kRowEnd.size());
    for (; cellsInRow_ < columnCount_; ++cellsInRow_) at = Put(Put(at, kDataCell), kCellEnd);
    Made(Put(at, kRowEnd));
    ++rows_;
    if (file_ && used_ >= kBlockBytes) Flush();
}

QByteArray SpreadsheetExport::Bytes() const {
    QByteArray bytes;
    bytes.reserve(used_ + kTail.size());
    bytes.append(out_.constData(), used_);
    bytes += kTail;
    return bytes;
}

bool SpreadsheetExport::WriteTo(const QString &path) const { return WriteFileAtomically(path, Bytes()); }

void SpreadsheetExport::Flush() {
    // Unbuffered, so that a failing write is seen at once; once failed, the
    // rest is dropped and Commit reports it.
    if (!failed_ && file_->write(out_.constData(), used_) != used_) failed_ = true;
    streamed_ += used_;
    used_ = 0;
    StartWriteBack();
    ClearVectorState();
}

// The file is synced to the disk before it takes the old one's place; the
// disk starts on what is written as the rows are still being made, so that
// the final sync waits only for the last of it, not the whole file.
void SpreadsheetExport::StartWriteBack() {
    if (failed_ || streamed_ - flushing_ < kWriteBackBytes) return;
    sync_file_range(file_->handle(), flushing_, streamed_ - flushing_, SYNC_FILE_RANGE_WRITE);
    flushing_ = streamed_;
}

bool SpreadsheetExport::StreamTo(const QString &path) {
    streamed_ = flushing_ = 0;
    file_ = std::make_unique<QSaveFile>(path);
    failed_ = !file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (out_.size() < kBlockBytes + 64 * 1024) out_.resize(kBlockBytes + 64 * 1024);
    Flush();
    return !failed_;
}

bool SpreadsheetExport::Commit() {
    if (!file_) return false;
    Append(kTail);
    Flush();
    const bool written = !failed_ && file_->error() == QFileDevice::NoError && file_->commit();
    if (!written) file_->cancelWriting();
    file_.reset();
    return written;
}

}  // namespace vel
