#pragma once
// Every shell test starts the program as main() does: all windows created,
// the login window shown, in a fresh program folder with a scripted set of
// message boxes.
#include "shell/Crypt.h"
#include "shell/Password.h"
#include "support/ProgramFixture.h"

namespace vel::test {

class ShellTest : public ProgramTest {
protected:
    // A password file holding `password` the way the program stores it.
    void WritePassword(const QString &password) {
        folder.Write(QStringLiteral("unins000.dll"),
                     "[Accesso]\r\nValore=" + EncryptToHex(password).toLatin1() + "\r\n");
    }
    void StartLogin() { ShowActive(frmPassword); }
};

}  // namespace vel::test
