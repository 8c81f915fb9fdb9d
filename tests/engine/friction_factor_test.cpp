#include "engine/friction_factor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine_test_support.h"

namespace velmora::engine {
namespace {

using testing::colebrookByBisection;
using testing::within;

struct ColebrookCase {
    const char* name;
    Real reynolds;
    Real diameter;   // mm
    Real roughness;  // mm
};

// Smooth and rough pipes over the whole turbulent range, both sides of the start-value switch at
// Re · k / d = 65.
const ColebrookCase kColebrookCases[] = {
    {"smooth_Re4000", 4000, 25, 0},
    {"smooth_Re1e4", 1e4L, 25, 0},
    {"smooth_Re1e5", 1e5L, 100, 0},
    {"smooth_Re1e6", 1e6L, 100, 0},
    {"smooth_Re1e7", 1e7L, 500, 0},
    {"smooth_Re1e8", 1e8L, 1000, 0},
    {"rough_Re4000_kd0.004", 4000, 25, 0.1L},  // Re k/d = 16, smooth start value
    {"rough_Re1e5_kd0.004", 1e5L, 25, 0.1L},   // Re k/d = 400, start 0.02
    {"rough_Re1e6_kd0.0005", 1e6L, 100, 0.05L},
    {"rough_Re1e6_kd0.0001", 1e6L, 100, 0.01L},
    {"rough_Re1e8_kd0.01", 1e8L, 100, 1.0L},
    {"rough_Re1e8_kd0.001", 1e8L, 100, 0.1L},
    {"start_switch_exactly_65", 65000, 100, 0.1L},  // Re k/d = 65
    {"start_switch_just_below", 64999, 100, 0.1L},
};

class ColebrookAgainstBisection : public ::testing::TestWithParam<ColebrookCase> {};

TEST_P(ColebrookAgainstBisection, FindsTheRootOfTheSameEquation) {
    const ColebrookCase& c = GetParam();
    const Real expected = colebrookByBisection(c.reynolds, c.roughness / c.diameter);
    EXPECT_NEAR(colebrookFrictionFactor(c.diameter, c.reynolds, c.roughness), expected,
                within(expected, 1e-9L));
}

// Haaland's explicit formula, 1/√λ = −1.8 log₁₀((ε/3.7)^1.11 + 6.9/Re), stays within about 1.5 % of
// Colebrook over this range: an independent second route.
TEST_P(ColebrookAgainstBisection, AgreesWithHaaland) {
    const ColebrookCase& c = GetParam();
    const Real epsilon = c.roughness / c.diameter;
    const Real root = -1.8L * std::log10(std::pow(epsilon / 3.7L, 1.11L) + 6.9L / c.reynolds);
    const Real haaland = 1.0L / (root * root);
    EXPECT_NEAR(colebrookFrictionFactor(c.diameter, c.reynolds, c.roughness), haaland,
                within(haaland, 0.02L));
}

INSTANTIATE_TEST_SUITE_P(Cases, ColebrookAgainstBisection, ::testing::ValuesIn(kColebrookCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == '.') ch = '_';
                             return name;
                         });

TEST(ColebrookFrictionFactor, MatchesTheMoodyChart) {
    struct Case {
        const char* name;
        Real reynolds;
        Real relativeRoughness;
        Real moody;  // Colebrook values as tabulated in textbooks (White, Fluid Mechanics, Moody chart)
    };
    const Case cases[] = {
        {"smooth Re 1e4", 1e4L, 0, 0.0309L},
        {"smooth Re 1e5", 1e5L, 0, 0.0180L},
        {"smooth Re 1e6", 1e6L, 0, 0.0116L},
        {"smooth Re 1e7", 1e7L, 0, 0.0081L},
        // Fully rough, von Kármán: 1/√λ = 2 log₁₀(3.7 / 0.01) = 5.1363 → λ = 0.0379.
        {"fully rough k/d 0.01", 1e8L, 0.01L, 0.0379L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(colebrookFrictionFactor(100, c.reynolds, c.relativeRoughness * 100), c.moody,
                    within(c.moody, 0.005L));
    }
}

TEST(ColebrookFrictionFactor, ArithmeticFailuresAreCalcErrors) {
    testing::expectCalcError([] { colebrookFrictionFactor(0, 1e5L, 0.1L); }, "division by zero");
    testing::expectCalcError([] { colebrookFrictionFactor(100, 0, 0); }, "negative power of zero");
    testing::expectCalcError([] { colebrookFrictionFactor(100, -5000, 0); },
                             "fractional power of a negative number");
    // A negative roughness large enough to make the logarithm's argument negative.
    testing::expectCalcError([] { colebrookFrictionFactor(100, 1e5L, -50); }, "logarithm");
}

TEST(LaminarFrictionFactor, CircularIsSixtyFourOverReynolds) {
    EXPECT_EQ(laminarCircularFactor(1000), 0.064L);
    EXPECT_NEAR(laminarCircularFactor(2319.9L), 64.0L / 2319.9L, 1e-18L);
    testing::expectCalcError([] { laminarCircularFactor(0); }, "division by zero");
}

TEST(LaminarFrictionFactor, RectangleShapeFactorBySideRatio) {
    struct Case {
        const char* name;
        Real side1, side2;  // mm
        Real phi;           // hand interpolation in the shape table
    };
    const Case cases[] = {
        {"r 0.5 table point", 100, 50, 0.97L},                                               // 62.08 / Re
        {"r 0.5 sides swapped", 50, 100, 0.97L},        {"square, band 10", 80, 80, 0.88L},  // 56.32 / Re
        {"r 0.25 between 0.2 and 0.3", 100, 25, 1.15L},  // 1.2 + 0.05 · (1.1 − 1.2) / 0.1
        {"r 0.05 first band", 200, 10, 1.42L},           // 1.5 + 0.05 · (1.34 − 1.5) / 0.1
        {"r 0.95 last band", 100, 95, 0.885L},           // 0.89 + 0.05 · (0.88 − 0.89) / 0.1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(laminarRectangleFactor(c.side1, c.side2, 1000, &notices), c.phi * 64.0L / 1000.0L,
                    1e-15L);
        EXPECT_TRUE(notices.empty());
    }
}

TEST(LaminarFrictionFactor, AnnulusShapeFactorByDiameterRatio) {
    struct Case {
        const char* name;
        Real inner, outer;  // mm
        Real phi;           // hand interpolation in the shape table
    };
    const Case cases[] = {
        {"s 1, first point", 100, 100, 1.5L},
        {"s 2", 50, 100, 1.4875L},  // 1.5 + 1 · (1.45 − 1.5) / 4
        {"s 7.5", 10, 75, 1.425L},  // 1.45 + 2.5 · (1.4 − 1.45) / 5
        {"s 20 band edge", 5, 100, 1.35L},
        {"s 75", 2, 150, 1.265L},  // 1.28 + 25 · (1.25 − 1.28) / 50
        {"s 100 closing value", 1, 100, 1.25L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(laminarAnnulusFactor(c.inner, c.outer, 500, &notices), c.phi * 64.0L / 500.0L, 1e-15L);
        EXPECT_TRUE(notices.empty());
    }
}

TEST(LaminarFrictionFactor, AnnulusOutsideTheTableHoldsTheEndValueWithANotice) {
    Notices notices;
    EXPECT_NEAR(laminarAnnulusFactor(1, 150, 1000, &notices), 1.25L * 0.064L, 1e-15L);
    EXPECT_NEAR(laminarAnnulusFactor(100, 50, 1000, &notices), 1.5L * 0.064L, 1e-15L);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0],
              (Notice{NoticeKind::OutsideCorrelationRange, TableArgument::AnnulusDiameterRatio, 150, 100}));
    EXPECT_EQ(notices[1],
              (Notice{NoticeKind::OutsideCorrelationRange, TableArgument::AnnulusDiameterRatio, 0.5L, 1}));
}

