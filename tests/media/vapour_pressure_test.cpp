// The three vapour-pressure equations and the Rackett density of the vapour-pressure database.
#include <gtest/gtest.h>

#include "media/vapour_pressure.h"
#include "media/water_saturation.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

// Water in the coefficient sets of Reid, Prausnitz and Poling, "The Properties of Gases and Liquids"
// (4th ed.): Wagner form with Tc = 647.3 K, pc = 221.2 bar; Antoine form converted from
// ln(p/mmHg) = 18.3036 − 3816.44/(T − 46.13) to bar (A − ln(760/1.01325)).
constexpr VapourPressureCorrelation waterWagner{
    VapourPressureEquation::Wagner, -7.76451L, 1.45838L, -2.77580L, -1.23303L, 647.3L, 221.2L};
constexpr VapourPressureCorrelation waterAntoine{
    VapourPressureEquation::Antoine, 11.6834445532459041L, 3816.44L, -46.13L, 0, 647.3L, 221.2L};
// Frost–Kalkwarf coefficients fitted through the IAPWS-IF97 saturation pressure of water at 300,
// 373.15, 450 and 550 K (a linear fit in A, B, C, D), so at those temperatures the root is known.
constexpr VapourPressureCorrelation waterFrostKalkwarf{VapourPressureEquation::FrostKalkwarf,
                                                       44.5171088725085L,
                                                       6635.75166227562L,
                                                       -4.51283173549009L,
                                                       678.280096753334L,
                                                       647.3L,
                                                       221.2L};

struct PressureRow {
    const char* name;
    const VapourPressureCorrelation* correlation;
    Real temperatureK;
    Real pressureBar;
};

// Reference values worked from the equations at 40 digits (mpmath); the Frost–Kalkwarf form solved
// in closed form, pv = −W(−a·e^K)/a with a = D/T², K = A − B/T + C·ln T and W the Lambert function.
constexpr PressureRow pressureRows[] = {
    {"Wagner, 20 °C", &waterWagner, 293.15L, 0.0234062012126315351L},
    {"Wagner, 100 °C", &waterWagner, 373.15L, 1.01378282245883235L},
    {"Wagner, 200 °C", &waterWagner, 473.15L, 15.5654409604460626L},
    {"Antoine, 300 K", &waterAntoine, 300, 0.0350982552628129373L},
    {"Antoine, 100 °C", &waterAntoine, 373.15L, 1.01317402288251355L},
    {"Frost–Kalkwarf, 300 K (below 0.037 bar)", &waterFrostKalkwarf, 300, 0.0353658941301314795L},
    {"Frost–Kalkwarf, 400 K", &waterFrostKalkwarf, 400, 2.45882089616868947L},
    {"Frost–Kalkwarf, 500 K", &waterFrostKalkwarf, 500, 26.3541818342220354L},
    {"Frost–Kalkwarf, 550 K", &waterFrostKalkwarf, 550, 61.1705563965967365L},
};

TEST(VapourPressure, EquationsGiveTheirWorkedValues) {
    for (const PressureRow& row : pressureRows) {
        SCOPED_TRACE(row.name);
        const VapourPressureOutcome pv = vapourPressure(*row.correlation, row.temperatureK);
        ASSERT_TRUE(pv.ok());
        EXPECT_RELATIVE(*pv, row.pressureBar, 1e-10L);
    }
}

TEST(VapourPressure, WaterCoefficientsFollowTheSteamTables) {
    // A second route to the same numbers: each form, with water's coefficients, stays within its
    // fitting accuracy of the IAPWS-IF97 saturation line.
    for (const Real t : {293.15L, 373.15L, 473.15L}) {
        SCOPED_TRACE(static_cast<double>(t));
        const VapourPressureOutcome pv = vapourPressure(waterWagner, t);
        ASSERT_TRUE(pv.ok());
        EXPECT_RELATIVE(*pv, saturationPressure(t), 2e-3L);
    }
    const VapourPressureOutcome antoine = vapourPressure(waterAntoine, 373.15L);
    ASSERT_TRUE(antoine.ok());
    EXPECT_RELATIVE(*antoine, saturationPressure(373.15L), 2e-3L);
    for (const Real t : {300.0L, 373.15L, 450.0L, 550.0L}) {
        SCOPED_TRACE(static_cast<double>(t));
        const VapourPressureOutcome pv = vapourPressure(waterFrostKalkwarf, t);
        ASSERT_TRUE(pv.ok());
        EXPECT_RELATIVE(*pv, saturationPressure(t), 1e-10L);
    }
}

