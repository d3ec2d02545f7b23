#pragma once
// Draws prepared pages with QPainter: for the print dialog, the preview and
// anything else that shows a page.
#include <QPainter>

#include "report/PreparedPage.h"

namespace vel::report {

// Draws the page with the painter's units taken as millimetres of the sheet:
// scale the painter to the device first.
void PaintPage(QPainter &painter, const PreparedPage &page);

}  // namespace vel::report
