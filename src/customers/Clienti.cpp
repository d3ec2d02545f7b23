#include "Clienti.h"

#include "cards/Launcher.h"

namespace vel {

TfrmClienti *frmClienti = nullptr;

TfrmClienti::TfrmClienti(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmClienti")); }

// Closing the card brings the launcher back; main windows are only hidden.
void TfrmClienti::FormClose(CloseAction &) {
    ShowLauncher();
    Hide();
}

}  // namespace vel
