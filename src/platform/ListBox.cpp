#include "ListBox.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

namespace vel {
namespace {

// Every row is laid out in the box's line width: the view asks one row for
// its size (the rows are uniform), so that row must speak for the longest.
class LineDelegate : public QStyledItemDelegate {
public:
    explicit LineDelegate(ListBox *box) : QStyledItemDelegate(box), box_(box) {}
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override {
        return {box_->LineWidth(), box_->LineHeight()};
    }

private:
    ListBox *box_;
};

}  // namespace

// ---- the lines --------------------------------------------------------------

ListBoxLines::ListBoxLines(ListBox *owner) : QAbstractListModel(owner), owner_(owner) {}

int ListBoxLines::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ListBoxLines::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return lines_.at(index.row());
    case Qt::FontRole:
        return owner_->LineFont();
    case Qt::ForegroundRole:
        return QBrush(owner_->LineColor());
    default:
        return {};
    }
}

void ListBoxLines::SetLines(QStringList lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void ListBoxLines::RemoveLine(int row) {
    if (row < 0 || row >= lines_.size()) return;
    beginRemoveRows(QModelIndex(), row, row);
    lines_.removeAt(row);
    endRemoveRows();
}

// ---- the box ----------------------------------------------------------------

ListBox::ListBox(QWidget *parent) : QListView(parent), model_(new ListBoxLines(this)) {
    lineFont_ = font();
    setItemDelegate(new LineDelegate(this));
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    Measure({});
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (onSelectionChange) onSelectionChange();
    });
}

void ListBox::SetLines(QStringList lines) {
    // The width is known before the view asks for it, so the reset lays the
    // rows out once, already as wide as they need.
    Measure(lines);
    model_->SetLines(std::move(lines));
}

QString ListBox::Line(int row) const {
    const QStringList &lines = model_->Lines();
    return row >= 0 && row < lines.size() ? lines.at(row) : QString();
}

int ListBox::count() const { return static_cast<int>(model_->Lines().size()); }

void ListBox::clear() { SetLines({}); }

void ListBox::RemoveLine(int row) {
    model_->RemoveLine(row);
    Measure(model_->Lines());
}

void ListBox::SetLineFont(const QFont &font) {
    lineFont_ = font;
    Measure(model_->Lines());
    viewport()->update();
}

void ListBox::SetLineColor(const QColor &color) {
    lineColor_ = color;
    viewport()->update();
}

void ListBox::SetMinimumLineWidth(int pixels) {
    minimumLineWidth_ = std::max(0, pixels);
    Measure(model_->Lines());
}

int ListBox::TextMargin() const {
    // The item view style keeps this much between a row's edge and its text.
    return style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
}

// The width of the longest line, measured once per change of the lines.
// In a font of fixed pitch the line with the most characters is the widest,
// so only that one is measured; any other font has every line measured.
void ListBox::Measure(const QStringList &lines) {
    // An empty list has no row to size: its font is not even loaded (the
    // lists are set up empty while the windows are built).
    if (lines.isEmpty()) {
        if (minimumLineWidth_ == lineWidth_) return;
        lineWidth_ = minimumLineWidth_;
        scheduleDelayedItemsLayout();
        return;
    }
    const QFontMetrics metrics(lineFont_);
    int widest = 0;
    if (QFontInfo(lineFont_).fixedPitch()) {
        const auto longest = std::max_element(lines.cbegin(), lines.cend(),
                                              [](const QString &a, const QString &b) { return a.size() < b.size(); });
        if (longest != lines.cend()) widest = metrics.horizontalAdvance(*longest);
    } else {
        for (const QString &line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int width = std::max(minimumLineWidth_, widest > 0 ? widest + 2 * TextMargin() + 2 : 0);
    const int height = metrics.height() + 4;
    if (width == lineWidth_ && height == lineHeight_) return;
    lineWidth_ = width;
    lineHeight_ = height;
    scheduleDelayedItemsLayout();
}

int ListBox::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void ListBox::setCurrentRow(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::ClearAndSelect);
}

int ListBox::SelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::ScrollToLine(int row) {
    if (row >= 0 && row < count()) scrollTo(model_->index(row));
}

QRect ListBox::LineRect(int row) const {
    return row >= 0 && row < count() ? visualRect(model_->index(row)) : QRect();
}

}  // namespace vel
