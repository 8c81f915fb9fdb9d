#include "workflow/calc_inputs_filler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/element_kind.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::ElementKind;
using model::GlobalText;
using model::MediumState;
using model::Real;
using testing::builtTexts;
using testing::expectMessages;
using testing::formError;
using testing::Language;

constexpr Real kTolerance = 1e-15L;

// The English form after a fresh start, a messenger that records, and the record to fill.
class Fill : public ::testing::Test {
  protected:
    explicit Fill(Language language = Language::English) : texts(builtTexts(language)), form(texts) {}

    FillResult fill(const FillOptions& options = {}) {
        return fillCalcInputs(form, messenger, inputs, options);
    }

    void setUp(ElementKind kind, std::vector<std::string> slotTexts) {
        form.setUpKind(kind);
        for (std::size_t i = 0; i < slotTexts.size(); ++i)
            form.setText(slotField(static_cast<int>(i) + 1), slotTexts[i]);
    }

    void useGas(const char* pressure, const char* inletTemperature, const char* outletTemperature) {
        form.setState(MediumState::Gas);
        form.setText(FormField::InletPressure, pressure);
        form.setText(FormField::InletTemperature, inletTemperature);
        form.setText(FormField::OutletTemperature, outletTemperature);
    }

    const std::string& t(GlobalText role) const { return texts.text(role); }

    // The expected composed texts, built from the catalogue's words and the fixed separators.
    UserMessage invalidEntry(const std::string& label, FormField focus) const {
        return formError(texts, t(GlobalText::InvalidEntryLead) + "\r\"" + label + "\"!", focus);
    }
    UserMessage bound(const std::string& label, GlobalText wording, const std::string& boundText,
                      FormField focus) const {
        return formError(texts,
                         t(GlobalText::InvalidEntryLead) + " \r>> " + label + " << \r" + t(wording) +
                             "\r>> " + boundText + " << ",
                         focus);
    }
    UserMessage relation(const std::vector<GlobalText>& lines, FormField focus) const {
        std::string text = t(GlobalText::InvalidEntryLead);
        for (GlobalText line : lines) text += "\r" + t(line);
        return formError(texts, text, focus);
    }

    const lang::TextCatalogue& texts;
    MainForm form;
    RecordingMessenger messenger;
    model::CalcInputs inputs;
};

// ---- number entry ------------------------------------------------------------------------------

