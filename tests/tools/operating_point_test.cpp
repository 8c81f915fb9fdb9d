#include "tools/operating_point.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::tools {
namespace {

// A density that makes 1 m of head exactly 0.1 bar: ρ g = 10000 Pa/m.
constexpr Real kTenthBarPerMetre = 10000 / 9.81L;

// The pump H = 20 − 0.5 Q (m, Q in m³/h), i.e. Δp = 2 − 0.05 Q bar, given by five points; a
// straight line stays straight under the monotone interpolation.
PumpCurve linearPump() {
    return PumpCurve({{0, 20}, {10, 15}, {20, 10}, {30, 5}, {40, 0}}, HeadUnit::Metre, kTenthBarPerMetre,
                     model::UnitSystem::Metric);
}

TEST(OperatingPoint, QuadraticSystemAndLinearPumpByHand) {
    // System Δp = 0.5 + 0.01 Q² bar (static head and friction). 0.5 + 0.01 Q² = 2 − 0.05 Q gives
    // Q² + 5 Q − 150 = 0, Q = (−5 + √625) / 2 = 10 m³/h, Δp = 1.5 bar, H = 15 m.
    const SystemLoss system = [](Real q) { return 0.5L + 0.01L * q * q; };
    const PumpCurve pump = linearPump();
    // Drawn with only three points the polyline is far off the parabola; the crossing is still exact.
    const auto point = findOperatingPoint(pump, system, 0, 40, {0, 20, 40});
    ASSERT_TRUE(point);
    EXPECT_NEAR(point->flow, 10, 1e-10L);
    EXPECT_NEAR(point->pressure, 1.5L, 1e-10L);
    EXPECT_NEAR(point->head, 15, 1e-9L);
}

TEST(OperatingPoint, NoneWhenTheCurvesDoNotCross) {
    const PumpCurve pump = linearPump();
    // The static head alone (2.5 bar) is above the pump's shut-off pressure.
    EXPECT_FALSE(findOperatingPoint(pump, [](Real q) { return 2.5L + 0.001L * q * q; }, 0, 40, {}));
    // A pump whose flows lie beyond the diagram.
    const PumpCurve far({{100, 20}, {110, 15}, {120, 10}}, HeadUnit::Metre, kTenthBarPerMetre,
                        model::UnitSystem::Metric);
    EXPECT_FALSE(findOperatingPoint(far, [](Real q) { return 0.01L * q * q; }, 0, 40, {}));
}

TEST(OperatingPoint, OnlyWithinTheDiagram) {
    // The crossing at 10 m³/h lies outside a diagram of 12 … 40 m³/h.
    EXPECT_FALSE(findOperatingPoint(linearPump(), [](Real q) { return 0.5L + 0.01L * q * q; }, 12, 40, {}));
}

TEST(OperatingPoint, TheHighestCrossingWhenThereAreSeveral) {
    // A system curve that meets the pump line at Q = 5, 30 and 40 (pump − system =
    // −0.0001 (Q − 5)(Q − 30)(Q − 40)); inside a diagram up to 35 the highest crossing is 30.
    const SystemLoss system = [](Real q) {
        return 2 - 0.05L * q + 0.001L * (q - 5) * (q - 30) * (q - 40) / 10;
    };
    const auto point = findOperatingPoint(linearPump(), system, 0, 35, {0, 10, 20, 30});
    ASSERT_TRUE(point);
    EXPECT_NEAR(point->flow, 30, 1e-9L);
}

TEST(OperatingPoint, ExactZeroAtAGridFlow) {
    const auto point = findOperatingPoint(linearPump(), [](Real q) { return 0.05L * q; }, 0, 40, {20});
    ASSERT_TRUE(point);
    EXPECT_NEAR(point->flow, 20, 1e-12L);
    EXPECT_NEAR(point->pressure, 1.0L, 1e-12L);
}

}  // namespace
}  // namespace velmora::tools
