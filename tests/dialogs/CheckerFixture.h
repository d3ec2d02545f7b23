#pragma once
// A light fixture for the four checker dialogs: the program's seams (a fresh
// program folder, a fixed clock, scripted message boxes and modal windows)
// without the program's windows, and a plain window standing for the card
// that opens a checker.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <functional>
#include <ostream>

#include "common/TextRules.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "support/ProgramFixture.h"

namespace vel::test {

// One completed check: what the card passes in and the box that answers it.
struct CheckerAnswer {
    const char *name;
    QString cardText;
    MsgKind kind;
    QString message;
};
inline void PrintTo(const CheckerAnswer &c, std::ostream *os) { *os << c.name; }

class CheckerTest : public DesktopTest {
protected:
    // What every opener does: a new dialog owned by the card, the card
    // field's text trimmed into the dialog's edit (no length or character
    // check on the way in), the dialog shown modally and destroyed when it
    // returns. `act` plays the user while the dialog is open.
    template <typename T>
    void Open(Edit *T::*edit, const QString &cardText, std::function<void(T &)> act) {
        auto *dialog = new T(&card);
        dialog->Create();
        (dialog->*edit)->setText(Trim(cardText));
        bool opened = false;
        modals.Expect<T>([&](T &d) {
            opened = true;
            ShowActive(&d);
            act(d);
        });
        dialog->ShowModal();
        EXPECT_TRUE(opened);
        EXPECT_FALSE(dialog->isVisible());
        delete dialog;
        modals.Verify();
        messages.Verify();
    }

    // The window's centre is the centre of the screen's free area.
    static void ExpectCentred(const QWidget &window) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        ASSERT_NE(screen, nullptr);
        const QPoint offset = window.frameGeometry().center() - screen->availableGeometry().center();
        // Whole pixels: odd sizes leave half a pixel either way.
        EXPECT_LE(std::abs(offset.x()), 2) << "window not centred on the screen";
        EXPECT_LE(std::abs(offset.y()), 2) << "window not centred on the screen";
    }

    // The edit's font: "Courier New" 20 bold, mapped to a monospaced font the
    // machine has.
    static void ExpectCheckerFont(const Edit &edit) {
        EXPECT_EQ(edit.font().family(), QStringLiteral("Courier New"));
        EXPECT_EQ(edit.font().pointSize(), 20);
        EXPECT_TRUE(edit.font().bold());
        EXPECT_TRUE(QFontInfo(edit.font()).fixedPitch()) << QFontInfo(edit.font()).family().toStdString();
    }

    // The caption line shows whole on one line.
    static void ExpectLineFits(const QLabel &line) {
        EXPECT_LE(QFontMetrics(line.font()).horizontalAdvance(line.text()), line.width()) << line.text().toStdString();
    }

    // The edit shows `count` characters at once.
    static void ExpectEditShows(const Edit &edit, int count) {
        const int room = edit.width() - 12;  // frame and text margins
        EXPECT_LE(QFontMetrics(edit.font()).horizontalAdvance(QString(count, u'W')), room);
    }

    // A single fixed border with no border icons.
    static void ExpectNoBorderIcons(const QWidget &window) {
        const Qt::WindowFlags flags = window.windowFlags();
        EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
    }

    // What the four checkers share on show: a fixed window centred on the
    // screen without border icons, the banner, the caption line whole on one
    // line, the edit in "Courier New" 20 bold holding the focus, "Controlla"
    // beside it and "Chiudi" below.
    template <typename T>
    static void ExpectCheckerShape(const T &w, const Edit &edit) {
        ExpectNoBorderIcons(w);
        ExpectCentred(w);
        EXPECT_FALSE(w.imgBanner->pixmap().isNull());
        ExpectCheckerFont(edit);
        ExpectLineFits(*w.lblIstruzioni);
        EXPECT_EQ(w.btnControlla->text(), QStringLiteral("Controlla"));
        EXPECT_EQ(w.btnChiudi->text(), QStringLiteral("Chiudi"));
        EXPECT_GT(w.btnControlla->x(), edit.geometry().right());
        EXPECT_GT(w.btnChiudi->y(), edit.geometry().bottom());
        EXPECT_EQ(Focused(), &edit);
    }

    // "Controlla" on the text the card passed in (trimmed, never cut) answers
    // with the case's box and closes the dialog.
    template <typename T>
    void ExpectAnswerAndClose(T &w, const Edit &edit, const CheckerAnswer &c) {
        EXPECT_EQ(edit.text(), Trim(c.cardText)) << "the card's text arrives whole";
        messages.Expect(c.kind, c.message);
        Click(w.btnControlla);
        EXPECT_FALSE(w.isVisible());
    }

    Form card;  // stands for the card file that opens the checker
};

}  // namespace vel::test
