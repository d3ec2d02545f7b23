#include "ExportGrid.h"

#include <QColor>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <algorithm>
#include <cstring>
#include <numeric>
#include <stdexcept>
#include <string>

#include "common/ArchiveFile.h"
#include "common/SpreadsheetExport.h"
#include "common/TextRules.h"
#include "pictures/Pictures.h"
#include "platform/Platform.h"

namespace vel {
namespace {

constexpr int kRowHeight = 21;
constexpr int kNumberWidth = 60;
// The pool grows by blocks of this size: no block is ever moved, and memory
// follows the texts actually kept.
constexpr std::size_t kBlockBytes = 1024 * 1024;

// A cell's byte offsets are kept at the start of its row, unaligned.
std::uint32_t ReadEnd(const char *ends, int k) {
    std::uint32_t end;
    std::memcpy(&end, ends + std::size_t(k) * sizeof end, sizeof end);
    return end;
}

}  // namespace

// What a record puts in each column, bound to one record layout: field
// offsets are looked up once and the fixed texts converted once, so a row is
// written straight from the record's bytes into the pool.
class ExportGridModel::Rule {
public:
    Rule(const RecordLayout &layout, const std::vector<ExportColumn> &columns)
        : size_(layout.Size()), columns_(int(columns.size())) {
        maxBytes_ = std::size_t(columns_) * sizeof(std::uint32_t);
        for (const ExportColumn &column : columns) {
            for (const ExportPiece &p : column.content) {
                Piece piece;
                if (p.field.empty()) {
                    piece.text = ToCp1252(QString::fromUtf16(p.text.data(), qsizetype(p.text.size())));
                    maxBytes_ += std::size_t(piece.text.size());
                } else {
                    const int index = layout.IndexOf(p.field);
                    if (index < 0)
                        throw std::logic_error(std::string(layout.Name()) + " has no field " + std::string(p.field));
                    piece.offset = layout.Offset(index);
                    piece.capacity = layout.Fields()[index].capacity;
                    piece.from = std::max(1, p.from);
                    piece.count = p.count;
                    maxBytes_ += std::size_t(piece.capacity);
                }
                pieces_.push_back(std::move(piece));
            }
            columnEnd_.push_back(pieces_.size());
        }
    }

    // The most bytes one row can take: its offsets and its longest texts.
    std::size_t MaxBytes() const { return maxBytes_; }

