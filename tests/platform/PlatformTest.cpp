// What the platform sets up for the whole process once the application object
// exists (the test programs start as the program does).
#include <QCoreApplication>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vel
