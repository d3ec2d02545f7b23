#include "StampaContrattoNSC.h"

namespace vel {

TfrmStampaContrattoNSC *frmStampaContrattoNSC = nullptr;

TfrmStampaContrattoNSC::TfrmStampaContrattoNSC(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmStampaContrattoNSC")); }

}  // namespace vel
