#pragma once

#include "model/real.h"

// The saturation line of water and the boundary between regions 2 and 3 after the IAPWS Industrial
// Formulation 1997 (IAPWS-IF97), region 4 and the B23 equation. Pressures in bar at the interface;
// the formulation itself works in MPa.
namespace velmora::media {

using model::Real;

inline constexpr Real waterCriticalTemperature = 647.096L;  // K
inline constexpr Real waterCriticalPressure = 220.64L;      // bar abs.
inline constexpr Real waterCriticalDensity = 322.0L;        // kg/m³
inline constexpr Real waterGasConstant = 0.461526L;         // kJ/(kg·K), specific

// Saturation pressure (bar abs.) at temperature T (K), the explicit region 4 equation.
// Defined for 273.15 K ≤ T ≤ 647.096 K.
Real saturationPressure(Real temperatureK);

// Saturation temperature (K) at pressure p (bar abs.), the backward region 4 equation with
// β = (p/10)^0.25. Defined for 0.00611213 bar ≤ p ≤ 220.64 bar.
Real saturationTemperature(Real pressureBar);

// Pressure (bar abs.) on the boundary between regions 2 and 3 at temperature T (K), B23 equation:
// 10·(n1 + n2·T + n3·T²). 165.29 bar at 623.15 K, 1000 bar at 863.15 K.
Real boundary23Pressure(Real temperatureK);

}  // namespace velmora::media
