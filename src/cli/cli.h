#pragma once

// Shared pieces of zolvane-cli's commands: argument handling, the data folder
// and its settings, and the exit statuses.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/prefs.h"

namespace zolvane::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the work could not be done (a check failed, a file failed)
inline constexpr int kExitUsage = 2;   // a bad argument or input

// Thrown for a bad argument; main prints the message and exits with kExitUsage.
struct UsageError {
    std::string message;
};

// The data folder (seeded from the program folder when new) and prefs.dat.
class Context {
  public:
    const std::filesystem::path& DataFolder();
    settings::Prefs& Prefs();
    void SavePrefs();

  private:
    std::optional<std::filesystem::path> m_dataFolder;
    std::optional<settings::Prefs> m_prefs;
};

// Takes "--name VALUE" or "--name=VALUE" out of args; nullopt when absent.
std::optional<std::string> TakeOption(std::vector<std::string>& args, std::string_view name);
// Takes a "--name" flag out of args.
bool TakeFlag(std::vector<std::string>& args, std::string_view name);
// Refuses any argument left that starts with "--".
void RefuseUnknownOptions(const std::vector<std::string>& args, std::string_view command);

// One input per stdin line: handle returns the output line, or an error
// message (then an empty line is printed and the message goes to stderr).
// Returns the exit status: kExitUsage when any line was refused.
struct LineResult {
    std::string output;
    std::string error;  // not empty: refused
};
int ForEachStdinLine(std::string_view command,
                     const std::function<LineResult(std::string_view line)>& handle);

int Fail(std::string_view command, std::string_view message, int status);

int RunImb(std::vector<std::string> args, Context& context);
int RunPostnet(std::vector<std::string> args, Context& context);
int RunDp(std::vector<std::string> args, Context& context);
int RunBarcode(std::vector<std::string> args, Context& context);
int RunSettings(std::vector<std::string> args, Context& context);

}  // namespace zolvane::cli
