#include "Numerazione.h"

namespace vel {

TfrmNumerazione *frmNumerazione = nullptr;

TfrmNumerazione::TfrmNumerazione(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmNumerazione"));
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

}  // namespace vel
