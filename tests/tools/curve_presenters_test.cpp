// The range dialog and the plot window of the system curve without a toolkit: entries, messages
// with their focus, the pump curve and the settings.
#include <gtest/gtest.h>

#include <map>

#include "model/messenger.h"
#include "model/system_curve_texts.h"
#include "support/built_texts.h"
#include "tools/curve_plot_presenter.h"
#include "tools/curve_range_presenter.h"
#include "tools/curve_settings.h"

namespace velmora::tools {
namespace {

using Language = lang::Edition::Language;
using model::CurvePlotText;
using model::CurveRangeText;
using model::MessageIcon;

const lang::TextCatalogue& english() {
    return velmora::testing::loadBuiltTexts(Language::English);
}
const lang::TextCatalogue& german() {
    return velmora::testing::loadBuiltTexts(Language::German);
}

const std::string& rangeText(const lang::TextCatalogue& texts, CurveRangeText text) {
    return texts.windowBlock("TAnlagenkennlinie_Dlg")->at(static_cast<std::size_t>(text));
}
const std::string& plotText(const lang::TextCatalogue& texts, CurvePlotText text) {
    return texts.windowBlock("TKurve")->at(static_cast<std::size_t>(text));
}

TEST(CurveTextBlocks, CompleteInEveryLanguage) {
    for (const Language language : {Language::German, Language::English, Language::French, Language::Dutch}) {
        const lang::TextCatalogue& texts = velmora::testing::loadBuiltTexts(language);
        const auto* range = texts.windowBlock("TAnlagenkennlinie_Dlg");
        const auto* plot = texts.windowBlock("TKurve");
        ASSERT_TRUE(range && plot);
        EXPECT_EQ(range->size(), static_cast<std::size_t>(CurveRangeText::Count));
        EXPECT_EQ(plot->size(), static_cast<std::size_t>(CurvePlotText::Count));
        for (const std::string& text : *range) EXPECT_FALSE(text.empty());
        for (const std::string& text : *plot) EXPECT_FALSE(text.empty());
    }
}

// ---- range dialog ------------------------------------------------------------------------------

TEST(CurvePointCount, Rule) {
    const std::pair<Real, int> cases[] = {{1, 10},   {0, 10},    {1.9L, 10}, {-3, 10},      {2, 2},
                                          {2.5L, 3}, {2.49L, 2}, {20, 20},   {10000, 10000}};
    for (const auto& [entered, points] : cases)
        EXPECT_EQ(curvePointCount(entered), points) << static_cast<double>(entered);
    EXPECT_GT(curvePointCount(1e30L), kMaxCurvePoints);
}

TEST(CurveRangePresenterTest, DefaultsAndUnits) {
    CurveRangePresenter presenter(english());
    presenter.shown("Water");
    EXPECT_EQ(presenter.entries(), CurveRangeEntries{});
    EXPECT_EQ(presenter.form().choice(CurveRangePresenter::Unit).items().size(), 13u);
    EXPECT_EQ(presenter.form().current(CurveRangePresenter::Unit), "m³/h");
    EXPECT_EQ(presenter.form().output(CurveRangePresenter::Medium), "Water");
    EXPECT_EQ(presenter.form().caption(CurveRangePresenter::PointsLabel), "Number of calculation points");
    EXPECT_EQ(presenter.title(), "System characteristic curve");
    model::RecordingMessenger messenger;
    const auto range = presenter.read(messenger);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->from, 1);
    EXPECT_EQ(range->to, 10);
    EXPECT_EQ(range->points, 20);
    EXPECT_TRUE(messenger.messages().empty());
}

struct RefusalCase {
    const char* name;
    CurveRangeEntries entries;
    int entry;                 // the field that gets the focus
    std::string expectedText;  // German texts
};

TEST(CurveRangePresenterTest, RefusalsNameTheirEntry) {
    const lang::TextCatalogue& de = german();
    const std::string invalid = de.text(model::GlobalText::InvalidNumber) + "\r\"";
    const RefusalCase cases[] = {
        {"from", {"1x", "10", 0, "20"}, CurveRangePresenter::From, invalid + "von\"!"},
        {"to", {"1", "", 0, "20"}, -2, ""},  // an empty entry reads as 0: no message here
        {"to", {"1", "zehn", 0, "20"}, CurveRangePresenter::To, invalid + "bis\"!"},
        {"points",
         {"1", "10", 0, "2o"},
         CurveRangePresenter::Points,
         invalid + "Anzahl Berechnungspunkte\"!"},
        {"negative from",
         {"-1", "10", 0, "20"},
         CurveRangePresenter::From,
         rangeText(de, CurveRangeText::NegativeFrom)},
        {"too many points",
         {"0", "10", 0, "10001"},
         CurveRangePresenter::Points,
         rangeText(de, CurveRangeText::TooManyPoints)},
    };
    for (const RefusalCase& c : cases) {
        CurveRangePresenter presenter(de);
        presenter.setEntries(c.entries);
        model::RecordingMessenger messenger;
        const auto range = presenter.read(messenger);
        if (c.entry == -2) {
            EXPECT_TRUE(range) << c.name;
            continue;
        }
        EXPECT_FALSE(range) << c.name;
        ASSERT_EQ(messenger.messages().size(), 1u) << c.name;
        const model::UserMessage& m = messenger.messages()[0];
        EXPECT_EQ(m.text, c.expectedText) << c.name;
        EXPECT_EQ(m.entry, c.entry) << c.name;
        EXPECT_EQ(m.icon, MessageIcon::Error) << c.name;
        EXPECT_EQ(m.caption, de.text(model::GlobalText::ProgramTitle)) << c.name;
    }
}

TEST(CurveRangePresenterTest, ToNotAboveFromIsLeftToTheRun) {
    CurveRangePresenter presenter(english());
    presenter.setEntries({"10", "2,5", 3, "1"});
    model::RecordingMessenger messenger;
    const auto range = presenter.read(messenger);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->to, 2.5L);
    EXPECT_EQ(range->unitIndex, 3);
    EXPECT_EQ(range->points, 10);
}

