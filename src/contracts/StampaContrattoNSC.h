#pragma once
// The long contract as RTF: a small dialog whose button, once the user
// confirms, writes the contract on the contract card as "Contratto_NSC.rtf"
// (contracts/ContractRtf.h) and offers to open it.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmStampaContrattoNSC : public Form {
    Q_OBJECT
public:
    explicit TfrmStampaContrattoNSC(QWidget *owner = nullptr);

    QLabel *imgEsporta01;  // what the button does, for the user
    Button *btnAnnulla;
    Button *btnStampa;     // "Esporta e stampa"
    QLabel *lblMemory;     // the caller's tag

    // Exports only for the contract card's tag, then closes whatever the
    // outcome; any other tag does nothing and the dialog stays.
    void btnStampaClick();
    void btnAnnullaClick();
};

extern TfrmStampaContrattoNSC *frmStampaContrattoNSC;

// The whole export: the question, the file written from the card on screen,
// the failure notice or the offer to open the document.
void ExportContractRtf();

}  // namespace vel
