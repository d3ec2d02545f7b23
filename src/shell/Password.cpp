#include "Password.h"

#include <exception>

#include "Avvio.h"
#include "CambiaPassword.h"
#include "Crypt.h"
#include "common/IniFile.h"
#include "common/ProgramFolder.h"
#include "common/TextRules.h"
#include "pictures/Pictures.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmPassword *frmPassword = nullptr;

QString PasswordFilePath() { return ProgramPath(QStringLiteral("unins000.dll")); }
QString PasswordSection() { return QStringLiteral("Accesso"); }
QString PasswordKey() { return QStringLiteral("Valore"); }

QString ReadStoredPassword(const IniFile &passwordFile, QLabel *memory) {
    memory->setText(passwordFile.ReadString(PasswordSection(), PasswordKey(), QString()));
    memory->setText(DecryptFromHex(memory->text()));
    return Trim(memory->text());
}

TfrmPassword::TfrmPassword(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmPassword"));
    SetCaption(QStringLiteral(" Velmora - Autenticazione"));
    SetFixedClientSize(388, 405);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(14, 12, 360, 228);
    ShowPicture(imgLogo, {PictureName::Padlock, imgLogo->size(), 0, QStringLiteral("Password"),
        QStringLiteral("Proteggi l'accesso al programma con una password di tua scelta.\n\n"
                       "Per il primo accesso usa la password iniziale: brughieravolpe")});

    lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    lblRigo05->setGeometry(14, 250, 360, 22);
    lblRigo05->setFont(UiFont(QStringLiteral("Verdana"), 11, true));

    effPassword = new FocusFrame(this);
    effPassword->setObjectName(QStringLiteral("effPassword"));
    txtPassword = new Edit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setGeometry(20, 282, 272, 36);
    txtPassword->setFont(UiFont(QStringLiteral("Verdana"), 14, true));
    txtPassword->SetPassword(true);
    effPassword->Surround(txtPassword, 6);

    cmdOK = new Button(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(306, 282, 66, 36);
    cmdOK->setEnabled(false);

    cmdEsci = new Button(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(14, 356, 112, 34);
    btnCambiaPassword = new Button(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    btnCambiaPassword->setGeometry(222, 356, 150, 34);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdEsci);
    setTabOrder(cmdEsci, btnCambiaPassword);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    txtPassword->onChange = [this] { txtPasswordChange(); };
    txtPassword->onKeyUp = [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtPasswordKeyUp(k, c, s); };
    txtPassword->onKeyDown = [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtPasswordKeyDown(k, c, s); };
    txtPassword->onEnter = [this] { txtPasswordEnter(); };
    txtPassword->onExit = [this] { txtPasswordExit(); };
}

void TfrmPassword::FormShow() { txtPassword->setFocus(); }

void TfrmPassword::cmdOKClick() {
    try {
        const QString stored = ReadStoredPassword(IniFile(PasswordFilePath()), lblMemory);
        const QString typed = Trim(UpperAZ(txtPassword->text()));
        if (typed != stored) {
            ShowMessage(QStringLiteral("Attenzione: password errata."));
            txtPassword->clear();
            txtPassword->setFocus();
            return;
        }
        frmAvvio->Show();
        Hide();
    } catch (const std::exception &) {
        ShowMessage(QStringLiteral("Attenzione: si \u00e8 verificato un errore durante la procedura di lettura "
                                   "della password. Si consiglia di reinstallare il software."));
    }
}

void TfrmPassword::cmdEsciClick() {
    Close();
    TerminateApplication();
}

void TfrmPassword::btnCambiaPasswordClick() {
    frmCambiaPassword->Show();
    Hide();
}

void TfrmPassword::txtPasswordChange() { cmdOK->setEnabled(!Trim(txtPassword->text()).isEmpty()); }

void TfrmPassword::txtPasswordKeyUp(int &, QChar &, Qt::KeyboardModifiers) { txtPasswordChange(); }

void TfrmPassword::txtPasswordKeyDown(int &key, QChar &, Qt::KeyboardModifiers) {
    if (key == vkReturn && !Trim(txtPassword->text()).isEmpty()) cmdOKClick();
}

void TfrmPassword::txtPasswordEnter() { effPassword->show(); }
void TfrmPassword::txtPasswordExit() { effPassword->hide(); }

}  // namespace vel
