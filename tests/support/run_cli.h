#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zolvane::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs zolvane-cli with the arguments, the given standard input and
// ZOLVANE_DATA_DIR set to dataDir, and collects what it prints.
CliRun RunCli(const std::vector<std::string>& args, const std::filesystem::path& dataDir,
              const std::string& input = {});

}  // namespace zolvane::testing
