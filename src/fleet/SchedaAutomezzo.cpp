#include "SchedaAutomezzo.h"


#include "cards/CardSheet.h"
#include "common/ProgramFolder.h"
#include "dialogs/OpenURL.h"
#include "fleet/Flotta.h"

namespace vel {
namespace {

using report::Report;

const QString kReportName = QStringLiteral("Scheda informativa");
const QString kTitle = QStringLiteral("SCHEDA AUTOMEZZO");
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

}  // namespace

std::unique_ptr<Report> SchedaAutomezzoTemplate() { return CardSheetTemplate(kReportName); }

void FillSchedaAutomezzo(Report &repScheda, const TfrmFlotta &card) {
    FillCardSheet(repScheda, kTitle, Rows(card));
}

void PreviewSchedaAutomezzo(TfrmFlotta &card) {
    PreviewCardSheet(&card, kReportName, kTitle, Rows(card));
}

void PrintSchedaAutomezzo(TfrmFlotta &card) {
    PrintCardSheet(&card, kReportName, kTitle, Rows(card));
}

void ExportSchedaAutomezzoPdf(TfrmFlotta &card) {
    if (ExportCardSheetPdf(kReportName, kTitle, Rows(card), kPdfName))
        TMisc::Open(QStringLiteral("\"") + ProgramFolder() + kPdfName + QStringLiteral("\""));
}

}  // namespace vel
