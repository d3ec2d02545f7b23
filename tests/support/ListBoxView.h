#pragma once
// What a list box shows, judged as the user sees it: the lines' look, and
// whether the end of a line is drawn inside the box as it is scrolled now.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include "platform/ListBox.h"

namespace vel::test {

// Every line in "Courier New" 12 black, set on the line itself; laid out at
// least `minimumWidth` wide and to the end of the longest line; both scroll
// bars always shown.
inline void ExpectResultListLook(const ListBox *list, int minimumWidth) {
    for (int i = 0; i < list->count(); ++i) {
        const QModelIndex index = list->model()->index(i, 0);
        const QFont font = index.data(Qt::FontRole).value<QFont>();
        EXPECT_EQ(font.family(), QStringLiteral("Courier New")) << i;
        EXPECT_EQ(font.pointSize(), 12) << i;
        EXPECT_EQ(index.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0xFF000000u)) << i;
    }
    EXPECT_EQ(list->MinimumLineWidth(), minimumWidth);
    const QFontMetrics metrics(list->LineFont());
    int widest = 0;
    for (const QString &line : list->Lines()) widest = std::max(widest, metrics.horizontalAdvance(line));
    EXPECT_GE(list->LineWidth(), std::max(minimumWidth, widest + list->TextMargin()));
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

// Brings the row into view and moves the sideways scroll bar to `value`
// (its maximum when -1), letting the list repaint.
inline void ScrollSideways(ListBox *list, int row, int value = -1) {
    list->ScrollToLine(row);
    QApplication::processEvents();
    QScrollBar *bar = list->horizontalScrollBar();
    bar->setValue(value < 0 ? bar->maximum() : value);
    QApplication::processEvents();
}

// Whether the last `tail` characters of the row's line are drawn inside the
// box: where the text of the row ends as it is scrolled now must lie within
// the viewport, and the rendered viewport must hold ink there.
inline ::testing::AssertionResult LineEndShown(ListBox *list, int row, int tail = 4) {
    const QString line = list->Line(row);
    const QRect rowRect = list->LineRect(row);
    if (rowRect.isEmpty()) return ::testing::AssertionFailure() << "row " << row << " has no place in the list";
    const QFontMetrics metrics(list->LineFont());
    const int textLeft = rowRect.left() + list->TextMargin();
    const int tailLeft = textLeft + metrics.horizontalAdvance(line.left(line.size() - tail));
    const int end = textLeft + metrics.horizontalAdvance(line);
    const QImage shot = list->viewport()->grab().toImage();
    if (tailLeft < 0 || end > shot.width())
        return ::testing::AssertionFailure() << "the line's last " << tail << " characters stand at " << tailLeft
                                             << ".." << end << ", outside the viewport's 0.." << shot.width();
    int ink = 0;
    for (int y = std::max(0, rowRect.top()); y <= std::min(shot.height() - 1, rowRect.bottom()); ++y)
        for (int x = tailLeft; x < end; ++x) ink += qGray(shot.pixel(x, y)) < 128;
    if (ink == 0)
        return ::testing::AssertionFailure() << "nothing is drawn at " << tailLeft << ".." << end
                                             << " where the line's last " << tail << " characters belong";
    return ::testing::AssertionSuccess() << "the line ends at " << end << " of " << shot.width();
}

}  // namespace vel::test
