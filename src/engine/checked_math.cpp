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

namespace detail {

void failCheck(std::string_view where, std::string_view what, Real value) {
    fail(where, what, value);
}

Real checkedPowOtherwise(Real base, Real exponent, std::string_view where) {
    requireFinite(base, where);
    requireFinite(exponent, where);
    if (base < 0 && std::trunc(exponent) != exponent)
        fail(where, "fractional power of a negative number", base);
    if (base == 0 && exponent < 0) fail(where, "negative power of zero", exponent);
    const Real result = std::pow(base, exponent);
    if (!std::isfinite(result)) fail(where, "power out of range", base);
    return result;
}

}  // namespace detail

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
