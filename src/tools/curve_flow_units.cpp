#include "tools/curve_flow_units.h"

#include <array>

namespace velmora::tools {

namespace {

constexpr Real kCubicFoot = 0.3048L * 0.3048L * 0.3048L;  // m³
constexpr Real kBarrel = 0.158987L;                       // m³, US petroleum barrel of 42 US gallons
constexpr Real kGallon = kBarrel / 42;                    // m³, US gallon

constexpr std::array<CurveFlowUnit, 13> units{{
    {"m³/h", 1},
    {"m³/min", 60},
    {"m³/s", 3600},
    {"l/min", 6.0L / 100},
    {"l/s", 36.0L / 10},
    {"cu.ft./hr", kCubicFoot},
    {"cu.ft./min", kCubicFoot * 60},
    {"cu.ft./s", kCubicFoot * 60 * 60},
    {"petr.bl./hr", kBarrel},
    {"petr.bl./day", kBarrel / 24},
    {"gal/hr", kGallon},
    {"gal/min", kGallon * 60},
    {"gal/s", kGallon * 60 * 60},
}};

}  // namespace

std::span<const CurveFlowUnit> curveFlowUnits() {
    return units;
}

const CurveFlowUnit& curveFlowUnit(int index) {
    if (index < 0 || index >= static_cast<int>(units.size())) return units[0];
    return units[static_cast<std::size_t>(index)];
}

}  // namespace velmora::tools
