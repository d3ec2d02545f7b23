#include "DaSaldare.h"

namespace vel {

TfrmDaSaldare *frmDaSaldare = nullptr;

TfrmDaSaldare::TfrmDaSaldare(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmDaSaldare")); }

}  // namespace vel
