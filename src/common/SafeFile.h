#pragma once
// Whole files the program writes (settings, exports, documents) go to a
// temporary file beside the target and are renamed into place only when every
// byte reached the disk: a failure leaves the old file whole.
#include <QByteArray>
#include <QString>

namespace vel {

// False when the file could not be written; the old file, if any, is unchanged.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes);

}  // namespace vel
