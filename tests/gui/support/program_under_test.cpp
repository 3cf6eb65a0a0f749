#include "support/program_under_test.h"

#include <cstdlib>

#include <QTimer>

#include "app/main_window.h"
#include "settings/data_folder.h"
#include "settings/lines_file.h"

namespace zolvane::gui::testing {

namespace {

std::filesystem::path SeededDataFolder(const zolvane::testing::TempDir& temp,
                                       const PrefEdits& edits) {
    const auto data = temp / "data";
    ::setenv("ZOLVANE_DATA_DIR", data.c_str(), 1);
    settings::SeedDataFolder(data, ZOLVANE_PROGRAM_FOLDER);
    if (!edits.empty()) {
        auto lines = settings::ReadLinesFile(data / settings::kPrefsFileName);
        lines.resize(std::max<std::size_t>(lines.size(), settings::kPrefLineCount));
        for (const auto& [line, value] : edits) lines[static_cast<std::size_t>(line)] = value;
        settings::WriteLinesFile(data / settings::kPrefsFileName, lines);
    }
    return data;
}

}  // namespace

std::filesystem::path FixturePath(const std::string& name) {
    return std::filesystem::path(ZOLVANE_GUI_FIXTURES) / name;
}

ProgramUnderTest::ProgramUnderTest(const PrefEdits& edits, std::vector<std::string> arguments)
    : dataFolder(SeededDataFolder(temp, edits)),
      session(dataFolder, ZOLVANE_PROGRAM_FOLDER, ui, app::CommandLine(std::move(arguments))),
      windows(session) {
    session.LoadSettings();
}

ProgramUnderTest::~ProgramUnderTest() = default;

std::filesystem::path ProgramUnderTest::CopyFixture(const std::string& name,
                                                    const std::string& as) {
    const auto target = temp / (as.empty() ? name : as);
    std::filesystem::copy_file(FixturePath(name), target,
                               std::filesystem::copy_options::overwrite_existing);
    return target;
}

std::filesystem::path ProgramUnderTest::WriteList(const std::string& name, std::string_view bytes) {
    const auto target = temp / name;
    zolvane::testing::WriteFileBytes(target, bytes);
    return target;
}

std::string ProgramUnderTest::PrefsFileBytes() const {
    return zolvane::testing::ReadFileBytes(dataFolder / settings::kPrefsFileName);
}

std::string ProgramUnderTest::PrefOnDisk(settings::PrefLine line) const {
    auto lines = settings::ReadLinesFile(dataFolder / settings::kPrefsFileName);
    const auto i = static_cast<std::size_t>(line);
    return i < lines.size() ? lines[i] : std::string();
}

void ProgramUnderTest::QuickAnimation() {
    windows.Main().findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(1);
}

}  // namespace zolvane::gui::testing