// ---- plot window -------------------------------------------------------------------------------

// Δp = 0.5 + 0.01 Q² bar over 0 … 40 m³/h, and a density that makes 1 m of head 0.1 bar.
SystemCurveData parabola() {
    SystemCurveData data;
    data.flowUnit = "m³/h";
    data.to = 40;
    for (int q = 0; q <= 40; q += 4) {
        data.flows.push_back(q);
        data.losses.push_back(0.5L + 0.01L * q * q);
    }
    return data;
}

CurveMedium tenthBarPerMetre() {
    CurveMedium medium;
    medium.name = "Water";
    medium.density = 10000 / 9.81L;
    medium.densityText = "1019.37 kg/m³";
    return medium;
}

SystemLoss parabolaLoss() {
    return [](Real q) { return 0.5L + 0.01L * q * q; };
}

void enterPump(CurvePlotPresenter& presenter, const std::vector<std::pair<std::string, std::string>>& rows) {
    for (int row = 0; row < kMaxPumpPoints; ++row) {
        const bool given = row < static_cast<int>(rows.size());
        presenter.form().setText(CurvePlotPresenter::flowField(row),
                                 given ? rows[static_cast<std::size_t>(row)].first : "");
        presenter.form().setText(CurvePlotPresenter::headField(row),
                                 given ? rows[static_cast<std::size_t>(row)].second : "");
    }
}

