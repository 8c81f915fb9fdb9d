#pragma once

#include <optional>
#include <string_view>

#include "tools/plot_layout.h"

namespace velmora::tools {

// Reads back a picture that SvgCanvas wrote: its size, background and font family, and every line,
// polyline, frame, disc and text in order, so that another canvas can paint the same layout (the
// command line's PNG and PDF). Elements of other SVG files are skipped; none for a text that is no
// SVG picture of the program (no size).
std::optional<PlotLayout> readPlotSvg(std::string_view svg);

}  // namespace velmora::tools
