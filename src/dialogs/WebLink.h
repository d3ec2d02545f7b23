#pragma once
// The link text of the guide, about and credits windows: underlined, dark blue
// at rest, orange while a mouse button is held down on it or on its icon.
#include <QColor>
#include <QString>
#include <functional>

class QWidget;

namespace vel {

class ImageButton;

inline QColor LinkRestColour() { return QColor(0x00, 0x00, 0x8B); }
inline QColor LinkPressedColour() { return QColor(0xFF, 0xA5, 0x00); }

// Gives a clickable text the look of a link (Tahoma 14, underlined, dark blue)
// and sizes it to its text.
void MakeWebLink(ImageButton *link, const QString &text);
// The same, with the size taken and `place` run (to put the link, and what
// stands by it, where its size says) when the link is first shown: measuring
// the text loads its font, which a window still hidden does not need yet.
void MakeWebLink(ImageButton *link, const QString &text, std::function<void()> place);
void SetLinkColour(QWidget *link, const QColor &colour);
QColor LinkColour(const QWidget *link);

}  // namespace vel
