#include "Planning.h"

namespace vel {

TfrmPlanning *frmPlanning = nullptr;

TfrmPlanning::TfrmPlanning(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmPlanning")); }

}  // namespace vel
