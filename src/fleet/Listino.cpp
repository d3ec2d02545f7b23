#include "Listino.h"

namespace vel {

TfrmListino *frmListino = nullptr;

TfrmListino::TfrmListino(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmListino"));
    txtTipologia = new Edit(this);
    txtTipologia->setObjectName(QStringLiteral("txtTipologia"));
}

}  // namespace vel
