#include "RiepMensilePren.h"

namespace vel {

TfrmRiepMensilePren *frmRiepMensilePren = nullptr;

TfrmRiepMensilePren::TfrmRiepMensilePren(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmRiepMensilePren")); }

}  // namespace vel
