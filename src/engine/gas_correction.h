#pragma once

#include "model/real.h"

namespace velmora::engine {

using model::Real;

struct GasCorrection {
    Real pressureLoss = 0;       // bar, of one element
    bool limitExceeded = false;  // the incompressible loss was above half the inlet pressure
};

// Turns the incompressible loss Δp₀ (bar) of one element into the loss of a gas flowing from the
// inlet pressure p₁ (bar abs.) with a mean temperature Tm = (T₁ + T₂) / 2 (K):
//   p₂² = p₁² − 2 p₁ Δp₀ Tm / T₁,  loss = p₁ − p₂.
// A loss Δp₀ above p₁ / 2 is beyond the approximation: it is refused and Δp₀ returned unchanged.
GasCorrection gasCorrectedLoss(Real incompressibleLoss, Real inletPressure, Real inletTemperature,
                               Real outletTemperature);

}  // namespace velmora::engine
