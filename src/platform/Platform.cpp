#include "Platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

namespace vel {

void PrepareRendering() { QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL, true); }

namespace {

// A group box or a list combo measures its text in a new font at once, which
// loads the font; the program builds every window at start and most stay
// hidden. A font given to one of them before it is polished (its window first
// shown, or a size asked of it) reaches it at the polish instead. The
// program's own combo edits hold their fonts back themselves.
class FontsAtPolish final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::FontChange && type != QEvent::Polish) return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (type == QEvent::FontChange) {
            if (widget->testAttribute(Qt::WA_WState_Polished)) return false;
            held_ = true;
            return true;
        }
        if (!held_) return false;
        // The polish, then the font change held back until it.
        held_ = false;
        QCoreApplication::sendEvent(widget, event);
        QEvent change(QEvent::FontChange);
        QCoreApplication::sendEvent(widget, &change);
        return true;
    }

private:
    bool held_ = false;
};

// The texts of Qt's print dialog that Qt's Italian catalogue lacks, by the
// context and source text Qt asks for. The file dialog's types of folder and
// drive are asked for in a context the catalogue lacks too; the catalogue
// has the same words for the file dialog, which are taken from there.
class MissingQtTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *, int) const override {
        if (qstrcmp(context, "QAbstractFileIconProvider") == 0)
            return QCoreApplication::translate("QFileDialog", sourceText);
        for (const Text &text : kTexts)
            if (qstrcmp(context, text.context) == 0 && qstrcmp(sourceText, text.source) == 0)
                return QString::fromUtf8(text.italian);
        return QString();
    }
    bool isEmpty() const override { return false; }

private:
    struct Text {
        const char *context;
        const char *source;
        const char *italian;
    };
    static constexpr Text kTexts[] = {
        {"QPrintSettingsOutput", "Pages", "Pagine"},
        {"QPrintSettingsOutput", "Double Sided Printing", "Stampa fronte retro"},
        {"QPrintSettingsOutput", "Off", "Disattivata"},
        {"QPrintSettingsOutput", "Long side binding", "Rilegatura sul lato lungo"},
        {"QPrintSettingsOutput", "Short side binding", "Rilegatura sul lato corto"},
        {"QPrintSettingsOutput",
         "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
         "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
         "Indicare pagine o intervalli separati da virgole. Un intervallo \u00e8 dato da due numeri separati da "
         "un trattino. Ad esempio 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9."},
        {"QPrintPropertiesWidget", "Advanced", "Avanzate"},
        {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
         "Alcune opzioni sono in conflitto: correggerle."},
        {"QPrintPropertiesDialog", "Page Setup Conflicts", "Conflitti nell'impostazione della pagina"},
        {"QPrintPropertiesDialog", "There are conflicts in page setup options. Do you want to fix them?",
         "Alcune opzioni dell'impostazione della pagina sono in conflitto. Correggerle?"},
        {"QPrintPropertiesDialog", "Advanced Option Conflicts", "Conflitti nelle opzioni avanzate"},
        {"QPrintPropertiesDialog", "There are conflicts in some advanced options. Do you want to fix them?",
         "Alcune opzioni avanzate sono in conflitto. Correggerle?"},
        {"QPrintDialog", "Invalid Pages Definition", "Pagine non valide"},
        {"QPrintDialog",
         "%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define "
         "ranges and make sure ranges do not intersect with each other.",
         "%1 non \u00e8 scritto correttamente. Separare pagine e intervalli con ',', indicare gli intervalli con "
         "'-' e fare in modo che gli intervalli non si sovrappongano."},
        {"QPrintDialog", "Duplex Settings Conflicts", "Conflitti nella stampa fronte retro"},
        {"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
         "Le impostazioni della stampa fronte retro sono in conflitto. Correggerle?"},
        {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
         "%1 \u00e8 una cartella.\nScegliere un altro nome di file."},
        {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
         "Impossibile scrivere il file %1.\nScegliere un altro nome di file."},
        {"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?",
         "%1 esiste gi\u00e0.\nSovrascriverlo?"},
        {"QPrintDialog",
         "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those options "
         "off.",
         "Le opzioni 'Pagine per foglio' e 'Insieme di pagine' non possono essere usate insieme.\nDisattivarne "
         "una."},
    };
};

}  // namespace

void InitPlatform() {
    const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    for (const char *family : {"Verdana", "Tahoma", "Arial", "Segoe UI"})
        QFont::insertSubstitutions(QString::fromLatin1(family), sans);
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    // Windows are hidden and shown by the program itself; hiding the last one
    // visible never ends it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs (print, preview, file) speak Italian as the program's
    // windows do, whatever the desktop's language: Qt's locale (names of
    // months and days, the types of documents in the file dialog) and Qt's
    // Italian catalogue, with the texts it lacks added. Without the catalogue
    // installed they stay in English. The program's own dates ("dd/mm/yyyy")
    // and amounts (decimal comma) never come from a locale.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    QCoreApplication::installTranslator(new MissingQtTexts(QCoreApplication::instance()));
}

// One filter for each such control, on the control alone: a filter on the
// whole application would see every event of every control, at start and at
// exit.
void HoldFontUntilPolish(QWidget *control) { control->installEventFilter(new FontsAtPolish(control)); }

QFont UiFont(const QString &family, int pointSize, bool bold) {
    QFont font(family, pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace vel
