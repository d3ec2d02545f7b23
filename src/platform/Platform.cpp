#include "Platform.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vel {

void PrepareRendering() { QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL, true); }

namespace {

// A group box or a combo box measures its text in a new font at once, which
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
        if (!watched->isWidgetType() || !Watched(watched)) return false;
        auto *widget = static_cast<QWidget *>(watched);
        const bool held = widget->property(kHeld).isValid();
        if (type == QEvent::FontChange) {
            if (widget->testAttribute(Qt::WA_WState_Polished)) return false;
            if (!held) widget->setProperty(kHeld, true);
            return true;
        }
        if (!held) return false;
        // The polish, then the font change held back until it.
        widget->setProperty(kHeld, QVariant());
        QCoreApplication::sendEvent(widget, event);
        QEvent change(QEvent::FontChange);
        QCoreApplication::sendEvent(widget, &change);
        return true;
    }

private:
    static constexpr const char *kHeld = "_velFontHeld";
    static bool Watched(QObject *object) {
        if (qobject_cast<QGroupBox *>(object)) return true;
        return qobject_cast<QComboBox *>(object) && !object->inherits("vel::ComboEdit");
    }
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
    QCoreApplication::instance()->installEventFilter(new FontsAtPolish(QCoreApplication::instance()));
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

QFont UiFont(const QString &family, int pointSize, bool bold) {
    QFont font(family, pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace vel
