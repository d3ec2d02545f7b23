#include "TrovaTariffa.h"

namespace vel {

TfrmTrovaTariffa *frmTrovaTariffa = nullptr;

TfrmTrovaTariffa::TfrmTrovaTariffa(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmTrovaTariffa")); }

}  // namespace vel
