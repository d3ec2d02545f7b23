#pragma once
// The numbering dialog: edits the first contract number of every year, key
// "Inizio" of section "Numerazione Contratti NSC" in "Velmora.ini". The
// contract card numbers a new contract as that number plus the contracts
// already in the year's archive. Only the card's tag "contrattinsc" lets the
// dialog read and write the settings file.
#include <QGroupBox>
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmNumerazione : public Form {
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget *owner = nullptr);

    QLabel *imgNumerazione, *imgCalendario, *imgMano;  // decoration
    QGroupBox *grpNumerazione;
    FocusFrame *effInizio;
    Edit *txtInizio;  // up to five digits; "1" until the settings say otherwise
    Button *btnApplica;  // "Applica e chiudi"
    Button *btnAnnulla;  // "Annulla"
    QLabel *lblMemory;   // the caller's tag

    void txtInizioEnter();
    void txtInizioExit();
    void txtInizioKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void btnApplicaClick();
    void btnAnnullaClick();

protected:
    void FormCreate() override;
    void FormShow() override;

private:
    bool ActsOnSettings() const;
};

extern TfrmNumerazione *frmNumerazione;

// What the numbering dialog shows of a first number once it is left: "1" for
// a blank text or a text that is no number, else the number rounded half-up
// to a whole one and written in plain digits ("007" gives "7", "0" stays).
QString NormalizeStartNumber(const QString &text);

// The message a settings file that cannot be read or written gives.
QString SettingsFailureMessage();
// The message of the contract card's "Nuovo" when the settings file, which
// holds the first number, is there but cannot be read.
QString NumberingUnreadMessage();

}  // namespace vel
