#include "MenuCamere.h"

#include "Planning.h"
#include "common/TextRules.h"
#include "shell/Avvio.h"

namespace vel {

TfrmMenuCamere *frmMenuCamere = nullptr;

TfrmMenuCamere::TfrmMenuCamere(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmMenuCamere"));
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
}

void TfrmMenuCamere::FormShow() { lblMemory->setText(QStringLiteral("avvio")); }

void TfrmMenuCamere::FormClose(CloseAction &) {
    const QString target = Trim(lblMemory->text());
    if (target == QLatin1String("planning")) {
        frmPlanning->Show();
        Hide();
    } else if (target == QLatin1String("avvio")) {
        frmAvvio->Show();
        Hide();
    }
}

}  // namespace vel
