#include "Tariffario.h"

#include "shell/Avvio.h"

namespace vel {

TfrmTariffario *frmTariffario = nullptr;

TfrmTariffario::TfrmTariffario(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmTariffario")); }

// Closing the card brings the launcher back; main windows are only hidden.
void TfrmTariffario::FormClose(CloseAction &) {
    frmAvvio->Show();
    Hide();
}

}  // namespace vel
