#pragma once

#include "model/real.h"

namespace velmora::media {

using model::Real;

// The data of a gas that the cubic equation and the pressure correction need.
struct GasCriticalData {
    Real criticalTemperature = 0;  // K
    Real criticalPressure = 0;     // bar
    Real acentricFactor = 0;       // –
    Real molarMass = 0;            // g/mol
};

// Compressibility factor Z from the Soave–Redlich–Kwong equation at temperature (K) and
// pressure (bar abs.), the cubic Z³ − Z² + (A − B − B²)·Z − A·B = 0 solved by Cardano's formulas.
// With three real roots the largest, vapour-like one is taken.
Real srkCompressibility(Real temperatureK, Real pressureBar, const GasCriticalData& gas);

// Density in kg/m³ from the Soave–Redlich–Kwong equation: ρ = M·p/(Z·R·T).
Real srkDensity(Real temperatureK, Real pressureBar, const GasCriticalData& gas);

}  // namespace velmora::media
