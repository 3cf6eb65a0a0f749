#include <cstdio>
#include <cstdlib>

#include "fuzz_bodies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const zolvane::fuzz::Failure failure = zolvane::fuzz::Address(data, size)) {
        std::fprintf(stderr, "invariant broken: %s\n", failure);
        std::abort();
    }
    return 0;
}
