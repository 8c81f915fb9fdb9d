#include "media/boiling_point_estimate.h"

#include <cmath>

namespace velmora::media {

namespace {

constexpr Real torrInBar = 1.01325L / 760.0L;  // bar per Torr (1/760 of the standard atmosphere)
constexpr Real log10NormalPressure = 2.88081359228079137L;  // log10 of the normal pressure, 760 Torr

}  // namespace

Real boilingPointEstimate(Real pressureBar, Real normalBoilingPointK) {
    const Real s = 0.0025014L * std::pow(normalBoilingPointK, 0.8303L);
    const Real c = 273.15L - 479.0L * s * s;
    const Real tb = normalBoilingPointK - 273.15L;  // °C
    const Real b = (tb + c) * (tb + c) / 230.26L / s;
    const Real a = b / (tb + c) + log10NormalPressure;
    const Real logPressure = std::log10(pressureBar / torrInBar);
    return b / (a - logPressure) - c + 273.15L;
}

Real vapourPressureEstimate(Real temperatureK, Real normalBoilingPointK) {
    const Real c = 0.002997L * std::pow(normalBoilingPointK, 1.6606L);
    const Real logPressure =
        log10NormalPressure + (normalBoilingPointK - c) * (temperatureK - normalBoilingPointK) /
                                  (0.576L * std::pow(normalBoilingPointK, 0.8303L) * (temperatureK - c));
    return std::pow(10.0L, logPressure) * torrInBar;
}

}  // namespace velmora::media
