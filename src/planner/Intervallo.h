#pragma once
// The interval booking dialog: books one customer's name on every day of an
// interval of the planner's year. Its opener writes the year into both year
// labels and the vehicle into infCamera; the user picks the start and end day
// and month from the lists and types the name.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "platform/ChoiceList.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmIntervallo : public Form {
    Q_OBJECT
public:
    explicit TfrmIntervallo(QWidget *owner = nullptr);

    QFrame *panContainer;
    QFrame *recCamera;
    QLabel *infCamera;  // the vehicle, written by the opener
    QLabel *lblIstruzioniIntervallo, *lblIstruzioniCliente;
    QGroupBox *grpDataInizio, *grpDataFine;
    // Day ("01" .. "31") and month ("Gennaio" .. "Dicembre") lists, empty
    // while nothing is chosen; typing into them is refused. Leaving one keeps
    // a day exactly as listed, a month in any case of its letters.
    ChoiceList *txtGiornoInizio, *txtMeseInizio, *txtGiornoFine, *txtMeseFine;
    FocusFrame *effGiornoInizio, *effMeseInizio, *effGiornoFine, *effMeseFine;
    QLabel *lblAnnoInizio, *lblAnnoFine;  // the planner's year, written by the opener
    QLabel *lblDataInizio, *lblDataFine;  // hidden: the dates "Applica e chiudi" composes
    QFrame *effPrenotazione;
    Edit *txtPrenotazione;  // the customer's name, the booking text of every day
    ImageButton *cmdClipboard;
    ImageButton *cmdCancella;
    Button *btnChiudi;   // "Applica e chiudi"
    Button *btnAnnulla;  // "Annulla"
    QLabel *lblMemory;   // hidden, unused: this dialog takes no caller tag

    void txtGiornoInizioKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtMeseInizioKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtGiornoFineKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtMeseFineKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtGiornoInizioEnter();
    void txtMeseInizioEnter();
    void txtGiornoFineEnter();
    void txtMeseFineEnter();
    void txtGiornoInizioExit();
    void txtMeseInizioExit();
    void txtGiornoFineExit();
    void txtMeseFineExit();
    void txtPrenotazioneKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void cmdCancellaClick();
    void cmdClipboardClick();
    void btnChiudiClick();
    void btnAnnullaClick();

protected:
    void FormCreate() override;
    void FormShow() override;

private:
    void BookInterval(const QString &name);
};

extern TfrmIntervallo *frmIntervallo;

}  // namespace vel
