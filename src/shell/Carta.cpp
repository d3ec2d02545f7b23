#include "Carta.h"

namespace vel {

TfrmCarta *frmCarta = nullptr;

TfrmCarta::TfrmCarta(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmCarta")); }

}  // namespace vel
