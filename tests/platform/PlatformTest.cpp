// What the platform sets up for the whole process once the application object
// exists (the test programs start as the program does).
#include <QCoreApplication>
#include <QGroupBox>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/Controls.h"
#include "platform/Platform.h"

namespace vel {
namespace {

// Qt's print, preview and file dialogs take their texts from Qt's own
// catalogue: they must come out in Italian.
TEST(PlatformLanguage, QtsOwnDialogsSpeakItalian) {
    const struct {
        const char *context;
        const char *source;
        const char *italian;
    } cases[] = {
        {"QPrintDialog", "Print", "Stampa"},
        {"QPrintPreviewDialog", "Print Preview", "Anteprima di stampa"},
        {"QFileDialog", "Look in:", "Cerca in:"},
        {"QPlatformTheme", "Cancel", "Annulla"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source).toStdString(), std::string(c.italian));
    }
}

// A group box or a list combo of a hidden window takes the font it was given
// when its window first shows: held back, never lost; a font given once the
// window has shown applies at once.
TEST(PlatformFonts, AFontHeldUntilTheWindowShowsReachesTheControl) {
    QWidget window;
    window.resize(300, 200);
    auto *box = new QGroupBox(QStringLiteral("Data"), &window);
    HoldFontUntilPolish(box);
    auto *combo = new ListCombo(&window);
    combo->move(0, 100);
    const QFont given = UiFont(QStringLiteral("Verdana"), 13, true);
    for (QWidget *control : std::initializer_list<QWidget *>{box, combo}) control->setFont(given);
    // The same controls given the font at once measure as the held ones.
    QWidget shown;
    auto *plainBox = new QGroupBox(QStringLiteral("Data"), &shown);
    auto *plainCombo = new ListCombo(&shown);
    shown.show();
    plainBox->setFont(given);
    plainCombo->setFont(given);
    window.show();
    EXPECT_EQ(box->sizeHint(), plainBox->sizeHint());
    EXPECT_EQ(box->contentsMargins(), plainBox->contentsMargins());  // room for the title in its font
    EXPECT_EQ(combo->sizeHint(), plainCombo->sizeHint());
    for (QWidget *control : std::initializer_list<QWidget *>{box, combo}) {
        EXPECT_EQ(control->font().pointSize(), 13);
        EXPECT_TRUE(control->font().bold());
        EXPECT_EQ(control->fontInfo().pointSize(), 13);
    }
    const QFont later = UiFont(QStringLiteral("Verdana"), 8);
    box->setFont(later);
    EXPECT_EQ(box->fontInfo().pointSize(), 8);
    EXPECT_FALSE(box->fontInfo().bold());
}

}  // namespace
}  // namespace vel
