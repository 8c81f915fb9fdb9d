#include <gtest/gtest.h>

#include "tools/economic_diameter.h"
#include "tools/nominal_diameter_presenter.h"
#include "tool_test_support.h"

namespace velmora::tools {
namespace {

using P = NominalDiameterPresenter;
using testing::linesOf;

struct DiameterCase {
    const char* name;
    EconomicMedium medium;
    int table;
    Real flow;  // m³/h
    long long diameter;  // mm, worked by hand from the table points
};

// d = d1 + (Q − Q1) (d2 − d1) / (Q2 − Q1), rounded half away from zero.
const DiameterCase kDiameters[] = {
    {"liquid_10_first", EconomicMedium::Liquid, 0, 10, 43},        // 40 + 1.77 · 10 / 6.19 = 42.86
    {"liquid_10_second", EconomicMedium::Liquid, 1, 10, 63},       // 60 + 1.22 · 10 / 4.04 = 63.02
    {"liquid_at_point", EconomicMedium::Liquid, 0, 81.71L, 100},
    {"liquid_below_table", EconomicMedium::Liquid, 0, 0.1L, 1},
    {"liquid_above_table", EconomicMedium::Liquid, 0, 20000, 2000},
    {"liquid_first_point", EconomicMedium::Liquid, 0, 0.22L, 10},
    {"liquid_last_point", EconomicMedium::Liquid, 0, 14137.17L, 1000},
    // Gas, 500 m³/h: 100 + (500 − 300.56) · 50 / 521.37 = 119.13; 80 + 60.46 · 10 / 149.05 = 84.06.
    {"gas_500_first", EconomicMedium::Gas, 0, 500, 119},
    {"gas_500_second", EconomicMedium::Gas, 1, 500, 84},
};

TEST(EconomicDiameter, InterpolatesTheTables) {
    for (const DiameterCase& c : kDiameters)
        EXPECT_EQ(economicDiameter(economicTable(c.medium, c.table), c.flow), c.diameter) << c.name;
}

TEST(EconomicDiameter, StandardSizesAround) {
    EXPECT_EQ(sizesAround(metricNominalSizes(), 43), (std::vector<int>{40, 50}));
    EXPECT_EQ(sizesAround(metricNominalSizes(), 100), (std::vector<int>{100}));
    EXPECT_EQ(sizesAround(usNominalSizes(), 1693), (std::vector<int>{1500, 2000}));
}

class NominalDiameterListing : public ::testing::Test {
  protected:
    std::vector<std::string> list(const char* flow, const char* unit = "m³/h", bool metric = true) {
        P presenter(testing::englishTexts(), EconomicMedium::Liquid);
        model::RecordingMessenger messenger;
        presenter.shown({.text = flow, .unitLabel = unit}, messenger);
        if (!metric) {
            presenter.form().choice(P::Metric).select(0);
            presenter.chosen(P::Metric, messenger);
        }
        entry = presenter.form().text(P::Flow);
        messages = messenger.messages();
        return linesOf(presenter.form().output(P::Listing));
    }
    std::string entry;
    std::vector<model::UserMessage> messages;
};

TEST_F(NominalDiameterListing, TenCubicMetresPerHour) {
    const auto lines = list("10");
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[1], "Volume flow 10 m³/h:");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Thin liquids (kin. viscosity 10^-6 m²/s)");
    EXPECT_EQ(lines[4], "Economic inner diameter: 43 mm");
    // v = 10 · 4 · 10000 / (36 π 40²) = 2.2105 m/s; in DN 50: 1.4147 m/s.
    EXPECT_EQ(lines[5], "Pipe size: DN 40 ==> Velocity 2.21 m/s");
    EXPECT_EQ(lines[6], "Pipe size: DN 50 ==> Velocity 1.41 m/s");
    EXPECT_EQ(lines[8], "Viscous liquids, kin. viscosity (100*10^-6 m²/s)");
    EXPECT_EQ(lines[9], "Economic inner diameter: 63 mm");
    EXPECT_EQ(lines[10].substr(0, 19), "Pipe size: DN 50 ==");
    EXPECT_EQ(lines[11].substr(0, 19), "Pipe size: DN 65 ==");
}

TEST_F(NominalDiameterListing, ExactSizeAndLimits) {
    auto lines = list("81,71");
    EXPECT_EQ(lines[4], "Economic inner diameter: 100 mm");
    EXPECT_EQ(lines[5].substr(0, 20), "Pipe size: DN 100 ==");
    EXPECT_EQ(lines[6], "");  // one DN line only
    lines = list("0.1");
    EXPECT_EQ(lines[4], "Economic inner diameter < 10 mm!!");
    lines = list("20000");
    EXPECT_EQ(lines[4], "Economic inner diameter > 1000 mm!!");
}

TEST_F(NominalDiameterListing, UsListing) {
    const auto lines = list("10", "m³/h", false);
    EXPECT_EQ(lines[3], "Thin liquids (kin. viscosity 10^-5 sq.ft./s)");
    // 43 mm = 1.693 in.: between 1.50 and 2.00 in.; v in 1.5 in. = 2.2105 · (40 / 38.1)² / 0.3048.
    EXPECT_EQ(lines[4], "Economic inner diameter in inches: 1.69 in.");
    EXPECT_EQ(lines[5], "Pipe size: 1.50 in. ==> Velocity 7.99 ft./s");
    EXPECT_EQ(lines[6].substr(0, 21), "Pipe size: 2.00 in. =");
}

TEST_F(NominalDiameterListing, ZeroNegativeAndInvalidFlows) {
    EXPECT_EQ(list("0").at(1), "Volume flow 1.0 m³/h:");
    EXPECT_EQ(entry, "1.0");
    EXPECT_EQ(list("-10").at(4), "Economic inner diameter: 43 mm");
    // A text that is no number: nothing is listed, the message names the flow label.
    P presenter(testing::englishTexts(), EconomicMedium::Liquid);
    model::RecordingMessenger messenger;
    presenter.shown({.text = "1x", .unitLabel = "m³/h"}, messenger);
    EXPECT_TRUE(messenger.messages().empty());  // not a number: not computed on opening
    presenter.calculate(messenger);
    ASSERT_EQ(messenger.messages().size(), 1u);
    EXPECT_EQ(messenger.messages()[0].icon, model::MessageIcon::Error);
    EXPECT_EQ(messenger.messages()[0].text, "Not a valid number in the field Volume flow:");
    EXPECT_EQ(presenter.form().output(P::Listing), "");
}

TEST(NominalDiameterDialog, TakesTheMainFormFlow) {
    P presenter(testing::germanTexts(), EconomicMedium::Gas);
    model::RecordingMessenger messenger;
    presenter.shown({.massFlow = true, .text = "500", .unitLabel = "kg/h"}, messenger);
    EXPECT_EQ(presenter.form().text(P::Flow), "");
    EXPECT_EQ(presenter.form().current(P::FlowUnit), "m³/h");
    presenter.shown({.text = "2", .unitLabel = "l/s"}, messenger);
    EXPECT_EQ(presenter.form().current(P::FlowUnit), "l/s");
    // 2 l/s = 7.2 m³/h, between 20 mm (4.64) and 30 mm (13.56) of the gas table.
    const auto lines = linesOf(presenter.form().output(P::Listing));
    EXPECT_EQ(lines[1], "Volumenstrom 2 l/s:");
    EXPECT_EQ(lines[3], "Lange Leitungen (Druck 1 bar)");
    EXPECT_EQ(lines[4], "Wirtschaftlicher Innendurchmesser: 23 mm");  // 20 + 2.56 · 10 / 8.92 = 22.87
    EXPECT_EQ(lines[5], "Nennweite: DN 20 ==> Geschwindigkeit 6,37 m/s");
    presenter.shown({.text = "100", .unitLabel = "Nm³/h"}, messenger);
    EXPECT_EQ(presenter.form().text(P::Flow), "");
}

}  // namespace
}  // namespace velmora::tools
