#include "ExpFlotta.h"

namespace vel {

TfrmExpFlotta *frmExpFlotta = nullptr;

TfrmExpFlotta::TfrmExpFlotta(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmExpFlotta")); }

}  // namespace vel
