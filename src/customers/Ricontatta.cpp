#include "Ricontatta.h"

namespace vel {

TfrmRicontatta *frmRicontatta = nullptr;

TfrmRicontatta::TfrmRicontatta(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmRicontatta")); }

}  // namespace vel
