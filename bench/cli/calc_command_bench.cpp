// velmora-cli calc over pipeline descriptions of 10^4, 10^5 and 10^6 elements: the description
// read and checked, every element calculated into the table, the table written out. The time
// must grow with the element count, not with its square.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calc_command.h"
#include "support/built_texts.h"
#include "support/temp_folder.h"

namespace {

using namespace velmora;

// Water at 40 m³/h through 12 m lengths of DN 100 pipe: the first element gives the entries, the
// others name the kind alone and keep them, as a user pressing Calculate again does. Short
// elements keep a 10^6-element description (18 MB) under the command line's 64 MB limit.
std::string description(long elements) {
    std::string text =
        R"({"medium": {"name": "Water", "flow": "40", "density": "998.2", "viscosity": "1002"}, "elements": [)"
        R"({"kind": [1, 1], "slots": [["107.1", "mm"], ["12", "m"]], "roughness": "0.05"})";
    for (long i = 1; i < elements; ++i) text += R"(, {"kind": [1, 1]})";
    return text + "]}";
}

void calcCommand(benchmark::State& state) {
    const lang::TextCatalogue& texts = velmora::testing::loadBuiltTexts(lang::Edition::Language::English);
    velmora::testing::TempFolder folder;
    const std::string path = (folder.path() / "pipeline.json").string();
    std::ofstream(path) << description(state.range(0));
    for (auto _ : state) {
        std::ostringstream out, err;
        const int status = cli::runCalc({path}, texts, out, err);
        if (status != 0) state.SkipWithError(("calc failed: " + err.str().substr(0, 200)).c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(calcCommand)->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
