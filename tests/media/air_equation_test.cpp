// Dry air against the values published with its equations: Lemmon, Jacobsen, Penoncello and
// Friend, J. Phys. Chem. Ref. Data 29 (2000) 331 (Tables A1 and A2 of calculated values), and
// Lemmon and Jacobsen, Int. J. Thermophys. 25 (2004) 21 (Table V, check values of the viscosity).
#include <gtest/gtest.h>

#include <cmath>

#include "media/air_equation.h"
#include "media/air_saturation.h"
#include "media/air_viscosity.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

constexpr Real molarMass = 28.9586L;  // g/mol; kg/m³ = mol/dm³ × molar mass

struct DensityRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
    Real molarDensity;  // mol/dm³, as printed
    Real tolerance;     // mol/dm³, one unit of the last printed digit
};

// Lemmon et al. (2000), Table A2, single-phase states.
constexpr DensityRow publishedDensities[] = {
    {"100 K, 0.101325 MPa", 100, 1.01325L, 0.12449L, 1e-5L},
    {"500 K, 0.2 MPa", 500, 2, 0.048077L, 1e-6L},
    {"130 K, 1 MPa (below the maxcondentherm)", 130, 10, 1.0295L, 1e-4L},
    {"2000 K, 10 MPa", 2000, 100, 0.59094L, 1e-5L},
    {"2000 K, 500 MPa", 2000, 5000, 16.48L, 1e-2L},
};

TEST(AirEquation, GasDensityMatchesThePublishedTable) {
    for (const DensityRow& row : publishedDensities) {
        SCOPED_TRACE(row.name);
        const std::optional<Real> density = airGasDensity(row.temperatureK, row.pressureBar);
        ASSERT_TRUE(density.has_value());
        EXPECT_NEAR(*density / molarMass, row.molarDensity, row.tolerance);
    }
}

struct SaturationRow {
    const char* name;
    Real temperatureK;
    Real bubblePressure;  // MPa
    Real dewPressure;     // MPa
    Real bubbleTolerance;  // MPa
    Real dewTolerance;     // MPa
};

// Lemmon et al. (2000), Table A1: bubble and dew pressures of the full equation, which the
// ancillary equations reproduce to the printed digits.
constexpr SaturationRow publishedSaturation[] = {
    {"59.75 K (triple point)", 59.75L, 0.005265L, 0.00243L, 1e-6L, 1e-5L},
    {"70 K", 70, 0.03191L, 0.01943L, 1e-5L, 1e-5L},
    {"80 K", 80, 0.11462L, 0.08232L, 1e-5L, 1e-5L},
    {"100 K", 100, 0.66313L, 0.56742L, 1e-5L, 1e-5L},
    {"120 K", 120, 2.15573L, 2.00674L, 1e-5L, 1e-5L},
    {"130 K", 130, 3.42947L, 3.30835L, 1e-5L, 1e-5L},
};

TEST(AirSaturation, BubbleAndDewPressuresMatchThePublishedTable) {
    for (const SaturationRow& row : publishedSaturation) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(bubblePointPressure(row.temperatureK) / 10, row.bubblePressure, row.bubbleTolerance);
        EXPECT_NEAR(dewPointPressure(row.temperatureK) / 10, row.dewPressure, row.dewTolerance);
    }
}

TEST(AirSaturation, BothPressuresMeetAtTheMaxcondentherm) {
    // θ = 0: ln(p/pj) = 0, p = pj = 3.78502 MPa
    EXPECT_NEAR(bubblePointPressure(airMaxcondenthermTemperature), 37.8502L, 1e-12L);
    EXPECT_NEAR(dewPointPressure(airMaxcondenthermTemperature), 37.8502L, 1e-12L);
}

struct MeltingRow {
    const char* name;
    Real pressureBar;
    Real temperatureK;
};

// The published melting line p = pt·(1 + 35493.5·((T/Tt)^1.78963 − 1)), pt = 0.005265 MPa,
// Tt = 59.75 K, worked forward by hand for each temperature.
constexpr MeltingRow meltingLine[] = {
    {"triple point", 0.05265L, 59.75L},
    {"80 K: 1281.870937 bar", 1281.870937401899L, 80},
    {"100 K: 2828.309376 bar", 2828.309375694366L, 100},
};

TEST(AirSaturation, MeltingTemperatureInvertsThePublishedMeltingLine) {
    for (const MeltingRow& row : meltingLine) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(meltingTemperature(row.pressureBar), row.temperatureK, 1e-9L);
    }
}

