#include "Calendario.h"

namespace vel {

TfrmCalendario *frmCalendario = nullptr;

TfrmCalendario::TfrmCalendario(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmCalendario")); }

}  // namespace vel
