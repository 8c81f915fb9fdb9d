#pragma once

#include "model/real.h"

namespace velmora::media {

using model::Real;

// Dynamic viscosity of dry air in 10⁻⁶ kg/(m·s) at density (kg/m³) and temperature (K), after
// Lemmon and Jacobsen, "Viscosity and Thermal Conductivity Equations for Nitrogen, Oxygen, Argon,
// and Air", Int. J. Thermophys. 25 (2004) 21: the dilute-gas part from the Chapman–Enskog
// collision integral (σ = 0.36 nm, ε/k = 103.3 K) plus the five-term residual part.
Real airViscosity(Real density, Real temperatureK);

}  // namespace velmora::media
