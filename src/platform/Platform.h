#pragma once
// Process-wide settings every window relies on.
#include <QFont>
#include <QString>

namespace vel {

// Maps the fonts the windows name (Verdana, Tahoma, Arial, Courier New) to
// fonts this machine has, and switches Qt to its software renderer. Call once,
// before the application object exists (the renderer switch must come first).
void PrepareRendering();
// Call once the application object exists. It also installs Qt's Italian
// translation for Qt's own dialogs.
void InitPlatform();

// A font by the name the window layout gives, in points.
QFont UiFont(const QString &family, int pointSize, bool bold = false);

}  // namespace vel
