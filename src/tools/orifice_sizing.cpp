#include "tools/orifice_sizing.h"

#include <array>
#include <cmath>
#include <numbers>

#include "engine/calc_error.h"
#include "engine/orifice_zeta.h"

namespace velmora::tools {

namespace {

constexpr std::size_t kPoints = 17;
constexpr std::array<Real, kPoints> kAreaRatios = {1e-6L, 2.5e-5L, 1e-4L, 4e-4L, 0.0016L, 0.0036L,
                                                   0.0064L, 0.01L, 0.04L, 0.09L, 0.16L, 0.25L,
                                                   0.36L, 0.49L, 0.64L, 0.81L, 0.98L};
// The resistance coefficients of each kind at those area ratios (ζ falls as m grows).
constexpr std::array<std::array<Real, kPoints>, 3> kStartZeta = {{
    {2.91e12L, 4.66e9L, 2.91e8L, 1.82e7L, 1.14e6L, 2.24e5L, 70500, 28708, 1714, 313, 88, 31, 11.8L, 4.67L,
     1.73L, 0.494L, 0.035L},
    {1.38e12L, 2.2e9L, 1.38e8L, 8.6e6L, 5.38e5L, 1.1e5L, 37200, 16382, 1255, 252, 74, 26, 10.1L, 3.89L, 1.37L,
     0.344L, 0.013L},
    {1.69e12L, 2.09e9L, 1.24e8L, 7.52e6L, 4.83e5L, 1.11e5L, 39800, 17377, 1137, 212, 60, 21, 7.8L, 2.81L,
     0.93L, 0.234L, 0.011L},
}};

constexpr Real kStep = 1e-8L;       // mm
constexpr Real kTolerance = 1e-8L;  // mm
constexpr int kMaxSteps = 100;

Real velocityIn(Real flow, Real diameter) {
    return flow * 4 * 10000 / (36 * std::numbers::pi_v<Real> * diameter * diameter);
}

}  // namespace

Real startAreaRatio(RestrictionKind kind, Real zeta) {
    const auto& z = kStartZeta[static_cast<std::size_t>(kind)];
    if (zeta > z.front()) return kAreaRatios.front();
    if (zeta <= z.back()) return 1;
    std::size_t i = 0;
    while (z[i + 1] >= zeta) ++i;  // z[i] >= ζ > z[i + 1]
    return kAreaRatios[i] + (zeta - z[i]) * (kAreaRatios[i + 1] - kAreaRatios[i]) / (z[i + 1] - z[i]);
}

Real restrictionZeta(const OrificeSizingInput& input, Real reynolds, Real bore) {
    switch (input.kind) {
        case RestrictionKind::SharpOrifice: return engine::sharpOrificeZeta(bore, input.pipeDiameter);
        case RestrictionKind::RoundedOrifice:
            return engine::roundedOrificeZeta(input.second, bore, input.pipeDiameter);
        case RestrictionKind::PerforatedPlate:
            return engine::thickOrificeZeta(reynolds * input.pipeDiameter / bore, input.second, bore,
                                            input.pipeDiameter);
    }
    return 0;
}

OrificeSizing sizeOrifice(const OrificeSizingInput& input) {
    OrificeSizing result;
    result.velocity = velocityIn(input.flow, input.pipeDiameter);
    result.reynolds = result.velocity * input.density * input.pipeDiameter * 1000 / input.viscosity;
    result.zeta = input.pressureLoss * 2 * 100000 / input.density / (result.velocity * result.velocity);
    if (!std::isfinite(result.reynolds) || !std::isfinite(result.zeta)) return result;
    result.startDiameter = input.pipeDiameter * std::sqrt(startAreaRatio(input.kind, result.zeta));
    const auto residual = [&](Real d) { return restrictionZeta(input, result.reynolds, d) - result.zeta; };
    try {
        Real d = result.startDiameter;
        bool settled = false;
        for (int n = 0; n < kMaxSteps && !settled; ++n) {
            const Real f = residual(d);
            if (f == 0) {
                settled = true;
                break;
            }
            // The difference step goes into the pipe when a step outwards would leave it.
            const Real h = d + kStep > input.pipeDiameter ? -kStep : kStep;
            const Real slope = (residual(d + h) - f) / h;
            const Real next = d - f / slope;
            result.steps = n + 1;
            if (!std::isfinite(next)) return result;
            settled = std::fabs(next - d) < kTolerance;
            d = next;
        }
        if (!settled || d <= 0 || d > input.pipeDiameter) return result;
        result.bore = d;
        result.boreReynolds = velocityIn(input.flow, d) * input.density * d * 1000 / input.viscosity;
    } catch (const engine::CalcError&) {
        result.bore.reset();
    }
    return result;
}

}  // namespace velmora::tools
