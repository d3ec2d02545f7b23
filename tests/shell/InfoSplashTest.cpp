#include <memory>

#include "ShellFixture.h"
#include "dialogs/Guida.h"
#include "dialogs/OpenURL.h"
#include "dialogs/WebLink.h"
#include "shell/Avvio.h"
#include "shell/Info.h"
#include "shell/Splash.h"

namespace vel::test {
namespace {

const QColor kDarkBlue(0x00, 0x00, 0x8B);
const QColor kOrange(0xFF, 0xA5, 0x00);

class InfoSplashTest : public ShellTest {
protected:
    FakeShell shell;
};

TEST_F(InfoSplashTest, AboutBoxLooksAsDesigned) {
    TfrmInfo dlg;
    dlg.Create();
    EXPECT_EQ(dlg.Caption(), QStringLiteral(" Informazioni su Velmora"));
    EXPECT_EQ(dlg.size(), QSize(473, 579));
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dlg.lnkWeb->text(), QStringLiteral("info@velmora.it"));
    EXPECT_TRUE(dlg.lnkWeb->font().underline());
    EXPECT_EQ(LinkColour(dlg.lnkWeb), kDarkBlue);
    EXPECT_EQ(dlg.btnChiudi->text(), QStringLiteral("Chiudi"));
    dlg.grab();  // the pictures are drawn when the window is first shown or painted
    EXPECT_FALSE(dlg.imgLogo->pixmap().isNull());
    EXPECT_FALSE(dlg.imgEmail->pixmap().isNull());
}

TEST_F(InfoSplashTest, CreditsWindowLooksAsDesigned) {
    TfrmSplash dlg;
    dlg.Create();
    EXPECT_TRUE(dlg.Caption().startsWith(QStringLiteral(" Velmora - ")));
    EXPECT_GT(dlg.Caption().size(), QStringLiteral(" Velmora - ").size());
    EXPECT_EQ(dlg.size(), QSize(661, 467));
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dlg.imgLogo->size(), QSize(625, 380));
    dlg.grab();  // the pictures are drawn when the window is first shown or painted
    EXPECT_FALSE(dlg.imgLogo->pixmap().isNull());
    EXPECT_FALSE(dlg.imgWeb->pixmap().isNull());
    EXPECT_EQ(dlg.lnkWeb->text(), QStringLiteral("www.velmora.it"));
    EXPECT_TRUE(dlg.lnkWeb->font().underline());
    EXPECT_EQ(LinkColour(dlg.lnkWeb), kDarkBlue);
    EXPECT_EQ(dlg.btnChiudi->text(), QStringLiteral("Chiudi"));
}

TEST_F(InfoSplashTest, CreditsWindowIsCentredOnTheLauncher) {
    frmAvvio->Show();
    frmAvvio->showNormal();
    frmAvvio->setGeometry(40, 30, 1016, 713);
    QPoint centre;
    modals.Expect<TfrmSplash>([&](TfrmSplash &dlg) {
        centre = dlg.geometry().center();
        Click(dlg.btnChiudi);
    });
    Click(frmAvvio->imgCopyright);
    const QPoint offset = centre - frmAvvio->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 10) << offset.x() << "," << offset.y();
}

// The about box's link hands its mail text to the desktop: the contact
// address with subject and body, blanks and punctuation left as they are.
TEST_F(InfoSplashTest, AboutBoxWritesTheMailText) {
    frmAvvio->Show();
    modals.Expect<TfrmInfo>([](TfrmInfo &dlg) {
        Click(dlg.lnkWeb);
        Click(dlg.imgEmail);
        Click(dlg.btnChiudi);
    });
    Click(frmAvvio->imgInfo);
    const QString mail = QStringLiteral(
        "\"mailto:info@velmora.it?subject=Software Velmora&body=Salve, desidererei avere le seguenti "
        "informazioni sul software in oggetto:\"");
    EXPECT_EQ(shell.opened, QStringList({mail, mail}));
}

TEST_F(InfoSplashTest, CreditsWindowOpensTheProductsSite) {
    frmAvvio->Show();
    modals.Expect<TfrmSplash>([](TfrmSplash &dlg) {
        Click(dlg.lnkWeb);
        Click(dlg.imgWeb);
        Click(dlg.btnChiudi);
    });
    Click(frmAvvio->imgCopyright);
    EXPECT_EQ(shell.opened, QStringList({QStringLiteral("www.velmora.it"), QStringLiteral("www.velmora.it")}));
}

