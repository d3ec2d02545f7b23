#pragma once
// The booking card: one booking of a year's booking archive "<yyyy>.car" at
// a time. The card first asks for the year on its year panel; "Apri" turns
// to the card panel of that year, whose archive path stays in `lblFile`.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <array>
#include <memory>

#include "cards/CardEngine.h"
#include "common/Record.h"
#include "platform/ChoiceList.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/YearEdit.h"

namespace vel {

class TfrmPrenotazioni : public Form {
    Q_OBJECT
public:
    explicit TfrmPrenotazioni(QWidget *owner = nullptr);
    ~TfrmPrenotazioni() override;

    // ---- the year panel
    QFrame *panAvvio;
    YearEdit *txtAnno;
    QLabel *lblApri;
    Button *btnApri;
    ImageButton *imgGuida, *imgEsci;
    // The open year's archive path; the booking search, export and listings
    // read it.
    QLabel *lblFile = nullptr;

    // ---- the card panel
    QFrame *panContainer;
    QFrame *shpVeicolo, *shpCliente, *shpFrecce;
    QGroupBox *grpDataRit, *grpOraRit, *grpDataRic, *grpOraRic;
    // The date and time lists: a value comes from the drop-down list, a load
    // or a clock button, never from the keyboard.
    ChoiceList *txtGiornoRit, *txtMeseRit, *txtOreRit, *txtMinutiRit;
    ChoiceList *txtGiornoRic, *txtMeseRic, *txtOreRic, *txtMinutiRic;
    // The year of the open archive, on both sides; the listings read
    // lblAnnoRit.
    QLabel *lblAnnoRit = nullptr;
    QLabel *lblAnnoRic;
    // Stored with the record, rebuilt by every save from the lists.
    QLabel *lblDataRit, *lblOraRit, *lblDataRic, *lblOraRic;
    Edit *txtSedeRit, *txtSedeRic;
    Edit *txtVeicolo, *txtMarca, *txtModello, *txtColore, *txtPosti, *txtTarga, *txtAlimentazione;
    Edit *txtCliente, *txtCodFisc, *txtRecapito, *txtTelCel, *txtEmail;
    // The record number of the booking on screen; empty for a new card.
    QLabel *lblPosizione;
    StatusLine *panInfo;

    ImageButton *impRitiro, *impRiconsegna, *impVeicolo, *impCliente, *btnCodFisc, *cmdEmail;
    ImageButton *cmdNuovo, *cmdSalva, *cmdTrova, *cmdEsporta, *cmdStampa, *cmdAnteprima;
    ImageButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    ImageButton *cmdRiepGiornaliero, *cmdRiepMensile, *cmdRiepAnnuale, *cmdGuida, *cmdEsci;

    // Puts a booking read from the archive on the card, with its record
    // number; the arrows and the booking search load it this way.
    void ShowRecord(const Record &record, int number);
    CardEngine &Card() { return *card_; }
    // The card's own clear, also the whole of "Nuovo": the lists emptied
    // (hours and minutes "00"), the edits, the year edit and the number
    // emptied; the year and the date and time labels keep their values.
    void ClearBookingCard();

    void btnApriClick();
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void impClienteClick();
    void impVeicoloClick();
    void cmdTrovaClick();
    void cmdEsportaClick();
    void cmdRiepAnnualeClick();
    void cmdRiepMensileClick();
    void cmdRiepGiornalieroClick();
    void btnCodFiscClick();
    void imgGuidaClick();
    void cmdEsciClick();
    void imgEsciClick();
    void impRitiroClick();
    void impRiconsegnaClick();
    void cmdStampaClick();
    void cmdAnteprimaClick();
    void cmdEmailClick();

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormClose(CloseAction &action) override;

private:
    void BuildYearPanel();
    void BuildCardPanel();
    void BindCard();
    // The eight lists, pick-up side first: day, month, hour, minutes.
    std::array<ChoiceList *, 8> Lists() const;
    std::unique_ptr<CardEngine> card_;
};

extern TfrmPrenotazioni *frmPrenotazioni;

}  // namespace vel
