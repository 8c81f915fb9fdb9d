#pragma once

#include <string>
#include <vector>

// How the results grid is drawn: column widths, row height and font. The project file carries it
// so that a project opens looking as it was saved.
namespace velmora::workflow {

struct TableAppearance {
    // Widths of grid columns 0 … N in pixels; a column without an entry keeps the grid's width.
    std::vector<int> columnWidths;
    int defaultRowHeight = 24;  // pixels
    std::string fontName = "Arial";
    int fontColour = 0;  // the toolkit's integer colour value (0x00BBGGRR), black by default
    int fontSize = 8;    // pt
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const TableAppearance&, const TableAppearance&) = default;
};

}  // namespace velmora::workflow
