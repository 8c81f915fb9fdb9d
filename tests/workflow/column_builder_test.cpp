#include "workflow/column_builder.h"

#include <gtest/gtest.h>

#include "workflow/calc_inputs_filler.h"
#include "workflow/display_values.h"
#include "workflow/workflow_test_support.h"

namespace velmora::workflow {
namespace {

using model::ElementKind;
using model::UnitSystem;
using testing::builtTexts;
using testing::Language;

// The inputs of the form as a calculation fills them.
model::CalcInputs filled(const MainForm& form) {
    RecordingMessenger messenger;
    model::CalcInputs inputs;
    EXPECT_TRUE(fillCalcInputs(form, messenger, inputs).ok());
    return inputs;
}

engine::ElementResult turbulentResult() {
    engine::ElementResult r;
    r.velocity = 1.5;
    r.reynolds = 12345.6L;
    r.frictionFactor = 0.0213L;
    r.zeta = 2.13L;
    r.pressureLoss = 0.0123456L;
    r.regime = engine::FlowRegime::Turbulent;
    return r;
}

TEST(ColumnBuilder, WritesTheNumbersWithTheChosenDecimals) {
    const auto& texts = builtTexts(Language::English);
    MainForm form(texts);
    form.setText(FormField::Slot1, "25");
    const ResultColumn c = buildResultColumn(form, filled(form), turbulentResult(), UnitSystem::Metric, 3);
    EXPECT_EQ(c.cells[row::lossLarge], "0.012");
    EXPECT_EQ(c.cells[row::lossSmall], "12.346");
    EXPECT_EQ(c.cells[row::reynolds], "1.23E+0004");
    EXPECT_EQ(c.cells[row::frictionFactor], "0.021");

    engine::ElementResult slow = turbulentResult();
    slow.reynolds = 2345.4L;
    EXPECT_EQ(buildResultColumn(form, filled(form), slow, UnitSystem::Metric, 3).cells[row::reynolds],
              "2345");
    EXPECT_EQ(buildResultColumn(form, filled(form), slow, UnitSystem::Metric, 0).cells[row::lossSmall], "12");

    engine::ElementResult large = turbulentResult();
    large.pressureLoss = 12.5L;  // 12 500 mbar: above 9999 in the scientific form with its blank
    EXPECT_EQ(buildResultColumn(form, filled(form), large, UnitSystem::Metric, 3).cells[row::lossSmall],
              " 1.25E+0004");

    const auto& german = builtTexts(Language::German);
    MainForm deutsch(german);
    const ResultColumn d =
        buildResultColumn(deutsch, filled(deutsch), turbulentResult(), UnitSystem::Metric, 3);
    EXPECT_EQ(d.cells[row::reynolds], "1,23E+0004");
    EXPECT_EQ(d.cells[row::lossSmall], "12,346");
    EXPECT_EQ(d.cells[row::slot1], "Durchmesser D in mm: 100,000");
}

TEST(ColumnBuilder, ZetaCellStaysEmptyForZero) {
    const auto& texts = builtTexts(Language::English);
    MainForm form(texts);
    engine::ElementResult r = turbulentResult();
    r.zeta = 0;
    EXPECT_EQ(buildResultColumn(form, filled(form), r, UnitSystem::Metric, 3).cells[row::zeta], "");
}

// The slot rows by the kind of unit beside the entry: a unit box, a fixed unit word, none.
TEST(ColumnBuilder, SlotAndChoiceCellsFollowTheForm) {
    struct Case {
        const char* name;
        Language language;
        ElementKind kind;
        UnitSystem system;
        int row;
        const char* cell;
    };
    const Case cases[] = {
        {"angle in degrees",
         Language::English,
         {4, 1},
         UnitSystem::Metric,
         row::slot1 + 2,
         "Bend angle w in degrees: 90.000"},
        {"angle not converted in US units",
         Language::English,
         {4, 1},
         UnitSystem::Us,
         row::slot1 + 2,
         "Bend angle w in degrees: 90.000"},
        {"bend radius in inches",
         Language::English,
         {4, 1},
         UnitSystem::Us,
         row::slot1 + 1,
         "Bend radius R in in.: 3.937"},
        {"free area in per cent",
         Language::English,
         {10, 1},
         UnitSystem::Metric,
         row::slot1 + 1,
         "Free area ratio in %: 40.000"},
        {"given coefficient without unit",
         Language::English,
         {12, 1},
         UnitSystem::Metric,
         row::slot1 + 1,
         "Resistance coefficient: 2.000"},
        {"flow area in square yards",
         Language::English,
         {1, 6},
         UnitSystem::Us,
         row::slot1,
         "Flow area A in sq.yd.: 0.012"},
        {"wetted perimeter in feet",
         Language::English,
         {1, 6},
         UnitSystem::Us,
         row::slot1 + 1,
         "Wetted perimeter in ft.: 1.312"},
        {"hidden slot row empty", Language::English, {2, 1}, UnitSystem::Metric, row::slot1 + 1, ""},
        // The choice row: title with its ": ", a blank, the chosen item.
        {"inlet edge choice",
         Language::English,
         {2, 1},
         UnitSystem::Metric,
         row::choice,
         "Inlet edge:  sharp-edged"},
        {"venturi choice",
         Language::English,
         {9, 7},
         UnitSystem::Metric,
         row::choice,
         "Divergent angle:  15 degrees"},
        {"no choice", Language::English, {1, 1}, UnitSystem::Metric, row::choice, ""},
        {"French connector",
         Language::French,
         {1, 1},
         UnitSystem::Metric,
         row::slot1 + 1,
         "Longueur du tuyau L en m: 1,000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainForm form(builtTexts(c.language));
        form.setUpKind(c.kind);
        const ResultColumn column = buildResultColumn(form, filled(form), turbulentResult(), c.system, 3);
        EXPECT_EQ(column.cells[static_cast<std::size_t>(c.row)], c.cell);
    }
}

TEST(DisplayValues, ConvertsToUsUnitsAndLeavesMetricAlone) {
    model::CalcInputs in;
    in.volumeFlow = 1;
    in.density = 1000;
    in.dynamicViscosity = 1002;
    in.va1 = 25.4L;   // mm
    in.va2 = 3.048L;  // m
    in.va3 = 45;      // degrees
    in.roughness = 0;
    engine::ElementResult r;
    r.velocity = 0.3048L;
    r.velocity2 = 0;
    r.pressureLoss = 0.068947581976L;     // one psi
    r.branchPressureLoss = 0.478802653L;  // mbar: one lbw./sq.ft.
    const ConvertedSlots slots{model::SlotUnit::SmallLength, model::SlotUnit::LongLength,
                               model::SlotUnit::None, model::SlotUnit::None, model::SlotUnit::None};

    const DisplayValues us = displayValues(in, r, slots, UnitSystem::Us);
    EXPECT_NEAR(us.volumeFlow, 4.402876, 1e-6);  // 42 / (0.158987 · 60)
    EXPECT_NEAR(us.density, 62.427952, 1e-6);    // 1000 / 16.0184655
    EXPECT_NEAR(us.dynamicViscosity, 1.002, 1e-12);
    EXPECT_NEAR(us.slots[0], 1, 1e-15);
    EXPECT_NEAR(us.slots[1], 10, 1e-15);
    EXPECT_EQ(us.slots[2], 45);
    EXPECT_EQ(us.roughness, 0);
    EXPECT_NEAR(us.velocity, 1, 1e-15);
    EXPECT_EQ(us.velocity2, 0);
    EXPECT_NEAR(us.pressureLossLarge, 1, 1e-15);
    EXPECT_NEAR(us.pressureLossSmall, 144, 1e-6);  // the two factors agree to 1e-9
    EXPECT_NEAR(us.branchPressureLoss, 1, 1e-12);

    const DisplayValues metric = displayValues(in, r, slots, UnitSystem::Metric);
    EXPECT_EQ(metric.volumeFlow, 1);
    EXPECT_EQ(metric.slots[0], 25.4L);
    EXPECT_NEAR(metric.pressureLossSmall, 68.947581976, 1e-9);
    EXPECT_EQ(metric.branchPressureLoss, 0.478802653L);
}

}  // namespace
}  // namespace velmora::workflow
