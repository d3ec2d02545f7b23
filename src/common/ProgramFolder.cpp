#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace vel {
namespace {
QString &Override() {
    static QString folder;
    return folder;
}
}  // namespace

QString ProgramFolder() {
    QString folder = Override().isEmpty() ? QCoreApplication::applicationDirPath() : Override();
    if (!folder.endsWith(u'/')) folder += u'/';
    return folder;
}

QString ProgramPath(const QString &fileName) { return ProgramFolder() + fileName; }

void SetProgramFolder(const QString &folder) { Override() = QDir::fromNativeSeparators(folder); }

}  // namespace vel
