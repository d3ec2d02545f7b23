#include "ExpContratti.h"

namespace vel {

TfrmExpContratti *frmExpContratti = nullptr;

TfrmExpContratti::TfrmExpContratti(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmExpContratti")); }

}  // namespace vel
