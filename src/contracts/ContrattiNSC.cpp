#include "ContrattiNSC.h"

#include "shell/Avvio.h"

namespace vel {

TfrmContrattiNSC *frmContrattiNSC = nullptr;

TfrmContrattiNSC::TfrmContrattiNSC(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmContrattiNSC")); }

// Closing the card brings the launcher back; main windows are only hidden.
void TfrmContrattiNSC::FormClose(CloseAction &) {
    frmAvvio->Show();
    Hide();
}

}  // namespace vel
