#include "Logo.h"

#include "LogoPicture.h"
#include "common/ProgramFolder.h"
#include "pictures/Pictures.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Services.h"

namespace vel {

TfrmLogo *frmLogo = nullptr;

const QString TfrmLogo::kDialogTitle = QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap.");
const QString TfrmLogo::kDialogFilter = QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");

namespace {

constexpr int kWidth = 420, kHeight = 330;
const QRect kLogoFrame(20, 44, 380, 200);

}  // namespace

TfrmLogo::TfrmLogo(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmLogo"));
    SetCaption(QStringLiteral(" Impostazione logo"));
    SetFixedClientSize(kWidth, kHeight);
    SetPlacement(Placement::Owner);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    lblIstruzioni = new QLabel(QStringLiteral("Logo stampato sul contratto e sulla scheda di verifica:"),
                               this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setGeometry(20, 14, 380, 22);
    lblIstruzioni->setFont(UiFont(QStringLiteral("Verdana"), 8, true));
    SetTextColour(lblIstruzioni, Qt::white);

    auto *frame = new BoxFrame(this, Qt::white, QColor(0x9F, 0xB6, 0xCD), 0);
    frame->setObjectName(QStringLiteral("shpLogo"));
    frame->setGeometry(kLogoFrame);
    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(kLogoFrame.adjusted(4, 4, -4, -4));
    imgLogo->setAlignment(Qt::AlignCenter);

    btnSfoglia = new Button(QStringLiteral("Sfoglia..."), this);
    btnSfoglia->setObjectName(QStringLiteral("btnSfoglia"));
    btnSfoglia->setGeometry(20, 252, 137, 28);

    btnCancLogo = new ImageButton(this);
    btnCancLogo->setObjectName(QStringLiteral("btnCancLogo"));
    btnCancLogo->setGeometry(338, 252, 28, 28);
    ShowPicture(btnCancLogo, {PictureName::EraserIcon, {28, 28}});
    imgEuro = new ImageButton(this);
    imgEuro->setObjectName(QStringLiteral("imgEuro"));
    imgEuro->setGeometry(372, 252, 28, 28);
    ShowPicture(imgEuro, {PictureName::EuroLogo, {28, 28}});

    btnAnnulla = new Button(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setGeometry(20, 290, 137, 28);
    btnApplica = new Button(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setGeometry(263, 290, 137, 28);
    for (Button *button : {btnSfoglia, btnAnnulla, btnApplica}) {
        button->setFont(UiFont(QStringLiteral("Verdana"), 8));
        button->setCursor(Qt::PointingHandCursor);
    }
    setTabOrder(btnSfoglia, btnAnnulla);
    setTabOrder(btnAnnulla, btnApplica);

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmLogo::btnAnnullaClick);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
    btnCancLogo->onClick = [this] { btnCancLogoClick(); };
    imgEuro->onClick = [this] { imgEuroClick(); };
}

void TfrmLogo::FormShow() {
    const QString path = ProgramPath(kLogoFileName);
    QImage stored;
    switch (ReadLogo(path, &stored)) {
    case LogoRead::Picture: SetLogo(stored); break;
    case LogoRead::NoPicture: SetLogo(DefaultLogo()); break;
    case LogoRead::TooHard:
        // The firm's logo is there but cannot be shown: nothing is proposed
        // in its place, and "Applica e chiudi" leaves it as it is unless
        // another picture is chosen.
        logo_ = QImage();
        keepStored_ = true;
        imgLogo->clear();
        MessageDlg(MsgKind::Error, LogoNotLoadedMessage(path));
        break;
    }
}

void TfrmLogo::SetLogo(const QImage &picture) {
    logo_ = picture;
    keepStored_ = false;
    // A picture larger than the frame is shown fitted; a smaller one (the
    // 2 x 2 blank among them) at its own size.
    QPixmap shown = QPixmap::fromImage(picture);
    if (shown.width() > imgLogo->width() || shown.height() > imgLogo->height())
        shown = shown.scaled(imgLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgLogo->setPixmap(shown);
}

void TfrmLogo::btnSfogliaClick() {
    const QString path = FileDialogs().GetOpenFileName(this, kDialogTitle, QString(), kDialogFilter);
    if (path.isEmpty()) return;
    QImage chosen;
    switch (ReadLogo(path, &chosen)) {
    case LogoRead::Picture: SetLogo(chosen); break;
    case LogoRead::NoPicture: SetLogo(DefaultLogo()); break;
    // A picture that cannot be loaded is said so, and the logo shown stays.
    case LogoRead::TooHard: MessageDlg(MsgKind::Error, LogoNotLoadedMessage(path)); break;
    }
}

void TfrmLogo::btnCancLogoClick() { SetLogo(BlankLogo()); }

void TfrmLogo::imgEuroClick() { SetLogo(DefaultLogo()); }

void TfrmLogo::btnApplicaClick() {
    // A logo that cannot be written is said so, and the dialog stays with the
    // chosen picture: the earlier "Logo.bmp" is still whole, and the user can
    // try again or leave with "Annulla".
    if (!keepStored_ && !WriteCompanyLogo(logo_)) {
        MessageDlg(MsgKind::Error,
                   QStringLiteral("Attenzione: il sistema non permette di salvare il logo della Ditta.\r\n\r\n"
                                  "Accertarsi che la cartella del programma consenta la scrittura."));
        return;
    }
    Close();
}

void TfrmLogo::btnAnnullaClick() { Close(); }

}  // namespace vel
