#pragma once

#include "media/air_refusal.h"
#include "media/dry_air.h"
#include "media/outcome.h"
#include "model/real.h"

namespace velmora::media {

using model::Real;

struct SaturatedAirResult {
    Real bubblePressure = 0;  // bar abs., the pressure of the saturated liquid
    Real dewPressure = 0;     // bar abs., the pressure of the saturated vapour
    AirFluidProperties liquid;
    AirFluidProperties vapour;
};

// Saturated liquid and vapour of dry air at 60 … 132 K: the vapour at the dew pressure, the liquid
// at the bubble pressure (air is a mixture, so the two pressures differ).
Outcome<SaturatedAirResult, AirRefusal> computeSaturatedAir(Real temperatureK);

}  // namespace velmora::media
