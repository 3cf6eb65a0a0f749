#include <benchmark/benchmark.h>
#include <zint.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "symbology/imb.h"

namespace {

struct ImbInput {
    std::string routing, tracking;
    std::string zint;  // "tracking-routing", libzint's form of the same input
};

// Valid inputs: second tracking digit 0..4, routing of 0, 5, 9 or 11 digits in turn.
const std::vector<ImbInput>& ImbInputs() {
    static const std::vector<ImbInput> inputs = [] {
        std::mt19937_64 rng(7);
        auto digits = [&rng](std::size_t n) {
            std::string s(n, '0');
            for (char& c : s) c = static_cast<char>('0' + rng() % 10);
            return s;
        };
        constexpr std::size_t kRoutingLengths[] = {0, 5, 9, 11};
        std::vector<ImbInput> v(4096);
        for (std::size_t i = 0; i < v.size(); ++i) {
            v[i].tracking = digits(20);
            v[i].tracking[1] = static_cast<char>('0' + rng() % 5);
            v[i].routing = digits(kRoutingLengths[i % 4]);
            v[i].zint = v[i].tracking;
            if (!v[i].routing.empty()) v[i].zint += "-" + v[i].routing;
        }
        return v;
    }();
    return inputs;
}

void BM_EncodeIMB(benchmark::State& state) {
    const auto& inputs = ImbInputs();
    char out[zolvane::symbology::kImbBarCount];
    std::size_t i = 0;
    for (auto _ : state) {
        const ImbInput& in = inputs[i++ & 4095];
        auto error = zolvane::symbology::EncodeIMB(in.routing, in.tracking, out);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EncodeIMB);

void BM_ZintEncodeIMB(benchmark::State& state) {
    const auto& inputs = ImbInputs();
    zint_symbol* symbol = ZBarcode_Create();
    symbol->symbology = BARCODE_USPS_IMAIL;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& in = inputs[i++ & 4095].zint;
        ZBarcode_Clear(symbol);
        int status = ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char*>(in.data()),
                                     static_cast<int>(in.size()));
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(symbol->encoded_data);
    }
    ZBarcode_Delete(symbol);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ZintEncodeIMB);

}  // namespace
