#pragma once
// The report layer: templates of pages that hold bands and named objects
// (memos, pictures, lines, rectangles), filled by the windows, prepared into
// pages, then printed, previewed or written as PDF.
//
// Units: every position and size is in millimetres, measured from the
// top-left corner of the page's printable area (inside the margins), or of
// its band for an object that lies in a band. Font sizes are in points.
// Templates given in report units (pixels at 96 per inch) convert with
// Units() and UnitPoints().
#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <vector>

#include "report/PreparedPage.h"

class QWidget;

namespace vel {
struct PrintJob;
}

namespace vel::report {

// Report units: 96 to the inch, so 1 mm is 3.7795 units.
constexpr double kUnitsPerMm = 96.0 / 25.4;
constexpr double Units(double units) { return units / kUnitsPerMm; }
// A font height given in report units, in points (10.67 units are 8 points).
constexpr double UnitPoints(double units) { return units * 72.0 / 96.0; }

// A thin line or frame: one report unit.
constexpr double kThinLine = Units(1);

// Raised when a template lacks an object the program looks for, or when the
// prepared report cannot be printed, shown or written. Its text is the
// reason, in Italian, as the error box shows it.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &reason);
    QString Reason() const { return QString::fromUtf8(what()); }
};

class ReportObject {
public:
    ReportObject(QString name, const QRectF &bounds) : name(std::move(name)), bounds(bounds) {}
    virtual ~ReportObject() = default;
    ReportObject(const ReportObject &) = delete;
    ReportObject &operator=(const ReportObject &) = delete;

    void SetHeight(double mm) { bounds.setHeight(mm); }
    double Height() const { return bounds.height(); }

    QString name;
    QRectF bounds;  // millimetres, from the top-left of the page's printable area or of the band
};

// A text object. Its text is printed literally, one memo line per line of
// the text ("\n" or "\r\n" between them).
class Memo final : public ReportObject {
public:
    Memo(QString name, const QRectF &bounds, QString text = QString())
        : ReportObject(std::move(name), bounds), text(std::move(text)) {}

    void SetText(const QString &value) {
        text = value;
        lines.clear();
    }
    // The text given as its lines, for a memo of many lines (a whole list):
    // the lines are laid out as they are, with no joined copy of the text.
    void SetLines(QStringList value) {
        lines = std::move(value);
        text.clear();
    }
    QString Text() const { return lines.isEmpty() ? text : lines.join(u'\n'); }

    QString text;
    QStringList lines;  // when not empty, the text's lines, in place of `text`
    ReportFont font;
    QColor fill;   // invalid: no fill
    QColor frame;  // invalid: no frame
    double frameWidth = kThinLine;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // Without word wrap each line stays one line, cut at the memo's edge.
    bool wordWrap = true;
    // The distance of one line from the next; 0 gives 1.2 times the font size.
    double lineHeight = 0;
};

// A picture, scaled into its frame with its proportions kept, centred.
class Picture final : public ReportObject {
public:
    using ReportObject::ReportObject;
    void SetPicture(const QImage &picture) { image = picture; }
    QImage image;
};

// A straight line from the top-left corner of its bounds to the
// bottom-right one: a height of 0 draws a horizontal line, a width of 0 a
// vertical one.
class Line final : public ReportObject {
public:
    using ReportObject::ReportObject;
    QColor colour = Qt::black;
    double width = kThinLine;
};

class Shape final : public ReportObject {
public:
    using ReportObject::ReportObject;
    QColor fill;               // invalid: no fill
    QColor frame = Qt::black;  // invalid: no outline
    double frameWidth = kThinLine;
};

// The objects of a page or a band, drawn in the order they were added: a
// rectangle added first lies beneath what follows it.
class ObjectList {
public:
    ObjectList() = default;
    ObjectList(const ObjectList &) = delete;
    ObjectList &operator=(const ObjectList &) = delete;

    Memo &AddMemo(const QString &name, const QRectF &bounds, const QString &text = QString());
    Picture &AddPicture(const QString &name, const QRectF &bounds, const QImage &image = QImage());
    Line &AddLine(const QString &name, const QRectF &bounds);
    Shape &AddShape(const QString &name, const QRectF &bounds);

