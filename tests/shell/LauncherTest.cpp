#include <QPointer>

#include "ShellFixture.h"
#include "bookings/Prenotazioni.h"
#include "contracts/ContrattiNSC.h"
#include "customers/Clienti.h"
#include "dialogs/Guida.h"
#include "fleet/Flotta.h"
#include "fleet/Tariffario.h"
#include "planner/MenuCamere.h"
#include "planner/Planning.h"
#include "shell/Avvio.h"
#include "shell/Info.h"
#include "shell/Splash.h"

namespace vel::test {
namespace {

class LauncherTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        frmAvvio->Show();
    }
    FakeShell shell;
};

struct TileCase {
    const char *name;
    ImageButton *TfrmAvvio::*picture;
    ImageButton *TfrmAvvio::*label;
    Form *(*window)();
};

const TileCase kTiles[] = {
    {"ANAGRAFICA CLIENTI", &TfrmAvvio::imgApp04, &TfrmAvvio::btnApp04, []() -> Form * { return frmClienti; }},
    {"PARCO AUTOMEZZI", &TfrmAvvio::imgApp02, &TfrmAvvio::btnApp02, []() -> Form * { return frmFlotta; }},
    {"LISTINO TARIFFE", &TfrmAvvio::imgApp03, &TfrmAvvio::btnApp03, []() -> Form * { return frmTariffario; }},
    {"PLANNER NOLEGGI", &TfrmAvvio::imgApp07, &TfrmAvvio::btnApp07, []() -> Form * { return frmMenuCamere; }},
    {"PRENOTAZIONE VEICOLI", &TfrmAvvio::imgApp06, &TfrmAvvio::btnApp06, []() -> Form * { return frmPrenotazioni; }},
    {"CONTRATTI N.S.C.", &TfrmAvvio::imgApp08, &TfrmAvvio::btnApp08, []() -> Form * { return frmContrattiNSC; }},
};

TEST_F(LauncherTest, LooksAsDesigned) {
    EXPECT_EQ(frmAvvio->Caption(), QStringLiteral(" Velmora"));
    EXPECT_TRUE(frmAvvio->windowState() & Qt::WindowMaximized);

    // Whatever the window's size, one container of 995 x 692 stays centred in it.
    QWidget *container = frmAvvio->findChild<QWidget *>(QStringLiteral("panContenitore"));
    ASSERT_NE(container, nullptr);
    frmAvvio->showNormal();
    frmAvvio->resize(1215, 812);
    EXPECT_EQ(container->geometry(), QRect(110, 60, 995, 692));

    // Two rows of three tiles, in the order of the table; every tile has its
    // picture over its label picture.
    for (size_t i = 0; i < std::size(kTiles); ++i) {
        SCOPED_TRACE(kTiles[i].name);
        const ImageButton *picture = frmAvvio->*kTiles[i].picture;
        const ImageButton *label = frmAvvio->*kTiles[i].label;
        EXPECT_EQ(picture->size(), QSize(258, 164));
        EXPECT_EQ(label->size(), QSize(258, 45));
        EXPECT_EQ(label->x(), picture->x());
        EXPECT_GT(label->y(), picture->geometry().bottom());
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_FALSE(label->pixmap().isNull());
        if (i % 3 != 0) {
            const ImageButton *before = frmAvvio->*kTiles[i - 1].picture;
            EXPECT_EQ(picture->y(), before->y());
            EXPECT_GT(picture->x(), before->x());
        }
        if (i >= 3) {
            EXPECT_GT(picture->y(), (frmAvvio->*kTiles[i - 3].label)->geometry().bottom());
        }
    }

    // The title band holds the about icon at its left and the guide icon at its
    // right, the product name and the subtitle between them; the footer the
    // credits icon, the web strip and the exit icon.
    EXPECT_LT(frmAvvio->imgInfo->x(), frmAvvio->icoTitoloApp->x());
    EXPECT_GT(frmAvvio->imgGuida->x(), frmAvvio->icoTitoloApp->geometry().right());
    EXPECT_GT(frmAvvio->imgSottotitolo->y(), frmAvvio->icoTitoloApp->y());
    EXPECT_LT(frmAvvio->imgCopyright->x(), frmAvvio->imgSito->x());
    EXPECT_GT(frmAvvio->imgEsci->x(), frmAvvio->imgSito->geometry().right());
    for (const QWidget *footer : {frmAvvio->imgCopyright, frmAvvio->imgSito, frmAvvio->imgEsci})
        EXPECT_GT(footer->y(), frmAvvio->btnApp08->geometry().bottom());
    for (const QLabel *picture : {static_cast<QLabel *>(frmAvvio->imgInfo), static_cast<QLabel *>(frmAvvio->imgGuida),
                                  frmAvvio->icoTitoloApp, frmAvvio->imgSottotitolo,
                                  static_cast<QLabel *>(frmAvvio->imgCopyright),
                                  static_cast<QLabel *>(frmAvvio->imgSito), static_cast<QLabel *>(frmAvvio->imgEsci)})
        EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();

    // Every clickable picture shows the hand pointer: the twelve of the tiles
    // and the five icons.
    const auto clickable = frmAvvio->findChildren<ImageButton *>();
    EXPECT_EQ(clickable.size(), 17);
    for (const ImageButton *picture : clickable)
        EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor) << picture->objectName().toStdString();
}

