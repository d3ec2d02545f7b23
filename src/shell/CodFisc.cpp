#include "CodFisc.h"

namespace vel {

TfrmCodFisc *frmCodFisc = nullptr;

TfrmCodFisc::TfrmCodFisc(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmCodFisc")); }

}  // namespace vel
