#include "media/water_region3.h"

#include <array>
#include <cmath>

#include "media/integer_power_table.h"
#include "media/newton_iteration.h"
#include "media/water_regions.h"
#include "media/water_saturation.h"

namespace velmora::media {

namespace {

struct HelmholtzTerm {
    int i;   // exponent of δ
    int j;   // exponent of τ
    Real n;  // coefficient
};

// IAPWS-IF97 table 30: n1 multiplies ln δ, the other 39 terms are n·δ^I·τ^J.
constexpr Real region3LogCoefficient = 0.10658070028513e1L;
constexpr std::array<HelmholtzTerm, 39> region3Terms = {{
    {0, 0, -0.15732845290239e2L},   {0, 1, 0.20944396974307e2L},    {0, 2, -0.76867707878716e1L},
    {0, 7, 0.26185947787954e1L},    {0, 10, -0.28080781148620e1L},  {0, 12, 0.12053369696517e1L},
    {0, 23, -0.84566812812502e-2L}, {1, 2, -0.12654315477714e1L},   {1, 6, -0.11524407806681e1L},
    {1, 15, 0.88521043984318L},     {1, 17, -0.64207765181607L},    {2, 0, 0.38493460186671L},
    {2, 2, -0.85214708824206L},     {2, 6, 0.48972281541877e1L},    {2, 7, -0.30502617256965e1L},
    {2, 22, 0.39420536879154e-1L},  {2, 26, 0.12558408424308L},     {3, 0, -0.27999329698710L},
    {3, 2, 0.13899799569460e1L},    {3, 4, -0.20189915023570e1L},   {3, 16, -0.82147637173963e-2L},
    {3, 26, -0.47596035734923L},    {4, 0, 0.43984074473500e-1L},   {4, 2, -0.44476435428739L},
    {4, 4, 0.90572070719733L},      {4, 26, 0.70522450087967L},     {5, 1, 0.10770512626332L},
    {5, 3, -0.32913623258954L},     {5, 26, -0.50871062041158L},    {6, 0, -0.22175400873096e-1L},
    {6, 2, 0.94260751665092e-1L},   {6, 26, 0.16436278447961L},     {7, 2, -0.13503372241348e-1L},
    {8, 26, -0.14834345352472e-1L}, {9, 2, 0.57922953628084e-3L},   {9, 26, 0.32308904703711e-2L},
    {10, 0, 0.80964802996215e-4L},  {10, 1, -0.16557679795037e-3L}, {11, 26, -0.44923899061815e-4L},
}};

// δ·φδ at one temperature. The τ powers do not change while the density is iterated, so each term's
// n·I·τ^J is worked out once.
class Region3Isotherm {
  public:
    explicit Region3Isotherm(Real temperatureK) {
        const IntegerPowerTable<0, 26> tauPower(waterCriticalTemperature / temperatureK);
        for (std::size_t k = 0; k < region3Terms.size(); ++k)
            coefficient_[k] = region3Terms[k].n * region3Terms[k].i * tauPower(region3Terms[k].j);
    }

    // δ·φδ = n1 + Σ n·I·δ^I·τ^J: the compressibility factor p/(ρ·R·T).
    Real deltaPhiDelta(Real delta) const {
        const IntegerPowerTable<0, 11> deltaPower(delta);
        Real sum = region3LogCoefficient;
        for (std::size_t k = 0; k < region3Terms.size(); ++k)
            sum += coefficient_[k] * deltaPower(region3Terms[k].i);
        return sum;
    }

    // (∂p/∂ρ)_T / (R·T) = δφδ + δ²φδδ = n1 + Σ n·I·(I + 1)·δ^I·τ^J. Positive on the stable branches;
    // negative inside the spinodal loop of the equation below the critical temperature.
    Real compressionSlope(Real delta) const {
        const IntegerPowerTable<0, 11> deltaPower(delta);
        Real sum = region3LogCoefficient;
        for (std::size_t k = 0; k < region3Terms.size(); ++k)
            sum += coefficient_[k] * (region3Terms[k].i + 1) * deltaPower(region3Terms[k].i);
        return sum;
    }

