#include "app/startup.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include "app/command_line.h"
#include "app/interaction.h"
#include "app/look.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/session.h"
#include "settings/data_folder.h"
#include "settings/lines_file.h"
#include "text/bytes.h"

namespace zolvane::gui::app {

namespace {

// Reports the time from launch to the main window's first appearance on
// screen, then ends the program.
class StartupProbe : public QObject {
  public:
    StartupProbe(Session& session, const QElapsedTimer& launched, const char* launchNs)
        : m_session(session), m_launched(launched) {
        if (auto ns = text::ParseInteger(launchNs ? launchNs : "")) m_launchNs = *ns;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !m_reported) {
            auto* window = static_cast<QWindow*>(watched);
            if (window->isExposed()) {
                m_reported = true;
                // Once this expose has been painted.
                QTimer::singleShot(0, this, [this] { Report(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Report() {
        double ms = static_cast<double>(m_launched.nsecsElapsed()) / 1e6;
        if (m_launchNs > 0) {
            const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
            ms = static_cast<double>(now - m_launchNs) / 1e6;
        }
        std::printf("startup-ms %.1f\n", ms);
        std::fflush(stdout);
        m_session.Terminate(0);
    }

    Session& m_session;
    const QElapsedTimer& m_launched;
    std::int64_t m_launchNs = 0;
    bool m_reported = false;
};

}  // namespace

std::string PrepareDataFolder(const ProgramFolders& folders) {
    try {
        settings::SeedDataFolder(folders.data, folders.program);
    } catch (const settings::SettingsError& e) {
        return e.what();
    }
    if (!QDir::setCurrent(QString::fromLocal8Bit(folders.data.string().c_str())))
        return "Zolvane could not open its data folder " + folders.data.string() + ".";
    return {};
}

int RunProgram(QApplication& app, Interaction& ui, const ProgramFolders& folders,
               const QElapsedTimer& launched) {
    if (const std::string error = PrepareDataFolder(folders); !error.empty()) {
        ui.Message(nullptr, ShownText(error), MessageIcon::Error, Beep::Error);
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("Zolvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zolvane"));
    ApplyProgramLook(app);

    Session session(folders.data, folders.program, ui,
                    CommandLine::FromArguments(QCoreApplication::arguments()));
    ProgramWindows windows(session);
    std::unique_ptr<StartupProbe> probe;
    if (const char* launchNs = std::getenv("ZOLVANE_STARTUP_PROBE")) {
        probe = std::make_unique<StartupProbe>(session, launched, launchNs);
        windows.Main().winId();
        windows.Main().windowHandle()->installEventFilter(probe.get());
    }
    windows.Show();
    if (session.Terminated()) return session.ExitCode();
    const int status = app.exec();
    return session.Terminated() ? session.ExitCode() : status;
}

}  // namespace zolvane::gui::app
