#include "RiepAnnualePren.h"

namespace vel {

TfrmRiepAnnualePren *frmRiepAnnualePren = nullptr;

TfrmRiepAnnualePren::TfrmRiepAnnualePren(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmRiepAnnualePren")); }

}  // namespace vel
