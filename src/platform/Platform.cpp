#include "Platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vel {

void PrepareRendering() { QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL, true); }

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

QFont UiFont(const QString &family, int pointSize, bool bold) {
    QFont font(family, pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace vel
