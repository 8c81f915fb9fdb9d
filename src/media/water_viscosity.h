#pragma once

#include "model/real.h"

// Dynamic viscosity of water and steam after the IAPWS formulation 1985 for the viscosity of
// ordinary water substance (revised release, temperatures on ITS-90), without the critical
// enhancement μ2: μ = μ*·μ0(T)·μ1(T, ρ).
namespace velmora::media {

using model::Real;

// Viscosity in 10⁻⁶ kg/(m·s) at temperature T (K) and density ρ (kg/m³).
Real waterViscosity(Real temperatureK, Real densityKgM3);

}  // namespace velmora::media
