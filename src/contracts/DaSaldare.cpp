#include "DaSaldare.h"

#include "ContrattiNSC.h"
#include "TrovaContrattiNSC.h"
#include "common/Records.h"

namespace vel {

TfrmDaSaldare *frmDaSaldare = nullptr;

namespace {
ResultListDef Definition() {
    ResultListDef def{"frmDaSaldare",
                      QStringLiteral(" Riepilogo contratti N.S.C. da saldare"),
                      QStringLiteral("Riepilogo contratti N.S.C. da saldare"),
                      &ContractRecord,
                      OpenContractArchivePath,
                      ContractListLine};
    // The contracts stay in the order they were drawn up.
    def.sorted = false;
    return def;
}
}  // namespace

TfrmDaSaldare::TfrmDaSaldare(QWidget *owner) : ResultListDialog(owner, Definition()) {}

// Only a flag stored exactly as "Sì" counts: a file not written by the card
// may hold anything there. An archive that fails is said, and lists nothing
// rather than pass part of the contracts still to be paid for all of them.
void TfrmDaSaldare::FormShow() {
    ShowWholeList([](const Record &contract) { return contract.Text("DaSaldare") == QStringLiteral("S\u00ec"); });
}

ApplyRecord TfrmDaSaldare::PickReceiver() const {
    return [](const Record &contract, int number) {
        if (frmContrattiNSC) frmContrattiNSC->ShowRecord(contract, number);
    };
}

}  // namespace vel
