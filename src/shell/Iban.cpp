#include "Iban.h"

#include "CheckerDialogs.h"
#include "PaymentChecks.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"

namespace vel {

TfrmIban *frmIban = nullptr;

TfrmIban::TfrmIban(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmIban"));
    const CheckerControls c =
        BuildChecker(this, {QStringLiteral(" Controllo IBAN"), QSize(608, 270), CheckerEmblem::Iban,
                            QStringLiteral("Controllo IBAN"),
                            QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                            QStringLiteral("txtIban")});
    imgBanner = c.banner;
    lblIstruzioni = c.instruction;
    txtIban = c.edit;
    btnControlla = c.check;
    btnChiudi = c.close;

    connect(btnControlla, &QPushButton::clicked, this, &TfrmIban::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmIban::btnChiudiClick);
    txtIban->onKeyDown = [this](int &k, QChar &ch, Qt::KeyboardModifiers s) { txtIbanKeyDown(k, ch, s); };
    txtIban->onTyping = [this] { txtIbanTyping(); };
}

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules (common/TextRules.h); only the limit is left.
void TfrmIban::FormCreate() { txtIban->SetMaxLength(27); }

void TfrmIban::FormShow() { txtIban->setFocus(); }

void TfrmIban::txtIbanKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    if (key == vkReturn) {
        btnControlla->setFocus();
        key = 0;
        keyChar = QChar();
    }
}

void TfrmIban::txtIbanTyping() { TrimUpperTypedText(txtIban); }

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
