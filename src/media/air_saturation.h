#pragma once

#include "model/real.h"

// Phase boundaries of dry air and the liquid densities that start the liquid iteration: the
// ancillary equations published with the air equation of Lemmon et al. (2000).
namespace velmora::media {

using model::Real;

// Bubble-point pressure in bar, for 0 < T ≤ 132.6312 K:
// ln(pb/pj) = (Tj/T)·Σ Ni·θ^(i/2), θ = 1 − T/Tj.
Real bubblePointPressure(Real temperatureK);

// Dew-point pressure in bar, for 0 < T ≤ 132.6312 K.
Real dewPointPressure(Real temperatureK);

// Melting temperature in K at a pressure in bar: the inverse of the melting line
// p = pt·(1 + 35493.5·((T/Tt)^1.78963 − 1)).
Real meltingTemperature(Real pressureBar);

// Saturated liquid density in kg/m³ (bubble-point ancillary), for 0 < T ≤ 132.6312 K.
Real saturatedLiquidAirDensity(Real temperatureK);

// Liquid density in kg/m³ at pressure p (bar) above the bubble pressure pb (bar): the saturated
// density corrected to p after Chang and Zhao, with Tc = 132.5306 K, pc = 37.86 bar, ω = 0.037.
Real compressedLiquidAirDensity(Real bubblePressureBar, Real pressureBar, Real temperatureK);

}  // namespace velmora::media
