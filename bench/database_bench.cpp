// The property databases: opening a database dialog the first time (reading and deciphering its
// file, filling the list) and one gas state (SRK density and Gardner viscosity).
#include <benchmark/benchmark.h>

#include "media/gardner_correction.h"
#include "media/gas_presenter.h"
#include "media/liquid_presenter.h"
#include "media/srk_density.h"
#include "media/vapour_pressure_presenter.h"
#include "model/messenger.h"
#include "support/built_texts.h"

namespace {

using namespace velmora;

const lang::TextCatalogue& texts() {
    return testing::loadBuiltTexts(lang::Edition::Language::English);
}

void BM_GasDatabaseFirstShowing(benchmark::State& state) {
    const persist::DataFileSet files(VELMORA_DATA_DIR);
    for (auto _ : state) {
        media::GasPresenter presenter(texts());
        model::RecordingMessenger messages;
        benchmark::DoNotOptimize(presenter.load(files));
        presenter.show({}, messages);
        benchmark::DoNotOptimize(presenter.measured());
    }
}
BENCHMARK(BM_GasDatabaseFirstShowing)->Unit(benchmark::kMillisecond);

void BM_LiquidDatabaseFirstShowing(benchmark::State& state) {
    const persist::DataFileSet files(VELMORA_DATA_DIR);
    for (auto _ : state) {
        media::LiquidPresenter presenter(texts());
        benchmark::DoNotOptimize(presenter.load(files));
        presenter.show({});
    }
}
BENCHMARK(BM_LiquidDatabaseFirstShowing)->Unit(benchmark::kMillisecond);

void BM_VapourPressureDatabaseShowing(benchmark::State& state) {
    const persist::DataFileSet files(VELMORA_DATA_DIR);
    media::VapourPressurePresenter presenter(texts());
    for (auto _ : state) {
        benchmark::DoNotOptimize(presenter.show({}, files));
        presenter.hide();
    }
}
BENCHMARK(BM_VapourPressureDatabaseShowing)->Unit(benchmark::kMillisecond);

// Propane at 5 bar and 50 °C: the SRK cubic and Gardner's correction of its viscosity.
void BM_GasState(benchmark::State& state) {
    const media::GasCriticalData propane{369.8L, 42.48L, 0.152L, 44.1L};
    model::Real t = 323.15L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        const model::Real rho = media::srkDensity(t, 5, propane);
        benchmark::DoNotOptimize(media::gardnerViscosity(8.9L, t, rho, propane.molarMass));
    }
}
BENCHMARK(BM_GasState);

}  // namespace
