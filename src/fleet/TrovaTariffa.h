#pragma once
// The tariff search: finds tariffs of "Tariffario.pro" by up to ten partial
// texts and copies the one picked into the window its caller named: the whole
// record into the tariff card ("tariffario"), six fields into the contract
// card ("contrattinsc").
#include "cards/FindDialog.h"

namespace vel {

class TfrmTrovaTariffa : public FindDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaTariffa(QWidget *owner = nullptr);

    Edit *txtTariffa, *txtDescrizione, *txtCodice, *txtConteggio, *txtVeicolo;
    Edit *txtClasse, *txtAlimentazione, *txtPatente, *txtListino, *txtNote;
    FocusFrame *effCampo01, *effCampo02, *effCampo09, *effCampo10, *effCampo05;
    FocusFrame *effCampo06, *effCampo07, *effCampo08, *effCampo03, *effCampo04;
};

extern TfrmTrovaTariffa *frmTrovaTariffa;

// The tariff archive's file name.
QString TariffArchiveName();

}  // namespace vel
