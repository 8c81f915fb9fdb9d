// The system characteristic curve over a calculated table: the pipeline rebuilt from the cell
// texts must give the table's own losses at the table's flows, and the run its points and messages.
#include "workflow/system_curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/element_engine.h"
#include "model/number_text.h"
#include "model/system_curve_texts.h"
#include "workflow/calculation_bench.h"
#include "workflow/us_unit_factors.h"

namespace velmora::workflow {
namespace {

using model::CurveRangeText;
using model::ElementKind;
using model::UnitSystem;
using testing::CalculationBench;
using testing::Language;

const std::string& rangeText(const lang::TextCatalogue& texts, CurveRangeText text) {
    return texts.windowBlock("TAnlagenkennlinie_Dlg")->at(static_cast<std::size_t>(text));
}

struct Element {
    ElementKind kind;
    std::vector<std::string> slots;
    const char* flow = "40";  // m³/h
    int option = 0;
    const char* branchFlow = "";
};

// Water through DN 100: a pipe, a bend, a tee with branch flow, a gate valve, a standard orifice,
// an inlet with its second option, a given coefficient and a height difference.
const std::vector<Element> mixedPipeline{
    {{1, 1}, {"107.1", "12"}},
    {{4, 1}, {"107.1", "321.3", "90"}},
    {{5, 5}, {"107.1", "54.5", "0", "90"}, "40", 0, "10"},
    {{7, 4}, {"107.1", "80"}},
    {{9, 1}, {"107.1", "60"}},
    {{2, 1}, {"107.1"}, "40", 1},
    {{12, 1}, {"107.1", "2.5"}},
    {{13, 1}, {"5"}},
};

void calculate(CalculationBench& bench, const std::vector<Element>& elements) {
    for (const Element& e : elements) {
        bench.liquid(e.flow, "998.2", "1002");
        bench.element(e.kind, e.slots);
        bench.form.setText(FormField::Roughness, "0.05");
        if (e.option) bench.form.selectVariant(e.option);
        if (*e.branchFlow) bench.form.setText(FormField::BranchFlow, e.branchFlow);
        ASSERT_TRUE(bench.calculate().appended()) << e.kind.group << "/" << e.kind.subgroup;
    }
}

model::CalcInputs waterMedium() {
    model::CalcInputs medium;
    medium.density = 998.2L;
    medium.dynamicViscosity = 1002;
    return medium;
}

class CurveAtTheTableFlow : public ::testing::TestWithParam<UnitSystem> {};

TEST_P(CurveAtTheTableFlow, EqualsTheTableTotal) {
    CalculationBench bench;
    bench.table.setDecimals(6);
    bench.table.setUnitSystem(GetParam());
    calculate(bench, mixedPipeline);
    ASSERT_TRUE(bench.messenger.messages().size() <= 1u);  // at most the orifice's range notice

    const CurvePipeline pipeline(bench.table, waterMedium());
    const bool us = GetParam() == UnitSystem::Us;
    // The total in mbar, or lbw./sq.ft. (144 to the psi).
    const Real total =
        us ? bench.table.totalSmallUnit() / us::lbwSqFtPerPsi : bench.table.totalSmallUnit() / 1000;
    const Real curve = pipeline.lossAt(40);
    EXPECT_NEAR(curve, total, std::fabs(total) * 2e-6L) << "curve " << static_cast<double>(curve);
}

INSTANTIATE_TEST_SUITE_P(UnitSystems, CurveAtTheTableFlow,
                         ::testing::Values(UnitSystem::Metric, UnitSystem::Us));

TEST(CurvePipelineTest, EachColumnAtItsOwnFlow) {
    // The flow changes from element to element; each rebuilt element at its column's flow gives
    // that column's loss.
    std::vector<Element> elements = mixedPipeline;
    const char* flows[] = {"40", "25", "60", "12", "33", "40", "8", "40"};
    for (std::size_t i = 0; i < elements.size(); ++i) elements[i].flow = flows[i];
    elements[2].branchFlow = "20";
    for (const UnitSystem system : {UnitSystem::Metric, UnitSystem::Us}) {
        CalculationBench bench;
        bench.table.setDecimals(6);
        bench.table.setUnitSystem(system);
        calculate(bench, elements);
        const CurvePipeline pipeline(bench.table, waterMedium());
        ASSERT_EQ(pipeline.elements().size(), elements.size());
        for (const CurveElement& e : pipeline.elements()) {
            model::CalcInputs in = e.inputs;
            in.volumeFlow = std::stold(flows[e.column - 1]);
            if (e.branchRatio > 0) in.branchFlow = in.volumeFlow / e.branchRatio;
            Real loss = engine::calculateElement(in, e.options).pressureLoss;
            if (system == UnitSystem::Us) loss /= us::barPerPsi;
            const Real shown = *model::readNumber(bench.cell(e.column, row::lossLarge));
            // The US table writes the roughness of 0.05 mm as 0.001969 in. (0.0500126 mm): λ of the
            // pipe and the bend moves by a few 1e-5.
            const Real relative = system == UnitSystem::Us ? 1e-4L : 2e-6L;
            EXPECT_NEAR(loss, shown, std::max(std::fabs(shown) * relative, 1e-6L))
                << "column " << e.column << (system == UnitSystem::Us ? " US" : " metric");
        }
        // The tee's branch flow came back from the velocities: 60 / 20 = 3.
        EXPECT_NEAR(pipeline.elements()[2].branchRatio, 3, 1e-5L);
        EXPECT_EQ(pipeline.elements()[5].options.storedOptionText, bench.cell(6, row::choice));
    }
}

TEST(SystemCurveRun, ZeroToTenInElevenPointsStartsAtTheStaticHead) {
    CalculationBench bench;
    calculate(bench, {{{1, 1}, {"50", "100"}, "5"}, {{13, 1}, {"10"}, "5"}});
    bench.messenger.clear();
    const auto run = runSystemCurve(bench.table, bench.form, {0, 10, 0, 11}, bench.messenger);
    ASSERT_TRUE(run);
    EXPECT_TRUE(bench.messenger.messages().empty());
    ASSERT_EQ(run->data.flows.size(), 11u);
    const Real staticHead = 998.2L * 9.81L * 10 / 1e5L;  // 0.9792342 bar
    EXPECT_EQ(run->data.flows[0], 0);
    EXPECT_NEAR(run->data.losses[0], staticHead, 1e-12L);  // the pipe adds nothing without flow
    for (int i = 1; i < 11; ++i) {
        EXPECT_NEAR(run->data.flows[static_cast<std::size_t>(i)], i, 1e-15L);
        EXPECT_GT(run->data.losses[static_cast<std::size_t>(i)],
                  run->data.losses[static_cast<std::size_t>(i - 1)]);
    }
    EXPECT_NEAR(run->data.losses[5], run->pipeline->lossAt(5), 1e-15L);
    EXPECT_EQ(run->data.flowUnit, "m³/h");
    EXPECT_EQ(run->medium.stateWord, "liquid");
    EXPECT_EQ(run->medium.densityLine, "Density in kg/m³: 998.2");
}

TEST(SystemCurveRun, LaminarPipeIsHagenPoiseuille) {
    // Oil of 900 kg/m³ and 0.1 Pa s in 50 mm × 100 m: Re = 64 at 1 m³/h. Δp = 128 η L Q / (π d⁴).
    CalculationBench bench;
    bench.liquid("1", "900", "100000");
    bench.element({1, 1}, {"50", "100"});
    ASSERT_TRUE(bench.calculate().appended());
    bench.messenger.clear();
    const auto run = runSystemCurve(bench.table, bench.form, {0, 10, 0, 11}, bench.messenger);
    ASSERT_TRUE(run);
    for (std::size_t i = 0; i < run->data.flows.size(); ++i) {
        const Real q = run->data.flows[i] / 3600;  // m³/s
        const Real pa = 128 * 0.1L * 100 * q / (std::numbers::pi_v<Real> * std::pow(0.05L, 4));
        EXPECT_NEAR(run->data.losses[i], pa / 1e5L, 1e-12L) << i;
    }
}

TEST(SystemCurveRun, OtherUnitAndPoints) {
    CalculationBench bench;
    calculate(bench, {{{1, 1}, {"50", "100"}, "5"}});
    // 1 … 2 l/s (3.6 … 7.2 m³/h) in two points: the lowest and the highest flow.
    const auto run = runSystemCurve(bench.table, bench.form, {1, 2, 4, 2}, bench.messenger);
    ASSERT_TRUE(run);
    EXPECT_EQ(run->data.flows, (std::vector<Real>{1, 2}));
    EXPECT_EQ(run->data.flowUnit, "l/s");
    EXPECT_NEAR(run->data.losses[1], run->pipeline->lossAt(7.2L), 1e-15L);
    EXPECT_NEAR(run->lossAt(1), run->pipeline->lossAt(3.6L), 1e-15L);
    // 2.5 points rounded give 3, the last at the highest flow.
    const auto three = runSystemCurve(bench.table, bench.form, {1, 2, 4, 3}, bench.messenger);
    EXPECT_EQ(three->data.flows, (std::vector<Real>{1, 1.5L, 2}));
}

TEST(SystemCurveRun, MessagesOfTheRun) {
    const lang::TextCatalogue& texts = testing::builtTexts(Language::English);
    CalculationBench bench;
    calculate(bench, {{{1, 1}, {"25", "1"}, "1"}});
    bench.messenger.clear();
    const auto info = [&](CurveRangeText text) {
        return UserMessage{.icon = MessageIcon::Information,
                           .caption = texts.text(model::GlobalText::InformationCaption),
                           .text = rangeText(texts, text)};
    };

    // The highest flow not above the lowest.
    EXPECT_FALSE(runSystemCurve(bench.table, bench.form, {5, 5, 0, 20}, bench.messenger));
    testing::expectMessages(bench.messenger, {{.icon = MessageIcon::Error,
                                               .caption = texts.text(model::GlobalText::ProgramTitle),
                                               .text = rangeText(texts, CurveRangeText::ToNotAboveFrom)}});

    // Water in 25 mm turns turbulent at about 0.165 m³/h: 0 … 1 crosses it, 0.5 … 1 does not.
    bench.messenger.clear();
    EXPECT_TRUE(runSystemCurve(bench.table, bench.form, {0, 1, 0, 11}, bench.messenger));
    testing::expectMessages(bench.messenger, {info(CurveRangeText::TransitionNotice)});
    bench.messenger.clear();
    EXPECT_TRUE(runSystemCurve(bench.table, bench.form, {0.5L, 1, 0, 11}, bench.messenger));
    EXPECT_TRUE(bench.messenger.messages().empty());

    // No pressure loss worth a curve: below 1e-7 bar (metric) or psi (US).
    bench.messenger.clear();
    EXPECT_FALSE(runSystemCurve(bench.table, bench.form, {0, 1e-6L, 0, 5}, bench.messenger));
    testing::expectMessages(bench.messenger, {info(CurveRangeText::NoLossMetric)});
    bench.table.switchUnitSystem(UnitSystem::Us);
    bench.messenger.clear();
    EXPECT_FALSE(runSystemCurve(bench.table, bench.form, {0, 1e-6L, 0, 5}, bench.messenger));
    testing::expectMessages(bench.messenger, {info(CurveRangeText::NoLossUs)});
}

TEST(SystemCurveRun, ElementThatCannotBeComputedNamesColumnAndFlow) {
    const lang::TextCatalogue& texts = testing::builtTexts(Language::English);
    CalculationBench bench;
    calculate(bench, {{{1, 1}, {"50", "100"}, "5"}, {{1, 1}, {"50", "100"}, "5"}});
    const std::string lead = rangeText(texts, CurveRangeText::ElementFailed) + "\r" +
                             rangeText(texts, CurveRangeText::ElementFailedAdvice) + "\r";
    const auto failure = [&](std::string where) {
        return UserMessage{.icon = MessageIcon::Error,
                           .caption = texts.text(model::GlobalText::ProgramTitle),
                           .text = lead + where};
    };

    // A diameter of 0 in column 2: the engine fails at the first flow. The form keeps its kind
    // and entries, as after every run.
    bench.form.setUpKind({4, 1});
    const MainForm before = bench.form;
    bench.table.setCell(2, row::slot1, "Diameter D in mm: 0");
    bench.messenger.clear();
    EXPECT_FALSE(runSystemCurve(bench.table, bench.form, {1, 10, 0, 10}, bench.messenger));
    testing::expectMessages(bench.messenger, {failure("Column 2, Volume flow 1.000 m³/h")});
    EXPECT_EQ(bench.form.kind(), before.kind());
    EXPECT_EQ(bench.form.text(FormField::Slot1), before.text(FormField::Slot1));

    // An element name of no kind: the column is not computed as some other element.
    bench.table.setCell(2, row::slot1, bench.cell(1, row::slot1));
    bench.table.setCell(2, row::element, "Pipe of no kind/1");
    bench.messenger.clear();
    EXPECT_FALSE(runSystemCurve(bench.table, bench.form, {1, 10, 0, 10}, bench.messenger));
    testing::expectMessages(bench.messenger, {failure("Column 2")});
}

TEST(SystemCurveRun, MediumEntriesAreReadAsForACalculation) {
    CalculationBench bench;
    calculate(bench, {{{1, 1}, {"50", "100"}, "5"}});
    bench.form.setText(FormField::Density, "9x8");
    bench.messenger.clear();
    EXPECT_FALSE(runSystemCurve(bench.table, bench.form, {1, 10, 0, 10}, bench.messenger));
    ASSERT_EQ(bench.messenger.messages().size(), 1u);
    EXPECT_EQ(bench.messenger.messages()[0].focus, FormField::Density);

    // Another medium in the form: the curve takes it, not the table's.
    bench.form.setText(FormField::Density, "800");
    const auto light = runSystemCurve(bench.table, bench.form, {1, 10, 0, 10}, bench.messenger);
    bench.form.setText(FormField::Density, "998.2");
    const auto water = runSystemCurve(bench.table, bench.form, {1, 10, 0, 10}, bench.messenger);
    ASSERT_TRUE(light && water);
    EXPECT_LT(light->data.losses.back(), water->data.losses.back());
    EXPECT_NEAR(light->medium.density, 800, 1e-12L);
}

TEST(SystemCurveRefusal, GasAndEmptyTable) {
    const lang::TextCatalogue& texts = testing::builtTexts(Language::English);
    CalculationBench bench;
    EXPECT_EQ(systemCurveRefusal(bench.form, bench.table),
              (UserMessage{.icon = MessageIcon::Error,
                           .caption = texts.text(model::GlobalText::ProgramTitle),
                           .text = texts.text(model::GlobalText::SystemCurveEmptyTable)}));
    bench.form.setState(model::MediumState::Gas);
    EXPECT_EQ(systemCurveRefusal(bench.form, bench.table),
              (UserMessage{.icon = MessageIcon::None,
                           .caption = texts.text(model::GlobalText::ProgramTitle),
                           .text = texts.text(model::GlobalText::SystemCurveLiquidsOnly)}));
    bench.form.setState(model::MediumState::Liquid);
    calculate(bench, {{{1, 1}, {"50", "100"}, "5"}});
    EXPECT_FALSE(systemCurveRefusal(bench.form, bench.table));
}

}  // namespace
}  // namespace velmora::workflow
