// Writes prepared pages as a PDF file with libharu: no compression, the
// standard fonts in the Windows code page (so accented letters come out as
// they are), pictures as JPEG of quality 95.
//
// No encryption and no passwords are written. The program asks for a file
// that anyone may print, change, copy and annotate: a PDF without encryption
// permits exactly that, and libharu sets permission flags only together with
// an owner password, which would encrypt the file and bind those rights to a
// password nobody knows.
#include <QBuffer>
#include <QDir>
#include <QHash>
#include <QPainter>
#include <hpdf.h>
#include <type_traits>

#include "common/SafeFile.h"
#include "common/TextRules.h"
#include "report/Report.h"
#include "report/StandardFonts.h"

namespace vel::report {
namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double Pt(double mm) { return mm * kPointsPerMm; }

struct Failure {
    HPDF_STATUS error = HPDF_OK;
    HPDF_STATUS detail = 0;
};

void HPDF_STDCALL RecordFailure(HPDF_STATUS error, HPDF_STATUS detail, void *data) {
    auto *failure = static_cast<Failure *>(data);
    if (failure->error == HPDF_OK) *failure = {error, detail};
}

class PdfDocument {
public:
    PdfDocument() : doc_(HPDF_New(RecordFailure, &failure_)) {
        if (!doc_) throw ReportError(QStringLiteral("memoria insufficiente per creare il documento PDF"));
    }
    ~PdfDocument() { HPDF_Free(doc_); }
    PdfDocument(const PdfDocument &) = delete;
    PdfDocument &operator=(const PdfDocument &) = delete;

    // Raises the first failure the library reported.
    void Check() const {
        if (failure_.error != HPDF_OK)
            throw ReportError(QStringLiteral("errore %1 (dettaglio %2) nella composizione del PDF")
                                  .arg(QString::number(failure_.error, 16).toUpper())
                                  .arg(failure_.detail));
    }

    void Write(const std::vector<PreparedPage> &pages, const QString &title, const QString &subject) {
        HPDF_SetCompressionMode(doc_, HPDF_COMP_NONE);
        HPDF_SetInfoAttr(doc_, HPDF_INFO_TITLE, ToCp1252(title).constData());
        HPDF_SetInfoAttr(doc_, HPDF_INFO_SUBJECT, ToCp1252(subject).constData());
        Check();
        for (const PreparedPage &page : pages) {
            HPDF_Page out = HPDF_AddPage(doc_);
            Check();
            height_ = Pt(page.size.height());
            HPDF_Page_SetWidth(out, HPDF_REAL(Pt(page.size.width())));
            HPDF_Page_SetHeight(out, HPDF_REAL(height_));
            for (const PageStep &step : page.steps) std::visit([this, out](const auto &s) { Draw(out, s); }, step);
            Check();
        }
    }

    QByteArray Bytes() {
        HPDF_SaveToStream(doc_);
        Check();
        HPDF_UINT32 size = HPDF_GetStreamSize(doc_);
        QByteArray bytes(qsizetype(size), '\0');
        HPDF_ReadFromStream(doc_, reinterpret_cast<HPDF_BYTE *>(bytes.data()), &size);
        // Reading up to the end of the stream is reported as its end, not as
        // a failure.
        if (failure_.error == HPDF_STREAM_EOF) failure_ = {};
        Check();
        bytes.resize(qsizetype(size));
        return bytes;
    }

private:
    // Page positions count from the sheet's foot in PDF.
    double Y(double mm) const { return height_ - Pt(mm); }

    static void Colour(HPDF_Page page, const QColor &c, bool fill) {
        const auto r = HPDF_REAL(c.redF()), g = HPDF_REAL(c.greenF()), b = HPDF_REAL(c.blueF());
        if (fill)
            HPDF_Page_SetRGBFill(page, r, g, b);
        else
            HPDF_Page_SetRGBStroke(page, r, g, b);
    }

    void Rectangle(HPDF_Page page, const QRectF &r) const {
        HPDF_Page_Rectangle(page, HPDF_REAL(Pt(r.left())), HPDF_REAL(Y(r.bottom())), HPDF_REAL(Pt(r.width())),
                            HPDF_REAL(Pt(r.height())));
    }

