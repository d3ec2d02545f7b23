#include "ExpContratti.h"

#include "TrovaContrattiNSC.h"
#include "common/Records.h"
#include "dialogs/Guida.h"
#include "dialogs/HelpText.h"

namespace vel {

TfrmExpContratti *frmExpContratti = nullptr;

namespace {

ExportDefinition ContractExport() {
    ExportDefinition def{"frmExpContratti",
                         QStringLiteral(" Esporta archivio contratti N.S.C. in Excel"),
                         QStringLiteral("Esporta archivio contratti N.S.C. in Excel"),
                         QStringLiteral("Contratti_NSC.xls"),
                         QStringLiteral("Riepilogo Contratti NSC"),
                         {}};
    // Each column: caption in the file (UTF-8), width, what a contract puts
    // in it, and whether the user may overwrite it. What the car came back
    // with is the part the user may complete before exporting.
    const struct {
        const char *caption;
        int width;
        std::vector<ExportPiece> content;
        bool editable = false;
        const char *screenCaption = nullptr;
    } columns[] = {
        {"Contratto n.", 160, {FieldPiece("NumContratto")}},
        {"Data stipula", 120, {FieldPiece("Data")}},
        {"Cognome e nome cliente", 250, {FieldPiece("Cliente")}},
        {"Via e numero civico", 250, {FieldPiece("IndirizzoRes")}},
        {"Comune di residenza", 250, {FieldPiece("ComuneRes"), TextPiece(u" "), FieldPiece("ProvRes")}},
        {"Codice fiscale", 150, {FieldPiece("CodFisc")}},
        {"Telefono", 200, {FieldPiece("Recapito")}},
        {"Conducente supplementare", 250, {FieldPiece("Conducente")}},
        {"Tipologia tariffa", 250, {FieldPiece("Tariffa")}},
        {"Criterio conteggio", 300, {FieldPiece("Conteggio")}},
        {"Calcolo eccedenza", 300, {FieldPiece("Eccedenza")}},
        {"Imp. totale", 180, {FieldPiece("Totale")}, false, "Importo totale"},
        {"Marca e modello veicolo", 250, {FieldPiece("Marca")}},
        {"Targa", 150, {FieldPiece("Targa")}},
        {"Inizio noleggio", 280,
         {TextPiece(u"Data: "), FieldPiece("DataInizio"), TextPiece(u" Ora: "), FieldPiece("OraInizio")}},
        {"Sede ritiro", 250, {FieldPiece("SedeRit")}},
        {"Fine noleggio", 280,
         {TextPiece(u"Data: "), FieldPiece("DataFine"), TextPiece(u" Ora: "), FieldPiece("OraFine")}},
        {"Sede riconsegna", 250, {FieldPiece("SedeRic")}},
        {"Tot. giorni", 150, {FieldPiece("TotGiorni")}},
        {"Livello carburante", 150, {FieldPiece("Livello")}, true},
        {"Km partenza", 150, {FieldPiece("KmParte")}, true},
        {"Km rientro", 150, {FieldPiece("KmRientro")}, true},
        {"Imp. cauzione", 150, {FieldPiece("Cauzione")}, true},
        {"Difetti veicolo al rientro", 300, {FieldPiece("Difetti")}, true},
        {"Note", 300, {FieldPiece("Note")}, true},
    };
    for (const auto &column : columns)
        def.columns.push_back({QString::fromUtf8(column.caption), column.width, column.editable, column.content,
                               column.screenCaption ? QString::fromUtf8(column.screenCaption) : QString()});
    return def;
}

}  // namespace

TfrmExpContratti::TfrmExpContratti(QWidget *owner) : ExportDialog(owner, ContractExport()) {}

void TfrmExpContratti::FormShow() { FillFromArchive(OpenContractArchivePath(), ContractRecord); }

void TfrmExpContratti::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("Esportazione archivio contratti in Excel"), HelpText(QStringLiteral("ExpContratti")));
}

}  // namespace vel
