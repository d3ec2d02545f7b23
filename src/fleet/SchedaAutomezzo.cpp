#include "SchedaAutomezzo.h"

#include <exception>

#include "cards/CardSheet.h"
#include "common/ProgramFolder.h"
#include "dialogs/OpenURL.h"
#include "fleet/Flotta.h"
#include "platform/MessageBox.h"
#include "report/ReportOutput.h"

namespace vel {
namespace {

using report::Report;

const QString kReportName = QStringLiteral("Scheda informativa");
const QString kPdfName = QStringLiteral("Automezzo.pdf");

// The captions and values of the 24 rows, from the card as it stands.
CardSheetRows Rows(const TfrmFlotta &c) {
    return {
        {QStringLiteral("Tipo veicolo:"), SheetValue(c.txtVeicolo)},
        {QStringLiteral("Marca e modello:"), SheetValue(c.txtMarca) + QStringLiteral(" ") + SheetValue(c.txtModello)},
        {QStringLiteral("Colore:"), SheetValue(c.txtColore)},
        {QStringLiteral("Alimentazione:"), SheetValue(c.txtAlimentazione)},
        {QStringLiteral("Targa:"), SheetValue(c.txtTarga)},
        {QStringLiteral("Impianti e accessori:"), SheetValue(c.txtImpianti)},
        {QStringLiteral("Telaio:"), SheetValue(c.txtTelaio)},
        {QStringLiteral("Data immatricolazione:"), SheetValue(c.txtImmatricolazione)},
        {QStringLiteral("Cilindrata:"), SheetValue(c.txtCilindrata)},
        {QStringLiteral("Cavalli fiscali / kW:"), SheetValue(c.txtCavalli)},
        {QStringLiteral("Data acquisto:"),
         SheetValue(c.txtDataAcq) + QStringLiteral("  -  Prezzo: ") + SheetValue(c.txtPrezzoAcq)},
        {QStringLiteral("Apparato Telepass:"), SheetValue(c.txtTelepass)},
        {QStringLiteral("Numero posti:"), SheetValue(c.txtPosti)},
        {QStringLiteral("Tessera Viacard:"), SheetValue(c.txtViacard)},
        {QStringLiteral("Km al litro:"), SheetValue(c.txtLitro)},
        {QStringLiteral("Pneumatici:"), SheetValue(c.txtPneumatici)},
        {QStringLiteral("Compatibilit\u00e0 ambientale:"), SheetValue(c.txtAmbientale)},
        {QStringLiteral("Compagnia assicurazione:"), SheetValue(c.txtCompagnia)},
        {QStringLiteral("Incidenti subiti:"), SheetValue(c.txtIncidenti)},
        {QStringLiteral("Stato veicolo:"), SheetValue(c.txtStato)},
        {QStringLiteral("Proprietario o responsabile:"), SheetValue(c.txtConducente)},
        {QStringLiteral("Codice fiscale:"), SheetValue(c.txtCodFisc)},
        {QStringLiteral("Telefono preferenziale:"), SheetValue(c.txtRecapito)},
        {QStringLiteral("Note:"), SheetValue(c.txtNote)},
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

std::unique_ptr<Report> SchedaAutomezzoTemplate() { return CardSheetTemplate(kReportName); }

void FillSchedaAutomezzo(Report &repScheda, const TfrmFlotta &card) {
    FillCardSheet(repScheda, QStringLiteral("SCHEDA AUTOMEZZO"), Rows(card));
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
