#include "engine/checked_math.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>

#include "engine/calc_error.h"

namespace velmora::engine {
namespace {

[[noreturn]] void fail(std::string_view where, std::string_view what, Real value) {
    std::ostringstream text;
    text.precision(10);
    if (!where.empty()) text << where << ": ";
    text << what << " (" << value << ")";
    throw CalcError(text.str());
}

constexpr Real kRadiansPerDegree = std::numbers::pi_v<Real> / 180.0L;

}  // namespace

Real requireFinite(Real x, std::string_view where) {
    if (!std::isfinite(x)) fail(where, "non-finite value", x);
    return x;
}

Real checkedSqrt(Real x, std::string_view where) {
    if (std::isnan(x) || x < 0) fail(where, "square root of a negative number", x);
    return requireFinite(std::sqrt(x), where);
}

Real checkedLog(Real x, std::string_view where) {
    if (std::isnan(x) || x <= 0) fail(where, "logarithm of a number not above zero", x);
    return requireFinite(std::log(x), where);
}

Real checkedLog10(Real x, std::string_view where) {
    if (std::isnan(x) || x <= 0) fail(where, "logarithm of a number not above zero", x);
    return requireFinite(std::log10(x), where);
}

Real checkedPow(Real base, Real exponent, std::string_view where) {
    requireFinite(base, where);
    requireFinite(exponent, where);
    if (base < 0 && std::trunc(exponent) != exponent)
        fail(where, "fractional power of a negative number", base);
    if (base == 0 && exponent < 0) fail(where, "negative power of zero", exponent);
    const Real result = std::pow(base, exponent);
    if (!std::isfinite(result)) fail(where, "power out of range", base);
    return result;
}

Real checkedExp(Real x, std::string_view where) {
    const Real result = std::exp(requireFinite(x, where));
    if (!std::isfinite(result)) fail(where, "exponential out of range", x);
    return result;
}

Real checkedDivide(Real numerator, Real denominator, std::string_view where) {
    if (denominator == 0) fail(where, "division by zero", numerator);
    const Real result = numerator / denominator;
    if (!std::isfinite(result)) fail(where, "quotient out of range", result);
    return result;
}

Real checkedAcos(Real x, std::string_view where) {
    if (std::isnan(x) || x < -1 || x > 1) fail(where, "arc cosine of a number outside [-1, 1]", x);
    return std::acos(x);
}

Real sinDegrees(Real degrees) {
    return std::sin(degrees * kRadiansPerDegree);
}
Real cosDegrees(Real degrees) {
    return std::cos(degrees * kRadiansPerDegree);
}
Real tanDegrees(Real degrees) {
    return std::tan(degrees * kRadiansPerDegree);
}

}  // namespace velmora::engine
