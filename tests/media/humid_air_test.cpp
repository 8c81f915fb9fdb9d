// Humid air: the CIPM-81/91 density worked by hand, the psychrometric values and their edge
// cases, and the viscosity rules.
#include <gtest/gtest.h>

#include <cmath>

#include "media/dry_air.h"
#include "media/humid_air.h"
#include "media/water_regions.h"
#include "media/water_viscosity.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

constexpr Real kelvin(Real celsius) { return celsius + 273.15L; }

TEST(MoistAirDensity, MatchesTheFormulaWorkedByHand) {
    // 20 °C, 101325 Pa, 50 % relative humidity:
    //   psv = exp(1.2378847e-5·293.15² − 1.9121316e-2·293.15 + 33.93711047 − 6343.1645/293.15)
    //       = exp(1.0638005 − 5.6054137 + 33.9371105 − 21.6379484) = exp(7.7575489) = 2339.1632 Pa
    //   f   = 1.00062 + 3.14e-8·101325 + 5.6e-7·20² = 1.0040256
    //   xv  = 0.5·1.0040256·2339.1632/101325 = 0.0115893
    //   Z   = 1 − 345.642·(1.58123e-6 − 5.8662e-7 + 4.4172e-8 + 5.2968e-6·xv + 1.51460e-4·xv²)
    //         + 345.642²·(1.83e-11 − 7.65e-9·xv²) = 0.9996148
    //   ρ   = 101325·0.0289635/(0.9996148·8.31451·293.15)·(1 − 0.3780103·xv) = 1.199228 kg/m³
    EXPECT_NEAR(waterVapourPressure(kelvin(20)) * 1e5L, 2339.1632L, 1e-4L);
    EXPECT_NEAR(moistAirDensity(50, kelvin(20), 1.01325L), 1.199228L, 1e-6L);
}

TEST(HumidAir, PsychrometricValuesAtTwentyDegreesAndHalfSaturation) {
    const auto result = computeHumidAir(kelvin(20), 1.01325L, HumidityKind::RelativeHumidity, 50);
    ASSERT_TRUE(result.ok());
    // pv = 0.5·0.023391632 = 0.011695816 bar
    // x  = 0.6222·pv/(1.01325 − pv) = 0.0072771368/1.0015542 = 0.0072658 kg/kg
    // xs = 0.6222·0.023391632/(1.01325 − 0.023391632) = 0.0147034 kg/kg
    // y  = pv/p = 0.0115429
    EXPECT_NEAR(result->moistureContent, 0.0072658L, 1e-7L);
    EXPECT_NEAR(*result->saturationMoistureContent, 0.0147034L, 1e-7L);
    EXPECT_NEAR(*result->degreeOfSaturation, 0.0072658L / 0.0147034L, 1e-5L);
    EXPECT_NEAR(result->moleFraction, 0.0115429L, 1e-7L);
    // Dew point: psychrometric tables give 9.3 °C; the vapour pressure there is pv.
    EXPECT_NEAR(result->dewPoint, 9.3L, 0.05L);
    EXPECT_NEAR(waterVapourPressure(kelvin(result->dewPoint)), 0.011695816L, 1e-9L);
    EXPECT_NEAR(result->density, 1.199228L, 1e-6L);
    EXPECT_NEAR(result->specificVolume * result->density, 1, 1e-15L);
}

TEST(HumidAir, SaturatedAirHasDegreeOfSaturationOneAndItsOwnTemperatureAsDewPoint) {
    const auto result = computeHumidAir(kelvin(20), 1.013L, HumidityKind::RelativeHumidity, 100);
    ASSERT_TRUE(result.ok());
    EXPECT_NEAR(*result->degreeOfSaturation, 1, 1e-12L);
    EXPECT_NEAR(result->dewPoint, 20, 1e-6L);
}

TEST(HumidAir, AboveTheBoilingPointThereIsNoSaturationMoistureContent) {
    // At 150 °C the saturation pressure (4.76 bar) exceeds 1.013 bar: air can take any amount of
    // water, so neither the saturation moisture content nor the degree of saturation exists.
    const auto result = computeHumidAir(kelvin(150), 1.013L, HumidityKind::RelativeHumidity, 10);
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result->saturationMoistureContent.has_value());
    EXPECT_FALSE(result->degreeOfSaturation.has_value());
    EXPECT_GT(result->moistureContent, 0);
}

TEST(HumidAir, MoistureContentAndRelativeHumidityAreTwoWaysToTheSameState) {
    const auto fromMoisture = computeHumidAir(kelvin(20), 1.013L, HumidityKind::MoistureContent, 0.007L);
    ASSERT_TRUE(fromMoisture.ok());
    // φ = 100·x·p/(0.6222·ps + x·ps) = 100·0.007·1.013/(0.6292·0.023391632) = 48.179 %
    EXPECT_NEAR(fromMoisture->relativeHumidity, 48.179L, 1e-3L);
    const auto fromRelative =
        computeHumidAir(kelvin(20), 1.013L, HumidityKind::RelativeHumidity, fromMoisture->relativeHumidity);
    ASSERT_TRUE(fromRelative.ok());
    EXPECT_NEAR(fromRelative->moistureContent, 0.007L, 1e-12L);
    EXPECT_NEAR(fromRelative->density, fromMoisture->density, 1e-12L);
}

