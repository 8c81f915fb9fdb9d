#include "engine/tee_zeta.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace velmora::engine {
namespace {

using testing::within;

// D1 = 100, D2 = 50 (m = 0.25), sharp corner.
const TeeGeometry kSharp90{100, 50, 0, 90};

TEST(DividingTeeZeta, PassageAndBranch) {
    // Passage, r = 0.5: 0.03 · 0.25 − 0.2 · 0.25 + 0.35 · 0.25 = 0.045.
    EXPECT_NEAR(dividingTeeZeta(TeePath::Passage, kSharp90, 0.5L), 0.045L, 1e-15L);
    // Branch, α 90°, r 0.4: β = 45°, tan β = 1:
    // (4 + 1) · 0.6 · 0.4 · 0.4 + 0.95 · 0.36 + (1.3 − 0.3 + 1 · (0.4 − 0.025) / 0.0625) · 0.16
    //   = 0.48 + 0.342 + 7 · 0.16 = 1.942.
    EXPECT_NEAR(dividingTeeZeta(TeePath::Branch, kSharp90, 0.4L), 1.942L, 1e-14L);
    // Branch, α 45°, R 10, r 0.3: β = 67.5°, tan β = 2.414214; √((10/100) / 0.25) = 0.632456:
    // 5 · 0.7 · 0.12 / 2.414214 + 0.95 · 0.49 + (1.3 / 2.414214 − 0.3 + 0.430790 · 6) · 0.09 = 0.8935593.
    EXPECT_NEAR(dividingTeeZeta(TeePath::Branch, {100, 50, 10, 45}, 0.3L), 0.8935592944259855L, 1e-13L);
}

TEST(CombiningTeeZeta, PassageAndBranch) {
    // α 90° (cos 0), R 0, m 0.25, r 0.4: common term (2 − 0.25) · 0.4 · 0.6 = 0.42.
    // Passage: 0.42 + 0.03 · 0.36 − (1.62 · (0 − 1) + 1 − 0.38 · 0.75) · 0.16 = 0.42 + 0.0108 + 0.1448.
    EXPECT_NEAR(combiningTeeZeta(TeePath::Passage, kSharp90, 0.4L), 0.5756L, 1e-14L);
    // Branch: 0.42 − 0.92 · 0.36 − (1.2 · (0 − 1) + 0.8 · (1 − 16) − 3 · 0) · 0.16 = 0.0888 + 2.112.
    EXPECT_NEAR(combiningTeeZeta(TeePath::Branch, kSharp90, 0.4L), 2.2008L, 1e-14L);
    // α 45°, R 10, D2 70 (m 0.49), r 0.3, worked the same way.
    EXPECT_NEAR(combiningTeeZeta(TeePath::Passage, {100, 70, 10, 45}, 0.3L), 0.20725179310032016L, 1e-13L);
    EXPECT_NEAR(combiningTeeZeta(TeePath::Branch, {100, 70, 10, 45}, 0.3L), 0.1251702279891328L, 1e-13L);
}

TEST(LaminarDividingTeeZeta, PassageIsThreeTimesTurbulentPlus33OverRe) {
    EXPECT_NEAR(laminarDividingTeeZeta(TeePath::Passage, 1000, 0.2L, kSharp90, 0.5L), 0.633L, 1e-15L);
}

TEST(LaminarDividingTeeZeta, BranchFactorK) {
    struct Case {
        const char* name;
        TeeGeometry tee;
        Real flowRatio;
        Real k;  // from the branch-factor table; ζ = 1 · (K + 1) + 150 / 1000
    };
    const Case cases[] = {
        {"r 0.04 rounds to row 0", kSharp90, 0.04L, 0.9L},
        {"branch wider than main, r 0.4", {50, 100, 0, 90}, 0.4L, 0.9L},
        {"branch wider than main, r 0.5", {50, 100, 0, 90}, 0.5L, 0},
        {"row 3 at 45", {100, 50, 0, 45}, 0.3L, 2.35L},
        {"row 3 at 37.5, between 30 and 45",
         {100, 50, 0, 37.5L},
         0.3L,
         2.475L},  // 2.6 + 7.5 · (2.35 − 2.6) / 15
        {"row 3 exactly 90", {100, 50, 0, 90}, 0.3L, 1.2L},
        {"r 0.25 rounds half away to row 3", {100, 50, 0, 60}, 0.25L, 1.85L},
        {"row 10 at 60", {100, 50, 0, 60}, 0.96L, 2.3L},
        {"row 1 at 0", {100, 50, 0, 0}, 0.1L, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(laminarDividingTeeZeta(TeePath::Branch, 1000, 1.0L, c.tee, c.flowRatio, &notices),
                    c.k + 1.0L + 0.15L, 1e-15L);
        EXPECT_TRUE(notices.empty());
    }
}

TEST(LaminarDividingTeeZeta, BranchAngleAbove90HoldsThe90ColumnWithANotice) {
    Notices notices;
    EXPECT_NEAR(laminarDividingTeeZeta(TeePath::Branch, 1000, 1.0L, {100, 50, 0, 120}, 0.3L, &notices),
                1.2L + 1.0L + 0.15L, 1e-15L);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], (Notice{NoticeKind::OutsideCorrelationRange, TableArgument::TeeAngle, 120, 90}));
}