TEST(ProfiledPipeFrictionFactor, ShallowCorrugationUsesTheReynoldsForm) {
    // D = 100, t = 5, T = 20, Re = 1e5: e = t/D = 0.05, t/T = 0.25, T/t = 4;
    // λa = 0.2 · (0.05⁶ · 4⁷)^0.1 = 0.2 · (2.56e-4)^0.1 = 0.0874690;
    // exponent of t/T: 230 · 0.05^2.1 = 0.426152; exponent of Re: 0.193 · 0.25 · exp(−3300 · 0.05^2.6) =
    // 0.0122949; λ = 17000 · 0.0874690 · 0.05^3.53 · 0.25^0.426152 · (1e5)^0.0122949 = 0.02424221.
    EXPECT_NEAR(profiledPipeFrictionFactor(1e5L, 20, 5, 100), 0.024242210200L, 1e-10L);
}

TEST(ProfiledPipeFrictionFactor, DeepCorrugationTakesTheGeometricValue) {
    // D = 50, t = 5, T = 20: e = 0.1 > 0.0635, so λ = λa = 0.2 · (0.1⁶ · 4⁷)^0.1 = 0.1325782.
    EXPECT_NEAR(profiledPipeFrictionFactor(1e5L, 20, 5, 50), 0.13257816069L, 1e-10L);
    // t / T = 0.8 > 0.6 with a shallow e = 0.04: λa = 0.2 · (0.04⁶ · 1.25⁷)^0.1, independent of Re.
    const Real geometric = 0.2L * std::pow(std::pow(0.04L, 6) * std::pow(1.25L, 7), 0.1L);
    EXPECT_NEAR(profiledPipeFrictionFactor(1e4L, 5, 4, 100), geometric, 1e-15L);
    EXPECT_NEAR(profiledPipeFrictionFactor(1e6L, 5, 4, 100), geometric, 1e-15L);
}

TEST(StraightPipeLoss, IsDarcyWeisbachInBar) {
    struct Case {
        const char* name;
        Real diameter, velocity, density, length, lambda;
        Real bar;  // λ (L/d) ρ w² / 2 in Pa, / 100000
    };
    const Case cases[] = {
        {"50 mm, 2 m/s, 100 m", 50, 2, 1000, 100, 0.02L, 0.8L},  // 0.02 · 2000 · 1000 · 4 / 2 = 80000 Pa
        {"25 mm water, 10 m", 25, 0.5L, 998.2L, 10, 0.03L,
         0.0149730L},                                       // 0.03 · 400 · 998.2 · 0.25 / 2 = 1497.3 Pa
        {"air duct", 400, 10, 1.2L, 50, 0.018L, 0.00135L},  // 0.018 · 125 · 1.2 · 100 / 2 = 135 Pa
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(straightPipeLoss(c.diameter, c.velocity, c.density, c.length, c.lambda), c.bar,
                    within(c.bar, 1e-15L));
    }
}

TEST(FittingLoss, IsZetaTimesDynamicPressureInBar) {
    // ζ = 2, ρ = 1000, w = 3: 2 · 1000 · 9 / 2 = 9000 Pa = 0.09 bar.
    EXPECT_NEAR(fittingLoss(3, 1000, 2), 0.09L, 1e-17L);
}

}  // namespace
}  // namespace velmora::engine