struct RefusalRow {
    const char* name;
    Real celsius;
    Real pressureBar;
    HumidityKind kind;
    Real humidity;
    AirRefusal reason;
};

constexpr RefusalRow refusals[] = {
    {"below 0 °C", -0.01L, 1, HumidityKind::RelativeHumidity, 50, AirRefusal::TemperatureOutOfRange},
    {"above 200 °C", 200.01L, 1, HumidityKind::RelativeHumidity, 50, AirRefusal::TemperatureOutOfRange},
    {"0 bar", 20, 0, HumidityKind::RelativeHumidity, 50, AirRefusal::PressureOutOfRange},
    {"above 100 bar", 20, 100.01L, HumidityKind::RelativeHumidity, 50, AirRefusal::PressureOutOfRange},
    {"0 % relative humidity", 20, 1, HumidityKind::RelativeHumidity, 0, AirRefusal::HumidityOutOfRange},
    {"above 100 %", 20, 1, HumidityKind::RelativeHumidity, 100.01L, AirRefusal::HumidityOutOfRange},
    {"no moisture", 20, 1, HumidityKind::MoistureContent, 0, AirRefusal::HumidityOutOfRange},
    {"moisture beyond saturation (xs = 0.0147)", 20, 1.013L, HumidityKind::MoistureContent, 0.02L,
     AirRefusal::HumidityOutOfRange},
    {"vapour above the total pressure: 150 °C, 30 % of 4.76 bar", 150, 1.013L, HumidityKind::RelativeHumidity, 30,
     AirRefusal::HumidityOutOfRange},
    {"saturated at 100 °C and 1.013 bar (ps = 1.0138 bar)", 100, 1.013L, HumidityKind::RelativeHumidity, 100,
     AirRefusal::HumidityOutOfRange},
};

TEST(HumidAir, RefusesWhatIsOutsideItsRange) {
    for (const RefusalRow& row : refusals) {
        SCOPED_TRACE(row.name);
        const auto result = computeHumidAir(kelvin(row.celsius), row.pressureBar, row.kind, row.humidity);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.reason(), row.reason);
    }
}

TEST(HumidAir, AcceptsTheEndsOfItsRange) {
    EXPECT_TRUE(computeHumidAir(kelvin(0), 1, HumidityKind::RelativeHumidity, 100).ok());
    EXPECT_TRUE(computeHumidAir(kelvin(200), 100, HumidityKind::RelativeHumidity, 100).ok());
    EXPECT_TRUE(computeHumidAir(kelvin(20), 100, HumidityKind::RelativeHumidity, 0.001L).ok());
}

TEST(HumidAirViscosity, NearlyDryAirHasTheViscosityOfDryAir) {
    const auto humid = computeHumidAir(kelvin(20), 1.013L, HumidityKind::RelativeHumidity, 0.01L);
    const auto dry = computeDryAir(kelvin(20), 1.013L);
    ASSERT_TRUE(humid.ok() && dry.ok());
    EXPECT_RELATIVE(humid->viscosity, dry->properties->viscosity, 1e-5L);
}

TEST(HumidAirViscosity, TheFitAboveOneHundredDegreesEndsAtDryAirAndAtSteam) {
    // From 100 °C on the viscosity is a fit in T and the mole fraction y of water; its two ends
    // must be the pure gases: dry air after Lemmon and Jacobsen, and steam after IAPWS 1985.
    const Real t = 373.15L;
    const auto nearlyDry = computeHumidAir(t, 1.013L, HumidityKind::RelativeHumidity, 0.001L);
    const auto dry = computeDryAir(t, 1.013L);
    ASSERT_TRUE(nearlyDry.ok() && dry.ok());
    EXPECT_RELATIVE(nearlyDry->viscosity, dry->properties->viscosity, 5e-3L);

    // 99.8 % of ps = 1.0138 bar at 1.013 bar total: y = 0.9988
    const auto nearlySteam = computeHumidAir(t, 1.013L, HumidityKind::RelativeHumidity, 99.8L);
    ASSERT_TRUE(nearlySteam.ok());
    EXPECT_GT(nearlySteam->moleFraction, 0.998L);
    EXPECT_RELATIVE(nearlySteam->viscosity, waterViscosity(t, region2Density(t, 1.013L)), 1.5e-2L);
}

TEST(HumidAirViscosity, PressureRaisesItOnlyOnce) {
    // Nearly dry air at 50 and 100 bar: Gardner's correction of the low-pressure mixture viscosity
    // must land near the Lemmon–Jacobsen viscosity of dry air at that pressure (19.11 and
    // 20.38 μPa·s), not add the density rise a second time on top of it (+4 % and +8 %).
    for (Real pressure : {50.0L, 100.0L}) {
        SCOPED_TRACE(::testing::Message() << static_cast<double>(pressure) << " bar");
        const auto humid = computeHumidAir(kelvin(20), pressure, HumidityKind::RelativeHumidity, 1);
        const auto dry = computeDryAir(kelvin(20), pressure);
        ASSERT_TRUE(humid.ok() && dry.ok());
        EXPECT_RELATIVE(humid->viscosity, dry->properties->viscosity, 2e-2L);
    }
}

}  // namespace
}  // namespace velmora::media
