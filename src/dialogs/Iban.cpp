#include "Iban.h"

#include "CheckerDialogs.h"
#include "PaymentChecks.h"
#include "cards/KeyFilters.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"

namespace vel {

TfrmIban *frmIban = nullptr;

TfrmIban::TfrmIban(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmIban"));
    txtIban = BuildCheckerDialog(
        this, {QStringLiteral(" Controllo IBAN"), QSize(608, 270), CheckerEmblem::Iban,
                            QStringLiteral("Controllo IBAN"),
                            QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                            QStringLiteral("txtIban")});
    txtIban->onKeyDown = [this](int &k, QChar &ch, Qt::KeyboardModifiers s) { txtIbanKeyDown(k, ch, s); };
    txtIban->onTyping = [this] { txtIbanTyping(); };
}

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules (common/TextRules.h); only the limit is left.
void TfrmIban::FormCreate() { txtIban->SetMaxLength(27); }

void TfrmIban::FormShow() { txtIban->setFocus(); }

void TfrmIban::txtIbanKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    CheckerEditKeyDown(key, keyChar, btnControlla, CheckerKeys::Any);
}

void TfrmIban::txtIbanTyping() { KeepAsCode(txtIban); }

void TfrmIban::btnControllaClick() {
    const QString iban = Trim(txtIban->text());
    if (iban.size() != 27) {
        MessageDlg(MsgKind::Warning,
                   QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        txtIban->setFocus();
        return;
    }
    if (IsValidIban(iban))
        MessageDlg(MsgKind::Information, QStringLiteral("L'IBAN digitato \u00e8 VALIDO."));
    else
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: l'IBAN digitato \u00e8 ERRATO!"));
    Close();
}

void TfrmIban::btnChiudiClick() { Close(); }

}  // namespace vel
