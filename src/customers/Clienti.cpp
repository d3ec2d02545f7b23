#include "Clienti.h"

namespace vel {

TfrmClienti *frmClienti = nullptr;

TfrmClienti::TfrmClienti(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmClienti")); }

}  // namespace vel
