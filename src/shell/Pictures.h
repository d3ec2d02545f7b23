#pragma once
// Pictures drawn by the program itself for the login windows.
#include <QPixmap>
#include <QString>

namespace vel {

// A white card with a padlock on the left, a heading and a few lines of text.
QPixmap PadlockPicture(const QSize &size, const QString &heading, const QString &text);

}  // namespace vel
