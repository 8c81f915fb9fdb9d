#pragma once

#include <optional>

#include "media/air_refusal.h"
#include "media/outcome.h"
#include "model/real.h"

// Humid air from 0 to 200 °C and up to 100 bar: psychrometric values, the density after the
// CIPM-81/91 equation for moist air (Davis, Metrologia 29 (1992) 67) and the viscosity of the
// mixture of dry air and water vapour.
namespace velmora::media {

using model::Real;

inline constexpr Real waterMolarMass = 18.01528L;  // g/mol

// How the humidity entry is meant.
enum class HumidityKind {
    RelativeHumidity,  // %
    MoistureContent,   // kg water / kg dry air
};

struct HumidAirResult {
    Real relativeHumidity = 0;                      // %
    Real moistureContent = 0;                       // kg water / kg dry air
    std::optional<Real> saturationMoistureContent;  // kg water / kg dry air; none where ps ≥ p
    std::optional<Real> degreeOfSaturation;         // –; none where ps ≥ p
    Real moleFraction = 0;                          // mol water / mol humid air
    Real dewPoint = 0;                              // °C
    Real density = 0;                               // kg/m³
    Real specificVolume = 0;                        // m³/kg
    Real viscosity = 0;                             // 10⁻⁶ kg/(m·s)
};

// Saturation vapour pressure of water in bar at T (K), the CIPM-81/91 formula
// ps = exp(A·T² + B·T + C + D/T) Pa.
Real waterVapourPressure(Real temperatureK);

// Density of moist air in kg/m³ after CIPM-81/91 at relative humidity φ (%), temperature (K) and
// pressure (bar abs.), with the enhancement factor and the compressibility factor of the formula.
Real moistAirDensity(Real relativeHumidity, Real temperatureK, Real pressureBar);

// Dew point in K: the temperature at which waterVapourPressure equals the given partial pressure
// of the vapour (bar), by the difference-Newton iteration from 323 K. None if it finds no root.
std::optional<Real> dewPointTemperature(Real vapourPressureBar);

// Viscosity of humid air in 10⁻⁶ kg/(m·s). Below 100 °C the mixing rule of Herning and Zipperer
// over dry air (Lemmon–Jacobsen) and saturated steam (IAPWS 1985), weighted by the partial
// pressures; from 100 °C on a fit in T and the mole fraction y. Both give the low-pressure value;
// above 1.013 bar it is raised to the density ρ (kg/m³) by Gardner's approach with the molar mass
// of the mixture. None if the dry-air density iteration fails.
std::optional<Real> humidAirViscosity(Real relativeHumidity, Real temperatureK, Real pressureBar,
                                      Real density);

// The humid-air computation: ranges (0 … 200 °C, 0 < p ≤ 100 bar, 0 < φ ≤ 100 % or x > 0), the
// psychrometric values, the dew point, density and viscosity.
Outcome<HumidAirResult, AirRefusal> computeHumidAir(Real temperatureK, Real pressureBar, HumidityKind kind,
                                                    Real humidity);

}  // namespace velmora::media
