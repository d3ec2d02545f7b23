#include "AnteprimaPlanning.h"

namespace vel {

TfrmAnteprimaPlanning *frmAnteprimaPlanning = nullptr;

TfrmAnteprimaPlanning::TfrmAnteprimaPlanning(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmAnteprimaPlanning")); }

}  // namespace vel
