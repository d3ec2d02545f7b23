#include "Report.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

#include "report/StandardFonts.h"

namespace vel::report {
namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The text keeps this distance from the memo's edges.
constexpr double kGapX = Units(2);
constexpr double kGapY = Units(1);

// One line of a memo, placed relative to the memo's top-left corner.
struct MemoLine {
    QString text;
    double x;
    double top;
    // A line taken as it was given (LayoutLines): its first `length`
    // characters, read from the memo's own list when the line is placed, so
    // that laying out a long list neither copies nor releases its lines.
    const QString *given = nullptr;
    qsizetype length = 0;

    QString Text() const {
        if (!given) return text;
        return length == given->size() ? *given : given->left(length);
    }
};

struct MemoLayout {
    std::vector<MemoLine> lines;
    double lineHeight = 0;
};

// The paragraphs of a memo's text; a control character inside a line prints
// as a blank.
QStringList Paragraphs(const QString &text) {
    QStringList paragraphs = text.split(u'\n');
    for (QString &p : paragraphs) {
        if (p.endsWith(u'\r')) p.chop(1);
        for (QChar &c : p)
            if (c.unicode() < 0x20) c = u' ';
    }
    return paragraphs;
}

// The same for a memo given as lines: a line with no control character is
// shared as it is, not copied.
QStringList Paragraphs(const QStringList &lines) {
    QStringList paragraphs = lines;
    for (QString &p : paragraphs) {
        const bool clean = std::none_of(p.cbegin(), p.cend(), [](QChar c) { return c.unicode() < 0x20; });
        if (clean) continue;
        if (p.endsWith(u'\r')) p.chop(1);
        for (QChar &c : p)
            if (c.unicode() < 0x20) c = u' ';
    }
    return paragraphs;
}

// Breaks a paragraph into lines no wider than the width: after the last
// blank that still fits, or inside a word longer than the whole width.
// Widths are added up from the start of each line, character by character,
// and a line is measured only as far as it reaches, so a long paragraph costs
// no more than its length.
QStringList Wrap(const ReportFont &font, const QString &paragraph, double width) {
    const std::vector<double> widths = CharacterWidths(font, paragraph);
    const qsizetype size = paragraph.size();
    QStringList lines;
    std::vector<double> reached{0};  // reached[k]: the width of the line's first k characters
    qsizetype start = 0;
    while (true) {
        // The characters that begin before the width...
        reached.resize(1);
        double x = 0;
        qsizetype i = start;
        while (i < size && x < width) reached.push_back(x += widths[size_t(i++)]);
        qsizetype fit = i - start;
        // ...and whether the rest of the paragraph goes past it at all.
        while (!(x > width) && i < size) x += widths[size_t(i++)];
        // An empty rest is the last line, however narrow the memo.
        if (!(x > width) || start == size) break;
        // Of those, the ones that end within the width; at least one.
        while (fit > 0 && reached[size_t(fit)] > width) --fit;
        fit = std::max<qsizetype>(1, fit);
        qsizetype blank = -1;
        for (qsizetype j = std::min(fit, size - start - 1); j >= 0; --j)
            if (paragraph.at(start + j) == u' ') {
                blank = j;
                break;
            }
        qsizetype end = blank > 0 ? blank : fit;
        qsizetype kept = end;
        while (kept > 0 && paragraph.at(start + kept - 1) == u' ') --kept;
        lines.append(paragraph.mid(start, kept));
        while (start + end < size && paragraph.at(start + end) == u' ') ++end;
        start += end;
    }
    lines.append(paragraph.mid(start));
    return lines;
}

// The top of a memo's first line: lines that take less than the memo's room
// stand at its top, bottom or middle as it is aligned.
double FirstLineTop(const Memo &memo, qsizetype lines, double lineHeight) {
    const double block = double(lines) * lineHeight;
    const double room = memo.bounds.height() - 2 * kGapY;
    if (block >= room) return kGapY;
    if (memo.alignment & Qt::AlignBottom) return kGapY + room - block;
    if (memo.alignment & Qt::AlignVCenter) return kGapY + (room - block) / 2;
    return kGapY;
}

// How many lines ahead a pass over a long list fetches, and the fetch of one
// line's characters (a list line is a few cache lines long).
constexpr qsizetype kFetchAhead = 6;
// Its count (kept just before the characters) comes with the first of them.
inline void FetchText(const QString &text, int cacheLines = 8) {
    const char *bytes = reinterpret_cast<const char *>(text.constData());
    const qsizetype length = text.size() * qsizetype(sizeof(QChar));
    __builtin_prefetch(bytes - 16);
    for (qsizetype at = 0; at < length && at < 64 * cacheLines; at += 64) __builtin_prefetch(bytes + at);
}

// A memo given as lines and not wrapped: one memo line for each, found in one
// pass over each line's characters (control characters and width together),
// with no list of paragraphs or broken lines in between. A list of 50,000
// lines is too large for the processor's caches, so every further pass over
// the lines would read them from memory again. The lines and their places are
// those LayoutMemo gives for the same text.
MemoLayout LayoutLines(const Memo &memo, MemoLayout layout) {
    const QRectF box = memo.bounds;
    const double width = box.width() - 2 * kGapX;
    const std::array<double, 256> widths = CharacterWidthTable(memo.font);
    // The width of the text and, as CharactersBefore counts them, the
    // characters that begin before the memo's right edge. The measure stops
    // at that edge: what lies past it is cut away and changes nothing (a
    // control character past it included), so a long line is read only as
    // far as it prints.
    const double edge = box.width() - kGapX;
    const auto measure = [&widths, edge](const QString &text, bool *control, qsizetype *before) {
        double x = 0;
        const qsizetype size = text.size();
        *before = size;
        if (size == 0 || !(0 < edge)) {
            *before = 0;
            return x;
        }
        const QChar *chars = text.constData();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t u = chars[i].unicode();
            if (u < 0x20) *control = true;
            x += widths[u < 0x80 ? size_t(u) : size_t(CodePageByte(chars[i]))];
            if (x >= edge) {
                *before = i + 1;
                break;
            }
        }
        return x;
    };

