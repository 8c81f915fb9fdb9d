#pragma once

#include <string>
#include <vector>

#include "print/print_font.h"

// What a printed page holds once laid out: texts in boxes and straight lines, all in the device
// units of the printable area (origin at its top left). One painter draws it on any device.
namespace velmora::print {

enum class TextAlign { Left, Centre };

struct PlacedText {
    double x = 0, y = 0;  // top left of the first line
    double width = 0;     // room for each line; wider lines are cut by the painter
    double lineHeight = 0;
    std::vector<std::string> lines;
    PrintFont font;
    TextAlign align = TextAlign::Left;
};

struct PlacedLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double thickness = 0;
};

struct PrintPage {
    std::vector<PlacedText> texts;
    std::vector<PlacedLine> lines;
};

// The printable area of the paper: its size in device units and in millimetres.
struct PageGeometry {
    double width = 0, height = 0;      // device units
    double widthMm = 0, heightMm = 0;  // mm
};

}  // namespace velmora::print
