#include "ExpPrenotazioni.h"

#include "TrovaPrenotazioni.h"
#include "common/Records.h"
#include "dialogs/Guida.h"
#include "dialogs/HelpText.h"

namespace vel {

TfrmExpPrenotazioni *frmExpPrenotazioni = nullptr;

QString BookingExportFileName() { return QStringLiteral("Prenotazioni_Veicoli.xls"); }
QString BookingExportSheetName() { return QStringLiteral("Prenotazioni Veicoli"); }

std::vector<ExportColumn> BookingGridColumns(bool pickupKey) {
    // Caption, width in the file, width on screen, whether the user may
    // overwrite the cells before exporting, and the field shown.
    const struct {
        const char *caption;
        int fileWidth;
        int screenWidth;
        bool editable;
        std::string_view field;
    } columns[] = {
        {"Data partenza", 150, 150, false, "DataRit"},
        {"Ora partenza", 150, 150, false, "OraRit"},
        {"Sede partenza", 250, 250, true, "SedeRit"},
        {"Tipo veicolo", 250, 250, false, "Veicolo"},
        {"Marca", 250, 250, false, "Marca"},
        {"Modello", 250, 250, false, "Modello"},
        {"Colore", 250, 200, false, "Colore"},
        {"Alimentazione", 250, 200, false, "Alimentazione"},
        {"Targa", 200, 200, false, "Targa"},
        {"Posti", 200, 150, true, "Posti"},
        {"Cliente", 250, 250, true, "Cliente"},
        {"Codice fiscale", 200, 180, false, "CodFisc"},
        {"Tel. preferenziale", 200, 250, false, "Recapito"},
        {"Tel. cellulare", 200, 150, false, "TelCel"},
        {"E-mail", 250, 250, false, "Email"},
        {"Data rientro", 150, 150, false, "DataRic"},
        {"Ora rientro", 150, 150, true, "OraRic"},
        {"Sede rientro", 250, 250, true, "SedeRic"},
    };
    std::vector<ExportColumn> grid;
    grid.reserve(19);
    for (const auto &c : columns)
        grid.push_back({QString::fromUtf8(c.caption), c.fileWidth, c.editable, {FieldPiece(c.field)}, {},
                        c.screenWidth});
    if (pickupKey) {
        // The month digits of the pick-up date, then day, hour and minutes:
        // the pieces of PickupSortKey, each trimmed.
        grid.push_back({QStringLiteral("Codice Univoco"),
                        150,
                        true,
                        {FieldPiece("DataRit", 4, 2), FieldPiece("GiornoRit"), FieldPiece("OreRit"),
                         FieldPiece("MinutiRit")}});
    }
    return grid;
}

namespace {

ExportDefinition BookingExport() {
    return {"frmExpPrenotazioni",
            QStringLiteral(" Esporta archivio prenotazioni veicoli"),
            QStringLiteral("Esporta archivio prenotazioni veicoli in Excel"),
            BookingExportFileName(),
            BookingExportSheetName(),
            BookingGridColumns(false)};
}

}  // namespace

TfrmExpPrenotazioni::TfrmExpPrenotazioni(QWidget *owner) : ExportDialog(owner, BookingExport()) {}

// No filter and no sort: row r is record r + 1.
void TfrmExpPrenotazioni::FormShow() { FillFromArchive(OpenBookingArchivePath(), BookingRecord); }

void TfrmExpPrenotazioni::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("Esportazione archivio prenotazioni veicoli in Excel"),
              HelpText(QStringLiteral("ExpPrenotazioni")));
}

}  // namespace vel
