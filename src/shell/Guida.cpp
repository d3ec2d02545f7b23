#include "Guida.h"

namespace vel {

TfrmGuida *frmGuida = nullptr;

TfrmGuida::TfrmGuida(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmGuida")); }

}  // namespace vel
