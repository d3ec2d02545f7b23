#include "TrovaPrenotazioni.h"

#include "Prenotazioni.h"
#include "common/Records.h"
#include "common/TextRules.h"

namespace vel {

TfrmTrovaPrenotazioni *frmTrovaPrenotazioni = nullptr;

QString OpenBookingArchivePath() {
    return frmPrenotazioni && frmPrenotazioni->lblFile ? Trim(frmPrenotazioni->lblFile->text()) : QString();
}

namespace {

// In the order of the Enter chain, which wraps from the last to the first.
constexpr CriterionDef kCriteria[] = {
    {"txtDataRit", "Data partenza (gg/mm/aaaa):", "DataRit", "effDataRit"},
    {"txtDataRic", "Data rientro (gg/mm/aaaa):", "DataRic", "effDataRic"},
    {"txtVeicolo", "Tipo veicolo:", "Veicolo", "effVeicolo"},
    {"txtMarca", "Marca:", "Marca", "effMarca"},
    {"txtModello", "Modello:", "Modello", "effModello"},
    {"txtTarga", "Targa:", "Targa", "effTarga"},
    {"txtCliente", "Cognome e nome cliente:", "Cliente", "effCliente"},
    {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
    {"txtSedeRit", "Sede partenza:", "SedeRit", "effSedeRit"},
    {"txtSedeRic", "Sede rientro:", "SedeRic", "effSedeRic"},
};

}  // namespace

std::span<const CriterionDef> BookingCriteria() { return kCriteria; }

namespace {

ResultListDef Definition() {
    return {"frmTrovaPrenotazioni",
            QStringLiteral(" Trova prenotazioni veicoli in archivio"),
            QStringLiteral("Riepilogo prenotazioni veicoli"),
            &BookingRecord,
            OpenBookingArchivePath,
            BookingListLine};
}

}  // namespace

TfrmTrovaPrenotazioni::TfrmTrovaPrenotazioni(QWidget *owner) : FindDialog(owner, Definition(), BookingCriteria(), {}) {
    NameCriteria({&txtDataRit, &txtDataRic, &txtVeicolo, &txtMarca, &txtModello,
                  &txtTarga, &txtCliente, &txtCodFisc, &txtSedeRit, &txtSedeRic},
                 {&effDataRit, &effDataRic, &effVeicolo, &effMarca, &effModello,
                  &effTarga, &effCliente, &effCodFisc, &effSedeRit, &effSedeRic});
}

}  // namespace vel