TEST(VapourPressure, WagnerFormAtAndAboveTheCriticalTemperature) {
    const VapourPressureOutcome atCritical = vapourPressure(waterWagner, 647.3L);
    ASSERT_TRUE(atCritical.ok());
    EXPECT_EQ(*atCritical, 221.2L);
    const VapourPressureOutcome above = vapourPressure(waterWagner, 650);
    ASSERT_FALSE(above.ok());
    EXPECT_EQ(above.reason(), WaterSteamRefusal::VapourPressureNotSolved);
}

TEST(VapourPressure, FrostKalkwarfWithoutRootIsRefused) {
    // With a = D/T² this large, ln pv − a·pv never reaches K = A − B/T + C·ln T: no vapour pressure.
    VapourPressureCorrelation noRoot = waterFrostKalkwarf;
    noRoot.d = 1e7L;
    const VapourPressureOutcome pv = vapourPressure(noRoot, 300);
    ASSERT_FALSE(pv.ok());
    EXPECT_EQ(pv.reason(), WaterSteamRefusal::VapourPressureNotSolved);
}

// Benzene in the coefficient set of Reid, Prausnitz and Poling: Tc = 562.2 K, ρR = 0.885 g/cm³ at
// TR = 289 K, ZRA = 0.2698.
constexpr RackettParameters benzene{562.2L, 0.885L, 289, 0.2698L};

struct DensityRow {
    const char* name;
    Real temperatureK;
    Real density;  // kg/m³, worked from the equation at 40 digits (mpmath)
};

constexpr DensityRow densityRows[] = {
    {"20 °C", 293.15L, 880.892728951103382L},
    {"50 °C", 323.15L, 850.381000385759292L},
    {"400 K", 400, 763.608921122492964L},
    {"at the reference point", 289, 885},
};

TEST(RackettDensity, GivesItsWorkedValues) {
    for (const DensityRow& row : densityRows) {
        SCOPED_TRACE(row.name);
        const VapourPressureOutcome density = rackettDensity(benzene, row.temperatureK);
        ASSERT_TRUE(density.ok());
        EXPECT_RELATIVE(*density, row.density, 1e-12L);
    }
    // Measured: benzene at 20 °C, 876.5 kg/m³ (CRC Handbook); the Rackett form is good to about 1 %.
    const VapourPressureOutcome at20Celsius = rackettDensity(benzene, 293.15L);
    ASSERT_TRUE(at20Celsius.ok());
    EXPECT_RELATIVE(*at20Celsius, 876.5L, 1e-2L);
}

TEST(RackettDensity, RefusedAtAndAboveTheCriticalTemperature) {
    for (const Real t : {562.2L, 600.0L}) {
        SCOPED_TRACE(static_cast<double>(t));
        const VapourPressureOutcome density = rackettDensity(benzene, t);
        ASSERT_FALSE(density.ok());
        EXPECT_EQ(density.reason(), WaterSteamRefusal::VapourPressureNotSolved);
    }
}

struct RangeRow {
    const char* name;
    int lowestK;
    int highestK;
    int minimum;  // °C
    int maximum;  // °C
};

constexpr RangeRow rangeRows[] = {
    {"600 K: 326 moved down to 325", 273, 600, 0, 325},
    {"373 K: 99 moved down to 95", 250, 373, -23, 95},
    {"384 K: 110 stays", 250, 384, -23, 110},
    {"380 K: 106 moved down to 105", 250, 380, -23, 105},
    {"279 K: 5 stays", 200, 279, -73, 5},
    {"268 K: −6 moved down to −10", 200, 268, -73, -10},
    {"250 K: −24 moved down to −25", 200, 250, -73, -25},
    {"254 K: −20 stays", 200, 254, -73, -20},
};

TEST(VapourPressureRange, WholeDegreesOfferedForTheValidityRange) {
    for (const RangeRow& row : rangeRows) {
        SCOPED_TRACE(row.name);
        const WholeDegreeRange range = vapourPressureTemperatureRange(row.lowestK, row.highestK);
        EXPECT_EQ(range.minimum, row.minimum);
        EXPECT_EQ(range.maximum, row.maximum);
        // The offered degrees, computed at t + 273.15 K, stay inside the validity range.
        EXPECT_GT(range.minimum + 273.15L, row.lowestK);
        EXPECT_LE(range.maximum + 273.15L, row.highestK);
    }
}

}  // namespace
}  // namespace velmora::media
