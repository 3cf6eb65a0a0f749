#include "cli.h"

#include <iostream>

#include "settings/data_folder.h"
#include "settings/lines_file.h"

namespace zolvane::cli {

const std::filesystem::path& Context::DataFolder() {
    if (!m_dataFolder) {
        auto folder = settings::DefaultDataFolder();
        settings::SeedDataFolder(folder, settings::FindProgramFolder(settings::ExecutableFolder()));
        m_dataFolder = folder;
    }
    return *m_dataFolder;
}

settings::Prefs& Context::Prefs() {
    if (!m_prefs) m_prefs = settings::Prefs::Load(DataFolder());
    return *m_prefs;
}

void Context::SavePrefs() {
    Prefs().Save(DataFolder());
}

std::optional<std::string> TakeOption(std::vector<std::string>& args, std::string_view name) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == name) {
            if (i + 1 >= args.size())
                throw UsageError{"the option " + std::string(name) + " needs a value."};
            std::string value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
            return value;
        }
        if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 &&
            a[name.size()] == '=') {
            std::string value = a.substr(name.size() + 1);
            args.erase(args.begin() + static_cast<long>(i));
            return value;
        }
    }
    return std::nullopt;
}

bool TakeFlag(std::vector<std::string>& args, std::string_view name) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

void RefuseUnknownOptions(const std::vector<std::string>& args, std::string_view command) {
    for (const auto& a : args)
        if (a.size() > 2 && a.compare(0, 2, "--") == 0)
            throw UsageError{"unknown option " + a + " for '" + std::string(command) +
                             "'. Try 'zolvane-cli " + std::string(command) + " --help'."};
}

int ForEachStdinLine(std::string_view command,
                     const std::function<LineResult(std::string_view line)>& handle) {
    std::ios::sync_with_stdio(false);
    std::string line;
    std::string out;
    out.reserve(1 << 16);
    bool refused = false;
    unsigned long number = 0;
    while (std::getline(std::cin, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        LineResult r = handle(line);
        if (!r.error.empty()) {
            refused = true;
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
            std::fflush(stdout);
            std::cerr << "zolvane-cli " << command << ": line " << number << ": " << r.error
                      << '\n';
            out += '\n';
        } else {
            out += r.output;
            out += '\n';
        }
        if (out.size() > (1 << 15)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return refused ? kExitUsage : kExitOk;
}

int Fail(std::string_view command, std::string_view message, int status) {
    std::cerr << "zolvane-cli " << command << ": " << message << '\n';
    return status;
}

}  // namespace zolvane::cli
