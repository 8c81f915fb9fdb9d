#pragma once

#include <vector>

#include "model/real.h"

namespace velmora::tools {

using model::Real;

// A piecewise cubic Hermite curve through points with increasing x whose tangents are limited by
// the rule of Fritsch and Carlson (SIAM J. Numer. Anal. 17 (1980) 238–246): on every interval the
// curve runs monotonically between its two points, so it never overshoots them. Used for the pump
// characteristic, whose points a plain cubic spline would swing around.
class MonotoneCurve {
  public:
    // At least two points, x strictly increasing; std::invalid_argument otherwise.
    MonotoneCurve(std::vector<Real> x, std::vector<Real> y);

    Real first() const { return x_.front(); }
    Real last() const { return x_.back(); }
    bool covers(Real x) const { return x >= first() && x <= last(); }

    // The value at x; outside the points the end value is held (no extrapolation).
    Real operator()(Real x) const;

    const std::vector<Real>& tangents() const { return m_; }

  private:
    std::vector<Real> x_, y_, m_;
};

}  // namespace velmora::tools
