#pragma once

#include <string>

#include "print/print_page.h"
#include "workflow/page_settings.h"

namespace velmora::print {

struct PageMargins {
    double top = 0, bottom = 0, left = 0, right = 0;  // device units
};

// A margin entry read as a number in its unit; an entry that is not a number counts as 0.01, and an
// empty entry reads as 0 like every number entry.
double marginEntryValue(const std::string& text);

// The four margins on the printable area: each entry in its unit as a fraction of the printable
// width (left, right) or height (top, bottom) in that unit. Negative entries count as 0, and
// margins that would leave less than a fifth of the area are shrunk in proportion, so the table
// always keeps room on the paper.
PageMargins marginsOnPage(const workflow::PageSettings& settings, const PageGeometry& page);

}  // namespace velmora::print
