#include "ImpPrenotazioni.h"

#include <utility>

#include "ContrattiNSC.h"
#include "bookings/TrovaPrenotazioni.h"
#include "cards/ResultList.h"
#include "common/Clock.h"
#include "common/DateText.h"
#include "common/ProgramFolder.h"
#include "common/Records.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmImpPrenotazioni *frmImpPrenotazioni = nullptr;

namespace {

// The booking as the contract takes it. Only these fifteen controls change:
// the card's record number, its number, dates of signing, amounts and
// attachments stay as they are.
constexpr ControlFill kBookingFills[] = {
    {"txtDataInizio", "DataRit"},
    {"txtOraInizio", "OraRit"},
    {"txtDataFine", "DataRic"},
    {"txtOraFine", "OraRic"},
    {"txtVeicolo", "Veicolo"},
    {"txtMarca", "Marca", "Modello"},
    {"txtColore", "Colore"},
    {"txtAlimentazione", "Alimentazione"},
    {"txtTarga", "Targa"},
    {"txtPosti", "Posti"},
    {"txtCliente", "Cliente"},
    {"txtCodFisc", "CodFisc"},
    {"txtRecapito", "Recapito"},
    {"txtSedeRit", "SedeRit"},
    {"txtSedeRic", "SedeRic"},
};

constexpr int kWidth = 862, kHeight = 560, kLeft = 24;

ResultListDef Definition(const TfrmImpPrenotazioni *self) {
    return {"frmImpPrenotazioni",
            QStringLiteral(" Importa dati da archivio annuale prenotazioni"),
            QStringLiteral("Riepilogo prenotazione veicoli"),
            &BookingRecord,
            // The year's archive chosen on the year panel, read anew by the
            // search and again by the pick.
            [self] { return Trim(self->lblFile->text()); },
            BookingListLine};
}

std::vector<PickTarget> Picks() {
    return {{QStringLiteral("contrattinsc"),
             [](const Record &booking, int) { FillControls(frmContrattiNSC, booking, kBookingFills); }}};
}


}  // namespace

std::span<const ControlFill> BookingImportFills() { return kBookingFills; }

QString BookingArchiveName(const QString &year) { return year + QStringLiteral(".car"); }

TfrmImpPrenotazioni::TfrmImpPrenotazioni(QWidget *owner) : FindDialog(owner, Definition(this), BookingCriteria(), Picks()) {
    NameCriteria({&txtDataRit, &txtDataRic, &txtVeicolo, &txtMarca, &txtModello, &txtTarga, &txtCliente, &txtCodFisc,
                  &txtSedeRit, &txtSedeRic},
                 {&effDataRit, &effDataRic, &effVeicolo, &effMarca, &effModello, &effTarga, &effCliente, &effCodFisc,
                  &effSedeRit, &effSedeRic});

    // The instruction lines of both panels carry this dialog's own names.
    const std::pair<QLabel **, QLabel *> lines[] = {
        {&lblRigo01, lblIstruzioni01}, {&lblRigo02, lblIstruzioni02}, {&lblRigo03, lblIstruzioni03},
        {&lblRigo04, lblCerca01},      {&lblRigo05, lblCerca02},      {&lblRigo06, lblCerca03}};
    int number = 0;
    for (const auto &[member, label] : lines) {
        *member = label;
        label->setObjectName(QStringLiteral("lblRigo%1").arg(++number, 2, 10, QLatin1Char('0')));
    }

    // The year panel lies over the other two, which wait for "Apri".
    panAnno = new QWidget(this);
    panAnno->setObjectName(QStringLiteral("panAnno"));
    panAnno->setGeometry(0, 0, kWidth, kHeight);
    panAvvio->hide();
    panContainer->hide();

    lblTitolo = DialogLabel(panAnno, QStringLiteral("Importa dati da archivio annuale prenotazioni."),
                            QRect(kLeft, 40, kWidth - 2 * kLeft, 30), 14, true, "lblTitolo");
    lblTitolo->setAlignment(Qt::AlignCenter);
    lblInfoAnno = DialogLabel(panAnno, QStringLiteral("Indicare l'anno solare e premere Apri."),
                              QRect(kLeft, 150, kWidth - 2 * kLeft, 22), 10, true, "lblInfoAnno");
    lblInfoAnno->setAlignment(Qt::AlignCenter);
    txtAnno = new YearEdit(panAnno);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setGeometry(kWidth / 2 - 170, 186, 160, 36);
    txtAnno->setFont(UiFont(QStringLiteral("Verdana"), 16, true));
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->SetMaxLength(4);
    btnApri = DialogButton(panAnno, "btnApri", QStringLiteral("Apri"), QRect(kWidth / 2 + 10, 187, 160, 34));
    txtAnno->SetEnterTarget(btnApri);
    auto *frame = new FocusFrame(panAnno);
    frame->setObjectName(QStringLiteral("effAnno"));
    frame->Surround(txtAnno, 4);
    frame->lower();

    lblInfo01 = DialogLabel(panAnno,
                            QStringLiteral("Utilizzare questo ambiente per compilare il documento attingendo i dati "
                                           "da una prenotazione."),
                            QRect(kLeft, 280, kWidth - 2 * kLeft, 22), 10, false, "lblInfo01");
    lblInfo01->setAlignment(Qt::AlignCenter);
    lblInfo02 = DialogLabel(panAnno,
                            QStringLiteral("N.B. Ciascun documento pu\u00f2 importare i dati da una sola prenotazione."),
                            QRect(kLeft, 306, kWidth - 2 * kLeft, 22), 10, true, "lblInfo02");
    lblInfo02->setAlignment(Qt::AlignCenter);
    SetTextColour(lblInfo02, QColor(0x8B, 0x00, 0x00));

    btnClose = DialogButton(panAnno, "btnClose", QStringLiteral("Chiudi"), QRect(kLeft, 512, 150, 34));
    btnNoCerca = DialogButton(panAnno, "btnNoCerca", QStringLiteral("Cerca"), QRect(kWidth - kLeft - 150, 512, 150, 34));
    btnNoCerca->setEnabled(false);

    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    setTabOrder(txtAnno, btnApri);
    setTabOrder(btnApri, btnClose);

    connect(btnApri, &QPushButton::clicked, this, &TfrmImpPrenotazioni::btnApriClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmImpPrenotazioni::btnCloseClick);
}

void TfrmImpPrenotazioni::FormShow() {
    txtAnno->ProposeYear(Today().year());
    LastFindText(this).clear();
    txtTrova->clear();
    txtAnno->setFocus();
}

void TfrmImpPrenotazioni::btnApriClick() {
    // Four digits exactly: a pasted year with a blank or a letter in it
    // would name an archive no booking card ever wrote.
    if (!IsYearText(txtAnno->text())) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        txtAnno->setFocus();
        return;
    }
    lblFile->setText(ProgramFolder() + BookingArchiveName(Trim(txtAnno->text())));
    panAnno->hide();
    panContainer->hide();
    panAvvio->show();
    txtDataRit->setFocus();
}

void TfrmImpPrenotazioni::btnCloseClick() { Close(); }

}  // namespace vel
