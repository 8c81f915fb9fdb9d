#include "workflow/calculation_driver.h"

#include <gtest/gtest.h>

#include "workflow/calculation_bench.h"
#include "workflow/calculation_messages.h"

namespace velmora::workflow {
namespace {

using model::ElementKind;
using model::GlobalText;
using model::UnitSystem;
using testing::CalculationBench;

// Water at 20 °C (998.2 kg/m³, 1002 µPa·s), 50 m³/h through 100 m of DN 100 steel pipe
// (107.1 mm bore, new steel 0.05 mm). Worked by hand:
//   w  = Q / (3600 · π/4 · d²) = 50 / (3600 · 0.0090088) = 1.54170 m/s
//   Re = w ρ d / η = 1.54170 · 998.2 · 0.1071 / 0.001002 = 164 489
//   Colebrook 1/√λ = −0.868588 ln(2.51 / (Re √λ) + 0.269 k / d) (2 / ln 10 and 1 / 3.71 as the
//   program's friction factor rounds them), root found with mpmath: λ = 0.01900818
//   ζ  = λ L / d = 0.01900818 · 100 / 0.1071 = 17.7481
//   Δp = ζ ρ w² / 2 = 17.7481 · 998.2 · 1.54170² / 2 = 21 054.1 Pa = 210.541 mbar = 0.211 bar
void typeDn100Pipe(CalculationBench& bench) {
    bench.liquid("50", "998.2", "1002");
    bench.element({1, 1}, {"107.1", "100"});
    bench.form.setText(FormField::Roughness, "0.05");
    bench.form.setText(FormField::Designation, "pump suction");
}

TEST(CalculationDriver, StraightPipeGivesTheDarcyWeisbachColumn) {
    CalculationBench bench;
    typeDn100Pipe(bench);
    const CalculationOutcome outcome = bench.calculate();

    ASSERT_TRUE(outcome.appended());
    EXPECT_TRUE(bench.messenger.messages().empty());
    ASSERT_EQ(bench.table.gridColumnCount(), 3);
    const std::pair<int, const char*> expected[] = {
        {row::columnNumber, "1"},
        {row::medium, "Water/liq."},
        {row::flow, "50.000"},
        {row::density, "998.200"},
        {row::viscosity, "1002.000"},
        {row::blank, ""},
        {row::designation, "pump suction"},
        {row::element, "Circular pipe/1"},
        {row::slot1, "Diameter D in mm: 107.100"},
        {row::slot1 + 1, "Pipe length L in m: 100.000"},
        {row::slot1 + 2, ""},
        {row::choice, ""},
        {row::velocity, "1.542"},
        {row::reynolds, "1.64E+0005"},
        {row::velocity2, ""},
        {row::reynolds2, ""},
        {row::regime, "turbulent"},
        {row::roughness, "0.050"},
        {row::frictionFactor, "0.019"},
        {row::zeta, "17.748"},
        {row::zetaBranch, ""},
        {row::branchLoss, ""},
        {row::lossSmall, "210.541"},
        {row::lossLarge, "0.211"},
    };
    for (const auto& [r, text] : expected) EXPECT_EQ(bench.cell(1, r), text) << "row " << r;
    EXPECT_FALSE(bench.table.column(1).gas);
    EXPECT_EQ(bench.table.totalText(), "210.541 mbar or 0.211 bar");
    EXPECT_EQ(bench.table.currentColumn(), 1);
    EXPECT_TRUE(bench.modified);
    EXPECT_TRUE(outcome.commands.removeColumn && outcome.commands.copyColumnToInputs);
    ASSERT_EQ(bench.shortDisplay.lineCount(), 1);
    EXPECT_EQ(bench.shortDisplay.line(1).pressureLoss, "0.211");
}

// The same pipe shown in US units: 50 m³/h = 220.144 gal/min (1 gal/min = 0.158987 / 42 · 60 m³/h),
// 1.54170 m/s = 5.058 ft./s, 107.1 mm = 4.217 in., 100 m = 328.084 ft., 0.05 mm = 0.002 in.,
// 0.210541 bar = 439.723 lbw./sq.ft. (÷ 0.000478802653) = 3.054 psi (÷ 0.068947581976).
TEST(CalculationDriver, UsTableShowsTheConvertedValues) {
    CalculationBench bench;
    bench.table.setUnitSystem(UnitSystem::Us);
    typeDn100Pipe(bench);
    ASSERT_TRUE(bench.calculate().appended());
    const std::pair<int, const char*> expected[] = {
        {row::flow, "220.144"},
        {row::density, "62.316"},  // 998.2 / 16.0184655
        {row::viscosity, "1.002"},
        {row::slot1, "Diameter D in in.: 4.217"},
        {row::slot1 + 1, "Pipe length L in ft.: 328.084"},
        {row::velocity, "5.058"},
        {row::reynolds, "1.64E+0005"},
        {row::roughness, "0.002"},
        {row::zeta, "17.748"},
        {row::lossSmall, "439.723"},
        {row::lossLarge, "3.054"},
    };
    for (const auto& [r, text] : expected) EXPECT_EQ(bench.cell(1, r), text) << "row " << r;
    EXPECT_EQ(bench.table.totalText(), "439.723 lbw./sq.ft. or 3.054 psi");
}

// Sudden expansion DN 80 → DN 100 (80.9 → 107.1 mm) at 50 m³/h, turbulent. Borda–Carnot:
//   ζ = (1 − (d1/d2)²)² = (1 − 0.570573)² = 0.184400, referred to w1 = 2.70197 m/s;
//   Δp = 0.184400 · 998.2 · 2.70197² / 2 = 671.9 Pa = 6.719 mbar.
// The outlet velocity is w2 = 1.542 m/s and Re2 = 164 489.
TEST(CalculationDriver, SuddenExpansionFollowsBordaCarnot) {
    CalculationBench bench;
    bench.liquid("50", "998.2", "1002");
    bench.element({3, 1}, {"80.9", "107.1"});
    ASSERT_TRUE(bench.calculate().appended());
    EXPECT_EQ(bench.cell(1, row::velocity), "2.702");
    EXPECT_EQ(bench.cell(1, row::reynolds), "2.18E+0005");
    EXPECT_EQ(bench.cell(1, row::velocity2), "1.542");
    EXPECT_EQ(bench.cell(1, row::reynolds2), "1.64E+0005");
    EXPECT_EQ(bench.cell(1, row::zeta), "0.184");
    EXPECT_EQ(bench.cell(1, row::lossSmall), "6.719");
    EXPECT_EQ(bench.cell(1, row::lossLarge), "0.007");
    EXPECT_EQ(bench.cell(1, row::slot1), "Inlet diameter D1 in mm: 80.900");
    EXPECT_EQ(bench.cell(1, row::roughness), "") << "no roughness row for a sudden expansion";
    EXPECT_EQ(bench.cell(1, row::frictionFactor), "");
}

TEST(CalculationDriver, TwoPressesAppendTwoEqualColumns) {
    CalculationBench bench;
    typeDn100Pipe(bench);
    ASSERT_TRUE(bench.calculate().appended());
    ASSERT_TRUE(bench.calculate().appended());
    ASSERT_EQ(bench.table.gridColumnCount(), 4);
    EXPECT_EQ(bench.cell(2, row::columnNumber), "2");
    for (int r = 1; r < row::count; ++r) EXPECT_EQ(bench.cell(1, r), bench.cell(2, r)) << "row " << r;
    EXPECT_EQ(bench.table.totalText(), "421.082 mbar or 0.421 bar");
    EXPECT_EQ(bench.table.currentColumn(), 2);
    EXPECT_EQ(bench.shortDisplay.lineCount(), 2);
}

// A typed 2.5 calculates three elements: row 7 says 3, and the loss is three times one pipe's
// unrounded 210.54067 mbar (worked above) = 631.622 mbar.
TEST(CalculationDriver, RowSevenShowsTheCountThatWasCalculated) {
    CalculationBench bench;
    typeDn100Pipe(bench);
    bench.form.setText(FormField::ElementCount, "2.5");
    ASSERT_TRUE(bench.calculate().appended());
    EXPECT_EQ(bench.cell(1, row::element), "Circular pipe/3");
    EXPECT_EQ(bench.cell(1, row::lossSmall), "631.622");
    EXPECT_EQ(bench.cell(1, row::zeta), "17.748") << "the coefficient is one element's";
}

TEST(CalculationDriver, ARefusedCalculationChangesNeitherTableNorModifiedMark) {
    struct Case {
        const char* name;
        bool modifiedBefore;
    };
    for (const Case c : {Case{"saved project", false}, Case{"modified project", true}}) {
        SCOPED_TRACE(c.name);
        CalculationBench bench;
        typeDn100Pipe(bench);
        bench.form.setText(FormField::Slot1, "0");  // stage 3: the diameter must be greater than 0
        bench.modified = c.modifiedBefore;
        const CalculationOutcome outcome = bench.calculate();
        EXPECT_EQ(outcome.stop, CalculationStop::Entries);
        EXPECT_FALSE(outcome.result);
        EXPECT_EQ(bench.modified, c.modifiedBefore);
        EXPECT_TRUE(bench.table.empty());
        EXPECT_EQ(bench.shortDisplay.lineCount(), 0);
        EXPECT_FALSE(outcome.commands.removeColumn);
        ASSERT_EQ(bench.messenger.messages().size(), 1u);
        EXPECT_EQ(bench.messenger.messages()[0].focus, FormField::Slot1);
        EXPECT_EQ(bench.form.text(FormField::Slot1), "0") << "the entries keep what was typed";
    }
}

TEST(CalculationDriver, EngineNoticesAreShownAndTheColumnStillAppended) {
    const auto& texts = testing::builtTexts(testing::Language::English);
    struct Case {
        const char* name;
        ElementKind kind;
        std::vector<std::string> slots;
        const char* flow;  // m³/h of water
        UserMessage message;
        const char* zeta;
    };
    const Case cases[] = {
        // Re = 4000 in a 100 mm pipe: below the 5000 of the orifice plate correlation.
        {"orifice plate at Re 4000",
         {9, 1},
         {"100", "50"},
         "1.1353",
         {.icon = MessageIcon::Information,
          .caption = texts.text(GlobalText::NoticeCaption),
          .text = texts.text(GlobalText::OrificeReynoldsWarning)},
         nullptr},
        // 0.5 m³/h in 100 mm: w = 0.01768 m/s, Re = 1761, laminar; the spherical tee keeps ζ = 5.
        {"laminar flow through a spherical tee",
         {5, 2},
         {"100"},
         "0.5",
         {.icon = MessageIcon::None,
          .caption = texts.text(GlobalText::ProgramTitle),
          .text = texts.text(GlobalText::LaminarNotice)},
         "5.000"},
        // 0.16 m³/h in 25 mm: Re = 14 093 · 0.16 = 2255, laminar but in the transition zone.
        {"circular pipe in the transition zone",
         {1, 1},
         {"25", "10"},
         "0.16",
         {.icon = MessageIcon::Information,
          .caption = texts.text(GlobalText::NoticeCaption),
          .text = texts.text(GlobalText::TransitionZoneNotice)},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalculationBench bench;
        bench.liquid(c.flow, "998.2", "1002");
        bench.element(c.kind, c.slots);
        EXPECT_TRUE(bench.calculate().appended());
        testing::expectMessages(bench.messenger, {c.message});
        if (c.zeta) {
            EXPECT_EQ(bench.cell(1, row::zeta), c.zeta);
        }
    }
}

TEST(CalculationDriver, ArithmeticFailureShowsTheFailedCalculationAndAddsNoColumn) {
    // Air lifted 3000 m with a strong heating (0 °C → 1000 °C): the gas approximation's root
    // 1 − (Tm / T1) · 2Δp₀ / p₁ becomes negative (Δp₀ = 0.353 bar, p₁ = 1 bar, Tm / T1 = 2.83).
    CalculationBench bench;
    bench.gas("100", "1.2", "18", "1", "0", "1000");
    bench.element({13, 1}, {"3000"});
    const CalculationOutcome outcome = bench.calculate();
    EXPECT_EQ(outcome.stop, CalculationStop::EngineFailure);
    testing::expectMessages(bench.messenger, {calculationFailedMessage(bench.texts)});
    EXPECT_EQ(bench.messenger.messages()[0].text, bench.texts.text(GlobalText::CalculationFailed));
    EXPECT_TRUE(bench.table.empty());
    EXPECT_FALSE(bench.modified);
}

TEST(CalculationDriver, GasLossAboveHalfTheInletPressureIsRefused) {
    // 2000 m of a 10 kg/m³ gas: Δp₀ = 2000 · 9.81 · 10 / 10⁵ = 1.962 bar > 2 bar / 2.
    CalculationBench bench;
    bench.gas("100", "10", "18", "2", "20", "20");
    bench.element({13, 1}, {"2000"});
    const CalculationOutcome outcome = bench.calculate();
    EXPECT_EQ(outcome.stop, CalculationStop::GasLimit);
    ASSERT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.result->gasLimitExceeded);
    testing::expectMessages(bench.messenger, {{.icon = MessageIcon::Error,
                                               .caption = bench.texts.text(GlobalText::ErrorCaption),
                                               .text = bench.texts.text(GlobalText::GasLimitExceeded) + "\r" +
                                                       bench.texts.text(GlobalText::GasLimitAdvice)}});
    EXPECT_TRUE(bench.table.empty());
    EXPECT_FALSE(bench.modified);
}

// 10 m of water (998.2 kg/m³): ρ g h = 998.2 · 9.81 · 10 = 97 923.4 Pa = 979.234 mbar.
TEST(CalculationDriver, HeightDifferenceLeavesTheFlowRowsEmpty) {
    CalculationBench bench;
    bench.element({13, 1}, {"10"});
    ASSERT_TRUE(bench.calculate().appended());
    for (int r = row::velocity; r <= row::zeta; ++r) EXPECT_EQ(bench.cell(1, r), "") << "row " << r;
    EXPECT_EQ(bench.cell(1, row::slot1), "Vertical difference H in m: 10.000");
    EXPECT_EQ(bench.cell(1, row::lossSmall), "979.234");
    EXPECT_EQ(bench.cell(1, row::lossLarge), "0.979");
}

// Air at 6 bar abs. and 20 °C cooling to 10 °C, 300 m³/h (operating) through 20 m of DN 80
// (82.5 mm) — the gas column carries the gas entries; the count notice is shown for 2 elements.
TEST(CalculationDriver, GasColumnCarriesTheGasEntries) {
    CalculationBench bench;
    bench.gas("300", "7.13", "18.2", "6", "20", "10");
    bench.element({1, 1}, {"82.5", "20"});
    bench.form.setText(FormField::ElementCount, "2");
    ASSERT_TRUE(bench.calculate().appended());
    ASSERT_EQ(bench.messenger.messages().size(), 1u) << "the notice on several gas elements in one column";
    EXPECT_EQ(bench.cell(1, row::medium), "Water/gas.");
    EXPECT_EQ(bench.cell(1, row::element), "Circular pipe/2");
    ASSERT_TRUE(bench.table.column(1).gas);
    EXPECT_EQ(*bench.table.column(1).gas, (GasInfos{"6", "20", "10", "bar", "°C", "°C"}));
}

TEST(CalculationMessages, OutsideCorrelationNoticeNamesTheValueAndTheTableValueUsed) {
    const auto& english = testing::builtTexts(testing::Language::English);
    const auto& german = testing::builtTexts(testing::Language::German);
    const engine::Notice notice{engine::NoticeKind::OutsideCorrelationRange,
                                engine::TableArgument::BendSideRatio, 0.125L, 0.2L};
    EXPECT_EQ(noticeMessage(english, notice),
              (UserMessage{.icon = MessageIcon::Information,
                           .caption = english.text(GlobalText::NoticeCaption),
                           .text = english.text(GlobalText::OutsideCorrelationNotice) + "\r0.125 -> 0.2"}));
    EXPECT_EQ(noticeMessage(german, {engine::NoticeKind::OutsideCorrelationRange, {}, 120, 90}).text,
              german.text(GlobalText::OutsideCorrelationNotice) + "\r120 -> 90");
    EXPECT_TRUE(inTransitionZone(2200));
    EXPECT_TRUE(inTransitionZone(2320));
    EXPECT_FALSE(inTransitionZone(2199.9L));
    EXPECT_FALSE(inTransitionZone(2320.1L));
}

}  // namespace
}  // namespace velmora::workflow
