#pragma once
// The vehicle card: one vehicle of "Flotta_Automezzi.pro" at a time.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <memory>

#include "cards/CardEngine.h"
#include "common/Record.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmFlotta : public Form {
    Q_OBJECT
public:
    explicit TfrmFlotta(QWidget *owner = nullptr);
    ~TfrmFlotta() override;

    QFrame *panContenitore;
    QFrame *shpVeicolo, *shpProprietario, *shpNote, *shpDisponibile, *shpFrecce;
    ComboEdit *txtVeicolo;
    Edit *txtMarca, *txtModello, *txtColore;
    ComboEdit *txtAlimentazione;
    Edit *txtTarga, *txtImpianti, *txtTelaio, *txtImmatricolazione, *txtCilindrata, *txtCavalli;
    Edit *txtDataAcq, *txtPrezzoAcq, *txtTelepass, *txtPosti, *txtPeso, *txtViacard, *txtLitro, *txtUso;
    Edit *txtPneumatici, *txtAssi, *txtAmbientale, *txtOfficina, *txtCompagnia, *txtIncidenti;
    ComboEdit *txtStato;
    Edit *txtConducente, *txtCodFisc, *txtRecapito, *txtNote;
    QCheckBox *chkDisponibile;
    // Hidden labels holding the three attachments of the vehicle on screen.
    QLabel *lblFile01, *lblFile02, *lblFile03;
    QLabel *lblDesc01, *lblDesc02, *lblDesc03;
    // The record number of the vehicle on screen; empty for a new card.
    QLabel *lblPosizione;
    StatusLine *panInfo;

    ImageButton *cmdNuovo, *cmdDuplica, *cmdAllega, *cmdSalva, *cmdTrova, *cmdAnteprima, *cmdStampa;
    ImageButton *cmdPDF, *cmdDisponibili, *cmdEsporta, *cmdGuida, *cmdEsci;
    ImageButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    ImageButton *btnCodFisc, *impAutomezzo;

    // Puts a vehicle read from the archive on the card, with its record
    // number; the vehicle search and the available list load it this way.
    void ShowRecord(const Record &record, int number);
    CardEngine &Card() { return *card_; }

    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdAllegaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPDFClick();
    void cmdDisponibiliClick();
    void cmdEsportaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void btnCodFiscClick();
    void impAutomezzoClick();

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormClose(CloseAction &action) override;

private:
    void BuildLayout();
    std::unique_ptr<CardEngine> card_;
};

extern TfrmFlotta *frmFlotta;

}  // namespace vel
