#include "Disponibili.h"

namespace vel {

TfrmDisponibili *frmDisponibili = nullptr;

TfrmDisponibili::TfrmDisponibili(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmDisponibili")); }

}  // namespace vel
