#include "AllegaCartella.h"

namespace vel {

TfrmAllegaCartella *frmAllegaCartella = nullptr;

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmAllegaCartella")); }

}  // namespace vel