    const std::vector<std::unique_ptr<ReportObject>> &Objects() const { return objects_; }
    ReportObject *FindOwn(const QString &name) const;

private:
    std::vector<std::unique_ptr<ReportObject>> objects_;
};

enum class BandKind {
    PageHeader,  // at the top of every page
    MasterData,  // the body, one row; with allowSplit it goes on over further pages
    PageFooter,  // at the foot of every page
};

class Band final : public ReportObject, public ObjectList {
public:
    Band(QString name, BandKind kind, double height)
        : ReportObject(std::move(name), QRectF(0, 0, 0, height)), kind(kind) {}
    BandKind kind;
    bool allowSplit = false;
};

class ReportPage final : public ObjectList {
public:
    // paper: width and height of the sheet in portrait, in millimetres.
    ReportPage(QString name, const QSizeF &paper, QPageLayout::Orientation orientation, const QMarginsF &margins);

    // Turns the sheet; the objects keep their places.
    void SetOrientation(QPageLayout::Orientation value) { orientation = value; }
    // The sheet as it prints, turned by the orientation.
    QSizeF SheetSize() const;
    QRectF PrintableArea() const;

    Band &AddBand(const QString &name, BandKind kind, double height);
    const std::vector<std::unique_ptr<Band>> &Bands() const { return bands_; }

    QString name;
    QSizeF paper;
    QPageLayout::Orientation orientation;
    QMarginsF margins;

private:
    std::vector<std::unique_ptr<Band>> bands_;
};

class Report {
public:
    explicit Report(QString name);
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    // A4 is 210 x 297 mm.
    ReportPage &AddPage(const QString &name, const QSizeF &paper, QPageLayout::Orientation orientation,
                        const QMarginsF &margins);
    const std::vector<std::unique_ptr<ReportPage>> &Pages() const { return pages_; }
    ReportPage &Page(int index = 0) { return *pages_.at(size_t(index)); }

    // The object of that name on any page or in any band; nullptr when none.
    ReportObject *FindObject(const QString &name) const;
    // The object of that name and kind; raises ReportError when the template
    // has none.
    template <typename T>
    T &Get(const QString &name) const {
        if (T *typed = dynamic_cast<T *>(FindObject(name))) return *typed;
        throw MissingObject(name);
    }

    // Lays the template out into pages, discarding the pages prepared before.
    void Prepare();
    const std::vector<PreparedPage> &PreparedPages() const { return *prepared_; }

    // The prepared pages as the printing service takes them: painted in
    // points of the sheet when the printer or the preview reaches them.
    PrintJob ToPrintJob() const;
    // Prints through the print dialog; false when the user cancelled it.
    // Raises an exception with the reason when printing fails.
    bool Print(QWidget *parent) const;
    // Shows the modal preview. Raises an exception when it fails.
    void ShowPreview(QWidget *parent) const;
    // Writes the prepared pages as a PDF file: uncompressed, pictures as JPEG
    // of quality 95, with the document title and subject given. The file is
    // written beside its place and renamed into it, so a failure (raised as
    // ReportError) leaves an old file whole.
    void ExportPdf(const QString &path, const QString &title, const QString &subject) const;

    QString name;

private:
    static ReportError MissingObject(const QString &name);
    // Output needs prepared pages: printing an unprepared report is a fault
    // of the caller, reported rather than printed as an empty document.
    void RequirePrepared() const;
    std::vector<std::unique_ptr<ReportPage>> pages_;
    // Shared with the print jobs made from it, which paint their pages later.
    std::shared_ptr<std::vector<PreparedPage>> prepared_ = std::make_shared<std::vector<PreparedPage>>();
};

// A window's report template, built the first time it is used rather than
// with the window: the program creates its windows at start, and most of
// them print seldom or never.
class LazyReport {
public:
    using Builder = std::unique_ptr<Report> (*)();
    explicit LazyReport(Builder build) : build_(build) {}

    Report &operator*() const { return Get(); }
    Report *operator->() const { return &Get(); }
    bool Built() const { return report_ != nullptr; }

private:
    Report &Get() const {
        if (!report_) report_ = build_();
        return *report_;
    }
    Builder build_;
    mutable std::unique_ptr<Report> report_;
};

// A4 in portrait, in millimetres.
inline const QSizeF kA4(210, 297);

}  // namespace vel::report
