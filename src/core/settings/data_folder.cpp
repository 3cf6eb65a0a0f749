#include "settings/data_folder.h"

#include <cstdlib>
#include <system_error>

#include "settings/lines_file.h"
#include "settings/prefs.h"

namespace zolvane::settings {

std::string WindowsDataFolder(const std::string& programFolder, int windowsMajorVersion) {
    if (windowsMajorVersion < 6) return programFolder;
    std::string drive;
    if (programFolder.size() >= 2 && programFolder[1] == ':') drive = programFolder.substr(0, 2);
    return drive + "\\Users\\Public\\Documents\\Zolvane\\";
}

std::filesystem::path DefaultDataFolder(const EnvLookup& env) {
    if (auto dir = env("ZOLVANE_DATA_DIR"); dir && !dir->empty()) return *dir;
    if (auto xdg = env("XDG_DATA_HOME"); xdg && !xdg->empty())
        return std::filesystem::path(*xdg) / "Zolvane";
    std::string home = env("HOME").value_or("");
    if (home.empty()) home = ".";
    return std::filesystem::path(home) / ".local" / "share" / "Zolvane";
}

std::filesystem::path DefaultDataFolder() {
    return DefaultDataFolder([](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        if (!v) return std::nullopt;
        return std::string(v);
    });
}

std::filesystem::path FindProgramFolder(const std::filesystem::path& exeDir) {
    if (std::filesystem::exists(exeDir / kFontsFileName)) return exeDir;
    auto installed = exeDir.parent_path() / "share" / "zolvane";
    if (std::filesystem::exists(installed / kFontsFileName)) return installed;
    return exeDir;
}

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

namespace {
void CopyAsLines(const std::filesystem::path& from, const std::filesystem::path& to) {
    WriteLinesFile(to, ReadLinesFile(from));
}
}  // namespace

bool SeedDataFolder(const std::filesystem::path& dataFolder,
                    const std::filesystem::path& programFolder) {
    if (std::filesystem::exists(dataFolder / kFontsFileName)) return false;
    std::error_code ec;
    std::filesystem::create_directories(dataFolder, ec);
    if (ec)
        throw SettingsError("Zolvane could not create its data folder " + dataFolder.string() +
                            ".");
    for (auto name : {kFontsFileName, kPrefsFileName}) {
        auto source = programFolder / name;
        if (!std::filesystem::exists(source))
            throw SettingsError("Zolvane could not find its installed file " + source.string() +
                                ".");
    }
    // fonts.dat decides whether the folder is seeded, so it is written last:
    // a seeding interrupted half-way is simply done again at the next start.
    CopyAsLines(programFolder / kPrefsFileName, dataFolder / kPrefsFileName);
    if (std::filesystem::exists(programFolder / kSampleFileName))
        CopyAsLines(programFolder / kSampleFileName, dataFolder / kSampleFileName);
    CopyAsLines(programFolder / kFontsFileName, dataFolder / kFontsFileName);
    return true;
}

}  // namespace zolvane::settings
