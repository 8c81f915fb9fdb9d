#include "engine/valve_zeta.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace velmora::engine {
namespace {

TEST(ExpansionJointZeta, BellowsLyreAndUBend) {
    EXPECT_NEAR(bellowsZeta(3), 0.6L, 1e-15L);
    EXPECT_EQ(lyreBendZeta(0), 0.7L);
    EXPECT_EQ(lyreBendZeta(1), 1.4L);
    struct Case {
        const char* name;
        Real length;  // mm, with D = 100
        Real zeta;
        bool outside;
    };
    const Case cases[] = {
        {"L/D 0", 0, 0.33L, false},   {"L/D 1", 100, 0.27L, false},  // 0.33 − 0.06
        {"L/D 2", 200, 0.21L, false}, {"L/D 5", 500, 0.21L, false}, {"L/D -1 held", -100, 0.33L, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(lengthRatioTableZeta(c.length, 100, &notices), c.zeta, 1e-15L);
        EXPECT_EQ(notices.size(), c.outside ? 1u : 0u);
    }
}

TEST(TwoKZeta, HooperConstantsPerKind) {
    // Globe valve 7/1, D = 1 in, Re 1500: 1500 / 1500 + 4 · (1 + 1) = 9.
    EXPECT_NEAR(twoKZeta(1500, 25.4L, {1500, 4}), 9.0L, 1e-15L);
    // Swing check 8/3, D = 2 in, Re 3000: 0.5 + 1.5 · 1.5 = 2.75.
    EXPECT_NEAR(twoKZeta(3000, 50.8L, {1500, 1.5L}), 2.75L, 1e-15L);
    // Lift check 8/1, D = 4 in, Re 1e5: 0.02 + 10 · 1.25 = 12.52.
    EXPECT_NEAR(twoKZeta(1e5L, 101.6L, {2000, 10}), 12.52L, 1e-14L);
}

TEST(SizeFrictionZeta, CraneFrictionBySize) {
    struct Case {
        const char* name;
        Real diameter;  // mm
        Real factor;
        Real zeta;
    };
    const Case cases[] = {
        {"below 15", 10, 150, 4.05L},  // 150 · 0.027
        {"15", 15, 150, 4.05L},
        {"17.5 between 15 and 20", 17.5L, 150, 3.9L},  // 150 · 0.026
        {"65.8 point", 65.8L, 150, 2.7L},
        {"225 flat band", 225, 150, 2.1L},   // 150 · 0.014
        {"350 flat band", 350, 150, 1.95L},  // 150 · 0.013
        {"425", 425, 55, 0.6875L},           // 55 · 0.0125
        {"500 beyond", 500, 55, 0.66L},      // 55 · 0.012
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(sizeFrictionZeta(c.diameter, c.factor), c.zeta, 1e-14L);
    }
}

TEST(GateOpeningZeta, ByOpeningRatio) {
    // x = 0.5: arccos 0.5 = 1.0471976, 0.5 · √0.75 = 0.4330127; (2/π) · 0.6141849 = 0.3910022;
    // 1 / 0.6089978 − 1 = 0.6420423; 0.78 + 3.5 · 0.6420423² = 2.2227632.
    EXPECT_NEAR(gateOpeningZeta(50, 100), 2.2227632384272873L, 1e-12L);
    // Fully open, x = 1: 0.78.
    Notices notices;
    EXPECT_NEAR(gateOpeningZeta(100, 100, &notices), 0.78L, 1e-15L);
    EXPECT_TRUE(notices.empty());
}

TEST(GateOpeningZeta, OpeningAboveTheDiameterIsTheOpenGateWithANotice) {
    Notices notices;
    EXPECT_NEAR(gateOpeningZeta(120, 100, &notices), 0.78L, 1e-15L);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0],
              (Notice{NoticeKind::OutsideCorrelationRange, TableArgument::GateOpeningRatio, 1.2L, 1}));
}

TEST(GateOpeningZeta, ShutGateIsACalcError) {
    testing::expectCalcError([] { gateOpeningZeta(0, 100); }, "gateOpeningZeta: gate shut");
    testing::expectCalcError([] { gateOpeningZeta(-10, 100); }, "gateOpeningZeta: gate shut");
}

TEST(CockAndFlapZeta, PointsBandsAndHolds) {
    struct Case {
        const char* name;
        Real (*routine)(Real, Notices*);
        Real angle;
        Real zeta;
        bool outside;
    };
    const Case cases[] = {
        {"cock 25", cockAngleZeta, 25, 3.995L, false},  // (1.84 + 6.15) / 2
        {"cock 50 closing", cockAngleZeta, 50, 95.3L, false},
        {"cock 55 held", cockAngleZeta, 55, 95.3L, true},
        {"cock -5 held", cockAngleZeta, -5, 0, true},
        {"flap 65", flapAngleZeta, 65, 184.5L, false},  // (118 + 251) / 2
        {"flap 70 closing", flapAngleZeta, 70, 251, false},
        {"flap 80 held", flapAngleZeta, 80, 251, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(c.routine(c.angle, &notices), c.zeta, 1e-13L);
        EXPECT_EQ(notices.size(), c.outside ? 1u : 0u);
    }
}

}  // namespace
}  // namespace velmora::engine
