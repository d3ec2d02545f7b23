#pragma once
// Process-wide settings every window relies on.
#include <QFont>
#include <QString>

class QWidget;

namespace vel {

// Maps the fonts the windows name (Verdana, Tahoma, Arial, Courier New) to
// fonts this machine has, and switches Qt to its software renderer. Call once,
// before the application object exists (the renderer switch must come first).
void PrepareRendering();
// Call once the application object exists. It also installs Qt's Italian
// translation for Qt's own dialogs.
void InitPlatform();

// A group box or a list combo built while its window is hidden takes a font
// given to it when its window is first shown, not at once: measuring its text
// would load the font at start.
void HoldFontUntilPolish(QWidget *control);

// A font by the name the window layout gives, in points.
QFont UiFont(const QString &family, int pointSize, bool bold = false);

}  // namespace vel
