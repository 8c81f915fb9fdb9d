// The heat-transfer oils of WT.STW and the solutes of WAESSRIG.STW against the points they were
// fitted to (data/media/oils/oil_points.tsv, data/media/solutions/solution_points.tsv), and the
// two dialogs' checks, mixtures and transfers.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <map>

#include "media/oil_presenter.h"
#include "media/solution_presenter.h"
#include "media/water_regions.h"
#include "media/water_viscosity.h"
#include "media_dialog_support.h"
#include "support/temp_folder.h"

namespace velmora::media {
namespace {

using testing::englishTexts;

constexpr Real fitBound = 0.03;  // largest deviation of a fitted record from its own points

// ---- Oils ----

TEST(OilFile, EveryOilReproducesItsDataSheetWithinThreePercent) {
    const std::vector<OilRecord> oils = loadOils(testing::builtData());
    ASSERT_GE(oils.size(), 15u);
    // The fitted span of each viscosity law (field 4 of the source, "t1-t2 °C").
    std::map<std::string, std::pair<double, double>> spans;
    for (const auto& row : testing::readTable(testing::mediaSource("oils/wt.txt"))) {
        const auto dash = row[3].find('-');
        if (dash != std::string::npos && row[0] != "Art")
            spans[row[1]] = {std::stod(row[3].substr(0, dash)), std::stod(row[3].substr(dash + 1))};
    }
    std::map<std::string, std::pair<double, double>> largest;  // density, viscosity
    for (const auto& row : testing::readTable(testing::mediaSource("oils/oil_points.tsv"))) {
        if (row[0] == "name") continue;
        const auto oil =
            std::find_if(oils.begin(), oils.end(), [&](const OilRecord& o) { return o.name == row[0]; });
        ASSERT_NE(oil, oils.end()) << row[0];
        const auto state = computeOil(*oil, std::stold(row[3]) + 273.15L);
        ASSERT_TRUE(state);
        auto& worst = largest[row[0]];
        if (row[4] != "-")
            worst.first =
                std::max(worst.first, std::abs(static_cast<double>(state->density) / std::stod(row[4]) - 1));
        const double t = std::stod(row[3]);
        if (row[5] != "-" && t >= spans[row[0]].first && t <= spans[row[0]].second) {
            ASSERT_TRUE(state->viscosity);
            worst.second =
                std::max(worst.second,
                         std::abs(static_cast<double>(*state->viscosity) / (std::stod(row[5]) * 1000) - 1));
        }
    }
    EXPECT_EQ(largest.size(), oils.size());
    for (const auto& [name, worst] : largest) {
        std::cout << "  " << name << ": density " << 100 * worst.first << " %, viscosity "
                  << 100 * worst.second << " %\n";
        EXPECT_LE(worst.first, fitBound) << name;
        EXPECT_LE(worst.second, fitBound) << name;
    }
}

TEST(OilFile, PublishedTherminol66ValuesAreMet) {
    // Therminol 66 data sheet: ρ 1021.5 / 955.0 / 885.1 / 808.5 kg/m³ at 0 / 100 / 200 / 300 °C.
    const std::vector<OilRecord> oils = loadOils(testing::builtData());
    const auto oil =
        std::find_if(oils.begin(), oils.end(), [](const OilRecord& o) { return o.name == "Therminol 66"; });
    ASSERT_NE(oil, oils.end());
    for (auto [t, rho] : {std::pair{0, 1021.5}, {100, 955.0}, {200, 885.1}, {300, 808.5}})
        EXPECT_NEAR(computeOil(*oil, t + 273.15L)->density, rho, 0.005 * rho) << t;
}

class OilDialog : public ::testing::Test {
  protected:
    OilDialog() {
        OilRecord plain{2, "Test oil", {900, -0.6, 0, 0}, {-2, 800, 100}};
        OilRecord noLaw{1, "No viscosity", {850, -0.5, 0, 0}, {0, 0, 0}};
        presenter.setOils({plain, noLaw});
        presenter.show({model::UnitSystem::Metric, false});
    }
    void calculate(const char* temperature) {
        presenter.form().setText(static_cast<int>(OilField::Temperature), temperature);
        presenter.calculate(messages);
    }
    std::string output(OilField field) const { return presenter.form().output(static_cast<int>(field)); }

