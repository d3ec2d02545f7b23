#include "Calendario.h"

#include <QLocale>

#include "ContrattiNSC.h"
#include "cards/FindDialog.h"
#include "common/Clock.h"
#include "common/DateText.h"
#include "common/TextRules.h"
#include "platform/Platform.h"

namespace vel {

TfrmCalendario *frmCalendario = nullptr;

namespace {
constexpr int kWidth = 340, kHeight = 330;
}  // namespace

TfrmCalendario::TfrmCalendario(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmCalendario"));
    SetCaption(QStringLiteral(" Importazione data"));
    SetFixedClientSize(kWidth, kHeight);
    SetGradient(QColor(0xB0, 0xC4, 0xDE), Qt::white);
    SetPlacement(Placement::Owner);

    lblCampo001 = new QLabel(QStringLiteral("Importare una data:"), this);
    lblCampo001->setObjectName(QStringLiteral("lblCampo001"));
    lblCampo001->setGeometry(16, 10, kWidth - 32, 22);
    lblCampo001->setFont(UiFont(QStringLiteral("Verdana"), 10, true));

    btnAnnulla = new Button(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(16, kHeight - 50, 140, 34);
    btnImportaData = new Button(QStringLiteral("Importa"), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnImportaData->setGeometry(kWidth - 16 - 140, kHeight - 50, 140, 34);
    for (Button *button : {btnAnnulla, btnImportaData}) button->setFont(UiFont(QStringLiteral("Verdana"), 10, true));

    lblMemory = new QLabel(QStringLiteral("lblMemory"), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(btnImportaData, btnAnnulla);

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

// The date format is the program's own everywhere (common/TextRules.h).
void TfrmCalendario::FormCreate() { created_ = Today(); }

void TfrmCalendario::FormShow() {
    MakeCalendar();
    calAppuntamenti->setFocus();
}

void TfrmCalendario::MakeCalendar() {
    if (calAppuntamenti) return;
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGeometry(16, 36, kWidth - 32, 230);
    // Month and day names in Italian, weeks from Monday, whatever the system.
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGridVisible(true);
    // The day is pointed at, never typed: Qt's own little date editor, which
    // a key would open, takes "18:00" or "31/02/2026" for a day of 4714 BC.
    // Keys, the header's buttons and its year stop at the days a date field
    // holds and reads back (Qt would go back to 4714 BC).
    calAppuntamenti->setDateEditEnabled(false);
    calAppuntamenti->setDateRange(FirstDateOfText(), LastDateOfText());
    calAppuntamenti->setSelectedDate(created_.isValid() ? created_ : Today());
    setTabOrder(calAppuntamenti, btnImportaData);
    setTabOrder(btnImportaData, btnAnnulla);
    calAppuntamenti->show();
}

void TfrmCalendario::btnImportaDataClick() {
    if (!calAppuntamenti) return;
    // The tag is taken exactly as written: blanks and case count.
    const QString tag = lblMemory->text();
    const char *field = tag == QStringLiteral("nsc_datainizio") ? "txtDataInizio"
                        : tag == QStringLiteral("nsc_datafine") ? "txtDataFine"
                                                                 : nullptr;
    if (!field) return;
    SetControlTextOf(frmContrattiNSC, field, FormatDateText(calAppuntamenti->selectedDate()));
    Close();
}

void TfrmCalendario::btnAnnullaClick() { Close(); }

}  // namespace vel
