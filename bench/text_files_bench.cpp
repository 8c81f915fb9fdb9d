// Start-up cost of the text files: deciphering lines and loading the three text files.
#include <benchmark/benchmark.h>

#include "persist/data_file_set.h"
#include "persist/line_cipher.h"
#include "persist/text_catalogue_loader.h"

namespace {

using namespace velmora;

void decipherLine(benchmark::State& state) {
    const std::string line = persist::LineCipher::encipher(
        "g\t12\tMustBeGreater\tDer Wert muss größer sein als\tThe value must be greater than\t"
        "La valeur doit être supérieure à\tDe waarde moet groter zijn dan",
        persist::LineCipher::dataKey);
    for (auto _ : state) benchmark::DoNotOptimize(persist::LineCipher::decipher(line, persist::LineCipher::dataKey));
}
BENCHMARK(decipherLine);

void loadTextFiles(benchmark::State& state) {
    const persist::DataFileSet files(VELMORA_DATA_DIR);
    for (auto _ : state) benchmark::DoNotOptimize(persist::loadTextCatalogue(files, lang::Edition()));
}
BENCHMARK(loadTextFiles)->Unit(benchmark::kMillisecond);

}  // namespace
