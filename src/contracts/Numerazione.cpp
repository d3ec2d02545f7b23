#include "Numerazione.h"

namespace vel {

TfrmNumerazione *frmNumerazione = nullptr;

TfrmNumerazione::TfrmNumerazione(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmNumerazione")); }

}  // namespace vel
