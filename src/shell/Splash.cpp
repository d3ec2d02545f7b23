#include "Splash.h"

namespace vel {

TfrmSplash *frmSplash = nullptr;

TfrmSplash::TfrmSplash(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmSplash")); }

}  // namespace vel
