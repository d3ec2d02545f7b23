#pragma once
// A prepared page: what a report puts on one sheet, as plain drawing steps in
// millimetres from the sheet's top-left corner. The painter for print and
// preview and the PDF writer draw the same steps, so paper and PDF agree.
#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace vel::report {

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double size = 10;  // points
    bool bold = false;
    QColor colour = Qt::black;
};

struct FillStep {
    QRectF rect;
    QColor colour;
};

// An outline: a frame around a rectangle.
struct FrameStep {
    QRectF rect;
    QColor colour;
    double width;  // millimetres
};

struct LineStep {
    QPointF from, to;
    QColor colour;
    double width;  // millimetres
};

struct ImageStep {
    QString object;  // the picture's name in the template
    QRectF rect;     // where the picture lands, its proportions kept
    QImage image;
};

// One line of a memo, already broken and cut: drawn from `origin` (the start
// of its baseline), and never past `clip`.
struct TextStep {
    QString object;  // the memo's name in the template
    QString text;
    QPointF origin;
    QRectF clip;
    ReportFont font;
};

using PageStep = std::variant<FillStep, FrameStep, LineStep, ImageStep, TextStep>;

struct PreparedPage {
    QSizeF size;  // the sheet as it prints, in millimetres
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins;
    std::vector<PageStep> steps;

    // The lines of text on the page, in the order they are drawn; with a
    // name, only those of that memo.
    QStringList Texts(const QString &object = QString()) const;
};

}  // namespace vel::report
