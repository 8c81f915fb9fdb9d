// The brine polynomials against Melinder's published tables (data/media/brines/melinder), and the
// brine dialog's checks and transfer.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "media/brine_presenter.h"
#include "media/brine_properties.h"
#include "media_dialog_support.h"

namespace velmora::media {
namespace {

using F = BrineField;
using testing::englishTexts;

int f(F field) {
    return static_cast<int>(field);
}

const BrineData& brine(int number) {
    return brineTable()[static_cast<std::size_t>(number - 1)];
}

TEST(BrinePolynomial, BrineOneAtItsMeanPointGivesTheLeadingCoefficients) {
    // At x = y = 0 only c0 is left: 1056 kg/m³, 1000·exp(1.453), −21.96 °C.
    const auto state = computeBrine(brine(1), 38.1615L, 6.3333L);
    ASSERT_TRUE(state);
    EXPECT_NEAR(state->density, 1056, 1e-9);
    EXPECT_NEAR(state->viscosity, 1000 * std::exp(1.453L), 1e-9);
    EXPECT_NEAR(state->freezingPoint, -21.96L, 1e-9);
}

struct TableFile {
    int brine;
    const char* stem;
};

constexpr TableFile tables[] = {
    {1, "ethylene_glycol"},
    {2, "propylene_glycol"},
    {3, "ethanol"},
    {4, "methanol"},
    {5, "glycerol"},
    {6, "ammonia"},
    {7, "potassium_carbonate"},
    {8, "calcium_chloride"},
    {9, "magnesium_chloride"},
    {10, "sodium_chloride"},
};

// (concentration, temperature) → value of the valid cells of a Melinder grid table.
std::map<std::pair<double, double>, double> grid(const std::string& file) {
    const auto rows = testing::readTable(testing::mediaSource("brines/melinder/" + file));
    std::map<std::pair<double, double>, double> cells;
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (std::size_t c = 1; c < rows[r].size(); ++c) {
            const double value = std::stod(rows[r][c]);
            if (value != -1) cells[{std::stod(rows[0][c]), std::stod(rows[r][0])}] = value;
        }
    return cells;
}

// Three cells of every brine's table (the first, the middle and the last valid one), each inside
// the brine's range, against the program: density and viscosity within 2 %.
TEST(BrinePolynomial, EveryBrineMatchesMelindersTablesAtThreePoints) {
    for (const TableFile& t : tables) {
        SCOPED_TRACE(t.stem);
        const auto density = grid(std::string(t.stem) + "_density.tsv");
        const auto viscosity = grid(std::string(t.stem) + "_viscosity.tsv");  // 10⁻⁵ Pa·s
        ASSERT_GT(density.size(), 10u);
        std::vector<std::pair<double, double>> points;
        for (const auto& [key, value] : density)
            if (key.second <= brine(t.brine).highestTemperature &&
                key.first >= brine(t.brine).lowestConcentration &&
                key.first <= brine(t.brine).highestConcentration)
                points.push_back(key);
        ASSERT_GE(points.size(), 3u);
        for (const auto& point : {points.front(), points[points.size() / 2], points.back()}) {
            const auto state = computeBrine(brine(t.brine), point.first, point.second);
            if (!state) continue;  // a cell on the freezing line itself
            EXPECT_NEAR(state->density / density.at(point), 1, 0.02)
                << point.first << " % " << point.second << " °C";
            EXPECT_NEAR(state->viscosity / (viscosity.at(point) * 10), 1, 0.02)
                << point.first << " % " << point.second;
        }
    }
}

TEST(BrinePolynomial, FreezingPointsMatchMelindersTables) {
    for (const TableFile& t : tables) {
        SCOPED_TRACE(t.stem);
        const auto rows = testing::readTable(
            testing::mediaSource("brines/melinder/" + std::string(t.stem) + "_freezing.tsv"));
        ASSERT_GE(rows.size(), 4u);
        for (std::size_t r : {std::size_t{1}, rows.size() / 2, rows.size() - 1}) {
            const Real c = std::stold(rows[r][0]);
            const Real published = std::stold(rows[r][1]);
            // 2 % of the freezing depression, at least 0.05 K.
            EXPECT_NEAR(brineFreezingPoint(brine(t.brine), c, 0), published,
                        std::max(0.02L * std::abs(published), 0.05L))
                << c << " %";
        }
    }
}

// Sodium chloride is published around xm = 12.3539 %; the program's polynomial is that one,
// re-centred on its own mean point 12.3589 %, and must give the same values.
TEST(BrinePolynomial, RecentredSodiumChlorideEqualsThePublishedFit) {
    std::map<std::string, BrineCoefficients> published;
    Real centre = 0;
    for (const auto& row : testing::readTable(testing::mediaSource("brines/brine_coefficients.tsv"))) {
        if (row[0] != "10" || row[2].find("published") == std::string::npos) continue;
        centre = std::stold(row[3]);
        BrineCoefficients c{};
        for (int k = 0; k < brineTermCount; ++k)
            c[static_cast<std::size_t>(k)] = std::stold(row[5 + static_cast<std::size_t>(k)]);
        published[row[2].substr(0, row[2].find(' '))] = c;
    }
    ASSERT_EQ(published.size(), 3u);
    const BrineData& nacl = brine(10);
    for (Real c = 0; c <= 23; c += 2.3L)
        for (Real t = -20; t <= 30; t += 5) {
            EXPECT_NEAR(brinePolynomial(nacl.density, c - nacl.meanConcentration, t - nacl.meanTemperature),
                        brinePolynomial(published["density"], c - centre, t - nacl.meanTemperature), 1e-9);
            EXPECT_NEAR(brinePolynomial(nacl.viscosity, c - nacl.meanConcentration, t - nacl.meanTemperature),
                        brinePolynomial(published["viscosity"], c - centre, t - nacl.meanTemperature), 1e-9);
            EXPECT_NEAR(brinePolynomial(nacl.freezing, c - nacl.meanConcentration, t - nacl.meanTemperature),
                        brinePolynomial(published["freezing"], c - centre, t - nacl.meanTemperature), 1e-9);
        }
}

class BrineDialog : public ::testing::Test {
  protected:
    BrineDialog() { presenter.show({model::UnitSystem::Metric, false}); }

