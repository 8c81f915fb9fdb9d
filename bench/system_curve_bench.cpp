// The system characteristic curve of a long pipeline: 1000 columns at 1000 flows, a million
// element calculations, as the tool runs them from the table's texts.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/calc_inputs.h"
#include "support/built_texts.h"
#include "tools/curve_plot.h"
#include "tools/curve_range_presenter.h"
#include "workflow/calculation_driver.h"
#include "workflow/main_form.h"
#include "workflow/messenger.h"
#include "workflow/results_table.h"
#include "workflow/short_display.h"
#include "workflow/system_curve.h"

namespace {

using namespace velmora;
using workflow::FormField;
using workflow::MainForm;

const lang::TextCatalogue& englishTexts() {
    return velmora::testing::loadBuiltTexts(lang::Edition::Language::English);
}

struct Element {
    model::ElementKind kind;
    std::vector<std::string> slots;
    const char* branchFlow = "";
};

// Water at 40 m³/h through DN 100: the kinds a pump line is made of, in turn.
const std::array<Element, 8> elements{{
    {{1, 1}, {"107.1", "12"}},
    {{4, 1}, {"107.1", "321.3", "90"}},
    {{5, 5}, {"107.1", "54.5", "0", "90"}, "10"},
    {{7, 4}, {"107.1", "80"}},
    {{9, 1}, {"107.1", "60"}},
    {{2, 1}, {"107.1"}},
    {{12, 1}, {"107.1", "2.5"}},
    {{13, 1}, {"0.5"}},
}};

// A results table of `count` columns, and the form whose medium the curve takes.
struct Pipeline {
    explicit Pipeline(int count) : form(englishTexts()), table(englishTexts()), shortDisplay(table) {
        form.setText(FormField::MediumName, "Water 20 C");
        form.setText(FormField::Flow, "40");
        form.setText(FormField::Density, "998.2");
        form.setText(FormField::Viscosity, "1002");
        model::CalcInputs inputs;
        bool modified = false;
        const workflow::CalculationContext context{inputs, table, shortDisplay, modified, messenger};
        for (int i = 0; i < count; ++i) {
            const Element& e = elements[static_cast<std::size_t>(i) % elements.size()];
            form.setUpKind(e.kind);
            for (std::size_t s = 0; s < e.slots.size(); ++s)
                form.setText(workflow::slotField(static_cast<int>(s) + 1), e.slots[s]);
            form.setText(FormField::Roughness, "0.05");
            if (*e.branchFlow) form.setText(FormField::BranchFlow, e.branchFlow);
            workflow::runCalculation(form, context);
        }
    }
    MainForm form;
    workflow::ResultsTable table;
    workflow::ShortDisplay shortDisplay;
    workflow::RecordingMessenger messenger;
};

// The whole run: the medium read, the columns rebuilt from their texts, N points computed.
void systemCurveRun(benchmark::State& state) {
    const Pipeline pipeline(static_cast<int>(state.range(0)));
    const int points = static_cast<int>(state.range(1));
    workflow::RecordingMessenger messenger;
    for (auto _ : state) {
        auto run = workflow::runSystemCurve(pipeline.table, pipeline.form, {0, 80, 0, points}, messenger);
        if (!run) {
            state.SkipWithError("the curve was refused");
            return;
        }
        benchmark::DoNotOptimize(run->data.losses.back());
    }
    state.counters["per_element"] =
        benchmark::Counter(static_cast<double>(state.range(0) * points),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(systemCurveRun)->Args({1000, 1000})->Args({100, 20})->Unit(benchmark::kMillisecond);

// Where the time goes: rebuilding the columns from their texts alone …
void curvePipelineRebuild(benchmark::State& state) {
    const Pipeline pipeline(1000);
    model::CalcInputs medium;
    for (auto _ : state) {
        const workflow::CurvePipeline rebuilt(pipeline.table, medium);
        benchmark::DoNotOptimize(rebuilt.elements().size());
    }
}
BENCHMARK(curvePipelineRebuild)->Unit(benchmark::kMillisecond);

// … and one flow through the whole pipeline, per element calculation.
void curvePipelineLoss(benchmark::State& state) {
    const Pipeline pipeline(1000);
    model::CalcInputs medium;
    const workflow::CurvePipeline rebuilt(pipeline.table, medium);
    model::Real flow = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rebuilt.lossAt(flow));
        flow += 0.001L;
    }
    state.counters["per_element"] = benchmark::Counter(
        1000.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(curvePipelineLoss)->Unit(benchmark::kMicrosecond);

}  // namespace
