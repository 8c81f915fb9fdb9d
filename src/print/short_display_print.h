#pragma once

#include <array>
#include <string>
#include <vector>

#include "print/print_page.h"
#include "workflow/results_table.h"

namespace velmora::print {

inline constexpr int shortDisplayFontSize = 10;  // pt

// What the print of the short display shows: one line per element column of the results table.
struct ShortDisplayContent {
    std::string title;    // program title + " - " + results window caption
    std::string caption;  // the short display's window caption
    std::array<std::string, 4> header;
    std::vector<std::array<std::string, 4>> lines;  // number, element/count, designation, loss in bar or psi
    std::string total;                              // first status text + " " + the total
};

ShortDisplayContent shortDisplayContent(const workflow::ResultsTable& table,
                                        const std::string& resultsCaption,
                                        const std::string& shortDisplayCaption);

// The pages of the short display print, portrait. Positions are set in tenths of a millimetre on
// the printable area of width W: columns at 0, round(0.15 W), round(x1 + 0.35 W), round(x2 + 0.35 W);
// title at 0, window caption at 50, headers at 150, then 50 per line; a line that ends below the
// printable height minus 50 starts a new page that begins with the headers at 0. The total follows
// 100 below the last line, on a new page (with headers) when it would not fit. The result is in
// the device units of `page`.
std::vector<PrintPage> layoutShortDisplay(const ShortDisplayContent& content, const PageGeometry& page,
                                          const std::string& fontName, const TextMetrics& metrics);

}  // namespace velmora::print
