#pragma once
// The tariff card: one tariff of "Tariffario.pro" at a time.
#include <QFrame>
#include <QLabel>
#include <memory>

#include "cards/CardEngine.h"
#include "common/Record.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmTariffario : public Form {
    Q_OBJECT
public:
    explicit TfrmTariffario(QWidget *owner = nullptr);
    ~TfrmTariffario() override;

    QFrame *panContenitore;
    QFrame *shpComandi01, *shpComandi02, *shpComandi03, *shpComandi04, *shpComandi05, *shpComandi06;
    QFrame *shpSezione01, *shpSezione02, *shpSezione03, *shpSezione04, *shpSezione05, *shpSezione06;
    ComboEdit *txtTariffa;
    Edit *txtDescrizione, *txtCodice, *txtImporto, *txtConteggio, *txtEccedenza;
    ComboEdit *txtVeicolo, *txtClasse, *txtAlimentazione;
    Edit *txtPosti, *txtRitiro, *txtRiconsegna, *txtListino, *txtPrezzoList, *txtDescList;
    Edit *txtPagamento, *txtBanca, *txtCauzione, *txtIban, *txtIntestatario, *txtNote;
    Edit *txtPatente, *txtDocumenti, *txtAssicurazioni, *txtRequisiti;
    QLabel *lblFile01, *lblFile02, *lblFile03;
    QLabel *lblDesc01, *lblDesc02, *lblDesc03;
    QLabel *lblPosizione;
    StatusLine *panInfo;

    ImageButton *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova, *cmdFile, *cmdStampa;
    ImageButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    ImageButton *cmdEsporta, *cmdListino, *cmdGuida, *cmdEsci, *btnIban;

    // Puts a tariff read from the archive on the card, with its record number.
    void ShowRecord(const Record &record, int number);
    CardEngine &Card() { return *card_; }

    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsportaClick();
    void cmdListinoClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnIbanClick();
    // The amount edits: which keys they take, and how they show an amount once left.
    void txtImportoKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtPrezzoListKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtImportoExit();
    void txtPrezzoListExit();

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormClose(CloseAction &action) override;

private:
    void BuildLayout();
    std::unique_ptr<CardEngine> card_;
};

extern TfrmTariffario *frmTariffario;

}  // namespace vel
