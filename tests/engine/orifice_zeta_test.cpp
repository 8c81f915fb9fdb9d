#include "engine/orifice_zeta.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine_test_support.h"

namespace velmora::engine {
namespace {

using testing::within;

TEST(DischargeCoefficientZeta, PermanentLossOfTheDevice) {
    // C = 1, β = 0.5: (√1 / 0.25 − 1)² = 9 (Borda–Carnot loss of the jet).
    EXPECT_NEAR(dischargeCoefficientZeta(1, 0.5L), 9, 1e-15L);
    // C = 0.6, β = 0.5: √(1 − 0.0625 · 0.64) = 0.9797959; / 0.15 − 1 = 5.5319726; ² = 30.602721.
    EXPECT_NEAR(dischargeCoefficientZeta(0.6L, 0.5L), 30.60272137182305L, 1e-12L);
    testing::expectCalcError([] { dischargeCoefficientZeta(0, 0.5L); }, "division by zero");
}

TEST(OrificePlateZeta, CornerTappingCoefficientWorkedByHand) {
    // ISO 5167-2, corner tappings (L1 = L'2 = 0, so neither tapping term contributes),
    // Re 1e5, β 0.5, D 100 mm: A = (9500 / 1e5)^0.8 = 0.15211740;
    //   C = 0.5961 + 0.0261 · 0.25 − 0.216 · 0.5⁸ + 0.000521 · 5^0.7 + (0.0188 + 0.0063 A) · 0.5^3.5 · 10^0.3
    //     = 0.5961 + 0.006525 − 0.00084375 + 0.00160737 + 0.00348454 = 0.60687316;
    //   ζ = (√(1 − 0.0625 (1 − C²)) / (0.25 C) − 1)² = 29.808740.
    EXPECT_NEAR(orificePlateDischargeCoefficient(1e5L, 50, 100), 0.6068731632649672L, 1e-15L);
    EXPECT_NEAR(orificePlateZeta(1e5L, 50, 100), 29.808740332021134L, within(29.81L, 1e-12L));
    // D 50 < 71.12 mm adds 0.011 · (0.75 − 0.5) · (2.8 − 50 / 25.4) = 0.00228661: C = 0.60915978, ζ = 29.550881.
    EXPECT_NEAR(orificePlateDischargeCoefficient(1e5L, 25, 50), 0.6091597774381956L, 1e-15L);
    EXPECT_NEAR(orificePlateZeta(1e5L, 25, 50), 29.55088145723683L, within(29.55L, 1e-12L));
}

TEST(OrificePlateZeta, CornerTappingCoefficientAgreesWithFluids) {
    // C_Reader_Harris_Gallagher(D, Do, rho, mu, m, taps='corner') of python3-fluids 1.0.22, with the
    // mass flow m = Re π D μ / 4 that gives the Reynolds number; across β 0.1 … 0.75, Re 5000 … 1e7
    // and pipes on both sides of the small-pipe limit.
    struct Point {
        Real beta;
        Real reynolds;
        Real pipe;  // mm
        Real c;
    };
    const Point points[] = {
        {0.1L, 5e3L, 50, 0.6065817192413611L},   {0.2L, 1e4L, 60, 0.6043431406382554L},
        {0.3L, 3e4L, 71, 0.6019361128041482L},   {0.4L, 1e5L, 80, 0.6030924495148953L},
        {0.5L, 1e5L, 100, 0.6068731632649672L},  {0.5L, 1e5L, 50, 0.6091597774381956L},
        {0.6L, 5e5L, 150, 0.6063955214009905L},  {0.65L, 1e6L, 250, 0.6048338777367377L},
        {0.7L, 3e6L, 500, 0.600522476331293L},   {0.75L, 1e7L, 1000, 0.5926904364220228L},
    };
    for (const Point& p : points) {
        SCOPED_TRACE(::testing::Message() << "beta " << static_cast<double>(p.beta) << " Re "
                                          << static_cast<double>(p.reynolds) << " D " << static_cast<double>(p.pipe));
        EXPECT_NEAR(orificePlateDischargeCoefficient(p.reynolds, p.beta * p.pipe, p.pipe), p.c, within(p.c, 1e-12L));
    }
}

TEST(OrificeZeta, SharpRoundedAndThickOrifices) {
    // Sharp, m = 0.25: c = 0.75 + 0.707 · 0.75^0.375 = 1.3847165; ζ = c² / 0.0625 = 30.678234.
    EXPECT_NEAR(sharpOrificeZeta(50, 100), 30.67823351108971L, 1e-12L);
    // Rounded, R 5, d 50: t = tanh(1.39) = 0.8831709; c = 0.75 + √((0.5 − 0.415090) · 0.75) = 1.0021896;
    // ζ = c² / 0.0625 = 16.075399.
    EXPECT_NEAR(roundedOrificeZeta(5, 50, 100), 16.075398888108015L, 1e-12L);
    // Thick, L 10, d 50, D 100, Re₂ 20000: f = tanh(2.264 · (0.2 − 0.657)) = −0.7757658,
    // λo = 0.22 / 20000^0.2 = 0.0303541, Lg = log₁₀ 10000 = 4: ζ = 22.693389.
    EXPECT_NEAR(thickOrificeZeta(20000, 10, 50, 100), 22.693389001763254L, 1e-11L);
    // Re₂ 2000 ≤ 2300: λo = 64 / 2000 = 0.032, Lg = 3: ζ = 20.592835.
    EXPECT_NEAR(thickOrificeZeta(2000, 10, 50, 100), 20.59283525017118L, 1e-11L);
}

TEST(NozzleZeta, IsoDischargeCoefficients) {
    // ISA 1932, β 0.5, Re 1e5: C = 0.99 − 0.2262 · 0.5^4.1 − (0.00175 · 0.25 − 0.0033 · 0.5^4.15) · 10^1.15
    //   = 0.9732551; ζ = 9.629452.
    EXPECT_NEAR(isaNozzleZeta(1e5L, 50, 100), 9.629452097960153L, 1e-11L);
    // Long radius (ISO 5167-3), β 0.5, Re 1e5: C = 0.9965 − 0.00653 · √0.5 · √10 = 0.9818985; ζ = 9.419812.
    EXPECT_NEAR(longRadiusNozzleZeta(1e5L, 50, 100), 9.419812231851962L, 1e-11L);
    // At Re 1e4, the lower end of the standard's range, C stays above 0.95.
    const Real c = 0.9965L - 0.00653L * std::sqrt(0.5L) * 10.0L;
    EXPECT_NEAR(longRadiusNozzleZeta(1e4L, 50, 100), dischargeCoefficientZeta(c, 0.5L), 1e-12L);
}

TEST(VenturiZeta, ByAreaRatioAndDivergentAngle) {
    struct Case {
        const char* name;
        bool first;
        Real throat;  // mm, D = 100
        Real zeta;
        bool outside;
    };
    const Case cases[] = {
        {"15 deg m 0.25", true, 50, 2.0L, false},   // 3 + 0.05 · (1 − 3) / 0.1
        {"30 deg m 0.25", false, 50, 3.4L, false},  // 5 + 0.05 · (1.8 − 5) / 0.1
        {"15 deg m 0.599076 last band", true, 77.4L, 0.15110880000000003L,
         false},  // 0.27 + 0.099076 · (0.15 − 0.27) / 0.1
        {"30 deg m 0.100489 first band", false, 31.7L, 21.91687L, false},  // 22 + 0.000489 · (5 − 22) / 0.1
        {"15 deg m 0.05 held", true, 22.360679774997898L, 13, true},
        {"30 deg m 0.7 held", false, 83.66600265340756L, 0.2L, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Notices notices;
        EXPECT_NEAR(venturiZeta(c.first, c.throat, 100, &notices), c.zeta, 1e-12L);
        ASSERT_EQ(notices.size(), c.outside ? 1u : 0u);
        if (c.outside) {
            EXPECT_EQ(notices[0].argument, TableArgument::VenturiAreaRatio);
        }
    }
}

}  // namespace
}  // namespace velmora::engine
