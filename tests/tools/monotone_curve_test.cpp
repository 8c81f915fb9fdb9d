#include "tools/monotone_curve.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace velmora::tools {
namespace {

TEST(MonotoneCurve, HandWorkedValue) {
    // (0,0), (1,1), (2,4): secants 1 and 3, tangents 1, 2, 3 (inside the limit circle). At 0.5 the
    // Hermite basis is 0.5, 0.125, 0.5, −0.125: 0.125 · 1 + 0.5 · 1 − 0.125 · 2 = 0.375.
    const MonotoneCurve curve({0, 1, 2}, {0, 1, 4});
    EXPECT_NEAR(curve(0.5L), 0.375L, 1e-15L);
    EXPECT_NEAR(curve(1), 1, 1e-15L);
    EXPECT_EQ(curve.tangents(), (std::vector<Real>{1, 2, 3}));
}

TEST(MonotoneCurve, StraightLineStaysStraight) {
    const MonotoneCurve curve({0, 10, 20, 40}, {20, 15, 10, 0});
    for (Real q = 0; q <= 40; q += 0.5L)
        EXPECT_NEAR(curve(q), 20 - 0.5L * q, 1e-12L) << static_cast<double>(q);
}

TEST(MonotoneCurve, NeverOvershootsSteepData) {
    // Akima's data that Fritsch and Carlson use to show the overshoot of a cubic spline: a
    // monotone rise with a sharp knee. The curve must rise everywhere and stay within 0 … 0.999994.
    const std::vector<Real> x{7.99L, 8.09L, 8.19L, 8.7L, 9.2L, 10, 12, 15, 20};
    const std::vector<Real> y{0,         2.76429e-5L, 4.37498e-2L, 0.169183L, 0.469428L,
                              0.943740L, 0.998636L,   0.999919L,   0.999994L};
    const MonotoneCurve curve(x, y);
    Real before = curve(x.front());
    for (Real q = x.front(); q <= x.back(); q += 0.001L) {
        const Real value = curve(q);
        EXPECT_GE(value, before - 1e-15L) << static_cast<double>(q);
        EXPECT_LE(value, y.back() + 1e-15L);
        before = value;
    }
}

TEST(MonotoneCurve, FallingPumpCurveWithFlatPartStaysWithinItsPoints) {
    // A pump curve flat at shut-off, then falling steeply: no bump above the shut-off head, no dip
    // below the last head, and flat where the points are level.
    const std::vector<Real> q{0, 5, 10, 12, 14};
    const std::vector<Real> h{30, 30, 28, 20, 5};
    const MonotoneCurve curve(q, h);
    for (Real x = 0; x <= 14; x += 0.01L) {
        EXPECT_LE(curve(x), 30 + 1e-12L);
        EXPECT_GE(curve(x), 5 - 1e-12L);
    }
    EXPECT_NEAR(curve(2.5L), 30, 1e-12L);
    for (std::size_t k = 0; k + 1 < q.size(); ++k)
        for (Real x = q[k]; x <= q[k + 1]; x += 0.01L) EXPECT_LE(curve(x + 0.01L), curve(x) + 1e-12L);
}

TEST(MonotoneCurve, HoldsEndValuesOutsideAndRefusesBadPoints) {
    const MonotoneCurve curve({1, 2, 3}, {5, 4, 2});
    EXPECT_EQ(curve(0), 5);
    EXPECT_EQ(curve(4), 2);
    EXPECT_TRUE(curve.covers(2.5L));
    EXPECT_FALSE(curve.covers(3.5L));
    EXPECT_THROW(MonotoneCurve({1}, {1}), std::invalid_argument);
    EXPECT_THROW(MonotoneCurve({1, 1, 2}, {1, 2, 3}), std::invalid_argument);
    EXPECT_THROW(MonotoneCurve({1, 2}, {1}), std::invalid_argument);
}

}  // namespace
}  // namespace velmora::tools
