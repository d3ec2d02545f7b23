// What the platform sets up for the whole process once the application object
// exists (the test programs start as the program does).
#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/Controls.h"
#include "platform/Platform.h"

namespace vel {
namespace {

// Qt's print, preview and file dialogs take their texts from Qt's own
// catalogue: they must come out in Italian.
// Mended: the texts Qt's Italian catalogue lacks (the print dialog's double
// sided printing and page list, its properties' "Advanced" tab and messages,
// the file dialog's folder type) come out in Italian too.
TEST(PlatformLanguage, QtsOwnDialogsSpeakItalian) {
    const struct {
        const char *context;
        const char *source;
        const char *disambiguation;
        const char *italian;
    } cases[] = {
        {"QPrintDialog", "Print", nullptr, "Stampa"},
        {"QPrintPreviewDialog", "Print Preview", nullptr, "Anteprima di stampa"},
        {"QFileDialog", "Look in:", nullptr, "Cerca in:"},
        {"QPlatformTheme", "Cancel", nullptr, "Annulla"},
        {"QPrintSettingsOutput", "Double Sided Printing", nullptr, "Stampa fronte retro"},
        {"QPrintSettingsOutput", "Pages", nullptr, "Pagine"},
        {"QPrintSettingsOutput", "Long side binding", nullptr, "Rilegatura sul lato lungo"},
        {"QPrintPropertiesWidget", "Advanced", nullptr, "Avanzate"},
        {"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?", nullptr,
         "%1 esiste gi\u00e0.\nSovrascriverlo?"},
        {"QAbstractFileIconProvider", "Folder", "All other platforms", "Cartella"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(QCoreApplication::translate(c.context, c.source, c.disambiguation).toStdString(),
                  std::string(c.italian));
    }
}

// The print dialog as the user meets it: no English left among its texts.
TEST(PlatformLanguage, ThePrintDialogShowsNoEnglish) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer);
    dialog.show();
    QStringList texts;
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        if (auto *button = qobject_cast<QAbstractButton *>(w)) texts << button->text();
        if (auto *box = qobject_cast<QGroupBox *>(w)) texts << box->title();
        if (auto *label = qobject_cast<QLabel *>(w)) texts << label->text();
        texts << w->toolTip();
    }
    dialog.hide();
    for (const char *english : {"Double Sided Printing", "Off", "Long side binding", "Short side binding", "Pages"})
        EXPECT_FALSE(texts.contains(QString::fromLatin1(english))) << english;
    for (const char *italian : {"Stampa fronte retro", "Disattivata", "Rilegatura sul lato lungo", "Pagine"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(italian))) << italian;
    EXPECT_FALSE(texts.filter(QStringLiteral("separated by commas")).size());
}

// Mended: Qt's locale is Italian whatever the system's (LANG=C included):
// month and day names and the file dialog's types of documents.
TEST(PlatformLanguage, QtsLocaleIsItalian) {
    EXPECT_EQ(QLocale().name(), QStringLiteral("it_IT"));
    EXPECT_EQ(QLocale().monthName(12), QStringLiteral("dicembre"));
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
