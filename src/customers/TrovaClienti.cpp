#include "TrovaClienti.h"

namespace vel {

TfrmTrovaClienti *frmTrovaClienti = nullptr;

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmTrovaClienti")); }

}  // namespace vel
