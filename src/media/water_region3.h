#pragma once

#include <optional>

#include "model/real.h"

// Region 3 of IAPWS-IF97 (the near-critical and supercritical dense fluid between 623.15 K and the
// B23 boundary). Its equation is explicit in density: the Helmholtz free energy
// φ = n1·ln δ + Σ n·δ^I·τ^J with δ = ρ/322 kg/m³, τ = 647.096 K/T. A density at a given pressure and
// temperature therefore needs an iteration. Temperatures in K, pressures in bar abs.
namespace velmora::media {

using model::Real;

// Pressure (bar abs.) of the region 3 equation at density ρ (kg/m³) and temperature T (K):
// p = ρ·R·T·δ·φδ.
Real region3Pressure(Real densityKgM3, Real temperatureK);

// Starting density (kg/m³) for the region 3 iteration at pressure p (bar abs.): 77 below 170 bar,
// otherwise piecewise linear through points near the low-density edge of region 3 at each pressure,
// the last segment (900–1000 bar) carried on above.
Real region3StartDensity(Real pressureBar);

// Density (kg/m³) of region 3 at temperature T (K) and pressure p (bar abs.).
// Starts from region3StartDensity(p) when T ≥ 648 K or p ≥ 221 bar; below that, from the region 1
// density at 623 K when the state is on the liquid side of the saturation line, else again from
// region3StartDensity(p). Then iterates ρ ← ρ − f·h/(f(ρ + h) − f(ρ)) on f(ρ) = δ·φδ − p/(ρ·R·T),
// h = 1e-8, until a step changes ρ by less than 1e-8 kg/m³ (at most 100 steps).
// Returns nothing when the iteration breaks down, does not settle, or ends at a density that is
// not positive.
std::optional<Real> region3Density(Real temperatureK, Real pressureBar);

}  // namespace velmora::media
