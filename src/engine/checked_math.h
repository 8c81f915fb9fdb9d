#pragma once

#include <string_view>

#include "model/real.h"

// Guarded arithmetic for the engines. Each helper throws CalcError instead of returning a NaN or
// an infinity, naming the routine (`where`) and the offending value.
namespace velmora::engine {

using model::Real;

// x itself when finite.
Real requireFinite(Real x, std::string_view where);
// √x for x ≥ 0.
Real checkedSqrt(Real x, std::string_view where);
// ln x for x > 0.
Real checkedLog(Real x, std::string_view where);
// log₁₀ x for x > 0.
Real checkedLog10(Real x, std::string_view where);
// base^exponent with a finite result; a negative base only with an integral exponent.
Real checkedPow(Real base, Real exponent, std::string_view where);
// exp x with a finite result.
Real checkedExp(Real x, std::string_view where);
// numerator / denominator for a non-zero denominator, with a finite result.
Real checkedDivide(Real numerator, Real denominator, std::string_view where);
// arccos x for −1 ≤ x ≤ 1, in radians.
Real checkedAcos(Real x, std::string_view where);

// Trigonometric functions of an angle in degrees.
Real sinDegrees(Real degrees);
Real cosDegrees(Real degrees);
Real tanDegrees(Real degrees);

}  // namespace velmora::engine
