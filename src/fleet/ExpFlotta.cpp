#include "ExpFlotta.h"

#include "TrovaFlotta.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "dialogs/Guida.h"
#include "dialogs/HelpText.h"

namespace vel {

TfrmExpFlotta *frmExpFlotta = nullptr;

namespace {

ExportDefinition FleetExport() {
    ExportDefinition def{"frmExpFlotta",
                         QStringLiteral(" Esporta archivio parco automezzi in Excel"),
                         QStringLiteral("Esporta archivio parco automezzi in Excel"),
                         QStringLiteral("Flotta_Automezzi.xls"),
                         QStringLiteral("Flotta Automezzi"),
                         {}};
    // Each column: caption (UTF-8), width, what a vehicle puts in it, and
    // whether the user may overwrite it. The owner's tax code and telephone
    // are the cells the user may put right before exporting.
    const struct {
        const char *caption;
        int width;
        std::vector<ExportPiece> content;
        bool editable = false;
    } columns[] = {
        {"Tipo veicolo", 250, {FieldPiece("Veicolo")}},
        {"Marca e modello", 250, {FieldPiece("Marca"), TextPiece(u" "), FieldPiece("Modello")}},
        {"Colore", 250, {FieldPiece("Colore")}},
        {"Alimentazione", 250, {FieldPiece("Alimentazione")}},
        {"Targa", 250, {FieldPiece("Targa")}},
        {"Impianti e accessori", 300, {FieldPiece("Impianti")}},
        {"Telaio", 250, {FieldPiece("Telaio")}},
        {"Data immatricolazione", 200, {FieldPiece("Immatricolazione")}},
        {"Cilindrata", 200, {FieldPiece("Cilindrata")}},
        {"Cavalli fiscali / kW", 250, {FieldPiece("Cavalli")}},
        {"Acquisto", 250,
         {TextPiece(u"Data: "), FieldPiece("DataAcq"), TextPiece(u"  Prezzo: "), FieldPiece("PrezzoAcq")}},
        {"Apparato Telepass", 250, {FieldPiece("Telepass")}},
        {"Numero posti", 150, {FieldPiece("Posti")}},
        {"Tessera Viacard", 250, {FieldPiece("Viacard")}},
        {"Destinazione ed uso", 250, {FieldPiece("Uso")}},
        {"Pneumatici", 250, {FieldPiece("Pneumatici")}},
        {"Compatibilit\u00e0 ambientale", 200, {FieldPiece("Ambientale")}},
        {"Libretto circolazione e Certificato propriet\u00e0", 300, {FieldPiece("Officina")}},
        {"Compagnia assicurazione", 250, {FieldPiece("Compagnia")}},
        {"Incidenti subiti", 300, {FieldPiece("Incidenti")}},
        {"Stato veicolo", 250, {FieldPiece("Stato")}},
        {"Proprietario o responsabile", 250, {FieldPiece("Conducente")}},
        {"Codice fiscale", 200, {FieldPiece("CodFisc")}, true},
        {"Telefono preferenziale", 250, {FieldPiece("Recapito")}, true},
        {"Note", 350, {FieldPiece("Note")}},
    };
    for (const auto &column : columns)
        def.columns.push_back({QString::fromUtf8(column.caption), column.width, column.editable, column.content});
    return def;
}

}  // namespace

TfrmExpFlotta::TfrmExpFlotta(QWidget *owner) : ExportDialog(owner, FleetExport()) {}

void TfrmExpFlotta::FormShow() { FillFromArchive(ProgramPath(FleetArchiveName()), VehicleRecord); }

void TfrmExpFlotta::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("Esportazione archivio parco automezzi in Excel"),
              HelpText(QStringLiteral("ExpFlotta")));
}

}  // namespace vel