TEST_F(LauncherTest, EachTileShowsItsWindowAndHidesTheLauncher) {
    for (const TileCase &tile : kTiles) {
        for (ImageButton *TfrmAvvio::*part : {tile.picture, tile.label}) {
            SCOPED_TRACE(QStringLiteral("%1, %2").arg(QLatin1String(tile.name), (frmAvvio->*part)->objectName()).toStdString());
            frmAvvio->Show();
            Click(frmAvvio->*part);
            EXPECT_TRUE(tile.window()->isVisible());
            EXPECT_FALSE(frmAvvio->isVisible());
            EXPECT_FALSE(TerminateRequested());
            tile.window()->Hide();
        }
    }
}

// Closing a main window shows the launcher again and hides the window; like
// every window but the launcher and the login, it does not end the program.
TEST_F(LauncherTest, ClosingAMainWindowBringsTheLauncherBack) {
    for (const TileCase &tile : kTiles) {
        SCOPED_TRACE(tile.name);
        frmAvvio->Show();
        Click(frmAvvio->*tile.picture);
        ASSERT_TRUE(tile.window()->isVisible());
        tile.window()->Close();
        EXPECT_FALSE(tile.window()->isVisible());
        EXPECT_TRUE(frmAvvio->isVisible());
        EXPECT_FALSE(TerminateRequested());
    }
}

TEST_F(LauncherTest, ThePlannerOpenedFromItsChooserClosesBackToTheLauncher) {
    Click(frmAvvio->imgApp07);
    frmMenuCamere->lblMemory->setText(QStringLiteral("planning"));  // what "Apri" leaves there
    frmMenuCamere->Close();
    ASSERT_TRUE(frmPlanning->isVisible());
    EXPECT_FALSE(frmAvvio->isVisible());

    frmPlanning->Close();
    EXPECT_FALSE(frmPlanning->isVisible());
    EXPECT_TRUE(frmAvvio->isVisible());
    EXPECT_FALSE(TerminateRequested());
}

TEST_F(LauncherTest, TheChooserClosesToTheWindowItsMemoryNames) {
    const struct {
        const char *memory;
        bool launcher, planner;
    } cases[] = {
        {"avvio", true, false},
        {"planning", false, true},
        {" planning\t", false, true},  // trimmed
        {"Planning", false, false},    // compared exactly: nothing more is shown
        {"", false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.memory);
        frmAvvio->Show();
        Click(frmAvvio->imgApp07);
        // Every show of the chooser starts out bound for the launcher.
        EXPECT_EQ(frmMenuCamere->lblMemory->text(), QStringLiteral("avvio"));
        EXPECT_FALSE(frmMenuCamere->lblMemory->isVisible());
        frmMenuCamere->lblMemory->setText(QString::fromLatin1(c.memory));
        frmMenuCamere->Close();
        EXPECT_FALSE(frmMenuCamere->isVisible());
        EXPECT_EQ(frmAvvio->isVisible(), c.launcher);
        EXPECT_EQ(frmPlanning->isVisible(), c.planner);
        EXPECT_FALSE(TerminateRequested());
        frmPlanning->Hide();
    }
}

TEST_F(LauncherTest, TheSmallWindowsAreNewInstancesOwnedByTheLauncher) {
    QPointer<Form> opened[3];
    modals.Expect<TfrmInfo>([&](TfrmInfo &dlg) {
        opened[0] = &dlg;
        EXPECT_NE(&dlg, frmInfo);
        EXPECT_EQ(dlg.parentWidget(), frmAvvio);
        EXPECT_TRUE(dlg.IsModal());
        Click(dlg.btnChiudi);
    });
    modals.Expect<TfrmSplash>([&](TfrmSplash &dlg) {
        opened[1] = &dlg;
        EXPECT_NE(&dlg, frmSplash);
        EXPECT_EQ(dlg.parentWidget(), frmAvvio);
        EXPECT_TRUE(dlg.IsModal());
        Click(dlg.btnChiudi);
    });
    modals.Expect<TfrmGuida>([&](TfrmGuida &dlg) {
        opened[2] = &dlg;
        EXPECT_NE(&dlg, frmGuida);
        EXPECT_EQ(dlg.parentWidget(), frmAvvio);
        EXPECT_TRUE(dlg.IsModal());
        Click(dlg.btnChiudi);
    });
    Click(frmAvvio->imgInfo);
    Click(frmAvvio->imgCopyright);
    Click(frmAvvio->imgGuida);
    modals.Verify();

    // Each is destroyed when its modal show returns; the launcher stays, and
    // the program-wide instances are never shown.
    for (const QPointer<Form> &window : opened) EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(frmAvvio->isVisible());
    for (const Form *unused : std::initializer_list<const Form *>{frmInfo, frmSplash, frmGuida})
        EXPECT_FALSE(unused->isVisible());
    EXPECT_FALSE(TerminateRequested());
}

TEST_F(LauncherTest, TheWebStripOpensTheProductsSite) {
    Click(frmAvvio->imgSito);
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("www.velmora.it")});
    EXPECT_TRUE(frmAvvio->isVisible());
}

}  // namespace
}  // namespace vel::test
