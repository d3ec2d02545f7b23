#include "SchedaTariffa.h"

#include <memory>

#include "cards/CardSheet.h"
#include "fleet/Tariffario.h"

namespace vel {
namespace {

using report::Report;

// The captions and values of the 24 rows, from the card as it stands. The
// amounts print as the card shows them: nothing here normalises them.
CardSheetRows Rows(const TfrmTariffario &c) {
    return {
        {QStringLiteral("Tariffa:"), SheetValue(c.txtTariffa)},
        {QStringLiteral("Descrizione:"), SheetValue(c.txtDescrizione)},
        {QStringLiteral("Codice:"), SheetValue(c.txtCodice)},
        {QStringLiteral("Importo unitario:"), SheetValue(c.txtImporto)},
        {QStringLiteral("Criterio conteggio:"), SheetValue(c.txtConteggio)},
        {QStringLiteral("Calcolo eccedenza:"), SheetValue(c.txtEccedenza)},
        {QStringLiteral("Tipo veicolo:"), SheetValue(c.txtVeicolo)},
        {QStringLiteral("Classe veicolo:"), SheetValue(c.txtClasse) + QStringLiteral("  -  Posti: ") + SheetValue(c.txtPosti)},
        {QStringLiteral("Alimentazione:"), SheetValue(c.txtAlimentazione)},
        {QStringLiteral("Modalit\u00e0 di ritiro:"), SheetValue(c.txtRitiro)},
        {QStringLiteral("Modalit\u00e0 di riconsegna:"), SheetValue(c.txtRiconsegna)},
        {QStringLiteral("Listino di appartenenza:"), SheetValue(c.txtListino)},
        {QStringLiteral("Prezzo in listino:"), SheetValue(c.txtPrezzoList)},
        {QStringLiteral("Descrizione in listino:"), SheetValue(c.txtDescList)},
        {QStringLiteral("Modalit\u00e0 di pagamento:"), SheetValue(c.txtPagamento)},
        {QStringLiteral("Banca d'appoggio:"), SheetValue(c.txtBanca)},
        {QStringLiteral("Cauzione:"), SheetValue(c.txtCauzione)},
        {QStringLiteral("IBAN:"), SheetValue(c.txtIban)},
        {QStringLiteral("Intestatario C/C:"), SheetValue(c.txtIntestatario)},
        {QStringLiteral("Note:"), SheetValue(c.txtNote)},
        {QStringLiteral("Patente:"), SheetValue(c.txtPatente)},
        {QStringLiteral("Documenti richiesti:"), SheetValue(c.txtDocumenti)},
        {QStringLiteral("Assicurazioni:"), SheetValue(c.txtAssicurazioni)},
        {QStringLiteral("Altri requisiti:"), SheetValue(c.txtRequisiti)},
    };
}

}  // namespace

void FillSchedaTariffa(Report &repScheda, const TfrmTariffario &card) {
    FillCardSheet(repScheda, QStringLiteral("SCHEDA TARIFFA NOLEGGIO VEICOLO"), Rows(card));
}

void PrintSchedaTariffa(TfrmTariffario &card) {
    PrintCardSheet(&card, QStringLiteral("Scheda informativa"), QStringLiteral("SCHEDA TARIFFA NOLEGGIO VEICOLO"),
                   Rows(card));
}

}  // namespace vel
