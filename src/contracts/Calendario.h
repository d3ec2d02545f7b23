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
    QCalendarWidget *calAppuntamenti;
    Button *btnImportaData;  // "Importa"
    Button *btnAnnulla;      // "Annulla"
    QLabel *lblMemory;       // the caller's tag

    void btnImportaDataClick();
    void btnAnnullaClick();

protected:
    void FormCreate() override;
};

extern TfrmCalendario *frmCalendario;

}  // namespace vel
