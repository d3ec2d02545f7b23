#include "Giorno.h"

namespace vel {

TfrmGiorno *frmGiorno = nullptr;

TfrmGiorno::TfrmGiorno(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmGiorno")); }

}  // namespace vel
