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
    // windows do, whatever the desktop's language. Without the translation
    // installed they stay in English.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
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
