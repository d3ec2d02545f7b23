#include "SpreadsheetExport.h"

#include "SafeFile.h"
#include "TextRules.h"

namespace vel {
namespace {

// The markup before the sheet's name, and from the name to the header cells.
// The file has no line break anywhere, not even at its end.
const QString kHead = QStringLiteral(
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
    "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
    "xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook>"
    "<x:ExcelWorksheets>"
    "<x:ExcelWorksheet>"
    "<x:Name>");
const QString kAfterName = QStringLiteral(
    "</x:Name>"
    "<x:WorksheetOptions>"
    "<x:Selected/>"
    "<x:Panes>"
    "<x:Pane>"
    "<x:Number>1</x:Number>"
    "<x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane>"
    "</x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions>"
    "</x:ExcelWorksheet>"
    "</x:ExcelWorksheets>"
    "</x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head>"
    "<body>"
    "<table x:str>"
    "<tr>");
const QString kHeaderCell = QStringLiteral("<td style=\"text-align: left; font-weight: bold;\" width=");
const QString kDataCell = QStringLiteral("<td style=\"text-align: left;\">");
const QString kCellEnd = QStringLiteral("</td>");
const QString kRowStart = QStringLiteral("<tr>");
const QString kRowEnd = QStringLiteral("</tr>");
const QString kTail = QStringLiteral("</table></body></html>");

bool HasByte(char32_t codePoint) {
    return codePoint <= 0xFFFF && FitsCp1252(QString(QChar(char16_t(codePoint))));
}

}  // namespace

SpreadsheetExport::SpreadsheetExport(const QString &sheetName, std::vector<SpreadsheetColumn> columns)
    : columns_(std::move(columns)) {
    text_ = kHead + sheetName + kAfterName;
    for (const SpreadsheetColumn &column : columns_)
        text_ += kHeaderCell + QString::number(column.width) + u'>' + column.caption + kCellEnd;
    text_ += kRowEnd;
}

QString SpreadsheetExport::CellText(const QString &text) {
    const QString trimmed = Trim(text);
    QString out;
    out.reserve(trimmed.size());
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        switch (c.unicode()) {
        case u'&': out += QStringLiteral("&amp;"); continue;
        case u'<': out += QStringLiteral("&lt;"); continue;
        case u'>': out += QStringLiteral("&gt;"); continue;
        default: break;
        }
        char32_t codePoint = c.unicode();
        qsizetype units = 1;
        if (c.isHighSurrogate() && i + 1 < trimmed.size() && trimmed.at(i + 1).isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(c, trimmed.at(i + 1));
            units = 2;
        }
        if (HasByte(codePoint)) {
            out += c;
        } else if (units == 1 && c.isSurrogate()) {
            out += u'?';  // half a character: there is nothing to name
        } else {
            out += QStringLiteral("&#%1;").arg(quint32(codePoint));
            i += units - 1;
        }
    }
    return out;
}

void SpreadsheetExport::AddRow(const QStringList &cells) {
    text_ += kRowStart;
    for (qsizetype k = 0; k < qsizetype(columns_.size()); ++k)
        text_ += kDataCell + (k < cells.size() ? CellText(cells.at(k)) : QString()) + kCellEnd;
    text_ += kRowEnd;
    ++rows_;
}

QByteArray SpreadsheetExport::Bytes() const { return ToCp1252(text_ + kTail); }

bool SpreadsheetExport::WriteTo(const QString &path) const { return WriteFileAtomically(path, Bytes()); }

}  // namespace vel
