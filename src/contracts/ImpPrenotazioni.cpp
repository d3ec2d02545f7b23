#include "ImpPrenotazioni.h"

namespace vel {

TfrmImpPrenotazioni *frmImpPrenotazioni = nullptr;

TfrmImpPrenotazioni::TfrmImpPrenotazioni(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmImpPrenotazioni"));
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

}  // namespace vel
