#include "Prenotazioni.h"

#include "cards/Launcher.h"
#include "cards/Receivers.h"

namespace vel {

TfrmPrenotazioni *frmPrenotazioni = nullptr;

namespace {

// The vehicle as the booking card receives it from the vehicle search.
constexpr ControlFill kVehicleFills[] = {
    {"txtVeicolo", "Veicolo"}, {"txtMarca", "Marca"}, {"txtModello", "Modello"},
    {"txtColore", "Colore"},   {"txtAlimentazione", "Alimentazione"},
    {"txtTarga", "Targa"},     {"txtPosti", "Posti"},
};

}  // namespace

TfrmPrenotazioni::TfrmPrenotazioni(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmPrenotazioni"));
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    lblAnnoRit = new QLabel(this);
    lblAnnoRit->setObjectName(QStringLiteral("lblAnnoRit"));
    RegisterPickFills(QStringLiteral("frmTrovaFlotta"), QStringLiteral("prenotazioni"), frmPrenotazioni,
                      kVehicleFills);
}

// Closing the card brings the launcher back; main windows are only hidden.
void TfrmPrenotazioni::FormClose(CloseAction &) {
    ShowLauncher();
    Hide();
}

}  // namespace vel
