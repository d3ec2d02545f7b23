// The yellow frame around the edit with the focus: only the control that
// has the focus is ever framed, whatever closed, hid or covered its window,
// and the edit's own enter and leave handlers follow the focus inside the
// window.
#include <QImage>
#include <cstdlib>
#include <QStringList>
#include <gtest/gtest.h>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::Click;
using test::Focused;
using test::Press;
using test::ShowActive;

// A window of three framed controls: two edits and a combo edit.
struct FramedWindow {
    Form window;
    Edit *first = new Edit(&window);
    Edit *second = new Edit(&window);
    ComboEdit *combo = new ComboEdit(&window);
    FocusFrame *firstFrame = new FocusFrame(&window);
    FocusFrame *secondFrame = new FocusFrame(&window);
    FocusFrame *comboFrame = new FocusFrame(&window);
    QStringList log;

    FramedWindow() {
        first->setGeometry(20, 20, 160, 28);
        second->setGeometry(20, 70, 160, 28);
        combo->setGeometry(20, 120, 160, 28);
        window.resize(220, 170);
        firstFrame->Surround(first);
        secondFrame->Surround(second);
        comboFrame->Surround(combo);
        for (auto [edit, name] : {std::pair{first, "first"}, {second, "second"}, {combo->Editor(), "combo"}}) {
            const QString n = QString::fromLatin1(name);
            edit->onEnter = [this, n] { log << QStringLiteral("enter ") + n; };
            edit->onExit = [this, n] { log << QStringLiteral("exit ") + n; };
        }
        ShowActive(&window);
    }
    // The frames on screen, by the name of their control.
    QStringList Lit() const {
        QStringList lit;
        if (firstFrame->isVisible()) lit << QStringLiteral("first");
        if (secondFrame->isVisible()) lit << QStringLiteral("second");
        if (comboFrame->isVisible()) lit << QStringLiteral("combo");
        return lit;
    }
};

TEST(FocusFrame, SurroundsItsControlUnderneathAndStartsHidden) {
    FocusFrame alone;
    EXPECT_TRUE(alone.isHidden());
    FramedWindow w;
    EXPECT_EQ(w.firstFrame->geometry(), w.first->geometry().adjusted(-4, -4, 4, 4));
    // The window's activation gave its first control the focus.
    ASSERT_EQ(Focused(), w.first);
    EXPECT_EQ(w.Lit(), QStringList{"first"});
    Press(w.first, Qt::Key_Tab);
    EXPECT_EQ(w.Lit(), QStringList{"second"});
    Press(w.second, Qt::Key_Tab);
    EXPECT_EQ(w.Lit(), QStringList{"combo"});
    Click(w.first);
    EXPECT_EQ(w.Lit(), QStringList{"first"});
}