  private:
    std::array<Real, region3Terms.size()> coefficient_{};
};

// Pressures (bar) and starting densities (kg/m³) of the region 3 iteration.
struct StartPoint {
    Real pressure;  // bar abs.
    Real density;   // kg/m³
};
constexpr std::array<StartPoint, 14> startPoints = {{
    {170, 77},
    {180, 84},
    {200, 101},
    {220, 120},
    {240, 149},
    {250, 167},
    {300, 358},
    {400, 523},
    {500, 578},
    {600, 612},
    {700, 639},
    {800, 660},
    {900, 678},
    {1000, 693},
}};

}  // namespace

Real region3Pressure(Real densityKgM3, Real temperatureK) {
    const Region3Isotherm isotherm(temperatureK);
    // p = ρ·R·T·δφδ with R in kJ/(kg·K) gives kPa; ÷ 100 gives bar.
    return densityKgM3 * waterGasConstant * temperatureK *
           isotherm.deltaPhiDelta(densityKgM3 / waterCriticalDensity) / 100;
}

Real region3StartDensity(Real pressureBar) {
    if (pressureBar < startPoints.front().pressure) return startPoints.front().density;
    std::size_t k = 0;  // segment [k, k + 1], each including its lower end
    while (k + 2 < startPoints.size() && pressureBar >= startPoints[k + 1].pressure) ++k;
    const StartPoint& lower = startPoints[k];
    const StartPoint& upper = startPoints[k + 1];
    return lower.density + (pressureBar - lower.pressure) * (upper.density - lower.density) /
                               (upper.pressure - lower.pressure);
}

std::optional<Real> region3Density(Real temperatureK, Real pressureBar) {
    const Region3Isotherm isotherm(temperatureK);
    // p/(ρ·R·T) with p in MPa and R in kJ/(kg·K): (p/10)/ρ/R·1000/T.
    const Real reducedPressure = pressureBar / 10 / waterGasConstant * 1000 / temperatureK;
    const auto residual = [&](Real density) {
        return isotherm.deltaPhiDelta(density / waterCriticalDensity) - reducedPressure / density;
    };

    // Below the critical temperature the equation has a liquid, an unstable and a vapour root, and
    // beyond the densest water of the region its polynomial turns back and offers roots that are no
    // water at all. A root counts only if it lies on the stable branch, on the side of the
    // saturation line the state is on, and below the region 1 density at 623 K and the same
    // pressure (region 3 begins at 623.15 K, and water expands as it warms).
    const Real liquidStart = region1Density(623, pressureBar);  // kg/m³
    const Real densest = liquidStart * 1.001L;
    const bool belowCritical = temperatureK < waterCriticalTemperature;
    const bool liquidSide = saturationTemperature(pressureBar) > temperatureK;
    const auto isWater = [&](const std::optional<Real>& density) {
        if (!density || !(*density > 0) || !(*density <= densest)) return false;
        if (!(isotherm.compressionSlope(*density / waterCriticalDensity) > 0)) return false;
        return !belowCritical || liquidSide == (*density > waterCriticalDensity);
    };

    const bool startAsLiquid = temperatureK < 648 && pressureBar < 221 && liquidSide;
    const Real start = startAsLiquid ? liquidStart : region3StartDensity(pressureBar);
    if (std::optional<Real> density = solveByDifferenceNewton(residual, start); isWater(density))
        return density;

    // The low-density start does not reach the compressed liquid between 623 K and 648 K at
    // 221 bar and more (supercritical feedwater): from it the iteration ends in the spinodal loop
    // or on a spurious dense root. The same iteration from the liquid start finds it.
    if (!startAsLiquid)
        if (std::optional<Real> density = solveByDifferenceNewton(residual, liquidStart); isWater(density))
            return density;
    return std::nullopt;
}

}  // namespace velmora::media
