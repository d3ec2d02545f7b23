#include "Logo.h"

namespace vel {

TfrmLogo *frmLogo = nullptr;

TfrmLogo::TfrmLogo(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmLogo")); }

}  // namespace vel
