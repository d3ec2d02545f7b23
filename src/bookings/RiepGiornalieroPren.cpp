#include "RiepGiornalieroPren.h"

namespace vel {

TfrmRiepGiornalieroPren *frmRiepGiornalieroPren = nullptr;

TfrmRiepGiornalieroPren::TfrmRiepGiornalieroPren(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmRiepGiornalieroPren")); }

}  // namespace vel
