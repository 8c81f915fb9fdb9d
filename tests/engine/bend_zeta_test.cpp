#include "engine/bend_zeta.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine_test_support.h"

namespace velmora::engine {
namespace {

using testing::colebrookByBisection;
using testing::within;

TEST(LaminarBendZeta, DeanNumberDecidesTheForm) {
    // Re 1000, 90°, R 100, D 50: De = 500 · √(50/200) = 250 ≤ 1000 → 0.415 · 90 · 2 · 250^0.36 / 1000.
    EXPECT_NEAR(laminarBendZeta(1000, 90, 100, 50), 0.5452290723366584L, 1e-13L);
    // Re 2300, 90°, R 25, D 50: De = 1150 · √1 = 1150 > 1000 → 0.082 · 90 / 2300^0.45 · 0.5^0.725.
    EXPECT_NEAR(laminarBendZeta(2300, 90, 25, 50), 0.13709830603817255L, 1e-13L);
}

TEST(BendRoughnessRegime, LaterRulesOverrideEarlierOnes) {
    struct Case {
        const char* name;
        Real relativeRoughness, reynolds;
        BendRoughnessRegime regime;
    };
    // Limiting Re = (2.89 / (1000 Δ + 1))^12: 339449 for Δ = 0, 2616 for Δ = 0.0005.
    const Case cases[] = {
        {"smooth below the limit is transition", 0, 1e5L, BendRoughnessRegime::Transition},
        {"smooth above the limit", 0, 4e5L, BendRoughnessRegime::Smooth},
        {"rough Re 3e5", 0.002L, 3e5L, BendRoughnessRegime::FullyRough},
        {"exactly 200000 and 0.001", 0.001L, 2e5L, BendRoughnessRegime::FullyRough},
        {"slightly rough above its limit", 0.0005L, 3e5L, BendRoughnessRegime::NearlyRough},
        {"rough below 200000", 0.002L, 1e5L, BendRoughnessRegime::NearlyRough},
        {"slightly rough below its limit", 0.0005L, 2000, BendRoughnessRegime::Transition},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bendRoughnessRegime(c.relativeRoughness, c.reynolds), c.regime);
    }
}

TEST(BendZeta, FrictionPartPlusLocalPartOfEachRegime) {
    // λ = 0.02, δ = 90°, R = 100, D = 50: friction term 0.0175 · 0.02 · 90 · 2 = 0.063, A(90°) = 0.21, √(R/D)
    // = √2.
    const Real friction = 0.063L;
    const Real a = 0.21L;
    const Real root = std::sqrt(2.0L);
    const Real smoothLambda = colebrookByBisection(1e5L, 0);  // 0.0179898
    struct Case {
        const char* name;
        Real roughness, reynolds;
        Real zeta;
    };
    const Case cases[] = {
        {"smooth", 0, 4e5L, friction + a / root},
        {"transition", 0, 1e5L, friction + 58.5L * a / (root * std::cbrt(1e5L))},
        {"fully rough", 0.1L, 3e5L, friction + 2 * a / root},
        {"nearly rough, Re above 200000", 0.025L, 3e5L, friction + 1.5L * a / root},  // 1000 Δ + 1 = 1.5
        {"nearly rough, limit to 200000", 0.025L, 1e5L, friction + 64 * smoothLambda * a * 1.5L / root},
        {"nearly rough, Δ above 0.001", 0.1L, 1e5L, friction + 128 * smoothLambda * a / root},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(bendZeta(0.02L, c.roughness, 90, 100, 50, c.reynolds), c.zeta, within(c.zeta, 1e-9L));
    }
}

TEST(BendZeta, AngleAbove90KeepsTheAngleFactorOf90ButNotTheFrictionPart) {
    // 120°: friction 0.0175 · 0.02 · 120 · 2 = 0.084, local 0.21 / √2 (smooth); no notice, the factor is
    // defined as constant above 90°.
    Notices notices;
    EXPECT_NEAR(bendZeta(0.02L, 0, 120, 100, 50, 4e5L, &notices), 0.084L + 0.21L / std::sqrt(2.0L), 1e-15L);
    EXPECT_TRUE(notices.empty());
    // 37.5°: A = 0.099 + 7.5 · (0.136 − 0.099) / 15 = 0.1175; friction 0.0175 · 0.02 · 37.5 · 2 = 0.02625.
    EXPECT_NEAR(bendZeta(0.02L, 0, 37.5L, 100, 50, 4e5L), 0.02625L + 0.1175L / std::sqrt(2.0L), 1e-15L);
}

TEST(RectangularBendZeta, SideRatioScalesTheLocalPart) {
    // Dh = 50, smooth, Re 4e5: bend ζ = 0.063 + 0.148492 as above; friction term 0.063.
    const Real local = 0.21L / std::sqrt(2.0L);
    struct Case {
        const char* name;
        Real height, width;
        Real c;  // hand interpolation in the side-ratio table
    };
    const Case cases[] = {
        {"H/B 0.5", 50, 100, 1.5L},                                 // 1.8 + 0.3 · (1.0 − 1.8) / 0.8
        {"H/B 1", 100, 100, 1.0L},  {"H/B 2.5", 250, 100, 0.425L},  // 0.45 + 0.5 · (0.4 − 0.45)
        {"H/B 8", 800, 100, 0.6L},  {"H/B 10 beyond the last point", 1000, 100, 0.6L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(rectangularBendZeta(0.02L, 0, 50, 90, 100, c.height, c.width, 4e5L, &notices),
                    0.063L + local * c.c, 1e-15L);
        EXPECT_TRUE(notices.empty());
    }
}

TEST(RectangularBendZeta, SideRatioBelow02HoldsTheFirstFactorWithANotice) {
    Notices notices;
    EXPECT_NEAR(rectangularBendZeta(0.02L, 0, 50, 90, 100, 10, 100, 4e5L, &notices),
                0.063L + 1.8L * 0.21L / std::sqrt(2.0L), 1e-15L);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0],
              (Notice{NoticeKind::OutsideCorrelationRange, TableArgument::BendSideRatio, 0.1L, 0.2L}));
}

