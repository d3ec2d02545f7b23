#include "Prenotazioni.h"

namespace vel {

TfrmPrenotazioni *frmPrenotazioni = nullptr;

TfrmPrenotazioni::TfrmPrenotazioni(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmPrenotazioni")); }

}  // namespace vel
