// One water state as the water dialogs compute it: region choice, density and viscosity.
#include <benchmark/benchmark.h>

#include "media/water_region3.h"
#include "media/water_saturation_state.h"
#include "media/water_state.h"

namespace {

using namespace velmora;

// Pressure (bar abs.) and temperature (K) of each case.
void waterState(benchmark::State& state, model::Real pressureBar, model::Real temperatureK) {
    for (auto _ : state) {
        model::Real p = pressureBar;
        model::Real t = temperatureK;
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(media::computeWaterState(t, p));
    }
}
BENCHMARK_CAPTURE(waterState, region1_20C_1bar, 1.013L, 293.15L)->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(waterState, region2_300C_10bar, 10.0L, 573.15L)->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(waterState, region3_400C_300bar, 300.0L, 673.15L)->Unit(benchmark::kNanosecond);
// Compressed liquid near the critical temperature: the first start fails and the iteration runs
// again from the liquid start.
BENCHMARK_CAPTURE(waterState, region3_350C_350bar_restart, 350.0L, 623.5L)->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(waterState, region5_850C_100bar, 100.0L, 1123.15L)->Unit(benchmark::kNanosecond);

void saturationInRegion3(benchmark::State& state) {
    for (auto _ : state) {
        model::Real t = 633.15L;
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(media::computeSaturationAtTemperature(t));
    }
}
BENCHMARK(saturationInRegion3)->Unit(benchmark::kNanosecond);

}  // namespace
