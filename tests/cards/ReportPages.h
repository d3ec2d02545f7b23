#pragma once
// Reads back what a printed report page draws: every text with where it
// stands, the font it was drawn in and its colour, by replaying the page's
// picture onto a device that only records texts. Fills, frames, lines and
// pictures are passed over. The device has the picture's own resolution, so
// positions come back in the page's points as drawn.
#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTextItem>
#include <algorithm>
#include <vector>

namespace vel::test {

struct PageText {
    QPointF at;  // the baseline's start, in points of the page
    QString text;
    QFont font;
    QColor colour;
};

class PageTextRecorder final : public QPaintEngine {
public:
    PageTextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &state) override {
        if (state.state() & QPaintEngine::DirtyPen) pen_ = state.pen();
        if (state.state() & QPaintEngine::DirtyTransform) transform_ = state.transform();
    }
    // Everything but text is passed over. Each drawing call is overridden:
    // the engine's defaults hand one kind of shape to another, and the two
    // polygon calls to each other without end.
    void drawRects(const QRect *, int) override {}
    void drawRects(const QRectF *, int) override {}
    void drawLines(const QLine *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawEllipse(const QRectF &) override {}
    void drawEllipse(const QRect &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPoints(const QPointF *, int) override {}
    void drawPoints(const QPoint *, int) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override {
        texts.push_back({transform_.map(p), item.text(), item.font(), pen_.color()});
    }
    Type type() const override { return QPaintEngine::User; }
    std::vector<PageText> texts;

private:
    QPen pen_;
    QTransform transform_;
};

class PageTextDevice final : public QPaintDevice {
public:
    QPaintEngine *paintEngine() const override { return &engine_; }
    std::vector<PageText> &Texts() { return engine_.texts; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return 842;
        case PdmHeight: return 596;
        case PdmWidthMM: return 297;
        case PdmHeightMM: return 210;
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;  // a picture plays unscaled at its own resolution
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    mutable PageTextRecorder engine_;
};

// The texts of one page as a reader meets them: from the top of the page
// down, and from left to right along one baseline (a page draws its bands
// in its own order, the footer before the body).
inline std::vector<PageText> TextsOf(const QPicture &page) {
    PageTextDevice device;
    {
        QPainter painter(&device);
        painter.drawPicture(0, 0, page);
    }
    std::vector<PageText> texts = device.Texts();
    std::stable_sort(texts.begin(), texts.end(), [](const PageText &a, const PageText &b) {
        const qint64 ya = qRound64(a.at.y() * 100), yb = qRound64(b.at.y() * 100);
        return ya != yb ? ya < yb : a.at.x() < b.at.x();
    });
    return texts;
}

inline QStringList StringsOf(const QPicture &page) {
    QStringList out;
    for (const PageText &t : TextsOf(page)) out.append(t.text);
    return out;
}

}  // namespace vel::test
