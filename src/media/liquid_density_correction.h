#pragma once

#include "model/real.h"

namespace velmora::media {

using model::Real;

// Density of a compressed liquid from its saturated density, by the generalised correlation of
// Chang and Zhao (1990) for the volume of compressed liquids:
//   v/vs = (A + K·w)/(A + 2.81·w),  w = (p − ps)/pc,  K = 2.81^((1.1 − Tr)^B),
//   A = 99.42 + 6.502·Tr − 78.68·Tr² − 75.18·Tr³ + 41.49·Tr⁴ + 7.257·Tr⁵,
//   B = 0.38144 − 0.30144·ω − 0.08457·ω².
// The correlation gives the volume ratio, so the density is ρs·(A + 2.81·w)/(A + K·w); since
// K < 2.81 below Tr = 1.1, compression raises the density, as it must.
// Pressures in bar, temperature reduced by the critical temperature, densities in kg/m³.
Real compressedLiquidDensity(Real saturatedDensity, Real pressureBar, Real saturationPressureBar,
                             Real reducedTemperature, Real criticalPressureBar, Real acentricFactor);

}  // namespace velmora::media
