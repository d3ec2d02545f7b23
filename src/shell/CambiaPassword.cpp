#include "CambiaPassword.h"

#include <exception>

#include "Crypt.h"
#include "Password.h"
#include "common/IniFile.h"
#include "common/TextRules.h"
#include "pictures/Pictures.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace vel {

TfrmCambiaPassword *frmCambiaPassword = nullptr;

namespace {

// The cipher keeps only the low byte of each character and counts characters
// in one byte: a longer password, or one with other characters, would come
// back from the file as a different text and lock the user out.
constexpr int kMaxPasswordLength = 255;

bool FitsCipher(const QString &text) {
    for (QChar c : text)
        if (c.unicode() > 0xFF) return false;
    return true;
}

}  // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *owner) : Form(owner) {
    setObjectName(QStringLiteral("frmCambiaPassword"));
    SetCaption(QStringLiteral(" Cambia password"));
    SetFixedClientSize(411, 418);
    SetGradient(QColor(0x46, 0x82, 0xB4), Qt::white);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(14, 10, 383, 128);
    ShowPicture(imgLogo, {PictureName::Padlock, imgLogo->size(), 0, QStringLiteral("Cambia password"),
        QStringLiteral("Compila i campi sottostanti e premi OK per confermare.")});

    struct Row {
        QLabel **label;
        FocusFrame **frame;
        Edit **edit;
        const char *caption;
        const char *labelName;
        const char *frameName;
        const char *editName;
    };
    const Row rows[] = {
        {&lblPasswordOld, &effPasswordOld, &txtPasswordOld, "Vecchia password:", "lblPasswordOld",
         "effPasswordOld", "txtPasswordOld"},
        {&lblPasswordNew, &effPasswordNew, &txtPasswordNew, "Nuova password:", "lblPasswordNew",
         "effPasswordNew", "txtPasswordNew"},
        {&lblConferma, &effConferma, &txtConferma, "Conferma nuova password:", "lblConferma",
         "effConferma", "txtConferma"},
    };
    int top = 148;
    for (const Row &row : rows) {
        *row.label = new QLabel(QString::fromUtf8(row.caption), this);
        (*row.label)->setObjectName(QString::fromLatin1(row.labelName));
        (*row.label)->setGeometry(24, top, 360, 20);
        (*row.label)->setFont(UiFont(QStringLiteral("Verdana"), 10, true));
        *row.frame = new FocusFrame(this);
        (*row.frame)->setObjectName(QString::fromLatin1(row.frameName));
        *row.edit = new Edit(this);
        (*row.edit)->setObjectName(QString::fromLatin1(row.editName));
        (*row.edit)->setGeometry(24, top + 22, 362, 34);
        (*row.edit)->setFont(UiFont(QStringLiteral("Verdana"), 14, true));
        (*row.edit)->SetPassword(true);
        (*row.frame)->Surround(*row.edit, 5);
        Edit *edit = *row.edit;
        FocusFrame *frame = *row.frame;
        edit->onEnter = [frame] { frame->show(); };
        edit->onExit = [frame] { frame->hide(); };
        edit->onChange = [this] { txtPasswordChange(); };
        edit->onKeyUp = [this](int &, QChar &, Qt::KeyboardModifiers) { txtPasswordChange(); };
        top += 66;
    }

    cmdEsci = new Button(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setGeometry(24, 364, 120, 36);
    cmdOK = new Button(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(266, 364, 120, 36);
    cmdOK->setEnabled(false);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    setTabOrder(txtPasswordOld, txtPasswordNew);
    setTabOrder(txtPasswordNew, txtConferma);
    setTabOrder(txtConferma, cmdEsci);
    setTabOrder(cmdEsci, cmdOK);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
    txtPasswordOld->onKeyDown = [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtPasswordOldKeyDown(k, c, s); };
    txtPasswordNew->onKeyDown = [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtPasswordNewKeyDown(k, c, s); };
    txtConferma->onKeyDown = [this](int &k, QChar &c, Qt::KeyboardModifiers s) { txtConfermaKeyDown(k, c, s); };
}

void TfrmCambiaPassword::FormShow() {
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    lblMemory->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::FormClose(CloseAction &) {
    frmPassword->txtPassword->clear();
    frmPassword->lblMemory->clear();
    frmPassword->Show();
    frmPassword->txtPassword->setFocus();
}

void TfrmCambiaPassword::cmdEsciClick() { Close(); }

void TfrmCambiaPassword::txtPasswordChange() {
    cmdOK->setEnabled(!Trim(txtPasswordOld->text()).isEmpty() && !Trim(txtPasswordNew->text()).isEmpty() &&
                      !Trim(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::txtPasswordOldKeyDown(int &key, QChar &, Qt::KeyboardModifiers) {
    if (key == vkReturn) FocusByEnter(txtPasswordNew);
}

void TfrmCambiaPassword::txtPasswordNewKeyDown(int &key, QChar &, Qt::KeyboardModifiers) {
    if (key == vkReturn) FocusByEnter(txtConferma);
}

void TfrmCambiaPassword::txtConfermaKeyDown(int &key, QChar &, Qt::KeyboardModifiers) {
    if (key == vkReturn) FocusByEnter(txtPasswordOld);
}

void TfrmCambiaPassword::cmdOKClick() {
    try {
        IniFile passwordFile(PasswordFilePath());
        const QString stored = ReadStoredPassword(passwordFile, lblMemory);

        if (Trim(UpperAZ(txtPasswordOld->text())) != stored) {
            ShowMessage(QStringLiteral("Attenzione: vecchia password errata."));
            txtPasswordOld->clear();
            txtPasswordOld->setFocus();
            return;
        }
        if (Trim(txtPasswordNew->text()) != Trim(txtConferma->text())) {
            ShowMessage(QStringLiteral("Attenzione: la nuova password non \u00e8 stata confermata correttamente. "
                                       "E' necessario reinserire entrambi i valori."));
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }
        const QString newPassword = Trim(UpperAZ(txtPasswordNew->text()));
        if (newPassword.size() > kMaxPasswordLength || !FitsCipher(newPassword)) {
            ShowMessage(newPassword.size() > kMaxPasswordLength
                            ? QStringLiteral("Attenzione: la nuova password non pu\u00f2 superare i 255 caratteri.")
                            : QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi."));
            txtPasswordNew->clear();
            txtConferma->clear();
            txtPasswordNew->setFocus();
            return;
        }
        lblMemory->setText(newPassword);
        lblMemory->setText(EncryptToHex(lblMemory->text()));
        passwordFile.WriteString(PasswordSection(), PasswordKey(), Trim(lblMemory->text()));
        ShowMessage(QStringLiteral("Modifica della password completata con successo."));
        Close();
    } catch (const std::exception &) {
        ShowMessage(QStringLiteral("Attenzione: si \u00e8 verificato un errore durante la procedura di modifica "
                                   "della password. Si consiglia di reinstallare il software."));
    }
}

}  // namespace vel
