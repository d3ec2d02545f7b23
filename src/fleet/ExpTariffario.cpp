#include "ExpTariffario.h"

#include "TrovaTariffa.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "dialogs/Guida.h"
#include "dialogs/HelpText.h"

namespace vel {

TfrmExpTariffario *frmExpTariffario = nullptr;

namespace {

// The exported columns, in the order of the tariff's first 25 fields: the
// header caption (UTF-8), its width, the field that fills it, and whether the
// user may put the cell right before exporting. The open cells are the terms
// that change from customer to customer (excess, list price, payment, bank,
// deposit, account, note, licence, documents); the ones that name the tariff
// stay as the archive holds them. The attachments are never exported.
const struct {
    const char *caption;
    int width;
    const char *field;
    bool editable = false;
} kColumns[] = {
    {"Tariffa", 250, "Tariffa"},
    {"Descrizione", 300, "Descrizione"},
    {"Codice", 200, "Codice"},
    {"Importo unitario", 200, "Importo"},
    {"Criterio conteggio", 300, "Conteggio"},
    {"Criterio calcolo eccedenza", 300, "Eccedenza", true},
    {"Tipo veicolo", 250, "Veicolo"},
    {"Classe", 250, "Classe"},
    {"Alimentazione", 250, "Alimentazione"},
    {"Posti", 150, "Posti"},
    {"Modalit\u00e0 di ritiro", 300, "Ritiro"},
    {"Modalit\u00e0 di riconsegna", 300, "Riconsegna"},
    {"Listino di appartenenza", 250, "Listino"},
    {"Prezzo in listino", 200, "PrezzoList", true},
    {"Descrizione in listino", 300, "DescList"},
    {"Modalit\u00e0 di pagamento", 250, "Pagamento", true},
    {"Banca d'appoggio", 250, "Banca", true},
    {"Cauzione", 250, "Cauzione", true},
    {"IBAN", 250, "Iban", true},
    {"Intestatario C/C", 250, "Intestatario"},
    {"Note", 300, "Note", true},
    {"Patente", 200, "Patente", true},
    {"Documenti richiesti", 300, "Documenti", true},
    {"Assicurazioni", 300, "Assicurazioni"},
    {"Altri requisiti", 300, "Requisiti"},
};

ExportDefinition TariffExport() {
    ExportDefinition def{"frmExpTariffario",
                         QStringLiteral(" Esporta listino tariffario in Excel"),
                         QStringLiteral("Esporta listino tariffario in Excel"),
                         QStringLiteral("Tariffario.xls"),
                         QStringLiteral("Tariffario Noleggi"),
                         {}};
    for (const auto &column : kColumns)
        def.columns.push_back(
            {QString::fromUtf8(column.caption), column.width, column.editable, {FieldPiece(column.field)}});
    return def;
}

}  // namespace

TfrmExpTariffario::TfrmExpTariffario(QWidget *owner) : ExportDialog(owner, TariffExport()) {}

void TfrmExpTariffario::FormShow() {
    FillFromArchive(ProgramPath(TariffArchiveName()), TariffRecord);
}

void TfrmExpTariffario::cmdGuidaClick() {
    ShowGuide(this, QStringLiteral("Esportazione listino tariffario in Excel"),
              HelpText(QStringLiteral("ExpTariffario")));
}

}  // namespace vel