    OilPresenter presenter{englishTexts()};
    model::RecordingMessenger messages;
};

TEST_F(OilDialog, TemperatureIsRoundedToWholeDegreesAndLimitedTo300) {
    calculate("300,4");  // computed at 300 °C
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(output(OilField::Density), "720");
    EXPECT_EQ(presenter.result()->temperature, 300);
    calculate("300.5");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text,
              "The temperature lies above 300 °C, above the range of the oil data.");
    EXPECT_EQ(output(OilField::Density), "");
    EXPECT_FALSE(presenter.takeOver());
    calculate("-0.6");
    EXPECT_EQ(messages.messages().size(), 2u);
}

TEST_F(OilDialog, ViscosityFromTheLawTimesDensityAndTransfer) {
    calculate("100");
    // ρ = 900 − 60 = 840; ν = exp(−2 + 800/200) = e² mm²/s; η = ν·ρ.
    EXPECT_EQ(output(OilField::Viscosity),
              std::to_string(static_cast<long long>(std::round(std::exp(2.0) * 840))));
    const auto transfer = presenter.takeOver();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(*transfer->mediumText, "Test oil (100 °C)");
    EXPECT_EQ(transfer->state, model::MediumState::Liquid);
    EXPECT_EQ(presenter.form().output(static_cast<int>(OilField::Description)),
              "Synthetic heat-transfer oil");
}

TEST_F(OilDialog, AnOilWithoutViscosityLawShowsTheMissingValue) {
    presenter.select("No viscosity");
    calculate("20");
    EXPECT_EQ(output(OilField::Viscosity), "n/a");
    EXPECT_EQ(output(OilField::Density), "840");
    presenter.chosen(OilField::TemperatureUnit);
    EXPECT_FALSE(presenter.form().enabled(static_cast<int>(OilField::TakeOver)));
}

TEST(OilDialogFile, AMissingFileGivesTheDataFileMessageAndAnEmptyList) {
    const testing::TempFolder empty;
    OilPresenter presenter(englishTexts());
    const auto message = presenter.load(persist::DataFileSet(empty.path()));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->icon, model::MessageIcon::Warning);
    EXPECT_EQ(message->text, "The data file cannot be read: WT.STW");
    EXPECT_TRUE(presenter.form().choice(static_cast<int>(OilField::List)).empty());
}

// ---- Aqueous solutions ----

TEST(SolutionFile, EverySoluteReproducesLaliberteWithinThreePercent) {
    const std::vector<SoluteRecord> solutes = loadSolutes(testing::builtData());
    ASSERT_GE(solutes.size(), 30u);
    std::map<std::string, const SoluteRecord*> byName;
    for (const SoluteRecord& s : solutes) byName[s.name] = &s;
    std::map<std::string, std::pair<double, double>> largest;
    for (const auto& row : testing::readTable(testing::mediaSource("solutions/solution_points.tsv"))) {
        if (row[0] == "name") continue;
        ASSERT_TRUE(byName.count(row[0])) << row[0];
        const Real w = std::stold(row[1]);
        const Real kelvin = std::stold(row[2]) + 273.15L;
        const auto state = computeSolution(*byName[row[0]], w, kelvin);
        ASSERT_TRUE(state);
        const Real water = region1Density(kelvin, 1.013L);
        const Real waterEta = waterViscosity(kelvin, water);
        auto& worst = largest[row[0]];
        // The model's ratio to water, applied to the program's water.
        worst.first = std::max(
            worst.first, std::abs(static_cast<double>(state->density / (water * std::stold(row[3]))) - 1));
        worst.second =
            std::max(worst.second,
                     std::abs(static_cast<double>(state->viscosity / (waterEta * std::stold(row[5]))) - 1));
    }
    EXPECT_EQ(largest.size(), solutes.size());
    for (const auto& [name, worst] : largest) {
        std::cout << "  " << name << ": density " << 100 * worst.first << " %, viscosity "
                  << 100 * worst.second << " %\n";
        EXPECT_LE(worst.first, fitBound) << name;
        EXPECT_LE(worst.second, fitBound) << name;
    }
}

TEST(SolutionFile, SodiumChlorideMeetsHandbookValues) {
    // CRC Handbook (concentrative properties of aqueous solutions), NaCl 10 % at 20 °C:
    // ρ = 1.0707 g/cm³, η = 1.193 mPa·s.
    const std::vector<SoluteRecord> solutes = loadSolutes(testing::builtData());
    const auto nacl = std::find_if(solutes.begin(), solutes.end(),
                                   [](const SoluteRecord& s) { return s.name == "Sodium Chloride"; });
    ASSERT_NE(nacl, solutes.end());
    const auto state = computeSolution(*nacl, 10, 293.15L);
    EXPECT_NEAR(state->density, 1070.7, 0.005 * 1070.7);
    EXPECT_NEAR(state->viscosity, 1193, 0.03 * 1193);
}

