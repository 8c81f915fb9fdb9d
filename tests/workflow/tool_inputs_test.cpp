#include "workflow/tool_inputs.h"

#include <gtest/gtest.h>

#include <numbers>

#include "workflow/calculation_bench.h"

namespace velmora::workflow {
namespace {

using testing::CalculationBench;

constexpr model::Real kPi = std::numbers::pi_v<model::Real>;

// A pipeline of a pipe, a bend, a corrugated pipe and a rectangular duct, calculated as typed.
void pipeline(CalculationBench& bench) {
    bench.liquid("10", "998.2", "1002");
    bench.element({1, 1}, {"100", "10"});
    bench.calculate();
    bench.element({4, 1}, {"100", "100", "90"});
    bench.calculate();
    bench.element({1, 5}, {"80", "5", "20", "6"});
    bench.form.setText(FormField::ElementCount, "2");
    bench.calculate();
    bench.element({1, 2}, {"200", "100", "5"});
    bench.form.setText(FormField::ElementCount, "1");
    bench.calculate();
    ASSERT_EQ(bench.table.elementCount(), 4);
}

TEST(ToolInputs, ContentColumnsFromTheCellTexts) {
    for (const model::UnitSystem system : {model::UnitSystem::Metric, model::UnitSystem::Us}) {
        CalculationBench bench;
        pipeline(bench);
        bench.table.switchUnitSystem(system);
        const auto columns = contentColumns(bench.table);
        ASSERT_EQ(columns.size(), 4u);
        const model::Real expected[] = {kPi / 4 * 0.01L * 10, 0, 2 * kPi / 4 * 0.0064L * 6, 0.1L};
        for (std::size_t i = 0; i < columns.size(); ++i)
            EXPECT_NEAR(tools::columnContent(columns[i]), expected[i], 2e-3 * expected[i] + 1e-12) << i;
        EXPECT_EQ(columns[2].count, 2);
        ASSERT_TRUE(columns[1].kind);
        EXPECT_EQ(*columns[1].kind, (model::ElementKind{4, 1}));
    }
}

TEST(ToolInputs, VelocityAndTotalOfTheTable) {
    CalculationBench bench;
    EXPECT_FALSE(lastMeanVelocity(bench.table));
    pipeline(bench);
    // The last column: 10 m³/h in a 200 × 100 mm duct, 0.139 m/s.
    ASSERT_TRUE(lastMeanVelocity(bench.table));
    EXPECT_NEAR(*lastMeanVelocity(bench.table), 10 / 3600.0L / 0.02L, 1e-3);
    const model::Real total = totalLossBar(bench.table);
    bench.table.switchUnitSystem(model::UnitSystem::Us);
    EXPECT_NEAR(*lastMeanVelocity(bench.table), 10 / 3600.0L / 0.02L, 1e-3);
    EXPECT_NEAR(totalLossBar(bench.table), total, 1e-3 * total);
}

TEST(ToolInputs, TransfersIntoTheMainForm) {
    CalculationBench bench;
    bench.form.setFlowQuantity(model::FlowQuantity::Mass);
    applyFlowTransfer(bench.form, "28,27");
    EXPECT_EQ(bench.form.flowQuantity(), model::FlowQuantity::Volume);
    EXPECT_EQ(bench.form.unitBox(FormField::FlowUnit).current(), "m³/h");
    EXPECT_EQ(bench.form.text(FormField::Flow), "28,27");
    applyZetaTransfer(bench.form, {{"2", "in."}, "135,2"});
    EXPECT_EQ(bench.form.kind(), (model::ElementKind{12, 1}));
    EXPECT_EQ(bench.form.text(FormField::Slot1), "2");
    EXPECT_EQ(bench.form.unitBox(FormField::Slot1Unit).current(), "in.");
    EXPECT_EQ(bench.form.text(FormField::Slot2), "135,2");
    EXPECT_EQ(firstParameter(bench.form).unit, "in.");
}

}  // namespace
}  // namespace velmora::workflow
