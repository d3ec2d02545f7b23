#include "ImpPrenotazioni.h"

namespace vel {

TfrmImpPrenotazioni *frmImpPrenotazioni = nullptr;

TfrmImpPrenotazioni::TfrmImpPrenotazioni(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmImpPrenotazioni")); }

}  // namespace vel
