#include "Info.h"

namespace vel {

TfrmInfo *frmInfo = nullptr;

TfrmInfo::TfrmInfo(QWidget *owner) : Form(owner) { setObjectName(QStringLiteral("frmInfo")); }

}  // namespace vel
