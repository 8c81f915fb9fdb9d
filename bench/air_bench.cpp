// Dry and humid air: the cost of one state as the property dialogs and the command line compute it.
#include <benchmark/benchmark.h>

#include "media/dry_air.h"
#include "media/humid_air.h"

namespace {

using velmora::model::Real;

// One gaseous state: phase decision, density from the air equation, viscosity.
void dryAirGasState(benchmark::State& state, Real temperatureK, Real pressureBar) {
    for (auto _ : state) {
        auto result = velmora::media::computeDryAir(temperatureK, pressureBar);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(dryAirGasState, room_air_20C_1bar, 293.15L, 1.0L);
BENCHMARK_CAPTURE(dryAirGasState, compressed_300K_200bar, 300.0L, 200.0L);

void dryAirLiquidState(benchmark::State& state) {
    for (auto _ : state) {
        auto result = velmora::media::computeDryAir(80.0L, 10.0L);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(dryAirLiquidState);

void humidAirState(benchmark::State& state) {
    for (auto _ : state) {
        auto result = velmora::media::computeHumidAir(293.15L, 1.01325L,
                                                      velmora::media::HumidityKind::RelativeHumidity, 50.0L);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(humidAirState);

}  // namespace
