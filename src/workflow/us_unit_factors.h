#pragma once

#include "model/real.h"

// The factors between the metric and the US units of the results table: metric value per US unit.
namespace velmora::workflow::us {

using model::Real;

inline constexpr Real cubicMetresPerHourPerGpm = 0.158987L / 42 * 60;  // m³/h in one US gal/min
inline constexpr Real kgM3PerLbCuFt = 16.0184655L;                     // kg/m³ in one lb./cu.ft.
inline constexpr Real microPaSPerCentipoise = 1000;                    // 10⁻⁶ kg/(m·s) in one cP
inline constexpr Real mmPerInch = 25.4L;
inline constexpr Real mPerFoot = 0.3048L;
inline constexpr Real squareMetresPerSquareYard = 0.8361274L;
inline constexpr Real mbarPerLbwSqFt = 0.478802653L;
inline constexpr Real barPerLbwSqFt = 0.000478802653L;
inline constexpr Real barPerPsi = 0.068947581976L;
inline constexpr Real lbwSqFtPerPsi = 144;  // square inches in a square foot

}  // namespace velmora::workflow::us
