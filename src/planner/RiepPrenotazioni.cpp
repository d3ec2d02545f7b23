#include "RiepPrenotazioni.h"

namespace vel {

TfrmRiepPrenotazioni *frmRiepPrenotazioni = nullptr;

TfrmRiepPrenotazioni::TfrmRiepPrenotazioni(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmRiepPrenotazioni")); }

}  // namespace vel
