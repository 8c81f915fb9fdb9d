#pragma once

#include <optional>

#include "media/outcome.h"
#include "media/water_steam_refusal.h"
#include "model/real.h"

// Water and steam at any state: density, specific volume and viscosity for a pressure and a
// temperature after IAPWS-IF97 (regions 1, 2, 3 and 5) and the IAPWS 1985 viscosity.
namespace velmora::media {

using model::Real;

enum class WaterRegion { Region1 = 1, Region2 = 2, Region3 = 3, Region5 = 5 };

// Regions 1 and 3 go into the main form as a liquid, regions 2 and 5 as a gas.
constexpr bool isLiquidRegion(WaterRegion region) {
    return region == WaterRegion::Region1 || region == WaterRegion::Region3;
}

struct WaterState {
    WaterRegion region;
    Real density;         // kg/m³
    Real specificVolume;  // m³/kg
    Real viscosity;       // 10⁻⁶ kg/(m·s), dynamic
};

using WaterStateOutcome = Outcome<WaterState, WaterSteamRefusal>;

// The range the general computation accepts: 0 ≤ t ≤ 900 °C and 0 < p ≤ 1000 bar, with p ≤ 100 bar
// above 800 °C. Temperature in K, pressure in bar abs.
bool isWaterStateInRange(Real temperatureK, Real pressureBar);

// The IF97 region of a state inside the range, decided on the temperature rounded to 0.001 K by
// these tests in order, a later match replacing an earlier one (ps the saturation pressure, or
// 220.64 bar above 647.096 K; pB23 the 2–3 boundary):
//   273.15 ≤ T ≤ 623.15 K and ps ≤ p ≤ 1000 bar: 1;  273.15 ≤ T ≤ 623.15 K and p ≤ ps: 2 (so the
//   saturation pressure itself gives steam);  623.15 < T ≤ 863.15 K and p ≤ pB23: 2;
//   863.15 < T ≤ 1073.15 K: 2;  T > 623.15 K and pB23 ≤ p ≤ 1000 bar: 3 (pB23 itself gives 3);
//   1073.15 ≤ T ≤ 2273.15 K and p ≤ 100 bar: 5 (so 800 °C itself gives 5).
std::optional<WaterRegion> chooseWaterRegion(Real temperatureK, Real pressureBar);

// Density, specific volume and viscosity at temperature T (K) and pressure p (bar abs.).
WaterStateOutcome computeWaterState(Real temperatureK, Real pressureBar);

}  // namespace velmora::media
