#include "PartitaIVA.h"

namespace vel {

TfrmPartitaIva *frmPartitaIva = nullptr;

TfrmPartitaIva::TfrmPartitaIva(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmPartitaIva")); }

}  // namespace vel
