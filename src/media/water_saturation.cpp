#include "media/water_saturation.h"

#include <array>
#include <cmath>

namespace velmora::media {

namespace {

// IAPWS-IF97 table 34: the ten coefficients of the saturation-pressure equation (n[1] … n[10];
// n[0] unused so the indices read as in the release).
constexpr std::array<Real, 11> n4 = {
    0.0L,
    0.11670521452767e4L,
    -0.72421316703206e6L,
    -0.17073846940092e2L,
    0.12020824702470e5L,
    -0.32325550322333e7L,
    0.14915108613530e2L,
    -0.48232657361591e4L,
    0.40511340542057e6L,
    -0.23855557567849L,
    0.65017534844798e3L,
};

// IAPWS-IF97 table 1: the B23 boundary p(T) = n1 + n2·T + n3·T² in MPa.
constexpr std::array<Real, 3> nB23 = {0.34805185628969e3L, -0.11671859879975e1L, 0.10192970039326e-2L};

}  // namespace

Real saturationPressure(Real temperatureK) {
    const Real theta = temperatureK + n4[9] / (temperatureK - n4[10]);
    const Real a = theta * theta + n4[1] * theta + n4[2];
    const Real b = n4[3] * theta * theta + n4[4] * theta + n4[5];
    const Real c = n4[6] * theta * theta + n4[7] * theta + n4[8];
    const Real root = 2 * c / (-b + std::sqrt(b * b - 4 * a * c));
    const Real squared = root * root;
    return 10 * squared * squared;  // MPa → bar
}

Real saturationTemperature(Real pressureBar) {
    const Real beta = std::sqrt(std::sqrt(pressureBar / 10));  // (p in MPa)^0.25
    const Real e = beta * beta + n4[3] * beta + n4[6];
    const Real f = n4[1] * beta * beta + n4[4] * beta + n4[7];
    const Real g = n4[2] * beta * beta + n4[5] * beta + n4[8];
    const Real d = 2 * g / (-f - std::sqrt(f * f - 4 * e * g));
    return (n4[10] + d - std::sqrt((n4[10] + d) * (n4[10] + d) - 4 * (n4[9] + n4[10] * d))) / 2;
}

Real boundary23Pressure(Real temperatureK) {
    return 10 * (nB23[0] + nB23[1] * temperatureK + nB23[2] * temperatureK * temperatureK);
}

}  // namespace velmora::media
