// Runs the kept fuzz inputs through the fuzz targets' bodies, so that every
// input that once broke something stays fixed in the ordinary test build.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../../../fuzz/fuzz_bodies.h"
#include "support/temp_dir.h"

namespace zolvane::fuzz {
namespace {

namespace fs = std::filesystem;

using Body = Failure (*)(const std::uint8_t*, std::size_t);

struct Target {
    const char* name;
    Body body;
};

fs::path CorpusRoot() {
    return fs::path(__FILE__).parent_path().parent_path().parent_path() / "fuzz_corpus";
}

class FuzzReplay : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzReplay, KeptInputsKeepEveryInvariant) {
    const fs::path folder = CorpusRoot() / GetParam().name;
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty()) << folder;
    for (const fs::path& input : inputs) {
        const std::string bytes = zolvane::testing::ReadFileBytes(input);
        const Failure failure =
            GetParam().body(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        EXPECT_EQ(failure, nullptr) << input.filename() << ": " << (failure ? failure : "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, FuzzReplay,
    ::testing::Values(Target{"fuzz_text_kind", TextKind}, Target{"fuzz_split_record", SplitRecord},
                      Target{"fuzz_dbase", Dbase}, Target{"fuzz_address", Address}),
    [](const ::testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zolvane::fuzz
