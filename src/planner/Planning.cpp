#include "Planning.h"

#include "shell/Avvio.h"

namespace vel {

TfrmPlanning *frmPlanning = nullptr;

TfrmPlanning::TfrmPlanning(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmPlanning")); }

// Closing the planner brings the launcher back; main windows are only hidden.
void TfrmPlanning::FormClose(CloseAction &) {
    frmAvvio->Show();
    Hide();
}

}  // namespace vel
