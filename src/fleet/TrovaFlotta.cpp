#include "TrovaFlotta.h"

#include "common/ProgramFolder.h"
#include "common/Records.h"

namespace vel {

TfrmTrovaFlotta *frmTrovaFlotta = nullptr;

QString FleetArchiveName() { return QStringLiteral("Flotta_Automezzi.pro"); }

namespace {

constexpr CriterionDef kCriteria[] = {
    {"txtVeicolo", "Tipo veicolo:", "Veicolo", "effVeicolo"},
    {"txtAlimentazione", "Alimentazione:", "Alimentazione", "effAlimentazione"},
    {"txtMarca", "Marca:", "Marca", "effMarca"},
    {"txtModello", "Modello:", "Modello", "effModello"},
    {"txtTarga", "Targa:", "Targa", "effTarga"},
    {"txtTelaio", "Telaio:", "Telaio", "effTelaio"},
    {"txtConducente", "Proprietario o responsabile:", "Conducente", "effConducente"},
    {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
    {"txtIncidenti", "Incidenti subiti:", "Incidenti", "effIncidenti", true},
    {"txtNote", "Note:", "Note", "effNote", true},
};

ResultListDef Definition() {
    return {"frmTrovaFlotta",
            QStringLiteral(" Trova automezzi in archivio"),
            QStringLiteral("Riepilogo parco automezzi"),
            &VehicleRecord,
            [] { return ProgramPath(FleetArchiveName()); },
            VehicleListLine};
}

}  // namespace

TfrmTrovaFlotta::TfrmTrovaFlotta(QWidget *owner) : FindDialog(owner, Definition(), kCriteria, {}) {
    NameCriteria({&txtVeicolo, &txtAlimentazione, &txtMarca, &txtModello, &txtTarga,
                  &txtTelaio, &txtConducente, &txtCodFisc, &txtIncidenti, &txtNote},
                 {&effVeicolo, &effAlimentazione, &effMarca, &effModello, &effTarga,
                  &effTelaio, &effConducente, &effCodFisc, &effIncidenti, &effNote});
}

}  // namespace vel
