#include "media/air_saturation.h"

#include <cmath>

#include "media/air_equation.h"
#include "media/liquid_density_correction.h"

namespace velmora::media {

namespace {

constexpr Real airAcentricFactor = 0.037L;
constexpr Real meltingExponent = 1.78963L;
constexpr Real meltingCoefficient = 35493.5L;

Real theta(Real temperatureK) { return 1.0L - temperatureK / airMaxcondenthermTemperature; }

}  // namespace

Real bubblePointPressure(Real temperatureK) {
    const Real th = theta(temperatureK);
    const Real root = std::sqrt(th);
    const Real sum = root * (0.2260724L + th * (5.700283L + th * (17.81926L))) +
                     th * (-7.080499L + th * (-12.44017L + th * (-10.81364L)));
    const Real lnRatio = airMaxcondenthermTemperature / temperatureK * sum;
    return 10.0L * airReducingPressure * std::exp(lnRatio);
}

Real dewPointPressure(Real temperatureK) {
    const Real th = theta(temperatureK);
    const Real root = std::sqrt(th);
    const Real th2 = th * th;
    const Real sum = -0.1567266L * root - 5.539635L * th + 0.7567212L * th2 * root - 3.514322L * th2 * th2;
    const Real lnRatio = airMaxcondenthermTemperature / temperatureK * sum;
    return 10.0L * airReducingPressure * std::exp(lnRatio);
}

Real meltingTemperature(Real pressureBar) {
    // T = (Tt^a·((p/pt − 1)/35493.5 + 1))^(1/a) = Tt·((p/pt − 1)/35493.5 + 1)^(1/a)
    const Real reducedPressure = pressureBar / 10.0L / airTriplePointPressure;
    const Real ratio = (reducedPressure - 1.0L) / meltingCoefficient + 1.0L;
    return airTriplePointTemperature * std::exp(std::log(ratio) / meltingExponent);
}

Real saturatedLiquidAirDensity(Real temperatureK) {
    const Real th = theta(temperatureK);
    const Real reduced = 1.0L + 44.3413L * std::pow(th, 0.65L) - 240.073L * std::pow(th, 0.85L) +
                         285.139L * std::pow(th, 0.95L) - 88.3366L * std::pow(th, 1.1L) -
                         0.892181L * std::log(temperatureK / airMaxcondenthermTemperature);
    return airReducingDensity * airMolarMass * reduced;
}

Real compressedLiquidAirDensity(Real bubblePressureBar, Real pressureBar, Real temperatureK) {
    return compressedLiquidDensity(saturatedLiquidAirDensity(temperatureK), pressureBar, bubblePressureBar,
                                   temperatureK / airCriticalTemperature, airCriticalPressure,
                                   airAcentricFactor);
}

}  // namespace velmora::media
