#pragma once
// The grounds the program's own drawn pictures start from.
#include <QPixmap>
#include <QRectF>
#include <QSize>

namespace vel {

// A transparent picture of the given size, to draw on.
QPixmap TransparentPicture(const QSize &size);

// The ground of the drawn banners: a transparent picture holding a white
// panel with rounded corners and a thin blue-grey border, at PanelRect(size).
QPixmap PanelPicture(const QSize &size);

// Where the panel of a PanelPicture of that size lies: one pixel in from
// every edge.
QRectF PanelRect(const QSize &size);

}  // namespace vel
