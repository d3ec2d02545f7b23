#pragma once
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmPrivacy : public Form {
public:
    explicit TfrmPrivacy(QWidget *owner = nullptr);

    // What the contract card's opener writes in before showing the notice.
    Edit *txtNumContratto, *txtData, *txtDitta, *txtCliente, *txtCodFisc, *txtDataNasc;
    Edit *txtComuneNasc, *txtProvNasc, *txtPrivacy, *txtLuogoFirma, *txtDataFirma;
};

extern TfrmPrivacy *frmPrivacy;

}  // namespace vel
