#include "Flotta.h"

namespace vel {

TfrmFlotta *frmFlotta = nullptr;

TfrmFlotta::TfrmFlotta(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmFlotta")); }

}  // namespace vel
