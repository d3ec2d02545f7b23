#include "ExpPrenotazioni.h"

namespace vel {

TfrmExpPrenotazioni *frmExpPrenotazioni = nullptr;

TfrmExpPrenotazioni::TfrmExpPrenotazioni(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmExpPrenotazioni")); }

}  // namespace vel
