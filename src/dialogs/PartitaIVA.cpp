#include "PartitaIVA.h"

#include "CheckerDialogs.h"
#include "TaxCodes.h"
#include "platform/MessageBox.h"

namespace vel {

TfrmPartitaIva *frmPartitaIva = nullptr;

TfrmPartitaIva::TfrmPartitaIva(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmPartitaIva"));
    txtPartitaIva = BuildCheckerDialog(
        this, {QStringLiteral(" Controllo partita IVA"), QSize(480, 254), CheckerEmblem::VatNumber,
               QStringLiteral("Controllo partita IVA"),
               QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
               QStringLiteral("txtPartitaIva")});
    txtPartitaIva->onKeyDown = [this](int &k, QChar &ch, Qt::KeyboardModifiers s) {
        txtPartitaIvaKeyDown(k, ch, s);
    };
}

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules (common/TextRules.h); only the limit is left.
void TfrmPartitaIva::FormCreate() { txtPartitaIva->SetMaxLength(11); }

void TfrmPartitaIva::FormShow() { txtPartitaIva->setFocus(); }

void TfrmPartitaIva::txtPartitaIvaKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    CheckerEditKeyDown(key, keyChar, btnControlla, CheckerKeys::DigitsOnly);
}

void TfrmPartitaIva::btnControllaClick() {
    const QString number = txtPartitaIva->text();
    if (number.size() != 11) {
        MessageDlg(MsgKind::Warning,
                   QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        txtPartitaIva->setFocus();
        return;
    }
    if (IsValidPartitaIva(number)) {
        MessageDlg(MsgKind::Information,
                   QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                  "E' stato rilasciato dall'Ufficio IVA del Comune di ") +
                       VatOfficeOf(number) + u'.');
    } else {
        MessageDlg(MsgKind::Warning,
                   QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                  "Non \u00e8 quindi possibile fornire informazioni relative all'Ufficio IVA "
                                  "che lo ha rilasciato."));
    }
    Close();
}

void TfrmPartitaIva::btnChiudiClick() { Close(); }

}  // namespace vel
