#pragma once

#include "model/real.h"

namespace velmora::media {

using model::Real;

// Viscosity of a gas raised from its low-pressure value η0 (10⁻⁶ kg/(m·s)) to the dense state of
// density ρ (kg/m³) at temperature T (K), after Gardner's approach:
//   d = 5.638·10⁻¹²·T^0.75·μ0^(−1.5)·M^(−0.25)   (μ0 in Pa·s, M in g/mol)
//   η = μ0·(1 + 0.175·d·ρ + 0.8651·(d·ρ)²)
// Result in 10⁻⁶ kg/(m·s).
Real gardnerViscosity(Real lowPressureViscosity, Real temperatureK, Real density, Real molarMass);

}  // namespace velmora::media
