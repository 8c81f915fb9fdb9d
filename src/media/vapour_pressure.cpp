#include "media/vapour_pressure.h"

#include <cmath>
#include <limits>
#include <optional>

#include "media/newton_iteration.h"

namespace velmora::media {

namespace {

VapourPressureOutcome positiveOrRefused(Real value) {
    if (std::isfinite(value) && value > 0) return value;
    return WaterSteamRefusal::VapourPressureNotSolved;
}

Real wagner(const VapourPressureCorrelation& k, Real temperatureK) {
    const Real x = 1 - temperatureK / k.criticalTemperature;
    if (x == 0) return k.criticalPressure;
    if (x < 0)
        return std::numeric_limits<Real>::quiet_NaN();  // above the critical temperature the form has no
                                                        // vapour pressure
    const Real x3 = x * x * x;
    const Real reduced = k.a * x + k.b * x * std::sqrt(x) + k.c * x3 + k.d * x3 * x3;
    return k.criticalPressure * std::exp(k.criticalTemperature / temperatureK * reduced);
}

// ln pv = K + a·pv with K = A − B/T + C·ln T and a = D/T². The root sought is the one below 1/a,
// where the residual K + a·pv − ln pv falls with pv and is convex, so the iteration from 0.1 bar
// approaches it from below once it has passed it.
Real frostKalkwarf(const VapourPressureCorrelation& k, Real temperatureK) {
    const Real fixedPart = k.a - k.b / temperatureK + k.c * std::log(temperatureK);
    const Real pressureFactor = k.d / (temperatureK * temperatureK);
    const auto residual = [&](Real pv) { return fixedPart + pressureFactor * pv - std::log(pv); };
    if (const std::optional<Real> pv = solveByDifferenceNewton(residual, 0.1L); pv && *pv > 0) return *pv;

    // Below about 0.037 bar (e^−1 · 0.1 bar) the first step from 0.1 bar overshoots to a negative
    // pressure. The same iteration on y = ln pv cannot leave the positive pressures and ends on
    // the same root.
    const auto logResidual = [&](Real y) { return fixedPart + pressureFactor * std::exp(y) - y; };
    if (const std::optional<Real> y = solveByDifferenceNewton(logResidual, std::log(0.1L)))
        return std::exp(*y);
    return std::numeric_limits<Real>::quiet_NaN();
}

Real antoine(const VapourPressureCorrelation& k, Real temperatureK) {
    return std::exp(k.a - k.b / (temperatureK + k.c));
}

}  // namespace

VapourPressureOutcome vapourPressure(const VapourPressureCorrelation& correlation, Real temperatureK) {
    switch (correlation.equation) {
        case VapourPressureEquation::Wagner:
            return positiveOrRefused(wagner(correlation, temperatureK));
        case VapourPressureEquation::FrostKalkwarf:
            return positiveOrRefused(frostKalkwarf(correlation, temperatureK));
        case VapourPressureEquation::Antoine:
            return positiveOrRefused(antoine(correlation, temperatureK));
    }
    return WaterSteamRefusal::VapourPressureNotSolved;
}

VapourPressureOutcome rackettDensity(const RackettParameters& parameters, Real temperatureK) {
    const Real x = 1 - temperatureK / parameters.criticalTemperature;
    const Real xReference = 1 - parameters.referenceTemperature / parameters.criticalTemperature;
    if (!(x > 0) || !(xReference > 0)) return WaterSteamRefusal::VapourPressureNotSolved;
    const Real exponent = std::pow(x, 2.0L / 7) - std::pow(xReference, 2.0L / 7);
    return positiveOrRefused(1000 * parameters.referenceDensity /
                             std::pow(parameters.rackettParameter, exponent));
}

WholeDegreeRange vapourPressureTemperatureRange(int lowestK, int highestK) {
    const int maximum = highestK - vapourPressureKelvinOffset;
    const int belowMultipleOf5 = ((maximum % 5) + 5) % 5;  // 0…4 also for negative maxima
    return {lowestK - 273, maximum - belowMultipleOf5};
}

}  // namespace velmora::media
