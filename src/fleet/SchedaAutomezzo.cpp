#include "SchedaAutomezzo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <exception>

#include "common/Clock.h"
#include "common/ProgramFolder.h"
#include "common/TextRules.h"
#include "fleet/Flotta.h"
#include "platform/MessageBox.h"
#include "report/ReportOutput.h"
#include "shell/OpenURL.h"

namespace vel {
namespace {

using report::Memo;
using report::Report;

const QString kReportName = QStringLiteral("Scheda informativa");
const QString kPdfName = QStringLiteral("Automezzo.pdf");
const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);
constexpr int kRows = 24;

// Row k of the sheet lies 24 mm + 10 mm for each row above it from the top.
double RowTop(int k) { return 24 + 10 * (k - 1); }

QString RowName(const char *prefix, int k) {
    return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
}

// Every text of the sheet: Arial, regular, one line cut at its edge,
// vertically centred, no frame.
Memo &AddText(report::ReportPage &page, const QString &name, const QRectF &bounds, const QString &text, double points,
              const QColor &colour, Qt::Alignment horizontal, const QColor &fill = QColor()) {
    Memo &memo = page.AddMemo(name, bounds, text);
    memo.font = {QStringLiteral("Arial"), points, false, colour};
    memo.fill = fill;
    memo.alignment = horizontal | Qt::AlignVCenter;
    memo.wordWrap = false;
    return memo;
}

QString Value(const Edit *edit) { return Trim(edit->text()); }
QString Value(const ComboEdit *combo) { return Trim(combo->text()); }

// The captions and values of the 24 rows, from the card as it stands.
SchedaRows Rows(const TfrmFlotta &c) {
    return {
        {QStringLiteral("Tipo veicolo:"), Value(c.txtVeicolo)},
        {QStringLiteral("Marca e modello:"), Value(c.txtMarca) + QStringLiteral(" ") + Value(c.txtModello)},
        {QStringLiteral("Colore:"), Value(c.txtColore)},
        {QStringLiteral("Alimentazione:"), Value(c.txtAlimentazione)},
        {QStringLiteral("Targa:"), Value(c.txtTarga)},
        {QStringLiteral("Impianti e accessori:"), Value(c.txtImpianti)},
        {QStringLiteral("Telaio:"), Value(c.txtTelaio)},
        {QStringLiteral("Data immatricolazione:"), Value(c.txtImmatricolazione)},
        {QStringLiteral("Cilindrata:"), Value(c.txtCilindrata)},
        {QStringLiteral("Cavalli fiscali / kW:"), Value(c.txtCavalli)},
        {QStringLiteral("Data acquisto:"),
         Value(c.txtDataAcq) + QStringLiteral("  -  Prezzo: ") + Value(c.txtPrezzoAcq)},
        {QStringLiteral("Apparato Telepass:"), Value(c.txtTelepass)},
        {QStringLiteral("Numero posti:"), Value(c.txtPosti)},
        {QStringLiteral("Tessera Viacard:"), Value(c.txtViacard)},
        {QStringLiteral("Km al litro:"), Value(c.txtLitro)},
        {QStringLiteral("Pneumatici:"), Value(c.txtPneumatici)},
        {QStringLiteral("Compatibilit\u00e0 ambientale:"), Value(c.txtAmbientale)},
        {QStringLiteral("Compagnia assicurazione:"), Value(c.txtCompagnia)},
        {QStringLiteral("Incidenti subiti:"), Value(c.txtIncidenti)},
        {QStringLiteral("Stato veicolo:"), Value(c.txtStato)},
        {QStringLiteral("Proprietario o responsabile:"), Value(c.txtConducente)},
        {QStringLiteral("Codice fiscale:"), Value(c.txtCodFisc)},
        {QStringLiteral("Telefono preferenziale:"), Value(c.txtRecapito)},
        {QStringLiteral("Note:"), Value(c.txtNote)},
    };
}

// The filled and prepared sheet; nullptr when that failed, after the error box.
std::unique_ptr<Report> PreparedScheda(const TfrmFlotta &card, QString (*failure)(const QString &)) {
    try {
        std::unique_ptr<Report> repScheda = SchedaAutomezzoTemplate();
        FillSchedaAutomezzo(*repScheda, card);
        repScheda->Prepare();
        return repScheda;
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, failure(QString::fromUtf8(e.what())));
        return nullptr;
    }
}

}  // namespace

