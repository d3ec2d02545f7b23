#include "ContrattiNSC.h"

namespace vel {

TfrmContrattiNSC *frmContrattiNSC = nullptr;

TfrmContrattiNSC::TfrmContrattiNSC(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmContrattiNSC")); }

}  // namespace vel
