#pragma once
// The date picker: the contract card's start and end dates are read-only and
// take their date from this calendar. The caller's tag, exactly as written
// ("nsc_datainizio" or "nsc_datafine"), names the field "Importa" fills.
#include <QCalendarWidget>
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmCalendario : public Form {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget *owner = nullptr);

    QLabel *lblCampo001;  // "Importare una data:"
    // Made when the dialog is first shown, on the day the dialog was made:
    // a calendar is costly to build, and the program makes this window at
    // start without ever showing it.
    QCalendarWidget *calAppuntamenti = nullptr;
    Button *btnImportaData;  // "Importa"
    Button *btnAnnulla;      // "Annulla"
    QLabel *lblMemory;       // the caller's tag

    void btnImportaDataClick();
    void btnAnnullaClick();

protected:
    void FormCreate() override;
    void FormShow() override;

private:
    void MakeCalendar();
    QDate created_;
};

extern TfrmCalendario *frmCalendario;

}  // namespace vel
