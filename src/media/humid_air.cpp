#include "media/humid_air.h"

#include <algorithm>
#include <cmath>

#include "media/air_equation.h"
#include "media/air_viscosity.h"
#include "media/gardner_correction.h"
#include "media/newton_iteration.h"
#include "media/water_regions.h"
#include "media/water_viscosity.h"

namespace velmora::media {

namespace {

constexpr Real lowestCelsius = 0.0L;      // °C
constexpr Real highestCelsius = 200.0L;   // °C
constexpr Real highestPressure = 100.0L;  // bar
constexpr Real molarMassRatio = 0.6222L;  // M_water/M_air, as used for the moisture content
constexpr Real lowPressureLimit = 1.013L;  // bar; the viscosities below are low-pressure values up to here
constexpr Real boilingTemperature = 373.15L;  // K

// CIPM-81/91 constants
constexpr Real cipmAirMolarMass = 0.0289635L;                // kg/mol, with 400 µmol/mol CO₂
constexpr Real cipmGasConstant = 8.31451L;                   // J/(mol·K)
constexpr Real cipmVapourMassDefect = 0.37801025428556634L;  // 1 − Mv/Ma

}  // namespace

Real waterVapourPressure(Real temperatureK) {
    const Real t = temperatureK;
    return std::exp(1.2378847e-5L * t * t - 1.9121316e-2L * t + 33.93711047L - 6343.1645L / t) / 1.0e5L;
}

Real moistAirDensity(Real relativeHumidity, Real temperatureK, Real pressureBar) {
    const Real p = pressureBar * 1.0e5L;         // Pa
    const Real t = temperatureK - 273.15L;       // °C
    const Real ps = waterVapourPressure(temperatureK) * 1.0e5L;  // Pa
    const Real enhancement = 1.00062L + 3.14e-8L * p + 5.6e-7L * t * t;
    const Real xv = relativeHumidity / 100.0L * enhancement * ps / p;  // mole fraction of vapour
    const Real pt = p / temperatureK;
    const Real z = 1.0L -
                   pt * (1.58123e-6L - 2.9331e-8L * t + 1.1043e-10L * t * t + (5.707e-6L - 2.051e-8L * t) * xv +
                         (1.9898e-4L - 2.376e-6L * t) * xv * xv) +
                   pt * pt * (1.83e-11L - 7.65e-9L * xv * xv);
    return p * cipmAirMolarMass / (z * cipmGasConstant * temperatureK) * (1.0L - cipmVapourMassDefect * xv);
}

std::optional<Real> dewPointTemperature(Real vapourPressureBar) {
    const Real target = vapourPressureBar * 1.0e5L;  // Pa
    const std::optional<Real> dewPoint =
        solveByDifferenceNewton([&](Real t) { return waterVapourPressure(t) * 1.0e5L - target; }, 323.0L);
    if (!dewPoint || !(*dewPoint > 0)) return std::nullopt;
    return dewPoint;
}

std::optional<Real> humidAirViscosity(Real relativeHumidity, Real temperatureK, Real pressureBar,
                                      Real density) {
    const Real ps = waterVapourPressure(temperatureK);  // bar
    const Real vapourPressure = relativeHumidity / 100.0L * ps;  // bar
    const Real y = vapourPressure / pressureBar;  // mole fraction of water

    Real viscosity = 0;
    if (temperatureK < boilingTemperature) {
        // Both viscosities at low pressure: the dense-gas rise is added once, by Gardner, below.
        const std::optional<Real> airDensity =
            airGasDensity(temperatureK, std::min(pressureBar, lowPressureLimit));
        if (!airDensity) return std::nullopt;
        const Real etaAir = airViscosity(*airDensity, temperatureK);
        const Real etaWater = waterViscosity(temperatureK, region2Density(temperatureK, ps));
        const Real pv = vapourPressure * 1.0e5L;            // Pa
        const Real pa = pressureBar * 1.0e5L - pv;          // Pa
        const Real rootAir = std::sqrt(airMolarMass);
        const Real rootWater = std::sqrt(waterMolarMass);
        viscosity = (rootAir * etaAir * pa + rootWater * etaWater * pv) / (rootAir * pa + rootWater * pv);
    } else {
        const Real t = temperatureK;
        viscosity = 0.042489943L * t + 6.0453459L + y * (0.0059284286L * t - 6.8323022L) +
                    y * y * (-0.011338714L * t - 0.67799257L);
    }
    if (pressureBar > lowPressureLimit) {
        const Real mixtureMolarMass = (1.0L - y) * airMolarMass + y * waterMolarMass;
        viscosity = gardnerViscosity(viscosity, temperatureK, density, mixtureMolarMass);
    }
    if (!std::isfinite(viscosity) || !(viscosity > 0)) return std::nullopt;
    return viscosity;
}

Outcome<HumidAirResult, AirRefusal> computeHumidAir(Real temperatureK, Real pressureBar, HumidityKind kind,
                                                    Real humidity) {
    const Real celsius = temperatureK - 273.15L;
    if (!(celsius >= lowestCelsius && celsius <= highestCelsius)) return AirRefusal::TemperatureOutOfRange;
    if (!(pressureBar > 0 && pressureBar <= highestPressure)) return AirRefusal::PressureOutOfRange;
    if (kind == HumidityKind::RelativeHumidity ? !(humidity > 0 && humidity <= 100) : !(humidity > 0))
        return AirRefusal::HumidityOutOfRange;

    const Real ps = waterVapourPressure(temperatureK);  // bar
    HumidAirResult result;
    if (kind == HumidityKind::RelativeHumidity) {
        result.relativeHumidity = humidity;
        // The vapour cannot carry more than the whole pressure (at 100 °C and above, ps ≥ p is possible).
        if (!(pressureBar > humidity / 100.0L * ps)) return AirRefusal::HumidityOutOfRange;
        result.moistureContent =
            molarMassRatio * (humidity / 100.0L) * ps / (pressureBar - (humidity / 100.0L) * ps);
    } else {
        result.moistureContent = humidity;
        result.relativeHumidity = 100.0L * humidity * pressureBar / (molarMassRatio * ps + humidity * ps);
        if (!(result.relativeHumidity > 0 && result.relativeHumidity <= 100)) return AirRefusal::HumidityOutOfRange;
    }
    const Real phi = result.relativeHumidity;
    const Real vapourPressure = phi * ps / 100.0L;  // bar

    // Saturation moisture content exists only while the saturation pressure is below the pressure.
    if (pressureBar > ps) {
        result.saturationMoistureContent = molarMassRatio * ps / (pressureBar - ps);
        result.degreeOfSaturation = result.moistureContent / *result.saturationMoistureContent;
    }
    result.moleFraction = vapourPressure / pressureBar;

    const std::optional<Real> dewPoint = dewPointTemperature(vapourPressure);
    if (!dewPoint) return AirRefusal::OutsideRangeOfValidity;
    result.dewPoint = *dewPoint - 273.15L;

    result.density = moistAirDensity(phi, temperatureK, pressureBar);
    if (!std::isfinite(result.density) || !(result.density > 0)) return AirRefusal::OutsideRangeOfValidity;
    result.specificVolume = 1.0L / result.density;

    const std::optional<Real> viscosity = humidAirViscosity(phi, temperatureK, pressureBar, result.density);
    if (!viscosity) return AirRefusal::OutsideRangeOfValidity;
    result.viscosity = *viscosity;
    return result;
}

}  // namespace velmora::media
