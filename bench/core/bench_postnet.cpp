#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "symbology/postnet.h"

namespace {

std::vector<std::string> RandomDigitStrings(std::size_t count, std::size_t length) {
    std::mt19937_64 rng(42);
    std::vector<std::string> out(count, std::string(length, '0'));
    for (auto& s : out)
        for (auto& c : s) c = static_cast<char>('0' + rng() % 10);
    return out;
}

void BM_PostnetText(benchmark::State& state) {
    auto inputs = RandomDigitStrings(4096, 11);
    std::size_t i = 0;
    for (auto _ : state) {
        auto text = zolvane::symbology::PostnetText(inputs[i++ & 4095], "/");
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PostnetText);

}  // namespace
