#pragma once

#include "media/outcome.h"
#include "media/water_steam_refusal.h"
#include "model/real.h"

// Saturated water and steam for a given temperature or a given pressure: the saturation pressure
// or temperature and, for the saturated liquid and the saturated vapour, density, specific volume
// and viscosity (IAPWS-IF97 and the IAPWS 1985 viscosity).
namespace velmora::media {

using model::Real;

struct SaturatedPhase {
    Real density;         // kg/m³
    Real specificVolume;  // m³/kg
    Real viscosity;       // 10⁻⁶ kg/(m·s), dynamic
};

struct SaturationState {
    Real pressure;     // bar abs.
    Real temperature;  // K
    SaturatedPhase liquid;
    SaturatedPhase vapour;
};

using SaturationOutcome = Outcome<SaturationState, WaterSteamRefusal>;

// Given temperature T (K), accepted from 273.15 K to 646.15 K (0 … 373 °C).
SaturationOutcome computeSaturationAtTemperature(Real temperatureK);

// Given pressure p (bar abs.), accepted from 0.007 bar to 220 bar.
SaturationOutcome computeSaturationAtPressure(Real pressureBar);

}  // namespace velmora::media
