// The vapour-pressure database DADRU.DAD: the built file against the IF97 saturation line and for
// plausibility over every record, the reader's refusals, and the dialog's presenter.
#include <gtest/gtest.h>

#include <cmath>

#include "media/vapour_pressure_presenter.h"
#include "media/water_saturation.h"
#include "media_dialog_support.h"
#include "model/number_text.h"
#include "persist/data_file_error.h"
#include "persist/fields.h"

namespace velmora::media {
namespace {

const std::vector<VapourPressureRecord>& builtRecords() {
    static const std::vector<VapourPressureRecord> records = loadVapourPressureDatabase(testing::builtData());
    return records;
}

// Substances whose triple point lies above 1 atm: they sublime at normal pressure, so their
// melting point (at the triple point) lies above the temperature their vapour reaches 1 atm.
bool sublimes(const std::string& name) {
    return name == "Acetylene" || name == "Carbon dioxide" || name == "Sulfur hexafluoride";
}

Real celsiusField(const std::string& text) {
    return model::readNumber(text).value_or(-1e9L) + 273.15L;
}

TEST(VapourPressureFile, HoldsFiftySubstancesEachNamingItsSource) {
    const std::vector<std::string> lines = testing::builtData().readPlain(vapourPressureFileName);
    ASSERT_GE(builtRecords().size(), 50U);
    for (const std::string& line : lines) {
        SCOPED_TRACE(line.substr(0, 40));
        EXPECT_NE(persist::field(line, 18).find("CAS "), std::string_view::npos);
    }
    EXPECT_EQ(builtRecords().front().name, "Water");
}

TEST(VapourPressureFile, WaterLineFollowsTheIf97SaturationLineWithinOnePercent) {
    const VapourPressureRecord* water = findVapourPressureRecord(builtRecords(), "Water");
    ASSERT_NE(water, nullptr);
    Real worst = 0;
    for (int kelvin = water->lowestK; kelvin <= water->highestK; ++kelvin) {
        const auto point = vapourPressureAtKelvin(*water, kelvin);
        ASSERT_TRUE(point.ok()) << kelvin;
        worst = std::max(worst, std::fabs(point->pressure / saturationPressure(kelvin) - 1));
    }
    EXPECT_LT(worst, 0.01L);
}

// A shifted column or a wrong unit moves one of these out of its band.
TEST(VapourPressureFile, EveryRecordIsPlausible) {
    for (const VapourPressureRecord& r : builtRecords()) {
        SCOPED_TRACE(r.name);
        const Real tm = celsiusField(r.meltingPoint);
        const Real tb = celsiusField(r.boilingPoint);
        const Real tc = r.correlation.criticalTemperature;
        const Real molarMass = model::readNumber(r.molarMass).value_or(-1);
        EXPECT_GT(molarMass, 1.9L);
        EXPECT_LT(molarMass, 300);
        if (!sublimes(r.name)) {
            EXPECT_LT(tm, tb);
        }
        EXPECT_GT(tc, tb);
        EXPECT_GT(r.correlation.criticalPressure, 5);  // bar
        EXPECT_LT(r.correlation.criticalPressure, 250);
        EXPECT_LT(r.lowestK, r.highestK);
        EXPECT_LT(r.highestK, tc);
        EXPECT_GT(r.rackett.referenceDensity, 0.05L);  // g/cm³
        EXPECT_LT(r.rackett.referenceDensity, 1.6L);
        EXPECT_LT(r.rackett.referenceTemperature, tc);
        EXPECT_GT(r.rackett.rackettParameter, 0.2L);
        EXPECT_LT(r.rackett.rackettParameter, 0.32L);
        // The Wagner line passes through 1 atm at the normal boiling point (within 3 %).
        if (tb >= r.lowestK && tb <= r.highestK) {
            const auto atBoiling = vapourPressureAtKelvin(r, tb);
            ASSERT_TRUE(atBoiling.ok());
            EXPECT_NEAR(atBoiling->pressure, 1.01325L, 0.03L);
        }
        // Over the range the vapour pressure rises and the liquid density falls.
        Real lastPressure = 0;
        Real lastDensity = 1e9L;
        for (int kelvin = r.lowestK; kelvin <= r.highestK; kelvin += 5) {
            const auto point = vapourPressureAtKelvin(r, kelvin);
            ASSERT_TRUE(point.ok()) << kelvin;
            EXPECT_GT(point->pressure, lastPressure);
            EXPECT_LT(point->density, lastDensity);
            lastPressure = point->pressure;
            lastDensity = point->density;
        }
    }
}

TEST(VapourPressureFile, PublishedBoilingPoints) {
    struct Row {
        const char* name;
        Real kelvin;
        Real bar;
    };
    // Acetone at 329.23 K (McGarry's line gives 101.3 kPa there), benzene 353.24 K, ethanol
    // 351.44 K, n-hexane 341.88 K, toluene 383.78 K (normal boiling points, CRC Handbook).
    const Row rows[] = {{"Acetone", 329.23L, 1.013L},
                        {"Benzene", 353.24L, 1.01325L},
                        {"Ethanol", 351.44L, 1.01325L},
                        {"n-hexane", 341.88L, 1.01325L},
                        {"Toluene", 383.78L, 1.01325L}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const VapourPressureRecord* r = findVapourPressureRecord(builtRecords(), row.name);
        ASSERT_NE(r, nullptr);
        EXPECT_NEAR(vapourPressureAtKelvin(*r, row.kelvin)->pressure, row.bar, 0.01L);
    }
}

TEST(VapourPressureReader, RefusesBrokenLinesByNumberAndReadsCommas) {
    const std::string good =
        "Toluene\tC7H8\t92,14\t-95\t110,6\t1\t-7.28607\t1.38091\t-2.83433\t-2.79168\t309\t590\t591.72\t"
        "41.09\t0.8623\t298.15\t0.2644\tsource";
    const auto records = parseVapourPressureDatabase({good, "", good});
    ASSERT_EQ(records.size(), 2U);
    EXPECT_EQ(records[0].molarMass, "92,14");
    EXPECT_EQ(records[0].highestK, 590);
    EXPECT_EQ(records[0].correlation.equation, VapourPressureEquation::Wagner);
    struct Row {
        const char* name;
        std::string line;
    };
    std::string shortLine = good.substr(0, good.rfind("\t0.2644"));
    std::string badNumber = good;
    badNumber.replace(badNumber.find("41.09"), 5, "41.x9");
    std::string badEquation = good;
    badEquation.replace(badEquation.find("\t1\t"), 3, "\t4\t");
    for (const Row& row : {Row{"a field missing", shortLine}, Row{"a number that is not one", badNumber},
                           Row{"equation 4", badEquation}}) {
        SCOPED_TRACE(row.name);
        try {
            parseVapourPressureDatabase({good, row.line});
            ADD_FAILURE() << "accepted";
        } catch (const persist::DataFileError& error) {
            EXPECT_EQ(error.line(), 2);
            EXPECT_EQ(error.file(), "DADRU.DAD");
        }
    }
}

using F = VapourPressureField;

TEST(VapourPressureDialog, OpensOnWaterAtTheLowestWholeDegree) {
    VapourPressurePresenter p{testing::germanTexts()};
    EXPECT_FALSE(p.show({model::UnitSystem::Metric, true}, testing::builtData()));
    const VapourPressureRecord& water = builtRecords().front();
    // Valid from 275 K: "min." 2 °C, computed at 275.15 K; up to 646 K: 646 − 274 = 372, shown 370.
    EXPECT_EQ(p.form().output(static_cast<int>(F::Minimum)), std::to_string(water.lowestK - 273));
    EXPECT_EQ(p.form().output(static_cast<int>(F::Maximum)), "370");
    EXPECT_EQ(p.form().text(static_cast<int>(F::Temperature)), "2");
    EXPECT_EQ(p.form().output(static_cast<int>(F::Fahrenheit)), "(= 36 °F)");
    // IF97: ps(275.15 K) = 0.00706 bar. The Rackett line anchored at 25 °C gives, by hand,
    // 1000·0.99705/0.2338^((1 − 275.15/647.35)^(2/7) − (1 − 298.15/647.35)^(2/7)) = 1019 kg/m³ (water
    // itself: 999.9; the Rackett form is a poor fit for water near freezing).
    EXPECT_EQ(p.form().output(static_cast<int>(F::Pressure)), "0,007");
    const Real hand = 1000 * 0.99705L /
                      std::pow(0.2338L, std::pow(1 - 275.15L / 647.35L, 2 / 7.0L) - std::pow(1 - 298.15L / 647.35L, 2 / 7.0L));
    EXPECT_EQ(p.form().output(static_cast<int>(F::Density)), std::to_string(model::roundHalfAway(hand)));

    p.form().setText(static_cast<int>(F::Temperature), "100");
    p.edited(F::Temperature);
    EXPECT_NEAR(model::readNumber(p.form().output(static_cast<int>(F::Pressure))).value(),
                saturationPressure(373.15L), 0.01L);  // 100 °C: 1.014 bar, the normal boiling point
    p.form().setText(static_cast<int>(F::Temperature), "1,5");
    p.edited(F::Temperature);
    EXPECT_FALSE(p.result());
    EXPECT_FALSE(p.takeBoth());

    p.step(1000);
    EXPECT_EQ(p.form().text(static_cast<int>(F::Temperature)), "370");
    p.step(-5);
    EXPECT_EQ(p.form().text(static_cast<int>(F::Temperature)), "365");
    const auto both = p.takeBoth();
    ASSERT_TRUE(both);
    EXPECT_FALSE(both->toPumpDesign);
    EXPECT_EQ(both->density, p.form().output(static_cast<int>(F::Density)));
    EXPECT_FALSE(p.takeDensity()->vapourPressure);
    EXPECT_EQ((std::vector<int>{p.heldStep(0), p.heldStep(1), p.heldStep(2), p.heldStep(3), p.heldStep(4),
                                p.heldStep(9)}),
              (std::vector<int>{1, 2, 5, 10, 20, 20}));
}

TEST(VapourPressureDialog, PumpDesignFindsItsMediumAndTakesThePressureOnly) {
    VapourPressurePresenter p{testing::englishTexts()};
    // McGarry's toluene line holds from 309 K: 20 °C is brought up to the lowest offered 36 °C.
    p.show({model::UnitSystem::Metric, false}, testing::builtData(), {true, "Toluene (20 °C)", "20"});
    EXPECT_EQ(p.form().current(static_cast<int>(F::List)), "Toluene");
    EXPECT_EQ(p.form().text(static_cast<int>(F::Temperature)), "36");
    p.show({model::UnitSystem::Metric, false}, testing::builtData(), {true, "Toluene (50 °C)", "50"});
    EXPECT_EQ(p.form().text(static_cast<int>(F::Temperature)), "50");
    EXPECT_FALSE(p.form().enabled(static_cast<int>(F::TakeBoth)));
    EXPECT_FALSE(p.form().enabled(static_cast<int>(F::TakeDensity)));
    EXPECT_FALSE(p.takeBoth());
    const auto pressure = p.takePressure();
    ASSERT_TRUE(pressure);
    EXPECT_TRUE(pressure->toPumpDesign);
    EXPECT_EQ(pressure->temperature, "50");
    // Toluene at 50 °C = 323.15 K: 12.3 kPa (Antoine, NIST WebBook; 12.8 kPa one kelvin higher, so
    // a temperature scale off by a kelvin fails here).
    EXPECT_NEAR(model::readNumber(*pressure->vapourPressure).value(), 0.123L, 0.002L);
    p.hide();
    EXPECT_TRUE(p.records().empty());
}

TEST(VapourPressureDialog, AMissingFileGivesTheDataFileMessage) {
    VapourPressurePresenter p{testing::englishTexts()};
    const auto message = p.show({}, persist::DataFileSet("/nonexistent-folder"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->icon, model::MessageIcon::Warning);
    EXPECT_EQ(message->text,
              testing::englishTexts().text(model::GlobalText::DataFileOpenFailed) + " DADRU.DAD");
    EXPECT_TRUE(p.form().choice(static_cast<int>(F::List)).empty());
    EXPECT_FALSE(p.takePressure());
    p.step(1);  // nothing to step
}

}  // namespace
}  // namespace velmora::media
