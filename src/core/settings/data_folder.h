#pragma once

// Where the settings live (the data folder) and where the installed copies
// come from (the program folder), and the seeding of a fresh data folder.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zolvane::settings {

// The Windows rule, as pure text: before major version 6 the program folder
// itself; otherwise the program file's drive + "\Users\Public\Documents\Zolvane\".
// programFolder ends in a backslash, as the Windows paths do.
std::string WindowsDataFolder(const std::string& programFolder, int windowsMajorVersion);

// Elsewhere: $ZOLVANE_DATA_DIR when set and not empty, else
// $XDG_DATA_HOME/Zolvane, else ~/.local/share/Zolvane. getenv is injectable
// for tests.
using EnvLookup = std::function<std::optional<std::string>(const char*)>;
std::filesystem::path DefaultDataFolder(const EnvLookup& env);
std::filesystem::path DefaultDataFolder();

// The program folder for an executable in exeDir: the build tree keeps the
// installed copies beside the executable; an installed program finds them in
// <prefix>/share/zolvane/.
std::filesystem::path FindProgramFolder(const std::filesystem::path& exeDir);
std::filesystem::path ExecutableFolder();

// Seeds the data folder when it does not hold fonts.dat: creates it, writes
// fonts.dat and prefs.dat from the program folder's copies (lines re-ended
// with CR LF), then sample.txt the same way when the program folder has one.
// Nothing happens when fonts.dat is already there. Returns true when it
// seeded. Throws SettingsError when an installed copy is missing or a file
// cannot be written.
bool SeedDataFolder(const std::filesystem::path& dataFolder,
                    const std::filesystem::path& programFolder);

}  // namespace zolvane::settings
