#pragma once
// The contract's print window: the front page of the contract (printed or
// previewed), the vehicle check sheet (printed), and the general conditions,
// the firm's own PDF beside the program, handed to the desktop. Everything
// printed comes from the contract card's controls as they stand on screen at
// the moment of the command; the contract archive is never read.
#include <QImage>
#include <QLabel>
#include <functional>
#include <memory>
#include <span>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "report/Report.h"

namespace vel {

// One memo of a printed page filled from the card: the memo bears the name
// of the card control it shows, and prints `prefix` (UTF-8) and then the
// control's trimmed text.
struct PrintedField {
    const char *control;
    const char *prefix;
};

// The 48 memos of the contract and the 38 of the check sheet.
std::span<const PrintedField> ContrattoFields();
std::span<const PrintedField> VerificaFields();

// The text of a named control of the card, as the print takes it.
using CardText = std::function<QString(const char *control)>;
// The contract card's control on screen, trimmed; empty when there is none.
QString ContractCardText(const char *control);

// The two templates, with their fixed texts and drawings; the filled memos
// still hold their design texts.
std::unique_ptr<report::Report> ContrattoTemplate();  // "Contratto NSC"
std::unique_ptr<report::Report> VerificaTemplate();   // "Verifica Stato Veicolo"
// Put the logo, the card's texts and the moment of printing into a template.
void FillContratto(report::Report &repDocumento, const QImage &logo, const CardText &text);
void FillVerifica(report::Report &repVerifica, const QImage &logo, const CardText &text);

// The footer of both pages: "Stampa eseguita in data " + date + " alle ore " + time.
QString PrintedAtText();

inline const QString kConditionsFileName = QStringLiteral("Condizioni_Contrattuali_NSC.pdf");

class TfrmStampaLav : public Form {
    Q_OBJECT
public:
    explicit TfrmStampaLav(QWidget *owner = nullptr);

    QWidget *imgLogo01;  // what the window does, in words and a picture
    Button *btnAnteprima;
    Button *btnStampa;
    Button *btnCondizioni;
    Button *btnSchedaVerifica;
    Button *btnAnnulla;
    QLabel *imgLogo;  // hidden: the logo to print, loaded on show

    // The templates, built by the first command that needs them (the window
    // is created at start, where nothing may be built) and kept after it, so
    // that what was handed out can be looked at.
    report::LazyReport repDocumento;
    report::LazyReport repVerifica;

    // The logo as loaded on show: "Logo.bmp" or the built-in euro sign.
    const QImage &LogoPicture() const { return logo_; }

    // The three printing commands fill their template, hand it out and close
    // the window (a cancelled print dialog too); a failure shows an error box
    // with its reason and leaves the window open.
    void btnStampaClick();
    void btnAnteprimaClick();
    void btnSchedaVerificaClick();
    // Hands the conditions document to the desktop; the window stays open.
    void btnCondizioniClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;

private:
    using Fill = void (*)(report::Report &, const QImage &, const CardText &);
    enum class Output { Print, Preview };
    void PrintOut(report::LazyReport &repTemplate, Fill fill, Output output);
    QImage logo_;
};

extern TfrmStampaLav *frmStampaLav;

}  // namespace vel
