#include "Avvio.h"

#include "platform/Platform.h"

namespace vel {

TfrmAvvio *frmAvvio = nullptr;

TfrmAvvio::TfrmAvvio(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmAvvio"));
    SetCaption(QStringLiteral(" Velmora"));
    SetPlacement(Placement::Maximized);
    resize(1016, 713);
    SetGradient(QColor(0x70, 0xA0, 0xC7), Qt::white);

    icoTitoloApp = new QLabel(QStringLiteral("Velmora"), this);
    icoTitoloApp->setObjectName(QStringLiteral("icoTitoloApp"));
    icoTitoloApp->setGeometry(20, 20, 400, 60);
    icoTitoloApp->setFont(UiFont(QStringLiteral("Verdana"), 28, true));

    imgEsci = new ImageButton(this);
    imgEsci->setObjectName(QStringLiteral("imgEsci"));
    imgEsci->setText(QStringLiteral("Esci"));
    imgEsci->setGeometry(20, 100, 120, 36);
    imgEsci->setStyleSheet(QStringLiteral("background: white; border: 1px solid #70A0C7; border-radius: 6px;"));
    imgEsci->onClick = [this] { imgEsciClick(); };
}

void TfrmAvvio::imgEsciClick() { TerminateApplication(); }

void TfrmAvvio::FormClose(CloseAction &) { TerminateApplication(); }

}  // namespace vel
