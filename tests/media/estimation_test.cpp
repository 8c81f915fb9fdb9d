// Property estimation from critical data, worked by hand for n-hexane (and n-heptane for the
// mixture rules). Constants: M = 86.177 g/mol, tm = −95.3 °C, tb = 68.7 °C, Tc = 507.6 K,
// pc = 30.25 bar, Vc = 368 cm³/mol, ρR = 0.6594 g/cm³ at 293.15 K, ZRA = 0.2635, ω = 0.301, and the
// liquid viscosity ln(η/Pa·s) = −20.715 + 1207.5/T + 1.4993·ln T from 177.83 to 343.15 K.
// Every reference value below was worked from the published formulas in a separate script
// (double precision); the key intermediate quantities are written beside them.
#include <gtest/gtest.h>

#include <vector>

#include "media/boiling_point_estimate.h"
#include "media/estimation_methods.h"
#include "media/mixture_estimate.h"
#include "media/substance_estimate.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

EstimationSubstance hexane() {
    EstimationSubstance s;
    s.molarMass = 86.177L;
    s.meltingPoint = -95.3L;
    s.normalBoilingPoint = 68.7L;
    s.criticalTemperature = 507.6L;
    s.criticalPressure = 30.25L;
    s.criticalVolume = 368;
    s.referenceLiquidDensity = 0.6594L;
    s.referenceTemperature = 293.15L;
    s.rackettParameter = 0.2635L;
    s.acentricFactor = 0.301L;
    s.viscosityForm = LiquidViscosityForm::LogarithmicCubic;
    s.viscosityCoefficients = {-20.715L, 1207.5L, 1.4993L, 0};
    s.viscosityLowestTemperature = 177.83L;
    s.viscosityHighestTemperature = 343.15L;
    return s;
}

EstimationSubstance heptane() {
    EstimationSubstance s = hexane();
    s.molarMass = 100.204L;
    s.meltingPoint = -90.6L;
    s.normalBoilingPoint = 98.4L;
    s.criticalTemperature = 540.2L;
    s.criticalPressure = 27.4L;
    s.criticalVolume = 428;
    s.referenceLiquidDensity = 0.6837L;
    s.rackettParameter = 0.2604L;
    s.acentricFactor = 0.350L;
    s.viscosityCoefficients = {-24.451L, 1533.1L, 2.0087L, 0};
    s.viscosityLowestTemperature = 182.57L;
    s.viscosityHighestTemperature = 371.58L;
    return s;
}

EstimationSubstance methane() {
    EstimationSubstance s;
    s.molarMass = 16.043L;
    s.meltingPoint = -182.5L;
    s.normalBoilingPoint = -161.5L;
    s.criticalTemperature = 190.56L;
    s.criticalPressure = 45.99L;
    s.criticalVolume = 98.6L;
    s.referenceLiquidDensity = 0.4228L;
    s.referenceTemperature = 111.6L;
    return s;
}

TEST(EstimationMethods, LeeKeslerAcentricFactorAndRackettDefault) {
    // θ = 341.85/507.6 = 0.673463; ω = 0.2976128 (tabulated 0.301)
    EstimationSubstance s = hexane();
    s.acentricFactor.reset();
    s.rackettParameter.reset();
    EXPECT_NEAR(acentricFactorOf(s), 0.2976128369L, 1e-9L);
    EXPECT_NEAR(rackettParameterOf(s), 0.29056L - 0.08775L * 0.2976128369L, 1e-9L);
    EXPECT_NEAR(rackettParameterOf(hexane()), 0.2635L, 0);
}