    double top = FirstLineTop(memo, memo.lines.size(), layout.lineHeight);
    const qsizetype shown =
        top >= box.height() ? 0
                            : std::min<qsizetype>(memo.lines.size(),
                                                  qsizetype(std::ceil((box.height() - top) / layout.lineHeight)) + 1);
    layout.lines.reserve(size_t(shown));
    const qsizetype count = memo.lines.size();
    for (qsizetype k = 0; k < count; ++k) {
        if (top >= box.height()) break;  // below the memo: not printed
        // The lines lie apart in memory, in the list's order (a sorted list):
        // the ones a few steps ahead are fetched while this one is measured.
        if (k + kFetchAhead < count) FetchText(memo.lines.at(k + kFetchAhead));
        const QString &given = memo.lines.at(k);
        bool control = false;
        qsizetype before = 0;
        double lineWidth = measure(given, &control, &before);
        QString text;
        if (control) {
            // A control character prints as a blank; a closing CR is dropped.
            text = given;
            if (text.endsWith(u'\r')) text.chop(1);
            for (QChar &c : text)
                if (c.unicode() < 0x20) c = u' ';
            lineWidth = measure(text, &control, &before);
        }
        qsizetype length = control ? text.size() : given.size();
        double x = kGapX;
        if (lineWidth > width) {
            // A line longer than the memo keeps its beginning: it starts at
            // the left and is cut at the memo's right edge.
            length = before;
            if (control) text.truncate(before);
        } else if (memo.alignment & (Qt::AlignRight | Qt::AlignHCenter)) {
            const double free = width - lineWidth;
            if (memo.alignment & Qt::AlignRight)
                x += free;
            else
                x += free / 2;
        }
        if (control)
            layout.lines.push_back({std::move(text), x, top});
        else
            layout.lines.push_back({QString(), x, top, &given, length});
        top += layout.lineHeight;
    }
    return layout;
}

