// The gas database GASE.STW and its dialog: the built file through SRK against the air equation,
// plausibility over every record, the reader, and the presenter's checks and transfers.
#include <gtest/gtest.h>

#include <cmath>

#include "media/air_equation.h"
#include "lang/dialog_messages.h"
#include "media/gas_presenter.h"
#include "media/water_regions.h"
#include "media/water_viscosity.h"
#include "media_dialog_support.h"
#include "model/gas_window_text.h"
#include "model/number_text.h"
#include "persist/data_file_error.h"
#include "persist/fields.h"
#include "persist/line_cipher.h"

namespace velmora::media {
namespace {

using F = GasField;
using model::GlobalText;

// Substances whose triple point lies above 1 atm: they sublime at normal pressure, and the file's
// boiling point is their sublimation point, below the melting point at the triple point.
bool sublimes(const std::string& name) {
    return name == "Acetylene" || name == "Carbon dioxide" || name == "Sulfur hexafluoride";
}

const std::vector<GasRecord>& builtGases() {
    static const std::vector<GasRecord> records = loadGasDatabase(testing::builtData());
    return records;
}

TEST(GasFile, HoldsFiftyGasesWithTheirSources) {
    ASSERT_GE(builtGases().size(), 50U);
    EXPECT_EQ(builtGases().front().name, "Air");  // the header line is skipped
    const std::vector<std::string> lines =
        testing::builtData().readEnciphered(gasFileName, persist::LineCipher::propertyTableKey);
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_NE(persist::field(lines[i], 3).find("ChemSep"), std::string_view::npos)
            << lines[i].substr(0, 30);
}

TEST(GasFile, AirThroughSrkMeetsTheAirEquationWithinTwoPercent) {
    const GasRecord* air = findGasRecord(builtGases(), "Air");
    ASSERT_NE(air, nullptr);
    for (Real bar : {1.0L, 10.0L, 100.0L}) {
        SCOPED_TRACE(static_cast<double>(bar));
        const std::optional<Real> reference = airGasDensity(300, bar);
        ASSERT_TRUE(reference);
        EXPECT_NEAR(srkDensity(300, bar, air->critical) / *reference, 1, 0.02L);
    }
}

TEST(GasFile, SteamViscosityMeetsIapws) {
    const GasRecord* steam = findGasRecord(builtGases(), "Water vapour (steam)");
    ASSERT_NE(steam, nullptr);
    for (const GasViscosityPoint& point : steam->points) {
        const Real t = point.temperature + 273.15L;
        EXPECT_NEAR(point.viscosity / waterViscosity(t, region2Density(t, 1.01325L)), 1, 0.03L)
            << point.temperature;
    }
}

// A shifted column or a wrong unit moves one of these out of its band.
TEST(GasFile, EveryRecordIsPlausible) {
    for (const GasRecord& r : builtGases()) {
        SCOPED_TRACE(r.name);
        const Real tm = model::readNumber(r.meltingPoint).value_or(1e9L);
        if (!sublimes(r.name)) {
            EXPECT_LT(tm, r.normalBoilingPoint);
        }
        EXPECT_GT(r.critical.criticalTemperature, r.normalBoilingPoint + 273.15L);
        EXPECT_GT(r.critical.criticalPressure, 2);  // bar
        EXPECT_LT(r.critical.criticalPressure, 250);
        EXPECT_GT(r.critical.molarMass, 2);  // g/mol
        EXPECT_LT(r.critical.molarMass, 200);
        EXPECT_GT(r.critical.acentricFactor, -0.5L);
        EXPECT_LT(r.critical.acentricFactor, 1.0L);
        EXPECT_GE(r.points.size(), 3U);
        EXPECT_GT(r.points.front().temperature + 273.15L, r.normalBoilingPoint + 273.15L);  // gas at 1 atm
        for (std::size_t k = 0; k < r.points.size(); ++k) {
            EXPECT_GT(r.points[k].viscosity, 0.5L);
            EXPECT_LT(r.points[k].viscosity, 80);
            if (k == 0) continue;
            const GasViscosityPoint& a = r.points[k - 1];
            const GasViscosityPoint& b = r.points[k];
            EXPECT_LT(a.temperature, b.temperature);
            // A gas viscosity rises with temperature, about as T^0.5 … T^1 (polar gases near their
            // boiling point somewhat faster).
            const Real ratio = (b.temperature + 273.15L) / (a.temperature + 273.15L);
            EXPECT_GT(b.viscosity / a.viscosity, std::pow(ratio, 0.4L));
            EXPECT_LT(b.viscosity / a.viscosity, std::pow(ratio, 1.5L));
        }
    }
}

TEST(GasReader, RefusesABrokenLineByNumber) {
    const std::string good =
        "74-98-6\tPropane\tsource\tC3H8\t44,1\t-187,7\t-42,1\t369,8\t42,48\t-\t0,152\t0\t7,5\t100\t10";
    const auto records = parseGasDatabase({"header", good, ""});
    ASSERT_EQ(records.size(), 1U);
    EXPECT_EQ(records[0].points.size(), 2U);
    EXPECT_NEAR(records[0].critical.criticalTemperature, 369.8L, 1e-12L);
    std::string bad = good;
    bad.replace(bad.find("369,8"), 5, "abc");
    EXPECT_THROW(parseGasDatabase({"header", good, bad}), persist::DataFileError);
    EXPECT_THROW(parseGasDatabase({"header", good.substr(0, good.find("\t0\t7,5"))}), persist::DataFileError);
}

// ---- The dialog ----

GasPresenter shownPresenter(const lang::TextCatalogue& texts, model::RecordingMessenger& messages,
                            MediumOutput output) {
    GasPresenter p{texts};
    EXPECT_FALSE(p.load(testing::builtData()));
    p.show(output, messages);
    return p;
}

void choose(GasPresenter& p, const std::string& gas, model::Messenger& messages) {
    ASSERT_TRUE(p.form().choice(static_cast<int>(F::List)).selectLabel(gas));
    p.chosen(F::List, messages);
}

void setPressure(GasPresenter& p, const std::string& text, model::Messenger& messages) {
    p.form().setText(static_cast<int>(F::Pressure), text);
    p.edited(F::Pressure, messages);
}

TEST(GasDialog, NormalPressureShowsTheTabulatedViscosityAndAboveItGardner) {
    model::RecordingMessenger messages;
    GasPresenter p = shownPresenter(testing::germanTexts(), messages, {model::UnitSystem::Metric, true});
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(p.form().text(static_cast<int>(F::Pressure)), "1,013");
    const GasRecord& air = builtGases().front();
    EXPECT_EQ(p.form().current(static_cast<int>(F::Temperatures)), std::to_string(air.points[0].temperature));
    EXPECT_EQ(p.form().output(static_cast<int>(F::Viscosity)),
              model::replaceChar(air.points[0].viscosityText, '.', ','));
    EXPECT_EQ(p.form().output(static_cast<int>(F::Melting)), "-214 °C  (= -353,2°F)");
    EXPECT_EQ(p.form().output(static_cast<int>(F::Critical)), "-141 °C  (-221 °F)");

    // Air at 20 °C and 1.013 bar: SRK 1.2040 kg/m³ (the air equation: 1.2037).
    p.form().choice(static_cast<int>(F::Temperatures)).selectLabel("20");
    p.chosen(F::Temperatures, messages);
    EXPECT_EQ(p.form().output(static_cast<int>(F::TemperatureFahrenheit)), "(= 68 °F)");
    EXPECT_EQ(p.form().output(static_cast<int>(F::Density)), "1,20");
    const std::string atNormal = p.form().output(static_cast<int>(F::Viscosity));
    setPressure(p, "1,014", messages);
    EXPECT_GT(model::readNumber(p.form().output(static_cast<int>(F::Viscosity))).value(),
              model::readNumber(atNormal).value() - 1e-9L);
    setPressure(p, "100", messages);
    // Gardner raises air at 20 °C and 100 bar by about 8 % (measured: 19.0 → 20.6 µPa·s).
    EXPECT_GT(model::readNumber(p.form().output(static_cast<int>(F::Viscosity))).value(),
              1.04L * model::readNumber(atNormal).value());
    EXPECT_TRUE(messages.messages().empty());

    const auto transfer = p.takeMeasured();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->mediumText, "Air (100 bar, 20 °C)");
    EXPECT_EQ(transfer->state, model::MediumState::Gas);
    EXPECT_EQ(transfer->inletPressure, (TextWithUnit{"100", "bar"}));
    EXPECT_EQ(transfer->inletTemperature, (TextWithUnit{"20", "°C"}));
}

TEST(GasDialog, PressureLimits) {
    const lang::TextCatalogue& texts = testing::englishTexts();
    struct Row {
        const char* pressure;
        bool shown;
        std::size_t messages;
    };
    for (const Row& row : {Row{"0.099", false, 0}, Row{"0.1", true, 0}, Row{"1000", true, 0},
                           Row{"1000.1", false, 1}, Row{"1o", false, 1}}) {
        SCOPED_TRACE(row.pressure);
        model::RecordingMessenger messages;
        GasPresenter p = shownPresenter(texts, messages, {});
        setPressure(p, row.pressure, messages);
        EXPECT_EQ(!p.form().output(static_cast<int>(F::Density)).empty(), row.shown);
        EXPECT_EQ(messages.messages().size(), row.messages);
    }
}

TEST(GasDialog, LiquidBelowTheBoilingPointButNotAboveTheCriticalTemperature) {
    model::RecordingMessenger messages;
    GasPresenter p = shownPresenter(testing::englishTexts(), messages, {});
    choose(p, "Propane", messages);
    // Propane at 10 bar boils at about 27 °C (NIST: 26.9 °C): liquid at 0 °C.
    setPressure(p, "10", messages);
    p.form().choice(static_cast<int>(F::Temperatures)).selectLabel("0");
    p.chosen(F::Temperatures, messages);
    EXPECT_TRUE(p.liquid());
    EXPECT_TRUE(p.form().visible(static_cast<int>(F::LiquidWarning)));
    EXPECT_FALSE(p.form().enabled(static_cast<int>(F::TakeMeasured)));
    EXPECT_TRUE(p.form().output(static_cast<int>(F::Density)).empty());
    EXPECT_FALSE(p.takeMeasured());
    const Real boiling =
        model::readNumber(p.form().output(static_cast<int>(F::BoilingAtPressure)).substr(8, 2)).value();
    EXPECT_NEAR(boiling, 27, 3);
    // The interpolation refuses a liquid state too.
    p.form().setText(static_cast<int>(F::InterpolationTemperature), "10");
    p.interpolate(messages);
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].text, lang::blockText(testing::englishTexts(), model::kGasDatabaseBlock,
                                                           model::GasDatabaseText::LiquidMessage));
    EXPECT_FALSE(p.takeInterpolated());

    // Above the critical pressure (42.5 bar) there is no boiling point and no liquid test.
    messages.clear();
    setPressure(p, "50", messages);
    EXPECT_EQ(p.form().output(static_cast<int>(F::BoilingAtPressure)),
              testing::englishTexts().text(GlobalText::BoilingPointUnavailable));
    EXPECT_FALSE(p.form().output(static_cast<int>(F::Density)).empty());
}