TEST(EstimationMethods, LiquidDensityFromRackettCorrectedForPressure) {
    const EstimationSubstance s = hexane();
    // exponent (1 − 298.15/507.6)^(2/7) − (1 − 293.15/507.6)^(2/7) = −0.00525186;
    // ρs = 659.4/0.2635^−0.00525186 = 654.79743 kg/m³
    EXPECT_NEAR(rackettLiquidDensity(s, 298.15L), 654.7974296912L, 1e-7L);
    // at 100 bar: pv = 0.2013211 bar, w = 3.2991299, Tr = 0.5873719, A = 66.304936, B = 0.2830444,
    // K = 2.3517121; ρ = ρs·(A + 2.81·w)/(A + K·w) = 668.16463 kg/m³
    EXPECT_NEAR(estimatedLiquidDensity(s, 298.15L, 100), 668.1646263005L, 1e-7L);
    // At its own vapour pressure the liquid is the saturated one.
    EXPECT_NEAR(estimatedLiquidDensity(s, 298.15L, vapourPressureEstimate(298.15L, 341.85L)), 654.7974296912L, 1e-9L);
}

TEST(EstimationMethods, LowPressureGasViscosity) {
    // 400 K: d = 0.293428, e = ln(0.368·(1 − 0.0339·d)) = −1.00966935, D = 1.02636279; 9.021668 μPa·s
    EXPECT_NEAR(lowPressureGasViscosity(hexane(), 400), 9.0216684640L, 1e-8L);
    // Methane at 300 K: 11.04 μPa·s by the estimate; measured 11.1 μPa·s.
    EXPECT_NEAR(lowPressureGasViscosity(methane(), 300), 11.1L, 0.2L);
}

struct ViscosityFormRow {
    const char* name;
    LiquidViscosityForm form;
    std::array<Real, 4> coefficients;
    Real viscosity;  // 10⁻⁶ kg/(m·s) at 300 K
};

const ViscosityFormRow viscosityForms[] = {
    {"1: 1000·A·T^B", LiquidViscosityForm::PowerLaw, {0.0125L, -0.8L, 0, 0}, 0.1303806102L},
    {"2: 1000·exp(A + B/T)", LiquidViscosityForm::Andrade, {-3.5L, 1000, 0, 0}, 846.4817248906L},
    {"3: 1000·exp(A + B/T + C·T + D·T²)", LiquidViscosityForm::AndradeExtended, {-3.5L, 1000, 0.001L, -2e-6L},
     954.4054797336L},
    {"5: 10⁶·exp(A + B/(C − T) + D·ln T)", LiquidViscosityForm::Vogel, {-10, 300, 100, 0.1L}, 17.9194874574L},
    {"6: 10⁶·exp(A + B/T + C·ln T + D/T³)", LiquidViscosityForm::LogarithmicCubic, {-20.715L, 1207.5L, 1.4993L, 1e5L},
     293.2118325908L},
};

TEST(EstimationMethods, LiquidViscosityEquations) {
    for (const ViscosityFormRow& row : viscosityForms) {
        SCOPED_TRACE(row.name);
        EstimationSubstance s = hexane();
        s.viscosityForm = row.form;
        s.viscosityCoefficients = row.coefficients;
        const std::optional<Real> viscosity = liquidViscosityFromEquation(s, 300);
        ASSERT_TRUE(viscosity.has_value());
        EXPECT_RELATIVE(*viscosity, row.viscosity, 1e-9L);
    }
    EstimationSubstance none = hexane();
    none.viscosityForm = LiquidViscosityForm::None;
    EXPECT_FALSE(liquidViscosityFromEquation(none, 300).has_value());
}

TEST(EstimationMethods, PrzezdzieckiSridharAndLucas) {
    const EstimationSubstance s = hexane();
    // 400 K, 10 bar: Tf = 177.85 K, ρ(Tf) = 756.35962 kg/m³, Vm = 113.936542 cm³/mol,
    // V0 = 111.661210, E = 19.2298116, V = 156.958480 (ρ = 549.04329): η = 128.190329 μPa·s
    EXPECT_NEAR(przezdzieckiSridharViscosity(s, 549.0432869238573L, 10), 128.1903290086L, 1e-6L);
    // Lucas at 298.15 K, 100 bar: ΔPr = 3.2722975, A′ = 0.97871958, D′ = 0.14555952,
    // C′ = 0.06189414: 296.75063·(1 + D′·(ΔPr/2.118)^A′)/(1 + C′·ω·ΔPr) = 342.02078 μPa·s
    EXPECT_NEAR(lucasPressureCorrection(296.7506305956L, 298.15L, 100, 507.6L, 30.25L, 0.301L), 342.0207818393L, 1e-7L);
}

