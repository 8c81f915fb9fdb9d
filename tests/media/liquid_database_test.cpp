// The liquids database MEDIEN.STW and its dialog: the water line against IAPWS-IF97 and the IAPWS
// 1985 viscosity, plausibility over every record, the reader, and the presenter.
#include <gtest/gtest.h>

#include <cmath>

#include "lang/dialog_messages.h"
#include "media/liquid_presenter.h"
#include "media/water_regions.h"
#include "media/water_viscosity.h"
#include "media_dialog_support.h"
#include "model/liquid_window_text.h"
#include "model/number_text.h"
#include "persist/data_file_error.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"

namespace velmora::media {
namespace {

using F = LiquidField;
using model::GlobalText;

const std::vector<LiquidRecord>& builtLiquids() {
    static const std::vector<LiquidRecord> records = loadLiquidDatabase(testing::builtData());
    return records;
}

TEST(LiquidFile, HoldsFiftyLiquidsWithFourPointsAndASourceEach) {
    ASSERT_GE(builtLiquids().size(), 50U);
    for (const LiquidRecord& r : builtLiquids()) EXPECT_GE(r.points.size(), 4U) << r.name;
    const auto lines =
        testing::builtData().readEnciphered(liquidFileName, persist::LineCipher::propertyTableKey);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t points = builtLiquids()[i].points.size();
        EXPECT_FALSE(persist::field(lines[i], static_cast<int>(6 + 3 * points)).empty())
            << lines[i].substr(0, 30);
    }
}

TEST(LiquidFile, WaterLineMeetsIf97DensityAndIapwsViscosity) {
    const LiquidRecord* water = findLiquidRecord(builtLiquids(), "Water");
    ASSERT_NE(water, nullptr);
    for (const LiquidPoint& p : water->points) {
        SCOPED_TRACE(p.temperature);
        const Real t = p.temperature + 273.15L;
        const Real rho = region1Density(t, 1.01325L);
        EXPECT_NEAR(p.densityValue / rho, 1, 0.001L);
        EXPECT_NEAR(p.viscosityValue / waterViscosity(t, rho), 1, 0.01L);
    }
}

// A shifted column or a wrong unit moves one of these out of its band.
TEST(LiquidFile, EveryRecordIsPlausible) {
    for (const LiquidRecord& r : builtLiquids()) {
        SCOPED_TRACE(r.name);
        const Real tm = model::readNumber(r.meltingPoint).value_or(1e9L);
        const Real tb = model::readNumber(r.boilingPoint).value_or(-1e9L);
        EXPECT_LT(tm, tb);
        for (std::size_t k = 0; k < r.points.size(); ++k) {
            const LiquidPoint& p = r.points[k];
            EXPECT_GE(p.temperature, tm);  // liquid at normal pressure
            EXPECT_LE(p.temperature, tb);
            EXPECT_GT(p.densityValue, 400);  // kg/m³
            EXPECT_LT(p.densityValue, 3500);
            EXPECT_GT(p.viscosityValue, 50);  // 10⁻⁶ kg/(m·s)
            EXPECT_LT(p.viscosityValue, 1e8L);
            if (k == 0) continue;
            const LiquidPoint& q = r.points[k - 1];
            EXPECT_LT(q.temperature, p.temperature);
            EXPECT_LT(p.viscosityValue, q.viscosityValue);  // a liquid thins as it warms
            EXPECT_LT(p.densityValue, q.densityValue);
        }
    }
}

TEST(LiquidReader, StopsAtAnEmptyFieldAndRefusesABrokenGroup) {
    const std::string good = "Toluene\tC7H8\t-95\t110,6\t0\t885,5\t768\t20\t867\t590\t\tsource text";
    const auto records = parseLiquidDatabase({good});
    ASSERT_EQ(records.size(), 1U);
    ASSERT_EQ(records[0].points.size(), 2U);
    EXPECT_EQ(records[0].points[1].density, "867");
    EXPECT_NEAR(records[0].points[0].densityValue, 885.5L, 1e-12L);
    EXPECT_THROW(parseLiquidDatabase({good, "Broken\tx\t-95\t110\t0\t885\t\t"}), persist::DataFileError);
    try {
        parseLiquidDatabase({good, "No points\tx\t-95\t110"});
        ADD_FAILURE();
    } catch (const persist::DataFileError& error) {
        EXPECT_EQ(error.line(), 2);
    }
}

// ---- The dialog ----

void interpolateAt(LiquidPresenter& p, model::RecordingMessenger& messages, const std::string& entry,
                   const std::string& unit) {
    messages.clear();
    p.form().setText(static_cast<int>(F::InterpolationTemperature), entry);
    p.form().choice(static_cast<int>(F::InterpolationUnit)).selectLabel(unit);
    p.edited(F::InterpolationTemperature);
    p.interpolate(messages);
}

TEST(LiquidDialog, MeasuredValuesAsTheFileHasThemAndTheirTransfer) {
    LiquidPresenter p{testing::germanTexts()};
    EXPECT_FALSE(p.load(testing::builtData()));
    p.show({model::UnitSystem::Metric, true});
    const LiquidRecord& water = builtLiquids().front();
    EXPECT_EQ(p.form().caption(static_cast<int>(F::Name)), "Water");
    EXPECT_EQ(p.form().output(static_cast<int>(F::Density)), water.points[0].density);
    EXPECT_EQ(p.form().output(static_cast<int>(F::Melting)), "0 °C  (= 32,0°F)");
    p.form().choice(static_cast<int>(F::Temperatures)).selectLabel("20");
    p.chosen(F::Temperatures);
    EXPECT_EQ(p.form().output(static_cast<int>(F::TemperatureFahrenheit)), "(= 68 °F)");
    EXPECT_EQ(p.form().output(static_cast<int>(F::Density)), "998.21");  // the file's own separator
    const auto transfer = p.takeMeasured();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->mediumText, "Water (20 °C)");
    EXPECT_EQ(transfer->state, model::MediumState::Liquid);
    EXPECT_EQ(transfer->density, (TextWithUnit{"998.21", "kg/m³"}));
    EXPECT_EQ(transfer->viscosity, (TextWithUnit{"1001.6", "10-6 kg/ms"}));
    EXPECT_FALSE(transfer->inletPressure);