class SolutionDialog : public ::testing::Test {
  protected:
    using F = SolutionField;
    SolutionDialog() {
        presenter.setSolutes({{"Salt A", "A", {3000, 500, 400}, {60, 40, -1}},
                              {"Salt B", "B", {2000, 300, 200}, {80, 20, 2}}});
        presenter.show({model::UnitSystem::Metric, false});
    }
    int f(F field) const { return static_cast<int>(field); }
    void single(const char* w, const char* t) {
        presenter.form().setText(f(F::Concentration), w);
        presenter.form().setText(f(F::Temperature), t);
        presenter.pressed(F::Calculate, messages);
    }
    void add(int position) {
        presenter.form().choice(f(F::List)).select(position);
        presenter.chosen(F::List);
        presenter.pressed(F::AddToMixture, messages);
    }
    void mixture(const char* t, std::vector<const char*> concentrations) {
        for (int n = 0; n < static_cast<int>(concentrations.size()); ++n)
            presenter.form().setText(f(solutionSlotConcentration(n)),
                                     concentrations[static_cast<std::size_t>(n)]);
        presenter.form().setText(f(F::MixtureTemperature), t);
        presenter.pressed(F::MixtureCalculate, messages);
    }

    SolutionPresenter presenter{englishTexts()};
    model::RecordingMessenger messages;
};

TEST_F(SolutionDialog, ZeroConcentrationGivesWaterAndHundredIsRefused) {
    single("0", "20");
    const Real water = region1Density(293.15L, 1.013L);
    EXPECT_NEAR(presenter.result()->density, water, 1e-9);
    EXPECT_NEAR(presenter.result()->viscosity, waterViscosity(293.15L, water), 1e-9);
    single("100", "20");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "The concentration must lie below 100 %.");
    single("10", "201");
    EXPECT_EQ(messages.messages().back().text, "The temperature lies above 200 °C.");
}

TEST_F(SolutionDialog, MixtureNeedsTwoSolutesAndTheFirstOneCounts) {
    add(0);
    mixture("20", {"5"});
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].text, "Please add at least two solutes to the mixture.");
    add(0);  // the first solute of the list, twice
    mixture("20", {"5", "5"});
    EXPECT_EQ(messages.messages().size(), 1u);
    ASSERT_TRUE(presenter.mixtureResult());
    single("10", "20");
    EXPECT_NEAR(presenter.mixtureResult()->density, presenter.result()->density, 1e-9);
    EXPECT_NEAR(presenter.mixtureResult()->viscosity, presenter.result()->viscosity, 1e-9);
}

TEST_F(SolutionDialog, AMixtureWithANegligibleSecondSoluteEqualsTheFirstAlone) {
    // The same viscosity terms in both: a mixture is the sum of its solutes' terms.
    add(0);
    add(1);
    mixture("80", {"10", "0"});
    presenter.select("Salt A");
    single("10", "80");
    EXPECT_NEAR(presenter.mixtureResult()->viscosity, presenter.result()->viscosity, 1e-9);
}

TEST_F(SolutionDialog, FullSlotsTakeNoMoreAndRemovingEmptiesASlot) {
    for (int k = 0; k < 5; ++k) add(k % 2);
    for (int n = 0; n < mixtureSlotCount; ++n) EXPECT_TRUE(presenter.slot(n));
    presenter.pressed(solutionSlotRemove(2), messages);
    EXPECT_FALSE(presenter.slot(2));
    EXPECT_EQ(presenter.form().output(f(solutionSlotName(2))), "");
    mixture("20", {"10", "10", "x", "10"});  // the emptied slot's entry is not read, and emptied
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(presenter.form().text(f(solutionSlotConcentration(2))), "");
    mixture("20", {"50", "30", "", "20"});
    EXPECT_EQ(messages.messages().back().text, "The concentrations must add up to less than 100 %.");
}

TEST_F(SolutionDialog, TransfersNameTheSoluteOrTheMixture) {
    add(1);
    add(0);
    mixture("30", {"5", "5"});
    single("12,5", "20");
    EXPECT_EQ(*presenter.takeOver()->mediumText, "Salt A (20 °C, 12,5 mass %)");
    EXPECT_EQ(*presenter.takeOverMixture()->mediumText, "Mixture (30 °C)");
    presenter.edited(solutionSlotConcentration(0));
    EXPECT_FALSE(presenter.takeOverMixture());
    EXPECT_TRUE(presenter.takeOver());  // the single result stays
    presenter.edited(SolutionField::Concentration);
    EXPECT_FALSE(presenter.takeOver());
}

}  // namespace
}  // namespace velmora::media
