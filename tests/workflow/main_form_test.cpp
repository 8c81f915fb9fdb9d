#include "workflow/main_form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "model/my_window_text.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::ElementKind;
using model::GlobalText;
using model::SlotUnit;
using testing::builtTexts;
using testing::Language;

// ---- fresh start ----------------------------------------------------------------------------

struct FreshStartCase {
    friend void PrintTo(const FreshStartCase& c, std::ostream* out) {
        *out << testing::languageName(c.language);
    }
    Language language;
    const char* flow;
    const char* density;
    const char* roughness;
    const char* pipeLength;
};

class FreshStart : public ::testing::TestWithParam<FreshStartCase> {};

TEST_P(FreshStart, ShowsTheEditionsDefaults) {
    const lang::TextCatalogue& texts = builtTexts(GetParam().language);
    const MainForm form(texts);

    EXPECT_FALSE(texts.text(GlobalText::WaterName).empty());
    EXPECT_EQ(form.text(FormField::MediumName), texts.text(GlobalText::WaterName));
    EXPECT_EQ(form.flowQuantity(), model::FlowQuantity::Volume);
    EXPECT_EQ(form.unitBox(FormField::FlowUnit).items().size(), 16u);
    EXPECT_EQ(form.text(FormField::Flow), GetParam().flow);
    EXPECT_EQ(form.text(FormField::Density), GetParam().density);
    EXPECT_EQ(form.viscosityQuantity(), model::ViscosityQuantity::Dynamic);
    EXPECT_EQ(form.unitBox(FormField::ViscosityUnit).items().size(), 9u);
    EXPECT_EQ(form.text(FormField::Viscosity), "1002");
    EXPECT_EQ(form.state(), model::MediumState::Liquid);
    EXPECT_EQ(form.text(FormField::InletPressure), "1");
    EXPECT_EQ(form.text(FormField::InletTemperature), "300");
    EXPECT_EQ(form.text(FormField::OutletTemperature), "250");
    EXPECT_EQ(form.text(FormField::Roughness), GetParam().roughness);
    EXPECT_EQ(form.text(FormField::ElementCount), "1");

    const std::vector<std::pair<FormField, std::string>> units = {{FormField::FlowUnit, "m³/h"},
                                                                  {FormField::DensityUnit, "kg/m³"},
                                                                  {FormField::ViscosityUnit, "10-6 kg/ms"},
                                                                  {FormField::InletPressureUnit, "bar"},
                                                                  {FormField::InletTemperatureUnit, "°C"},
                                                                  {FormField::OutletTemperatureUnit, "°C"},
                                                                  {FormField::RoughnessUnit, "mm"},
                                                                  {FormField::Slot1Unit, "mm"},
                                                                  {FormField::Slot2Unit, "m"}};
    for (const auto& [box, label] : units) {
        SCOPED_TRACE("unit box " + std::to_string(static_cast<int>(box)));
        EXPECT_EQ(form.unitBox(box).current(), label);
    }

    // Kind 1/1 with an empty diameter entry gets "100"; the length its default.
    EXPECT_EQ(form.kind(), (ElementKind{1, 1}));
    EXPECT_EQ(form.text(FormField::Slot1), "100");
    EXPECT_EQ(form.text(FormField::Slot2), GetParam().pipeLength);
    EXPECT_EQ(form.slot(1).label, texts.text(GlobalText::LabelDiameter) + " D:");
}

INSTANTIATE_TEST_SUITE_P(Editions, FreshStart,
                         ::testing::Values(FreshStartCase{Language::English, "1.0", "998.2", "0.1", "1.0"},
                                           FreshStartCase{Language::German, "1,0", "998,2", "0,1", "1,0"},
                                           FreshStartCase{Language::French, "1,0", "998,2", "0,1", "1,0"},
                                           FreshStartCase{Language::Dutch, "1,0", "998,2", "0,1", "1,0"}),
                         [](const auto& info) {
                             return std::string(testing::languageName(info.param.language));
                         });

