#include "DaSaldare.h"

#include "ContrattiNSC.h"
#include "TrovaContrattiNSC.h"
#include "cards/ResultList.h"
#include "common/ArchiveFile.h"
#include "common/Records.h"
#include "platform/MessageBox.h"

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

void TfrmDaSaldare::FormShow() {
    LastFindText(this).clear();
    txtTrova->clear();
    try {
        // Only a flag stored exactly as "Sì" counts: a file not written by
        // the card may hold anything there.
        FillList([](const Record &contract) { return contract.Text("DaSaldare") == QStringLiteral("S\u00ec"); });
    } catch (const std::exception &) {
        // A list cut short by the archive would pass for every contract still
        // to be paid: say that the archive failed. The lines read stay.
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
    }
    txtTrova->setFocus();
}

ApplyRecord TfrmDaSaldare::PickReceiver() const {
    return [](const Record &contract, int number) {
        if (frmContrattiNSC) frmContrattiNSC->ShowRecord(contract, number);
    };
}

}  // namespace vel
