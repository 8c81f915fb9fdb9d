#include "media/dry_air.h"

#include <cmath>

#include "media/air_equation.h"
#include "media/air_saturation.h"
#include "media/air_viscosity.h"

namespace velmora::media {

namespace {

constexpr Real maxTemperature = 2000.0L;  // K
constexpr Real maxPressure = 20000.0L;    // bar

}  // namespace

AirState dryAirState(Real temperatureK, Real pressureBar) {
    // Solid wherever the melting temperature at this pressure lies above T. Above 132.6312 K this
    // happens only beyond about 5900 bar, where the fluid equation would otherwise be extrapolated
    // into the solid.
    const bool belowMeltingLine = meltingTemperature(pressureBar) > temperatureK;
    if (temperatureK < airMaxcondenthermTemperature) {
        if (bubblePointPressure(temperatureK) < pressureBar)
            return belowMeltingLine ? AirState::Solid : AirState::Liquid;
        return AirState::Gaseous;
    }
    return belowMeltingLine ? AirState::Solid : AirState::Gaseous;
}

Outcome<DryAirResult, AirRefusal> computeDryAir(Real temperatureK, Real pressureBar) {
    if (!(temperatureK > 0 && temperatureK <= maxTemperature)) return AirRefusal::TemperatureOutOfRange;
    if (!(pressureBar > 0 && pressureBar <= maxPressure)) return AirRefusal::PressureOutOfRange;

    DryAirResult result;
    result.state = dryAirState(temperatureK, pressureBar);
    if (result.state == AirState::Solid) return result;

    std::optional<Real> density;
    if (result.state == AirState::Liquid) {
        const Real start =
            compressedLiquidAirDensity(bubblePointPressure(temperatureK), pressureBar, temperatureK);
        density = airLiquidDensity(start, temperatureK, pressureBar);
    } else {
        density = airGasDensity(temperatureK, pressureBar);
    }
    if (!density) return AirRefusal::OutsideRangeOfValidity;

    const Real viscosity = airViscosity(*density, temperatureK);
    if (!std::isfinite(viscosity) || !(viscosity > 0)) return AirRefusal::OutsideRangeOfValidity;
    result.properties = AirFluidProperties{*density, 1.0L / *density, viscosity};
    return result;
}

}  // namespace velmora::media
