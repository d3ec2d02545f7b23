#include "StampaContrattoNSC.h"

#include "ContractRtf.h"
#include "ContrattiNSC.h"
#include "cards/FindDialog.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/TextRules.h"
#include "dialogs/OpenURL.h"
#include "platform/MessageBox.h"
#include "pictures/Pictures.h"
#include "platform/Platform.h"

namespace vel {

TfrmStampaContrattoNSC *frmStampaContrattoNSC = nullptr;

namespace {

constexpr int kWidth = 500, kHeight = 300;

const QString kAsk = QStringLiteral(
                         "Questa procedura esporter\u00e0 il testo del contratto di autonoleggio senza conducente in "
                         "un documento in formato RTF.") +
                     QStringLiteral("\r\n\r\n") + QStringLiteral("Si conferma la creazione del file?");
const QString kDone = QStringLiteral("Il file del contratto N.S.C. \u00e8 stato creato con successo.") +
                      QStringLiteral("\r\n\r\n") + QStringLiteral("Si vuole aprire il documento?");
const QString kFailed = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.") +
                        QStringLiteral("\n\r\n\r") + QStringLiteral("Accertarsi che il documento non sia gi\u00e0 aperto.");

}  // namespace

TfrmStampaContrattoNSC::TfrmStampaContrattoNSC(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmStampaContrattoNSC"));
    SetCaption(QStringLiteral(" Esporta e stampa contratto N.S.C."));
    SetFixedClientSize(kWidth, kHeight);
    SetGradient(QColor(0xB0, 0xC4, 0xDE), Qt::white);
    SetPlacement(Placement::Owner);

    // The instruction panel: a title and what the button does, in words.
    auto *panel = new BoxFrame(this, QColor(0xF0, 0xF8, 0xFF), QColor(0x46, 0x82, 0xB4), 8);
    panel->setObjectName(QStringLiteral("shpEsporta01"));
    panel->setGeometry(16, 16, kWidth - 32, kHeight - 96);
    imgEsporta01 = new QLabel(panel);
    imgEsporta01->setObjectName(QStringLiteral("imgEsporta01"));
    imgEsporta01->setGeometry(16, 10, panel->width() - 32, panel->height() - 20);
    imgEsporta01->setWordWrap(true);
    imgEsporta01->setTextFormat(Qt::RichText);
    imgEsporta01->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgEsporta01->setFont(UiFont(QStringLiteral("Verdana"), 10));
    // Rich text lays its document out as it is set: when first shown, not
    // while the program creates its windows.
    WhenFirstShown(imgEsporta01, [label = imgEsporta01] { label->setText(QStringLiteral(
        "<p style=\"font-size:13pt; font-weight:bold; color:#1E3A5F;\">Esportazione e stampa del contratto</p>"
        "<p>Il pulsante in basso esporta il testo completo del contratto di autonoleggio senza conducente "
        "in un documento in formato RTF.</p>"
        "<p>Aperto il documento con un programma di videoscrittura, \u00e8 possibile adattarne il testo "
        "prima di stamparlo su carta.</p>")); });

    btnAnnulla = new Button(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(16, kHeight - 56, 150, 36);
    btnStampa = new Button(QStringLiteral("Esporta e stampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setGeometry(kWidth - 16 - 190, kHeight - 56, 190, 36);
    for (Button *button : {btnAnnulla, btnStampa}) button->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
    setTabOrder(btnAnnulla, btnStampa);

    lblMemory = new QLabel(QStringLiteral("lblMemory"), this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaContrattoNSC::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmStampaContrattoNSC::btnAnnullaClick);
}

void TfrmStampaContrattoNSC::btnStampaClick() {
    if (Trim(lblMemory->text()) != QStringLiteral("contrattinsc")) return;
    ExportContractRtf();
    Close();
}

void TfrmStampaContrattoNSC::btnAnnullaClick() { Close(); }

void ExportContractRtf() {
    if (MessageDlg(MsgKind::Confirmation, kAsk) == MsgButton::No) return;
    const QString path = ProgramPath(ContractRtfFileName());
    // The card as it stands on screen, saved or not; the archive is not read.
    const QByteArray document =
        ContractRtf([](const char *control) { return ControlTextOf(frmContrattiNSC, control); });
    // Written whole beside the old document and renamed into place: a failed
    // write leaves the previous document as it was.
    if (!WriteFileAtomically(path, document)) {
        ShowMessage(kFailed);
        return;
    }
    if (MessageDlg(MsgKind::Confirmation, kDone) == MsgButton::Yes)
        TMisc::Open(QStringLiteral("\"") + path + QStringLiteral("\""));
}

}  // namespace vel
