#pragma once

#include <span>

#include "engine/notice.h"
#include "model/real.h"

namespace velmora::engine {

using model::Real;

// y₁ + (x − x₁) · (y₂ − y₁) / (x₂ − x₁): the straight line through (x₁, y₁) and (x₂, y₂) at x.
Real interpolateLinear(Real y2, Real y1, Real x2, Real x1, Real x);

struct TablePoint {
    Real x;
    Real y;
};

// A correlation given as points x₀ → y₀, x₁ → y₁, … with x rising. In each band xᵢ ≤ x < xᵢ₊₁ the
// value is interpolated between the band's two points; at and beyond the last point the last value
// applies. Below the first point the first value applies. Where the correlation defines no value
// beyond an end (`closedBelow` / `closedAbove` false) the end value is held and an
// OutsideCorrelationRange notice naming `argument` is added to `notices` (when given).
struct PointTable {
    std::span<const TablePoint> points;
    TableArgument argument = TableArgument::None;
    bool closedBelow = false;  // the first value is the correlation's value below the first point
    bool closedAbove = false;  // the last value is the correlation's value above the last point
};

Real lookup(const PointTable& table, Real x, Notices* notices);

// Adds an OutsideCorrelationRange notice when `notices` is given.
void noteOutsideRange(Notices* notices, TableArgument argument, Real value, Real heldAt);

}  // namespace velmora::engine
