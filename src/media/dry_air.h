#pragma once

#include <optional>

#include "media/air_refusal.h"
#include "media/outcome.h"
#include "model/real.h"

namespace velmora::media {

using model::Real;

enum class AirState { Gaseous, Liquid, Solid };

// Density, specific volume and viscosity of one fluid state.
struct AirFluidProperties {
    Real density = 0;         // kg/m³
    Real specificVolume = 0;  // m³/kg
    Real viscosity = 0;       // 10⁻⁶ kg/(m·s)
};

struct DryAirResult {
    AirState state = AirState::Gaseous;
    std::optional<AirFluidProperties> properties;  // none for solid air
};

// Phase of dry air at temperature (K) and pressure (bar abs.). Below the maxcondentherm 132.6312 K
// the bubble-point pressure separates gas from liquid; the melting line separates liquid (and, at
// the very high pressures where it passes above 132.6312 K, the dense fluid) from solid.
AirState dryAirState(Real temperatureK, Real pressureBar);

// The dry-air computation: range checks (0 < T ≤ 2000 K, 0 < p ≤ 20 000 bar), the state, and for
// a fluid the density from the air equation and the viscosity.
Outcome<DryAirResult, AirRefusal> computeDryAir(Real temperatureK, Real pressureBar);

}  // namespace velmora::media
