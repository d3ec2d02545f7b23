#include "StampaPlanning.h"

namespace vel {

TfrmStampaPlanning *frmStampaPlanning = nullptr;

TfrmStampaPlanning::TfrmStampaPlanning(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmStampaPlanning")); }

}  // namespace vel
