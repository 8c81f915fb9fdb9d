#include "tools/axis_scale.h"

#include <gtest/gtest.h>

namespace velmora::tools {
namespace {

struct StepCase {
    const char* name;
    Real span;
    AxisKind kind;
    Real step;
    int decimals;
};

// Worked by hand from the rule: s = span / 10 brought into (0.999, 10) by powers of ten, rounded,
// mapped to 1, 2, 2.5, 5 or 10.
const StepCase stepCases[] = {
    {"span 0.83: s 0.083, j 2, m 8 to 10", 0.83L, AxisKind::Pressure, 0.1L, 2},
    {"span 0.23: s 0.023, j 2, m 2", 0.23L, AxisKind::Pressure, 0.02L, 2},
    {"span 3.1: s 0.31, j 1, m 3 to 2.5, one more decimal", 3.1L, AxisKind::Pressure, 0.25L, 2},
    {"span 47: s 4.7, m 5", 47, AxisKind::Pressure, 5, 0},
    {"span 10: s 1, m 1", 10, AxisKind::Flow, 1, 0},
    {"span 9: s 0.9, j 1, m 9 to 10", 9, AxisKind::Flow, 1, 1},
    {"span 250: s 25, j 1, 2.5 rounds to 3, nice 2.5, no extra decimal", 250, AxisKind::Pressure, 25, 0},
    {"span 700: s 70, j 1, m 7 to 5", 700, AxisKind::Pressure, 50, 0},
    {"span 0.0002: s 2e-5, j 5, scientific", 0.0002L, AxisKind::Pressure, 2e-5L, 4},
    {"span 0.00032: s 3.2e-5, j 5, 2.5 adds a decimal", 0.00032L, AxisKind::Pressure, 2.5e-5L, 5},
    {"span 1e6: s 1e5, j 5, scientific", 1e6L, AxisKind::Pressure, 1e5L, 4},
    {"flow span 30000: step 2500 above 1000, scientific", 30000, AxisKind::Flow, 2500, 4},
    {"pressure span 30000: step 2500, fixed", 30000, AxisKind::Pressure, 2500, 0},
    {"span 0.0099: s 0.00099 needs j 4 (0.99 is not above 0.999), so scientific", 0.0099L, AxisKind::Flow,
     0.001L, 4},
    {"span 0.012: s 0.0012, j 3, m 1", 0.012L, AxisKind::Flow, 0.001L, 3},
};

class NiceStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(NiceStepTest, FollowsTheRule) {
    const StepCase& c = GetParam();
    const NiceStep step = niceStep(c.span, c.kind);
    EXPECT_NEAR(step.step, c.step, c.step * 1e-12L) << c.name;
    EXPECT_EQ(step.decimals, c.decimals) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Spans, NiceStepTest, ::testing::ValuesIn(stepCases));

TEST(RoundDownToOneDigit, AboveTenAndBelowOneOnly) {
    const std::pair<Real, Real> cases[] = {{347, 300}, {20, 20},         {10, 10},      {5.5L, 5.5L},
                                           {1, 1},     {0.0347L, 0.03L}, {0.3L, 0.3L},  {0.1L, 0.1L},
                                           {0, 0},     {-3.7L, -3.7L},   {12345, 10000}};
    for (const auto& [value, rounded] : cases)
        EXPECT_NEAR(roundDownToOneDigit(value), rounded, 1e-12L) << static_cast<double>(value);
}

TEST(ScaleAxis, MbarCurveKeepsItsRoundedMinimumUnlessTenfold) {
    // 347 … 900 mbar: the minimum becomes 300; 900 < 10 · 300, so the axis does not start at 0.
    const AxisScale y = scaleAxis(347, 900, AxisKind::Pressure);
    EXPECT_EQ(y.min, 300);
    EXPECT_EQ(y.step, 50);
    EXPECT_EQ(y.intervals, 12);
    EXPECT_EQ(y.max, 900);
    // 20 … 900 mbar: 20 stays, and 900 ≥ 10 · 20 starts the axis at 0.
    const AxisScale wide = scaleAxis(20, 900, AxisKind::Pressure);
    EXPECT_EQ(wide.min, 0);
    EXPECT_EQ(wide.step, 100);
}

TEST(ScaleAxis, StartsAtZeroWhenTheMaximumIsTenTimesTheMinimum) {
    const AxisScale x = scaleAxis(1, 10, AxisKind::Flow);
    EXPECT_EQ(x.min, 0);
    EXPECT_EQ(x.step, 1);
    EXPECT_EQ(x.intervals, 10);
    const AxisScale narrow = scaleAxis(2, 10, AxisKind::Flow);  // 10 < 20: starts at 2
    EXPECT_EQ(narrow.min, 2);
}

TEST(ScaleAxis, CoversTheLargestValue) {
    // Span 47 has step 5; 9.4 steps are 10 intervals, so 47 lies inside the axis.
    const AxisScale y = scaleAxis(0, 47, AxisKind::Pressure);
    EXPECT_EQ(y.intervals, 10);
    EXPECT_EQ(y.max, 50);
    // Exactly on a tick: no extra interval.
    EXPECT_EQ(scaleAxis(0, 50, AxisKind::Pressure).intervals, 10);
}

TEST(ScaleAxis, FlatAndNegativeCurves) {
    // A height difference alone gives a flat curve: the axis opens down to 0.
    const AxisScale flat = scaleAxis(0.97923L, 0.97923L, AxisKind::Pressure);
    EXPECT_EQ(flat.min, 0);
    EXPECT_GE(flat.max, 0.97923L);
    // A falling pipeline whose curve starts below 0: 0 is a tick and the whole curve is inside.
    const AxisScale falling = scaleAxis(-0.3L, 0.5L, AxisKind::Pressure);
    EXPECT_LE(falling.min, -0.3L + 1e-12L);
    EXPECT_GE(falling.max, 0.5L - 1e-12L);
    bool zeroIsTick = false;
    for (int i = 0; i <= falling.intervals; ++i) zeroIsTick = zeroIsTick || falling.tick(i) == 0;
    EXPECT_TRUE(zeroIsTick);
}

TEST(AxisLabels, FixedAndScientificForms) {
    EXPECT_EQ(axisLabel(0.25L, 2, AxisKind::Pressure, false), "0.25");
    EXPECT_EQ(axisLabel(0.25L, 2, AxisKind::Pressure, true), "0,25");
    EXPECT_EQ(axisLabel(300, 0, AxisKind::Pressure, true), "300");
    EXPECT_EQ(axisLabel(12500, 4, AxisKind::Flow, false), "1.25E+04");
    EXPECT_EQ(axisLabel(12500, 4, AxisKind::Flow, true), "1,25E+04");
    EXPECT_EQ(axisLabel(2.5e-5L, 5, AxisKind::Pressure, false), "2.50000E-05");
    EXPECT_EQ(axisLabel(2.5e-5L, 5, AxisKind::Flow, false), "2.50E-05");
    // A tick that is zero but for rounding is written as 0.
    const AxisScale axis{-0.3L, 0.5L, 0.1L, 8, 1};
    EXPECT_EQ(axisLabels(axis, AxisKind::Pressure, false)[3], "0.0");
}

TEST(PressureAxisUnit, BarMbarOrPsi) {
    EXPECT_EQ(pressureAxisUnit(0.02L, 0.9L, model::UnitSystem::Metric).label, "mbar");
    EXPECT_EQ(pressureAxisUnit(0.02L, 0.9L, model::UnitSystem::Metric).factor, 1000);
    EXPECT_EQ(pressureAxisUnit(0.5L, 1.0L, model::UnitSystem::Metric).label, "bar");
    EXPECT_EQ(pressureAxisUnit(-1.5L, 0.3L, model::UnitSystem::Metric).label, "bar");
    EXPECT_EQ(pressureAxisUnit(0.02L, 0.9L, model::UnitSystem::Us).label, "psi");
    EXPECT_EQ(pressureAxisUnit(0.02L, 0.9L, model::UnitSystem::Us).factor, 1);
}

}  // namespace
}  // namespace velmora::tools