    void Draw(HPDF_Page page, const FillStep &s) {
        Colour(page, s.colour, true);
        Rectangle(page, s.rect);
        HPDF_Page_Fill(page);
    }

    void Draw(HPDF_Page page, const FrameStep &s) {
        Colour(page, s.colour, false);
        HPDF_Page_SetLineWidth(page, HPDF_REAL(Pt(s.width)));
        Rectangle(page, s.rect);
        HPDF_Page_Stroke(page);
    }

    void Draw(HPDF_Page page, const LineStep &s) {
        Colour(page, s.colour, false);
        HPDF_Page_SetLineWidth(page, HPDF_REAL(Pt(s.width)));
        HPDF_Page_MoveTo(page, HPDF_REAL(Pt(s.from.x())), HPDF_REAL(Y(s.from.y())));
        HPDF_Page_LineTo(page, HPDF_REAL(Pt(s.to.x())), HPDF_REAL(Y(s.to.y())));
        HPDF_Page_Stroke(page);
    }

    void Draw(HPDF_Page page, const ImageStep &s) {
        HPDF_Image image = Jpeg(s.image);
        HPDF_Page_DrawImage(page, image, HPDF_REAL(Pt(s.rect.left())), HPDF_REAL(Y(s.rect.bottom())),
                            HPDF_REAL(Pt(s.rect.width())), HPDF_REAL(Pt(s.rect.height())));
    }

    void Draw(HPDF_Page page, const TextStep &s) {
        const QByteArray bytes = ToCp1252(s.text);
        if (bytes.isEmpty()) return;
        HPDF_Page_GSave(page);
        Rectangle(page, s.clip);
        HPDF_Page_Clip(page);
        HPDF_Page_EndPath(page);
        Colour(page, s.font.colour, true);
        HPDF_Page_BeginText(page);
        HPDF_Page_SetFontAndSize(page, Font(s.font), HPDF_REAL(s.font.size));
        HPDF_Page_TextOut(page, HPDF_REAL(Pt(s.origin.x())), HPDF_REAL(Y(s.origin.y())), bytes.constData());
        HPDF_Page_EndText(page);
        HPDF_Page_GRestore(page);
    }

    HPDF_Font Font(const ReportFont &font) {
        const char *name = StandardFontName(font);
        auto found = fonts_.constFind(name);
        if (found != fonts_.constEnd()) return *found;
        HPDF_Font loaded = HPDF_GetFont(doc_, name, "WinAnsiEncoding");
        Check();
        fonts_.insert(name, loaded);
        return loaded;
    }

    // Each picture is stored once, however many pages show it. JPEG has no
    // transparency: a transparent picture is laid on white first.
    HPDF_Image Jpeg(const QImage &picture) {
        auto found = images_.constFind(picture.cacheKey());
        if (found != images_.constEnd()) return *found;
        QImage flat(picture.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        {
            QPainter painter(&flat);
            painter.drawImage(0, 0, picture);
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        if (!flat.save(&buffer, "JPG", 95))
            throw ReportError(QStringLiteral("impossibile convertire un'immagine in formato JPEG"));
        HPDF_Image image = HPDF_LoadJpegImageFromMem(doc_, reinterpret_cast<const HPDF_BYTE *>(jpeg.constData()),
                                                     HPDF_UINT(jpeg.size()));
        Check();
        images_.insert(picture.cacheKey(), image);
        return image;
    }

    Failure failure_;
    HPDF_Doc doc_;
    double height_ = 0;
    QHash<QByteArray, HPDF_Font> fonts_;
    QHash<qint64, HPDF_Image> images_;
};

}  // namespace

void Report::ExportPdf(const QString &path, const QString &title, const QString &subject) const {
    RequirePrepared();
    QByteArray bytes;
    {
        PdfDocument pdf;
        pdf.Write(*prepared_, title, subject);
        bytes = pdf.Bytes();
    }
    if (!WriteFileAtomically(path, bytes))
        throw ReportError(QStringLiteral("impossibile scrivere il file \"%1\"").arg(QDir::toNativeSeparators(path)));
}

}  // namespace vel::report
