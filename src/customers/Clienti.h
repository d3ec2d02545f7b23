#pragma once
// The customer card: one customer of "Clienti.pro" at a time.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <memory>

#include "cards/CardEngine.h"
#include "common/Record.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmClienti : public Form {
    Q_OBJECT
public:
    explicit TfrmClienti(QWidget *owner = nullptr);
    ~TfrmClienti() override;

    QFrame *panContenitore;
    QFrame *shpAnagrafica, *shpRecapiti, *shpFiscale, *shpPatente, *shpQuestioni, *shpFrecce;
    // Identity and residence.
    Edit *txtCognome, *txtNome, *txtDitta, *txtSesso, *txtRecapito, *txtIndirizzoRes;
    ComboEdit *txtProvRes;
    Edit *txtComuneRes, *txtCapRes, *txtDataNasc, *txtComuneNasc;
    ComboEdit *txtProvNasc;
    // Telephones and mail.
    Edit *txtTelCasa, *txtTelUff, *txtTelCel, *txtPec, *txtEmail;
    // Tax and payment data.
    Edit *txtCodFisc, *txtCarta, *txtScadeCarta, *txtPartitaIva, *txtIban;
    // Driving licence and additional driver.
    Edit *txtTipoPat, *txtNumPat, *txtEnteRil, *txtDataRil, *txtDataSca, *txtConducente;
    // Pending issues, call-back flag, notes, recipient code.
    Edit *txtQuestioni, *txtNote, *txtCodiceDest;
    QCheckBox *chkRicontatta;
    // Hidden labels holding the three attachments of the customer on screen.
    QLabel *lblFile01, *lblFile02, *lblFile03;
    QLabel *lblDesc01, *lblDesc02, *lblDesc03;
    // The record number of the customer on screen; empty for a new card.
    QLabel *lblPosizione;
    StatusLine *panInfo;

    ImageButton *cmdNuovo, *cmdDuplica, *cmdFile, *cmdSalva, *cmdTrova, *cmdAnteprima, *cmdStampa, *cmdPDF;
    ImageButton *cmdRicontatta, *cmdEsporta, *cmdGuida, *cmdEsci;
    ImageButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    ImageButton *btnCodFisc, *btnCarta, *btnPartitaIva, *btnIban, *btnEmail;

    // Puts a customer read from the archive on the card, with its record
    // number; the customer search and the call-back list load it this way.
    void ShowRecord(const Record &record, int number);
    CardEngine &Card() { return *card_; }

    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdFileClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void cmdRicontattaClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();
    void btnEmailClick();

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormClose(CloseAction &action) override;

private:
    void BuildLayout();
    void BindRules();
    std::unique_ptr<CardEngine> card_;
};

extern TfrmClienti *frmClienti;

// The province codes both province combos offer, in alphabetical order.
const QStringList &ProvinceCodes();

}  // namespace vel
