#pragma once
// Prepared pages and printed pictures turned into images, and the PDF tools
// of poppler run on a written file, so that tests can look at what a report
// really draws.
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTextItem>
#include <QtMath>

#include "report/PagePainter.h"
#include "report/PreparedPage.h"

namespace vel::test {

// A prepared page drawn on white, `dotsPerMm` pixels to the millimetre.
inline QImage RenderPage(const report::PreparedPage &page, double dotsPerMm) {
    QImage image(qCeil(page.size.width() * dotsPerMm), qCeil(page.size.height() * dotsPerMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(dotsPerMm, dotsPerMm);
    report::PaintPage(painter, page);
    return image;
}

// A page of a print job (a picture in points of the sheet) played on white,
// as the printer plays it, `dotsPerMm` pixels to the millimetre.
inline QImage RenderPrinted(const QPicture &page, const QSizeF &sheetMm, double dotsPerMm) {
    QImage image(qCeil(sheetMm.width() * dotsPerMm), qCeil(sheetMm.height() * dotsPerMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(dotsPerMm * 25.4 / 72.0, dotsPerMm * 25.4 / 72.0);
    painter.drawPicture(0, 0, page);
    return image;
}

// The texts a printed page draws, in their order, read by playing its
// picture on a device that only records them.
class PictureTextEngine final : public QPaintEngine {
public:
    PictureTextEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
    void drawRects(const QRectF *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { texts.append(item.text()); }
    Type type() const override { return QPaintEngine::User; }
    QStringList texts;
};

class PictureTextDevice final : public QPaintDevice {
public:
    QPaintEngine *paintEngine() const override { return &engine; }
    mutable PictureTextEngine engine;

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return 842;
            case PdmHeight:
                return 842;
            case PdmWidthMM:
                return 297;
            case PdmHeightMM:
                return 297;
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(devicePixelRatioFScale());
            default:
                return 72;  // the resolutions: a picture plays in points
        }
    }
};

inline QStringList PictureTexts(const QPicture &page) {
    PictureTextDevice device;
    {
        QPainter painter(&device);
        painter.drawPicture(0, 0, page);
    }
    return device.engine.texts;
}

inline QRgb PixelAtMm(const QImage &image, double dotsPerMm, double x, double y) {
    return image.pixel(int(x * dotsPerMm), int(y * dotsPerMm));
}

// How many pixels of the rectangle (in millimetres) are darker than light grey.
inline int DarkPixels(const QImage &image, double dotsPerMm, const QRectF &mm) {
    int dark = 0;
    const QRect area = QRect(int(mm.left() * dotsPerMm), int(mm.top() * dotsPerMm), int(mm.width() * dotsPerMm),
                             int(mm.height() * dotsPerMm))
                           .intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160) ++dark;
    return dark;
}

// The output of a poppler tool run on a file; an empty text when the tool is
// missing (see HasPdfTools) or fails.
inline QString RunPdfTool(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline bool HasPdfTools() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

}  // namespace vel::test
