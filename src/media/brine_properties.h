#pragma once

#include "media/brine_table.h"
#include "media/outcome.h"
#include "model/real.h"

namespace velmora::media {

using model::Real;

// f = c0 + c1·y + c2·y² + c3·y³ + c4·x + c5·x·y + c6·x·y² + c7·x·y³ + c8·x² + c9·x²·y + c10·x²·y²
//   + c11·x²·y³ + c12·x³ + c13·x³·y + c14·x³·y² + c15·x⁴ + c16·x⁴·y + c17·x⁵
// with x = c − xm (mass %) and y = t − tm (°C).
Real brinePolynomial(const BrineCoefficients& c, Real x, Real y);

// Why a brine state is refused; each is one message of the dialog.
enum class BrineRefusal {
    TemperatureAboveRange,    // above the brine's highest temperature; focus: temperature
    ConcentrationOutOfRange,  // outside min … max; focus: concentration
    NotAboveFreezingPoint,    // at or below the freezing point; focus: temperature
};

struct BrineState {
    Real freezingPoint = 0;  // °C
    Real density = 0;        // kg/m³
    Real viscosity = 0;      // 10⁻⁶ kg/(m·s)
};

// The brine's freezing point (°C) at concentration c (mass %) and temperature t (°C).
Real brineFreezingPoint(const BrineData& brine, Real concentration, Real temperatureC);

// Density, viscosity and freezing point of the brine at c (mass %) and t (°C):
// t not above the highest temperature, c within the range (both ends included), t above the
// freezing point.
Outcome<BrineState, BrineRefusal> computeBrine(const BrineData& brine, Real concentration, Real temperatureC);

}  // namespace velmora::media
