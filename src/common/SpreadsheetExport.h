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
// character Windows-1252 has no byte for is written as a numeric character
// reference, which the spreadsheet shows as that very character.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

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

    // Adds one data row: the texts of the exported columns in order. A row
    // with fewer cells than columns gets empty cells for the rest; cells
    // beyond the last column are not written.
    void AddRow(const QStringList &cells);
    int RowCount() const { return rows_; }

    // The whole file as it goes to disk.
    QByteArray Bytes() const;
    // Writes the file at `path` through a temporary file renamed into place;
    // false when it could not be written, the former file then being whole.
    bool WriteTo(const QString &path) const;

    // A data cell's text as the file holds it (before the code page).
    static QString CellText(const QString &text);

private:
    std::vector<SpreadsheetColumn> columns_;
    QString text_;  // everything up to the last data row
    int rows_ = 0;
};

}  // namespace vel
