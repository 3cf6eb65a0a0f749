#pragma once

// The desktop program as a test runs it: a data folder of its own, seeded
// like a fresh installation, the settings loaded, every window created (not
// yet shown) and the scripted interaction in place of Qt's dialogs.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/program_windows.h"
#include "app/session.h"
#include "settings/prefs.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zolvane::gui::testing {

using PrefEdits = std::vector<std::pair<settings::PrefLine, std::string>>;

class ProgramUnderTest {
  public:
    explicit ProgramUnderTest(const PrefEdits& edits = {}, std::vector<std::string> arguments = {});
    ~ProgramUnderTest();

    // A copy of the fixture file in the test's own folder.
    std::filesystem::path CopyFixture(const std::string& name, const std::string& as = {});
    std::filesystem::path WriteList(const std::string& name, std::string_view bytes);

    std::string PrefsFileBytes() const;
    // prefs.dat's line as it stands on disk.
    std::string PrefOnDisk(settings::PrefLine line) const;
    // Makes the run's animation wait a millisecond per stage instead of half
    // a second.
    void QuickAnimation();

    zolvane::testing::TempDir temp;
    std::filesystem::path dataFolder;
    ScriptedInteraction ui;
    app::Session session;
    app::ProgramWindows windows;
};

std::filesystem::path FixturePath(const std::string& name);

}  // namespace zolvane::gui::testing
