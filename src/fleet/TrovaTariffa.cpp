#include "TrovaTariffa.h"

#include "common/ProgramFolder.h"
#include "common/Records.h"

namespace vel {

TfrmTrovaTariffa *frmTrovaTariffa = nullptr;

QString TariffArchiveName() { return QStringLiteral("Tariffario.pro"); }

namespace {

// The frames keep the numbers of the fields they were first drawn for, not
// the order of the criteria.
constexpr CriterionDef kCriteria[] = {
    {"txtTariffa", "Tariffa:", "Tariffa", "effCampo01"},
    {"txtDescrizione", "Descrizione:", "Descrizione", "effCampo02"},
    {"txtCodice", "Codice:", "Codice", "effCampo09"},
    {"txtConteggio", "Criterio conteggio:", "Conteggio", "effCampo10"},
    {"txtVeicolo", "Tipo veicolo:", "Veicolo", "effCampo05"},
    {"txtClasse", "Classe:", "Classe", "effCampo06"},
    {"txtAlimentazione", "Alimentazione:", "Alimentazione", "effCampo07"},
    {"txtPatente", "Patente:", "Patente", "effCampo08"},
    {"txtListino", "Listino appartenenza:", "Listino", "effCampo03"},
    {"txtNote", "Note:", "Note", "effCampo04"},
};

ResultListDef Definition() {
    return {"frmTrovaTariffa",
            QStringLiteral(" Trova tariffe in listino"),
            QStringLiteral("Listino tariffario"),
            &TariffRecord,
            [] { return ProgramPath(TariffArchiveName()); },
            TariffListLine};
}

}  // namespace

TfrmTrovaTariffa::TfrmTrovaTariffa(QWidget *owner) : FindDialog(owner, Definition(), kCriteria, {}) {
    NameCriteria({&txtTariffa, &txtDescrizione, &txtCodice, &txtConteggio, &txtVeicolo,
                  &txtClasse, &txtAlimentazione, &txtPatente, &txtListino, &txtNote},
                 {&effCampo01, &effCampo02, &effCampo09, &effCampo10, &effCampo05,
                  &effCampo06, &effCampo07, &effCampo08, &effCampo03, &effCampo04});
}

}  // namespace vel