    void enter(const char* concentration, const char* temperature, int brinePosition = 0) {
        presenter.form().choice(f(F::List)).select(brinePosition);
        presenter.chosen(F::List);
        presenter.form().setText(f(F::Concentration), concentration);
        presenter.form().setText(f(F::Temperature), temperature);
        presenter.calculate(messages);
    }

    BrinePresenter presenter{englishTexts()};
    model::RecordingMessenger messages;
};

TEST_F(BrineDialog, ListShowsTheBrinesInTheDialogsOrderWithWater) {
    const auto& items = presenter.form().choice(f(F::List)).items();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0], "Ethylene glycol / Water");
    EXPECT_EQ(items[2], "Methanol / Water");  // position 2 is brine 4
    EXPECT_EQ(items[3], "Ethanol / Water");
    EXPECT_EQ(presenter.form().output(f(F::RangeTemperature)),
              "Temperature: Freezing point .. 40 °C (104 °F)");
    EXPECT_EQ(presenter.form().output(f(F::RangeConcentration)), "Concentration: 0.0 .. 56.0 %");
}

TEST_F(BrineDialog, MeanPointOfBrineOneShowsAndTransfers) {
    enter("38,1615", "6.3333");
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(presenter.form().output(f(F::Density)), "1056");
    EXPECT_EQ(presenter.form().output(f(F::Viscosity)), "4276");
    EXPECT_EQ(presenter.form().output(f(F::FreezingPoint)), "-22.0");
    const auto transfer = presenter.takeOver();
    ASSERT_TRUE(transfer);
    EXPECT_EQ(*transfer->mediumText, "Ethylene glycol / Water (6.3333 °C, 38,1615 %)");
    EXPECT_EQ(transfer->density->unit, "kg/m³");
    EXPECT_EQ(transfer->viscosity->text, "4276");
}

TEST_F(BrineDialog, AtOrBelowTheFreezingPointIsRefused) {
    enter("38.1615", "-22");  // the freezing point is −21.96 °C
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].icon, model::MessageIcon::Error);
    EXPECT_EQ(messages.messages()[0].text,
              "Temperature <= Freezing point!!\rFreezing point = -22.0 °C (-8.0 °F)");
    EXPECT_EQ(messages.messages()[0].entry, f(F::Temperature));
    EXPECT_FALSE(presenter.takeOver());
}

TEST_F(BrineDialog, RangeEndsAreAcceptedAndBeyondThemRefused) {
    enter("56", "40");  // highest temperature and highest concentration of brine 1
    EXPECT_TRUE(messages.messages().empty());
    enter("0", "20");
    EXPECT_TRUE(messages.messages().empty());
    enter("30", "40.01");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].entry, f(F::Temperature));
    enter("56.1", "20");
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[1].entry, f(F::Concentration));
}

TEST_F(BrineDialog, EntriesThatAreNotNumbersNameTheirLabel) {
    enter("30", "warm");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_NE(messages.messages()[0].text.find("\"Temperature:\"!"), std::string::npos);
}

TEST_F(BrineDialog, FreezingPointFollowsTheTemperatureUnitAndUsOutputAddsDecimals) {
    presenter.show({model::UnitSystem::Us, false});
    presenter.form().choice(f(F::TemperatureUnit)).selectLabel("K");
    presenter.chosen(F::TemperatureUnit);
    EXPECT_EQ(presenter.form().caption(f(F::FreezingCaption)), "Freezing point in K:");
    enter("38.1615", "279.4833");
    EXPECT_EQ(presenter.form().output(f(F::FreezingPoint)), "251.2");
    EXPECT_EQ(presenter.form().output(f(F::Density)), "65.9");     // 1056/16.0184655, one decimal more
    EXPECT_EQ(presenter.form().output(f(F::Viscosity)), "4.276");  // cP, three decimals more
    presenter.edited(F::Concentration);
    EXPECT_FALSE(presenter.takeOver());
}

}  // namespace
}  // namespace velmora::media
