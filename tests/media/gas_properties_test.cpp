// Real gases: the Soave–Redlich–Kwong density, Gardner's pressure correction of the viscosity, the
// boiling point from the normal boiling point, and the standard-to-operating flow conversion.
#include <gtest/gtest.h>

#include "media/boiling_point_estimate.h"
#include "media/gardner_correction.h"
#include "media/gas_norm_conversion.h"
#include "media/srk_density.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

constexpr GasCriticalData nitrogen{126.2L, 33.98L, 0.039L, 28.014L};  // Tc K, pc bar, ω, M g/mol
constexpr GasCriticalData nButane{425.12L, 37.96L, 0.200L, 58.123L};

struct SrkRow {
    const char* name;
    GasCriticalData gas;
    Real temperatureK;
    Real pressureBar;
    Real compressibility;  // the largest real root of the cubic
    Real density;          // kg/m³
};

// Reference roots found by bisection on Z³ − Z² + (A − B − B²)·Z − A·B = 0 after a sign-change
// scan over 0 < Z < 3, independently of Cardano's formulas; A and B worked from the critical data
// (nitrogen at 300 K, 100 bar: A = 0.1112197729, B = 0.1072588582).
constexpr SrkRow srkRows[] = {
    {"nitrogen 300 K, 100 bar: one real root", nitrogen, 300, 100, 1.018894626936L, 110.2284456227L},
    // roots 0.0502799, 0.1892506, 0.7604695
    {"nitrogen 100 K, 10 bar: three roots, the vapour one", nitrogen, 100, 10, 0.760469535067L, 44.3059843169L},
    // roots 0.0044078, 0.0216000, 0.9739922
    {"n-butane 300 K, 1 bar: three roots, the vapour one", nButane, 300, 1, 0.973992173927L, 2.3924363143L},
};

TEST(SrkDensity, TakesTheLargestRootOfTheCubic) {
    for (const SrkRow& row : srkRows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(srkCompressibility(row.temperatureK, row.pressureBar, row.gas), row.compressibility, 1e-10L);
        EXPECT_RELATIVE(srkDensity(row.temperatureK, row.pressureBar, row.gas), row.density, 1e-9L);
    }
}

TEST(SrkDensity, ApproachesTheIdealGasAtLowPressure) {
    // ρ = p·M/(R·T) with R = 83.144 bar·cm³/(mol·K): 0.001 bar, 300 K, nitrogen
    EXPECT_RELATIVE(srkDensity(300, 0.001L, nitrogen), 0.001L * 28.014L / (83.144L * 300) * 1000, 1e-6L);
}

TEST(GardnerViscosity, MatchesTheFormulaWorkedByHand) {
    // η0 = 17.8 μPa·s, T = 300 K, ρ = 110 kg/m³, M = 28.014 g/mol:
    //   d  = 5.638e-12·300^0.75·(17.8e-6)^−1.5·28.014^−0.25 = 2.352297e-3 m³/kg
    //   dρ = 0.2587527;  η = 17.8·(1 + 0.0452817 + 0.0579211) = 19.637009 μPa·s
    EXPECT_NEAR(gardnerViscosity(17.8L, 300, 110, 28.014L), 19.6370087L, 1e-6L);
    EXPECT_NEAR(gardnerViscosity(17.8L, 300, 0, 28.014L), 17.8L, 1e-15L);
}

TEST(BoilingPointEstimate, GivesTheNormalBoilingPointAtNormalPressure) {
    for (Real tb : {77.35L, 239.82L, 341.85L, 373.15L, 600.0L}) {
        SCOPED_TRACE(::testing::Message() << static_cast<double>(tb) << " K");
        EXPECT_NEAR(boilingPointEstimate(1.01325L, tb), tb, 1e-6L);
        EXPECT_RELATIVE(vapourPressureEstimate(tb, tb), 1.01325L, 1e-8L);
    }
}

TEST(BoilingPointEstimate, VapourPressureEstimateIsItsInverse) {
    // n-hexane, Tb = 341.85 K. Worked from the Antoine constants of Tb: s = 0.3177070, C = 224.80081,
    // B = 1177.53354, A = 6.89284179; at 5 bar = 3750.308 Torr: T = B/(A − 3.57406698) − C + 273.15
    // = 403.1589 K.
    EXPECT_NEAR(boilingPointEstimate(5, 341.85L), 403.1589003679L, 1e-7L);
    EXPECT_NEAR(vapourPressureEstimate(400, 341.85L), 4.6679483965L, 1e-8L);
    // The inverse carries its constants rounded (0.576, 0.002997), so the round trip closes only to
    // about 0.01 K.
    for (Real t : {250.0L, 341.85L, 400.0L, 500.0L})
        EXPECT_NEAR(boilingPointEstimate(vapourPressureEstimate(t, 341.85L), 341.85L), t, 2e-2L);
}

