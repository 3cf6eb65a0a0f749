#include "settings/prefs.h"

#include "address/units.h"
#include "settings/lines_file.h"
#include "symbology/imb.h"
#include "text/bytes.h"

namespace zolvane::settings {

Prefs::Prefs(std::vector<std::string> lines) : m_lines(std::move(lines)) {
    if (m_lines.size() < kPrefLineCount) m_lines.resize(kPrefLineCount);
}

bool Prefs::Upgrade(std::vector<std::string>& lines) {
    const std::size_t readCount = lines.size();
    if (readCount >= kPrefLineCount) return false;
    lines.resize(kPrefLineCount);
    static const char* const kFixed[] = {"000000000", "000001", "1", "0", "0", "f",
                                         "f",         "0",      "0", "f", "0"};
    for (int i = 0; i < 11; ++i) lines[9 + i] = kFixed[i];
    if (readCount < 19) {
        // The older layout had no line for the barcode kind: everything from
        // line 1 moves down one place, and the old line 8 is lost.
        lines[8] = lines[6];
        lines[6] = lines[5];
        lines[5] = lines[4];
        lines[4] = lines[3];
        lines[3] = lines[2];
        lines[2] = lines[1];
        lines[1] = "1";
    }
    return true;
}

Prefs Prefs::Load(const std::filesystem::path& dataFolder) {
    const auto path = dataFolder / kPrefsFileName;
    auto lines = ReadLinesFile(path);
    if (Upgrade(lines)) WriteLinesFile(path, lines);
    return Prefs(std::move(lines));
}

std::optional<std::int64_t> Prefs::GetInt(PrefLine line) const {
    return text::ParseInteger(Get(line));
}

void Prefs::Save(const std::filesystem::path& dataFolder) const {
    WriteLinesFile(dataFolder / kPrefsFileName, m_lines);
}

FontsLines FontsLines::Load(const std::filesystem::path& dataFolder) {
    auto lines = ReadLinesFile(dataFolder / kFontsFileName);
    if (lines.size() == 7) lines.emplace_back("0");
    return FontsLines(std::move(lines));
}

void FontsLines::Put(std::size_t n, std::string value) {
    if (n >= m_lines.size()) m_lines.resize(n + 1);
    m_lines[n] = std::move(value);
}

void FontsLines::Save(const std::filesystem::path& dataFolder) const {
    WriteLinesFile(dataFolder / kFontsFileName, m_lines);
}

LoadedSettings LoadSettings(const std::filesystem::path& dataFolder) {
    symbology::InitImbTables();
    LoadedSettings loaded{Prefs::Load(dataFolder), FontsLines::Load(dataFolder)};
    address::UnitDesignators();
    return loaded;
}

}  // namespace zolvane::settings
