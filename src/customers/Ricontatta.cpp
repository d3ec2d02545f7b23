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

// Only a flag stored exactly as "Sì" counts: a file not written by the
// customer card may hold anything there.
void TfrmRicontatta::FormShow() {
    ShowWholeList([](const Record &customer) { return customer.Text("Ricontatta") == QStringLiteral("S\u00ec"); });
}

// The list always loads into the customer card, exactly as the customer
// search's pick for that card does: the card registered what that means.
ApplyRecord TfrmRicontatta::PickReceiver() const {
    return RegisteredPick(QStringLiteral("frmTrovaClienti"), QStringLiteral("clienti"));
}

}  // namespace vel
