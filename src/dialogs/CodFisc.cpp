#include "CodFisc.h"

#include "CheckerDialogs.h"
#include "TaxCodes.h"
#include "cards/KeyFilters.h"
#include "common/TextRules.h"
#include "platform/MessageBox.h"

namespace vel {

TfrmCodFisc *frmCodFisc = nullptr;

TfrmCodFisc::TfrmCodFisc(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmCodFisc"));
    txtCodFisc = BuildCheckerDialog(
        this, {QStringLiteral(" Controllo codice fiscale"), QSize(478, 254), CheckerEmblem::FiscalCode,
               QStringLiteral("Controllo codice fiscale"),
               QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
               QStringLiteral("txtCodFisc")});
    txtCodFisc->onKeyDown = [this](int &k, QChar &ch, Qt::KeyboardModifiers s) { txtCodFiscKeyDown(k, ch, s); };
    txtCodFisc->onTyping = [this] { txtCodFiscTyping(); };
}

// The process-wide date format and decimal separator are pinned for the whole
// program by the text rules (common/TextRules.h); only the limit is left.
void TfrmCodFisc::FormCreate() { txtCodFisc->SetMaxLength(16); }

void TfrmCodFisc::FormShow() { txtCodFisc->setFocus(); }

void TfrmCodFisc::txtCodFiscKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers) {
    CheckerEditKeyDown(key, keyChar, btnControlla, CheckerKeys::Any);
}

void TfrmCodFisc::txtCodFiscTyping() { KeepAsCode(txtCodFisc); }

void TfrmCodFisc::btnControllaClick() {
    const QString code = UpperAZ(txtCodFisc->text());
    if (code.size() != 16) {
        MessageDlg(MsgKind::Warning,
                   QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));
        txtCodFisc->setFocus();
        return;
    }
    if (IsValidFiscalCode(code))
        MessageDlg(MsgKind::Information, QStringLiteral("Il codice fiscale digitato \u00e8 VALIDO."));
    else
        MessageDlg(MsgKind::Warning, QStringLiteral("Attenzione: il codice fiscale digitato \u00e8 ERRATO."));
    Close();
}

void TfrmCodFisc::btnChiudiClick() { Close(); }

}  // namespace vel
