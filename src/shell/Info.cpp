#include "Info.h"

#include "dialogs/OpenURL.h"
#include "Product.h"
#include "dialogs/WebLink.h"
#include "platform/Platform.h"
#include "pictures/Pictures.h"

namespace vel {

TfrmInfo *frmInfo = nullptr;

TfrmInfo::TfrmInfo(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmInfo"));
    SetCaption(QStringLiteral(" Informazioni su Velmora"));
    SetFixedClientSize(473, 579);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(20, 16, 433, 440);
    ShowPicture(imgLogo, ResourcePicture(QStringLiteral(":/pictures/Info/imgLogo.png")));

    imgEmail = new ImageButton(this);
    imgEmail->setObjectName(QStringLiteral("imgEmail"));
    ShowPicture(imgEmail, ResourcePicture(QStringLiteral(":/pictures/Info/imgEmail.png")));

    lnkWeb = new ImageButton(this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    // The icon and the address, centred together under the picture.
    MakeWebLink(lnkWeb, ProductMailAddress(), [this] {
        const int linkLeft = (width() - (36 + 10 + lnkWeb->width())) / 2;
        imgEmail->setGeometry(linkLeft, 470, 36, 36);
        lnkWeb->move(linkLeft + 46, 488 - lnkWeb->height() / 2);
    });

    btnChiudi = new Button(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setFont(UiFont(QStringLiteral("Verdana"), 12));
    btnChiudi->setGeometry((width() - 130) / 2, 525, 130, 38);

    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
    for (ImageButton *link : {lnkWeb, imgEmail}) {
        link->onMouseDown = [this] { lnkWebMouseDown(); };
        link->onMouseUp = [this] { lnkWebMouseUp(); };
        link->onClick = [this] { lnkWebClick(); };
    }
}

void TfrmInfo::btnChiudiClick() { Close(); }

void TfrmInfo::lnkWebMouseDown() { SetLinkColour(lnkWeb, LinkPressedColour()); }

void TfrmInfo::lnkWebMouseUp() { SetLinkColour(lnkWeb, LinkRestColour()); }

void TfrmInfo::lnkWebClick() {
    SetLinkColour(lnkWeb, LinkRestColour());
    TMisc::Open(QStringLiteral("\"mailto:") + MailtoAddress(ProductMailAddress()) + QStringLiteral("?subject=") +
                MailtoValue(QStringLiteral("Software Velmora")) + QStringLiteral("&body=") +
                MailtoValue(QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:")) +
                u'"');
}

}  // namespace vel
