#include "ExpFlotta.h"

#include "TrovaFlotta.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "shell/Guida.h"
#include "shell/HelpText.h"

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
    // The owner's tax code and telephone are the cells the user may put right
    // before exporting.
    const struct {
        const char *caption;  // UTF-8
        int width;
        bool editable = false;
    } columns[] = {
        {"Tipo veicolo", 250},
        {"Marca e modello", 250},
        {"Colore", 250},
        {"Alimentazione", 250},
        {"Targa", 250},
        {"Impianti e accessori", 300},
        {"Telaio", 250},
        {"Data immatricolazione", 200},
        {"Cilindrata", 200},
        {"Cavalli fiscali / kW", 250},
        {"Acquisto", 250},
        {"Apparato Telepass", 250},
        {"Numero posti", 150},
        {"Tessera Viacard", 250},
        {"Destinazione ed uso", 250},
        {"Pneumatici", 250},
        {"Compatibilit\u00e0 ambientale", 200},
        {"Libretto circolazione e Certificato propriet\u00e0", 300},
        {"Compagnia assicurazione", 250},
        {"Incidenti subiti", 300},
        {"Stato veicolo", 250},
        {"Proprietario o responsabile", 250},
        {"Codice fiscale", 200, true},
        {"Telefono preferenziale", 250, true},
        {"Note", 350},
    };
    for (const auto &column : columns)
        def.columns.push_back({QString::fromUtf8(column.caption), column.width, column.editable});
    return def;
}

// The grid's columns 1 to 25 of one vehicle.
QStringList FleetExportRow(const Record &v) {
    return {
        v.Text("Veicolo"),
        v.Text("Marca") + u' ' + v.Text("Modello"),
        v.Text("Colore"),
        v.Text("Alimentazione"),
        v.Text("Targa"),
        v.Text("Impianti"),
        v.Text("Telaio"),
        v.Text("Immatricolazione"),
        v.Text("Cilindrata"),
        v.Text("Cavalli"),
        QStringLiteral("Data: ") + v.Text("DataAcq") + QStringLiteral("  Prezzo: ") + v.Text("PrezzoAcq"),
        v.Text("Telepass"),
        v.Text("Posti"),
        v.Text("Viacard"),
        v.Text("Uso"),
        v.Text("Pneumatici"),
        v.Text("Ambientale"),
        v.Text("Officina"),
        v.Text("Compagnia"),
        v.Text("Incidenti"),
        v.Text("Stato"),
        v.Text("Conducente"),
        v.Text("CodFisc"),
        v.Text("Recapito"),
        v.Text("Note"),
    };
}

}  // namespace

TfrmExpFlotta::TfrmExpFlotta(QWidget *owner) : ExportDialog(owner, FleetExport()) {}

void TfrmExpFlotta::FormShow() { FillFromArchive(ProgramPath(FleetArchiveName()), VehicleRecord, FleetExportRow); }

void TfrmExpFlotta::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("Esportazione archivio parco automezzi in Excel"),
              HelpText(QStringLiteral("ExpFlotta")));
}

}  // namespace vel
