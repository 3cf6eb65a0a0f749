#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "symbology/tracking.h"

namespace {

using namespace zolvane::symbology;

// MakeIMB as the run calls it for every record: a ZIP+4, a delivery point,
// an OEL (mostly empty) and a padded serial number.
void BM_MakeIMBListMode(benchmark::State& state) {
    struct Input {
        std::string zip, dp, oel, serial;
    };
    std::mt19937_64 rng(11);
    std::vector<Input> inputs(4096);
    const char* oels[] = {"", "", "", "**5-DIGIT 97301", "***ECRLOT C001", "MIXED ADC"};
    for (auto& in : inputs) {
        in.zip = std::to_string(100000000 + rng() % 900000000);
        in.dp = std::to_string(10 + rng() % 90);
        in.oel = oels[rng() % 6];
        in.serial = std::to_string(100000000 + rng() % 900000000);
    }
    const ImbSettings settings{"123456", 0, 1, 0, false};
    char out[kImbBarCount];
    std::size_t i = 0;
    for (auto _ : state) {
        const Input& in = inputs[i++ & 4095];
        auto error = MakeIMB(in.zip, in.dp, in.oel, "n", in.serial, settings, {}, out);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MakeIMBListMode);

}  // namespace
