// Saturated water and steam from a given temperature or a given pressure.
#include <gtest/gtest.h>

#include "media/water_saturation_state.h"
#include "water_test_support.h"

namespace velmora::media {
namespace {

struct SaturationRow {
    const char* name;
    bool temperatureGiven;
    Real given;            // K or bar abs.
    Real pressure;         // bar abs.
    Real temperature;      // K
    Real liquidDensity;    // kg/m³
    Real vapourDensity;    // kg/m³
    Real liquidViscosity;  // 10⁻⁶ kg/(m·s)
    Real vapourViscosity;  // 10⁻⁶ kg/(m·s)
};

// Reference values: the IF97 region 4 equations, the edges of regions 1 and 2 (up to 623.15 K) or
// the two branches of the region 3 equation (above), and the 1985 viscosity, all evaluated
// independently at 40 digits (mpmath).
constexpr SaturationRow saturationRows[] = {
    {"0 °C", true, 273.15L, 0.00611212677444345726L, 273.15L, 999.793065506329374L, 0.00485107876320904234L,
     1791.78145654499368L, 9.21602872505202241L},
    {"100 °C", true, 373.15L, 1.01417977921310311L, 373.15L, 958.354277285890308L, 0.598135992525704051L,
     281.745281452900498L, 12.269229183875937L},
    {"200 °C", true, 473.15L, 15.5467186826982597L, 473.15L, 864.667527485059942L, 7.86025588140450491L,
     134.320924369136546L, 15.7148307994897685L},
    {"360 °C (region 3)", true, 633.15L, 186.664034213712046L, 633.15L, 527.840467839696326L,
     143.989685962970588L, 60.3586844408607691L, 25.7287362412545101L},
    {"373 °C (region 3, last accepted)", true, 646.15L, 218.131631520286287L, 646.15L, 395.814943571655801L,
     248.680871792309982L, 46.4239596931830889L, 33.2188745396474804L},
    {"0.007 bar (first accepted)", false, 0.007L, 0.007L, 275.030904976344054L, 999.889480903617726L,
     0.00551804990706622924L, 1680.294821832596L, 9.26033917409088428L},
    {"1 bar", false, 1, 1, 372.755918611337794L, 958.636889676032504L, 0.59031092354457775L,
     282.916829656409422L, 12.2557698473643708L},
    {"200 bar (region 3)", false, 200, 200, 638.89591154570139L, 490.521350425642723L, 170.6986589354456L,
     56.2180736867272132L, 27.4954796405621499L},
};

TEST(WaterSaturationState, ValuesOfBothPhases) {
    for (const SaturationRow& row : saturationRows) {
        SCOPED_TRACE(row.name);
        const SaturationOutcome outcome = row.temperatureGiven ? computeSaturationAtTemperature(row.given)
                                                               : computeSaturationAtPressure(row.given);
        ASSERT_TRUE(outcome.ok());
        EXPECT_RELATIVE(outcome->pressure, row.pressure, 1e-12L);
        EXPECT_RELATIVE(outcome->temperature, row.temperature, 1e-12L);
        EXPECT_RELATIVE(outcome->liquid.density, row.liquidDensity, 1e-9L);
        EXPECT_RELATIVE(outcome->vapour.density, row.vapourDensity, 1e-9L);
        EXPECT_RELATIVE(outcome->liquid.specificVolume * row.liquidDensity, 1, 1e-9L);
        EXPECT_RELATIVE(outcome->vapour.specificVolume * row.vapourDensity, 1, 1e-9L);
        EXPECT_RELATIVE(outcome->liquid.viscosity, row.liquidViscosity, 1e-9L);
        EXPECT_RELATIVE(outcome->vapour.viscosity, row.vapourViscosity, 1e-9L);
    }
}

struct RangeRow {
    const char* name;
    bool temperatureGiven;
    Real given;  // K or bar abs.
    bool accepted;
};

constexpr RangeRow rangeRows[] = {
    {"0 °C", true, 273.15L, true},         {"-0.01 °C", true, 273.14L, false},
    {"373 °C", true, 373 + 273.15L, true}, {"374 °C", true, 374 + 273.15L, false},
    {"0.007 bar", false, 0.007L, true},    {"7 mbar converted", false, 7 * 0.001L, true},
    {"0.0069 bar", false, 0.0069L, false}, {"220 bar", false, 220, true},
    {"220.01 bar", false, 220.01L, false},
};

TEST(WaterSaturationState, GivenValuesOutsideTheRangeAreRefused) {
    for (const RangeRow& row : rangeRows) {
        SCOPED_TRACE(row.name);
        const SaturationOutcome outcome = row.temperatureGiven ? computeSaturationAtTemperature(row.given)
                                                               : computeSaturationAtPressure(row.given);
        EXPECT_EQ(outcome.ok(), row.accepted);
        if (!outcome.ok()) {
            EXPECT_EQ(outcome.reason(), row.temperatureGiven
                                            ? WaterSteamRefusal::SaturationTemperatureOutsideRange
                                            : WaterSteamRefusal::SaturationPressureOutsideRange);
        }
    }
}

TEST(WaterSaturationState, GivingTheTemperatureOrItsPressureDescribesTheSameState) {
    // Over the line both ways accept (from 0.007 bar, about 275.03 K), including the region 3 part,
    // both ways end on the same phases.
    for (Real t = 276; t <= 646; t += 4.1L) {
        SCOPED_TRACE(static_cast<double>(t));
        const SaturationOutcome fromTemperature = computeSaturationAtTemperature(t);
        ASSERT_TRUE(fromTemperature.ok());
        const SaturationOutcome fromPressure = computeSaturationAtPressure(fromTemperature->pressure);
        ASSERT_TRUE(fromPressure.ok());
        EXPECT_RELATIVE(fromPressure->temperature, t, 1e-13L);
        EXPECT_RELATIVE(fromPressure->liquid.density, fromTemperature->liquid.density, 1e-8L);
        EXPECT_RELATIVE(fromPressure->vapour.density, fromTemperature->vapour.density, 1e-8L);
        EXPECT_GT(fromTemperature->liquid.density, fromTemperature->vapour.density);
    }
}

}  // namespace
}  // namespace velmora::media
