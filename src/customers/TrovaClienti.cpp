#include "TrovaClienti.h"

namespace vel {

TfrmTrovaClienti *frmTrovaClienti = nullptr;

TfrmTrovaClienti::TfrmTrovaClienti(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmTrovaClienti"));
    SetCaption(QStringLiteral(" Trova clienti in archivio"));
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

}  // namespace vel