struct NumberCase {
    friend void PrintTo(const NumberCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    const char* text;
    Real value;
};

class FlowEntry : public Fill, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(FlowEntry, ReadsBlanksAndEitherSeparator) {
    form.setText(FormField::Flow, GetParam().text);
    ASSERT_TRUE(fill().ok());
    EXPECT_EQ(inputs.volumeFlow, GetParam().value);
    expectMessages(messenger, {});
}

INSTANTIATE_TEST_SUITE_P(Entries, FlowEntry,
                         ::testing::Values(NumberCase{"blank_and_comma", "1 000,5", 1000.5L},
                                           NumberCase{"point", "1000.5", 1000.5L},
                                           NumberCase{"exponent", "1e3", 1000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fill, EntryThatIsNoNumberStopsAtOnce) {
    form.setText(FormField::Flow, "1,2,3");
    form.setText(FormField::Viscosity, "0");  // would be refused later, but nothing later runs
    const FillResult result = fill();
    EXPECT_FALSE(result.parseOk);
    expectMessages(messenger, {invalidEntry(t(GlobalText::CaptionFlow), FormField::Flow)});
}

TEST_F(Fill, ElementParametersAreReadBeforeTheMedium) {
    setUp({1, 1}, {"25", "x"});
    form.selectUnitLabel(FormField::FlowUnit, "Nm³/h");  // a refusal of the medium stage, not reached
    EXPECT_FALSE(fill().parseOk);
    expectMessages(messenger, {invalidEntry(t(GlobalText::LabelPipeLength) + " L:", FormField::Slot2)});
}

TEST_F(Fill, RoughnessIsReadOnlyWhereTheKindAsksForIt) {
    form.setText(FormField::Roughness, "rough");
    setUp({2, 2}, {"100"});
    EXPECT_TRUE(fill().ok());
    setUp({1, 1}, {"100", "1"});
    EXPECT_FALSE(fill().parseOk);
    expectMessages(messenger, {invalidEntry(form.caption(FormField::Roughness), FormField::Roughness)});
    EXPECT_FALSE(form.caption(FormField::Roughness).empty());
}

// A slot the kind hides keeps an earlier kind's text; the user cannot see or correct it there.
TEST_F(Fill, HiddenSlotWithAnUnreadableTextIsIgnored) {
    setUp({10, 2}, {"100", "100", "4O"});
    setUp({7, 1}, {"80"});
    EXPECT_TRUE(fill().ok());
    expectMessages(messenger, {});
    EXPECT_EQ(inputs.va1, 80);
    EXPECT_EQ(inputs.va3, 0);
}

// ---- element count -------------------------------------------------------------------------------

struct CountCase {
    friend void PrintTo(const CountCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    const char* text;
    int count;
};

class ElementCount : public Fill, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ElementCount, RoundsHalfAwayFromZero) {
    form.setText(FormField::ElementCount, GetParam().text);
    ASSERT_TRUE(fill().ok());
    EXPECT_EQ(inputs.elementCount, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Counts, ElementCount,
                         ::testing::Values(CountCase{"two_and_a_half_is_three", "2,5", 3},
                                           CountCase{"two_point_four_is_two", "2,4", 2},
                                           CountCase{"zero_is_no_element", "0", 0},
                                           CountCase{"empty_is_zero", "", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Counts below zero or beyond the entry's three digits are refused in the checks, by the count
// entry's message; "9e9" is refused the same way, not cut to what fits.
TEST_F(Fill, CountsOutsideTheEntryAreRefused) {
    struct Case {
        const char* text;
        GlobalText wording;
        const char* bound;
    };
    for (const Case& c : {Case{"-2", GlobalText::MustBeAtLeast, "0"}, Case{"1000", GlobalText::MustBeSmaller, "1000"},
                          Case{"999,5", GlobalText::MustBeSmaller, "1000"},
                          Case{"9e9", GlobalText::MustBeSmaller, "1000"},
                          Case{"-9e9", GlobalText::MustBeAtLeast, "0"}}) {
        SCOPED_TRACE(c.text);
        messenger.clear();
        form.setText(FormField::ElementCount, c.text);
        const FillResult result = fill();
        EXPECT_TRUE(result.parseOk);
        EXPECT_FALSE(result.proceed);
        expectMessages(messenger, {bound(form.caption(FormField::ElementCount), c.wording, c.bound,
                                         FormField::ElementCount)});
    }
    messenger.clear();
    form.setText(FormField::ElementCount, "999");
    EXPECT_TRUE(fill().ok());
    EXPECT_EQ(inputs.elementCount, 999);
}

TEST_F(Fill, SeveralGasElementsInOneColumnAreNoticed) {
    useGas("2", "20", "20");
    form.setText(FormField::ElementCount, "2");
    EXPECT_TRUE(fill().ok());
    // The notice's own block: its caption, then its three lines joined by line breaks.
    const std::vector<std::string>& block = *form.texts().windowBlock("TGasHinweis");
    ASSERT_EQ(block.size(), 4u);
    expectMessages(messenger, {{.icon = MessageIcon::Information,
                                .caption = block[0],
                                .text = block[1] + "\r" + block[2] + "\r" + block[3]}});

    messenger.clear();
    form.setState(MediumState::Liquid);
    EXPECT_TRUE(fill().ok());
    expectMessages(messenger, {});
}

// ---- conversions -----------------------------------------------------------------------------------

TEST_F(Fill, SlotsAndRoughnessInTheirUnits) {
    setUp({1, 1}, {"4", "10"});
    form.selectUnitLabel(FormField::Slot1Unit, "in.");
    form.selectUnitLabel(FormField::Slot2Unit, "ft.");
    form.setText(FormField::Roughness, "0,01");
    form.selectUnitLabel(FormField::RoughnessUnit, "in.");
    ASSERT_TRUE(fill().ok());
    EXPECT_NEAR(inputs.va1, 101.6L, kTolerance * 100);  // 4 × 25.4 mm
    EXPECT_NEAR(inputs.va2, 3.048L, kTolerance * 10);   // 10 × 0.3048 m
    EXPECT_NEAR(inputs.roughness, 0.254L, kTolerance);  // 0.01 × 25.4 mm
}

TEST_F(Fill, FlowAreaInSquareYards) {
    setUp({1, 6}, {"0,5", "2", "1"});
    form.selectUnitLabel(FormField::Slot1Unit, "sq.yd.");
    ASSERT_TRUE(fill().ok());
    EXPECT_NEAR(inputs.va1, 0.4180637L, kTolerance);  // 0.5 × 0.8361274 m²
}

// A unit box the kind does not show does not convert its slot: the angle of 2/3 stays in degrees
// although the box of slot 2 was last set to inches.
TEST_F(Fill, SlotWithoutUnitBoxIsNotConverted) {
    setUp({1, 2}, {"100", "100"});
    form.selectUnitLabel(FormField::Slot2Unit, "in.");
    setUp({2, 3}, {"100", "45"});
    ASSERT_TRUE(fill().ok());
    EXPECT_EQ(inputs.va2, 45);
}

struct MediumCase {
    friend void PrintTo(const MediumCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    model::FlowQuantity flowQuantity;
    const char* flowText;
    const char* flowUnit;
    model::ViscosityQuantity viscosityQuantity;
    const char* viscosityText;
    const char* viscosityUnit;
    Real volumeFlow;        // m³/h, worked by hand
    Real dynamicViscosity;  // 10⁻⁶ kg/(m·s)
};

class MediumConversion : public Fill, public ::testing::WithParamInterface<MediumCase> {};

TEST_P(MediumConversion, UsesTheConvertedDensity) {
    const MediumCase& c = GetParam();
    form.setFlowQuantity(c.flowQuantity);
    form.setText(FormField::Flow, c.flowText);
    ASSERT_TRUE(form.selectUnitLabel(FormField::FlowUnit, c.flowUnit));
    form.setViscosityQuantity(c.viscosityQuantity);
    form.setText(FormField::Viscosity, c.viscosityText);
    ASSERT_TRUE(form.selectUnitLabel(FormField::ViscosityUnit, c.viscosityUnit));
    form.setText(FormField::Density, "998,2");
    ASSERT_TRUE(fill().ok());
    EXPECT_NEAR(inputs.volumeFlow, c.volumeFlow, c.volumeFlow * 1e-15L);
    EXPECT_NEAR(inputs.dynamicViscosity, c.dynamicViscosity, c.dynamicViscosity * 1e-15L);
}

INSTANTIATE_TEST_SUITE_P(
    Units, MediumConversion,
    ::testing::Values(MediumCase{"mass_flow_kg_h", model::FlowQuantity::Mass, "1,0", "kg/h",
                                 model::ViscosityQuantity::Dynamic, "1002", "10-6 kg/ms", 1.0L / 998.2L,
                                 1002},
                      // 1000 lb/h = 1000 × 0.000126 kg/s = 0.126 kg/s; ÷ 998.2 kg/m³ × 3600 s/h.
                      MediumCase{"mass_flow_lb_hr", model::FlowQuantity::Mass, "1000", "lb./hr",
                                 model::ViscosityQuantity::Dynamic, "1", "cP", 0.126L * 3600 / 998.2L, 1000},
                      MediumCase{"kinematic_cst", model::FlowQuantity::Volume, "2", "l/s",
                                 model::ViscosityQuantity::Kinematic, "1,0", "cSt", 7.2L, 998.2L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Fill, NormFlowOfAGasToTheOperatingState) {
    useGas("2", "20", "20");
    form.setText(FormField::Flow, "100");
    form.selectUnitLabel(FormField::FlowUnit, "Nm³/h");
    ASSERT_TRUE(fill().ok());
    EXPECT_NEAR(inputs.inletTemperature, 293.15L, kTolerance * 1000);
    EXPECT_EQ(inputs.inletPressure, 2);
    const Real expected = 100 * 1.01325L * 293.15L / 2 / 273.15L;  // 54.376… m³/h
    EXPECT_NEAR(inputs.volumeFlow, expected, expected * 1e-15L);
}

TEST_F(Fill, GasDataInTheirUnits) {
    useGas("0", "32", "80");
    form.selectUnitLabel(FormField::InletPressureUnit, "psig");
    form.selectUnitLabel(FormField::InletTemperatureUnit, "degF");
    form.selectUnitLabel(FormField::OutletTemperatureUnit, "°R");
    ASSERT_TRUE(fill().ok());
    EXPECT_NEAR(inputs.inletPressure, 14.7L * 0.068947581976L, kTolerance);
    EXPECT_NEAR(inputs.inletTemperature, 273.15792L, kTolerance * 1000);
    EXPECT_NEAR(inputs.outletTemperature, 373.15L, kTolerance * 1000);
}

TEST_F(Fill, LiquidWithANormUnitIsRefusedBeforeAnyConversion) {
    form.selectUnitLabel(FormField::FlowUnit, "Nm³/min");
    form.setText(FormField::Density, "0");
    form.setText(FormField::Viscosity, "-1");
    const FillResult result = fill();
    EXPECT_FALSE(result.parseOk);
    expectMessages(messenger, {{.icon = MessageIcon::None,
                                .caption = t(GlobalText::MessageCaption),
                                .text = t(GlobalText::NormUnitForLiquid),
                                .focus = FormField::FlowUnit}});
}

// ---- branch flow of the tees ----------------------------------------------------------------------

class BranchFlow : public Fill {
  protected:
    BranchFlow() {
        setUp({5, 5}, {"100", "50", "0", "45"});
        form.setText(FormField::Flow, "1,0");
    }
    UserMessage notBelowMain() const {
        return formError(texts, t(GlobalText::BranchFlowNotBelowMain), FormField::BranchFlow);
    }
};

TEST_F(BranchFlow, BelowTheMainFlowIsTaken) {
    form.setText(FormField::BranchFlow, "0,4");
    ASSERT_TRUE(fill().ok());
    EXPECT_EQ(inputs.branchFlow, 0.4L);
}

TEST_F(BranchFlow, RefusalsNameTheBranchEntry) {
    struct Case {
        const char* name;
        const char* branch;
        bool notNumber;  // else: not below the main flow
    };
    for (const Case& c : {Case{"equal_to_main_flow", "1.0", false}, Case{"above_main_flow", "1,5", false},
                          Case{"zero", "0", true}, Case{"empty", "", true}, Case{"negative", "-0,2", true},
                          Case{"not_a_number", "0,4x", true}}) {
        SCOPED_TRACE(c.name);
        messenger.clear();
        form.setText(FormField::BranchFlow, c.branch);
        EXPECT_FALSE(fill().parseOk);
        expectMessages(messenger,
                       {c.notNumber ? invalidEntry(form.caption(FormField::BranchFlow), FormField::BranchFlow)
                                    : notBelowMain()});
    }
}

TEST_F(BranchFlow, InTheMassUnitOfTheMainFlow) {
    form.setFlowQuantity(model::FlowQuantity::Mass);
    form.setText(FormField::Flow, "1000");
    form.setText(FormField::BranchFlow, "400");
    form.setText(FormField::Density, "1000");
    ASSERT_TRUE(fill().ok());
    EXPECT_NEAR(inputs.branchFlow, 0.4L, kTolerance);
    EXPECT_NEAR(inputs.volumeFlow, 1.0L, kTolerance);
}

TEST_F(BranchFlow, NotReadWhileThePumpDesignIsOpen) {
    form.setText(FormField::BranchFlow, "");
    inputs.branchFlow = 0.3L;
    EXPECT_TRUE(fill({.pumpDesignOpen = true}).ok());
    EXPECT_EQ(inputs.branchFlow, 0.3L);
}

// ---- gas entries --------------------------------------------------------------------------------------

TEST_F(Fill, GasEntriesAreReadInOrderThenMustNotBeEmpty) {
    struct Case {
        const char* name;
        const char* pressure;
        const char* inletTemperature;
        const char* outletTemperature;
        FormField named;
    };
    for (const Case& c :
         {Case{"pressure_not_a_number", "1 bar", "", "20", FormField::InletPressure},
          Case{"outlet_not_a_number_before_empty_inlet", "1", "", "x", FormField::OutletTemperature},
          Case{"empty_inlet_temperature", "1", "", "20", FormField::InletTemperature},
          Case{"blank_outlet_temperature", "1", "20", "  ", FormField::OutletTemperature}}) {
        SCOPED_TRACE(c.name);
        messenger.clear();
        useGas(c.pressure, c.inletTemperature, c.outletTemperature);
        EXPECT_FALSE(fill().parseOk);
        expectMessages(messenger, {invalidEntry(form.caption(c.named), c.named)});
    }
}

TEST_F(Fill, GasTemperatureAtOrBelowAbsoluteZeroIsRefused) {
    useGas("1", "-280", "-273,15");
    EXPECT_FALSE(fill().proceed);
    expectMessages(messenger, {bound(form.caption(FormField::InletTemperature), GlobalText::MustBeGreater,
                                     "0 K", FormField::InletTemperature),
                               bound(form.caption(FormField::OutletTemperature), GlobalText::MustBeGreater,
                                     "0 K", FormField::OutletTemperature)});
}

// ---- element checks and positivity ----------------------------------------------------------------------

TEST_F(Fill, EveryFailingCheckShowsItsMessage) {
    setUp({1, 1}, {"0", "-1"});
    form.setText(FormField::Flow, "");
    form.setText(FormField::Density, "");
    form.setText(FormField::Viscosity, "");
    const FillResult result = fill();
    EXPECT_TRUE(result.parseOk);
    EXPECT_FALSE(result.proceed);
    const std::string zero = "0";
    expectMessages(
        messenger,
        {bound(form.caption(FormField::Slot1), GlobalText::MustBeGreater, zero, FormField::Slot1),
         bound(form.caption(FormField::Slot2), GlobalText::MustBeGreater, zero, FormField::Slot2),
         bound(t(GlobalText::CaptionFlow), GlobalText::MustBeGreater, zero, FormField::Flow),
         bound(t(GlobalText::CaptionDensity), GlobalText::MustBeGreater, zero, FormField::Density),
         bound(t(GlobalText::CaptionViscosity), GlobalText::MustBeGreater, zero, FormField::Viscosity)});
}

TEST_F(Fill, InletPressureOfAGasMustBePositive) {
    useGas("0", "20", "20");
    EXPECT_FALSE(fill().proceed);
    expectMessages(messenger, {bound(form.caption(FormField::InletPressure), GlobalText::MustBeGreater, "0",
                                     FormField::InletPressure)});
}

TEST_F(Fill, GateValveOpenedFullyWarnsAndProceeds) {
    setUp({7, 4}, {"100", "100"});
    EXPECT_TRUE(fill().ok());
    expectMessages(messenger, {relation({GlobalText::GateOpeningNotBelowDiameter}, FormField::Slot1)});
}

// A refused calculation says only why: with D = 0 the opening cannot be compared with D, and with
// the flow at 0 nothing is calculated that the warning could describe.
TEST_F(Fill, ARefusalShowsNoWarning) {
    const std::string zero = "0";
    struct Case {
        const char* name;
        std::vector<std::string> slots;
        const char* flow;
        FormField refused;
    };
    for (const Case& c : {Case{"D = 0", {"0", "150"}, "30", FormField::Slot1},
                          Case{"flow 0", {"100", "150"}, "0", FormField::Flow}}) {
        SCOPED_TRACE(c.name);
        messenger.clear();
        setUp({7, 4}, c.slots);
        form.setText(FormField::Flow, c.flow);
        EXPECT_FALSE(fill().proceed);
        ASSERT_EQ(messenger.messages().size(), 1u);
        EXPECT_EQ(messenger.messages()[0].focus, c.refused);
    }
}

TEST_F(Fill, AnnulusWithEqualDiametersShowsOnlyTheEquality) {
    setUp({1, 3}, {"50", "50", "1"});
    EXPECT_FALSE(fill().proceed);
    expectMessages(messenger, {relation({GlobalText::AnnulusDiametersEqual}, FormField::Slot1)});
}

TEST_F(Fill, NegativeRoughnessIsRefused) {
    form.setText(FormField::Roughness, "-0,1");
    EXPECT_FALSE(fill().proceed);
    expectMessages(messenger, {bound(form.caption(FormField::Roughness), GlobalText::MustBeAtLeast, "0",
                                     FormField::Roughness)});
}

// ---- the composed texts in two editions
// --------------------------------------------------------------------

struct EditionCase {
    friend void PrintTo(const EditionCase& c, std::ostream* out) {
        *out << testing::languageName(c.language);
    }
    Language language;
    const char* maximum;  // 99 with one decimal in the edition's form
    const char* minimum;
};

class MessageTexts : public Fill, public ::testing::WithParamInterface<EditionCase> {
  protected:
    MessageTexts() : Fill(GetParam().language) {}
};

TEST_P(MessageTexts, BoundsCarryOneDecimalInTheEditionsForm) {
    setUp({10, 1}, {"100", "99"});
    EXPECT_FALSE(fill().proceed);
    const std::string freeArea = t(GlobalText::LabelFreeAreaRatio) + ":";
    expectMessages(messenger,
                   {bound(freeArea, GlobalText::MustBeSmaller, GetParam().maximum, FormField::Slot2)});

    messenger.clear();
    form.setText(FormField::Slot2, "0,5");
    EXPECT_FALSE(fill().proceed);
    expectMessages(messenger,
                   {bound(freeArea, GlobalText::MustBeAtLeast, GetParam().minimum, FormField::Slot2)});

    messenger.clear();
    form.setText(FormField::Slot2, "1");
    EXPECT_TRUE(fill().ok());
}

TEST_P(MessageTexts, InvalidEntryNamesTheLabelInQuotes) {
    setUp({4, 1}, {"100", "1 5 0 mm", "90"});
    EXPECT_FALSE(fill().parseOk);
    expectMessages(messenger, {formError(texts,
                                         t(GlobalText::InvalidEntryLead) + "\r\"" +
                                             t(GlobalText::LabelBendRadius) + " R:\"!",
                                         FormField::Slot2)});
}

TEST_P(MessageTexts, RelationsFollowTheLeadTextLineByLine) {
    setUp({4, 3}, {"40"});
    EXPECT_FALSE(fill().proceed);
    expectMessages(
        messenger,
        {formError(texts,
                   t(GlobalText::InvalidEntryLead) + "\r" + t(GlobalText::CastIronBendRange1) + "\r" +
                       t(GlobalText::CastIronBendRange2) + "\r" + t(GlobalText::CastIronBendRange3),
                   FormField::Slot1)});
}

TEST_P(MessageTexts, StandardOrificeRangeStandsWithoutTheLeadText) {
    setUp({9, 1}, {"40", "20"});
    EXPECT_FALSE(fill().proceed);
    expectMessages(
        messenger,
        {formError(texts,
                   t(GlobalText::StandardOrificeRange1) + "\r" + t(GlobalText::StandardOrificeRange2) + "\r" +
                       t(GlobalText::StandardOrificeRange3) + "\r" + t(GlobalText::StandardOrificeRange4),
                   FormField::Slot1)});
}

TEST_P(MessageTexts, KindSpecificAngleLimitAcceptsTheLimit) {
    setUp({4, 1}, {"100", "150", "180"});
    EXPECT_TRUE(fill().ok());
    form.setText(FormField::Slot3, "180,5");
    EXPECT_FALSE(fill().proceed);
    expectMessages(messenger,
                   {bound(t(GlobalText::LabelBendAngle) + " w:", GlobalText::MustNotExceed,
                          GetParam().language == Language::English ? "180.0" : "180,0", FormField::Slot3)});
}

INSTANTIATE_TEST_SUITE_P(Editions, MessageTexts,
                         ::testing::Values(EditionCase{Language::English, "99.0", "1.0"},
                                           EditionCase{Language::German, "99,0", "1,0"}),
                         [](const auto& info) {
                             return std::string(testing::languageName(info.param.language));
                         });

// ---- every kind with its defaults
// -----------------------------------------------------------------------------

class EveryKind : public ::testing::TestWithParam<Language> {};

// Each kind set up with its default texts and a diameter of 100 mm fills the record and passes its
// checks. The expansions take a smaller inlet: their outlet default is itself 100.
TEST_P(EveryKind, DefaultsPassTheChecks) {
    const lang::TextCatalogue& texts = builtTexts(GetParam());
    for (ElementKind kind : model::allElementKinds()) {
        SCOPED_TRACE(std::to_string(kind.group) + "/" + std::to_string(kind.subgroup));
        MainForm form(texts);
        const bool expansion = kind == ElementKind{3, 1} || kind == ElementKind{3, 2};
        form.setText(FormField::Slot1, expansion ? "50" : "100");
        form.setText(FormField::Slot2, "100");
        form.setText(FormField::BranchFlow, texts.edition().decimalText("0,4"));
        form.setUpKind(kind);  // slots that keep their text keep these
        RecordingMessenger messenger;
        model::CalcInputs inputs;
        EXPECT_TRUE(fillCalcInputs(form, messenger, inputs).ok());
        expectMessages(messenger, {});
        EXPECT_EQ(inputs.kind, kind);
        EXPECT_EQ(inputs.elementCount, 1);
        EXPECT_NEAR(inputs.volumeFlow, 1.0L, kTolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, EveryKind,
                         ::testing::Values(Language::German, Language::English, Language::French,
                                           Language::Dutch),
                         [](const auto& info) { return std::string(testing::languageName(info.param)); });

}  // namespace
}  // namespace velmora::workflow
