#include "Splash.h"

#include "dialogs/OpenURL.h"
#include "Product.h"
#include "dialogs/WebLink.h"
#include "platform/Controls.h"
#include "platform/Platform.h"
#include "pictures/Pictures.h"

namespace vel {

TfrmSplash *frmSplash = nullptr;

TfrmSplash::TfrmSplash(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmSplash"));
    SetCaption(QStringLiteral(" Velmora - Ideato e realizzato da Velmora Software"));
    SetFixedClientSize(661, 467);
    SetPlacement(Placement::Owner);
    SetGradient(Qt::white, QColor(0x35, 0x25, 0x25));

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(18, 16, 625, 380);
    ShowPicture(imgLogo, ResourcePicture(QStringLiteral(":/pictures/Splash/imgLogo.png")));

    // The link sits on a white plate: dark blue would not read on the dark
    // brown at the bottom of the window.
    auto *shpWeb = new BoxFrame(this, Qt::white, QColor(0xB9, 0xA8, 0x9C), 8);
    shpWeb->setObjectName(QStringLiteral("shpWeb"));

    imgWeb = new ImageButton(this);
    imgWeb->setObjectName(QStringLiteral("imgWeb"));
    ShowPicture(imgWeb, ResourcePicture(QStringLiteral(":/pictures/Splash/imgWeb.png")));
    imgWeb->setGeometry(30, 414, 36, 36);

    lnkWeb = new ImageButton(this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    // The plate is as wide as the link, sized when the window is first shown.
    shpWeb->setGeometry(18, 408, 14, 48);
    MakeWebLink(lnkWeb, ProductWebAddress(), [link = lnkWeb, shpWeb] {
        link->move(74, 432 - link->height() / 2);
        shpWeb->setGeometry(18, 408, link->geometry().right() + 14 - 18, 48);
    });

    btnChiudi = new Button(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(523, 414, 120, 36);

    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
    for (ImageButton *link : {lnkWeb, imgWeb}) {
        link->onMouseDown = [this] { lnkWebMouseDown(); };
        link->onMouseUp = [this] { lnkWebMouseUp(); };
        link->onClick = [this] { lnkWebClick(); };
    }
}

void TfrmSplash::btnChiudiClick() { Close(); }

void TfrmSplash::lnkWebMouseDown() { SetLinkColour(lnkWeb, LinkPressedColour()); }

void TfrmSplash::lnkWebMouseUp() { SetLinkColour(lnkWeb, LinkRestColour()); }

void TfrmSplash::lnkWebClick() {
    SetLinkColour(lnkWeb, LinkRestColour());
    TMisc::Open(ProductWebAddress());
}

}  // namespace vel