TEST(CurvePlotPresenterTest, PumpGivesTheOperatingPoint) {
    CurvePlotPresenter presenter(english());
    presenter.setCurve(parabola(), tenthBarPerMetre(), parabolaLoss());
    EXPECT_FALSE(presenter.pumpShown());
    EXPECT_FALSE(presenter.form().enabled(CurvePlotPresenter::Remove));
    // H = 20 − 0.5 Q: the crossing worked by hand is Q = 10 m³/h, 1.5 bar, H = 15 m.
    enterPump(presenter, {{"0", "20"}, {"10", "15"}, {"20", "10"}, {"40", "0"}});
    model::RecordingMessenger messenger;
    ASSERT_TRUE(presenter.drawPump(messenger));
    EXPECT_TRUE(messenger.messages().empty());
    ASSERT_TRUE(presenter.operatingPoint());
    EXPECT_NEAR(presenter.operatingPoint()->flow, 10, 1e-9L);
    EXPECT_EQ(presenter.form().output(CurvePlotPresenter::Statement),
              "Operating point: Volume flow 10.000 m³/h, Pressure difference 1.500 bar, Head 15.000 m");
    EXPECT_TRUE(presenter.form().enabled(CurvePlotPresenter::Remove));
    EXPECT_NE(presenter.copyText().find("\r\n\r\nOperating point: Volume flow 10.000 m³/h"),
              std::string::npos);

    presenter.removePump();
    EXPECT_FALSE(presenter.pumpShown());
    EXPECT_EQ(presenter.form().output(CurvePlotPresenter::Statement), "");
    EXPECT_EQ(presenter.copyText().find("Pump"), std::string::npos);
}

TEST(CurvePlotPresenterTest, NoCrossingSaidPlainly) {
    CurvePlotPresenter presenter(english());
    presenter.setCurve(parabola(), tenthBarPerMetre(), parabolaLoss());
    enterPump(presenter, {{"0", "4"}, {"20", "3"}, {"40", "1"}});  // at most 0.4 bar, below the static 0.5
    model::RecordingMessenger messenger;
    ASSERT_TRUE(presenter.drawPump(messenger));
    EXPECT_FALSE(presenter.operatingPoint());
    EXPECT_EQ(presenter.form().output(CurvePlotPresenter::Statement),
              plotText(english(), CurvePlotText::NoCrossing));
}

TEST(CurvePlotPresenterTest, ProblemsNameTheirRow) {
    CurvePlotPresenter presenter(german());
    presenter.setCurve(parabola(), tenthBarPerMetre(), parabolaLoss());
    enterPump(presenter, {{"0", "20"}, {"10", "21"}, {"20", "10"}});
    model::RecordingMessenger messenger;
    EXPECT_FALSE(presenter.drawPump(messenger));
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].text, plotText(german(), CurvePlotText::HeadRising) + "\rZeile 2");
    EXPECT_EQ(messenger.messages()[0].entry, CurvePlotPresenter::headField(1));
    EXPECT_FALSE(presenter.pumpShown());

    messenger.clear();
    enterPump(presenter, {{"0", "20"}, {"1O", "15"}, {"20", "10"}});
    EXPECT_FALSE(presenter.drawPump(messenger));
    EXPECT_EQ(messenger.messages()[0].text,
              german().text(model::GlobalText::InvalidNumber) + "\r\"Zeile 2, Q (m³/h)\"!");
    EXPECT_EQ(messenger.messages()[0].entry, CurvePlotPresenter::flowField(1));
}

TEST(CurvePlotPresenterTest, PumpFileWithDecimalCommas) {
    CurvePlotPresenter presenter(german());
    presenter.setCurve(parabola(), tenthBarPerMetre(), parabolaLoss());
    model::RecordingMessenger messenger;
    ASSERT_TRUE(presenter.loadPumpFile("Q;H\r\n0;20\r\n12,5;13,75\r\n40;0\r\n", messenger));
    EXPECT_EQ(presenter.form().text(CurvePlotPresenter::flowField(1)), "12,5");
    EXPECT_EQ(presenter.form().text(CurvePlotPresenter::headField(1)), "13,75");
    EXPECT_EQ(presenter.form().text(CurvePlotPresenter::flowField(3)), "");
    ASSERT_TRUE(presenter.operatingPoint());
    EXPECT_NEAR(presenter.operatingPoint()->flow, 10, 1e-9L);  // the three points lie on H = 20 − 0.5 Q
    EXPECT_NE(presenter.copyText().find("Pumpe in bar"), std::string::npos);

    messenger.clear();
    EXPECT_FALSE(presenter.loadPumpFile("0;20\nx;y\n", messenger));
    EXPECT_EQ(messenger.messages()[0].text, plotText(german(), CurvePlotText::FileNoCurve) + "\rZeile 2");
}

