#pragma once
// The one-day booking dialog: books, changes or frees one day of the planner.
// Its opener writes the day's key into lblMemory, the day and vehicle lines
// and the day's booking text; "Applica e chiudi" writes the text and the two
// markers of that day in the planner, "Annulla" writes nothing.
#include <QFrame>
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmGiorno : public Form {
    Q_OBJECT
public:
    explicit TfrmGiorno(QWidget *owner = nullptr);

    QFrame *panContainer;
    QFrame *shpSfondo;
    QFrame *recCamera;
    QLabel *infCamera;     // the vehicle line, written by the opener
    QFrame *recTitolo;
    QLabel *infGiorno;     // the day line, written by the opener
    QLabel *icoIstruzioni;
    QFrame *effPrenotazione;
    Edit *txtPrenotazione;  // the booking text: the customer's name
    ImageButton *cmdClipboard;
    ImageButton *cmdCancella;
    QFrame *Rectangle1;
    QLabel *icnLibera, *icoLibera;      // shown while the text is blank
    QLabel *icnOccupata, *icoOccupata;  // shown while it is not
    Button *btnChiudi;   // "Applica e chiudi"
    Button *btnAnnulla;  // "Annulla"
    QLabel *lblMemory;   // hidden: the day key ("gen_01" .. "dic_31")

    void txtPrenotazioneChange();
    void txtPrenotazioneTyping();
    void btnChiudiClick();
    void btnAnnullaClick();
    void cmdCancellaClick();
    void cmdClipboardClick();

protected:
    void FormCreate() override;
    void FormShow() override;

private:
    void ShowStatus();
};

extern TfrmGiorno *frmGiorno;

}  // namespace vel