    // US output on the next showing: the same point, converted, without a new selection.
    p.show({model::UnitSystem::Us, true});
    EXPECT_EQ(p.form().current(static_cast<int>(F::Temperatures)), "20");
    EXPECT_EQ(p.form().output(static_cast<int>(F::Density)), "62,3");  // 998.21 / 16.0185
    EXPECT_EQ(p.form().output(static_cast<int>(F::Viscosity)), "1,002");
    EXPECT_EQ(p.takeMeasured()->density->unit, "lb./cu.ft.");
}

TEST(LiquidDialog, InterpolationInsideTheMeasuredRangeOnly) {
    LiquidPresenter p{testing::englishTexts()};
    model::RecordingMessenger messages;
    p.load(testing::builtData());
    p.show({});
    const LiquidRecord& water = builtLiquids().front();
    const std::string outside = lang::blockText(testing::englishTexts(), model::kLiquidDatabaseBlock,
                                                model::LiquidDatabaseText::OutsideRange);
    struct Row {
        std::string entry;
        const char* unit;
        bool accepted;
    };
    const Row rows[] = {{std::to_string(water.points.front().temperature), "°C", false},
                        {std::to_string(water.points.back().temperature), "°C", false},
                        {"20", "K", false},
                        {"x", "°C", false},
                        {"16", "°R", true},
                        {"50", "°C", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entry + " " + row.unit);
        interpolateAt(p, messages, row.entry, row.unit);
        EXPECT_EQ(p.takeInterpolated().has_value(), row.accepted);
        EXPECT_EQ(messages.messages().size(), row.accepted ? 0U : 1U);
        if (!row.accepted && row.entry != "x") {
            EXPECT_EQ(messages.messages()[0].text, outside);
        }
    }
    // 16 °R is 20 °C, a tabulated point: its values exactly, as whole numbers.
    interpolateAt(p, messages, "16", "°R");
    EXPECT_EQ(p.form().output(static_cast<int>(F::InterpolatedDensity)), "998");
    EXPECT_EQ(p.form().output(static_cast<int>(F::InterpolatedViscosity)), "1002");
    EXPECT_EQ(p.takeInterpolated()->mediumText, "Water (16 °R)");
    // 50 °C halfway between 40 and 60 °C: (992.22 + 983.21)/2 = 987.7 and (652.7 + 466)/2 = 559.35.
    interpolateAt(p, messages, "50", "°C");
    EXPECT_NEAR(p.interpolated()->density, (992.22L + 983.21L) / 2, 1e-9L);
    EXPECT_EQ(p.form().output(static_cast<int>(F::InterpolatedViscosity)), "559");
    p.form().choice(static_cast<int>(F::InterpolationUnit)).selectLabel("K");
    p.chosen(F::InterpolationUnit);
    EXPECT_FALSE(p.takeInterpolated());
}

TEST(LiquidDialog, AMissingFileNamesItOnALineOfItsOwn) {
    LiquidPresenter p{testing::englishTexts()};
    const auto message = p.load(persist::DataFileSet("/nonexistent-folder"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, testing::englishTexts().text(GlobalText::DataFileOpenFailed) + "\rMEDIEN.STW");
    p.show({});
    EXPECT_FALSE(p.takeMeasured());
    model::RecordingMessenger messages;
    p.form().setText(static_cast<int>(F::InterpolationTemperature), "20");
    p.interpolate(messages);
    EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace velmora::media
