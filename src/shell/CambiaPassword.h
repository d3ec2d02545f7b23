#pragma once
// The password change window, opened from the login window.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace vel {

class TfrmCambiaPassword : public Form {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *owner = nullptr);

    QLabel *imgLogo;
    QLabel *lblPasswordOld;
    QLabel *lblPasswordNew;
    QLabel *lblConferma;
    FocusFrame *effPasswordOld;
    FocusFrame *effPasswordNew;
    FocusFrame *effConferma;
    Edit *txtPasswordOld;
    Edit *txtPasswordNew;
    Edit *txtConferma;
    Button *cmdEsci;
    Button *cmdOK;
    QLabel *lblMemory;

    void cmdOKClick();
    void cmdEsciClick();
    void txtPasswordChange();  // the shared change and key-release handler of the three edits
    void txtPasswordOldKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtPasswordNewKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);
    void txtConfermaKeyDown(int &key, QChar &keyChar, Qt::KeyboardModifiers shift);

protected:
    void FormShow() override;
    void FormClose(CloseAction &action) override;
};

extern TfrmCambiaPassword *frmCambiaPassword;

}  // namespace vel
