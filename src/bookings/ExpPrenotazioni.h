#pragma once
// The booking export: every booking of the year open on the booking card in a
// grid, in archive order, written on request to "Prenotazioni_Veicoli.xls".
// The booking grid and its file are shared with the yearly, monthly and daily
// listings, which add the pick-up key as a last column.
#include "cards/ExportDialog.h"

namespace vel {

class TfrmExpPrenotazioni : public ExportDialog {
    Q_OBJECT
public:
    explicit TfrmExpPrenotazioni(QWidget *owner = nullptr);

    void cmdGuidaClick() override;

protected:
    void FormShow() override;
};

extern TfrmExpPrenotazioni *frmExpPrenotazioni;

// The booking spreadsheet file and its sheet.
QString BookingExportFileName();
QString BookingExportSheetName();

// The booking grid's columns 1 to 18, "Data partenza" to "Sede rientro", and
// with `pickupKey` the listings' column 19, "Codice Univoco". The file's
// widths are not all the grid's: each column carries both.
std::vector<ExportColumn> BookingGridColumns(bool pickupKey);

}  // namespace vel
