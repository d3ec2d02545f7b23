#include "Privacy.h"

namespace vel {

TfrmPrivacy *frmPrivacy = nullptr;

TfrmPrivacy::TfrmPrivacy(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmPrivacy")); }

}  // namespace vel