struct SubstanceRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
    EstimatedPhase phase;
    bool supercritical;
    Real density;    // kg/m³
    Real viscosity;  // 10⁻⁶ kg/(m·s)
    bool approximate;
};

const SubstanceRow substanceRows[] = {
    {"25 °C, 1.013 bar: liquid, no pressure correction", 298.15L, 1.013L, EstimatedPhase::Liquid, false,
     654.9187532930L, 296.7506305956L, false},
    {"25 °C, 100 bar: Lucas correction", 298.15L, 100, EstimatedPhase::Liquid, false, 668.1646263005L,
     342.0207818393L, false},
    {"400 K, 10 bar: beyond the equation's range, estimated", 400, 10, EstimatedPhase::Liquid, false,
     549.0432869239L, 131.5407179753L, true},
    {"400 K, 1.013 bar: gas at low pressure", 400, 1.013L, EstimatedPhase::Gaseous, false, 2.6922L,
     9.0216684640L, false},
    // SRK ρ = 20.682392 kg/m³ (largest root by bisection); Gardner from 11.3897 μPa·s
    {"550 K, 10 bar: above Tc, gas with Gardner", 550, 10, EstimatedPhase::Gaseous, false, 20.6823916793L,
     12.7860170672L, false},
    {"550 K, 100 bar: above Tc and pc", 550, 100, EstimatedPhase::Gaseous, true, 0, 0, false},
};

TEST(SubstanceEstimate, StateDensityAndViscosity) {
    for (const SubstanceRow& row : substanceRows) {
        SCOPED_TRACE(row.name);
        const auto result = estimateSubstance(hexane(), row.temperatureK, row.pressureBar);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->properties.phase, row.phase);
        EXPECT_EQ(result->properties.supercritical, row.supercritical);
        ASSERT_TRUE(result->properties.density && result->properties.viscosity);
        if (row.density > 0) {
            EXPECT_RELATIVE(*result->properties.density, row.density, 1e-4L);
            EXPECT_RELATIVE(*result->properties.viscosity, row.viscosity, 1e-9L);
        }
        EXPECT_EQ(result->properties.viscosityApproximate, row.approximate);
    }
}

TEST(SubstanceEstimate, BoilsAtItsNormalBoilingPoint) {
    const Real tb = 68.7L + 273.15L;
    EXPECT_RELATIVE(vapourPressureEstimate(tb, tb), 1.01325L, 1e-8L);
    const auto justBelow = estimateSubstance(hexane(), tb - 0.01L, 1.01325L);
    const auto justAbove = estimateSubstance(hexane(), tb + 0.01L, 1.01325L);
    ASSERT_TRUE(justBelow.ok() && justAbove.ok());
    EXPECT_EQ(justBelow->properties.phase, EstimatedPhase::Liquid);
    EXPECT_EQ(justAbove->properties.phase, EstimatedPhase::Gaseous);
    EXPECT_NEAR(*justBelow->boilingPoint, 68.7L, 1e-6L);
    // Above the critical temperature the boiling point cannot be given.
    EXPECT_FALSE(estimatedBoilingPoint(hexane(), 100).has_value());
}

TEST(SubstanceEstimate, PressureCorrectionsStartAbove1013Millibar) {
    const auto at = estimateSubstance(hexane(), 298.15L, 1.013L);
    const auto above = estimateSubstance(hexane(), 298.15L, 1.014L);
    ASSERT_TRUE(at.ok() && above.ok());
    EXPECT_EQ(*at->properties.viscosity, *liquidViscosityFromEquation(hexane(), 298.15L));
    EXPECT_GT(*above->properties.viscosity, *at->properties.viscosity);
    const auto gas = estimateSubstance(hexane(), 400, 1.013L);
    ASSERT_TRUE(gas.ok());
    EXPECT_EQ(*gas->properties.viscosity, lowPressureGasViscosity(hexane(), 400));
}

