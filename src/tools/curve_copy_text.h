#pragma once

#include <string>

#include "tools/curve_plot.h"

namespace velmora::tools {

// "Werte kopieren": a header line (flow word " " in-word " " flow unit, a tab, pressure-loss word
// " " in-word " " axis unit), then one line per point, flow TAB pressure loss in the axis unit,
// every line ending CR LF. With a pump a third column holds the pump's pressure difference where
// the pump curve reaches (empty elsewhere), and after a blank line follows the operating point,
// or the statement that the curves do not cross.
std::string curveCopyText(const CurvePlot& plot, const SystemCurveData& data, const PumpOverlay& pump,
                          const CurvePlotWords& words, const std::string& pumpColumnWord);

}  // namespace velmora::tools
