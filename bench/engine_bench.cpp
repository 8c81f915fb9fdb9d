#include <benchmark/benchmark.h>

#include "engine/element_engine.h"
#include "model/calc_inputs.h"

namespace {

using velmora::engine::calculateElement;
using velmora::model::CalcInputs;
using velmora::model::ElementKind;

// Water at 20 °C, or an oil a hundred times as viscous for the laminar engine.
CalcInputs benchInputs(ElementKind kind, bool laminar) {
    CalcInputs in;
    in.kind = kind;
    in.volumeFlow = 10;  // m³/h
    in.density = 998.2L;
    in.dynamicViscosity = laminar ? 100000 : 1002;
    in.roughness = 0.1L;
    in.va1 = 100;                         // mm
    in.va2 = kind.group == 1 ? 50 : 200;  // m of pipe, or mm of bend radius
    in.va3 = 90;                          // degrees of bend
    return in;
}

void runElement(benchmark::State& state, ElementKind kind, bool laminar) {
    const CalcInputs in = benchInputs(kind, laminar);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateElement(in));
    }
}

void BM_StraightPipeTurbulent(benchmark::State& state) {
    runElement(state, {1, 1}, false);
}
void BM_StraightPipeLaminar(benchmark::State& state) {
    runElement(state, {1, 1}, true);
}
void BM_BendTurbulent(benchmark::State& state) {
    runElement(state, {4, 1}, false);
}
void BM_BendLaminar(benchmark::State& state) {
    runElement(state, {4, 1}, true);
}

BENCHMARK(BM_StraightPipeTurbulent);
BENCHMARK(BM_StraightPipeLaminar);
BENCHMARK(BM_BendTurbulent);
BENCHMARK(BM_BendLaminar);

}  // namespace
