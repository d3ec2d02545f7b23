#pragma once
// The login window: the program's main window and the only one shown at start.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmPassword : public Form {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *owner = nullptr);

    QLabel *imgLogo;
    QLabel *lblRigo05;
    FocusFrame *effPassword;
    Edit *txtPassword;
    Button *cmdOK;
    Button *cmdEsci;
    Button *btnCambiaPassword;
    QLabel *lblMemory;

    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();
    void txtPasswordChange();
    void txtPasswordKeyUp(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtPasswordKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtPasswordEnter();
    void txtPasswordExit();

protected:
    void FormShow() override;
};

extern TfrmPassword *frmPassword;

// The password file in the program's folder, and where the password lies in it.
QString PasswordFilePath();
QString PasswordSection();
QString PasswordKey();

class IniFile;
// The stored password, as the login and the password change read it: the
// file's value (empty when missing) goes into the window's scratch label, is
// deciphered there and comes back trimmed. Throws when the file cannot be
// read or the value is not hexadecimal.
QString ReadStoredPassword(const IniFile &passwordFile, QLabel *memory);

}  // namespace vel
