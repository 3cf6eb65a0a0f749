#include "settings/lines_file.h"

#include <fstream>
#include <sstream>

#include "io/durable_file.h"

namespace zolvane::settings {

std::vector<std::string> SplitLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        char c = content[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(content.substr(start, i - start));
        if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < content.size()) lines.emplace_back(content.substr(start));
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> ReadLinesFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SettingsError("Zolvane could not read its settings file " + path.string() + ".");
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        throw SettingsError("Zolvane could not read its settings file " + path.string() + ".");
    return SplitLines(buffer.str());
}

void WriteLinesFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    if (!io::ReplaceFileWhole(path, JoinLinesCrLf(lines)))
        throw SettingsError("Zolvane could not save its settings file " + path.string() + ".");
}

}  // namespace zolvane::settings