TEST(LaminarCombiningTeeZeta, PassageTermByAreaAndFlowRatio) {
    struct Case {
        const char* name;
        Real branchDiameter;  // mm, with D1 = 100
        Real flowRatio;
        Real term;  // T = u (1 − r)² − (1.6 − 0.3 m) (r / m)²
    };
    const Case cases[] = {
        // m 0.25: u = 1.8 − 0.4 = 1.4; 1.4 · 0.36 − 1.525 · 2.56 = 0.504 − 3.904.
        {"m 0.25 r 0.4", 50, 0.4L, -3.4L},
        // m 0.49: r ≤ 0.2, u = 1.8 − 0.4 = 1.4; 1.4 · 0.81 − 1.453 · (0.1/0.49)².
        {"m 0.49 r 0.1", 70, 0.1L, 1.134L - 1.453L * (0.1L / 0.49L) * (0.1L / 0.49L)},
        // m 0.49: r > 0.2, u = 1.2 − 0.3 = 0.9; 0.9 · 0.49 − 1.453 · (0.3/0.49)².
        {"m 0.49 r 0.3", 70, 0.3L, 0.441L - 1.453L * (0.3L / 0.49L) * (0.3L / 0.49L)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(laminarCombiningTeeZeta(TeePath::Passage, 1000, 0.5L, {100, c.branchDiameter, 0, 90},
                                            c.flowRatio),
                    1.0L + c.term, within(c.term, 1e-13L));
    }
    // Branch: 2 ζt + 150 / Re.
    EXPECT_NEAR(laminarCombiningTeeZeta(TeePath::Branch, 1000, 0.5L, kSharp90, 0.4L), 1.15L, 1e-15L);
}

TEST(SplitTeeZeta, OnePlusTheAreaTerm) {
    EXPECT_NEAR(splitTeeZeta(100, 50), 2.2L, 1e-15L);  // 1 + 0.075 · 4²
    EXPECT_NEAR(splitTeeZeta(100, 100), 1.075L, 1e-15L);
}

TEST(TeeTableZeta, PointsBandsAndHolds) {
    struct Case {
        const char* name;
        Real zeta;
        Real expected;
        std::size_t notices;
    };
    Notices n[8];
    const Case cases[] = {
        {"angle 10", teeAngleTableZeta(10, &n[0]), 0.1L, 0},
        {"angle 37.5", teeAngleTableZeta(37.5L, &n[1]), 0.5L, 0},  // 0.3 + 7.5 · 0.4 / 15
        {"angle 90 closing", teeAngleTableZeta(90, &n[2]), 1.4L, 0},
        {"angle 95 held", teeAngleTableZeta(95, &n[3]), 1.4L, 1},
        {"R/D 0.75", teeRadiusTableZeta(75, 100, &n[4]), 0.6L, 0},
        {"R/D 1.25", teeRadiusTableZeta(125, 100, &n[5]), 0.325L, 0},  // 0.4 + 0.25 · (0.25 − 0.4) / 0.5
        {"R/D 2.5 held", teeRadiusTableZeta(250, 100, &n[6]), 0.2L, 1},
        {"R/D 0.4 held", teeRadiusTableZeta(40, 100, &n[7]), 1.1L, 1},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_NEAR(cases[i].zeta, cases[i].expected, 1e-15L);
        EXPECT_EQ(n[i].size(), cases[i].notices);
    }
    EXPECT_EQ(n[6][0], (Notice{NoticeKind::OutsideCorrelationRange, TableArgument::TeeRadiusRatio, 2.5L, 2}));
}

}  // namespace
}  // namespace velmora::engine
