#include "media/air_equation.h"

#include <cmath>

#include "media/newton_iteration.h"

namespace velmora::media {

namespace {

// One term of the residual Helmholtz energy: n·δ^d·τ^t, times exp(−δ^l) when l > 0.
struct ResidualTerm {
    Real n;
    int d;
    Real t;
    int l;
};

// Lemmon et al. (2000), residual part of the dry-air equation: 10 polynomial terms and 9 terms
// with the exponential exp(−δ^l).
constexpr std::array<ResidualTerm, 19> residualTerms{{
    {0.118160747229L, 1, 0.0L, 0},
    {0.713116392079L, 1, 0.33L, 0},
    {-1.61824192067L, 1, 1.01L, 0},
    {0.0714140178971L, 2, 0.0L, 0},
    {-0.0865421396646L, 3, 0.0L, 0},
    {0.134211176704L, 3, 0.15L, 0},
    {0.0112626704218L, 4, 0.0L, 0},
    {-0.0420533228842L, 4, 0.2L, 0},
    {0.0349008431982L, 4, 0.35L, 0},
    {0.000164957183186L, 6, 1.35L, 0},
    {-0.101365037912L, 1, 1.6L, 1},
    {-0.17381369097L, 3, 0.8L, 1},
    {-0.0472103183731L, 5, 0.95L, 1},
    {-0.0122523554253L, 6, 1.25L, 1},
    {-0.146629609713L, 1, 3.6L, 2},
    {-0.0316055879821L, 3, 6.0L, 2},
    {0.000233594806142L, 11, 3.25L, 2},
    {0.0148287891978L, 1, 3.5L, 3},
    {-0.00938782884667L, 3, 15.0L, 3},
}};

constexpr int maxDensityExponent = 11;

}  // namespace

AirResidualHelmholtz::AirResidualHelmholtz(Real temperatureK) : temperature_(temperatureK) {
    const Real lnTau = std::log(airMaxcondenthermTemperature / temperatureK);
    for (int i = 0; i < termCount; ++i) {
        const ResidualTerm& term = residualTerms[i];
        const Real tauPower = term.t == 0 ? 1.0L : std::exp(term.t * lnTau);
        tauTerm_[i] = term.n * tauPower;
    }
}

Real AirResidualHelmholtz::deltaTimesDerivative(Real delta) const {
    std::array<Real, maxDensityExponent + 1> deltaPower{};
    deltaPower[0] = 1.0L;
    for (int k = 1; k <= maxDensityExponent; ++k) deltaPower[k] = deltaPower[k - 1] * delta;
    // exp(−δ^l) and δ^l for l = 1, 2, 3
    const std::array<Real, 4> deltaToL{0.0L, delta, deltaPower[2], deltaPower[3]};
    const std::array<Real, 4> decay{1.0L, std::exp(-delta), std::exp(-deltaPower[2]), std::exp(-deltaPower[3])};

    Real sum = 0;
    for (int i = 0; i < termCount; ++i) {
        const ResidualTerm& term = residualTerms[i];
        const Real base = tauTerm_[i] * deltaPower[term.d];
        // δ·∂/∂δ [δ^d·exp(−δ^l)] = δ^d·exp(−δ^l)·(d − l·δ^l)
        if (term.l == 0)
            sum += base * term.d;
        else
            sum += base * decay[term.l] * (term.d - term.l * deltaToL[term.l]);
    }
    return sum;
}

Real AirResidualHelmholtz::pressureResidual(Real delta, Real pressureBar) const {
    // p/(ρ·R·T) with p in MPa and ρ in mol/dm³; the factor 1000 makes it dimensionless.
    const Real idealTerm =
        (pressureBar / 10.0L) / (delta * airReducingDensity) / temperature_ / airGasConstant * 1000.0L;
    return 1.0L + deltaTimesDerivative(delta) - idealTerm;
}

Real airHelmholtzEquation(Real delta, Real temperatureK, Real pressureBar) {
    return AirResidualHelmholtz(temperatureK).pressureResidual(delta, pressureBar);
}

std::optional<Real> airDensityFrom(Real startDensity, Real temperatureK, Real pressureBar) {
    if (!(temperatureK > 0) || !(pressureBar > 0) || !(startDensity > 0)) return std::nullopt;
    const AirResidualHelmholtz residual(temperatureK);
    const Real densityToDelta = 1.0L / (airMolarMass * airReducingDensity);
    const std::optional<Real> delta = solveByDifferenceNewton(
        [&](Real d) { return residual.pressureResidual(d, pressureBar); }, startDensity * densityToDelta);
    if (!delta || !(*delta > 0)) return std::nullopt;
    return *delta * airReducingDensity * airMolarMass;
}

std::optional<Real> airGasDensity(Real temperatureK, Real pressureBar) {
    const Real idealGasDensity = pressureBar * 1.0e5L / (287.0L * temperatureK);  // kg/m³
    return airDensityFrom(idealGasDensity, temperatureK, pressureBar);
}

std::optional<Real> airLiquidDensity(Real startDensity, Real temperatureK, Real pressureBar) {
    return airDensityFrom(startDensity, temperatureK, pressureBar);
}

}  // namespace velmora::media