TEST(GasDialog, InterpolationInsideTheTabulatedRange) {
    model::RecordingMessenger messages;
    GasPresenter p = shownPresenter(testing::englishTexts(), messages, {});
    const GasRecord& air = builtGases().front();
    const auto interpolateAt = [&](const std::string& entry, const std::string& unit) {
        messages.clear();
        p.form().setText(static_cast<int>(F::InterpolationTemperature), entry);
        p.form().choice(static_cast<int>(F::InterpolationUnit)).selectLabel(unit);
        p.edited(F::InterpolationTemperature, messages);
        p.interpolate(messages);
    };
    interpolateAt(std::to_string(air.points.front().temperature), "°C");  // the first point itself
    EXPECT_EQ(messages.messages().size(), 1U);
    EXPECT_FALSE(p.form().enabled(static_cast<int>(F::TakeInterpolated)));
    interpolateAt(std::to_string(air.points.back().temperature), "°C");  // the last point itself
    EXPECT_EQ(messages.messages().size(), 1U);
    interpolateAt("20", "K");
    EXPECT_EQ(messages.messages().size(), 1U);
    // An inner point gives its tabulated viscosity; 16 °R is 20 °C.
    interpolateAt("16", "°R");
    ASSERT_TRUE(messages.messages().empty());
    EXPECT_EQ(p.form().output(static_cast<int>(F::InterpolatedViscosity)),
              findGasRecord(builtGases(), "Air")->points[4].viscosityText);  // the 20 °C point
    EXPECT_TRUE(p.form().enabled(static_cast<int>(F::TakeInterpolated)));
    const auto transfer = p.takeInterpolated();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(transfer->mediumText, "Air (1.013 bar, 16 °R)");
    EXPECT_EQ(transfer->inletTemperature, (TextWithUnit{"16", "°R"}));
    // A change of the pressure clears the interpolation.
    setPressure(p, "2", messages);
    EXPECT_FALSE(p.takeInterpolated());
}

TEST(GasDialog, UsOutputAndAMissingFile) {
    model::RecordingMessenger messages;
    GasPresenter p = shownPresenter(testing::englishTexts(), messages, {model::UnitSystem::Us, false});
    EXPECT_EQ(p.form().caption(static_cast<int>(F::DensityCaption)), "Density in lb./cu.ft.:");
    EXPECT_EQ(p.takeMeasured()->density->unit, "lb./cu.ft.");
    EXPECT_EQ(p.takeMeasured()->viscosity->unit, "cP");
    const std::string density = p.form().output(static_cast<int>(F::Density));
    p.show({model::UnitSystem::Metric, false}, messages);  // the units switched: shown again in kg/m³
    EXPECT_NEAR(model::readNumber(p.form().output(static_cast<int>(F::Density))).value(),
                16.0184655L * model::readNumber(density).value(), 0.01L);

    GasPresenter empty{testing::englishTexts()};
    const auto message = empty.load(persist::DataFileSet("/nonexistent-folder"));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, testing::englishTexts().text(GlobalText::DataFileOpenFailed));
    empty.show({}, messages);
    EXPECT_FALSE(empty.takeMeasured());
}

}  // namespace
}  // namespace velmora::media
