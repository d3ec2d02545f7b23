#pragma once
// The contract card: one contract of a year's contract archive at a time.
// The year panel opens a year; the working panel holds the contract's 57
// fields, its commands and the openers of the contract dialogs. The firm's
// standing data come from "Velmora.ini" and go back there when it closes.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <memory>

#include "cards/CardEngine.h"
#include "common/Record.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/YearEdit.h"

namespace vel {

class TfrmContrattiNSC : public Form {
    Q_OBJECT
public:
    explicit TfrmContrattiNSC(QWidget *owner = nullptr);
    ~TfrmContrattiNSC() override;

    // ---- the year panel
    QFrame *panAvvio = nullptr;
    YearEdit *txtAnno = nullptr;
    Button *btnApri = nullptr;
    QLabel *lblIstruzioni = nullptr;
    ImageButton *imgGuida = nullptr, *imgEsci = nullptr;
    // The open year's archive path: the contract search, the to-be-paid
    // list and the export read it.
    QLabel *lblFile = nullptr;

    // ---- the working panel
    QFrame *panContainer = nullptr;
    QFrame *shpContainer = nullptr;
    QFrame *shpRecord = nullptr, *shpAllega = nullptr, *shpStampa = nullptr, *shpWord = nullptr;
    QFrame *shpControlli = nullptr, *shpExcel = nullptr, *shpDaSaldare = nullptr, *shpEsci = nullptr;
    QFrame *shpSezione01 = nullptr, *shpSezione02 = nullptr;

    // The 50 fields, in record order.
    Edit *txtDitta, *txtNumContratto, *txtData, *txtLuogo, *txtCliente, *txtSesso, *txtIndirizzoRes;
    Edit *txtComuneRes;
    ComboEdit *txtProvRes;
    Edit *txtCapRes, *txtCodFisc, *txtRecapito, *txtDataNasc, *txtComuneNasc;
    ComboEdit *txtProvNasc;
    Edit *txtTipoPat, *txtNumPat, *txtEnteRil, *txtDataRil, *txtDataSca, *txtConducente;
    ComboEdit *txtVeicolo;
    Edit *txtMarca, *txtColore;
    ComboEdit *txtAlimentazione;
    Edit *txtTarga, *txtPosti, *txtImpianti;
    ComboEdit *txtTariffa;
    Edit *txtConteggio, *txtEccedenza, *txtImporto, *txtTotale, *txtDataInizio, *txtOraInizio, *txtSedeRit;
    Edit *txtDataFine, *txtOraFine, *txtSedeRic, *txtTotGiorni;
    ComboEdit *txtLivello;
    Edit *txtKmParte, *txtKmRientro, *txtCauzione, *txtDifetti, *txtPagamento, *txtForo, *txtAssicurazioni;
    Edit *txtPrivacy, *txtNote;
    QCheckBox *chkDaSaldare;
    // Hidden labels holding the three attachments of the contract on screen.
    QLabel *lblFile01, *lblFile02, *lblFile03;
    QLabel *lblDesc01, *lblDesc02, *lblDesc03;
    // The record number of the contract on screen; empty for a new contract.
    QLabel *lblPosizione;
    // The first contract number of the year, as "Nuovo" last read it.
    QLabel *lblInizio;
    StatusLine *panInfo;

    ImageButton *cmdNuovo, *cmdImporta, *cmdSalva, *cmdTrova, *cmdFile, *cmdStampa, *cmdWord;
    ImageButton *cmdNumerazione, *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo, *cmdEsporta;
    ImageButton *cmdGuida, *cmdEsci, *cmdDaSaldare;
    ImageButton *impCliente, *impVeicolo, *impTariffa, *btnCodFisc, *btnLogo, *btnPrivacy;
    Button *cmdCalcola;

    // Puts a contract read from the archive on the card, with its record
    // number; the contract search and the to-be-paid list load it this way.
    void ShowRecord(const Record &record, int number);
    CardEngine &Card() { return *card_; }

    // The year panel.
    void btnApriClick();
    void imgEsciClick();
    // The card's own commands.
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsciClick();
    void cmdCalcolaClick();
    void btnCodFiscClick();
    void cmdGuidaClick();
    // The openers of the other windows.
    void impClienteClick();
    void impVeicoloClick();
    void impTariffaClick();
    void cmdImportaClick();
    void cmdTrovaClick();
    void cmdDaSaldareClick();
    void cmdEsportaClick();
    void cmdStampaClick();
    void cmdWordClick();
    void btnPrivacyClick();
    void btnLogoClick();
    void cmdNumerazioneClick();
    void cmdFileClick();

    // The field rules of their own; the others are the card engine's.
    void txtDataInizioKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtDataFineKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtTotGiorniKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtImportoKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtTotaleKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtCauzioneKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtImportoExit();
    void txtTotaleExit();
    void txtCauzioneExit();
    void txtProvResExit();
    void txtProvNascExit();

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormClose(CloseAction &action) override;

private:
    void BuildLayout();
    void BuildCommands();
    void ClearContractCard();
    // Opens the date picker for one of the two date fields.
    void PickDate(Edit *field, const QString &tag, int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    std::unique_ptr<CardEngine> card_;
    bool listsFilled_ = false;
    // The company defaults as the last show found them could not be read:
    // the close must not put blanks over the stored ones.
    bool settingsUnread_ = false;
};

extern TfrmContrattiNSC *frmContrattiNSC;

}  // namespace vel
