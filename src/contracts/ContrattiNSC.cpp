#include "ContrattiNSC.h"

#include "cards/Launcher.h"
#include "cards/Receivers.h"

namespace vel {

TfrmContrattiNSC *frmContrattiNSC = nullptr;

namespace {

// The vehicle as the contract card receives it from the vehicle search: make
// and model in one edit.
constexpr ControlFill kVehicleFills[] = {
    {"txtVeicolo", "Veicolo"},   {"txtMarca", "Marca", "Modello"},
    {"txtColore", "Colore"},     {"txtAlimentazione", "Alimentazione"},
    {"txtImpianti", "Impianti"}, {"txtTarga", "Targa"},
    {"txtPosti", "Posti"},
};

// The tariff as the contract card receives it from the tariff search. The
// deposit is a free text there and lands in the contract's amount edit as it
// is; the card's own rules decide what it stores.
constexpr ControlFill kTariffFills[] = {
    {"txtTariffa", "Tariffa"}, {"txtConteggio", "Conteggio"}, {"txtEccedenza", "Eccedenza"},
    {"txtImporto", "Importo"}, {"txtCauzione", "Cauzione"},   {"txtAssicurazioni", "Assicurazioni"},
};

}  // namespace

TfrmContrattiNSC::TfrmContrattiNSC(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmContrattiNSC"));
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    RegisterPickFills(QStringLiteral("frmTrovaFlotta"), QStringLiteral("contrattinsc"), frmContrattiNSC,
                      kVehicleFills);
    RegisterPickFills(QStringLiteral("frmTrovaTariffa"), QStringLiteral("contrattinsc"), frmContrattiNSC,
                      kTariffFills);
}

void TfrmContrattiNSC::ShowRecord(const Record &, int) {}

// Closing the card brings the launcher back; main windows are only hidden.
void TfrmContrattiNSC::FormClose(CloseAction &) {
    ShowLauncher();
    Hide();
}

}  // namespace vel