struct ConversionRow {
    const char* name;
    NormConversionEntries entries;
    Real operatingFlow;
    const char* unit;
};

const ConversionRow conversions[] = {
    {"the standard state itself", {"100", "Nm³/h", "0", "°C", "1,01325", "bar"}, 100, "m³/h"},
    {"double temperature and double pressure", {"100", "Nm³/h", "273,15", "°C", "2.0265", "bar"}, 100, "m³/h"},
    {"empty temperature reads as 0 °C", {"100", "Nm³/h", "", "°C", "1.01325", "bar"}, 100, "m³/h"},
    {"Kelvin, per minute", {"60", "Nm³/min", "546.3", "K", "1.01325", "bar"}, 120, "m³/min"},
    {"per second, blanks removed", {"1 000", "Nm³/s", "0", "°C", "10.1325", "bar"}, 100, "m³/s"},
    {"0 psig is 14.7 psi absolute", {"100", "Nm³/h", "0", "°C", "0", "psig"}, 100 * 1.01325L / (14.7L * 0.068947581976L), "m³/h"},
    {"at absolute zero the flow is 0", {"100", "Nm³/h", "-273.15", "°C", "1", "bar"}, 0, "m³/h"},
};

TEST(NormFlowConversion, ScalesWithTemperatureAndPressure) {
    for (const ConversionRow& row : conversions) {
        SCOPED_TRACE(row.name);
        const auto result = convertNormFlow(row.entries);
        ASSERT_TRUE(result.ok());
        EXPECT_NEAR(result->operatingFlow, row.operatingFlow, 1e-9L);
        EXPECT_EQ(result->operatingUnit, row.unit);
    }
}

TEST(NormFlowConversion, GivesGallonsPerMinuteFromCubicMetresPerHour) {
    // 100 m³/h = 100/0.158987·42/60 = 440.2875 gal/min; 1 m³/min = 60 m³/h = 264.1725 gal/min
    const auto perHour = convertNormFlow({"100", "Nm³/h", "0", "°C", "1.01325", "bar"});
    const auto perMinute = convertNormFlow({"1", "Nm³/min", "0", "°C", "1.01325", "bar"});
    ASSERT_TRUE(perHour.ok() && perMinute.ok());
    EXPECT_NEAR(perHour->gallonsPerMinute, 440.2875L, 1e-4L);
    EXPECT_NEAR(perMinute->gallonsPerMinute, 264.1725L, 1e-4L);
}

struct ConversionRefusalRow {
    const char* name;
    NormConversionEntries entries;
    NormConversionRefusal reason;
};

const ConversionRefusalRow conversionRefusals[] = {
    {"no standard flow", {"", "Nm³/h", "20", "°C", "1", "bar"}, NormConversionRefusal::NormFlowNotANumber},
    {"zero standard flow", {"0", "Nm³/h", "20", "°C", "1", "bar"}, NormConversionRefusal::NormFlowNotANumber},
    {"flow not a number", {"abc", "Nm³/h", "20", "°C", "1", "bar"}, NormConversionRefusal::NormFlowNotANumber},
    {"temperature not a number", {"100", "Nm³/h", "x", "°C", "1", "bar"}, NormConversionRefusal::TemperatureNotANumber},
    {"pressure not a number", {"100", "Nm³/h", "20", "°C", "1..0", "bar"}, NormConversionRefusal::PressureNotANumber},
    {"zero pressure in bar", {"100", "Nm³/h", "20", "°C", "0", "bar"}, NormConversionRefusal::PressureNotANumber},
    {"negative absolute pressure", {"100", "Nm³/h", "20", "°C", "-2", "bar"}, NormConversionRefusal::PressureNotANumber},
    {"gauge pressure below vacuum", {"100", "Nm³/h", "20", "°C", "-20", "psig"}, NormConversionRefusal::PressureNotANumber},
    {"the flow is checked first", {"0", "Nm³/h", "x", "°C", "x", "bar"}, NormConversionRefusal::NormFlowNotANumber},
};

TEST(NormFlowConversion, NamesTheFirstEntryThatIsNoUsableNumber) {
    for (const ConversionRefusalRow& row : conversionRefusals) {
        SCOPED_TRACE(row.name);
        const auto result = convertNormFlow(row.entries);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.reason(), row.reason);
    }
}

}  // namespace
}  // namespace velmora::media