// The painted boxes: the focus frame's yellow with its darker rim and round
// corners, a box without a border, and the status line's slate blue with its
// white text set in from the left.
TEST(FocusFrame, PaintsItsRoundedYellowBox) {
    struct Case {
        const char *name;
        BoxFrame *box;
        QColor fill, border;  // an invalid border: none
        bool rounded;
    };
    FocusFrame focus;
    BoxFrame plain(nullptr, QColor(0x42, 0x7A, 0xA8), QColor(), 0);
    BoxFrame section(nullptr, QColor(0xF0, 0xEF, 0xEE), QColor(0xC9, 0xC6, 0xC2), 6);
    const Case cases[] = {
        {"focus frame", &focus, QColor(0xFF, 0xE3, 0x4D), QColor(0xE0, 0xB8, 0x00), true},
        {"plain box", &plain, QColor(0x42, 0x7A, 0xA8), QColor(), false},
        {"section", &section, QColor(0xF0, 0xEF, 0xEE), QColor(0xC9, 0xC6, 0xC2), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.box->resize(60, 30);
        const QImage look = c.box->grab().toImage();
        EXPECT_EQ(look.pixelColor(30, 15), c.fill);
        if (c.border.isValid()) {
            EXPECT_EQ(look.pixelColor(30, 0), c.border);
            EXPECT_EQ(look.pixelColor(0, 15), c.border);
            EXPECT_EQ(look.pixelColor(59, 15), c.border);
            EXPECT_EQ(look.pixelColor(30, 29), c.border);
        } else {
            EXPECT_EQ(look.pixelColor(30, 0), c.fill);
        }
        if (c.rounded) {
            EXPECT_NE(look.pixelColor(0, 0), c.fill);
            EXPECT_NE(look.pixelColor(0, 0), c.border);
        } else {
            EXPECT_EQ(look.pixelColor(0, 0), c.fill);
        }
    }

    // A vertical gradient inside a two-pixel white border.
    BoxFrame band(nullptr, BoxLook{QColor(0x46, 0x82, 0xB4), Qt::white, 4, QColor(0xDE, 0xEA, 0xF3), 2});
    band.resize(60, 42);
    const QImage ground = band.grab().toImage();
    for (int y : {0, 1, 40, 41}) EXPECT_EQ(ground.pixelColor(30, y), QColor(Qt::white)) << y;
    const QColor top = ground.pixelColor(30, 2), bottom = ground.pixelColor(30, 39);
    EXPECT_LE(std::abs(top.blue() - 0xB4), 3);
    EXPECT_LE(std::abs(bottom.blue() - 0xF3), 3);
    EXPECT_LT(top.red(), ground.pixelColor(30, 20).red());
    EXPECT_LT(ground.pixelColor(30, 20).red(), bottom.red());

    StatusLine status;
    status.resize(300, 24);
    status.setText(QStringLiteral("Pronto"));
    const QImage line = status.grab().toImage();
    const QColor slate(0x4A, 0x5A, 0x8C);
    EXPECT_EQ(line.pixelColor(3, 3), slate);
    EXPECT_EQ(status.palette().color(QPalette::WindowText), QColor(Qt::white));
    // The text begins a little way in from the left edge.
    int firstLight = -1;
    for (int x = 0; x < line.width() && firstLight < 0; ++x)
        for (int y = 0; y < line.height(); ++y)
            if (qGray(line.pixel(x, y)) > 200) {
                firstLight = x;
                break;
            }
    EXPECT_GE(firstLight, 10);
    EXPECT_LE(firstLight, 16);
}

// Closed with the focus inside, shown again and the focus put elsewhere by
// code (as a card's show does): one frame, and the edit left behind has been
// left.
TEST(FocusFrame, AWindowClosedWithTheFocusInsideShowsOneFrameWhenBack) {
    FramedWindow w;
    w.second->setFocus();
    ASSERT_EQ(w.Lit(), QStringList{"second"});
    w.window.Close();
    EXPECT_TRUE(w.Lit().isEmpty());

    w.log.clear();
    w.first->setFocus();  // while the window is hidden
    ShowActive(&w.window);
    EXPECT_EQ(Focused(), w.first);
    EXPECT_EQ(w.Lit(), QStringList{"first"});
    EXPECT_EQ(w.log, (QStringList{"exit second", "enter first"}));

    // The edit left behind enters again like any other.
    w.log.clear();
    Click(w.second);
    EXPECT_EQ(w.Lit(), QStringList{"second"});
    EXPECT_EQ(w.log, (QStringList{"exit first", "enter second"}));
}

// Another window over this one (a checker dialog): while it is active no
// frame of this window is lit; back here, the control with the focus is
// framed again and nothing was left or entered on the way.
TEST(FocusFrame, AnotherActiveWindowTakesTheFrameAway) {
    FramedWindow w;
    w.combo->setFocus();
    ASSERT_EQ(w.Lit(), QStringList{"combo"});
    w.log.clear();
    {
        Form other;
        auto *edit = new Edit(&other);
        edit->setGeometry(10, 10, 100, 28);
        ShowActive(&other);
        edit->setFocus();
        EXPECT_TRUE(w.Lit().isEmpty());
        other.Close();
    }
    ShowActive(&w.window);
    EXPECT_EQ(Focused(), w.combo);
    EXPECT_EQ(w.Lit(), QStringList{"combo"});
    EXPECT_TRUE(w.log.isEmpty()) << w.log.join(u',').toStdString();

    // A click into this window while it is not active: the frame goes with
    // the click, not left on the edit that had the focus before.
    {
        Form other;
        ShowActive(&other);
        w.second->setFocus();  // what a click does before the window is activated
        other.Close();
    }
    ShowActive(&w.window);
    EXPECT_EQ(w.Lit(), QStringList{"second"});
    EXPECT_EQ(w.log, (QStringList{"exit combo", "enter second"}));
}

}  // namespace
}  // namespace vel
