#pragma once

#include <QPainter>

#include "print/print_page.h"

namespace velmora::ui {

// Draws one laid-out page with `painter`, whose coordinates are the page's device units (the
// printable area's top left at the origin) for a device of `dpi` dots per inch. Printing, the PDF
// file and the preview (which scales the painter) all draw through here.
void paintPage(QPainter& painter, const print::PrintPage& page, double dpi);

}  // namespace velmora::ui
