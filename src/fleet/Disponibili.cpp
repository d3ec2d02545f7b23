#include "Disponibili.h"

#include "Flotta.h"
#include "TrovaFlotta.h"
#include "cards/ResultList.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"

namespace vel {

TfrmDisponibili *frmDisponibili = nullptr;

namespace {
ResultListDef Definition() {
    return {"frmDisponibili",
            QStringLiteral(" Riepilogo veicoli disponibili"),
            QStringLiteral("Riepilogo veicoli disponibili"),
            &VehicleRecord,
            [] { return ProgramPath(FleetArchiveName()); },
            VehicleListLine};
}
}  // namespace

TfrmDisponibili::TfrmDisponibili(QWidget *owner) : ResultListDialog(owner, Definition()) {}

// Only a flag stored exactly as "Sì" counts: a file not written by the
// vehicle card may hold anything there.
void TfrmDisponibili::FormShow() {
    ShowWholeList([](const Record &vehicle) { return vehicle.Text("Disponibile") == QStringLiteral("S\u00ec"); });
}

ApplyRecord TfrmDisponibili::PickReceiver() const {
    return [](const Record &vehicle, int number) {
        if (frmFlotta) frmFlotta->ShowRecord(vehicle, number);
    };
}

}  // namespace vel
