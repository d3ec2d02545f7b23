#include "ExpTariffario.h"

namespace vel {

TfrmExpTariffario *frmExpTariffario = nullptr;

TfrmExpTariffario::TfrmExpTariffario(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmExpTariffario")); }

}  // namespace vel
