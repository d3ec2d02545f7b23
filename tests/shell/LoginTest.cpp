#include "ShellFixture.h"

#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"
#include "support/PipeTrap.h"

namespace vel::test {
namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadFailure = QStringLiteral(
    "Attenzione: si \u00e8 verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");

class LoginTest : public ShellTest {
protected:
    void TypeAndEnter(const QString &text) {
        Type(frmPassword->txtPassword, text);
        Press(frmPassword->txtPassword, Qt::Key_Return);
    }
};

TEST_F(LoginTest, LoginWindowLooksAsDesigned) {
    EXPECT_EQ(frmPassword->Caption(), QStringLiteral(" Velmora - Autenticazione"));
    EXPECT_EQ(frmPassword->size(), QSize(388, 405));
    EXPECT_EQ(frmPassword->lblRigo05->text(), QStringLiteral("Immetti la password e premi OK."));
    EXPECT_EQ(frmPassword->cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(frmPassword->cmdEsci->text(), QStringLiteral("Esci"));
    EXPECT_EQ(frmPassword->btnCambiaPassword->text(), QStringLiteral("Cambia password"));
    EXPECT_EQ(frmPassword->txtPassword->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(frmPassword->cmdOK->isEnabled());
    EXPECT_FALSE(frmPassword->lblMemory->isVisible());
}

TEST_F(LoginTest, CorrectPasswordShowsLauncherAndHidesLogin) {
    const struct {
        const char *stored;
        const char *typed;
    } cases[] = {
        {"BRUGHIERAVOLPE", "brughieravolpe"},
        {"BRUGHIERAVOLPE", "  BrUgHiErAvOlPe \t"},
        {"DUE PAROLE", "due parole"},
        {"P\u00c0SS", "p\u00c0ss"},  // an accented letter keeps the case it was stored in
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        WritePassword(QString::fromUtf8(c.stored));
        frmAvvio->Hide();
        StartLogin();
        frmPassword->txtPassword->clear();
        TypeAndEnter(QString::fromUtf8(c.typed));
        EXPECT_TRUE(frmAvvio->isVisible());
        EXPECT_FALSE(frmPassword->isVisible());
        EXPECT_FALSE(TerminateRequested());
    }
}

TEST_F(LoginTest, WrongPasswordIsRefusedAndEditEmptied) {
    const char *typed[] = {"brughiera volpe", "brughieravolp", "p\u00e0ss", "x"};
    WritePassword(QStringLiteral("BRUGHIERAVOLPE"));
    StartLogin();
    for (const char *t : typed) {
        SCOPED_TRACE(t);
        messages.Expect(MsgKind::Plain, kWrong);
        TypeAndEnter(QString::fromUtf8(t));
        EXPECT_EQ(frmPassword->txtPassword->text(), QString());
        EXPECT_EQ(Focused(), frmPassword->txtPassword);
        EXPECT_TRUE(frmPassword->isVisible());
        EXPECT_FALSE(frmAvvio->isVisible());
        EXPECT_FALSE(frmPassword->cmdOK->isEnabled());
    }
}

TEST_F(LoginTest, OkButtonRunsTheSameCheck) {
    WritePassword(QStringLiteral("SEGRETA"));
    StartLogin();
    Type(frmPassword->txtPassword, QStringLiteral("segreta"));
    ASSERT_TRUE(frmPassword->cmdOK->isEnabled());
    Click(frmPassword->cmdOK);
    EXPECT_TRUE(frmAvvio->isVisible());
}

TEST_F(LoginTest, MissingFileSectionOrKeyMeansNoPasswordMatches) {
    const QByteArray files[] = {
        QByteArray(),  // no file at all
        "[Altro]\r\nValore=618737DDC996F98544C1642B7C06\r\n",
        "[Accesso]\r\nNome=618737DDC996F98544C1642B7C06\r\n",
    };
    for (const QByteArray &content : files) {
        SCOPED_TRACE(content.toStdString());
        if (!content.isEmpty()) folder.Write(QStringLiteral("unins000.dll"), content);
        StartLogin();
        messages.Expect(MsgKind::Plain, kWrong);
        TypeAndEnter(QStringLiteral("brughieravolpe"));
        EXPECT_FALSE(frmAvvio->isVisible());
    }
}

TEST_F(LoginTest, UnreadableOrCorruptPasswordFileIsReported) {
    StartLogin();
    // Not hexadecimal.
    folder.Write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=61ZZ37\r\n");
    messages.Expect(MsgKind::Plain, kReadFailure);
    TypeAndEnter(QStringLiteral("brughieravolpe"));
    EXPECT_EQ(frmPassword->txtPassword->text(), QStringLiteral("brughieravolpe"));
    EXPECT_TRUE(frmPassword->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());

    // A file that exists but cannot be read.
    QFile::remove(folder.Path(QStringLiteral("unins000.dll")));
    folder.Block(QStringLiteral("unins000.dll"));
    messages.Expect(MsgKind::Plain, kReadFailure);
    Press(frmPassword->txtPassword, Qt::Key_Return);
    EXPECT_FALSE(frmAvvio->isVisible());
}

// A named pipe at the password file's name is a file that cannot be read:
// the login says so at once instead of waiting on the pipe.
TEST_F(LoginTest, APasswordFileThatIsANamedPipeIsReported) {
    StartLogin();
    PipeTrap pipe(folder.Path(QStringLiteral("unins000.dll")));
    ASSERT_TRUE(pipe.Made());
    messages.Expect(MsgKind::Plain, kReadFailure);
    TypeAndEnter(QStringLiteral("brughieravolpe"));
    messages.Verify();
    EXPECT_FALSE(frmAvvio->isVisible());
    EXPECT_FALSE(pipe.Opened());
}

TEST_F(LoginTest, BlankPasswordNeverEnablesOkAndEnterDoesNothing) {
    WritePassword(QStringLiteral("BRUGHIERAVOLPE"));
    StartLogin();
    Type(frmPassword->txtPassword, QStringLiteral("   "));
    EXPECT_FALSE(frmPassword->cmdOK->isEnabled());
    Press(frmPassword->txtPassword, Qt::Key_Return);  // no box expected
    EXPECT_TRUE(frmPassword->isVisible());
    Type(frmPassword->txtPassword, QStringLiteral("a"));
    EXPECT_TRUE(frmPassword->cmdOK->isEnabled());
    Press(frmPassword->txtPassword, Qt::Key_Backspace);
    EXPECT_FALSE(frmPassword->cmdOK->isEnabled());
}

TEST_F(LoginTest, FocusFrameFollowsTheEdit) {
    StartLogin();
    EXPECT_EQ(Focused(), frmPassword->txtPassword);
    EXPECT_TRUE(frmPassword->effPassword->isVisible());
    frmPassword->cmdEsci->setFocus();
    EXPECT_FALSE(frmPassword->effPassword->isVisible());
}

// Mended: minimised by the window manager, the login and the password change
// come back at once, and the yellow frame is around the edit that still has
// the focus (the only one framed), as before the minimise.
TEST_F(LoginTest, ARefusedMinimiseLeavesTheFrameAroundTheFocusedEdit) {
    struct Framed {
        Edit *edit;
        FocusFrame *frame;
    };
    const struct {
        const char *name;
        bool changePassword;
        int focused;  // index in the window's framed edits
    } cases[] = {{"login", false, 0}, {"change, old password", true, 0}, {"change, confirmation", true, 2}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        StartLogin();
        Form *window = frmPassword;
        std::vector<Framed> framed{{frmPassword->txtPassword, frmPassword->effPassword}};
        if (c.changePassword) {
            Click(frmPassword->btnCambiaPassword);
            ShowActive(frmCambiaPassword);
            window = frmCambiaPassword;
            framed = {{frmCambiaPassword->txtPasswordOld, frmCambiaPassword->effPasswordOld},
                      {frmCambiaPassword->txtPasswordNew, frmCambiaPassword->effPasswordNew},
                      {frmCambiaPassword->txtConferma, frmCambiaPassword->effConferma}};
        }
        Edit *edit = framed[c.focused].edit;
        edit->setFocus();
        ASSERT_TRUE(framed[c.focused].frame->isVisible());

        window->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->windowState(), Qt::WindowNoState);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(Focused(), edit);
        for (std::size_t i = 0; i < framed.size(); ++i)
            EXPECT_EQ(framed[i].frame->isVisible(), int(i) == c.focused) << framed[i].edit->objectName().toStdString();

        if (c.changePassword) Click(frmCambiaPassword->cmdEsci);
    }
}

TEST_F(LoginTest, TabOrder) {
    StartLogin();
    QWidget *expected[] = {frmPassword->cmdOK, frmPassword->cmdEsci, frmPassword->btnCambiaPassword};
    Type(frmPassword->txtPassword, QStringLiteral("x"));  // enables OK, which takes part in the order
    for (QWidget *next : expected) {
        Press(Focused(), Qt::Key_Tab);
        EXPECT_EQ(Focused(), next);
    }
}

TEST_F(LoginTest, EsciEndsTheProgram) {
    StartLogin();
    Click(frmPassword->cmdEsci);
    EXPECT_TRUE(TerminateRequested());
    EXPECT_FALSE(frmPassword->isVisible());
}

TEST_F(LoginTest, CambiaPasswordSwapsWindows) {
    StartLogin();
    Type(frmPassword->txtPassword, QStringLiteral("abc"));
    Click(frmPassword->btnCambiaPassword);
    EXPECT_TRUE(frmCambiaPassword->isVisible());
    EXPECT_FALSE(frmPassword->isVisible());
    EXPECT_FALSE(TerminateRequested());
}

}  // namespace
}  // namespace vel::test
