#include "media/srk_density.h"

#include <algorithm>
#include <cmath>

namespace velmora::media {

namespace {

constexpr Real gasConstant = 83.144L;  // bar·cm³/(mol·K)

}  // namespace

Real srkCompressibility(Real temperatureK, Real pressureBar, const GasCriticalData& gas) {
    const Real tc = gas.criticalTemperature;
    const Real pc = gas.criticalPressure;
    const Real omega = gas.acentricFactor;

    const Real m = 0.48L + 1.574L * omega - 0.176L * omega * omega;
    const Real root = 1.0L + m * (1.0L - std::sqrt(temperatureK / tc));
    const Real alpha = root * root;
    const Real a = 0.42748L * gasConstant * gasConstant * tc * tc / pc * alpha;  // bar·cm⁶/mol²
    const Real b = 0.08664L * gasConstant * tc / pc;                            // cm³/mol
    const Real rt = gasConstant * temperatureK;
    const Real capitalA = a * pressureBar / (rt * rt);
    const Real capitalB = b * pressureBar / rt;

    // Monic cubic Z³ + c2·Z² + c1·Z + c0 = 0, reduced to t³ + P·t + Q = 0 with Z = t − c2/3.
    const Real c2 = -1.0L;
    const Real c1 = capitalA - capitalB - capitalB * capitalB;
    const Real c0 = -capitalA * capitalB;
    const Real p = (3.0L * c1 - c2 * c2) / 3.0L;
    const Real q = 2.0L * c2 * c2 * c2 / 27.0L - c2 * c1 / 3.0L + c0;
    const Real discriminant = (q / 2.0L) * (q / 2.0L) + (p / 3.0L) * (p / 3.0L) * (p / 3.0L);

    if (discriminant >= 0) {
        const Real s = std::sqrt(discriminant);
        return std::cbrt(-q / 2.0L + s) + std::cbrt(-q / 2.0L - s) - c2 / 3.0L;
    }
    // Three real roots: the trigonometric form, k = 0 giving the largest.
    const Real cosine = std::clamp((-q / 2.0L) / std::sqrt(-(p / 3.0L) * (p / 3.0L) * (p / 3.0L)), -1.0L, 1.0L);
    const Real phi = std::acos(cosine);
    return 2.0L * std::sqrt(-p / 3.0L) * std::cos(phi / 3.0L) - c2 / 3.0L;
}

Real srkDensity(Real temperatureK, Real pressureBar, const GasCriticalData& gas) {
    const Real z = srkCompressibility(temperatureK, pressureBar, gas);
    const Real molarVolume = z * gasConstant * temperatureK / pressureBar;  // cm³/mol
    return gas.molarMass / molarVolume * 1000.0L;
}

}  // namespace velmora::media
