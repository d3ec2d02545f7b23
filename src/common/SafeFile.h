#pragma once
// Whole files the program writes (settings, exports, documents) go to a
// temporary file beside the target and are renamed into place only when every
// byte reached the disk: a failure leaves the old file whole.
//
// Files the program reads from its folder (archives, planner files, settings,
// the password file, the logo) may have been put there by anyone: whatever
// stands at such a name and is not a plain file (a folder, a named pipe, a
// device, a link that leads nowhere) is a file that cannot be read. Opening a
// named pipe would wait for a writer that never comes.
#include <QByteArray>
#include <QString>

namespace vel {

// False when the file could not be written; the old file, if any, is unchanged.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);

enum class FileState {
    Missing,     // nothing at all stands at the name
    Regular,     // a plain file (or a link to one): it may be opened
    Unreadable,  // something else stands there: never opened
};
FileState StateOfFile(const QString &path);

}  // namespace vel
