#include "engine/checked_math.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "engine/interpolation.h"
#include "engine_test_support.h"

namespace velmora::engine {
namespace {

TEST(CheckedMath, FailuresNameTheRoutineAndTheFault) {
    const Real inf = std::numeric_limits<Real>::infinity();
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    struct Case {
        const char* name;
        std::function<void()> call;
        const char* message;
    };
    const Case cases[] = {
        {"root of negative", [] { checkedSqrt(-0.5L, "r"); }, "r: square root of a negative number (-0.5)"},
        {"root of NaN", [&] { checkedSqrt(nan, "r"); }, "r: square root of a negative number"},
        {"log of zero", [] { checkedLog(0, "r"); }, "r: logarithm of a number not above zero (0)"},
        {"log10 of negative", [] { checkedLog10(-2, "r"); }, "r: logarithm of a number not above zero (-2)"},
        {"fractional power of negative", [] { checkedPow(-8, 1.0L / 3, "r"); },
         "fractional power of a negative number"},
        {"negative power of zero", [] { checkedPow(0, -1, "r"); }, "negative power of zero"},
        {"power overflow", [] { checkedPow(1e300L, 1e3L, "r"); }, "power out of range"},
        {"exp overflow", [] { checkedExp(1e6L, "r"); }, "exponential out of range"},
        {"division by zero", [] { checkedDivide(1, 0, "r"); }, "r: division by zero"},
        {"quotient overflow", [] { checkedDivide(1e4000L, 1e-4000L, "r"); }, "quotient out of range"},
        {"arc cosine above 1", [] { checkedAcos(1.5L, "r"); }, "arc cosine of a number outside [-1, 1]"},
        {"infinite value", [&] { requireFinite(inf, "r"); }, "r: non-finite value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::expectCalcError(c.call, c.message);
    }
}

TEST(CheckedMath, ValidArgumentsPassThrough) {
    EXPECT_EQ(checkedSqrt(0, ""), 0);
    EXPECT_EQ(checkedPow(-2, 3, ""), -8);  // integral exponent of a negative base
    EXPECT_EQ(checkedPow(0, 0.5L, ""), 0);
    EXPECT_EQ(checkedDivide(0, 5, ""), 0);
    EXPECT_NEAR(cosDegrees(60), 0.5L, 1e-18L);
    EXPECT_NEAR(tanDegrees(45), 1, 1e-18L);
}

TEST(InterpolateLinear, StraightLineThroughTwoPoints) {
    EXPECT_EQ(interpolateLinear(3, 1, 20, 10, 15), 2);  // y₁ + (x − x₁)(y₂ − y₁)/(x₂ − x₁)
    EXPECT_EQ(interpolateLinear(3, 1, 20, 10, 10), 1);
    EXPECT_EQ(interpolateLinear(3, 1, 20, 10, 30), 5);  // extrapolates when asked
    testing::expectCalcError([] { interpolateLinear(3, 1, 10, 10, 10); },
                             "interpolateLinear: division by zero");
}

}  // namespace
}  // namespace velmora::engine
