#include "Privacy.h"

namespace vel {

TfrmPrivacy *frmPrivacy = nullptr;

TfrmPrivacy::TfrmPrivacy(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmPrivacy"));
    auto edit = [this](const char *name) {
        auto *e = new Edit(this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    txtNumContratto = edit("txtNumContratto");
    txtData = edit("txtData");
    txtDitta = edit("txtDitta");
    txtCliente = edit("txtCliente");
    txtCodFisc = edit("txtCodFisc");
    txtDataNasc = edit("txtDataNasc");
    txtComuneNasc = edit("txtComuneNasc");
    txtProvNasc = edit("txtProvNasc");
    txtPrivacy = edit("txtPrivacy");
    txtLuogoFirma = edit("txtLuogoFirma");
    txtDataFirma = edit("txtDataFirma");
}

}  // namespace vel
