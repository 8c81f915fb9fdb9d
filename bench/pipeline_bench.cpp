// A long pipeline as the desktop program and velmora-cli build it: every element a press of
// Calculate that fills the inputs, runs the engine and appends a column to the results table;
// then the project of that table written to its file and read back.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "lang/text_catalogue.h"
#include "model/calc_inputs.h"
#include "support/built_texts.h"
#include "support/temp_folder.h"
#include "workflow/calculation_driver.h"
#include "workflow/main_form.h"
#include "workflow/project_content.h"
#include "workflow/project_file.h"
#include "workflow/project_session.h"
#include "workflow/results_table.h"
#include "workflow/short_display.h"

namespace {

using namespace velmora;
using workflow::FormField;
using workflow::MainForm;

const lang::TextCatalogue& englishTexts() {
    return velmora::testing::loadBuiltTexts(lang::Edition::Language::English);
}

struct Element {
    model::ElementKind kind;
    std::vector<std::string> slots;  // slots 1 … n as typed, in the boxes' first units
};

// Water at 20 °C, 40 m³/h through DN 100 (107.1 mm): a pipe, a bend, a gate valve and an inlet,
// in turn, each on a form of its own so that the loop times Calculate alone.
const std::array<Element, 4> elements{{
    {{1, 1}, {"107.1", "12"}},
    {{4, 1}, {"107.1", "321.3", "90"}},
    {{7, 4}, {"107.1", "100"}},
    {{2, 1}, {"107.1"}},
}};

std::vector<MainForm> elementForms(const lang::TextCatalogue& texts) {
    std::vector<MainForm> forms;
    for (const Element& element : elements) {
        MainForm& form = forms.emplace_back(texts);
        form.setText(FormField::MediumName, "Water 20 C");
        form.setText(FormField::Flow, "40");
        form.setText(FormField::Density, "998.2");
        form.setText(FormField::Viscosity, "1002");
        form.setUpKind(element.kind);
        for (std::size_t i = 0; i < element.slots.size(); ++i)
            form.setText(workflow::slotField(static_cast<int>(i) + 1), element.slots[i]);
        form.setText(FormField::Roughness, "0.05");
    }
    return forms;
}

// What one results window holds while the user presses Calculate.
struct Window {
    explicit Window(const lang::TextCatalogue& texts) : table(texts), shortDisplay(table) {}
    workflow::ResultsTable table;
    workflow::ShortDisplay shortDisplay;
    model::CalcInputs inputs;
    bool modified = false;
    workflow::RecordingMessenger messenger;

    workflow::CalculationContext context() { return {inputs, table, shortDisplay, modified, messenger}; }
};

// Presses Calculate `count` times, the four elements in turn; false when one gave no column.
bool calculatePipeline(const std::vector<MainForm>& forms, Window& window, int count) {
    for (int i = 0; i < count; ++i)
        if (!workflow::runCalculation(forms[static_cast<std::size_t>(i) % forms.size()], window.context()).appended())
            return false;
    return true;
}

// The whole table, calculation and column append, built anew in each iteration; per_element is
// the time of one press of Calculate averaged over the pipeline.
void pipelineCalculation(benchmark::State& state) {
    const lang::TextCatalogue& texts = englishTexts();
    const std::vector<MainForm> forms = elementForms(texts);
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Window window(texts);
        if (!calculatePipeline(forms, window, count)) {
            state.SkipWithError("an element gave no column");
            return;
        }
        benchmark::DoNotOptimize(window.table.totalText());
    }
    state.counters["per_element"] = benchmark::Counter(
        static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(pipelineCalculation)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The project of a table of `count` calculated columns, as File > Save captures it.
workflow::ProjectContent pipelineProject(int count) {
    const lang::TextCatalogue& texts = englishTexts();
    const std::vector<MainForm> forms = elementForms(texts);
    Window window(texts);
    calculatePipeline(forms, window, count);
    return workflow::captureProject(window.table, "Pump station 3", workflow::PageSettings{},
                                    workflow::TableAppearance{});
}

constexpr int projectColumns = 1000;

void encodeProject(benchmark::State& state) {
    const workflow::ProjectContent content = pipelineProject(projectColumns);
    for (auto _ : state) {
        auto bytes = workflow::encodeProjectFile(content, englishTexts());
        if (!std::holds_alternative<std::string>(bytes)) {
            state.SkipWithError("the project could not be encoded");
            return;
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(encodeProject)->Unit(benchmark::kMillisecond);

// Save to disk: encode, write beside the file, flush to disk, rename into place.
void saveProject(benchmark::State& state) {
    const workflow::ProjectContent content = pipelineProject(projectColumns);
    const velmora::testing::TempFolder folder;
    const auto path = folder.path() / "pipeline.vla";
    workflow::ProjectSession session(englishTexts());
    for (auto _ : state) {
        if (!session.write(path, content).saved) {
            state.SkipWithError("the project was not saved");
            return;
        }
    }
    session.close();
}
BENCHMARK(saveProject)->Unit(benchmark::kMillisecond)->UseRealTime();

std::string projectBytes() {
    return std::get<std::string>(workflow::encodeProjectFile(pipelineProject(projectColumns), englishTexts()));
}

void decodeProject(benchmark::State& state) {
    const std::string bytes = projectBytes();
    for (auto _ : state) {
        workflow::ProjectReadResult read = workflow::readProjectFile(bytes, englishTexts());
        if (!read.valid || read.content.columns.size() != projectColumns) {
            state.SkipWithError("the project did not read back whole");
            return;
        }
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(decodeProject)->Unit(benchmark::kMillisecond);

// File > Open: open and lock the file, read it, decode it, fill the results table.
void openProject(benchmark::State& state) {
    const velmora::testing::TempFolder folder;
    const auto path = folder.write("pipeline.vla", projectBytes());
    workflow::ProjectSession session(englishTexts());
    workflow::ResultsTable table(englishTexts());
    for (auto _ : state) {
        const auto outcome = session.read(path);
        if (!outcome.opened || !outcome.read.valid) {
            state.SkipWithError("the project did not open");
            return;
        }
        workflow::applyProject(outcome.read.content, table);
        benchmark::DoNotOptimize(table.totalText());
    }
    session.close();
}
BENCHMARK(openProject)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
