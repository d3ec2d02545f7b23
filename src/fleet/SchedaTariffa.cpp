#include "SchedaTariffa.h"

#include <exception>
#include <memory>

#include "common/TextRules.h"
#include "fleet/SchedaAutomezzo.h"
#include "fleet/Tariffario.h"
#include "platform/MessageBox.h"
#include "report/ReportOutput.h"

namespace vel {
namespace {

using report::Report;

QString Value(const Edit *edit) { return Trim(edit->text()); }
QString Value(const ComboEdit *combo) { return Trim(combo->text()); }

// The captions and values of the 24 rows, from the card as it stands. The
// amounts print as the card shows them: nothing here normalises them.
SchedaRows Rows(const TfrmTariffario &c) {
    return {
        {QStringLiteral("Tariffa:"), Value(c.txtTariffa)},
        {QStringLiteral("Descrizione:"), Value(c.txtDescrizione)},
        {QStringLiteral("Codice:"), Value(c.txtCodice)},
        {QStringLiteral("Importo unitario:"), Value(c.txtImporto)},
        {QStringLiteral("Criterio conteggio:"), Value(c.txtConteggio)},
        {QStringLiteral("Calcolo eccedenza:"), Value(c.txtEccedenza)},
        {QStringLiteral("Tipo veicolo:"), Value(c.txtVeicolo)},
        {QStringLiteral("Classe veicolo:"), Value(c.txtClasse) + QStringLiteral("  -  Posti: ") + Value(c.txtPosti)},
        {QStringLiteral("Alimentazione:"), Value(c.txtAlimentazione)},
        {QStringLiteral("Modalit\u00e0 di ritiro:"), Value(c.txtRitiro)},
        {QStringLiteral("Modalit\u00e0 di riconsegna:"), Value(c.txtRiconsegna)},
        {QStringLiteral("Listino di appartenenza:"), Value(c.txtListino)},
        {QStringLiteral("Prezzo in listino:"), Value(c.txtPrezzoList)},
        {QStringLiteral("Descrizione in listino:"), Value(c.txtDescList)},
        {QStringLiteral("Modalit\u00e0 di pagamento:"), Value(c.txtPagamento)},
        {QStringLiteral("Banca d'appoggio:"), Value(c.txtBanca)},
        {QStringLiteral("Cauzione:"), Value(c.txtCauzione)},
        {QStringLiteral("IBAN:"), Value(c.txtIban)},
        {QStringLiteral("Intestatario C/C:"), Value(c.txtIntestatario)},
        {QStringLiteral("Note:"), Value(c.txtNote)},
        {QStringLiteral("Patente:"), Value(c.txtPatente)},
        {QStringLiteral("Documenti richiesti:"), Value(c.txtDocumenti)},
        {QStringLiteral("Assicurazioni:"), Value(c.txtAssicurazioni)},
        {QStringLiteral("Altri requisiti:"), Value(c.txtRequisiti)},
    };
}

}  // namespace

void FillSchedaTariffa(Report &repScheda, const TfrmTariffario &card) {
    FillScheda(repScheda, QStringLiteral("SCHEDA TARIFFA NOLEGGIO VEICOLO"), Rows(card));
}

void PrintSchedaTariffa(TfrmTariffario &card) {
    std::unique_ptr<Report> repScheda;
    try {
        // The tariff prints on the vehicle card's sheet.
        repScheda = SchedaAutomezzoTemplate();
        FillSchedaTariffa(*repScheda, card);
        repScheda->Prepare();
    } catch (const std::exception &e) {
        MessageDlg(MsgKind::Error, report::PrintFailureMessage(QString::fromUtf8(e.what())));
        return;
    }
    report::PrintReport(*repScheda, &card);
}

}  // namespace vel
