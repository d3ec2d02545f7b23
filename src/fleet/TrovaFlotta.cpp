#include "TrovaFlotta.h"

namespace vel {

TfrmTrovaFlotta *frmTrovaFlotta = nullptr;

TfrmTrovaFlotta::TfrmTrovaFlotta(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmTrovaFlotta")); }

}  // namespace vel