MemoLayout LayoutMemo(const Memo &memo) {
    MemoLayout layout;
    layout.lineHeight = memo.lineHeight > 0 ? memo.lineHeight : 1.2 * memo.font.size * kMmPerPoint;
    // No text at all, or one empty line: nothing to lay out, as for an empty text.
    if (memo.text.isEmpty() && (memo.lines.isEmpty() || (memo.lines.size() == 1 && memo.lines.front().isEmpty())))
        return layout;
    const QRectF box = memo.bounds;
    const double width = box.width() - 2 * kGapX;
    if (!memo.lines.isEmpty() && !memo.wordWrap) return LayoutLines(memo, std::move(layout));

    struct Broken {
        QString text;
        bool cut;
    };
    std::vector<Broken> broken;
    const QStringList paragraphs = memo.lines.isEmpty() ? Paragraphs(memo.text) : Paragraphs(memo.lines);
    for (const QString &paragraph : paragraphs) {
        if (memo.wordWrap) {
            for (const QString &line : Wrap(memo.font, paragraph, width)) broken.push_back({line, false});
        } else if (TextWidth(memo.font, paragraph) > width) {
            // A line longer than the memo keeps its beginning: it starts at
            // the left and is cut at the memo's right edge.
            broken.push_back({paragraph.left(CharactersBefore(memo.font, paragraph, box.width() - kGapX)), true});
        } else {
            broken.push_back({paragraph, false});
        }
    }

    double top = FirstLineTop(memo, qsizetype(broken.size()), layout.lineHeight);
    for (const Broken &line : broken) {
        if (top >= box.height()) break;  // below the memo: not printed
        double x = kGapX;
        // A line that starts at the left needs no measuring.
        if (!line.cut && (memo.alignment & (Qt::AlignRight | Qt::AlignHCenter))) {
            const double free = width - TextWidth(memo.font, line.text);
            if (memo.alignment & Qt::AlignRight)
                x += free;
            else
                x += free / 2;
        }
        layout.lines.push_back({line.text, x, top});
        top += layout.lineHeight;
    }
    return layout;
}

// The layouts of the memos of one preparation. Each memo is laid out once,
// when it is first placed; a memo that goes on over many pages is then only
// looked up, so a preparation costs in proportion to its lines.
class Layouts {
public:
    const MemoLayout &Of(const Memo &memo) {
        auto found = layouts_.find(&memo);
        if (found == layouts_.end()) found = layouts_.emplace(&memo, LayoutMemo(memo)).first;
        return found->second;
    }

private:
    std::unordered_map<const Memo *, MemoLayout> layouts_;
};

// The first of a memo's lines whose top, on its container, is not above `y`.
// Lines follow one another down the memo, so their tops only grow.
std::vector<MemoLine>::const_iterator FirstLineFrom(const MemoLayout &layout, double memoTop, double y) {
    return std::partition_point(layout.lines.begin(), layout.lines.end(),
                                [&](const MemoLine &line) { return memoTop + line.top < y; });
}