QImage SchedaFolderPicture() {
    QImage image(82, 68, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor edge(0xA6, 0x7C, 0x00);
    p.setPen(QPen(edge, 1.5));

    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(4, 14);
    back.lineTo(8, 8);
    back.lineTo(30, 8);
    back.lineTo(35, 14);
    back.lineTo(76, 14);
    back.quadTo(78, 14, 78, 16);
    back.lineTo(78, 62);
    back.lineTo(4, 62);
    back.closeSubpath();
    p.setBrush(QColor(0xF2, 0xB7, 0x05));
    p.drawPath(back);

    // A sheet of paper standing in it.
    p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 18, 56, 30));
    p.setPen(QPen(QColor(0x9A, 0xB8, 0xD8), 1.5));
    for (int y = 24; y <= 36; y += 6) p.drawLine(QPointF(17, y), QPointF(63, y));

    // The front flap, a little open.
    QPainterPath front;
    front.moveTo(10, 28);
    front.lineTo(80, 28);
    front.lineTo(74, 62);
    front.lineTo(4, 62);
    front.closeSubpath();
    QLinearGradient shade(0, 28, 0, 62);
    shade.setColorAt(0, QColor(0xFF, 0xE0, 0x66));
    shade.setColorAt(1, QColor(0xF7, 0xC2, 0x1A));
    p.setPen(QPen(edge, 1.5));
    p.setBrush(shade);
    p.drawPath(front);
    p.end();
    return image;
}

std::unique_ptr<Report> SchedaAutomezzoTemplate() {
    auto repScheda = std::make_unique<Report>(kReportName);
    report::ReportPage &page =
        repScheda->AddPage(QStringLiteral("Page1"), report::kA4, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
    page.AddPicture(QStringLiteral("imgLogo"), QRectF(3, 3, 17, 13), SchedaFolderPicture());
    AddText(page, QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), QStringLiteral("Titolo Scheda"), 16, Qt::white,
            Qt::AlignHCenter, kDarkOrange);
    page.AddLine(QStringLiteral("linSepara01"), QRectF(23, 16, 165, 0));
    for (int k = 1; k <= kRows; ++k) {
        const QString placeholder = QStringLiteral("Campo %1").arg(k);
        AddText(page, RowName("titCampo", k), QRectF(3, RowTop(k), 52, 6), placeholder, 9, Qt::white, Qt::AlignLeft,
                kTeal);
        AddText(page, RowName("txtCampo", k), QRectF(60, RowTop(k), 128, 6), placeholder, 10, Qt::black, Qt::AlignLeft);
    }
    page.AddLine(QStringLiteral("linSepara02"), QRectF(3, 265, 185, 0));
    AddText(page, QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), QStringLiteral("Termine scheda"), 10, Qt::white,
            Qt::AlignHCenter, kDarkOrange);
    return repScheda;
}

void FillScheda(Report &repScheda, const QString &title, const SchedaRows &rows) {
    repScheda.Page().SetOrientation(QPageLayout::Portrait);
    repScheda.Get<Memo>(QStringLiteral("txtTitolo")).SetText(title);
    for (int k = 1; k <= kRows; ++k) {
        repScheda.Get<Memo>(RowName("titCampo", k)).SetText(rows.at(size_t(k - 1)).first);
        repScheda.Get<Memo>(RowName("txtCampo", k)).SetText(rows.at(size_t(k - 1)).second);
    }
    const QDateTime now = Now();
    repScheda.Get<Memo>(QStringLiteral("txtCalce"))
        .SetText(QStringLiteral("Stampa eseguita in data ") + FormatDateText(now.date()) +
                 QStringLiteral(" alle ore ") + now.time().toString(QStringLiteral("hh:mm:ss")));
}

void FillSchedaAutomezzo(Report &repScheda, const TfrmFlotta &card) {
    FillScheda(repScheda, QStringLiteral("SCHEDA AUTOMEZZO"), Rows(card));
}

void PreviewSchedaAutomezzo(TfrmFlotta &card) {
    if (auto repScheda = PreparedScheda(card, report::PreviewFailureMessage)) report::PreviewReport(*repScheda, &card);
}

void PrintSchedaAutomezzo(TfrmFlotta &card) {
    if (auto repScheda = PreparedScheda(card, report::PrintFailureMessage)) report::PrintReport(*repScheda, &card);
}

void ExportSchedaAutomezzoPdf(TfrmFlotta &card) {
    auto repScheda = PreparedScheda(card, report::PdfFailureMessage);
    if (!repScheda) return;
    const QString path = ProgramFolder() + kPdfName;
    if (!report::ExportReportPdf(*repScheda, path, kReportName, kReportName)) return;
    const MsgButton answer = MessageDlg(
        MsgKind::Confirmation, QStringLiteral("L'esportazione della scheda in PDF \u00e8 terminata con successo.") +
                                   QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole aprire il file?"));
    if (answer != MsgButton::No) TMisc::Open(QStringLiteral("\"") + ProgramFolder() + kPdfName + QStringLiteral("\""));
}

}  // namespace vel
