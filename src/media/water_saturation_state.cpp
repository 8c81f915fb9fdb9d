#include "media/water_saturation_state.h"

#include <cmath>
#include <optional>

#include "media/water_region3.h"
#include "media/water_regions.h"
#include "media/water_saturation.h"
#include "media/water_viscosity.h"

namespace velmora::media {

namespace {

// Entries converted from other units meet the limits only within rounding; this much is allowed.
constexpr Real boundSlack = 1e-9L;

// Up to 623.15 K the saturated phases are the edges of regions 1 and 2. Above, both lie in region 3,
// whose equation is solved just above (liquid) and just below (vapour) the saturation pressure so
// that the iteration starts on the right side of the line.
constexpr Real region3Limit = 623.15L;      // K
constexpr Real sidePressureShift = 1e-10L;  // bar

std::optional<SaturatedPhase> phaseOf(Real temperatureK, std::optional<Real> density) {
    if (!density || !std::isfinite(*density) || !(*density > 0)) return std::nullopt;
    const Real viscosity = waterViscosity(temperatureK, *density);
    if (!std::isfinite(viscosity)) return std::nullopt;
    return SaturatedPhase{*density, 1 / *density, viscosity};
}

SaturationOutcome saturatedPhases(Real temperatureK, Real pressureBar) {
    std::optional<SaturatedPhase> liquid;
    std::optional<SaturatedPhase> vapour;
    if (temperatureK <= region3Limit) {
        liquid = phaseOf(temperatureK, region1Density(temperatureK, pressureBar));
        vapour = phaseOf(temperatureK, region2Density(temperatureK, pressureBar));
    } else {
        liquid = phaseOf(temperatureK, region3Density(temperatureK, pressureBar + sidePressureShift));
        vapour = phaseOf(temperatureK, region3Density(temperatureK, pressureBar - sidePressureShift));
    }
    if (!liquid || !vapour) return WaterSteamRefusal::Region3NotSolved;
    return SaturationState{pressureBar, temperatureK, *liquid, *vapour};
}

}  // namespace

SaturationOutcome computeSaturationAtTemperature(Real temperatureK) {
    if (!(temperatureK >= 273.15L - boundSlack && temperatureK <= 646.15L + boundSlack))
        return WaterSteamRefusal::SaturationTemperatureOutsideRange;
    return saturatedPhases(temperatureK, saturationPressure(temperatureK));
}

SaturationOutcome computeSaturationAtPressure(Real pressureBar) {
    if (!(pressureBar >= 0.007L - boundSlack && pressureBar <= 220 + boundSlack))
        return WaterSteamRefusal::SaturationPressureOutsideRange;
    return saturatedPhases(saturationTemperature(pressureBar), pressureBar);
}

}  // namespace velmora::media
