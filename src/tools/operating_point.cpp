#include "tools/operating_point.h"

#include <algorithm>
#include <cmath>

namespace velmora::tools {

namespace {

constexpr int kGridIntervals = 64;
constexpr int kMaxRefinements = 200;

int signOf(Real value) {
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

}  // namespace

std::optional<OperatingPoint> findOperatingPoint(const PumpCurve& pump, const SystemLoss& system,
                                                 Real lowFlow, Real highFlow,
                                                 const std::vector<Real>& sampleFlows) {
    const Real lo = std::max(lowFlow, pump.firstFlow());
    const Real hi = std::min(highFlow, pump.lastFlow());
    if (!(lo <= hi)) return std::nullopt;

    std::vector<Real> grid{lo, hi};
    for (const Real q : sampleFlows)
        if (q > lo && q < hi) grid.push_back(q);
    for (const PumpPoint& p : pump.points())
        if (p.flow > lo && p.flow < hi) grid.push_back(p.flow);
    for (int i = 1; i < kGridIntervals; ++i)
        grid.push_back(lo + (hi - lo) * static_cast<Real>(i) / kGridIntervals);
    std::sort(grid.begin(), grid.end());
    grid.erase(std::unique(grid.begin(), grid.end()), grid.end());

    const auto difference = [&](Real q) { return pump.pressureAt(q) - system(q); };
    std::vector<Real> d;
    d.reserve(grid.size());
    for (const Real q : grid) d.push_back(difference(q));

    // The last crossing: an exact zero at a grid flow, or a change of sign between two of them.
    const auto pointAt = [&](Real q) { return OperatingPoint{q, system(q), pump.headAt(q)}; };
    for (std::size_t k = grid.size(); k-- > 0;) {
        if (d[k] == 0) return pointAt(grid[k]);
        if (k == 0 || signOf(d[k - 1]) * signOf(d[k]) >= 0) continue;
        // Illinois variant of the false position: the bracket shrinks from both sides.
        Real a = grid[k - 1], b = grid[k], fa = d[k - 1], fb = d[k];
        int side = 0;
        for (int i = 0; i < kMaxRefinements && b - a > (std::fabs(a) + std::fabs(b)) * 1e-15L; ++i) {
            const Real c = b - fb * (b - a) / (fb - fa);
            const Real fc = difference(c);
            if (fc == 0) return pointAt(c);
            if (signOf(fc) == signOf(fb)) {
                b = c;
                fb = fc;
                if (side == -1) fa /= 2;
                side = -1;
            } else {
                a = c;
                fa = fc;
                if (side == 1) fb /= 2;
                side = 1;
            }
        }
        return pointAt(std::fabs(fa) < std::fabs(fb) ? a : b);
    }
    return std::nullopt;
}

}  // namespace velmora::tools
