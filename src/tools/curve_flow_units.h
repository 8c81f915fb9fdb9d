#pragma once

#include <span>
#include <string_view>

#include "model/real.h"

namespace velmora::tools {

using model::Real;

// A flow unit of the system characteristic curve's range and its factor to m³/h.
struct CurveFlowUnit {
    std::string_view label;
    Real cubicMetresPerHour;  // m³/h in one unit
};

// The 13 units of the range dialog in the order of its unit box, "m³/h" first.
std::span<const CurveFlowUnit> curveFlowUnits();

// The unit at a position of the box; the first unit for a position outside.
const CurveFlowUnit& curveFlowUnit(int index);

}  // namespace velmora::tools
