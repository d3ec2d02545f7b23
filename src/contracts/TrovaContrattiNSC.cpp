#include "TrovaContrattiNSC.h"

namespace vel {

TfrmTrovaContrattiNSC *frmTrovaContrattiNSC = nullptr;

TfrmTrovaContrattiNSC::TfrmTrovaContrattiNSC(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmTrovaContrattiNSC")); }

}  // namespace vel
