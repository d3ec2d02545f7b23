// Pictures that act as buttons, and the mouse-move handler the windows use to
// light up what lies under the pointer.
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "QtPrint.h"
#include "platform/Controls.h"
#include "support/Gui.h"

namespace vel {
namespace {

using test::ShowActive;

struct ClickCase {
    const char *name;
    Qt::MouseButton button;
    bool releaseOutside;  // the pointer left the picture before the release
    QStringList expected;
};
void PrintTo(const ClickCase &c, std::ostream *os) { *os << c.name; }

class ImageButtonClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ImageButtonClick, RunsHandlersInOrder) {
    const ClickCase &c = GetParam();
    QStringList log;
    ImageButton button;
    button.resize(80, 40);
    button.onMouseDown = [&] { log << "down"; };
    button.onMouseUp = [&] { log << "up"; };
    button.onClick = [&] { log << "click"; };
    ShowActive(&button);

    QTest::mousePress(&button, c.button);
    const QPoint release = c.releaseOutside ? QPoint(button.width() + 20, button.height() + 20)
                                            : button.rect().center();
    QTest::mouseRelease(&button, c.button, Qt::NoModifier, release);
    EXPECT_EQ(log, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageButtonClick,
    ::testing::Values(ClickCase{"LeftClick", Qt::LeftButton, false, {"down", "up", "click"}},
                      ClickCase{"ReleasedOutside", Qt::LeftButton, true, {"down", "up"}},
                      ClickCase{"RightButton", Qt::RightButton, false, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ImageButtonLook, ShowsTheHandCursor) {
    ImageButton button;
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
}

TEST(OnMouseMove, RunsOnlyForTheWatchedWidget) {
    QWidget window;
    auto *watched = new QLabel(QStringLiteral("Flotta"), &window);
    auto *other = new QLabel(QStringLiteral("Clienti"), &window);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(watched);
    layout->addWidget(other);
    int moves = 0;
    OnMouseMove(watched, [&] { ++moves; });
    ShowActive(&window);

    // The pointer moves as the window system reports it, so Qt picks the
    // widget under it; with no button held only mouse-tracking widgets get it.
    const auto moveOver = [](QWidget *w, QPoint offset = {}) {
        QTest::mouseMove(w, w->rect().center() + offset);
    };
    moveOver(other);
    EXPECT_EQ(moves, 0);
    moveOver(watched);
    EXPECT_GE(moves, 1);
    const int afterFirst = moves;
    moveOver(watched, QPoint(3, 1));
    EXPECT_EQ(moves, afterFirst + 1) << "every move runs the handler";
}

}  // namespace
}  // namespace vel
