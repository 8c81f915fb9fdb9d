#include "media/air_viscosity.h"

#include <array>
#include <cmath>

#include "media/air_equation.h"

namespace velmora::media {

namespace {

constexpr Real collisionDiameter = 0.36L;  // nm
constexpr Real energyParameter = 103.3L;   // K, ε/k

// Collision integral Ω(T*) = exp(Σ b_i·(ln T*)^i).
constexpr std::array<Real, 5> collisionCoefficients{0.431L, -0.4623L, 0.08406L, 0.005341L, -0.00331L};

// Residual viscosity terms N·τ^t·δ^d·exp(−γ·δ^l), γ = 1 where l = 1.
struct ViscosityTerm {
    Real n;
    Real t;
    int d;
    int l;
};
constexpr std::array<ViscosityTerm, 5> residualTerms{{
    {10.72L, 0.2L, 1, 0},
    {1.122L, 0.05L, 4, 0},
    {0.002019L, 2.4L, 9, 0},
    {-8.876L, 0.6L, 1, 1},
    {-0.02916L, 3.6L, 8, 1},
}};

}  // namespace

Real airViscosity(Real density, Real temperatureK) {
    const Real lnT = std::log(temperatureK / energyParameter);
    Real lnOmega = 0;
    for (auto it = collisionCoefficients.rbegin(); it != collisionCoefficients.rend(); ++it)
        lnOmega = lnOmega * lnT + *it;
    const Real dilute = 0.0266958L * std::sqrt(airMolarMass * temperatureK) /
                        (collisionDiameter * collisionDiameter * std::exp(lnOmega));

    const Real delta = density / (airMolarMass * airReducingDensity);
    const Real lnTau = std::log(airMaxcondenthermTemperature / temperatureK);
    const Real decay = std::exp(-delta);
    Real residual = 0;
    for (const ViscosityTerm& term : residualTerms) {
        Real deltaPower = delta;
        for (int k = 1; k < term.d; ++k) deltaPower *= delta;
        Real value = term.n * std::exp(term.t * lnTau) * deltaPower;
        if (term.l == 1) value *= decay;
        residual += value;
    }
    return dilute + residual;
}

}  // namespace velmora::media