TEST(CurvePlotPresenterTest, PumpKeptForTheNextRunInItsUnit) {
    CurvePlotPresenter presenter(english());
    presenter.setCurve(parabola(), tenthBarPerMetre(), parabolaLoss());
    enterPump(presenter, {{"0", "20"}, {"30", "5"}, {"60", "0"}});
    model::RecordingMessenger messenger;
    ASSERT_TRUE(presenter.drawPump(messenger));
    PumpEntries kept = presenter.entries();
    EXPECT_TRUE(kept.shown);

    // The next run in l/s: 30 m³/h are 8.3333 l/s, and the pump is drawn again at once.
    CurvePlotPresenter next(english());
    next.setEntries(kept);
    SystemCurveData litres = parabola();
    litres.flowUnit = "l/s";
    litres.unitFactor = 3.6L;
    next.setCurve(litres, tenthBarPerMetre(), parabolaLoss());
    EXPECT_EQ(next.form().text(CurvePlotPresenter::flowField(1)), "8.3333");
    EXPECT_EQ(next.form().text(CurvePlotPresenter::flowField(2)), "16.6667");
    EXPECT_TRUE(next.pumpShown());
    EXPECT_EQ(next.form().caption(CurvePlotPresenter::FlowHeader), "Q (l/s)");
}

// ---- settings ----------------------------------------------------------------------------------

class MemoryStore : public persist::SettingsStore {
  public:
    std::optional<std::string> read(std::string_view subkey, std::string_view name) const override {
        const auto it = values_.find(std::string(subkey) + "/" + std::string(name));
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    bool hasSubkey(std::string_view) const override { return !values_.empty(); }
    void write(std::string_view subkey, std::string_view name, std::string_view value) override {
        values_[std::string(subkey) + "/" + std::string(name)] = std::string(value);
    }
    void flush() override {}
    std::map<std::string, std::string> values_;
};

TEST(CurveSettingsTest, RoundTripAndDefaults) {
    MemoryStore store;
    const SystemCurveSettings fresh = readSystemCurveSettings(store, model::UnitSystem::Us);
    EXPECT_EQ(fresh.range, CurveRangeEntries{});
    EXPECT_EQ(fresh.pump.headUnit, 1);  // ft with US units
    EXPECT_EQ(readSystemCurveSettings(store, model::UnitSystem::Metric).pump.headUnit, 0);

    SystemCurveSettings s;
    s.range = {"0,5", "12", 4, "2,5"};
    s.pump.rows[0] = {"0", "30,5"};
    s.pump.rows[19] = {"99", "1"};
    s.pump.headUnit = 1;
    s.pump.flowUnit = 11;
    s.pump.shown = true;
    s.pictureWidth = 1600;
    s.pictureHeight = 900;
    writeSystemCurveSettings(store, s);
    EXPECT_EQ(store.values_.at("Kennlinie/Von"), "0,5");
    EXPECT_EQ(store.values_.at("Kennlinie/Pumpe_H1"), "30,5");
    EXPECT_EQ(readSystemCurveSettings(store, model::UnitSystem::Metric), s);

    // Indexes that are no numbers, or out of range, keep their defaults.
    store.write("Kennlinie", "Einheit", "x");
    store.write("Kennlinie", "Pumpe_Einheit", "7");
    store.write("Kennlinie", "Bild_Breite", "5");
    const SystemCurveSettings bad = readSystemCurveSettings(store, model::UnitSystem::Metric);
    EXPECT_EQ(bad.range.unitIndex, 0);
    EXPECT_EQ(bad.pump.headUnit, 0);
    EXPECT_EQ(bad.pictureWidth, 1200);
}

}  // namespace
}  // namespace velmora::tools
