#include "media/liquid_density_correction.h"

#include <cmath>

namespace velmora::media {

Real compressedLiquidDensity(Real saturatedDensity, Real pressureBar, Real saturationPressureBar,
                             Real reducedTemperature, Real criticalPressureBar, Real acentricFactor) {
    const Real tr = reducedTemperature;
    const Real w = (pressureBar - saturationPressureBar) / criticalPressureBar;
    const Real a =
        99.42L + tr * (6.502L + tr * (-78.68L + tr * (-75.18L + tr * (41.49L + tr * 7.257L))));
    const Real b = 0.38144L - 0.30144L * acentricFactor - 0.08457L * acentricFactor * acentricFactor;
    const Real k = std::pow(2.81L, std::pow(1.1L - tr, b));
    return saturatedDensity * (a + 2.81L * w) / (a + k * w);
}

}  // namespace velmora::media
