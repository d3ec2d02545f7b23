#pragma once
// A list box of text lines, as the find and list dialogs show their records:
// one line per row, every line in one font and colour set on the box itself
// (never taken from a style), single selection, both scroll bars always
// shown, and a sideways scroll that reaches the end of the longest line.
//
// The lines are held in one string list behind a model, and the view lays
// out rows of one uniform size, so that tens of thousands of lines go in
// with one reset and only the rows on screen are ever drawn.
#include <QAbstractListModel>
#include <QColor>
#include <QFont>
#include <QListView>
#include <QStringList>
#include <functional>

namespace vel {

class ListBox;

// The lines of a list box: one display text per row, with the box's font and
// colour as every row's own.
class ListBoxLines : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListBoxLines(ListBox *owner);
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // The view asks for the index of every row when it lays the rows out;
    // a list of one column answers without the general checks.
    QModelIndex index(int row, int column = 0, const QModelIndex &parent = QModelIndex()) const override {
        return row >= 0 && row < lines_.size() && column == 0 && !parent.isValid() ? createIndex(row, 0)
                                                                                   : QModelIndex();
    }
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    const QStringList &Lines() const { return lines_; }
    void SetLines(QStringList lines);
    void RemoveLine(int row);

private:
    ListBox *owner_;
    QStringList lines_;
};

class ListBox : public QListView {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    // Replaces every line at once, in the order given.
    void SetLines(QStringList lines);
    const QStringList &Lines() const { return model_->Lines(); }
    QString Line(int row) const;
    int count() const;
    void clear();
    // Takes one line out of the list; the lines after it move up.
    void RemoveLine(int row);

    // The font and colour of every line.
    void SetLineFont(const QFont &font);
    QFont LineFont() const { return lineFont_; }
    void SetLineColor(const QColor &color);
    QColor LineColor() const { return lineColor_; }

    // The width the lines are laid out in at least; a longer line widens the
    // layout to its own end, so the sideways scroll always reaches it.
    void SetMinimumLineWidth(int pixels);
    int MinimumLineWidth() const { return minimumLineWidth_; }
    // The width every row is laid out in now: the minimum, or the longest
    // line with its margins when that is wider.
    int LineWidth() const { return lineWidth_; }
    int LineHeight() const { return lineHeight_; }

    // The current row (-1 for none). Setting a row makes it the only selected
    // one; -1 leaves no current row and no selection.
    int currentRow() const;
    void setCurrentRow(int row);
    // The selected row, -1 when no row is selected.
    int SelectedRow() const;
    void ScrollToLine(int row);
    // Where a row stands in the viewport, as it is scrolled now.
    QRect LineRect(int row) const;

    // Runs whenever the selection changes, by the user or by code.
    std::function<void()> onSelectionChange;

    // The left margin of a line's text inside its row.
    int TextMargin() const;

private:
    void Measure(const QStringList &lines);
    ListBoxLines *model_;
    QFont lineFont_;
    QColor lineColor_ = QColor(0xFF000000u);
    int minimumLineWidth_ = 0;
    int lineWidth_ = 0;
    int lineHeight_ = 0;
};

}  // namespace vel