    // Writes the row of `record` at `out`: the end of each cell's text, then
    // the texts one after the other. Returns the bytes used; `verbatim` tells
    // whether every cell goes into a spreadsheet file as it is.
    std::size_t Put(const Record &record, char *out, bool &verbatim) const {
        verbatim = true;
        std::uint32_t cellStart = 0;
        if (record.Layout().Size() != size_) throw std::logic_error("export row of another record type");
        const auto *bytes = reinterpret_cast<const unsigned char *>(record.Bytes().constData());
        char *const texts = out + std::size_t(columns_) * sizeof(std::uint32_t);
        char *at = texts;
        std::size_t piece = 0;
        for (int k = 0; k < columns_; ++k) {
            for (; piece < columnEnd_[size_t(k)]; ++piece) {
                const Piece &p = pieces_[piece];
                if (p.offset < 0) {
                    std::memcpy(at, p.text.constData(), size_t(p.text.size()));
                    at += p.text.size();
                    continue;
                }
                // The FixedText rule on the bytes: a length byte above the
                // capacity counts as the capacity; bytes up to 0x20 are the
                // characters trimming removes.
                const unsigned char *field = bytes + p.offset;
                int begin = 1, end = 1 + std::min<int>(p.capacity, field[0]);
                while (begin < end && field[begin] <= 32) ++begin;
                while (end > begin && field[end - 1] <= 32) --end;
                begin += p.from - 1;
                if (begin >= end) continue;
                if (p.count >= 0) end = std::min(end, begin + p.count);
                std::memcpy(at, field + begin, size_t(end - begin));
                at += end - begin;
            }
            const auto cellEnd = std::uint32_t(at - texts);
            std::memcpy(out + std::size_t(k) * sizeof cellEnd, &cellEnd, sizeof cellEnd);
            const QByteArrayView cell(texts + cellStart, qsizetype(cellEnd - cellStart));
            verbatim = verbatim && SpreadsheetExport::IsVerbatimCell(cell);
            cellStart = cellEnd;
        }
        return std::size_t(at - out);
    }

private:
    struct Piece {
        int offset = -1;  // -1 for a fixed text
        int capacity = 0;
        int from = 1;
        int count = -1;
        QByteArray text;
    };
    int size_;
    int columns_;
    std::vector<Piece> pieces_;
    std::vector<std::size_t> columnEnd_;  // past the last piece of each column
    std::size_t maxBytes_ = 0;
};

ExportGridModel::ExportGridModel(std::vector<ExportColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

ExportGridModel::~ExportGridModel() = default;

void ExportGridModel::Clear() {
    // Swapped out rather than cleared, so that a large grid gives its memory back.
    std::vector<Row>().swap(rows_);
    std::vector<int>().swap(order_);
    blocks_.clear();
    blockSizes_.clear();
    used_ = 0;
    overwritten_.clear();
    overwrittenRows_.clear();
}

void ExportGridModel::ResetRows(int rows) {
    beginResetModel();
    Clear();
    rows_.assign(size_t(std::max(0, rows)), Row{});
    endResetModel();
}

char *ExportGridModel::Reserve(Row &row, std::size_t bytes) {
    if (blocks_.empty() || used_ + bytes > blockSizes_.back()) {
        const std::size_t size = std::max(kBlockBytes, bytes);
        blocks_.push_back(std::unique_ptr<char[]>(new char[size]));
        blockSizes_.push_back(size);
        used_ = 0;
    }
    row.block = std::uint32_t(blocks_.size() - 1);
    row.offset = std::uint32_t(used_);
    return blocks_.back().get() + used_;
}

int ExportGridModel::Fill(const QString &path, const RecordLayout &layout, const RecordTest &accept,
                          int emptyRows) {
    // One reset for the whole fill, whatever becomes of it: the views learn
    // the new rows once, at the end.
    beginResetModel();
    struct EndReset {
        ExportGridModel *model;
        ~EndReset() { model->endResetModel(); }
    } endReset{this};

    Clear();
    rows_.assign(size_t(std::max(0, emptyRows)), Row{});
    const Rule rule(layout, columns_);
    ArchiveFile archive;
    archive.OpenArchivePath(path, layout);
    const int count = archive.RecordCount();
    if (count == 0) return 0;

    rows_.clear();
    if (!accept) rows_.reserve(size_t(count));
    Record record(layout);
    try {
        while (archive.Position() < count) {
            archive.ReadNextRecord(record);
            if (accept && !accept(record)) continue;
            Row row;
            row.number = int(rows_.size()) + 1;
            row.record = archive.Position();
            bool verbatim = false;
            used_ += rule.Put(record, Reserve(row, rule.MaxBytes()), verbatim);
            row.verbatim = verbatim;
            rows_.push_back(row);
        }
    } catch (...) {
        // Every record has its row from the start; those not read stay empty.
        if (!accept) rows_.resize(size_t(count), Row{});
        throw;
    }
    archive.CloseArchive();
    return count;
}

void ExportGridModel::SortByColumn(int column) {
    const int n = rowCount();
    const auto rows = static_cast<std::size_t>(n);
    std::vector<QString> keys(rows);
    for (int r = 0; r < n; ++r) keys[size_t(r)] = Text(r, column);
    std::vector<int> shown(rows);
    std::iota(shown.begin(), shown.end(), 0);
    std::stable_sort(shown.begin(), shown.end(),
                     [&keys](int a, int b) { return CompareListLines(keys[size_t(a)], keys[size_t(b)]) < 0; });
    ArrangeRows(shown);
}

void ExportGridModel::ArrangeRows(const std::vector<int> &shown) {
    const int n = rowCount();
    const auto rows = static_cast<std::size_t>(n);
    if (shown.size() != rows) throw std::logic_error("row order of another grid");
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> order(rows);
    std::vector<int> newRow(rows);
    for (int r = 0; r < n; ++r) {
        order[size_t(r)] = StoredRow(shown[size_t(r)]);
        newRow[size_t(shown[size_t(r)])] = r;
    }
    order_ = std::move(order);
    // The current cell, an open editor and the selection move with their rows.
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to.append(index.isValid() ? createIndex(newRow[size_t(index.row())], index.column()) : QModelIndex());
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QByteArrayView ExportGridModel::StoredBytes(const Row &row, int column) const {
    if (row.block == kNoBlock || column < 1 || column > int(columns_.size())) return {};
    const char *ends = blocks_[row.block].get() + row.offset;
    const char *texts = ends + columns_.size() * sizeof(std::uint32_t);
    const std::uint32_t begin = column == 1 ? 0 : ReadEnd(ends, column - 2);
    return QByteArrayView(texts + begin, qsizetype(ReadEnd(ends, column - 1) - begin));
}

const QString *ExportGridModel::Overwritten(int storedRow, int column) const {
    if (overwritten_.empty()) return nullptr;
    const auto it = overwritten_.find(Key(storedRow, column));
    return it == overwritten_.end() ? nullptr : &it->second;
}

QString ExportGridModel::Text(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return {};
    if (const QString *text = Overwritten(StoredRow(row), column)) return *text;
    const Row &r = RowAt(row);
    if (column == 0) return r.number > 0 ? QString::number(r.number) : QString();
    const QByteArrayView bytes = StoredBytes(r, column);
    return FromCp1252(bytes.data(), int(bytes.size()));
}

int ExportGridModel::RecordNumber(int row) const {
    return row >= 0 && row < rowCount() ? RowAt(row).record : 0;
}

void ExportGridModel::WriteRow(int row, SpreadsheetExport &file) const {
    const int stored = StoredRow(row);
    const Row &r = rows_[size_t(stored)];
    const int columns = int(columns_.size());
    const char *ends = r.block == kNoBlock ? nullptr : blocks_[r.block].get() + r.offset;
    const char *texts = ends ? ends + size_t(columns) * sizeof(std::uint32_t) : nullptr;
    // The stored bytes of column k (1..C), the columns taken in order.
    std::uint32_t begin = 0;
    const auto next = [&](int k) {
        if (!ends) return QByteArrayView();
        const std::uint32_t end = ReadEnd(ends, k - 1);
        const QByteArrayView bytes(texts + begin, qsizetype(end - begin));
        begin = end;
        return bytes;
    };
    QByteArrayView cells[32];
    if (!overwrittenRows_.contains(stored) && columns <= int(std::size(cells))) {
        // Nothing overwritten: the row goes over in one piece.
        for (int k = 1; k <= columns; ++k) cells[k - 1] = next(k);
        file.AddCodePageRow(std::span<const QByteArrayView>(cells, size_t(columns)), r.verbatim);
        return;
    }
    file.BeginRow();
    for (int k = 1; k <= columns; ++k) {
        const QByteArrayView bytes = next(k);
        if (const QString *text = Overwritten(stored, k))
            file.AddCell(*text);
        else
            file.AddCodePageCell(bytes);
    }
    file.EndRow();
}

int ExportGridModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ExportGridModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(columns_.size()) + 1;
}

QVariant ExportGridModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return Text(index.row(), index.column());
    // The record numbers stand on grey, apart from the exported texts.
    case Qt::BackgroundRole: return index.column() == 0 ? QVariant(QColor(0xF0, 0xEF, 0xEE)) : QVariant();
    default: return {};
    }
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0) return QStringLiteral("N.");
    const ExportColumn &column = columns_[size_t(section - 1)];
    return column.screenCaption.isEmpty() ? column.caption : column.screenCaption;
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex &index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() > 0 && columns_[size_t(index.column() - 1)].editable) flags |= Qt::ItemIsEditable;
    return flags;
}

