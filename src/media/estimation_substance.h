#pragma once

#include <array>
#include <optional>

#include "model/real.h"

namespace velmora::media {

using model::Real;

// Which correlation gives the liquid viscosity of a substance, T in K, result in 10⁻⁶ kg/(m·s):
enum class LiquidViscosityForm {
    None,            // no equation: estimated after Przezdziecki and Sridhar
    PowerLaw,        // "1": η = 1000·A·T^B
    Andrade,         // "2": η = 1000·exp(A + B/T)
    AndradeExtended, // "3": η = 1000·exp(A + B/T + C·T + D·T²)
    Vogel,           // "5": η = 10⁶·exp(A + B/(C − T) + D·ln T)
    LogarithmicCubic // "6": η = 10⁶·exp(A + B/T + C·ln T + D/T³)
};

// The constants of one substance for the property estimation.
struct EstimationSubstance {
    Real molarMass = 0;               // g/mol
    Real meltingPoint = 0;            // °C
    Real normalBoilingPoint = 0;      // °C
    Real criticalTemperature = 0;     // K
    Real criticalPressure = 0;        // bar
    Real criticalVolume = 0;          // cm³/mol
    Real referenceLiquidDensity = 0;  // g/cm³, at referenceTemperature
    Real referenceTemperature = 0;    // K
    std::optional<Real> rackettParameter;  // ZRA; if none, 0.29056 − 0.08775·ω
    std::optional<Real> acentricFactor;    // if none, the Lee–Kesler estimate
    LiquidViscosityForm viscosityForm = LiquidViscosityForm::None;
    std::array<Real, 4> viscosityCoefficients{};  // A, B, C, D
    Real viscosityLowestTemperature = 0;   // K
    Real viscosityHighestTemperature = 0;  // K
};

}  // namespace velmora::media
