#include "media/water_state.h"

#include <cmath>

#include "media/water_region3.h"
#include "media/water_regions.h"
#include "media/water_saturation.h"
#include "media/water_viscosity.h"

namespace velmora::media {

namespace {

// A value typed in another unit reaches bar or kelvin only within rounding (10⁶ mbar · 0.001 or
// 1073.15 K − 273.15 are not exactly 1000 bar and 800 °C in binary). The fixed limits of the range
// and of the regions allow for that much and no more; the saturation pressure and the 2–3
// boundary are compared exactly.
constexpr Real boundSlack = 1e-9L;

bool atMost(Real value, Real limit) {
    return value <= limit + boundSlack;
}

std::optional<Real> densityIn(WaterRegion region, Real temperatureK, Real pressureBar) {
    switch (region) {
        case WaterRegion::Region1:
            return region1Density(temperatureK, pressureBar);
        case WaterRegion::Region2:
            return region2Density(temperatureK, pressureBar);
        case WaterRegion::Region3:
            return region3Density(temperatureK, pressureBar);
        case WaterRegion::Region5:
            return region5Density(temperatureK, pressureBar);
    }
    return std::nullopt;
}

}  // namespace

bool isWaterStateInRange(Real temperatureK, Real pressureBar) {
    const Real celsius = temperatureK - 273.15L;
    return celsius >= -boundSlack && atMost(celsius, 900) && pressureBar > 0 && atMost(pressureBar, 1000) &&
           (atMost(celsius, 800) || atMost(pressureBar, 100));
}

std::optional<WaterRegion> chooseWaterRegion(Real temperatureK, Real pressureBar) {
    const Real p = pressureBar;
    const Real ps =
        temperatureK <= waterCriticalTemperature ? saturationPressure(temperatureK) : waterCriticalPressure;
    const Real pB23 = boundary23Pressure(temperatureK);
    const Real tm = std::round(temperatureK * 1000) / 1000;  // K, to 0.001 K

    std::optional<WaterRegion> region;
    if (tm >= 273.15L && tm <= 623.15L && ps <= p && atMost(p, 1000)) region = WaterRegion::Region1;
    if (tm >= 273.15L && tm <= 623.15L && 0 < p && p <= ps) region = WaterRegion::Region2;
    if (tm > 623.15L && tm <= 863.15L && 0 < p && p <= pB23) region = WaterRegion::Region2;
    if (tm > 863.15L && tm <= 1073.15L && 0 < p && atMost(p, 1000)) region = WaterRegion::Region2;
    if (tm > 623.15L && pB23 <= p && atMost(p, 1000)) region = WaterRegion::Region3;
    if (tm >= 1073.15L && tm <= 2273.15L && 0 < p && atMost(p, 100)) region = WaterRegion::Region5;
    return region;
}

WaterStateOutcome computeWaterState(Real temperatureK, Real pressureBar) {
    if (!isWaterStateInRange(temperatureK, pressureBar)) return WaterSteamRefusal::StateOutsideRange;
    const std::optional<WaterRegion> region = chooseWaterRegion(temperatureK, pressureBar);
    if (!region) return WaterSteamRefusal::NoRegion;

    const std::optional<Real> density = densityIn(*region, temperatureK, pressureBar);
    if (!density) return WaterSteamRefusal::Region3NotSolved;  // the only region solved by iteration
    const Real viscosity = waterViscosity(temperatureK, *density);
    if (!std::isfinite(*density) || !(*density > 0) || !std::isfinite(viscosity))
        return WaterSteamRefusal::StateOutsideRange;
    return WaterState{*region, *density, 1 / *density, viscosity};
}

}  // namespace velmora::media
