#pragma once
// The grid of the export dialogs and listings: a table view over a model that
// keeps its cells compactly, so that an archive of any size fills it in one
// pass and is written from it without a conversion per cell.
//
// Column 0 ("N.") holds the row's number; columns 1 to C hold the exported
// texts. The texts read from the archive are kept as the archive holds them
// (Windows-1252 bytes, one block of memory per many rows); a cell the user or
// the code overwrote is kept apart, as text, and wins over the stored one.
#include <QAbstractTableModel>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/ListLines.h"
#include "common/Record.h"

namespace vel {

class SpreadsheetExport;

// One piece of an exported cell's text: a fixed text, or a record field read
// by the FixedText rule (trimmed), whole or `count` characters from the
// 1-based position `from` of the trimmed text (fewer when it ends sooner, none
// when `from` lies beyond its end).
struct ExportPiece {
    std::string_view field;  // empty for a fixed text
    std::u16string_view text = {};
    int from = 1;
    int count = -1;  // the whole field
};
constexpr ExportPiece FieldPiece(std::string_view field) { return {field}; }
constexpr ExportPiece FieldPiece(std::string_view field, int from, int count) { return {field, {}, from, count}; }
constexpr ExportPiece TextPiece(std::u16string_view text) { return {{}, text}; }

// One exported column: the caption and width of its header cell in the file,
// whether the user may overwrite its cells on screen, and what a record puts
// in it (its pieces one after the other). The grid shows the same caption
// and width unless the export gives others for the screen.
struct ExportColumn {
    QString caption;
    int width;
    bool editable = false;
    std::vector<ExportPiece> content = {};
    QString screenCaption = {};
    int screenWidth = 0;
};

// What a fill found: the records the archive holds, and whether every one of
// them was read (a failure part-way leaves the rows read so far).
struct GridFill {
    int records = 0;
    bool complete = true;
};

class ExportGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ExportGridModel(std::vector<ExportColumn> columns, QObject *parent = nullptr);
    ~ExportGridModel() override;

    const std::vector<ExportColumn> &Columns() const { return columns_; }

    // `rows` empty rows: no number, no text.
    void ResetRows(int rows);
    // Fills from the archive at `path` (a missing archive is created empty),
    // reading it once from the first record to the last: one row per record
    // that `accept` lets through (every record without a test), in file
    // order, column 0 numbering the rows so listed from 1, columns 1 to C
    // from the columns' contents. An archive without records leaves
    // `emptyRows` empty rows. A failure to open or read raises ArchiveError;
    // the rows read before it stay. Views are told once, at the end.
    int Fill(const QString &path, const RecordLayout &layout, const RecordTest &accept, int emptyRows);

    // Puts the rows in the order of the texts of `column`, compared as every
    // sorted list of the program compares (code units, a-z as A-Z); rows with
    // equal texts keep their order. Each row moves whole, overwritten cells
    // and its number included.
    void SortByColumn(int column);
    // Puts the rows in the given order: shown row r becomes the row shown at
    // `order[r]` before (`order` holds every row once). Each row moves whole,
    // as in SortByColumn; a window with a sort of its own uses this.
    void ArrangeRows(const std::vector<int> &order);

    // The text a cell shows.
    QString Text(int row, int column) const;
    // The archive record a row was filled from (0 for an empty row).
    int RecordNumber(int row) const;
    // Adds row `row`'s cells 1 to C to a spreadsheet, as the grid holds them.
    void WriteRow(int row, SpreadsheetExport &file) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Any cell takes a text put in by code; the user types only into the
    // columns the export leaves open.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    class Rule;
    struct Row {
        std::uint32_t block = kNoBlock;  // where the row's cells lie in the pool
        std::uint32_t offset = 0;
        int number = 0;                  // shown in column 0; 0 for an empty row
        int record = 0;
        bool verbatim = true;  // every stored cell goes into a file as it is
    };
    static constexpr std::uint32_t kNoBlock = UINT32_MAX;

    const Row &RowAt(int row) const { return rows_[size_t(order_.empty() ? row : order_[size_t(row)])]; }
    int StoredRow(int row) const { return order_.empty() ? row : order_[size_t(row)]; }
    // The bytes a stored row keeps for column k (1..C).
    QByteArrayView StoredBytes(const Row &row, int column) const;
    const QString *Overwritten(int storedRow, int column) const;
    static std::uint64_t Key(int storedRow, int column) { return (std::uint64_t(storedRow) << 16) | unsigned(column); }
    // Room for `bytes` more bytes of one row, in the current block or a new one.
    char *Reserve(Row &row, std::size_t bytes);
    void Clear();

    std::vector<ExportColumn> columns_;
    std::vector<Row> rows_;
    std::vector<int> order_;  // shown row -> stored row; empty while in stored order
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<std::size_t> blockSizes_;
    std::size_t used_ = 0;  // bytes used in the last block
    std::unordered_map<std::uint64_t, QString> overwritten_;
    std::unordered_set<int> overwrittenRows_;  // stored rows with a cell in overwritten_
};

// The view: a table over the model, with the few questions windows and tests
// ask of a grid.
class ExportGrid : public QTableView {
    Q_OBJECT
public:
    ExportGrid(std::vector<ExportColumn> columns, QWidget *parent = nullptr);

    ExportGridModel &Model() const { return *model_; }
    int rowCount() const { return model_->rowCount(); }
    int columnCount() const { return model_->columnCount(); }
    QString Text(int row, int column) const { return model_->Text(row, column); }
    // Puts a text into a cell as code does, whether the column is open or not.
    void SetText(int row, int column, const QString &text);
    bool IsEditable(int row, int column) const;
    QString Caption(int column) const;

private:
    ExportGridModel *model_;
};

}  // namespace vel
