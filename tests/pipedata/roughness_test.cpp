// The roughness database: 42 surfaces in each edition's order, their values, the US conversion.
#include "pipedata/roughness_presenter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "model/number_text.h"
#include "support/built_texts.h"

namespace velmora::pipedata {
namespace {

using Language = lang::Edition::Language;

TEST(Roughness, EveryEditionListsFortyTwoSurfacesWithTheirValues) {
    for (Language language : {Language::German, Language::English, Language::French, Language::Dutch}) {
        const auto& texts = testing::loadBuiltTexts(language);
        RoughnessPresenter p(texts);
        const auto& items = p.form().choice(static_cast<int>(RoughnessField::List)).items();
        ASSERT_EQ(items.size(), 42u);
        for (const std::string& item : items) EXPECT_FALSE(item.empty());
        // No description twice: each line names its own surface.
        auto sorted = items;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
        EXPECT_EQ(roughnessValues(texts.edition().letter()).size(), 42u);
    }
}

// A description names what its value is: spot checks of each edition's line against the value the
// edition holds for that line (a list out of order pairs a surface with another's roughness).
TEST(Roughness, DescriptionsStandBesideTheirValues) {
    struct Case {
        Language language;
        std::string description;
        std::string value;
    };
    const Case cases[] = {
        {Language::German, "Genietetes Stahlrohr, sehr schlechte Oberfläche", "9,0"},
        {Language::German, "Kunststoffrohr (PE, PVC, PP), neu", "0,0015"},
        {Language::German, "Gusseisenrohr, asphaltiert", "0,13"},
        {Language::English, "Riveted steel pipe, very poor surface", "9.0"},
        {Language::English, "Cast iron pipe, asphalted", "0.13"},
        {Language::English, "Reinforced concrete pipe, new", "0.25"},
        {Language::French, "Tube acier riveté, surface très mauvaise", "9,0"},
        {Language::French, "Tube fonte asphalté", "0,13"},
        {Language::Dutch, "Gietijzeren buis, geasfalteerd", "0,13"},
    };
    for (const Case& c : cases) {
        RoughnessPresenter p(testing::loadBuiltTexts(c.language));
        const auto& items = p.form().choice(static_cast<int>(RoughnessField::List)).items();
        const auto it = std::find(items.begin(), items.end(), c.description);
        ASSERT_NE(it, items.end()) << c.description;
        ASSERT_TRUE(p.choose(static_cast<int>(it - items.begin())));
        EXPECT_EQ(p.value(), c.value) << c.description;
        EXPECT_EQ(p.form().output(static_cast<int>(RoughnessField::Value)), c.value + " mm");
    }
}

// The same surfaces in every edition: the four value lists hold the same roughnesses (the English
// one differs in one place, 0.3 instead of 0.03, which its own description follows).
TEST(Roughness, EditionsHoldTheSameValues) {
    const auto counted = [](char letter) {
        std::map<long long, int> count;
        for (const std::string& v : roughnessValues(letter)) ++count[model::roundHalfAway(*model::readNumber(v) * 10000)];
        return count;
    };
    EXPECT_EQ(counted('D'), counted('F'));
    EXPECT_EQ(counted('D'), counted('H'));
    auto english = counted('E');
    --english[3000];
    ++english[300];
    EXPECT_EQ(counted('D'), english);
}

// Line 1 of the English edition into a window of the US unit system: 0.0015 / 25.4 = 0.0001 in.
TEST(Roughness, InchesForTheUsUnitSystem) {
    RoughnessPresenter p(testing::loadBuiltTexts(Language::English));
    EXPECT_EQ(p.values().mm, "0.0015");
    EXPECT_EQ(roughnessInInches(p.values().mm, false), "0.0001");
    EXPECT_EQ(roughnessInInches("9,0", true), "0,3543");
    EXPECT_EQ(roughnessInInches("-", false), "-");
}

// The selected line is kept when the dialog opens again.
TEST(Roughness, OpeningAgainKeepsTheLine) {
    RoughnessPresenter p(testing::loadBuiltTexts(Language::German));
    ASSERT_TRUE(p.choose(41));
    p.show();
    EXPECT_EQ(p.form().index(static_cast<int>(RoughnessField::List)), 41);
    EXPECT_EQ(p.value(), "9,0");
    EXPECT_FALSE(p.choose(42));
}

}  // namespace
}  // namespace velmora::pipedata
