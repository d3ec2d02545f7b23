#pragma once
// The privacy notice of the contract on the card: the eleven values it
// carries, which the user may correct for this print only, and the one-page
// A4 notice "Informativa Privacy" printed through the print dialog.
#include <QLabel>
#include <memory>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "report/Report.h"

namespace vel {

class TfrmPrivacy : public Form {
    Q_OBJECT
public:
    explicit TfrmPrivacy(QWidget *owner = nullptr);

    // What the contract card's opener writes in before showing the notice,
    // in the order Enter goes through them.
    Edit *txtNumContratto, *txtData, *txtDitta, *txtCliente, *txtCodFisc, *txtDataNasc;
    Edit *txtComuneNasc, *txtProvNasc, *txtPrivacy, *txtLuogoFirma, *txtDataFirma;
    Button *btnStampa;
    Button *btnChiudi;

    // The eleven edits in their Enter order, and the painted box under each.
    const std::vector<Edit *> &Edits() const { return edits_; }
    BoxFrame *BackgroundOf(const Edit *edit) const;

    // Prints the notice, then closes whether the user printed or cancelled;
    // a failure is reported and keeps the window open.
    void btnStampaClick();
    void btnChiudiClick();

protected:
    void FormShow() override;

private:
    std::vector<Edit *> edits_;
    std::vector<BoxFrame *> backgrounds_;
};

extern TfrmPrivacy *frmPrivacy;

// The template `repScheda`, "Informativa Privacy", its memos still holding
// their design placeholders.
std::unique_ptr<report::Report> PrivacyTemplate();
// Puts the window's values, each trimmed, into the template's ten memos.
void FillPrivacy(report::Report &repScheda, const TfrmPrivacy &window);

// The warning of a failed print.
QString PrivacyPrintFailureMessage(const QString &reason);

}  // namespace vel
