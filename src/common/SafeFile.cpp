#include "SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace vel {

bool WriteFileAtomically(const QString &path, const QByteArray &bytes) {
    QSaveFile out(path);
    // Unbuffered, so that a failing write is seen here: a buffered write that
    // fails only when flushed by commit() would still be renamed into place.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (out.write(bytes) != bytes.size() || out.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

FileState StateOfFile(const QString &path) {
    const QFileInfo info(path);
    // isFile() follows links: a link to a plain file is one.
    if (info.isFile()) return FileState::Regular;
    if (!info.exists() && !info.isSymLink()) return FileState::Missing;
    return FileState::Unreadable;
}

}  // namespace vel
