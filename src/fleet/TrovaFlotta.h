#pragma once
// The vehicle search: finds vehicles of "Flotta_Automezzi.pro" by up to ten
// partial texts and copies the one picked into the window its caller named:
// the whole record into the vehicle card ("flotta"), seven fields into the
// booking card ("prenotazioni") or the contract card ("contrattinsc").
#include "cards/FindDialog.h"

namespace vel {

class TfrmTrovaFlotta : public FindDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaFlotta(QWidget *owner = nullptr);

    Edit *txtVeicolo, *txtAlimentazione, *txtMarca, *txtModello, *txtTarga;
    Edit *txtTelaio, *txtConducente, *txtCodFisc, *txtIncidenti, *txtNote;
    FocusFrame *effVeicolo, *effAlimentazione, *effMarca, *effModello, *effTarga;
    FocusFrame *effTelaio, *effConducente, *effCodFisc, *effIncidenti, *effNote;
};

extern TfrmTrovaFlotta *frmTrovaFlotta;

// The vehicle archive's file name.
QString FleetArchiveName();

}  // namespace vel
