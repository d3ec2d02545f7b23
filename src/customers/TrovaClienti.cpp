#include "TrovaClienti.h"

#include "common/ProgramFolder.h"
#include "common/Records.h"

namespace vel {

TfrmTrovaClienti *frmTrovaClienti = nullptr;

QString CustomerArchiveName() { return QStringLiteral("Clienti.pro"); }

namespace {

// The name is sought by the surname alone: the first name is no criterion.
// The long free texts take the whole width of the panel.
constexpr CriterionDef kCriteria[] = {
    {"txtCognome", "Cognome cliente:", "Cognome", "effCognome"},
    {"txtDitta", "Denominazione Ditta:", "Ditta", "effDitta"},
    {"txtPartitaIva", "Partita IVA:", "PartitaIva", "effPartitaIva"},
    {"txtCodFisc", "Codice fiscale:", "CodFisc", "effCodFisc"},
    {"txtComuneRes", "Comune di residenza:", "ComuneRes", "effComuneRes"},
    {"txtNumPat", "Numero patente:", "NumPat", "effNumPat"},
    {"txtConducente", "Conducente supplementare:", "Conducente", "effConducente"},
    {"txtCodiceDest", "Codice Destinatario:", "CodiceDest", "effCodiceDest"},
    {"txtQuestioni", "Questioni in sospeso:", "Questioni", "effQuestioni", true},
    {"txtNote", "Note:", "Note", "effNote", true},
};

ResultListDef Definition() {
    return {"frmTrovaClienti",
            QStringLiteral(" Trova clienti in archivio"),
            QStringLiteral("Riepilogo clienti"),
            &CustomerRecord,
            [] { return ProgramPath(CustomerArchiveName()); },
            CustomerListLine};
}

}  // namespace

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *owner) : FindDialog(owner, Definition(), kCriteria, {}) {
    NameCriteria({&txtCognome, &txtDitta, &txtPartitaIva, &txtCodFisc, &txtComuneRes,
                  &txtNumPat, &txtConducente, &txtCodiceDest, &txtQuestioni, &txtNote},
                 {&effCognome, &effDitta, &effPartitaIva, &effCodFisc, &effComuneRes,
                  &effNumPat, &effConducente, &effCodiceDest, &effQuestioni, &effNote});
}

}  // namespace vel