struct TableCase {
    const char* name;
    Real x;
    Real zeta;
    bool outside;  // an OutsideCorrelationRange notice is expected
};

TEST(BendAngleTableZeta, PointsBandsAndHolds) {
    const TableCase cases[] = {
        {"0", 0, 0, false},        {"30", 30, 0.1L, false},          {"37.5", 37.5L, 0.125L, false},
        {"75", 75, 0.225L, false}, {"90 closing", 90, 0.25L, false}, {"100 held", 100, 0.25L, true},
        {"-5 held", -5, 0, true},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(bendAngleTableZeta(c.x, &notices), c.zeta, 1e-15L);
        EXPECT_EQ(notices.size(), c.outside ? 1u : 0u);
        if (c.outside) {
            EXPECT_EQ(notices[0].argument, TableArgument::BendAngle);
        }
    }
}

TEST(BendSizeTableZeta, PointsBandsAndHolds) {
    const TableCase cases[] = {
        {"DN 50", 50, 1.3L, false},           {"DN 150", 150, 1.65L, false},  {"DN 400", 400, 2.2L, false},
        {"DN 500 closing", 500, 2.2L, false}, {"DN 40 held", 40, 1.3L, true},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(bendSizeTableZeta(c.x, &notices), c.zeta, 1e-15L);
        EXPECT_EQ(notices.size(), c.outside ? 1u : 0u);
    }
}

TEST(MitreBendZeta, RoughnessFactorByRelativeRoughnessAndReynolds) {
    // D = 50, δ = 90°: s = sin 45°, 0.95 s² + 2.05 s⁴ = 0.9875, 0.95 + 33.5/90 = 1.322222;
    // Re 1e5: 4.06 / 1e5^0.118 = 1.042761.  ζ = 1.042761 · K · 0.9875 · 1.322222.
    const Real base = 1.3625975063954017L;
    struct Case {
        const char* name;
        Real reynolds, roughness;
        Real zeta;
    };
    const Case cases[] = {
        {"smooth K 1", 1e5L, 0, base},
        {"Δ 0.0005, Re/1000 > 40: K 1.25", 1e5L, 0.025L, base * 1.25L},
        {"Δ 0.002, Re/1000 > 40: K 1.5", 1e5L, 0.1L, base * 1.5L},
        // Re 3e4: 4.06 / 3e4^0.118, K = 1.
        {"Δ 0.002, Re/1000 ≤ 40: K 1", 3e4L, 0.1L, 1.5706061069340453L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(mitreBendZeta(c.reynolds, c.roughness, 50, 90), c.zeta, within(c.zeta, 1e-12L));
    }
}

TEST(LaminarMitreBendZeta, FactorBByAngle) {
    // ζt(45°) at Re 1e6, smooth: 4.06 / 1e6^0.118 · (0.95 s² + 2.05 s⁴) · (0.95 + 33.5/45), s = sin 22.5°
    //   = 0.2467275; B(45°) = 3.6: ζ = 1200 / 1000 + 0.2467275 · 4.6.
    EXPECT_NEAR(laminarMitreBendZeta(1000, 50, 45, 0), 2.3349465700754486L, 1e-12L);
    // 60° with k = 0.1 (Δ 0.002, K 1.5 at Re 1e6): B = 3.6 + 15 · (1.5 − 3.6) / 30 = 2.55.
    EXPECT_NEAR(laminarMitreBendZeta(1000, 50, 60, 0.1L), 3.535494548709L, 1e-11L);
    // B = 6.0 up to 30°, 4.8 at 37.5°, 1.3 from 90° on: the coefficient scales with B + 1.
    EXPECT_NEAR(laminarMitreBendZeta(1200, 50, 20, 0), 1 + mitreBendZeta(1e6L, 0, 50, 20) * 7.0L, 1e-12L);
    EXPECT_NEAR(laminarMitreBendZeta(1200, 50, 37.5L, 0), 1 + mitreBendZeta(1e6L, 0, 50, 37.5L) * 5.8L,
                1e-12L);
    EXPECT_NEAR(laminarMitreBendZeta(1200, 50, 120, 0), 1 + mitreBendZeta(1e6L, 0, 50, 120) * 2.3L, 1e-12L);
}

}  // namespace
}  // namespace velmora::engine
