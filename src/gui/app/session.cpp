#include "app/session.h"

#include <QCoreApplication>
#include <QFile>

#include "app/interaction.h"
#include "settings/lines_file.h"

namespace zolvane::gui::app {

using settings::PrefLine;

Session::Session(std::filesystem::path dataFolder, std::filesystem::path programFolder,
                 Interaction& interaction, CommandLine commandLine)
    : m_dataFolder(std::move(dataFolder)),
      m_programFolder(std::move(programFolder)),
      m_ui(interaction),
      m_commandLine(std::move(commandLine)) {}

void Session::LoadSettings() {
    auto loaded = settings::LoadSettings(m_dataFolder);
    m_prefs = std::move(loaded.prefs);
    m_fonts = std::move(loaded.fonts);
    m_loaded = true;
    if (m_storedOutputChoice) {
        m_storedOutputChoice = m_prefs.Get(PrefLine::BarcodeOutput);
        m_prefs.Put(PrefLine::BarcodeOutput, "0");
    }
}

std::string Session::SavePrefs() {
    try {
        if (m_storedOutputChoice) {
            settings::Prefs stored = m_prefs;
            stored.Put(PrefLine::BarcodeOutput, *m_storedOutputChoice);
            stored.Save(m_dataFolder);
        } else {
            m_prefs.Save(m_dataFolder);
        }
    } catch (const settings::SettingsError& e) {
        return e.what();
    }
    return {};
}

bool Session::SavePrefsOrReport(QWidget* parent) {
    const std::string error = SavePrefs();
    if (error.empty()) return true;
    m_ui.Message(parent, QString::fromLocal8Bit(error.c_str()), MessageIcon::Error, Beep::Error);
    return false;
}

void Session::AddBarcodesToListThisSession() {
    if (!m_storedOutputChoice) m_storedOutputChoice = m_prefs.Get(PrefLine::BarcodeOutput);
    m_prefs.Put(PrefLine::BarcodeOutput, "0");
}

QString Session::HelpPagePath(std::string_view page) const {
    return QFile::decodeName((m_programFolder / "Help" / page).string().c_str());
}

void Session::OpenHelp(std::string_view page) {
    m_ui.OpenHelpPage(HelpPagePath(page));
}

void Session::Terminate(int exitCode) {
    m_terminated = true;
    m_exitCode = exitCode;
    QCoreApplication::exit(exitCode);
}

}  // namespace zolvane::gui::app
