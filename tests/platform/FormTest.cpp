// The window life cycle: creation handler once, show handler at each show,
// close handler deciding whether the window hides (whoever asks for the
// close), modal shows that return the result, and the main window whose
// closing ends the program.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <optional>

#include "QtPrint.h"
#include "platform/Form.h"
#include "support/Fakes.h"
#include "support/Gui.h"

namespace vel {
namespace {

class ProbeForm : public Form {
public:
    int created = 0, shown = 0, closed = 0;
    std::optional<CloseAction> closeAction;  // unset: the handler leaves the default

protected:
    void FormCreate() override { ++created; }
    void FormShow() override { ++shown; }
    void FormClose(CloseAction &action) override {
        ++closed;
        if (closeAction) action = *closeAction;
    }
};

// Closing the main window asks Qt to quit. With no loop running the request
// stays pending and would end every later modal loop of this test program at
// once; an application loop clears it when it starts, so run one briefly.
void DropPendingQuit() {
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST(FormLifeCycle, CreateRunsOnceShowAtEachShow) {
    ProbeForm form;
    form.Create();
    form.Create();
    EXPECT_EQ(form.created, 1);
    EXPECT_EQ(form.shown, 0) << "creating does not show";

    form.Show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.shown, 1);
    form.Hide();
    EXPECT_FALSE(form.isVisible());
    form.Show();
    EXPECT_EQ(form.shown, 2);
    EXPECT_EQ(form.closed, 0) << "hiding is no closing";
}

enum class CloseWay { Program, Widget, WindowSystem };

struct CloseCase {
    const char *name;
    CloseWay way;
    std::optional<CloseAction> action;
    bool staysVisible;
};
void PrintTo(const CloseCase &c, std::ostream *os) { *os << c.name; }

class FormClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(FormClosing, CloseHandlerDecidesWhoeverAsks) {
    const CloseCase &c = GetParam();
    ProbeForm form;
    form.closeAction = c.action;
    test::ShowActive(&form);
    switch (c.way) {
    case CloseWay::Program: form.Close(); break;
    case CloseWay::Widget: form.close(); break;
    // The close box: the window system asks the window to close.
    case CloseWay::WindowSystem: ASSERT_NE(form.windowHandle(), nullptr); form.windowHandle()->close(); break;
    }
    EXPECT_EQ(form.closed, 1);
    EXPECT_EQ(form.isVisible(), c.staysVisible);
    EXPECT_FALSE(TerminateRequested()) << "only the main window ends the program";

