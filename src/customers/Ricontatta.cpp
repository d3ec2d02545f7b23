#include "Ricontatta.h"

#include "TrovaClienti.h"
#include "cards/Receivers.h"
#include "cards/ResultList.h"
#include "common/ArchiveFile.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "platform/MessageBox.h"

namespace vel {

TfrmRicontatta *frmRicontatta = nullptr;

namespace {
ResultListDef Definition() {
    return {"frmRicontatta",
            QStringLiteral(" Riepilogo clienti da ricontattare"),
            QStringLiteral("Riepilogo clienti da ricontattare"),
            &CustomerRecord,
            [] { return ProgramPath(CustomerArchiveName()); },
            CallBackListLine};
}
}  // namespace

TfrmRicontatta::TfrmRicontatta(QWidget *owner) : ResultListDialog(owner, Definition()) {}

void TfrmRicontatta::FormShow() {
    LastFindText(this).clear();
    txtTrova->clear();
    try {
        // Only a flag stored exactly as "Sì" counts: a file not written by
        // the customer card may hold anything there.
        FillList([](const Record &customer) { return customer.Text("Ricontatta") == QStringLiteral("S\u00ec"); });
    } catch (const std::exception &) {
        // A list cut short by the archive would pass for every customer to
        // call back: say so and show none rather than some.
        lstRecords->clear();
        MessageDlg(MsgKind::Error, ArchiveFailureMessage());
    }
    txtTrova->setFocus();
}

// The list always loads into the customer card, exactly as the customer
// search's pick for that card does: the card registered what that means.
ApplyRecord TfrmRicontatta::PickReceiver() const {
    return RegisteredPick(QStringLiteral("frmTrovaClienti"), QStringLiteral("clienti"));
}

}  // namespace vel