// A picture fitted into its frame, its proportions kept, centred.
QRectF FitPicture(const QRectF &frame, const QSize &image) {
    if (image.isEmpty()) return frame;
    const double scale = std::min(frame.width() / image.width(), frame.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    return QRectF(frame.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

// Puts onto the page the part of a page's or band's objects that lies between
// `from` and `to` (measured from the container's top), with the container's
// point `from` landing at `at` on the sheet.
class Placer {
public:
    Placer(PreparedPage &page, Layouts &layouts, const QPointF &at, double from, double to)
        : page_(page), layouts_(layouts), shift_(at.x(), at.y() - (std::isinf(from) ? 0 : from)), from_(from),
          to_(to) {}

    void PlaceAll(const ObjectList &objects) {
        for (const auto &object : objects.Objects()) Place(*object);
    }

private:
    bool TopHere(double top) const { return top >= from_ && top < to_; }

    void Place(const ReportObject &object) {
        if (const auto *memo = dynamic_cast<const Memo *>(&object))
            PlaceMemo(*memo);
        else if (const auto *picture = dynamic_cast<const Picture *>(&object))
            PlacePicture(*picture);
        else if (const auto *line = dynamic_cast<const Line *>(&object))
            PlaceLine(*line);
        else if (const auto *shape = dynamic_cast<const Shape *>(&object))
            PlaceShape(*shape);
    }

    void PlaceMemo(const Memo &memo) {
        const QRectF box = memo.bounds;
        const double top = std::max(box.top(), from_), bottom = std::min(box.bottom(), to_);
        if (top >= bottom && !TopHere(box.top())) return;
        const QRectF part = QRectF(box.left(), top, box.width(), std::max(0.0, bottom - top)).translated(shift_);
        if (memo.fill.isValid()) page_.steps.push_back(FillStep{part, memo.fill});
        const MemoLayout &layout = layouts_.Of(memo);
        const double baseline = BaselineInLine(memo.font, layout.lineHeight);
        const auto first = FirstLineFrom(layout, box.top(), from_);
        // The page's steps grow once for the memo's lines here, not step by
        // step: a long list would otherwise move every page's steps several
        // times over.
        const auto end = FirstLineFrom(layout, box.top(), to_);
        if (end > first) page_.steps.reserve(page_.steps.size() + size_t(end - first) + 1);
        for (auto it = first; it != layout.lines.end(); ++it) {
            if (layout.lines.end() - it > kFetchAhead) {
                const MemoLine &ahead = *(it + kFetchAhead);
                FetchText(ahead.given ? *ahead.given : ahead.text, 4);
            }
            const MemoLine &line = *it;
            if (!TopHere(box.top() + line.top)) break;
            const QPointF lineTop = QPointF(box.left(), box.top() + line.top) + shift_;
            TextStep step;
            step.object = memo.name;
            step.text = line.Text();
            step.font = memo.font;
            step.origin = QPointF(lineTop.x() + line.x, lineTop.y() + baseline);
            step.clip = QRectF(lineTop.x(), lineTop.y(), box.width(), layout.lineHeight);
            page_.steps.push_back(std::move(step));
        }
        if (memo.frame.isValid()) page_.steps.push_back(FrameStep{part, memo.frame, memo.frameWidth});
    }

    void PlacePicture(const Picture &picture) {
        if (!TopHere(picture.bounds.top()) || picture.image.isNull()) return;
        page_.steps.push_back(ImageStep{
            picture.name, FitPicture(picture.bounds.translated(shift_), picture.image.size()), picture.image});
    }

    void PlaceLine(const Line &line) {
        const QRectF box = line.bounds;
        if (!TopHere(std::min(box.top(), box.bottom()))) return;
        page_.steps.push_back(LineStep{box.topLeft() + shift_, box.bottomRight() + shift_, line.colour, line.width});
    }

    void PlaceShape(const Shape &shape) {
        if (!TopHere(shape.bounds.top())) return;
        const QRectF box = shape.bounds.translated(shift_);
        if (shape.fill.isValid()) page_.steps.push_back(FillStep{box, shape.fill});
        if (shape.frame.isValid()) page_.steps.push_back(FrameStep{box, shape.frame, shape.frameWidth});
    }

    PreparedPage &page_;
    Layouts &layouts_;
    QPointF shift_;
    double from_, to_;
};

// Where a band that goes on over the next page is cut, measured from its top:
// at most `limit`, moved up so that no memo line and no other object is cut
// through. Lines and objects taller than a whole page are cut at the limit.
double BreakOf(const Band &band, Layouts &layouts, double from, double limit) {
    double cut = limit;
    for (bool moved = true; moved;) {
        moved = false;
        for (const auto &object : band.Objects()) {
            const QRectF box = object->bounds.normalized();
            if (box.top() >= cut || box.bottom() <= cut) continue;
            double earlier = cut;
            if (const auto *memo = dynamic_cast<const Memo *>(object.get())) {
                // Only the last line that begins above the cut can reach below it.
                const MemoLayout &layout = layouts.Of(*memo);
                const auto below = FirstLineFrom(layout, box.top(), cut);
                if (below != layout.lines.begin()) {
                    const double lineTop = box.top() + std::prev(below)->top;
                    if (lineTop + layout.lineHeight > cut) earlier = lineTop;
                }
            } else {
                earlier = box.top();
            }
            if (earlier < cut && earlier > from) {
                cut = earlier;
                moved = true;
            }
        }
    }
    return cut;
}

// Whether anything of the band is still to be printed from `from` down: a memo
// that reaches below it, or another object that begins there.
bool PrintsFrom(const Band &band, double from) {
    for (const auto &object : band.Objects()) {
        const QRectF box = object->bounds.normalized();
        if (dynamic_cast<const Memo *>(object.get()) ? box.bottom() > from : box.top() >= from) return true;
    }
    return false;
}

// Lays one template page out into as many sheets as its bands need.
class PageBuilder {
public:
    PageBuilder(const ReportPage &page, Layouts &layouts, std::vector<PreparedPage> &out)
        : page_(page), layouts_(layouts), out_(out) {
        area_ = page.PrintableArea();
        double headers = 0, footers = 0;
        for (const auto &band : page.Bands()) {
            if (band->kind == BandKind::PageHeader) headers += band->Height();
            if (band->kind == BandKind::PageFooter) footers += band->Height();
        }
        bodyTop_ = area_.top() + headers;
        bodyBottom_ = area_.bottom() - footers;
    }

    void Build() {
        NewSheet();
        for (const auto &band : page_.Bands())
            if (band->kind == BandKind::MasterData) PlaceData(*band);
    }

private:
    PreparedPage &Sheet() { return out_.back(); }

    void NewSheet() {
        PreparedPage sheet;
        sheet.size = page_.SheetSize();
        sheet.orientation = page_.orientation;
        sheet.margins = page_.margins;
        out_.push_back(std::move(sheet));
        Placer(Sheet(), layouts_, area_.topLeft(), -kInfinity, kInfinity).PlaceAll(page_);
        double y = area_.top();
        for (const auto &band : page_.Bands())
            if (band->kind == BandKind::PageHeader) {
                Placer(Sheet(), layouts_, QPointF(area_.left(), y), -kInfinity, kInfinity).PlaceAll(*band);
                y += band->Height();
            }
        y = bodyBottom_;
        for (const auto &band : page_.Bands())
            if (band->kind == BandKind::PageFooter) {
                Placer(Sheet(), layouts_, QPointF(area_.left(), y), -kInfinity, kInfinity).PlaceAll(*band);
                y += band->Height();
            }
        cursor_ = bodyTop_;
    }

    void PlaceData(const Band &band) {
        const double height = band.Height();
        double from = 0;
        while (true) {
            const double room = bodyBottom_ - cursor_;
            const bool freshSheet = cursor_ <= bodyTop_;
            if (height - from <= room) {
                Placer(Sheet(), layouts_, QPointF(area_.left(), cursor_), from, kInfinity).PlaceAll(band);
                cursor_ += height - from;
                return;
            }
            if (!band.allowSplit) {
                if (!freshSheet) {
                    NewSheet();
                    continue;
                }
                // Taller than a whole page and not to be split: it prints
                // from the top of the page, what does not fit is lost.
                Placer(Sheet(), layouts_, QPointF(area_.left(), cursor_), 0, room).PlaceAll(band);
                cursor_ = bodyBottom_;
                return;
            }
            if (room <= 0 && freshSheet) {
                // Headers and footers leave no room on any page: the rest
                // prints where the body would begin.
                Placer(Sheet(), layouts_, QPointF(area_.left(), cursor_), from, kInfinity).PlaceAll(band);
                return;
            }
            double cut = room > 0 ? BreakOf(band, layouts_, from, from + room) : from;
            // A line taller than a whole page is cut at the page's foot.
            if (cut <= from && freshSheet) cut = from + room;
            if (cut > from) {
                Placer(Sheet(), layouts_, QPointF(area_.left(), cursor_), from, cut).PlaceAll(band);
                from = cut;
            }
            if (!PrintsFrom(band, from)) {
                // Only the band's empty foot is left: no page for it alone.
                cursor_ = bodyBottom_;
                return;
            }
            NewSheet();
        }
    }

    const ReportPage &page_;
    Layouts &layouts_;
    std::vector<PreparedPage> &out_;
    QRectF area_;
    double bodyTop_ = 0, bodyBottom_ = 0, cursor_ = 0;
};

}  // namespace

ReportError::ReportError(const QString &reason) : std::runtime_error(reason.toStdString()) {}

QStringList PreparedPage::Texts(const QString &object) const {
    QStringList texts;
    for (const PageStep &step : steps)
        if (const auto *text = std::get_if<TextStep>(&step))
            if (object.isEmpty() || text->object == object) texts.append(text->text);
    return texts;
}

Memo &ObjectList::AddMemo(const QString &name, const QRectF &bounds, const QString &text) {
    objects_.push_back(std::make_unique<Memo>(name, bounds, text));
    return static_cast<Memo &>(*objects_.back());
}

Picture &ObjectList::AddPicture(const QString &name, const QRectF &bounds, const QImage &image) {
    auto picture = std::make_unique<Picture>(name, bounds);
    picture->image = image;
    objects_.push_back(std::move(picture));
    return static_cast<Picture &>(*objects_.back());
}

Line &ObjectList::AddLine(const QString &name, const QRectF &bounds) {
    objects_.push_back(std::make_unique<Line>(name, bounds));
    return static_cast<Line &>(*objects_.back());
}

Shape &ObjectList::AddShape(const QString &name, const QRectF &bounds) {
    objects_.push_back(std::make_unique<Shape>(name, bounds));
    return static_cast<Shape &>(*objects_.back());
}

ReportObject *ObjectList::FindOwn(const QString &name) const {
    for (const auto &object : objects_)
        if (object->name == name) return object.get();
    return nullptr;
}

ReportPage::ReportPage(QString name, const QSizeF &paper, QPageLayout::Orientation orientation,
                       const QMarginsF &margins)
    : name(std::move(name)), paper(paper), orientation(orientation), margins(margins) {}

QSizeF ReportPage::SheetSize() const {
    const double shorter = std::min(paper.width(), paper.height());
    const double longer = std::max(paper.width(), paper.height());
    return orientation == QPageLayout::Landscape ? QSizeF(longer, shorter) : QSizeF(shorter, longer);
}

QRectF ReportPage::PrintableArea() const { return QRectF(QPointF(0, 0), SheetSize()).marginsRemoved(margins); }

Band &ReportPage::AddBand(const QString &name, BandKind kind, double height) {
    bands_.push_back(std::make_unique<Band>(name, kind, height));
    bands_.back()->bounds.setWidth(PrintableArea().width());
    return *bands_.back();
}

Report::Report(QString name) : name(std::move(name)) {}

ReportPage &Report::AddPage(const QString &pageName, const QSizeF &paper, QPageLayout::Orientation orientation,
                            const QMarginsF &margins) {
    pages_.push_back(std::make_unique<ReportPage>(pageName, paper, orientation, margins));
    return *pages_.back();
}

ReportObject *Report::FindObject(const QString &objectName) const {
    for (const auto &page : pages_) {
        if (ReportObject *found = page->FindOwn(objectName)) return found;
        for (const auto &band : page->Bands()) {
            if (band->name == objectName) return band.get();
            if (ReportObject *found = band->FindOwn(objectName)) return found;
        }
    }
    return nullptr;
}

ReportError Report::MissingObject(const QString &objectName) {
    return ReportError(QStringLiteral("il modello di stampa non contiene l'oggetto \"%1\"").arg(objectName));
}

void Report::RequirePrepared() const {
    if (prepared_->empty()) throw ReportError(QStringLiteral("il documento non \u00e8 stato preparato per la stampa"));
}

void Report::Prepare() {
    // New pages: a print job made before keeps the pages it was given.
    prepared_ = std::make_shared<std::vector<PreparedPage>>();
    Layouts layouts;
    for (const auto &page : pages_) PageBuilder(*page, layouts, *prepared_).Build();
}

}  // namespace vel::report
