#include "StampaLav.h"

namespace vel {

TfrmStampaLav *frmStampaLav = nullptr;

TfrmStampaLav::TfrmStampaLav(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmStampaLav")); }

}  // namespace vel
