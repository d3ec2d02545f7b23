#include "Avvio.h"

#include <QResizeEvent>
#include <algorithm>

#include "dialogs/Guida.h"
#include "Info.h"
#include "dialogs/OpenURL.h"
#include "Product.h"
#include "pictures/Pictures.h"
#include "Splash.h"
#include "bookings/Prenotazioni.h"
#include "contracts/ContrattiNSC.h"
#include "customers/Clienti.h"
#include "fleet/Flotta.h"
#include "fleet/Tariffario.h"
#include "planner/MenuCamere.h"
#include "platform/Controls.h"

namespace vel {

TfrmAvvio *frmAvvio = nullptr;

namespace {

constexpr int kContainerWidth = 995;
constexpr int kContainerHeight = 692;

PictureKey Picture(const char *control) {
    return ResourcePicture(QStringLiteral(":/pictures/Avvio/") + QLatin1String(control) + QStringLiteral(".png"));
}

ImageButton *PictureButton(QWidget *parent, const char *name, const QRect &geometry) {
    auto *button = new ImageButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    ShowPicture(button, Picture(name));
    return button;
}

QWidget *WhiteBand(QWidget *parent, const char *name, const QRect &geometry) {
    auto *band = new BoxFrame(parent, Qt::white, QColor(0x9F, 0xB6, 0xCD), 10);
    band->setObjectName(QLatin1String(name));
    band->setGeometry(geometry);
    return band;
}

}  // namespace

TfrmAvvio::TfrmAvvio(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmAvvio"));
    SetCaption(QStringLiteral(" Velmora"));
    SetPlacement(Placement::Maximized);
    resize(1016, 713);
    SetGradient(QColor(0x70, 0xA0, 0xC7), Qt::white);

    container_ = new QWidget(this);
    container_->setObjectName(QStringLiteral("panContenitore"));
    container_->resize(kContainerWidth, kContainerHeight);
    QWidget *c = container_;

    // Title band: about icon, product name over the subtitle strip, guide icon.
    WhiteBand(c, "recTitolo", QRect(0, 0, kContainerWidth, 118));
    imgInfo = PictureButton(c, "imgInfo", QRect(18, 27, 64, 64));
    imgGuida = PictureButton(c, "imgGuida", QRect(kContainerWidth - 18 - 64, 27, 64, 64));
    icoTitoloApp = new QLabel(c);
    icoTitoloApp->setObjectName(QStringLiteral("icoTitoloApp"));
    icoTitoloApp->setGeometry((kContainerWidth - 520) / 2, 10, 520, 62);
    ShowPicture(icoTitoloApp, Picture("icoTitoloApp"));
    imgSottotitolo = new QLabel(c);
    imgSottotitolo->setObjectName(QStringLiteral("imgSottotitolo"));
    imgSottotitolo->setGeometry((kContainerWidth - 700) / 2, 76, 700, 34);
    ShowPicture(imgSottotitolo, Picture("imgSottotitolo"));

    // The six tiles, two rows of three: a white frame holding the picture
    // (258 x 164) and, under it, the label picture (258 x 45).
    struct Tile {
        ImageButton **picture, **label;
        const char *pictureName, *labelName, *frameName;
        void (TfrmAvvio::*click)();
    };
    const Tile tiles[] = {
        {&imgApp04, &btnApp04, "imgApp04", "btnApp04", "recApp04", &TfrmAvvio::imgApp04Click},
        {&imgApp02, &btnApp02, "imgApp02", "btnApp02", "recApp02", &TfrmAvvio::imgApp02Click},
        {&imgApp03, &btnApp03, "imgApp03", "btnApp03", "recApp03", &TfrmAvvio::imgApp03Click},
        {&imgApp07, &btnApp07, "imgApp07", "btnApp07", "recApp07", &TfrmAvvio::imgApp07Click},
        {&imgApp06, &btnApp06, "imgApp06", "btnApp06", "recApp06", &TfrmAvvio::imgApp06Click},
        {&imgApp08, &btnApp08, "imgApp08", "btnApp08", "recApp08", &TfrmAvvio::imgApp08Click},
    };
    constexpr int frameWidth = 274, frameHeight = 229, gapX = 40, gapY = 14, top = 132;
    constexpr int left = (kContainerWidth - 3 * frameWidth - 2 * gapX) / 2;
    for (int i = 0; i < 6; ++i) {
        const Tile &tile = tiles[i];
        const int x = left + (i % 3) * (frameWidth + gapX);
        const int y = top + (i / 3) * (frameHeight + gapY);
        WhiteBand(c, tile.frameName, QRect(x, y, frameWidth, frameHeight));
        *tile.picture = PictureButton(c, tile.pictureName, QRect(x + 8, y + 8, 258, 164));
        *tile.label = PictureButton(c, tile.labelName, QRect(x + 8, y + 176, 258, 45));
        const auto click = tile.click;
        (*tile.picture)->onClick = [this, click] { (this->*click)(); };
        (*tile.label)->onClick = [this, click] { (this->*click)(); };
    }

    // Footer band: credits icon, web strip, exit icon.
    WhiteBand(c, "recPiede", QRect(0, 618, kContainerWidth, 74));
    imgCopyright = PictureButton(c, "imgCopyright", QRect(18, 631, 48, 48));
    imgSito = PictureButton(c, "imgSito", QRect((kContainerWidth - 760) / 2, 633, 760, 44));
    imgEsci = PictureButton(c, "imgEsci", QRect(kContainerWidth - 18 - 48, 631, 48, 48));

    imgInfo->onClick = [this] { imgInfoClick(); };
    imgGuida->onClick = [this] { imgGuidaClick(); };
    imgCopyright->onClick = [this] { imgCopyrightClick(); };
    imgSito->onClick = [this] { imgSitoClick(); };
    imgEsci->onClick = [this] { imgEsciClick(); };
}

void TfrmAvvio::resizeEvent(QResizeEvent *event) {
    Form::resizeEvent(event);
    container_->move(std::max(0, (width() - kContainerWidth) / 2), std::max(0, (height() - kContainerHeight) / 2));
}

// The main window's own show handler does its work; the launcher passes
// nothing to it, and hides only once the window is up.
void TfrmAvvio::ShowMainWindow(Form *window) {
    window->Show();
    Hide();
}

void TfrmAvvio::imgApp02Click() { ShowMainWindow(frmFlotta); }
void TfrmAvvio::imgApp03Click() { ShowMainWindow(frmTariffario); }
void TfrmAvvio::imgApp04Click() { ShowMainWindow(frmClienti); }
void TfrmAvvio::imgApp06Click() { ShowMainWindow(frmPrenotazioni); }
void TfrmAvvio::imgApp07Click() { ShowMainWindow(frmMenuCamere); }
void TfrmAvvio::imgApp08Click() { ShowMainWindow(frmContrattiNSC); }

void TfrmAvvio::imgGuidaClick() {
    ShowGuide(this, QStringLiteral("Uno sguardo ad Velmora"), HelpText(QStringLiteral("Avvio")));
}

void TfrmAvvio::imgInfoClick() {
    TfrmInfo dlg(this);
    dlg.Create();
    dlg.ShowModal();
}

void TfrmAvvio::imgCopyrightClick() {
    TfrmSplash dlg(this);
    dlg.Create();
    dlg.ShowModal();
}

void TfrmAvvio::imgSitoClick() { TMisc::Open(ProductWebAddress()); }

void TfrmAvvio::imgEsciClick() { TerminateApplication(); }

void TfrmAvvio::FormClose(CloseAction &) { TerminateApplication(); }

}  // namespace vel
