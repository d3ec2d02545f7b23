#include "ExpClienti.h"

#include "TrovaClienti.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "dialogs/Guida.h"
#include "dialogs/HelpText.h"

namespace vel {

TfrmExpClienti *frmExpClienti = nullptr;

namespace {

ExportDefinition CustomerExport() {
    ExportDefinition def{"frmExpClienti",
                         QStringLiteral(" Esporta archivio clienti in Excel"),
                         QStringLiteral("Esporta archivio clienti in Excel"),
                         QStringLiteral("Clienti.xls"),
                         QStringLiteral("Riepilogo Clienti"),
                         {}};
    // Each column: caption (UTF-8), its width in the file and on screen, what
    // a customer puts in it, and whether the user may overwrite it before
    // exporting. Birth data, card expiry, the call-back flag and the
    // attachments stay out.
    const struct {
        const char *caption;
        int fileWidth;
        int screenWidth;
        std::vector<ExportPiece> content;
        bool editable = false;
    } columns[] = {
        {"Cliente", 250, 250, {FieldPiece("Cognome"), TextPiece(u" "), FieldPiece("Nome")}},
        {"Denominazione Ditta", 250, 250, {FieldPiece("Ditta")}},
        {"Sesso", 150, 100, {FieldPiece("Sesso")}},
        {"Telefono preferenziale", 250, 200, {FieldPiece("Recapito")}},
        {"Indirizzo di residenza", 300, 250, {FieldPiece("IndirizzoRes")}},
        {"Comune di residenza", 250, 250, {FieldPiece("ComuneRes"), TextPiece(u" "), FieldPiece("ProvRes")}, true},
        {"CAP", 180, 100, {FieldPiece("CapRes")}},
        {"Tel. casa", 250, 200, {FieldPiece("TelCasa")}},
        {"Tel. ufficio", 250, 200, {FieldPiece("TelUff")}},
        {"Tel. cellulare", 250, 200, {FieldPiece("TelCel")}},
        {"Indirizzo PEC", 250, 250, {FieldPiece("Pec")}},
        {"E-mail", 250, 250, {FieldPiece("Email")}},
        {"Codice fiscale", 250, 150, {FieldPiece("CodFisc")}},
        {"Partita IVA", 250, 150, {FieldPiece("PartitaIva")}, true},
        {"Carta di credito n.", 300, 250, {FieldPiece("Carta")}},
        {"IBAN", 300, 250, {FieldPiece("Iban")}, true},
        {"Tipo patente", 200, 200, {FieldPiece("TipoPat")}, true},
        {"Numero patente", 200, 200, {FieldPiece("NumPat")}, true},
        {"Ente rilascio", 250, 250, {FieldPiece("EnteRil")}},
        {"Data rilascio", 200, 180, {FieldPiece("DataRil")}, true},
        {"Data scadenza", 200, 180, {FieldPiece("DataSca")}},
        {"Conducente supplementare", 300, 300, {FieldPiece("Conducente")}},
        {"Questioni in sospeso", 300, 300, {FieldPiece("Questioni")}, true},
        {"Note", 300, 350, {FieldPiece("Note")}, true},
        {"Codice Destinatario", 200, 160, {FieldPiece("CodiceDest")}, true},
    };
    for (const auto &column : columns)
        def.columns.push_back({QString::fromUtf8(column.caption), column.fileWidth, column.editable, column.content,
                               QString(), column.screenWidth});
    return def;
}

}  // namespace

TfrmExpClienti::TfrmExpClienti(QWidget *owner) : ExportDialog(owner, CustomerExport()) {}

void TfrmExpClienti::FormShow() { FillFromArchive(ProgramPath(CustomerArchiveName()), CustomerRecord); }

void TfrmExpClienti::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("Esportazione archivio clienti in Excel"), HelpText(QStringLiteral("ExpClienti")));
}

}  // namespace vel
