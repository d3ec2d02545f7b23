#include "ShellFixture.h"

#include "shell/CambiaPassword.h"
#include "common/TextRules.h"
#include "support/WriteLimit.h"

namespace vel::test {
namespace {

const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non \u00e8 stata confermata correttamente. "
    "E' necessario reinserire entrambi i valori.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeFailure = QStringLiteral(
    "Attenzione: si \u00e8 verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");

class ChangePasswordTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartLogin();
        Click(frmPassword->btnCambiaPassword);
        ASSERT_TRUE(frmCambiaPassword->isVisible());
        ShowActive(frmCambiaPassword);
    }
    void Fill(const QString &oldPassword, const QString &newPassword, const QString &confirmation) {
        auto *w = frmCambiaPassword;
        w->txtPasswordOld->clear();
        w->txtPasswordNew->clear();
        w->txtConferma->clear();
        Type(w->txtPasswordOld, oldPassword);
        Type(w->txtPasswordNew, newPassword);
        Type(w->txtConferma, confirmation);
    }
    QString StoredPassword() {
        const QByteArray file = folder.Read(QStringLiteral("unins000.dll"));
        const qsizetype at = file.indexOf("Valore=");
        const qsizetype end = file.indexOf('\r', at);
        return DecryptFromHex(QString::fromLatin1(file.mid(at + 7, end - at - 7)));
    }
};

