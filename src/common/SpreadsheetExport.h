#pragma once
// The spreadsheet file every export and listing writes: an HTML page with the
// markup of one Excel worksheet, saved with the extension ".xls". Every export
// writes the same fixed markup; each brings only its file name, its sheet
// name and its columns (header caption and width), and the rows of its grid.
//
// The file is one line in Windows-1252, with no line break anywhere and no
// byte-order mark. Data cells are trimmed; "&", "<" and ">" in them are
// written as character references, so that a field holding markup shows in
// the spreadsheet as the text it is instead of being taken as markup. A
// control character inside a cell (a NUL, an ESC, a DEL, a line break of a
// stored record) is written as a blank; a tab, blank space to the markup,
// stays. A character Windows-1252 has no byte for is written as a numeric character
// reference, which the spreadsheet shows as that very character.
//
// The bytes are made once, in the code page, as the rows come: a sheet is
// either kept whole in memory (Bytes, WriteTo) or, for a grid of any size,
// streamed to its file in blocks (StreamTo, then the rows, then Commit).
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <span>
#include <vector>

class QSaveFile;

namespace vel {

// One exported column: the caption and the width of its header cell.
struct SpreadsheetColumn {
    QString caption;
    int width;
};

class SpreadsheetExport {
public:
    // Starts the file: the workbook header with the sheet's name and the
    // header row. Captions and the sheet name are the export's own fixed
    // texts and go into the file as they are.
    SpreadsheetExport(const QString &sheetName, std::vector<SpreadsheetColumn> columns);
    ~SpreadsheetExport();
    SpreadsheetExport(SpreadsheetExport &&) noexcept;
    SpreadsheetExport &operator=(SpreadsheetExport &&) noexcept;

    // Adds one data row: the texts of the exported columns in order. A row
    // with fewer cells than columns gets empty cells for the rest; cells
    // beyond the last column are not written.
    void AddRow(const QStringList &cells);
    // The same cell by cell, with no list to build: BeginRow, the cells in
    // column order, EndRow. A cell is a text, or bytes already in the code
    // page (as records and grids keep them), which are only trimmed and
    // escaped.
    void BeginRow();
    void AddCell(QStringView text);
    void AddCodePageCell(QByteArrayView bytes);
    // A whole row of code-page cells at once (cells beyond the last column
    // are not written, missing ones are empty): the way a grid of many rows
    // is written fastest. With `verbatim` the caller vouches that every cell
    // is one IsVerbatimCell accepts, and the bytes are copied as they are.
    void AddCodePageRow(std::span<const QByteArrayView> cells, bool verbatim = false);
    // Whether a code-page cell goes into the file byte for byte: nothing to
    // trim at either end, no markup character and no control in it. A grid can ask once,
    // when it takes the cell in, rather than at every write.
    static bool IsVerbatimCell(QByteArrayView bytes);
    void EndRow();
    int RowCount() const { return rows_; }

    // The whole file as it goes to disk (a sheet kept in memory).
    QByteArray Bytes() const;
    // Writes the file at `path` through a temporary file renamed into place;
    // false when it could not be written, the former file then being whole.
    bool WriteTo(const QString &path) const;

    // Streams the sheet to `path` instead: what is made so far and every row
    // after it go to a temporary file beside `path` in blocks, so memory stays
    // bounded whatever the number of rows. Commit writes the end of the file
    // and renames it into place. False from either when the file could not be
    // written; the former file is then whole, and the rows added meanwhile
    // are dropped.
    bool StreamTo(const QString &path);
    bool Commit();

private:
    // Room for `bytes` more bytes at the end of what is made, written through
    // the pointer it gives and counted by Made: one check per cell rather
    // than per piece.
    char *Room(qsizetype bytes) {
        if (out_.size() - used_ < bytes) Grow(bytes);
        return out_.data() + used_;
    }
    void Grow(qsizetype bytes);
    void Made(const char *end) { used_ = end - out_.constData(); }
    void Append(QByteArrayView bytes);
    void Flush();
    void StartWriteBack();

    int columnCount_ = 0;
    int cellsInRow_ = 0;
    int rows_ = 0;
    QByteArray out_;  // the file so far (streaming: what is not yet written)
    qsizetype used_ = 0;  // the bytes of out_ made so far
    std::unique_ptr<QSaveFile> file_;
    qint64 streamed_ = 0;  // the bytes handed to the file
    qint64 flushing_ = 0;  // the bytes whose write-back has been started
    bool failed_ = false;
};

}  // namespace vel
