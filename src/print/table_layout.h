#pragma once

#include <vector>

#include "print/page_texts.h"
#include "print/print_grid.h"
#include "print/print_page.h"
#include "workflow/page_settings.h"

namespace velmora::print {

inline constexpr int smallestFontSize = 2;  // pt, the range of the font-size entry
inline constexpr int largestFontSize = 16;  // pt
inline constexpr int headerFontSize = 10;   // pt
inline constexpr int footerFontSize = 8;    // pt

// A run of grid columns or rows that share a page.
struct Band {
    int first = 0, last = 0;  // inclusive
    friend bool operator==(const Band&, const Band&) = default;
};

// The printed table broken into pages. The caption column is repeated on every page across, and
// row 0 (the column numbers) on every page that continues the table downwards. Pages run down
// first, then across.
struct TableLayout {
    int fontSize = 8;                  // pt
    std::vector<double> columnWidths;  // grid columns 0 … N, device units
    std::vector<double> rowHeights;    // rows 0 … total row, device units
    std::vector<Band> columnBands;     // element columns of each page across
    std::vector<Band> rowBands;        // rows of each page down
    std::vector<PrintPage> pages;

    int pagesAcross() const { return static_cast<int>(columnBands.size()); }
    int pageCount() const { return static_cast<int>(pages.size()); }
};

// Lays the grid out with the settings' font, font size (kept inside 2 … 16), word wrap and margins.
TableLayout layoutTable(const PrintGrid& grid, const PageTexts& texts, const workflow::PageSettings& settings,
                        const PageGeometry& page, const TextMetrics& metrics);

// Fit to pages: from the settings' font size, one point down while the table needs more pages
// across than the settings' pages wide, else one point up while the next size still needs no more
// than that; never outside 2 … 16.
int fitFontSize(const PrintGrid& grid, const PageTexts& texts, const workflow::PageSettings& settings,
                const PageGeometry& page, const TextMetrics& metrics);

// The layout the settings ask for. In fit mode the fitted size is written into `settings.fontSize`
// first, as the dialog shows it in its font-size entry.
TableLayout layoutForPrint(const PrintGrid& grid, const PageTexts& texts, workflow::PageSettings& settings,
                           const PageGeometry& page, const TextMetrics& metrics);

}  // namespace velmora::print
