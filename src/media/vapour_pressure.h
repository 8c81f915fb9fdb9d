#pragma once

#include "media/outcome.h"
#include "media/water_steam_refusal.h"
#include "model/real.h"

// Vapour pressure and saturated-liquid density of the substances of the vapour-pressure database.
// The three vapour-pressure equations are those of the data compilations of Reid, Prausnitz and
// Poling ("The Properties of Gases and Liquids"), with T in K and p in bar; the liquid density is
// the Rackett equation with Spencer and Danner's parameter ZRA anchored at one measured density.
namespace velmora::media {

using model::Real;

enum class VapourPressureEquation {
    Wagner = 1,         // ln(pv/pc) = (Tc/T)·(A·x + B·x^1.5 + C·x³ + D·x⁶), x = 1 − T/Tc
    FrostKalkwarf = 2,  // ln pv = A − B/T + C·ln T + D·pv/T², solved for pv
    Antoine = 3,        // ln pv = A − B/(T + C)
};

struct VapourPressureCorrelation {
    VapourPressureEquation equation;
    Real a;
    Real b;
    Real c;
    Real d;
    Real criticalTemperature;  // K, Tc
    Real criticalPressure;     // bar, pc
};

struct RackettParameters {
    Real criticalTemperature;   // K, Tc
    Real referenceDensity;      // g/cm³, ρR
    Real referenceTemperature;  // K, TR
    Real rackettParameter;      // ZRA, dimensionless
};

using VapourPressureOutcome = Outcome<Real, WaterSteamRefusal>;

// Vapour pressure in bar at temperature T (K). Refused when the equation has no value there (the
// Wagner form above Tc, a Frost–Kalkwarf iteration that does not settle on a positive pressure).
// The Frost–Kalkwarf form is solved by pv ← pv − f·h/(f(pv + h) − f(pv)), h = 1e-8, from 0.1 bar
// until the change is below 1e-8 bar (at most 100 steps); where that breaks down (vapour pressures
// below about 0.037 bar) by the same iteration on ln pv.
VapourPressureOutcome vapourPressure(const VapourPressureCorrelation& correlation, Real temperatureK);

// Saturated-liquid density in kg/m³ at temperature T (K):
// ρ = 1000·ρR / ZRA^((1 − T/Tc)^(2/7) − (1 − TR/Tc)^(2/7)). Refused at or above Tc.
VapourPressureOutcome rackettDensity(const RackettParameters& parameters, Real temperatureK);

// The database's whole-degree temperatures: a temperature t (°C) is computed at t + 273.15 K, and
// the range offered for a substance valid from lowestK to highestK (whole kelvin) is
// minimum = lowestK − 273 and maximum = highestK − 274 moved down to a multiple of 5 (last digit
// 1…4 becomes 0, 6…9 becomes 5; for a maximum below 0 °C down as well, −24 to −25). With that the
// first offered temperature lies 0.15 K above the lowest valid one and the last at least 0.85 K
// below the highest, so every offered degree is inside the equation's range.
inline constexpr int vapourPressureKelvinOffset = 274;  // of the offered maximum, not of the scale

struct WholeDegreeRange {
    int minimum;  // °C
    int maximum;  // °C
};

WholeDegreeRange vapourPressureTemperatureRange(int lowestK, int highestK);

}  // namespace velmora::media
