#include "SchedaCliente.h"


#include "cards/CardSheet.h"
#include "common/ProgramFolder.h"
#include "customers/Clienti.h"
#include "dialogs/OpenURL.h"

namespace vel {
namespace {

using report::Report;

const QString kReportName = QStringLiteral("Scheda informativa");
const QString kTitle = QStringLiteral("SCHEDA ANAGRAFICA CLIENTE");
const QString kPdfName = QStringLiteral("Cliente.pdf");

// The captions and values of the 24 rows, from the card as it stands. The
// postal code, the sex, the call-back flag and the attachments are not printed.
CardSheetRows Rows(const TfrmClienti &c) {
    const QString blank = QStringLiteral(" ");
    const QString expiry = QStringLiteral("  -  Scadenza: ");
    return {
        {QStringLiteral("Cognome e nome:"), SheetValue(c.txtCognome) + blank + SheetValue(c.txtNome)},
        {QStringLiteral("Data di nascita:"), SheetValue(c.txtDataNasc)},
        {QStringLiteral("Comune di nascita:"), SheetValue(c.txtComuneNasc) + blank + SheetValue(c.txtProvNasc)},
        {QStringLiteral("Codice Destinatario:"), SheetValue(c.txtCodiceDest)},
        {QStringLiteral("Telefono preferenziale:"), SheetValue(c.txtRecapito)},
        {QStringLiteral("Indirizzo di residenza:"), SheetValue(c.txtIndirizzoRes)},
        {QStringLiteral("Comune di residenza:"), SheetValue(c.txtComuneRes) + blank + SheetValue(c.txtProvRes)},
        {QStringLiteral("Denominazione Ditta:"), SheetValue(c.txtDitta)},
        {QStringLiteral("Tel. casa:"), SheetValue(c.txtTelCasa)},
        {QStringLiteral("Tel. ufficio:"), SheetValue(c.txtTelUff)},
        {QStringLiteral("Tel. cellulare:"), SheetValue(c.txtTelCel)},
        {QStringLiteral("Indirizzo PEC:"), SheetValue(c.txtPec)},
        {QStringLiteral("E-mail:"), SheetValue(c.txtEmail)},
        {QStringLiteral("Codice fiscale:"), SheetValue(c.txtCodFisc)},
        {QStringLiteral("Partita IVA:"), SheetValue(c.txtPartitaIva)},
        {QStringLiteral("Carta di credito:"),
         QStringLiteral("N. ") + SheetValue(c.txtCarta) + expiry + SheetValue(c.txtScadeCarta)},
        {QStringLiteral("IBAN:"), SheetValue(c.txtIban)},
        {QStringLiteral("Tipo patente:"), SheetValue(c.txtTipoPat)},
        {QStringLiteral("Numero patente:"), SheetValue(c.txtNumPat)},
        {QStringLiteral("Ente di rilascio:"), SheetValue(c.txtEnteRil)},
        {QStringLiteral("Data di rilascio:"), SheetValue(c.txtDataRil) + expiry + SheetValue(c.txtDataSca)},
        {QStringLiteral("Conducente supplementare:"), SheetValue(c.txtConducente)},
        {QStringLiteral("Questioni in sospeso:"), SheetValue(c.txtQuestioni)},
        {QStringLiteral("Note:"), SheetValue(c.txtNote)},
    };
}

}  // namespace

std::unique_ptr<Report> SchedaClienteTemplate() { return CardSheetTemplate(kReportName); }

void FillSchedaCliente(Report &repScheda, const TfrmClienti &card) {
    FillCardSheet(repScheda, kTitle, Rows(card));
}

void PreviewSchedaCliente(TfrmClienti &card) {
    PreviewCardSheet(&card, kReportName, kTitle, Rows(card));
}

void PrintSchedaCliente(TfrmClienti &card) {
    PrintCardSheet(&card, kReportName, kTitle, Rows(card));
}

void ExportSchedaClientePdf(TfrmClienti &card) {
    if (ExportCardSheetPdf(kReportName, kTitle, Rows(card), kPdfName))
        TMisc::Open(QStringLiteral("\"") + ProgramFolder() + kPdfName + QStringLiteral("\""));
}

}  // namespace vel
