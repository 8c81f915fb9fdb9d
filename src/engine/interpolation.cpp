#include "engine/interpolation.h"

#include "engine/checked_math.h"

namespace velmora::engine {

Real interpolateLinear(Real y2, Real y1, Real x2, Real x1, Real x) {
    return y1 + checkedDivide((x - x1) * (y2 - y1), x2 - x1, "interpolateLinear");
}

void noteOutsideRange(Notices* notices, TableArgument argument, Real value, Real heldAt) {
    if (notices) notices->push_back({NoticeKind::OutsideCorrelationRange, argument, value, heldAt});
}

Real lookup(const PointTable& table, Real x, Notices* notices) {
    const auto& points = table.points;
    requireFinite(x, "table lookup");
    const TablePoint& first = points.front();
    const TablePoint& last = points.back();
    if (x < first.x) {
        if (!table.closedBelow) noteOutsideRange(notices, table.argument, x, first.x);
        return first.y;
    }
    if (x > last.x && !table.closedAbove) {
        noteOutsideRange(notices, table.argument, x, last.x);
        return last.y;
    }
    if (x >= last.x) return last.y;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        if (x < points[i + 1].x) {
            return interpolateLinear(points[i + 1].y, points[i].y, points[i + 1].x, points[i].x, x);
        }
    }
    return last.y;
}

}  // namespace velmora::engine
