#include "Tariffario.h"

namespace vel {

TfrmTariffario *frmTariffario = nullptr;

TfrmTariffario::TfrmTariffario(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmTariffario")); }

}  // namespace vel