TEST(FreshStart, BringsBackChangedEntriesButKeepsTheKind) {
    MainForm form(builtTexts(Language::English));
    form.setUpKind({10, 1});
    form.setFlowQuantity(model::FlowQuantity::Mass);
    form.setState(model::MediumState::Gas);
    form.setText(FormField::Density, "1,2");
    form.selectUnit(FormField::Slot1Unit, 1);
    form.selectUnit(FormField::InletPressureUnit, 4);

    form.applyFreshStartDefaults();

    EXPECT_EQ(form.flowQuantity(), model::FlowQuantity::Volume);
    EXPECT_EQ(form.unitBox(FormField::FlowUnit).current(), "m³/h");
    EXPECT_EQ(form.state(), model::MediumState::Liquid);
    EXPECT_EQ(form.text(FormField::Density), "998.2");
    EXPECT_EQ(form.unitBox(FormField::Slot1Unit).index(), 0);
    EXPECT_EQ(form.unitBox(FormField::InletPressureUnit).current(), "bar");
    EXPECT_EQ(form.kind(), (ElementKind{10, 1}));
}

// ---- setting up a kind ------------------------------------------------------------------------

class KindSetUp : public ::testing::Test {
  protected:
    const lang::TextCatalogue& texts = builtTexts(Language::English);
    MainForm form{texts};

    std::string label(GlobalText word, const char* suffix) const { return texts.text(word) + suffix; }
};

TEST_F(KindSetUp, VelocityChangeOfDuctsCopiesTheInletSides) {
    form.setUpKind({1, 2});
    form.setText(FormField::Slot1, "300");
    form.setText(FormField::Slot2, "200");
    form.setUpKind({13, 3});
    EXPECT_EQ(form.text(FormField::Slot1), "300");
    EXPECT_EQ(form.text(FormField::Slot2), "200");
    EXPECT_EQ(form.text(FormField::Slot3), "300");
    EXPECT_EQ(form.text(FormField::Slot4), "200");
    EXPECT_EQ(form.slot(3).label, label(GlobalText::LabelWidth, " B2:"));
    EXPECT_EQ(form.slot(4).label, label(GlobalText::LabelHeight, " H2:"));
}

TEST_F(KindSetUp, KeptTextsAndTheHundredRule) {
    form.setText(FormField::Slot1, "");
    form.setText(FormField::Slot2, "");
    form.setText(FormField::Slot3, "77");
    form.setUpKind({1, 2});  // B and H keep their texts: both empty, so both get "100"
    EXPECT_EQ(form.text(FormField::Slot1), "100");
    EXPECT_EQ(form.text(FormField::Slot2), "100");
    EXPECT_EQ(form.text(FormField::Slot3), "1.0");  // slots 3 to 5 always take their default

    form.setText(FormField::Slot1, "250");
    form.setUpKind({3, 3});  // D1 kept, D2 its default
    EXPECT_EQ(form.text(FormField::Slot1), "250");
    EXPECT_EQ(form.text(FormField::Slot2), "50");

    form.setUpKind({1, 6});  // a slot 1 with its own default takes it, in the edition's form
    EXPECT_EQ(form.text(FormField::Slot1), "0.01");
    EXPECT_EQ(form.text(FormField::Slot2), "0.4");
}

TEST_F(KindSetUp, UnitBoxesKeepTheirPosition) {
    form.selectUnit(FormField::Slot1Unit, 1);  // 1/1: D in "in."
    form.setUpKind({2, 3});
    EXPECT_EQ(form.unitBox(FormField::Slot1Unit).current(), "in.");
    EXPECT_FALSE(form.slot(2).unitBoxVisible);  // the angle has a fixed unit

    form.setUpKind({1, 6});  // the area list, same position
    EXPECT_EQ(form.unitBox(FormField::Slot1Unit).items(), (std::vector<std::string>{"m²", "sq.yd."}));
    EXPECT_EQ(form.unitBox(FormField::Slot1Unit).current(), "sq.yd.");
    EXPECT_EQ(form.unitBox(FormField::Slot2Unit).items(), (std::vector<std::string>{"m", "ft."}));
}

