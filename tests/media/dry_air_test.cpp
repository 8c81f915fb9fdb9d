// The dry-air and saturated-air computations: the phase decision, the ranges and their refusals.
#include <gtest/gtest.h>

#include "media/air_equation.h"
#include "media/air_saturation.h"
#include "media/dry_air.h"
#include "media/saturated_air.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

struct StateRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
    AirState state;
};

constexpr StateRow states[] = {
    {"20 °C, 1 bar", 293.15L, 1, AirState::Gaseous},
    {"80 K, 10 bar: above the bubble pressure of 1.146 bar", 80, 10, AirState::Liquid},
    {"80 K, 1 bar: below the bubble pressure", 80, 1, AirState::Gaseous},
    {"50 K, 10 bar: below the melting temperature", 50, 10, AirState::Solid},
    {"132.6 K, 100 bar: just below the maxcondentherm, compressed liquid", 132.6L, 100, AirState::Liquid},
    {"exactly 132.6312 K, 100 bar: no phase test", 132.6312L, 100, AirState::Gaseous},
    {"exactly 132.6312 K, 10 bar", 132.6312L, 10, AirState::Gaseous},
    {"150 K, 5000 bar: dense fluid below the melting pressure of 7835 bar", 150, 5000, AirState::Gaseous},
    // The melting line passes 132.6312 K at 5918 bar; beyond it air is solid whatever the
    // temperature, and the fluid equation would be extrapolated into the solid.
    {"150 K, 10000 bar: beyond the melting line", 150, 10000, AirState::Solid},
    {"2000 K, 20000 bar", 2000, 20000, AirState::Gaseous},
};

TEST(DryAirState, FollowsBubbleAndMeltingLines) {
    for (const StateRow& row : states) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(dryAirState(row.temperatureK, row.pressureBar), row.state);
        const auto result = computeDryAir(row.temperatureK, row.pressureBar);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->state, row.state);
        EXPECT_EQ(result->properties.has_value(), row.state != AirState::Solid);
    }
}

TEST(DryAir, RoomAirIsAboutOnePointOneNineKilogramsPerCubicMetre) {
    const auto result = computeDryAir(293.15L, 1);
    ASSERT_TRUE(result.ok() && result->properties);
    // Ideal gas p·M/(R·T) = 1.18817 kg/m³; the second virial coefficient of air at 20 °C (about
    // −7.5 cm³/mol) raises it by 0.03 %.
    EXPECT_NEAR(result->properties->density, 1.19L, 0.005L);
    EXPECT_RELATIVE(result->properties->density, 1.0e5L * 28.9586e-3L / (8.31451L * 293.15L) * 1.0003L, 2e-4L);
    EXPECT_NEAR(result->properties->specificVolume * result->properties->density, 1, 1e-15L);
    // Property tables of air give 18.2 μPa·s at 20 °C and normal pressure.
    EXPECT_NEAR(result->properties->viscosity, 18.2L, 0.05L);
}

TEST(DryAir, LiquidDensityComesFromTheEquationOfState) {
    const auto result = computeDryAir(80, 10);
    ASSERT_TRUE(result.ok() && result->properties);
    const Real density = result->properties->density;
    // Above the saturated liquid (870.0 kg/m³ at 80 K), and a root of the equation.
    EXPECT_GT(density, saturatedLiquidAirDensity(80));
    EXPECT_LT(density, 880);
    EXPECT_NEAR(airHelmholtzEquation(density / (airMolarMass * airReducingDensity), 80, 10), 0, 1e-9L);
    EXPECT_GT(result->properties->viscosity, 150);  // liquid, not gas-like
}

struct RefusalRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
    AirRefusal reason;
};

constexpr RefusalRow refusals[] = {
    {"0 K", 0, 1, AirRefusal::TemperatureOutOfRange},
    {"negative temperature", -10, 1, AirRefusal::TemperatureOutOfRange},
    {"above 2000 K", 2000.001L, 1, AirRefusal::TemperatureOutOfRange},
    {"0 bar", 300, 0, AirRefusal::PressureOutOfRange},
    {"above 20000 bar", 300, 20000.01L, AirRefusal::PressureOutOfRange},
    {"temperature checked first", 3000, 0, AirRefusal::TemperatureOutOfRange},
};

TEST(DryAir, RefusesStatesOutsideItsRange) {
    for (const RefusalRow& row : refusals) {
        SCOPED_TRACE(row.name);
        const auto result = computeDryAir(row.temperatureK, row.pressureBar);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.reason(), row.reason);
    }
}

TEST(DryAir, ComputesTheWholeRangeWithoutFailure) {
    // Any failed iteration would be a refusal; none may occur inside the range of the equation.
    for (Real t = 60; t <= 2000; t *= 1.07L)
        for (Real p = 0.001L; p <= 20000; p *= 1.5L) {
            const auto result = computeDryAir(t, p);
            ASSERT_TRUE(result.ok()) << t << " K, " << p << " bar";
        }
}

TEST(SaturatedAir, AcceptsSixtyToOneHundredThirtyTwoKelvin) {
    for (Real t : {60.0L, 132.0L}) {
        SCOPED_TRACE(::testing::Message() << static_cast<double>(t) << " K");
        const auto result = computeSaturatedAir(t);
        ASSERT_TRUE(result.ok());
        EXPECT_LT(result->vapour.density, result->liquid.density);
        EXPECT_LT(result->vapour.viscosity, result->liquid.viscosity);
    }
    for (Real t : {59.9L, 132.1L, 0.0L}) {
        SCOPED_TRACE(::testing::Message() << static_cast<double>(t) << " K");
        const auto result = computeSaturatedAir(t);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.reason(), AirRefusal::OutsideRangeOfValidity);
    }
}

TEST(SaturatedAir, GivesTheLiquidAtTheBubbleAndTheVapourAtTheDewPressure) {
    const auto result = computeSaturatedAir(80);
    ASSERT_TRUE(result.ok());
    // Lemmon et al. (2000), Table A1 at 80 K: 0.11462 and 0.08232 MPa
    EXPECT_NEAR(result->bubblePressure, 1.1462L, 1e-4L);
    EXPECT_NEAR(result->dewPressure, 0.8232L, 1e-4L);
    EXPECT_RELATIVE(result->vapour.specificVolume, 1 / result->vapour.density, 1e-15L);
    // The liquid at its own (bubble) pressure is the state the dry-air iteration finds there.
    const std::optional<Real> liquid = airLiquidDensity(850, 80, result->bubblePressure);
    ASSERT_TRUE(liquid.has_value());
    EXPECT_NEAR(result->liquid.density, *liquid, 1e-6L);
}

}  // namespace
}  // namespace velmora::media
