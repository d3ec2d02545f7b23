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

}  // namespace

void PaintPage(QPainter &painter, const PreparedPage &page) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const PageStep &step : page.steps) {
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
                } else if constexpr (std::is_same_v<T, TextStep>) {
                    painter.save();
                    painter.setClipRect(s.clip, Qt::IntersectClip);
                    painter.translate(s.origin);
                    painter.scale(1 / kTextUnitsPerMm, 1 / kTextUnitsPerMm);
                    painter.setFont(ScreenFont(s.font, kTextUnitsPerMm / kPointsPerMm));
                    painter.setPen(s.font.colour);
                    painter.drawText(QPointF(0, 0), s.text);
                    painter.restore();
                }
            },
            step);
    }
    painter.restore();
}

PrintJob Report::ToPrintJob() const {
    PrintJob job;
    job.title = name;
    if (!prepared_.empty()) {
        const PreparedPage &first = prepared_.front();
        const QSizeF portrait(std::min(first.size.width(), first.size.height()),
                              std::max(first.size.width(), first.size.height()));
        job.layout = QPageLayout(QPageSize(portrait, QPageSize::Millimeter), first.orientation, first.margins,
                                 QPageLayout::Millimeter);
    }
    for (const PreparedPage &page : prepared_) {
        QPicture picture;
        picture.setBoundingRect(
            QRect(0, 0, qRound(page.size.width() * kPointsPerMm), qRound(page.size.height() * kPointsPerMm)));
        QPainter painter(&picture);
        painter.scale(kPointsPerMm, kPointsPerMm);
        PaintPage(painter, page);
        painter.end();
        job.pages.append(picture);
    }
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