TEST_F(KindSetUp, SlotsShowTheirUnitKind) {
    struct Case {
        ElementKind kind;
        int slot;
        bool unitBox;
        std::string fixedUnit;
    };
    const std::vector<Case> cases = {
        {{2, 3}, 2, false, texts.text(GlobalText::DegreeWord)},
        {{10, 1}, 2, false, "%"},
        {{6, 1}, 2, false, texts.text(GlobalText::CountWord)},
        {{12, 1}, 2, false, ""},
        {{13, 1}, 1, true, ""},
        {{9, 4}, 3, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind.group) + "/" + std::to_string(c.kind.subgroup) + " slot " +
                     std::to_string(c.slot));
        form.setUpKind(c.kind);
        EXPECT_TRUE(form.slot(c.slot).visible);
        EXPECT_EQ(form.slot(c.slot).unitBoxVisible, c.unitBox);
        EXPECT_EQ(form.slot(c.slot).fixedUnit, c.fixedUnit);
    }
}

TEST_F(KindSetUp, HidesWhatTheNewKindDoesNotAsk) {
    form.setUpKind({10, 4});
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(form.slot(n).visible) << "slot " << n;
    form.setUpKind({7, 1});
    EXPECT_TRUE(form.slot(1).visible);
    for (int n = 2; n <= 5; ++n) {
        EXPECT_FALSE(form.slot(n).visible) << "slot " << n;
        EXPECT_FALSE(form.slot(n).unitBoxVisible) << "slot " << n;
        EXPECT_TRUE(form.slot(n).fixedUnit.empty()) << "slot " << n;
    }
    EXPECT_FALSE(form.choiceVisible());
    EXPECT_FALSE(form.branchFlowVisible());
    EXPECT_FALSE(form.roughnessEnabled());
}

TEST_F(KindSetUp, ExtrasOfTheKind) {
    form.setUpKind({2, 1});
    ASSERT_TRUE(form.choiceVisible());
    EXPECT_EQ(form.choiceTitle(), texts.text(GlobalText::InletEdgeTitle) + ": ");
    EXPECT_EQ(form.choiceOptions()[0], texts.text(GlobalText::InletEdgeSharp));
    EXPECT_EQ(form.choiceOptions()[1], texts.text(GlobalText::InletEdgeChamfered));

    form.selectVariant(1);
    form.setText(FormField::Designation, "suction line");
    form.setUpKind({9, 7});  // choice back on its first option, designation cleared
    EXPECT_EQ(form.variantChoice(), 0);
    EXPECT_EQ(form.text(FormField::Designation), "");
    EXPECT_EQ(form.choiceOptions()[0], "15 " + texts.text(GlobalText::DegreeWord));
    EXPECT_EQ(form.choiceOptions()[1], "30 " + texts.text(GlobalText::DegreeWord));

    form.setUpKind({5, 6});
    EXPECT_TRUE(form.branchFlowVisible());
    EXPECT_FALSE(form.choiceVisible());

    form.setUpKind({4, 2});
    EXPECT_TRUE(form.roughnessEnabled());
    form.setUpKind({1, 5});
    EXPECT_FALSE(form.roughnessEnabled());
}

TEST_F(KindSetUp, PictureAndElementName) {
    form.setUpKind({9, 6});
    EXPECT_EQ(form.pictureNumber(), 26051);
    EXPECT_EQ(form.pictureFile(), "26051.bmp");
    EXPECT_EQ(form.elementNameCaption(), texts.groupName(9) + " - " + texts.subgroupName(9, 6));
    EXPECT_FALSE(texts.subgroupName(9, 6).empty());
}

TEST_F(KindSetUp, UnknownKindLeavesTheFormAsItWas) {
    form.setUpKind({4, 1});
    EXPECT_THROW(form.setUpKind({4, 7}), std::invalid_argument);
    EXPECT_EQ(form.kind(), (ElementKind{4, 1}));
    EXPECT_TRUE(form.slot(3).visible);
}

