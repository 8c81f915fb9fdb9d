#pragma once

#include <cmath>
#include <string_view>

#include "model/real.h"

// Guarded arithmetic for the engines. Each helper throws CalcError instead of returning a NaN or
// an infinity, naming the routine (`where`) and the offending value.
//
// The helpers are inline: a long double passed to a function that is not inlined goes through
// memory as ten bytes and back, which costs more than the check itself. Only the failure, which
// builds the message, is a call.
namespace velmora::engine {

using model::Real;

namespace detail {
// Throws CalcError "where: what (value)".
[[noreturn, gnu::cold]] void failCheck(std::string_view where, std::string_view what, Real value);
// The checks and the power of checkedPow outside its usual positive-base case.
Real checkedPowOtherwise(Real base, Real exponent, std::string_view where);
}  // namespace detail

// x itself when finite.
inline Real requireFinite(Real x, std::string_view where) {
    if (!std::isfinite(x)) [[unlikely]]
        detail::failCheck(where, "non-finite value", x);
    return x;
}

// √x for x ≥ 0.
inline Real checkedSqrt(Real x, std::string_view where) {
    if (std::isnan(x) || x < 0) [[unlikely]]
        detail::failCheck(where, "square root of a negative number", x);
    return requireFinite(std::sqrt(x), where);
}

// ln x for x > 0.
inline Real checkedLog(Real x, std::string_view where) {
    if (std::isnan(x) || x <= 0) [[unlikely]]
        detail::failCheck(where, "logarithm of a number not above zero", x);
    return requireFinite(std::log(x), where);
}

// log₁₀ x for x > 0.
inline Real checkedLog10(Real x, std::string_view where) {
    if (std::isnan(x) || x <= 0) [[unlikely]]
        detail::failCheck(where, "logarithm of a number not above zero", x);
    return requireFinite(std::log10(x), where);
}

// xⁿ by repeated squaring: exact for small n where the product is representable, otherwise a few
// roundings in the last of the 64 bits, far below the accuracy of any input.
inline Real integerPower(Real x, unsigned n) {
    Real result = 1;
    while (n != 0) {
        if (n & 1u) result *= x;
        n >>= 1;
        if (n != 0) x *= x;
    }
    return result;
}

// base^exponent with a finite result; a negative base only with an integral exponent.
// A positive base takes the power as exp(exponent · ln base), or by multiplication for an integral
// exponent: glibc's long double pow is an order of magnitude slower than exp and log together, and
// the relative error of the exp–log form is about |exponent · ln base| · 1e-19, far below 1e-15
// for every exponent and base the correlations use.
inline Real checkedPow(Real base, Real exponent, std::string_view where) {
    if (!(base > 0) || !std::isfinite(base) || !std::isfinite(exponent)) [[unlikely]]
        return detail::checkedPowOtherwise(base, exponent, where);
    Real result;
    if (exponent >= -64 && exponent <= 64 && static_cast<int>(exponent) == exponent) {
        const int n = static_cast<int>(exponent);
        result = n >= 0 ? integerPower(base, static_cast<unsigned>(n)) : 1.0L / integerPower(base, static_cast<unsigned>(-n));
    } else {
        result = std::exp(exponent * std::log(base));
    }
    if (!std::isfinite(result)) [[unlikely]]
        detail::failCheck(where, "power out of range", base);
    return result;
}

// exp x with a finite result.
inline Real checkedExp(Real x, std::string_view where) {
    const Real result = std::exp(requireFinite(x, where));
    if (!std::isfinite(result)) [[unlikely]]
        detail::failCheck(where, "exponential out of range", x);
    return result;
}

// numerator / denominator for a non-zero denominator, with a finite result.
inline Real checkedDivide(Real numerator, Real denominator, std::string_view where) {
    if (denominator == 0) [[unlikely]]
        detail::failCheck(where, "division by zero", numerator);
    const Real result = numerator / denominator;
    if (!std::isfinite(result)) [[unlikely]]
        detail::failCheck(where, "quotient out of range", result);
    return result;
}

// arccos x for −1 ≤ x ≤ 1, in radians.
Real checkedAcos(Real x, std::string_view where);

// Trigonometric functions of an angle in degrees.
Real sinDegrees(Real degrees);
Real cosDegrees(Real degrees);
Real tanDegrees(Real degrees);

}  // namespace velmora::engine
