#include "media/gardner_correction.h"

#include <cmath>

namespace velmora::media {

Real gardnerViscosity(Real lowPressureViscosity, Real temperatureK, Real density, Real molarMass) {
    const Real mu0 = lowPressureViscosity / 1.0e6L;  // Pa·s
    const Real d = 5.638e-12L * std::pow(temperatureK, 0.75L) * std::pow(mu0, -1.5L) * std::pow(molarMass, -0.25L);
    const Real x = d * density;
    return mu0 * (1.0L + 0.175L * x + 0.8651L * x * x) * 1.0e6L;
}

}  // namespace velmora::media