bool ExportGridModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount() ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    overwritten_[Key(StoredRow(index.row()), index.column())] = value.toString();
    overwrittenRows_.insert(StoredRow(index.row()));
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

namespace {
// The application's style, with the grid lines in the grids' own grey.
class GridLineStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *answer) const override {
        if (hint == SH_Table_GridLineColor) return int(QColor(0xC9, 0xC6, 0xC2).rgba());
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

// One for every grid of the process; it lives as long as the application.
QStyle *GridStyle() {
    static QPointer<QStyle> shared;
    if (!shared) {
        shared = new GridLineStyle;
        shared->setParent(QCoreApplication::instance());
    }
    return shared;
}
}  // namespace

ExportGrid::ExportGrid(std::vector<ExportColumn> columns, QWidget *parent)
    : QTableView(parent), model_(new ExportGridModel(std::move(columns), this)) {
    setFont(UiFont(QStringLiteral("Tahoma"), 9));
    setAlternatingRowColors(true);
    // White ground, pale blue alternate rows and grey grid lines, by palette
    // and a style of its own: a style sheet would pass the slower style sheet
    // style to the headers and scroll bars too.
    // The white window colour lightens the grid's frame; the headers and
    // scroll bars keep the usual one for their outlines.
    QPalette look = palette();
    const QColor window = look.color(QPalette::Window);
    look.setColor(QPalette::Base, Qt::white);
    look.setColor(QPalette::Window, Qt::white);
    look.setColor(QPalette::AlternateBase, QColor(0xEE, 0xF3, 0xFB));
    setPalette(look);
    for (QWidget *part : std::initializer_list<QWidget *>{horizontalHeader(), verticalHeader(), horizontalScrollBar(),
                                                          verticalScrollBar()}) {
        QPalette partLook = part->palette();
        partLook.setColor(QPalette::Window, window);
        part->setPalette(partLook);
    }
    setStyle(GridStyle());
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    // The view takes its model, and sizes its columns, when first shown (the
    // dialog's show handler, which fills the grid, runs after it): the headers
    // measure every caption in the grid's font as soon as they have a model,
    // and the program builds every export dialog at start.
    WhenFirstShown(this, [this] {
        setModel(model_);
        setColumnWidth(0, kNumberWidth);
        const std::vector<ExportColumn> &all = model_->Columns();
        for (int k = 1; k <= int(all.size()); ++k) {
            const ExportColumn &column = all[size_t(k - 1)];
            setColumnWidth(k, column.screenWidth > 0 ? column.screenWidth : column.width);
        }
    });
}

void ExportGrid::SetText(int row, int column, const QString &text) {
    model_->setData(model_->index(row, column), text);
}

bool ExportGrid::IsEditable(int row, int column) const {
    return model_->flags(model_->index(row, column)) & Qt::ItemIsEditable;
}

QString ExportGrid::Caption(int column) const {
    return model_->headerData(column, Qt::Horizontal).toString();
}

}  // namespace vel
