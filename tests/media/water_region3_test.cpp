// Region 3 of IAPWS-IF97 solved for density: starting values, the states near the critical point
// where the iteration must pick the right root, and a sweep over the whole region.
#include <gtest/gtest.h>

#include <optional>

#include "media/water_region3.h"
#include "media/water_regions.h"
#include "media/water_saturation.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

struct StartRow {
    const char* name;
    Real pressureBar;
    Real density;  // kg/m³, read off the start table by hand
};

constexpr StartRow startRows[] = {
    {"below the table", 100, 77},
    {"first point", 170, 77},
    {"halfway 170–180", 175, 80.5L},
    {"on a point", 250, 167},
    {"a fifth into 250–300", 260, 205.2L},
    {"halfway 900–1000", 950, 685.5L},
    {"last point", 1000, 693},
};

TEST(WaterRegion3, StartDensityFollowsTheTable) {
    for (const StartRow& row : startRows) {
        SCOPED_TRACE(row.name);
        EXPECT_RELATIVE(region3StartDensity(row.pressureBar), row.density, 1e-15L);
    }
}

struct DensityRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
    Real density;  // kg/m³
};

// Reference densities: the region 3 equation evaluated independently at 40 digits (mpmath) and
// solved by a root finder started on the physical branch.
constexpr DensityRow densityRows[] = {
    // Compressed liquid at 221 bar and more below 648 K (supercritical feedwater): the table start
    // is vapour-like here, and from it alone the iteration ends in the spinodal loop or on a
    // spurious root near 960 kg/m³ (956.19 at 623.5 K, 350 bar; 966.34 at 628.5 K, 225 bar).
    {"623.5 K, 350 bar", 623.5L, 350, 658.144027196883707L},
    {"628.5 K, 225 bar", 628.5L, 225, 593.381203866909859L},
    {"633.5 K, 325 bar", 633.5L, 325, 623.329779994429203L},
    {"360 °C, 250 bar", 633.15L, 250, 589.293915464052040L},
    {"350.5 °C, 300 bar", 623.65L, 300, 642.561966118631709L},
    {"640 K, 400 bar", 640, 400, 631.500784723853537L},
    {"645 K, 230 bar", 645, 230, 496.375732390301677L},
    // Supercritical and vapour-side states
    {"400 °C, 300 bar", 673.15L, 300, 357.601595750211126L},
    {"700 K, 500 bar", 700, 500, 491.188679008025518L},
    {"640 K, 195 bar (vapour side)", 640, 195, 141.652474928364419L},
};

TEST(WaterRegion3, DensityIsTheRootOnThePhysicalBranch) {
    for (const DensityRow& row : densityRows) {
        SCOPED_TRACE(row.name);
        const std::optional<Real> density = region3Density(row.temperatureK, row.pressureBar);
        ASSERT_TRUE(density.has_value());
        EXPECT_RELATIVE(*density, row.density, 1e-10L);
    }
}

TEST(WaterRegion3, EveryStateOfTheRegionGetsAConsistentDensity) {
    // Over region 3 (623.15 K < T, p from the 2–3 boundary to 1000 bar) each density must
    // reproduce its pressure, lie on the side of the saturation line its state is on, fall as the
    // temperature rises along an isobar and rise with the pressure along an isotherm. A jump to
    // another root of the equation breaks one of these.
    for (Real p = 166; p <= 1000; p += 4.5L) {
        SCOPED_TRACE(static_cast<double>(p));
        Real previous = 0;
        for (Real t = 623.2L; t <= 863.15L; t += 1.3L) {
            if (p < boundary23Pressure(t)) break;
            const std::optional<Real> density = region3Density(t, p);
            ASSERT_TRUE(density.has_value()) << "T = " << static_cast<double>(t);
            EXPECT_RELATIVE(region3Pressure(*density, t), p, 1e-12L);
            if (t < waterCriticalTemperature) {
                EXPECT_EQ(*density > waterCriticalDensity, p > saturationPressure(t))
                    << "T = " << static_cast<double>(t);
            }
            if (previous > 0) {
                EXPECT_LT(*density, previous) << "T = " << static_cast<double>(t);
            }
            previous = *density;
            if (p + 1 <= 1000) {
                const std::optional<Real> denser = region3Density(t, p + 1);
                ASSERT_TRUE(denser.has_value());
                EXPECT_GT(*denser, *density) << "T = " << static_cast<double>(t);
            }
        }
    }
}

TEST(WaterRegion3, SaturatedPhasesAreFoundOnBothSidesOfTheLine) {
    // Just above and just below the saturation pressure the iteration must end on the liquid and
    // on the vapour branch; at 360 °C against the independent 40-digit solution.
    const Real t = 633.15L;
    const Real ps = saturationPressure(t);
    const std::optional<Real> liquid = region3Density(t, ps + 1e-10L);
    const std::optional<Real> vapour = region3Density(t, ps - 1e-10L);
    ASSERT_TRUE(liquid.has_value());
    ASSERT_TRUE(vapour.has_value());
    EXPECT_RELATIVE(*liquid, 527.840467839696326L, 1e-9L);
    EXPECT_RELATIVE(*vapour, 143.989685962970588L, 1e-9L);
}

TEST(WaterRegion3, StatesWithoutWaterDensityAreRefused) {
    // Far outside the region the equation has no root on a physical branch; nothing is returned
    // rather than a number.
    EXPECT_FALSE(region3Density(300, 500).has_value());
    EXPECT_FALSE(region3Density(650, -5).has_value());
}

}  // namespace
}  // namespace velmora::media