// A value that holds "%", "&" or "#" cannot end its field of a mail text or cut
// the text short: those three are percent-encoded, nothing else is.
TEST(MailtoValue, EncodesOnlyWhatWouldBreakTheText) {
    const struct {
        const char *value, *encoded;
    } cases[] = {
        {"Software Velmora", "Software Velmora"},
        {"Salve, desidererei: grazie!", "Salve, desidererei: grazie!"},
        {"Rossi & Figli", "Rossi %26 Figli"},
        {"sconto 10% #2", "sconto 10%25 %232"},
        {"%26", "%2526"},  // text that looks encoded reads back as typed
        {"pi\u00f9 s\u00ec", "pi\u00f9 s\u00ec"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MailtoValue(QString::fromUtf8(c.value)), QString::fromUtf8(c.encoded)) << c.value;
    // An address encodes a "?" as well, which in a value may stand as it is.
    EXPECT_EQ(MailtoValue(QStringLiteral("a?b")), QStringLiteral("a?b"));
    EXPECT_EQ(MailtoAddress(QStringLiteral("a?cc=x@y.it&b#c%d")), QStringLiteral("a%3Fcc=x@y.it%26b%23c%25d"));
}

// The same link colours in the three windows: orange while a mouse button is
// held down on the link or its icon, dark blue once it is released, whether or
// not the release runs the link.
TEST_F(InfoSplashTest, LinksTurnOrangeWhilePressed) {
    struct Window {
        const char *name;
        std::function<std::unique_ptr<Form>()> make;
        std::function<QWidget *(Form &)> link, icon;
    };
    const Window windows[] = {
        {"guide", [] { return std::make_unique<TfrmGuida>(); },
         [](Form &f) -> QWidget * { return static_cast<TfrmGuida &>(f).lnkWeb; },
         [](Form &f) -> QWidget * { return static_cast<TfrmGuida &>(f).imgPDF; }},
        {"about", [] { return std::make_unique<TfrmInfo>(); },
         [](Form &f) -> QWidget * { return static_cast<TfrmInfo &>(f).lnkWeb; },
         [](Form &f) -> QWidget * { return static_cast<TfrmInfo &>(f).imgEmail; }},
        {"credits", [] { return std::make_unique<TfrmSplash>(); },
         [](Form &f) -> QWidget * { return static_cast<TfrmSplash &>(f).lnkWeb; },
         [](Form &f) -> QWidget * { return static_cast<TfrmSplash &>(f).imgWeb; }},
    };
    for (const Window &w : windows) {
        SCOPED_TRACE(w.name);
        const std::unique_ptr<Form> form = w.make();
        form->Create();
        form->show();
        QWidget *link = w.link(*form);
        for (QWidget *pressed : {link, w.icon(*form)}) {
            SCOPED_TRACE(pressed->objectName().toStdString());
            shell.opened.clear();
            QTest::mousePress(pressed, Qt::LeftButton);
            EXPECT_EQ(LinkColour(link), kOrange);
            QTest::mouseRelease(pressed, Qt::LeftButton);
            EXPECT_EQ(LinkColour(link), kDarkBlue);
            EXPECT_EQ(shell.opened.size(), 1);

            // Released away from it: dark blue again, and nothing is opened.
            QTest::mousePress(pressed, Qt::LeftButton);
            EXPECT_EQ(LinkColour(link), kOrange);
            QTest::mouseRelease(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
            EXPECT_EQ(LinkColour(link), kDarkBlue);
            EXPECT_EQ(shell.opened.size(), 1);
        }
        form->hide();
    }
}

// Links the desktop cannot open: the about box's mail without a mail program,
// the credits' and the launcher's web address without a browser. A warning
// each time, the link dark blue again, the window still open.
TEST_F(InfoSplashTest, LinksTheDesktopCannotOpenAreReported) {
    shell.opens = false;
    const QString noMail = QStringLiteral(
        "Attenzione: impossibile avviare il programma di posta elettronica.\r\n\r\n"
        "Verificare che nel sistema sia installato e configurato un programma di posta elettronica.");
    const QString noBrowser = QStringLiteral(
        "Attenzione: impossibile aprire l'indirizzo www.velmora.it.\r\n\r\n"
        "Verificare che nel sistema sia installato un browser web.");

    TfrmInfo info;
    info.Create();
    info.show();
    messages.Expect(MsgKind::Warning, noMail);
    Click(info.lnkWeb);
    messages.Verify();
    EXPECT_EQ(LinkColour(info.lnkWeb), kDarkBlue);
    EXPECT_TRUE(info.isVisible());

    TfrmSplash splash;
    splash.Create();
    splash.show();
    messages.Expect(MsgKind::Warning, noBrowser);
    Click(splash.lnkWeb);
    messages.Verify();
    EXPECT_EQ(LinkColour(splash.lnkWeb), kDarkBlue);
    EXPECT_TRUE(splash.isVisible());

    frmAvvio->Show();
    messages.Expect(MsgKind::Warning, noBrowser);
    Click(frmAvvio->imgSito);
    messages.Verify();
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_EQ(shell.opened.size(), 3);
}

}  // namespace
}  // namespace vel::test
