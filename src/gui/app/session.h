#pragma once

// What every window of one run of the program shares: the data and program
// folders, the settings in memory, the command line and the interaction
// seam. The windows are handed a Session; nothing here is global.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "app/command_line.h"
#include "settings/prefs.h"

class QWidget;

namespace zolvane::gui::app {

class Interaction;

class Session {
  public:
    Session(std::filesystem::path dataFolder, std::filesystem::path programFolder,
            Interaction& interaction, CommandLine commandLine = {});

    const std::filesystem::path& DataFolder() const { return m_dataFolder; }
    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }
    Interaction& Ui() { return m_ui; }
    const CommandLine& Arguments() const { return m_commandLine; }

    settings::Prefs& Prefs() { return m_prefs; }
    const settings::Prefs& Prefs() const { return m_prefs; }
    settings::FontsLines& Fonts() { return m_fonts; }

    // The settings load: the barcode tables, prefs.dat, fonts.dat, the unit
    // designators. Replaces what was loaded before. Throws
    // settings::SettingsError.
    void LoadSettings();
    bool SettingsLoaded() const { return m_loaded; }

    // Writes prefs.dat; returns the error message, empty when it was written.
    std::string SavePrefs();
    // The same, showing a failure in an error box; true when written.
    bool SavePrefsOrReport(QWidget* parent);

    // Command-line mode: barcodes go into the list itself for the rest of the
    // session, while prefs.dat keeps the choice it holds.
    void AddBarcodesToListThisSession();

    QString HelpPagePath(std::string_view page) const;
    void OpenHelp(std::string_view page);

    // Ends the program with this status once control is back in its event
    // loop (at once, when the loop is not running yet).
    void Terminate(int exitCode);
    bool Terminated() const { return m_terminated; }
    int ExitCode() const { return m_exitCode; }

  private:
    std::filesystem::path m_dataFolder;
    std::filesystem::path m_programFolder;
    Interaction& m_ui;
    CommandLine m_commandLine;
    settings::Prefs m_prefs;
    settings::FontsLines m_fonts;
    bool m_loaded = false;
    std::optional<std::string> m_storedOutputChoice;  // prefs line 2 as prefs.dat holds it
    bool m_terminated = false;
    int m_exitCode = 0;
};

}  // namespace zolvane::gui::app
