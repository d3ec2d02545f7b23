#include "Prenotazioni.h"

#include "shell/Avvio.h"

namespace vel {

TfrmPrenotazioni *frmPrenotazioni = nullptr;

TfrmPrenotazioni::TfrmPrenotazioni(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmPrenotazioni")); }

// Closing the card brings the launcher back; main windows are only hidden.
void TfrmPrenotazioni::FormClose(CloseAction &) {
    frmAvvio->Show();
    Hide();
}

}  // namespace vel
