#include "ExpClienti.h"

namespace vel {

TfrmExpClienti *frmExpClienti = nullptr;

TfrmExpClienti::TfrmExpClienti(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmExpClienti")); }

}  // namespace vel
