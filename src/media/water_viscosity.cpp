#include "media/water_viscosity.h"

#include <array>
#include <cmath>

#include "media/integer_power_table.h"

namespace velmora::media {

namespace {

constexpr Real referenceTemperature = 647.226L;  // K, T*
constexpr Real referenceDensity = 317.763L;      // kg/m³, ρ*
constexpr Real referenceViscosity = 55.071L;     // 10⁻⁶ kg/(m·s), μ*

// Dilute-gas part: μ0 = √(T/T*) / Σ Hi·(T*/T)^i.
constexpr std::array<Real, 4> dilute = {1.000000L, 0.978197L, 0.579829L, -0.202354L};

// Finite-density part: μ1 = exp(ρ/ρ* · Σ Hij·(T*/T − 1)^i·(ρ/ρ* − 1)^j), the 19 non-zero Hij.
struct DensityTerm {
    int i;
    int j;
    Real h;
};
constexpr std::array<DensityTerm, 19> densityTerms = {{
    {0, 0, 0.5132047L}, {0, 1, 0.2151778L},    {0, 2, -0.2818107L}, {0, 3, 0.1778064L}, {0, 4, -0.0417661L},
    {1, 0, 0.3205656L}, {1, 1, 0.7317883L},    {1, 2, -1.070786L},  {1, 3, 0.4605040L}, {1, 5, -0.01578386L},
    {2, 1, 1.241044L},  {2, 2, -1.263184L},    {2, 3, 0.2340379L},  {3, 1, 1.476783L},  {3, 3, -0.4924179L},
    {3, 4, 0.1600435L}, {3, 6, -0.003629481L}, {4, 0, -0.7782567L}, {5, 0, 0.1885447L},
}};

}  // namespace

Real waterViscosity(Real temperatureK, Real densityKgM3) {
    const Real inverseTemperature = referenceTemperature / temperatureK;  // T*/T
    const Real reducedDensity = densityKgM3 / referenceDensity;

    Real diluteSum = 0;
    Real power = 1;
    for (Real h : dilute) {
        diluteSum += h * power;
        power *= inverseTemperature;
    }
    const Real mu0 = std::sqrt(temperatureK / referenceTemperature) / diluteSum;

    const IntegerPowerTable<0, 5> temperatureTerm(inverseTemperature - 1);
    const IntegerPowerTable<0, 6> densityTerm(reducedDensity - 1);
    Real sum = 0;
    for (const DensityTerm& t : densityTerms) sum += t.h * temperatureTerm(t.i) * densityTerm(t.j);
    const Real mu1 = std::exp(reducedDensity * sum);

    return referenceViscosity * mu0 * mu1;
}

}  // namespace velmora::media
