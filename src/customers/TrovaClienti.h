#pragma once
// The customer search: finds customers of "Clienti.pro" by up to ten partial
// texts and copies the one picked into the window its caller named: the whole
// record into the customer card ("clienti"), the owner of the vehicle card
// ("flotta"), the customer of the booking card ("prenotazioni") or of the
// contract card ("contrattinsc"). Each of those windows registers what it
// takes (cards/Receivers.h); this dialog knows none of them.
#include "cards/FindDialog.h"

namespace vel {

class TfrmTrovaClienti : public FindDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *owner = nullptr);

    Edit *txtCognome, *txtDitta, *txtPartitaIva, *txtCodFisc, *txtComuneRes;
    Edit *txtNumPat, *txtConducente, *txtCodiceDest, *txtQuestioni, *txtNote;
    FocusFrame *effCognome, *effDitta, *effPartitaIva, *effCodFisc, *effComuneRes;
    FocusFrame *effNumPat, *effConducente, *effCodiceDest, *effQuestioni, *effNote;
};

extern TfrmTrovaClienti *frmTrovaClienti;

// The customer archive's file name.
QString CustomerArchiveName();

}  // namespace vel
