#include <QDir>
#include <QProcess>

#include "ShellFixture.h"
#include "common/IniFile.h"
#include "shell/Avvio.h"
#include "shell/CambiaPassword.h"

namespace vel::test {
namespace {

TEST_F(ShellTest, WindowsAreCreatedInTheirFixedOrder) {
    const char *expected[] = {
        "TfrmPassword", "TfrmCambiaPassword", "TfrmGuida", "TfrmInfo", "TfrmSplash", "TfrmAvvio",
        "TfrmClienti", "TfrmCodFisc", "TfrmPartitaIva", "TfrmCarta", "TfrmIban", "TfrmRicontatta",
        "TfrmExpClienti", "TfrmAllegaCartella", "TfrmTrovaClienti", "TfrmFlotta", "TfrmTrovaFlotta",
        "TfrmDisponibili", "TfrmExpFlotta", "TfrmTariffario", "TfrmExpTariffario", "TfrmTrovaTariffa",
        "TfrmListino", "TfrmMenuCamere", "TfrmPlanning", "TfrmGiorno", "TfrmIntervallo",
        "TfrmStampaPlanning", "TfrmAnteprimaPlanning", "TfrmRiepPrenotazioni", "TfrmPrenotazioni",
        "TfrmTrovaPrenotazioni", "TfrmExpPrenotazioni", "TfrmRiepAnnualePren", "TfrmRiepMensilePren",
        "TfrmRiepGiornalieroPren", "TfrmContrattiNSC", "TfrmNumerazione", "TfrmImpPrenotazioni",
        "TfrmExpContratti", "TfrmDaSaldare", "TfrmTrovaContrattiNSC", "TfrmStampaContrattoNSC",
        "TfrmLogo", "TfrmStampaLav", "TfrmPrivacy", "TfrmCalendario"};
    const auto &table = WindowTable();
    ASSERT_EQ(table.size(), std::size(expected));
    for (size_t i = 0; i < table.size(); ++i) EXPECT_STREQ(table[i].className, expected[i]) << i;
}

TEST_F(ShellTest, EveryWindowIsReachableThroughItsReference) {
    // Each program-wide reference names a distinct window called after it.
    QSet<QWidget *> seen;
    for (const WindowEntry &entry : WindowTable()) {
        const QString reference = QString::fromLatin1(entry.className).mid(1);  // without the "T"
        QWidget *window = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == reference) window = top;
        ASSERT_NE(window, nullptr) << reference.toStdString();
        EXPECT_FALSE(seen.contains(window));
        seen.insert(window);
    }
    EXPECT_EQ(Form::MainForm(), frmPassword);
}

TEST_F(ShellTest, OnlyTheLoginIsVisibleAtStart) {
    frmPassword->Show();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form *>(top)) {
            EXPECT_EQ(top->isVisible(), top == frmPassword) << top->objectName().toStdString();
        }
    }
}

TEST_F(ShellTest, TheLauncherEndsTheProgramByItsCloseOrItsExitIcon) {
    WritePassword(QStringLiteral("BRUGHIERAVOLPE"));
    StartLogin();
    Type(frmPassword->txtPassword, QStringLiteral("brughieravolpe"));
    Press(frmPassword->txtPassword, Qt::Key_Return);
    ASSERT_TRUE(frmAvvio->isVisible());
    // Hiding the login does not end the program.
    EXPECT_FALSE(TerminateRequested());

    frmAvvio->close();  // the title bar's close box
    EXPECT_TRUE(TerminateRequested());

    ResetTerminateRequest();
    frmAvvio->Show();
    Click(frmAvvio->imgEsci);
    EXPECT_TRUE(TerminateRequested());
}

TEST_F(ShellTest, ClosingThePasswordChangeDoesNotEndTheProgram) {
    StartLogin();
    Click(frmPassword->btnCambiaPassword);
    frmCambiaPassword->close();
    EXPECT_FALSE(TerminateRequested());
    EXPECT_TRUE(frmPassword->isVisible());
}

// The windows go in the reverse order of their creation, each reference
// cleared, and a main window closed afterwards finds no launcher to show.
TEST_F(ShellTest, DestroyingTheWindowsLeavesNone) {
    DestroyWindows();
    for (QWidget *top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<Form *>(top), nullptr) << top->objectName().toStdString();
    for (const Form *reference : std::initializer_list<const Form *>{frmPassword, frmAvvio, frmCambiaPassword})
        EXPECT_EQ(reference, nullptr);
    EXPECT_EQ(Form::MainForm(), nullptr);

    // Built again from the same table, as every test does.
    CreateWindows();
    ASSERT_NE(frmAvvio, nullptr);
    EXPECT_EQ(Form::MainForm(), frmPassword);
    StartLogin();
    EXPECT_FALSE(frmAvvio->isVisible());
}

// The build lays an initial password file beside the program.
TEST(InitialPasswordFile, HoldsTheInitialPasswordAndIsNeverOverwritten) {
    const QString installed = QStringLiteral(VELMORA_PROGRAM_DIR "/unins000.dll");
    ASSERT_TRUE(QFileInfo::exists(installed));
    const QString value = IniFile(installed).ReadString(QStringLiteral("Accesso"), QStringLiteral("Valore"),
                                                        QString());
    EXPECT_EQ(DecryptFromHex(value), QStringLiteral("BRUGHIERAVOLPE"));

    TestFolder folder;
    const auto install = [&] {
        return QProcess::execute(QStringLiteral(CMAKE_COMMAND),
                                 {QStringLiteral("-DPROGRAM_DIR=") + folder.Path(QString()),
                                  QStringLiteral("-P"), QStringLiteral(INSTALL_FILES_SCRIPT)});
    };
    ASSERT_EQ(install(), 0);
    EXPECT_EQ(folder.Read(QStringLiteral("unins000.dll")),
              QByteArray("[Accesso]\r\nValore=618737DDC996F98544C1642B7C06\r\n"));
    folder.Write(QStringLiteral("unins000.dll"), "[Accesso]\r\nValore=00\r\n");
    ASSERT_EQ(install(), 0);
    EXPECT_EQ(folder.Read(QStringLiteral("unins000.dll")), QByteArray("[Accesso]\r\nValore=00\r\n"));
}

}  // namespace
}  // namespace vel::test
