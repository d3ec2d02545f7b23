#pragma once
// The attachments dialog: up to three documents attached to the record on a
// card, each copied at once into the shared folder "Documenti_Allegati" and
// known by its bare file name, each with a free description.
#include <QLabel>
#include <QString>

#include "cards/Receivers.h"
#include "platform/Controls.h"
#include "platform/Form.h"

class QFrame;

namespace vel {

class TfrmAllegaCartella : public Form {
    Q_OBJECT
public:
    explicit TfrmAllegaCartella(QWidget *owner = nullptr);

    QLabel *imgBanner;
    QFrame *grpFile01, *grpFile02, *grpFile03;
    QLabel *lblNome01, *lblNome02, *lblNome03;
    QLabel *lblDescrizione01, *lblDescrizione02, *lblDescrizione03;
    Edit *txtFile01, *txtFile02, *txtFile03;  // read-only: set by browsing and clearing
    Edit *txtDesc01, *txtDesc02, *txtDesc03;
    ImageButton *imgCancella01, *imgCancella02, *imgCancella03;
    Button *btnSfoglia01, *btnSfoglia02, *btnSfoglia03;
    Button *btnApri01, *btnApri02, *btnApri03;
    QLabel *lblMemory;  // the tag of the card that opened the dialog
    Button *btnApplica;
    Button *btnAnnulla;

    void btnSfoglia01Click();
    void btnSfoglia02Click();
    void btnSfoglia03Click();
    void imgCancella01Click();
    void imgCancella02Click();
    void imgCancella03Click();
    void btnApri01Click();
    void btnApri02Click();
    void btnApri03Click();
    void txtFile01Change();
    void txtFile02Change();
    void txtFile03Change();
    void btnApplicaClick();
    void btnAnnullaClick();

private:
    // The three slots alike, each on its own controls (slot 0 to 2).
    void Browse(int slot);
    void ClearName(int slot);
    void OpenDocument(int slot);
    void EnableOpen(int slot);
    Edit *FileEdit(int slot) const;
    Edit *DescEdit(int slot) const;
    Button *OpenButton(int slot) const;
};

extern TfrmAllegaCartella *frmAllegaCartella;

// What every card's "Allega file" does: opens a new dialog owned by the card
// with the card's tag and its attachments, shows it modally and destroys it
// when it returns. "Applica e chiudi" writes back into the card registered
// for the tag (RegisterAttachments).
void OpenAttachments(QWidget *card, const QString &callerTag, const AttachmentLabels &labels);

}  // namespace vel
