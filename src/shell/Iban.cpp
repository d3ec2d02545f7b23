#include "Iban.h"

namespace vel {

TfrmIban *frmIban = nullptr;

TfrmIban::TfrmIban(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmIban")); }

}  // namespace vel
