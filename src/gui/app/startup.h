#pragma once

// The program's start: the data folder is chosen, seeded and made current
// before any window exists; then every window is created and the splash
// screen loads the settings.

#include <filesystem>
#include <string>

class QApplication;
class QElapsedTimer;

namespace zolvane::gui::app {

class Interaction;

struct ProgramFolders {
    std::filesystem::path data;     // prefs.dat, fonts.dat, sample.txt
    std::filesystem::path program;  // the installed copies and the help pages
};

// The data folder seeded from the program folder when new, and made the
// current folder. Returns the message of what failed; empty on success.
std::string PrepareDataFolder(const ProgramFolders& folders);

// Runs the program to its end and returns its exit status. With the
// environment variable ZOLVANE_STARTUP_PROBE set, it prints how long the
// main window took to appear (from the launch time the variable holds, in
// nanoseconds since the epoch, or else from `launched`) and ends there.
int RunProgram(QApplication& app, Interaction& ui, const ProgramFolders& folders,
               const QElapsedTimer& launched);

}  // namespace zolvane::gui::app