    if (c.staysVisible) {  // a refused close can be asked again
        form.closeAction = CloseAction::Hide;
        form.Close();
        EXPECT_EQ(form.closed, 2);
        EXPECT_FALSE(form.isVisible());
    }
    form.Show();
    EXPECT_TRUE(form.isVisible()) << "a closed window can be shown again";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormClosing,
    ::testing::Values(CloseCase{"ProgramDefault", CloseWay::Program, std::nullopt, false},
                      CloseCase{"ProgramKeepOpen", CloseWay::Program, CloseAction::None, true},
                      CloseCase{"WidgetDefault", CloseWay::Widget, std::nullopt, false},
                      CloseCase{"WidgetKeepOpen", CloseWay::Widget, CloseAction::None, true},
                      CloseCase{"WindowSystemDefault", CloseWay::WindowSystem, std::nullopt, false},
                      CloseCase{"WindowSystemKeepOpen", CloseWay::WindowSystem, CloseAction::None, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FormCloseEvent, RunsTheHandlerAndCarriesItsAnswer) {
    ProbeForm form;
    form.Show();
    for (const bool keep : {true, false}) {
        form.closeAction = keep ? CloseAction::None : CloseAction::Hide;
        QCloseEvent event;
        QCoreApplication::sendEvent(&form, &event);
        EXPECT_EQ(event.isAccepted(), !keep);
    }
    EXPECT_EQ(form.closed, 2);
}

struct MainCase {
    const char *name;
    bool isMain;
    CloseAction action;
    bool terminates;
};
void PrintTo(const MainCase &c, std::ostream *os) { *os << c.name; }

class FormMain : public ::testing::TestWithParam<MainCase> {};

TEST_P(FormMain, ClosingTheMainWindowEndsTheProgram) {
    const MainCase &c = GetParam();
    ProbeForm main, other;
    Form::SetMainForm(&main);
    ProbeForm &closing = c.isMain ? main : other;
    closing.closeAction = c.action;
    closing.Show();
    closing.Close();
    const bool terminated = TerminateRequested();
    ResetTerminateRequest();
    Form::SetMainForm(nullptr);
    if (terminated) DropPendingQuit();

    EXPECT_EQ(closing.closed, 1);
    EXPECT_EQ(terminated, c.terminates);
    EXPECT_FALSE(TerminateRequested());
}

INSTANTIATE_TEST_SUITE_P(Cases, FormMain,
                         ::testing::Values(MainCase{"MainClosed", true, CloseAction::Hide, true},
                                           MainCase{"MainKeptOpen", true, CloseAction::None, false},
                                           MainCase{"OtherClosed", false, CloseAction::Hide, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FormMainWindow, DestroyedMainWindowIsForgotten) {
    auto *main = new ProbeForm;
    Form::SetMainForm(main);
    delete main;
    EXPECT_EQ(Form::MainForm(), nullptr);
}

// --- Modal shows ------------------------------------------------------------

struct ModalCase {
    const char *name;
    std::function<void(Form &)> act;
    int expected;
};
void PrintTo(const ModalCase &c, std::ostream *os) { *os << c.name; }

class FormModal : public ::testing::TestWithParam<ModalCase> {};

TEST_P(FormModal, ReturnsTheResultOnceTheWindowCloses) {
    const ModalCase &c = GetParam();
    ProbeForm form;
    form.Create();
    test::ModalScript script;
    bool wasOpen = false, wasModal = false;
    script.Expect<ProbeForm>([&](ProbeForm &f) {
        wasOpen = f.isVisible();
        wasModal = f.IsModal();
        c.act(f);
    });

    EXPECT_EQ(form.ShowModal(), c.expected);
    EXPECT_TRUE(wasOpen);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.IsModal());
    EXPECT_EQ(form.shown, 1);
    EXPECT_EQ(form.closed, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormModal,
    ::testing::Values(ModalCase{"Ok", [](Form &f) { f.SetModalResult(mrOk); }, mrOk},
                      ModalCase{"Yes", [](Form &f) { f.SetModalResult(mrYes); }, mrYes},
                      ModalCase{"No", [](Form &f) { f.SetModalResult(mrNo); }, mrNo},
                      ModalCase{"ExplicitCancel", [](Form &f) { f.SetModalResult(mrCancel); }, mrCancel},
                      ModalCase{"ClosedWithoutResult", [](Form &f) { f.Close(); }, mrCancel},
                      ModalCase{"CloseBox", [](Form &f) { f.windowHandle()->close(); }, mrCancel}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FormModalAgain, EachShowStartsWithoutResult) {
    ProbeForm form;
    test::ModalScript script;
    script.Expect<ProbeForm>([](ProbeForm &f) { f.SetModalResult(mrOk); });
    script.Expect<ProbeForm>([](ProbeForm &f) { f.Close(); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.shown, 2);
}

TEST(FormModalAgain, ResultOutsideAModalShowDoesNotClose) {
    ProbeForm form;
    form.Show();
    form.SetModalResult(mrOk);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.closed, 0);
}

// --- Fixed size -------------------------------------------------------------

class FormFixedSize : public ::testing::TestWithParam<bool> {};

TEST_P(FormFixedSize, SizeCannotChange) {
    const bool titleButtons = GetParam();
    ProbeForm form;
    form.SetFixedClientSize(420, 260, titleButtons);
    form.Show();
    EXPECT_EQ(form.size(), QSize(420, 260));
    form.resize(800, 600);
    EXPECT_EQ(form.size(), QSize(420, 260));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(bool(flags & Qt::WindowCloseButtonHint), titleButtons);
    // Some window managers give a plain top-level window minimise and
    // maximise despite its hints; to them it is a dialog of fixed size, which
    // gets neither.
    EXPECT_EQ(form.windowType(), Qt::Dialog);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
}

// Mended: whatever buttons a window manager gives it anyway, a dialog
// minimised or maximised comes back at once at its size; a main window is
// left as the window manager put it.
TEST_P(FormFixedSize, NeverStaysMinimisedOrMaximised) {
    ProbeForm dialog;
    dialog.SetFixedClientSize(420, 260, GetParam());
    dialog.Show();
    ProbeForm main;
    main.Show();
    for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowMaximized, Qt::WindowFullScreen}) {
        SCOPED_TRACE(int(state));
        dialog.setWindowState(state);
        main.setWindowState(state);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.windowState(), Qt::WindowNoState);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.size(), QSize(420, 260));
        EXPECT_EQ(main.windowState(), state);
        main.setWindowState(Qt::WindowNoState);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FormFixedSize, ::testing::Values(false, true),
                         [](const auto &info) { return info.param ? "WithCloseBox" : "NoTitleButtons"; });

// Mended: a window shown modally is never left minimised, whatever its size
// (a minimised modal window leaves its opener on screen taking no key or
// click, or takes it away with it). One shown maximised (the price list) goes
// back maximised, also when the window system reports the minimise on top of
// the maximised state, and is left free to be restored; any other is put back
// to its normal state from maximised or full screen too. Once the modal show
// is over the window is left as the window manager puts it.
struct ModalStateCase {
    const char *name;
    Form::Placement placement;
    Qt::WindowStates given, back;
};
void PrintTo(const ModalStateCase &c, std::ostream *os) { *os << c.name; }

class FormModalOnScreen : public ::testing::TestWithParam<ModalStateCase> {};

TEST_P(FormModalOnScreen, ComesBackToTheStateItWasShownIn) {
    const ModalStateCase &c = GetParam();
    ProbeForm opener;
    opener.Show();
    ProbeForm window;
    window.setParent(&opener, Qt::Window);
    window.resize(500, 300);
    window.SetPlacement(c.placement);
    std::optional<Qt::WindowStates> seen;
    test::ModalScript script;
    script.Expect<ProbeForm>([&](ProbeForm &f) {
        f.setWindowState(c.given);
        QCoreApplication::processEvents();
        seen = f.windowState();
        EXPECT_TRUE(f.isVisible());
        f.SetModalResult(mrOk);
    });
    EXPECT_EQ(window.ShowModal(), mrOk);
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(int(*seen), int(c.back));

    window.SetPlacement(Form::Placement::Screen);
    window.Show();
    window.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.windowState() & Qt::WindowMinimized) << "no longer modal";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormModalOnScreen,
    ::testing::Values(
        ModalStateCase{"MaximisedMinimised", Form::Placement::Maximized, Qt::WindowMinimized, Qt::WindowMaximized},
        ModalStateCase{"MaximisedMinimisedAsX11SaysIt", Form::Placement::Maximized,
                       Qt::WindowMinimized | Qt::WindowMaximized, Qt::WindowMaximized},
        ModalStateCase{"MaximisedRestored", Form::Placement::Maximized, Qt::WindowNoState, Qt::WindowNoState},
        ModalStateCase{"NormalMinimised", Form::Placement::Screen, Qt::WindowMinimized, Qt::WindowNoState},
        // Maximised or full screen by the user: the user's choice, kept.
        ModalStateCase{"NormalMaximised", Form::Placement::Screen, Qt::WindowMaximized, Qt::WindowMaximized},
        ModalStateCase{"NormalFullScreen", Form::Placement::Owner, Qt::WindowFullScreen, Qt::WindowFullScreen}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vel

namespace vel {
namespace {

TEST(FormCentredPanel, StaysCentredAndNeverLeavesTheWindow) {
    Form form;
    auto *panel = new QWidget(&form);
    panel->resize(995, 692);
    form.SetCentredPanel(panel);
    const struct {
        QSize window;
        QPoint at;
    } cases[] = {{{1995, 1092}, {500, 200}}, {{995, 692}, {0, 0}}, {{800, 600}, {0, 0}}, {{1000, 700}, {2, 4}}};
    for (const auto &c : cases) {
        form.resize(c.window);
        form.show();
        QApplication::processEvents();
        EXPECT_EQ(panel->pos(), c.at) << c.window.width() << "x" << c.window.height();
    }
}

}  // namespace
}  // namespace vel
