#include "media/saturated_air.h"

#include <cmath>

#include "media/air_equation.h"
#include "media/air_saturation.h"
#include "media/air_viscosity.h"

namespace velmora::media {

namespace {

constexpr Real lowestTemperature = 60.0L;    // K
constexpr Real highestTemperature = 132.0L;  // K

std::optional<AirFluidProperties> fluidProperties(std::optional<Real> density, Real temperatureK) {
    if (!density) return std::nullopt;
    const Real viscosity = airViscosity(*density, temperatureK);
    if (!std::isfinite(viscosity) || !(viscosity > 0)) return std::nullopt;
    return AirFluidProperties{*density, 1.0L / *density, viscosity};
}

}  // namespace

Outcome<SaturatedAirResult, AirRefusal> computeSaturatedAir(Real temperatureK) {
    if (!(temperatureK >= lowestTemperature && temperatureK <= highestTemperature))
        return AirRefusal::OutsideRangeOfValidity;

    SaturatedAirResult result;
    result.bubblePressure = bubblePointPressure(temperatureK);
    result.dewPressure = dewPointPressure(temperatureK);

    const auto vapour = fluidProperties(airGasDensity(temperatureK, result.dewPressure), temperatureK);
    const auto liquid = fluidProperties(
        airLiquidDensity(saturatedLiquidAirDensity(temperatureK), temperatureK, result.bubblePressure),
        temperatureK);
    // Each iteration must have found its own phase: a vapour no denser than the liquid.
    if (!vapour || !liquid || !(vapour->density < liquid->density)) return AirRefusal::OutsideRangeOfValidity;
    result.vapour = *vapour;
    result.liquid = *liquid;
    return result;
}

}  // namespace velmora::media
