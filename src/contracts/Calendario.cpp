#include "Calendario.h"

namespace vel {

TfrmCalendario *frmCalendario = nullptr;

TfrmCalendario::TfrmCalendario(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmCalendario"));
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

}  // namespace vel
