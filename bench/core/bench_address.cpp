#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "address/streetpoint.h"
#include "address/units.h"

namespace {

// A mailing list's street addresses: mostly plain house numbers, a good share
// with an apartment or suite, post-office boxes and rural routes.
std::vector<std::string> AddressMix(std::size_t count) {
    const char* const streets[] = {"MAIN ST",        "OAK AVE",   "N 5TH ST",   "ELM STREET",
                                   "HIGHWAY 61 N",   "PARK BLVD", "W 123RD ST", "LAKE SHORE DR",
                                   "OFFICE PARK DR", "FRONT ST",  "main st",    "Maple Ln"};
    const char* const units[] = {"APT", "STE", "#",    "UNIT", "APT.", "SUITE",
                                 "RM",  "LOT", "BLDG", "FL",   "apt",  "TRLR"};
    const char* const values[] = {"5",  "12",  "100", "1234", "B",
                                  "5A", "B12", "3-C", "# 7",  "2 1/2"};
    std::mt19937_64 rng(1234);
    auto pick = [&](const auto& list) { return std::string(list[rng() % std::size(list)]); };
    auto number = [&] { return std::to_string(1 + rng() % 20000); };

    std::vector<std::string> out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned kind = rng() % 100;
        std::string a;
        if (kind < 50) {
            a = number() + " " + pick(streets);
        } else if (kind < 80) {
            a = number() + " " + pick(streets) + " " + pick(units) + " " + pick(values);
        } else if (kind < 90) {
            a = (kind % 2 ? "PO BOX " : "P.O. Box ") + number();
        } else if (kind < 97) {
            a = "RR " + std::to_string(1 + rng() % 9) + " BOX " + number();
        } else {
            a = "HC " + std::to_string(1 + rng() % 90) + " BOX " + number() + "A";
        }
        if (rng() % 20 == 0) a += "  ";
        out.push_back(std::move(a));
    }
    return out;
}

const std::vector<std::string>& Mix() {
    static const std::vector<std::string> mix = AddressMix(4096);
    return mix;
}

void BM_Highrise(benchmark::State& state) {
    const auto& mix = Mix();
    std::size_t i = 0;
    for (auto _ : state) {
        auto text = zolvane::address::Highrise(mix[i++ & 4095], "123456789", "/");
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Highrise);

void BM_Streetpoint(benchmark::State& state) {
    const auto& mix = Mix();
    std::size_t i = 0;
    for (auto _ : state) {
        auto text = zolvane::address::Streetpoint(mix[i++ & 4095], "123456789", "", "/");
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Streetpoint);

}  // namespace
