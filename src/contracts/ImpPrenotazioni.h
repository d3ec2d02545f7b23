#pragma once
// The contract card's booking import: a year of its own (the card's year
// plays no part), the bookings of that year's archive "<yyyy>.car" found by up
// to ten partial texts, and fifteen fields of the booking picked copied into
// the contract on the card, which keeps its record number and everything else.
#include <QLabel>
#include <span>

#include "cards/FindDialog.h"
#include "platform/YearEdit.h"

namespace vel {

class TfrmImpPrenotazioni : public FindDialog {
    Q_OBJECT
public:
    explicit TfrmImpPrenotazioni(QWidget *owner = nullptr);

    // The year panel, on top when the dialog opens.
    QWidget *panAnno;
    QLabel *lblTitolo, *lblInfoAnno, *lblInfo01, *lblInfo02;
    YearEdit *txtAnno;
    Button *btnApri;
    Button *btnClose;
    Button *btnNoCerca;  // "Cerca" as the criteria panel will show it, never enabled here
    QLabel *lblFile;     // the booking archive the search and the pick read

    // The instruction lines of the result panel (01 to 03) and of the
    // criteria panel (04 to 06), named as this dialog names them.
    QLabel *lblRigo01, *lblRigo02, *lblRigo03, *lblRigo04, *lblRigo05, *lblRigo06;

    Edit *txtDataRit, *txtDataRic, *txtVeicolo, *txtMarca, *txtModello;
    Edit *txtTarga, *txtCliente, *txtCodFisc, *txtSedeRit, *txtSedeRic;
    FocusFrame *effDataRit, *effDataRic, *effVeicolo, *effMarca, *effModello;
    FocusFrame *effTarga, *effCliente, *effCodFisc, *effSedeRit, *effSedeRic;

    void btnApriClick();
    void btnCloseClick();

protected:
    void FormShow() override;
};

extern TfrmImpPrenotazioni *frmImpPrenotazioni;

// What a pick writes into the contract card: the card's control and the
// booking's field (make and model joined by one blank).
std::span<const ControlFill> BookingImportFills();

// The booking archive of a year: "2026.car".
QString BookingArchiveName(const QString &year);

}  // namespace vel
