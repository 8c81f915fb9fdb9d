#pragma once

#include <array>

#include "model/real.h"

// The ten brines of the brine dialog: Melinder's polynomials for water-based secondary
// refrigerants, each around its mean point.
namespace velmora::media {

using model::Real;

inline constexpr int brineCount = 10;
inline constexpr int brineTermCount = 18;

// The 18 coefficients of BrinePolynomial.
using BrineCoefficients = std::array<Real, brineTermCount>;

struct BrineData {
    Real meanConcentration;       // xm, mass %
    Real meanTemperature;         // tm, °C
    Real lowestConcentration;     // mass %
    Real highestConcentration;    // mass %
    Real highestTemperature;      // °C
    BrineCoefficients viscosity;  // ln of the viscosity in mPa·s
    BrineCoefficients density;    // kg/m³
    BrineCoefficients freezing;   // freezing point in °C
};

// Brines 1 … 10 at positions 0 … 9: ethylene glycol, propylene glycol, ethanol, methanol,
// glycerol, ammonia, potassium carbonate, calcium chloride, magnesium chloride, sodium chloride.
const std::array<BrineData, brineCount>& brineTable();

}  // namespace velmora::media