// The information button follows the kind's line in the information block.
TEST(ElementInformation, EnablesTheButtonOnlyForAKindWithAText) {
    lang::TextCatalogue texts;
    texts.addWindowText(std::string(model::kElementInfoBlock), "Straight circular pipe.");  // 1/1
    texts.addWindowText(std::string(model::kElementInfoBlock), "");                         // 1/2
    texts.addWindowText(std::string(model::kElementInfoBlock), "Annular gap.");             // 1/3
    MainForm form(texts);
    EXPECT_TRUE(form.informationEnabled());
    EXPECT_EQ(form.informationText(), "Straight circular pipe.");
    form.setUpKind({1, 2});
    EXPECT_FALSE(form.informationEnabled());
    form.setUpKind({1, 3});
    EXPECT_EQ(form.informationText(), "Annular gap.");
    EXPECT_EQ(form.informationMessage(), (UserMessage{.icon = MessageIcon::Information,
                                                      .caption = texts.text(GlobalText::InformationCaption),
                                                      .text = "Annular gap."}));
    form.setUpKind({13, 3});  // beyond the block
    EXPECT_FALSE(form.informationEnabled());
}

// ---- medium panel -----------------------------------------------------------------------------

TEST(MediumPanel, QuantitiesRefillTheirUnitBoxes) {
    MainForm form(builtTexts(Language::English));
    form.selectUnit(FormField::FlowUnit, 6);
    EXPECT_EQ(form.branchFlowUnit(), "l/min");

    form.setFlowQuantity(model::FlowQuantity::Mass);
    EXPECT_EQ(form.unitBox(FormField::FlowUnit).items().size(), 8u);
    EXPECT_EQ(form.unitBox(FormField::FlowUnit).current(), "kg/h");
    EXPECT_EQ(form.branchFlowUnit(), "kg/h");
    form.selectUnitLabel(FormField::FlowUnit, "lb./hr");
    EXPECT_EQ(form.branchFlowUnit(), "lb./hr");

    form.setViscosityQuantity(model::ViscosityQuantity::Kinematic);
    EXPECT_EQ(form.unitBox(FormField::ViscosityUnit).items(),
              (std::vector<std::string>{"10-6 m²/s", "cm²/s", "mm²/s", "cSt", "sq.ft./hr", "sq.ft./s"}));
    EXPECT_EQ(form.unitBox(FormField::ViscosityUnit).index(), 0);
}

TEST(MediumPanel, GasEntriesFollowTheState) {
    MainForm form(builtTexts(Language::English));
    EXPECT_FALSE(form.gasEntriesEnabled());
    EXPECT_EQ(form.gasLabelColour(), (LabelColour{128, 128, 128}));
    form.setState(model::MediumState::Gas);
    EXPECT_TRUE(form.gasEntriesEnabled());
    EXPECT_EQ(form.gasLabelColour(), (LabelColour{0, 0, 0}));
}

TEST(MediumPanel, RoughnessHintJoinsItsTwoLines) {
    const lang::TextCatalogue& texts = builtTexts(Language::English);
    const std::vector<std::string>& block = *texts.windowBlock("MyWindow");
    const auto line = [&](model::MyWindowText role) { return block.at(static_cast<std::size_t>(role)); };
    EXPECT_EQ(MainForm(texts).roughnessHintMessage().text,
              line(model::MyWindowText::RoughnessInfo1) + "\r" + line(model::MyWindowText::RoughnessInfo2));
}

TEST(FormAccess, RefusesWhatTheFieldIsNot) {
    MainForm form(builtTexts(Language::English));
    EXPECT_THROW(form.setText(FormField::FlowUnit, "x"), std::invalid_argument);
    EXPECT_THROW(static_cast<void>(form.unitBox(FormField::Flow)), std::invalid_argument);
    EXPECT_FALSE(form.selectUnit(FormField::DensityUnit, 11));
    EXPECT_FALSE(form.selectUnitLabel(FormField::DensityUnit, "furlong"));
    EXPECT_EQ(form.unitBox(FormField::DensityUnit).current(), "kg/m³");
    EXPECT_FALSE(form.selectVariant(2));
    // Texts are never cut: a count too large is refused by the calculation, with its message.
    form.setText(FormField::ElementCount, "1000");
    EXPECT_EQ(form.text(FormField::ElementCount), "1000");
}

}  // namespace
}  // namespace velmora::workflow