struct SubstanceRefusalRow {
    const char* name;
    Real temperatureK;
    Real pressureBar;
    EstimationRefusal reason;
};

constexpr SubstanceRefusalRow substanceRefusals[] = {
    {"0.099 bar", 300, 0.099L, EstimationRefusal::PressureBelowRange},
    {"1000.1 bar", 300, 1000.1L, EstimationRefusal::PressureAboveRange},
    {"negative temperature", -1, 1, EstimationRefusal::NegativeTemperature},
    {"below the melting point of 177.85 K", 177.8L, 1, EstimationRefusal::BelowMeltingPoint},
};

TEST(SubstanceEstimate, RefusesOutsideItsRange) {
    for (const SubstanceRefusalRow& row : substanceRefusals) {
        SCOPED_TRACE(row.name);
        const auto result = estimateSubstance(hexane(), row.temperatureK, row.pressureBar);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.reason(), row.reason);
    }
    EXPECT_TRUE(estimateSubstance(hexane(), 300, 0.1L).ok());
    EXPECT_TRUE(estimateSubstance(hexane(), 300, 1000).ok());
}

class MixtureEstimateTest : public ::testing::Test {
protected:
    EstimationSubstance hexane_ = hexane();
    EstimationSubstance heptane_ = heptane();
    EstimationSubstance methane_ = methane();

    std::vector<MixtureComponent> hexaneHeptane(Real hexaneFraction, Real heptaneFraction) const {
        return {{&hexane_, hexaneFraction}, {&heptane_, heptaneFraction}};
    }
};

TEST_F(MixtureEstimateTest, LiquidMixingRules) {
    // 25 °C, 1.013 bar; components 654.91875 and 679.56093 kg/m³, 296.75063 and 384.25857 μPa·s.
    // Mole fractions 0.5/0.5: 1/ρ = Σ(xi·Mi/ρi)/Σ(xi·Mi), log η = Σ xi·log ηi, Kay's Tc = Σ xi·Tci.
    const auto mole = estimateMixture(hexaneHeptane(50, 50), FractionKind::MolePercent, 298.15L, 1.013L);
    ASSERT_TRUE(mole.ok());
    EXPECT_EQ(mole->properties.phase, EstimatedPhase::Liquid);
    EXPECT_NEAR(*mole->properties.density, 667.9405818154L, 1e-7L);
    EXPECT_NEAR(*mole->properties.viscosity, 337.6817613573L, 1e-7L);
    EXPECT_NEAR(mole->criticalTemperature, 523.9L, 1e-9L);
    // Mass fractions 0.5/0.5 are mole fractions 0.5376299/0.4623701.
    const auto mass = estimateMixture(hexaneHeptane(50, 50), FractionKind::MassPercent, 298.15L, 1.013L);
    ASSERT_TRUE(mass.ok());
    EXPECT_NEAR(*mass->properties.density, 667.0123249980L, 1e-7L);
    EXPECT_NEAR(*mass->properties.viscosity, 334.4139056220L, 1e-7L);
}

TEST_F(MixtureEstimateTest, GasMixingRules) {
    // 500 K, 1.013 bar: SRK 2.1256486 and 2.4829764 kg/m³, 11.4214291 and 10.8187556 μPa·s;
    // η = Σ xi·ηi·√Mi/Σ xi·√Mi (Herning and Zipperer)
    const auto result = estimateMixture(hexaneHeptane(50, 50), FractionKind::MolePercent, 500, 1.013L);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->properties.phase, EstimatedPhase::Gaseous);
    EXPECT_RELATIVE(*result->properties.density, 2.3039036689L, 1e-8L);
    EXPECT_RELATIVE(*result->properties.viscosity, 11.1087369950L, 1e-9L);
}

