#include "StandardFonts.h"

#include <QFontDatabase>
#include <array>
#include <hpdf.h>

#include "common/TextRules.h"

namespace vel::report {
namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

// Widths of the 256 characters of the Windows code page in the four standard
// fonts, in thousandths of the font size, read once from the PDF library's
// own font tables.
class WidthTables {
public:
    static const WidthTables &Get() {
        static const WidthTables tables;
        return tables;
    }
    const std::array<int, 256> &Of(const ReportFont &font) const {
        return tables_[(IsFixedPitch(font.family) ? 2 : 0) + (font.bold ? 1 : 0)];
    }

private:
    WidthTables() {
        HPDF_Doc doc = HPDF_New(nullptr, nullptr);
        const char *names[4] = {"Helvetica", "Helvetica-Bold", "Courier", "Courier-Bold"};
        for (int f = 0; f < 4; ++f) {
            HPDF_Font font = doc ? HPDF_GetFont(doc, names[f], "WinAnsiEncoding") : nullptr;
            for (int b = 0; b < 256; ++b) {
                const HPDF_BYTE byte = HPDF_BYTE(b);
                // Without the tables, a plain average keeps the layout going.
                tables_[f][b] = font && b ? int(HPDF_Font_TextWidth(font, &byte, 1).width) : (b ? 556 : 0);
            }
        }
        if (doc) HPDF_Free(doc);
    }
    std::array<std::array<int, 256>, 4> tables_{};
};

double CharWidth(const std::array<int, 256> &table, const ReportFont &font, char byte) {
    return table[static_cast<unsigned char>(byte)] * font.size / 1000.0 * kMmPerPoint;
}

// The code page's byte of one character. ASCII and Latin-1 above 0x9F are
// their own bytes; the rest goes through the program's own conversion.
char ByteOf(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    return ToCp1252(QString(c)).at(0);
}

bool Installed(const QString &family) { return QFontDatabase::hasFamily(family); }

}  // namespace

bool IsFixedPitch(const QString &family) {
    // Asked for every line of a list, always of the same few fonts: the last
    // answer is kept (a family handed round the report is the same string).
    thread_local QString lastFamily;
    thread_local bool lastFixed = false;
    if (family.isSharedWith(lastFamily) || family == lastFamily) return lastFixed;
    lastFixed = family.contains(QLatin1String("Courier"), Qt::CaseInsensitive) ||
                family.contains(QLatin1String("Mono"), Qt::CaseInsensitive);
    lastFamily = family;
    return lastFixed;
}

const char *StandardFontName(const ReportFont &font) {
    if (IsFixedPitch(font.family)) return font.bold ? "Courier-Bold" : "Courier";
    return font.bold ? "Helvetica-Bold" : "Helvetica";
}

double TextWidth(const ReportFont &font, const QString &text) {
    const std::array<int, 256> &table = WidthTables::Get().Of(font);
    double width = 0;
    for (const QChar c : text) width += CharWidth(table, font, ByteOf(c));
    return width;
}

qsizetype CharactersBefore(const ReportFont &font, const QString &text, double width) {
    const std::array<int, 256> &table = WidthTables::Get().Of(font);
    // The code page gives one byte for each character of the text.
    double x = 0;
    qsizetype i = 0;
    while (i < text.size() && x < width) x += CharWidth(table, font, ByteOf(text.at(i++)));
    return i;
}

std::array<double, 256> CharacterWidthTable(const ReportFont &font) {
    const std::array<int, 256> &table = WidthTables::Get().Of(font);
    std::array<double, 256> widths{};
    for (int b = 0; b < 256; ++b) widths[size_t(b)] = CharWidth(table, font, static_cast<char>(b));
    return widths;
}

unsigned char CodePageByte(QChar c) { return static_cast<unsigned char>(ByteOf(c)); }

std::vector<double> CharacterWidths(const ReportFont &font, const QString &text) {
    const std::array<int, 256> &table = WidthTables::Get().Of(font);
    std::vector<double> widths;
    widths.reserve(size_t(text.size()));
    for (const QChar c : text) widths.push_back(CharWidth(table, font, ByteOf(c)));
    return widths;
}

double BaselineInLine(const ReportFont &font, double lineHeight) {
    // The ascent and descent that Arial and Courier New (and Liberation Sans
    // and Mono) declare, as fractions of the font size: the text is centred
    // on them, as Windows centres it.
    const bool fixed = IsFixedPitch(font.family);
    const double ascent = fixed ? 0.833 : 0.905;
    const double descent = fixed ? 0.300 : 0.212;
    const double size = font.size * kMmPerPoint;
    return (lineHeight - (ascent + descent) * size) / 2 + ascent * size;
}

QFont ScreenFont(const ReportFont &font, double unitsPerPoint) {
    static const QString sans = Installed(QStringLiteral("Liberation Sans")) ? QStringLiteral("Liberation Sans")
                                                                             : QStringLiteral("DejaVu Sans");
    static const QString mono = Installed(QStringLiteral("Liberation Mono")) ? QStringLiteral("Liberation Mono")
                                                                             : QStringLiteral("DejaVu Sans Mono");
    QFont screen(IsFixedPitch(font.family) ? mono : sans);
    screen.setPixelSize(qMax(1, qRound(font.size * unitsPerPoint)));
    screen.setBold(font.bold);
    // The PDF's standard fonts have neither kerning nor hinting nor
    // ligatures: without them the glyphs stand where the layout put them,
    // and a line of plain Latin text is drawn without the cost of shaping.
    screen.setKerning(false);
    screen.setHintingPreference(QFont::PreferNoHinting);
    screen.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::PreferNoShaping));
    return screen;
}

}  // namespace vel::report
