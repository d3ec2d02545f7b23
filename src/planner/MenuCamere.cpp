#include "MenuCamere.h"

namespace vel {

TfrmMenuCamere *frmMenuCamere = nullptr;

TfrmMenuCamere::TfrmMenuCamere(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmMenuCamere")); }

}  // namespace vel
