#include "TrovaPrenotazioni.h"

namespace vel {

TfrmTrovaPrenotazioni *frmTrovaPrenotazioni = nullptr;

TfrmTrovaPrenotazioni::TfrmTrovaPrenotazioni(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmTrovaPrenotazioni")); }

}  // namespace vel
