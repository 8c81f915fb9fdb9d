// The result texts of the air dialogs: decimals by size of the value, US units, decimal comma.
#include <gtest/gtest.h>

#include "media/air_display.h"

namespace velmora::media {
namespace {

constexpr PropertyDisplay metric{false, false};
constexpr PropertyDisplay metricComma{false, true};
constexpr PropertyDisplay us{true, false};

struct DryRow {
    const char* name;
    AirFluidProperties properties;
    PropertyDisplay display;
    FluidTexts texts;
};

const DryRow dryRows[] = {
    {"room air: ρ < 10 gets 4 decimals", {1.188536L, 0.841371L, 18.20548L}, metric, {"1.1885", "0.8414", "18.205"}},
    {"decimal comma", {1.188536L, 0.841371L, 18.20548L}, metricComma, {"1,1885", "0,8414", "18,205"}},
    // 1.188536/16.0184655 = 0.0741976 lb./cu.ft.; 0.841371·16.0184655 = 13.47747 cu.ft./lb.
    {"US: one decimal more, one fewer, cP", {1.188536L, 0.841371L, 18.20548L}, us, {"0.07420", "13.477", "0.018205"}},
    {"liquid: ρ ≥ 10 gets 3 decimals", {872.1967L, 0.00114653L, 162.7829L}, metric, {"872.197", "0.0011", "162.783"}},
    {"thin gas: v > 100 gets 1 decimal", {0.005L, 200.0L, 10.0L}, metric, {"0.0050", "200.0", "10.000"}},
    {"v > 10 gets 2, v > 1 gets 3", {0.08L, 12.5L, 10.0L}, metric, {"0.0800", "12.50", "10.000"}},
};

TEST(AirDisplay, DryAirDecimals) {
    for (const DryRow& row : dryRows) {
        SCOPED_TRACE(row.name);
        const FluidTexts texts = dryAirTexts(row.properties, row.display);
        EXPECT_EQ(texts.density, row.texts.density);
        EXPECT_EQ(texts.specificVolume, row.texts.specificVolume);
        EXPECT_EQ(texts.viscosity, row.texts.viscosity);
    }
}

TEST(AirDisplay, HumidAirShowsDashesWhereThereIsNoSaturation) {
    HumidAirResult result;
    result.relativeHumidity = 10;
    result.moistureContent = 0.550393L;
    result.moleFraction = 0.469381L;
    result.dewPoint = 80.07236L;
    result.density = 0.6779396L;
    result.specificVolume = 1.4750576L;
    result.viscosity = 20.78905L;
    HumidAirTexts texts = humidAirTexts(result, metric);
    EXPECT_EQ(texts.relativeHumidity, "10.0");
    EXPECT_EQ(texts.moistureContent, "0.5504");
    EXPECT_EQ(texts.saturationMoistureContent, "-");
    EXPECT_EQ(texts.degreeOfSaturation, "-");
    EXPECT_EQ(texts.moleFraction, "0.469");
    EXPECT_EQ(texts.dewPoint, "80.1");
    EXPECT_EQ(texts.fluid.density, "0.677940");
    EXPECT_EQ(texts.fluid.specificVolume, "1.4751");
    EXPECT_EQ(texts.fluid.viscosity, "20.789");

    result.saturationMoistureContent = 0.0147034L;
    result.degreeOfSaturation = 0.494161L;
    texts = humidAirTexts(result, us);
    EXPECT_EQ(texts.saturationMoistureContent, "0.0147");
    EXPECT_EQ(texts.degreeOfSaturation, "0.49");
    EXPECT_EQ(texts.dewPoint, "176.1");               // 80.07236 °C = 176.130 °F
    EXPECT_EQ(texts.fluid.density, "0.0423224");      // 0.04232238: ÷ 16.0184655, 7 decimals
    EXPECT_EQ(texts.fluid.specificVolume, "23.628");  // · 16.0184655, 3 decimals
}

TEST(AirDisplay, SaturatedAirColumns) {
    SaturatedAirResult result;
    result.bubblePressure = 1.1461786L;
    result.dewPressure = 0.8232126L;
    result.liquid = {869.97757L, 0.00114945L, 160.38620L};
    result.vapour = {3.7105729L, 0.26950303L, 5.6939952L};
    SaturatedAirTexts texts = saturatedAirTexts(result, metric);
    EXPECT_EQ(texts.bubblePressure, "1.1462");
    EXPECT_EQ(texts.dewPressure, "0.8232");
    EXPECT_EQ(texts.liquid.density, "869.98");
    EXPECT_EQ(texts.liquid.specificVolume, "0.00115");
    EXPECT_EQ(texts.vapour.density, "3.7106");
    EXPECT_EQ(texts.vapour.specificVolume, "0.26950");
    EXPECT_EQ(texts.vapour.viscosity, "5.694");
    texts = saturatedAirTexts(result, us);
    EXPECT_EQ(texts.bubblePressure, "16.6239");  // 1.1461786 bar ÷ 0.068947581976 bar/psi
    EXPECT_EQ(texts.liquid.density, "54.311");   // 869.97757 ÷ 16.0184655, 3 decimals
    EXPECT_EQ(texts.liquid.viscosity, "0.160386");
}

}  // namespace
}  // namespace velmora::media
