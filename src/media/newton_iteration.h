#pragma once

#include <cmath>
#include <optional>

#include "model/real.h"

namespace velmora::media {

using model::Real;

// Newton's method with a forward-difference slope: x <- x - f(x)·h/(f(x + h) - f(x)), repeated until
// a step changes x by less than `tolerance`. The property routines use it with h = 1e-8 and at most
// 100 steps. Returns nothing when a value turns non-finite, the slope vanishes, or the steps run out
// before the change falls below the tolerance: a root that was not found is never returned.
template <class Function>
std::optional<Real> solveByDifferenceNewton(Function&& f, Real start, Real step = 1e-8L,
                                            Real tolerance = 1e-8L, int maxSteps = 100) {
    Real x = start;
    for (int i = 0; i < maxSteps; ++i) {
        const Real fx = f(x);
        const Real slope = f(x + step) - fx;
        if (!std::isfinite(fx) || !std::isfinite(slope) || slope == 0) return std::nullopt;
        const Real next = x - fx * step / slope;
        if (!std::isfinite(next)) return std::nullopt;
        const Real change = std::fabs(next - x);
        x = next;
        if (change < tolerance) return x;
    }
    return std::nullopt;
}

}  // namespace velmora::media