struct ViscosityRow {
    const char* name;
    Real temperatureK;
    Real molarDensity;  // mol/dm³
    Real viscosity;     // μPa·s, as printed
    Real tolerance;     // one unit of the last printed digit
};

// Lemmon and Jacobsen (2004), Table V, air.
constexpr ViscosityRow publishedViscosities[] = {
    {"100 K, dilute gas", 100, 0, 7.09559L, 1e-5L},
    {"300 K, dilute gas", 300, 0, 18.5230L, 1e-4L},
    {"100 K, 28 mol/dm³", 100, 28, 107.923L, 1e-3L},
    {"200 K, 10 mol/dm³", 200, 10, 21.1392L, 1e-4L},
    {"300 K, 5 mol/dm³", 300, 5, 21.3241L, 1e-4L},
    {"132.64 K, 10.4 mol/dm³", 132.64L, 10.4L, 17.7623L, 1e-4L},
};

TEST(AirViscosity, MatchesThePublishedCheckValues) {
    for (const ViscosityRow& row : publishedViscosities) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(airViscosity(row.molarDensity * molarMass, row.temperatureK), row.viscosity, row.tolerance);
    }
}

// A second route to the saturated states: the density ancillaries of Lemmon et al. (2000),
// fitted to the full equation's phase equilibrium independently of the pressure ancillaries.
//   dew:    ln(ρ″/ρj) = −2.0466·θ^0.41 − 4.752·θ − 13.259·θ^2.8 − 47.652·θ^6.5
//   bubble: ρ′/ρj = 1 + 44.3413·θ^0.65 − 240.073·θ^0.85 + 285.139·θ^0.95 − 88.3366·θ^1.1
//                   − 0.892181·ln(T/Tj)
Real dewDensityAncillary(Real temperatureK) {
    const Real th = 1 - temperatureK / airMaxcondenthermTemperature;
    return airReducingDensity * molarMass *
           std::exp(-2.0466L * std::pow(th, 0.41L) - 4.752L * th - 13.259L * std::pow(th, 2.8L) -
                    47.652L * std::pow(th, 6.5L));
}

TEST(AirEquation, SaturatedStatesAgreeWithTheDensityAncillaries) {
    for (Real temperature : {60.0L, 80.0L, 100.0L, 120.0L, 128.0L, 132.0L}) {
        SCOPED_TRACE(::testing::Message() << static_cast<double>(temperature) << " K");
        const std::optional<Real> vapour = airGasDensity(temperature, dewPointPressure(temperature));
        ASSERT_TRUE(vapour.has_value());
        EXPECT_RELATIVE(*vapour, dewDensityAncillary(temperature), 3e-3L);

        const std::optional<Real> liquid = airLiquidDensity(saturatedLiquidAirDensity(temperature), temperature,
                                                            bubblePointPressure(temperature));
        ASSERT_TRUE(liquid.has_value());
        EXPECT_RELATIVE(*liquid, saturatedLiquidAirDensity(temperature), 5e-3L);
    }
}

TEST(AirSaturation, CompressedLiquidCorrectionRisesWithPressureLikeTheEquation) {
    // 80 K: the equation of state gives the liquid at 10, 100 and 1000 bar; the correlation, which
    // only starts the iteration, must follow it upwards from the saturated density.
    const Real temperature = 80;
    const Real bubble = bubblePointPressure(temperature);
    const Real saturated = saturatedLiquidAirDensity(temperature);
    for (Real pressure : {10.0L, 100.0L, 1000.0L}) {
        SCOPED_TRACE(::testing::Message() << static_cast<double>(pressure) << " bar");
        const Real correlation = compressedLiquidAirDensity(bubble, pressure, temperature);
        const std::optional<Real> equation = airLiquidDensity(correlation, temperature, pressure);
        ASSERT_TRUE(equation.has_value());
        EXPECT_GT(correlation, saturated);
        EXPECT_GT(*equation, saturated);
        EXPECT_RELATIVE(correlation, *equation, 3e-2L);
    }
    EXPECT_NEAR(compressedLiquidAirDensity(bubble, bubble, temperature), saturated, 1e-9L);
}

TEST(AirEquation, IterationRefusesWhatIsNoState) {
    EXPECT_FALSE(airDensityFrom(1.0L, 300, 0).has_value());
    EXPECT_FALSE(airDensityFrom(1.0L, 0, 1).has_value());
    EXPECT_FALSE(airDensityFrom(0.0L, 300, 1).has_value());
    EXPECT_FALSE(airDensityFrom(std::nan(""), 300, 1).has_value());
}

}  // namespace
}  // namespace velmora::media
