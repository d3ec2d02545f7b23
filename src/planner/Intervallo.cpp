#include "Intervallo.h"

namespace vel {

TfrmIntervallo *frmIntervallo = nullptr;

TfrmIntervallo::TfrmIntervallo(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmIntervallo")); }

}  // namespace vel
