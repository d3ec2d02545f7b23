#pragma once
// The contract search: finds the contracts of the year open in the contract
// card by up to ten partial texts, lists them one line each, and loads the one
// picked into the card whole, with its record number, so that the card's
// "Salva" rewrites it in place. The card itself registers what the pick does
// for its tag "contrattinsc".
#include "cards/FindDialog.h"

namespace vel {

class TfrmTrovaContrattiNSC : public FindDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaContrattiNSC(QWidget *owner = nullptr);

    Edit *txtNumContratto, *txtData, *txtCliente, *txtCodFisc, *txtConducente;
    Edit *txtTariffa, *txtMarca, *txtTarga, *txtDifetti, *txtNote;
    FocusFrame *effCampo01, *effCampo02, *effCampo09, *effCampo10, *effCampo05;
    FocusFrame *effCampo06, *effCampo07, *effCampo08, *effCampo03, *effCampo04;
};

extern TfrmTrovaContrattiNSC *frmTrovaContrattiNSC;

// The archive of the year open in the contract card: the trimmed path its
// hidden label lblFile holds. The search, the to-be-paid list and the export
// read it anew at each scan.
QString OpenContractArchivePath();

}  // namespace vel
