#include "TrovaContrattiNSC.h"

#include "ContrattiNSC.h"
#include "common/Records.h"
#include "common/TextRules.h"

namespace vel {

TfrmTrovaContrattiNSC *frmTrovaContrattiNSC = nullptr;

QString OpenContractArchivePath() {
    return frmContrattiNSC && frmContrattiNSC->lblFile ? Trim(frmContrattiNSC->lblFile->text()) : QString();
}

namespace {

// The frames keep the numbers they were designed with, which follow an older
// order of the criteria than the one on screen.
constexpr CriterionDef kCriteria[] = {
    {"txtNumContratto", "Contratto n.", "NumContratto", "effCampo01"},
    {"txtData", "Data stipula:", "Data", "effCampo02"},
    {"txtCliente", "Cognome e nome cliente:", "Cliente", "effCampo09"},
    {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCampo10"},
    {"txtConducente", "Conducente supplementare:", "Conducente", "effCampo05"},
    {"txtTariffa", "Tipologia tariffa:", "Tariffa", "effCampo06"},
    {"txtMarca", "Marca e modello veicolo:", "Marca", "effCampo07"},
    {"txtTarga", "Targa:", "Targa", "effCampo08"},
    {"txtDifetti", "Difetti veicolo al rientro:", "Difetti", "effCampo03", true},
    {"txtNote", "Note:", "Note", "effCampo04", true},
};

ResultListDef Definition() {
    return {"frmTrovaContrattiNSC",
            QStringLiteral(" Trova contratti N.S.C. in archivio"),
            QStringLiteral("Riepilogo contratti N.S.C."),
            &ContractRecord,
            OpenContractArchivePath,
            ContractListLine};
}

}  // namespace

TfrmTrovaContrattiNSC::TfrmTrovaContrattiNSC(QWidget *owner) : FindDialog(owner, Definition(), kCriteria, {}) {
    NameCriteria({&txtNumContratto, &txtData, &txtCliente, &txtCodFisc, &txtConducente, &txtTariffa, &txtMarca,
                  &txtTarga, &txtDifetti, &txtNote},
                 {&effCampo01, &effCampo02, &effCampo09, &effCampo10, &effCampo05, &effCampo06, &effCampo07,
                  &effCampo08, &effCampo03, &effCampo04});
}

}  // namespace vel
