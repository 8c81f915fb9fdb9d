#include "engine/section_change_zeta.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine_test_support.h"

namespace velmora::engine {
namespace {

using testing::within;

TEST(InletZeta, ValuesByKindAndVariant) {
    struct Case {
        const char* name;
        int subgroup, variant;
        Real angle;  // degrees
        Real zeta;
    };
    const Case cases[] = {
        {"sharp flush, first", 1, 0, 0, 0.5L},
        {"sharp flush, second", 1, 1, 0, 0.25L},
        {"rounded", 2, 0, 0, 0.05L},
        {"at 60 degrees", 3, 0, 60, 0.7L},                                  // 0.5 + 0.3 · 0.5 + 0.2 · 0.25
        {"at 90 degrees", 3, 0, 90, 0.5L},                                  // cos 90° = 0
        {"at 45 degrees", 3, 0, 45, 0.5L + 0.3L * std::sqrt(0.5L) + 0.1L},  // cos² 45° = 0.5
        {"re-entrant, first", 4, 0, 0, 3.0L},
        {"re-entrant, second", 4, 1, 0, 1.0L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(inletZeta(c.subgroup, c.variant, c.angle), c.zeta, 1e-15L);
    }
}

TEST(ExpansionZeta, BordaCarnotReferredToTheInlet) {
    EXPECT_NEAR(expansionZeta(50, 100), 0.5625L, 1e-18L);  // ((50/100)² − 1)² = 0.75²
    EXPECT_NEAR(expansionZeta(100, 100), 0, 1e-18L);
    EXPECT_NEAR(expansionZeta(25, 100), 0.87890625L, 1e-18L);  // (1/16 − 1)²
}

TEST(LaminarExpansionZeta, ThreeReynoldsBands) {
    // D1 = 50, D2 = 100: d = 1 − 0.25 = 0.75, d² = 0.5625, d⁴ = 0.31640625; L = log₁₀ Re.
    struct Case {
        const char* name;
        Real reynolds;
        Real zeta;
    };
    const Case cases[] = {
        {"Re 5 below 10: 30 / Re", 5, 6},
        // L = 1: 3.62536 + 10.744·0.5625 − 4.41041·0.31640625 + (33.40344·0.31640625 − 18.13
        // − 56.77855·0.5625)
        //        + (30.8558 + 99.9542·0.5625 − 62.78·0.31640625) + (33.8053·0.31640625 − 13.217
        //        − 53.9555·0.5625)
        {"Re 10 band edge", 10, 3.1197941015624977L},
        {"Re 100, L = 2", 100, 1.2191083300781251L},
        {"Re 499.999 last of the middle band", 499.999L, 1.194009164726375L},
        // L = log₁₀ 500: −8.44556 − 26.163·0.5625 − 5.38086·0.31640625 + L (3.9978·0.31640625 + 6.007
        // + 18.5372·0.5625)
        //                + L² (−1.02318 − 3.0916·0.5625 − 0.680943·0.31640625)
        {"Re 500 upper band", 500, 1.2139851885663866L},
        {"Re 1000, L = 3", 1000, 1.433589894531245L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(laminarExpansionZeta(100, 50, c.reynolds), c.zeta, within(c.zeta, 1e-12L));
    }
}

TEST(DiffuserZeta, FrictionAndExpansionParts) {
    // λ = 0.02, δ = 10°, D1 = 50, D2 = 100: n = 0.25, x = 0.282, l = 25 / tan 10° = 141.782 mm;
    // friction (141.782 · 0.02 / 50 / 4) · (1 − 0.0625) / (1/0.5 − 1) = 0.0132921;
    // expansion (tanh 0.282 + 522 · e^(−1.6) · 0.2^4.365) · 0.5625 = 0.2072627; ζ = 0.2205548.
    EXPECT_NEAR(diffuserZeta(0.02L, 10, 100, 50), 0.2205548252082581L, 1e-12L);
    // Equal diameters give 0 / 0 in the friction term: an arithmetic failure, not a number.
    testing::expectCalcError([] { diffuserZeta(0.02L, 10, 100, 100); }, "diffuserZeta: division by zero");
}

TEST(LaminarDiffuserZeta, ReferredToTheOutlet) {
    // 20 · (4)^0.33 / (tan 45°)^0.75 / 1000 = 20 · 1.580083 / 1000.
    EXPECT_NEAR(laminarDiffuserZeta(1000, 45, 100, 50), 0.03160165247453509L, 1e-15L);
}

TEST(ContractionZeta, ReferredToTheInlet) {
    EXPECT_NEAR(contractionZeta(50, 100), 6.4474195909412515L, 1e-13L);  // 0.5 · 0.75^0.75 · 2⁴
    EXPECT_EQ(contractionZeta(100, 100), 0);
}

TEST(LaminarContractionZeta, RowByAreaRatioAndColumnByReynolds) {
    struct Case {
        const char* name;
        Real d2, d1, reynolds2;
        Real zeta;
    };
    const Case cases[] = {
        {"below Re 10", 50, 100, 5, 5.0L},
        // (D2/D1)² = 0.04: round(0.4) = 0, held at row 1.
        {"row 1 from 0.04, Re 15", 20, 100, 15, 4.1L},   // 5.0 + 5 · (3.2 − 5.0) / 10
        {"row 1 dip, Re 3000", 20, 100, 3000, 0.65L},    // 0.5 + 1000 · (0.8 − 0.5) / 2000
        {"row 1 Re 7500", 20, 100, 7500, 0.625L},        // 0.75 + 2500 · (0.5 − 0.75) / 5000
        {"row 1 from 10000 on", 20, 100, 10000, 0.45L},  // the separate last column
        {"row 1 far beyond", 20, 100, 1e6L, 0.45L},
        // (D2/D1)² = 0.25: round(2.5) = 3, half away from zero.
        {"row 3 at Re 100", 50, 100, 100, 1.1L},
        {"row 3 at Re 150", 50, 100, 150, 0.975L},  // 1.1 + 50 · (0.85 − 1.1) / 100
        // (D2/D1)² = 0.9: round(9) = 9, held at row 6.
        {"row 6 from 0.9", 94.86832980505137L, 100, 100, 0.8L},
        {"row 6 at Re 10", 94.86832980505137L, 100, 10, 5.0L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(laminarContractionZeta(c.d2, c.d1, c.reynolds2), c.zeta, 1e-15L);
    }
}

TEST(ConfuserZeta, FrictionAndShapeParts) {
    // λ = 0.02, δ = 30°, D2 = 50, D1 = 100: n = 0.25, l = 30 · 0.01745 · 2 = 1.047,
    // P = −0.0125 n⁴ + 0.0224 n³ − 0.00723 n² + 0.00444 n − 0.00745 = −0.0064907;
    // friction 0.02 · 0.9375 / 8 / sin 30° = 0.0046875; shape P · (l³ − 2π l² − 10 l) = 0.1052140;
    // ζ = (0.0046875 + 0.1052140) · 16 = 1.7584239.
    EXPECT_NEAR(confuserZeta(0.02L, 30, 50, 100), 1.7584239292003092L, 1e-12L);
    testing::expectCalcError([] { confuserZeta(0.02L, 0, 50, 100); }, "confuserZeta: division by zero");
}

TEST(LaminarConfuserZeta, ReferredToTheOutlet) {
    EXPECT_NEAR(laminarConfuserZeta(1000, 45, 50, 100), 0.041L, 1e-15L);  // 20.5 / 0.5 / 1 / 1000
}

}  // namespace
}  // namespace velmora::engine
