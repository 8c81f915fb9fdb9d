#include "engine/screen_zeta.h"

#include <gtest/gtest.h>

#include "engine_test_support.h"

namespace velmora::engine {
namespace {

TEST(PerforatedPlateZeta, ThinPlate) {
    // f 0.4: (0.707 · 0.6^0.375 + 0.6)² / 0.16 = 1.183745² / 0.16 = 8.757885.
    EXPECT_NEAR(perforatedPlateZeta(0.4L), 8.757885257447354L, 1e-12L);
    EXPECT_EQ(perforatedPlateZeta(1), 0);  // a plate with 100 % free area costs nothing
}

TEST(LaminarPerforatedPlateZeta, ThreeReynoldsBands) {
    struct Case {
        const char* name;
        Real reynolds;
        Real zeta;
    };
    // f 0.4; ε(L) = 0.461465 − 0.2648592 L + 0.2030479 L² − 0.06602521 L³ + 0.01325519 L⁴ − 0.001058041 L⁵.
    const Case cases[] = {
        {"Re 5: 33 / (Re f²)", 5, 41.25L},
        // L = 1.30103, ε = 0.349202: 0.349202 · 8.757885 + 33 / (20 · 0.16).
        {"Re 20", 20, 13.370770752206278L},
        {"Re 29.999999 still the middle band", 29.999999L, 9.993971503127657L},
        // From Re 30 on: 0.39 · e^(−18.34 · 0.4^3.5) · e^(−1.078 (L − 3)) / f² + ε ζt.
        {"Re 30", 30, 9.11013221802936L},
        {"Re 1000, L = 3, ε = 0.528204", 1000, 5.786186518599303L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(laminarPerforatedPlateZeta(c.reynolds, 0.4L), c.zeta, 1e-11L);
    }
}

TEST(ThickPerforatedPlateZeta, BothRegimes) {
    // f 0.4, a 5, d 5: g = tanh(2.264 · 0.343) = 0.6507232; Re 1e4 (L = 4):
    // (1/0.16) · (0.39 e^(−18.34 · 0.4^3.5) e^(−1.078) + (0.6 (√0.5 · 0.349277 · √0.6 + 0.5) + 0.36) · 0.74 +
    // 0.02)
    //   = 4.103176.
    EXPECT_NEAR(thickPerforatedPlateZeta(1e4L, 0.4L, 5, 5), 4.103175506288663L, 1e-11L);
    EXPECT_NEAR(thickPerforatedPlateZeta(100, 0.4L, 5, 5), 5.89774068708311L, 1e-11L);
}

TEST(ScreenZeta, TurbulentAndLaminar) {
    EXPECT_NEAR(screenZeta(0.5L), 1.65L, 1e-15L);  // (2 − 1)² + 1.3 · 0.5
    struct Case {
        const char* name;
        Real reynolds;
        Real zeta;
    };
    const Case cases[] = {
        {"Re 20: + 22 / Re", 20, 2.75L}, {"Re 50: k 1.4", 50, 2.31L},
        {"Re 150: k 1.14", 150, 1.881L},  // 1.2 + 50 · (1.08 − 1.2) / 100
        {"Re 800: k 1.0", 800, 1.65L},   {"Re 1000 turbulent value", 1000, 1.65L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(laminarScreenZeta(c.reynolds, 0.5L), c.zeta, 1e-14L);
    }
}

TEST(GrilleAndStrainerZeta, FormulaAndTable) {
    EXPECT_NEAR(grilleZeta(0.5L), 2.56L, 1e-15L);  // 1.28 · 0.5 / 0.25
    struct Case {
        const char* name;
        Real diameter;
        Real zeta;
    };
    const Case cases[] = {
        {"below the table", 10, 3.07L},
        {"25.4 between 22.3 and 28.5", 25.4L, 2.695L},  // 3.25 + 3.1 · (2.14 − 3.25) / 6.2
        {"207.3 peak", 207.3L, 5.5L},
        {"392.2 last point", 392.2L, 3.5L},
        {"beyond", 600, 3.5L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(diameterTableZeta(c.diameter), c.zeta, 1e-13L);
    }
}

}  // namespace
}  // namespace velmora::engine
