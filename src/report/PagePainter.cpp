#include "PagePainter.h"

#include <QPageSize>
#include <QPicture>
#include <type_traits>

#include "platform/Services.h"
#include "report/Report.h"
#include "report/StandardFonts.h"

namespace vel::report {
namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
// Text is drawn in hundredths of a millimetre, so that a font of any size in
// points gets a whole number of drawing units (Qt takes whole pixel sizes).
constexpr double kTextUnitsPerMm = 100.0;

QPen Stroke(const QColor &colour, double width) {
    QPen pen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    return pen;
}

// Draws the lines of text of a page. Lines that follow one another share one
// painter state, scaled to text units: the font and the pen are set only when
// they change, and each line's clip takes the place of the one before. A page
// of many lines then records little more than its texts, where a state saved
// and restored for every line would record the whole state each time.
class TextPainter {
public:
    explicit TextPainter(QPainter &painter) : painter_(painter), clipped_(painter.hasClipping()) {}
    ~TextPainter() { End(); }
    TextPainter(const TextPainter &) = delete;
    TextPainter &operator=(const TextPainter &) = delete;

    void Draw(const TextStep &s) {
        if (!open_) {
            painter_.save();
            painter_.scale(1 / kTextUnitsPerMm, 1 / kTextUnitsPerMm);
            open_ = true;
            hasFont_ = false;
        }
        if (!hasFont_ || font_.family != s.font.family || font_.size != s.font.size || font_.bold != s.font.bold) {
            painter_.setFont(ScreenFont(s.font, kTextUnitsPerMm / kPointsPerMm));
            font_ = s.font;
            hasFont_ = true;
            painter_.setPen(s.font.colour);
        } else if (font_.colour != s.font.colour) {
            painter_.setPen(s.font.colour);
            font_.colour = s.font.colour;
        }
        // The clip in whole text units, a hundredth of a millimetre: a plain
        // rectangle records far less than a path. Under a clip of the
        // caller's own, each line keeps within both and the state goes back
        // to the caller's after it.
        const QRectF clip(s.clip.topLeft() * kTextUnitsPerMm, s.clip.size() * kTextUnitsPerMm);
        painter_.setClipRect(clip.toAlignedRect(), clipped_ ? Qt::IntersectClip : Qt::ReplaceClip);
        painter_.drawText(s.origin * kTextUnitsPerMm, s.text);
        if (clipped_) End();
    }

    // Back to the painter's state before the texts, for what is drawn next.
    void End() {
        if (open_) painter_.restore();
        open_ = false;
    }

private:
    QPainter &painter_;
    const bool clipped_;
    bool open_ = false;
    bool hasFont_ = false;
    ReportFont font_;
};

}  // namespace

void PaintPage(QPainter &painter, const PreparedPage &page) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    TextPainter texts(painter);
    for (const PageStep &step : page.steps) {
        if (const auto *text = std::get_if<TextStep>(&step)) {
            texts.Draw(*text);
            continue;
        }
        texts.End();
        std::visit(
            [&painter](const auto &s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, FillStep>) {
                    painter.fillRect(s.rect, s.colour);
                } else if constexpr (std::is_same_v<T, FrameStep>) {
                    painter.setPen(Stroke(s.colour, s.width));
                    painter.setBrush(Qt::NoBrush);
                    painter.drawRect(s.rect);
                } else if constexpr (std::is_same_v<T, LineStep>) {
                    painter.setPen(Stroke(s.colour, s.width));
                    painter.drawLine(s.from, s.to);
                } else if constexpr (std::is_same_v<T, ImageStep>) {
                    painter.drawImage(s.rect, s.image);
                }
            },
            step);
    }
    texts.End();
    painter.restore();
}

namespace {

// The prepared pages of a report as the printer takes them, painted one by
// one when asked. The job keeps the pages it was given: preparing the report
// again makes new pages and leaves these alone.
class PreparedSource final : public PageSource {
public:
    explicit PreparedSource(std::shared_ptr<const std::vector<PreparedPage>> pages) : pages_(std::move(pages)) {}
    qsizetype PageCount() const override { return qsizetype(pages_->size()); }
    QSize PageSize(qsizetype index) const override {
        const QSizeF &size = pages_->at(size_t(index)).size;
        return QSize(qRound(size.width() * kPointsPerMm), qRound(size.height() * kPointsPerMm));
    }
    void PaintPage(QPainter &painter, qsizetype index) const override {
        painter.save();
        painter.scale(kPointsPerMm, kPointsPerMm);
        report::PaintPage(painter, pages_->at(size_t(index)));
        painter.restore();
    }

private:
    std::shared_ptr<const std::vector<PreparedPage>> pages_;
};

}  // namespace

PrintJob Report::ToPrintJob() const {
    PrintJob job;
    job.title = name;
    if (!prepared_->empty()) {
        const PreparedPage &first = prepared_->front();
        const QSizeF portrait(std::min(first.size.width(), first.size.height()),
                              std::max(first.size.width(), first.size.height()));
        job.layout = QPageLayout(QPageSize(portrait, QPageSize::Millimeter), first.orientation, first.margins,
                                 QPageLayout::Millimeter);
    }
    job.pages = PrintPages(std::make_shared<const PreparedSource>(prepared_));
    return job;
}

bool Report::Print(QWidget *parent) const {
    RequirePrepared();
    return Printing().Print(parent, ToPrintJob());
}

void Report::ShowPreview(QWidget *parent) const {
    RequirePrepared();
    Printing().Preview(parent, ToPrintJob());
}

}  // namespace vel::report