TEST_F(MixtureEstimateTest, MassAndMoleFractionsAgreeOnlyForEqualMolarMasses) {
    EstimationSubstance twin = hexane_;
    twin.normalBoilingPoint = 80;
    const std::vector<MixtureComponent> twins{{&hexane_, 30}, {&twin, 70}};
    const auto mole = estimateMixture(twins, FractionKind::MolePercent, 298.15L, 1.013L);
    const auto mass = estimateMixture(twins, FractionKind::MassPercent, 298.15L, 1.013L);
    ASSERT_TRUE(mole.ok() && mass.ok());
    EXPECT_NEAR(*mole->properties.density, *mass->properties.density, 1e-12L);

    const auto moleHeptane = estimateMixture(hexaneHeptane(30, 70), FractionKind::MolePercent, 298.15L, 1.013L);
    const auto massHeptane = estimateMixture(hexaneHeptane(30, 70), FractionKind::MassPercent, 298.15L, 1.013L);
    ASSERT_TRUE(moleHeptane.ok() && massHeptane.ok());
    EXPECT_GT(std::fabs(*moleHeptane->properties.density - *massHeptane->properties.density), 0.1L);
}

TEST_F(MixtureEstimateTest, BoilingPointSearchFindsTheBoilingTemperature) {
    // A "mixture" of hexane with itself boils where hexane does: the step search, from a liquid or
    // from a gas, ends within its last 0.1 K step of the closed-form estimate.
    const std::vector<MixtureComponent> pure{{&hexane_, 40}, {&hexane_, 60}};
    for (Real pressure : {1.013L, 5.0L}) {
        const Real expected = boilingPointEstimate(pressure, 341.85L) - 273.15L;
        for (Real start : {298.15L, 480.0L}) {
            SCOPED_TRACE(::testing::Message() << static_cast<double>(pressure) << " bar from "
                                              << static_cast<double>(start) << " K");
            const auto result = estimateMixture(pure, FractionKind::MolePercent, start, pressure);
            ASSERT_TRUE(result.ok());
            ASSERT_TRUE(result->boilingPoint.has_value());
            EXPECT_NEAR(*result->boilingPoint, expected, 0.1L);
        }
    }
}

TEST_F(MixtureEstimateTest, FractionsMustAddUpToOneHundred) {
    const auto short100 = estimateMixture(hexaneHeptane(50, 49.99L), FractionKind::MolePercent, 298.15L, 1.013L);
    ASSERT_FALSE(short100.ok());
    EXPECT_EQ(short100.reason(), EstimationRefusal::FractionSumNot100);
    EXPECT_TRUE(estimateMixture(hexaneHeptane(50, 50.000005L), FractionKind::MolePercent, 298.15L, 1.013L).ok());
}

TEST_F(MixtureEstimateTest, RefusesWhatCannotBeMixed) {
    const std::vector<MixtureComponent> one{{&hexane_, 100}};
    auto result = estimateMixture(one, FractionKind::MolePercent, 298.15L, 1.013L);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.reason(), EstimationRefusal::TooFewSubstances);

    // At 300 K and 1.013 bar hexane is liquid and methane a gas.
    const std::vector<MixtureComponent> liquidAndGas{{&hexane_, 50}, {&methane_, 50}};
    result = estimateMixture(liquidAndGas, FractionKind::MolePercent, 300, 1.013L);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.reason(), EstimationRefusal::MixtureNotComputable);

    // 180 K lies below the melting point of heptane (182.55 K), above that of hexane.
    result = estimateMixture(hexaneHeptane(50, 50), FractionKind::MolePercent, 180, 1.013L);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.reason(), EstimationRefusal::MixtureNotComputable);

    result = estimateMixture(hexaneHeptane(50, 50), FractionKind::MolePercent, 298.15L, 0.05L);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.reason(), EstimationRefusal::PressureBelowRange);
}

}  // namespace
}  // namespace velmora::media