TEST_F(ChangePasswordTest, WindowLooksAsDesigned) {
    auto *w = frmCambiaPassword;
    EXPECT_EQ(w->Caption(), QStringLiteral(" Cambia password"));
    EXPECT_EQ(w->size(), QSize(411, 418));
    EXPECT_EQ(w->lblPasswordOld->text(), QStringLiteral("Vecchia password:"));
    EXPECT_EQ(w->lblPasswordNew->text(), QStringLiteral("Nuova password:"));
    EXPECT_EQ(w->lblConferma->text(), QStringLiteral("Conferma nuova password:"));
    EXPECT_EQ(w->cmdEsci->text(), QStringLiteral("Chiudi"));
    EXPECT_EQ(w->cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(Focused(), w->txtPasswordOld);
    EXPECT_TRUE(w->effPasswordOld->isVisible());
}

TEST_F(ChangePasswordTest, SuccessfulChangeKeepsTheRestOfTheFile) {
    const QByteArray before =
        "; installed by the setup\r\n[Accesso]\r\nUtente=Mario\r\nValore=" +
        EncryptToHex(QStringLiteral("BRUGHIERAVOLPE")).toLatin1() + "\r\nAltro=1\r\n[Varie]\r\nX=y\r\n";
    folder.Write(QStringLiteral("unins000.dll"), before);
    Fill(QStringLiteral("BrughieraVolpe"), QStringLiteral("  nuova Chiave "), QStringLiteral("nuova Chiave"));
    messages.Expect(MsgKind::Plain, kDone);
    Click(frmCambiaPassword->cmdOK);

    QByteArray expected = before;
    expected.replace(EncryptToHex(QStringLiteral("BRUGHIERAVOLPE")).toLatin1(),
                     EncryptToHex(QStringLiteral("NUOVA CHIAVE")).toLatin1());
    EXPECT_EQ(folder.Read(QStringLiteral("unins000.dll")), expected);
    EXPECT_EQ(StoredPassword(), QStringLiteral("NUOVA CHIAVE"));

    // The window closed and the login is back, empty, with the focus.
    EXPECT_FALSE(frmCambiaPassword->isVisible());
    EXPECT_TRUE(frmPassword->isVisible());
    EXPECT_EQ(frmPassword->txtPassword->text(), QString());
    EXPECT_EQ(frmPassword->lblMemory->text(), QString());

    // The new password now opens the program.
    ShowActive(frmPassword);
    Type(frmPassword->txtPassword, QStringLiteral("nuova chiave"));
    Press(frmPassword->txtPassword, Qt::Key_Return);
    EXPECT_FALSE(frmPassword->isVisible());
}

TEST_F(ChangePasswordTest, WrongOldPasswordChangesNothing) {
    WritePassword(QStringLiteral("BRUGHIERAVOLPE"));
    const QByteArray before = folder.Read(QStringLiteral("unins000.dll"));
    Fill(QStringLiteral("volpe"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    messages.Expect(MsgKind::Plain, kOldWrong);
    Click(frmCambiaPassword->cmdOK);
    EXPECT_EQ(folder.Read(QStringLiteral("unins000.dll")), before);
    EXPECT_EQ(frmCambiaPassword->txtPasswordOld->text(), QString());
    EXPECT_EQ(frmCambiaPassword->txtPasswordNew->text(), QStringLiteral("nuova"));
    EXPECT_EQ(Focused(), frmCambiaPassword->txtPasswordOld);
    EXPECT_TRUE(frmCambiaPassword->isVisible());
}

TEST_F(ChangePasswordTest, MissingPasswordFileRefusesEveryOldPassword) {
    Fill(QStringLiteral("brughieravolpe"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    messages.Expect(MsgKind::Plain, kOldWrong);
    Click(frmCambiaPassword->cmdOK);
    EXPECT_FALSE(folder.Exists(QStringLiteral("unins000.dll")));
}

TEST_F(ChangePasswordTest, ConfirmationMustMatchExactly) {
    WritePassword(QStringLiteral("BRUGHIERAVOLPE"));
    const QByteArray before = folder.Read(QStringLiteral("unins000.dll"));
    const char *pairs[][2] = {{"nuova", "Nuova"}, {"nuova", "nuova2"}, {"nu ova", "nuova"}};
    for (const auto &pair : pairs) {
        SCOPED_TRACE(pair[1]);
        Fill(QStringLiteral("brughieravolpe"), QString::fromUtf8(pair[0]), QString::fromUtf8(pair[1]));
        messages.Expect(MsgKind::Plain, kNotConfirmed);
        Click(frmCambiaPassword->cmdOK);
        EXPECT_EQ(frmCambiaPassword->txtPasswordOld->text(), QStringLiteral("brughieravolpe"));
        EXPECT_EQ(frmCambiaPassword->txtPasswordNew->text(), QString());
        EXPECT_EQ(frmCambiaPassword->txtConferma->text(), QString());
        EXPECT_EQ(Focused(), frmCambiaPassword->txtPasswordNew);
    }
    EXPECT_EQ(folder.Read(QStringLiteral("unins000.dll")), before);
}

TEST_F(ChangePasswordTest, PasswordTheCipherCannotKeepIsRefused) {
    WritePassword(QStringLiteral("BRUGHIERAVOLPE"));
    const QByteArray before = folder.Read(QStringLiteral("unins000.dll"));
    const struct {
        QString password;
        QString message;
    } cases[] = {
        {QString(256, u'a'), QStringLiteral("Attenzione: la nuova password non pu\u00f2 superare i 255 caratteri.")},
        {QStringLiteral("euro\u20ac"), QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi.")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        Fill(QStringLiteral("brughieravolpe"), QString(), QString());
        frmCambiaPassword->txtPasswordNew->setText(c.password);
        frmCambiaPassword->txtConferma->setText(c.password);
        messages.Expect(MsgKind::Plain, c.message);
        Click(frmCambiaPassword->cmdOK);
        EXPECT_EQ(frmCambiaPassword->txtPasswordNew->text(), QString());
        EXPECT_TRUE(frmCambiaPassword->isVisible());
    }
    EXPECT_EQ(folder.Read(QStringLiteral("unins000.dll")), before);

    // 255 characters, all within one byte each, are kept whole.
    const QString longest = QString(254, u'z') + QChar(0xE8);
    Fill(QStringLiteral("brughieravolpe"), QString(), QString());
    frmCambiaPassword->txtPasswordNew->setText(longest);
    frmCambiaPassword->txtConferma->setText(longest);
    messages.Expect(MsgKind::Plain, kDone);
    Click(frmCambiaPassword->cmdOK);
    EXPECT_EQ(StoredPassword(), UpperAZ(longest));
}

TEST_F(ChangePasswordTest, CorruptOrUnwritableFileIsReportedAndKept) {
    folder.Write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=ZZ\r\n");
    Fill(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"));
    messages.Expect(MsgKind::Plain, kChangeFailure);
    Click(frmCambiaPassword->cmdOK);
    EXPECT_TRUE(frmCambiaPassword->isVisible());
    EXPECT_EQ(frmCambiaPassword->txtPasswordOld->text(), QStringLiteral("a"));
    EXPECT_EQ(frmCambiaPassword->txtConferma->text(), QStringLiteral("b"));

    WritePassword(QStringLiteral("BRUGHIERAVOLPE"));
    const QByteArray before = folder.Read(QStringLiteral("unins000.dll"));
    Fill(QStringLiteral("brughieravolpe"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    messages.Expect(MsgKind::Plain, kChangeFailure);
    {
        WriteLimit noRoom(8);
        Click(frmCambiaPassword->cmdOK);
    }
    EXPECT_EQ(folder.Read(QStringLiteral("unins000.dll")), before);
    EXPECT_TRUE(frmCambiaPassword->isVisible());
    EXPECT_EQ(frmCambiaPassword->txtPasswordNew->text(), QStringLiteral("nuova"));
}

TEST_F(ChangePasswordTest, OkNeedsAllThreeEdits) {
    auto *w = frmCambiaPassword;
    EXPECT_FALSE(w->cmdOK->isEnabled());
    Type(w->txtPasswordOld, QStringLiteral("a"));
    Type(w->txtPasswordNew, QStringLiteral("b"));
    EXPECT_FALSE(w->cmdOK->isEnabled());
    Type(w->txtConferma, QStringLiteral(" "));
    EXPECT_FALSE(w->cmdOK->isEnabled());
    Type(w->txtConferma, QStringLiteral("c"));
    EXPECT_TRUE(w->cmdOK->isEnabled());
    Press(w->txtPasswordNew, Qt::Key_Backspace);
    EXPECT_FALSE(w->cmdOK->isEnabled());
}

TEST_F(ChangePasswordTest, EnterMovesRoundTheEditsAndNeverRunsOk) {
    auto *w = frmCambiaPassword;
    Fill(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b"));
    w->txtPasswordOld->setFocus();
    Press(w->txtPasswordOld, Qt::Key_Return);
    EXPECT_EQ(Focused(), w->txtPasswordNew);
    Press(w->txtPasswordNew, Qt::Key_Return);
    EXPECT_EQ(Focused(), w->txtConferma);
    Press(w->txtConferma, Qt::Key_Return);  // no box: OK does not run
    EXPECT_EQ(Focused(), w->txtPasswordOld);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ChangePasswordTest, ChiudiReturnsToAnEmptyLogin) {
    WritePassword(QStringLiteral("BRUGHIERAVOLPE"));
    Fill(QStringLiteral("sbagliata"), QStringLiteral("b"), QStringLiteral("b"));
    messages.Expect(MsgKind::Plain, kOldWrong);
    Click(frmCambiaPassword->cmdOK);
    frmPassword->txtPassword->setText(QStringLiteral("rimasta"));
    Click(frmCambiaPassword->cmdEsci);
    EXPECT_FALSE(frmCambiaPassword->isVisible());
    EXPECT_TRUE(frmPassword->isVisible());
    EXPECT_EQ(frmPassword->txtPassword->text(), QString());
    EXPECT_FALSE(TerminateRequested());

    // Each show starts with three empty edits.
    Click(frmPassword->btnCambiaPassword);
    EXPECT_EQ(frmCambiaPassword->txtPasswordOld->text(), QString());
    EXPECT_EQ(frmCambiaPassword->txtPasswordNew->text(), QString());
    EXPECT_EQ(frmCambiaPassword->txtConferma->text(), QString());
}

TEST_F(ChangePasswordTest, TabOrder) {
    auto *w = frmCambiaPassword;
    Fill(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    w->txtPasswordOld->setFocus();
    QWidget *expected[] = {w->txtPasswordNew, w->txtConferma, w->cmdEsci, w->cmdOK};
    for (QWidget *next : expected) {
        Press(Focused(), Qt::Key_Tab);
        EXPECT_EQ(Focused(), next);
    }
}

}  // namespace
}  // namespace vel::test
