#include "Carta.h"

#include "CheckerDialogs.h"
#include "PaymentChecks.h"
#include "cards/KeyFilters.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"

namespace vel {

TfrmCarta *frmCarta = nullptr;

TfrmCarta::TfrmCarta(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmCarta"));
    txtNumero = BuildCheckerDialog(
        this, {QStringLiteral(" Controllo carta di credito"), QSize(519, 254), CheckerEmblem::PaymentCard,
               QStringLiteral("Controllo carta di credito"),
               QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
               QStringLiteral("txtNumero")});
    txtNumero->onKeyDown = [this](int &k, QChar &ch, Qt::KeyboardModifiers s) { txtNumeroKeyDown(k, ch, s); };
    txtNumero->onTyping = [this] { txtNumeroTyping(); };
}

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules (common/TextRules.h); only the limit is left.
void TfrmCarta::FormCreate() { txtNumero->SetMaxLength(30); }

void TfrmCarta::FormShow() { txtNumero->setFocus(); }

void TfrmCarta::txtNumeroKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    CheckerEditKeyDown(key, keyChar, btnControlla, CheckerKeys::DigitsOnly);
}

void TfrmCarta::txtNumeroTyping() { KeepAsCode(txtNumero); }

void TfrmCarta::btnControllaClick() {
    const QString number = Trim(txtNumero->text());
    if (number.isEmpty()) {
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                                                    "premere il pulsante di controllo."));
        txtNumero->setFocus();
        return;
    }
    const QString type = CardTypeName(CardNumberType(txtNumero->text()), number);
    if (!type.isEmpty()) {
        MessageDlg(MsgKind::Information, QStringLiteral("Il numero di carta di credito ") + number +
                                             QStringLiteral(" risulta valido.\r\n\r\n"
                                                            "La carta di credito \u00e8 del tipo ") +
                                             type + u'.');
    } else {
        MessageDlg(MsgKind::Warning,
                   QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                                  "Non \u00e8 quindi possibile fornire informazioni relative al tipo di carta "
                                  "di credito."));
    }
    Close();
}

void TfrmCarta::btnChiudiClick() { Close(); }

}  // namespace vel
