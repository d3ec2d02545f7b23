#include "StampaContrattoNSC.h"

namespace vel {

TfrmStampaContrattoNSC *frmStampaContrattoNSC = nullptr;

TfrmStampaContrattoNSC::TfrmStampaContrattoNSC(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmStampaContrattoNSC"));
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

}  // namespace vel
