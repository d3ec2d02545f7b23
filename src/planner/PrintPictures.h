#pragma once
// The pictures of the planner's print and preview windows, drawn by the
// program: a person holding an open document, a printer, and a printer under
// a magnifying glass.
#include <QPixmap>
#include <QSize>

namespace vel {

QPixmap PersonWithDocument(const QSize &size);
QPixmap PrinterPicture(const QSize &size);
QPixmap PrinterUnderMagnifier(const QSize &size);

}  // namespace vel
