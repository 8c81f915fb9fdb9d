// Water and steam at any state: range, choice of the IF97 region, and the values of each region.
#include <gtest/gtest.h>

#include <limits>

#include "media/water_saturation.h"
#include "media/water_state.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

constexpr Real kelvin(Real celsius) {
    return celsius + 273.15L;
}

struct RegionRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
    WaterRegion region;
};

TEST(WaterState, RegionChoiceFollowsTheOrderOfTheTests) {
    const Real ps100 = saturationPressure(kelvin(100));
    const Real pB23at700 = boundary23Pressure(700);
    const RegionRow rows[] = {
        {"20 °C, 1.013 bar: compressed liquid", kelvin(20), 1.013L, WaterRegion::Region1},
        {"100 °C at the saturation pressure: steam side", kelvin(100), ps100, WaterRegion::Region2},
        {"100 °C just above the saturation pressure", kelvin(100), ps100 + 0.001L, WaterRegion::Region1},
        {"0 °C, 1000 bar", kelvin(0), 1000, WaterRegion::Region1},
        {"700 K on the 2–3 boundary: region 3", 700, pB23at700, WaterRegion::Region3},
        {"700 K just below the 2–3 boundary", 700, pB23at700 - 0.01L, WaterRegion::Region2},
        {"623.1504 K rounds to 623.150: region 1", 623.1504L, 200, WaterRegion::Region1},
        {"623.1506 K rounds to 623.151: region 3", 623.1506L, 200, WaterRegion::Region3},
        {"700 °C, 1000 bar", kelvin(700), 1000, WaterRegion::Region2},
        {"exactly 800 °C, 100 bar: region 5", kelvin(800), 100, WaterRegion::Region5},
        {"exactly 800 °C, 100.1 bar: region 2", kelvin(800), 100.1L, WaterRegion::Region2},
        {"850 °C, 100 bar", kelvin(850), 100, WaterRegion::Region5},
        {"900 °C, 1 bar", kelvin(900), 1, WaterRegion::Region5},
    };
    for (const RegionRow& row : rows) {
        SCOPED_TRACE(row.name);
        const WaterStateOutcome outcome = computeWaterState(row.temperatureK, row.pressureBar);
        ASSERT_TRUE(outcome.ok());
        EXPECT_EQ(outcome->region, row.region);
    }
}

struct RangeRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
};

TEST(WaterState, StatesOutsideTheRangeAreRefused) {
    const RangeRow rows[] = {
        {"below 0 °C", kelvin(-0.01L), 1},
        {"above 900 °C", kelvin(900.01L), 1},
        {"850 °C, 100.1 bar", kelvin(850), 100.1L},
        {"zero pressure", kelvin(20), 0},
        {"negative pressure", kelvin(20), -1},
        {"above 1000 bar", kelvin(20), 1000.01L},
        {"pressure not a number", kelvin(20), std::numeric_limits<Real>::quiet_NaN()},
        {"temperature not a number", std::numeric_limits<Real>::quiet_NaN(), 1},
        {"infinite pressure", kelvin(20), std::numeric_limits<Real>::infinity()},
    };
    for (const RangeRow& row : rows) {
        SCOPED_TRACE(row.name);
        const WaterStateOutcome outcome = computeWaterState(row.temperatureK, row.pressureBar);
        ASSERT_FALSE(outcome.ok());
        EXPECT_EQ(outcome.reason(), WaterSteamRefusal::StateOutsideRange);
    }
}

TEST(WaterState, LimitsReachedThroughUnitConversionAreAccepted) {
    // 10⁶ mbar and 1073.15 K land on 1000 bar and 800 °C only within binary rounding.
    const WaterStateOutcome atMaximumPressure = computeWaterState(kelvin(20), 1e6L * 0.001L);
    ASSERT_TRUE(atMaximumPressure.ok());
    EXPECT_EQ(atMaximumPressure->region, WaterRegion::Region1);
    const WaterStateOutcome at800Celsius = computeWaterState(1073.15L, 500);
    ASSERT_TRUE(at800Celsius.ok());
    EXPECT_EQ(at800Celsius->region, WaterRegion::Region2);
}

struct StateRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
    WaterRegion region;
    Real density;    // kg/m³
    Real viscosity;  // 10⁻⁶ kg/(m·s)
};

// Reference values: the IF97 equation of the region and the 1985 viscosity evaluated
// independently at 40 digits (mpmath); region 3 solved there by a root finder on the physical
// branch.
constexpr StateRow stateRows[] = {
    {"20 °C, 1.013 bar", kelvin(20), 1.013L, WaterRegion::Region1, 998.206081032297227L,
     1001.60533637927655L},
    {"300 °C, 100 bar", kelvin(300), 100, WaterRegion::Region1, 715.289558632986402L, 86.4607197306063655L},
    {"100 °C, 0.5 bar", kelvin(100), 0.5L, WaterRegion::Region2, 0.292501890536966668L, 12.3116823415950961L},
    {"500 °C, 300 bar", kelvin(500), 300, WaterRegion::Region2, 115.070848369792241L, 31.7235777676643963L},
    {"800 °C, 200 bar", kelvin(800), 200, WaterRegion::Region2, 41.8961952759001398L, 41.5884674354306259L},
    {"800 °C, 50 bar", kelvin(800), 50, WaterRegion::Region5, 10.1882426545198799L, 40.6034607294528719L},
    {"850 °C, 100 bar", kelvin(850), 100, WaterRegion::Region5, 19.5714091750469519L, 42.7331142196742603L},
    {"360 °C, 250 bar", kelvin(360), 250, WaterRegion::Region3, 589.293915464052040L, 68.0762836018758192L},
    {"400 °C, 300 bar", kelvin(400), 300, WaterRegion::Region3, 357.601595750211126L, 43.9533271144324162L},
};

TEST(WaterState, ValuesOfEachRegion) {
    for (const StateRow& row : stateRows) {
        SCOPED_TRACE(row.name);
        const WaterStateOutcome outcome = computeWaterState(row.temperatureK, row.pressureBar);
        ASSERT_TRUE(outcome.ok());
        EXPECT_EQ(outcome->region, row.region);
        EXPECT_RELATIVE(outcome->density, row.density, 1e-10L);
        EXPECT_RELATIVE(outcome->specificVolume * row.density, 1, 1e-10L);
        EXPECT_RELATIVE(outcome->viscosity, row.viscosity, 1e-10L);
    }
}

TEST(WaterState, RegionsTakenAsLiquidOrGas) {
    EXPECT_TRUE(isLiquidRegion(WaterRegion::Region1));
    EXPECT_FALSE(isLiquidRegion(WaterRegion::Region2));
    EXPECT_TRUE(isLiquidRegion(WaterRegion::Region3));
    EXPECT_FALSE(isLiquidRegion(WaterRegion::Region5));
}

}  // namespace
}  // namespace velmora::media
