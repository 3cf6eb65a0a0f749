// Pictures of the program's windows as the X server shows them, for
// tools/screenshots.sh: the main window at rest and during a run, the splash
// screen, the preferences, the intelligent setup and both identification
// dialogs on a sample list.

#include <cstdio>
#include <filesystem>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include "app/imb_setup_dlog.h"
#include "app/look.h"
#include "app/main_window.h"
#include "app/pref_dlog.h"
#include "app/program_windows.h"
#include "app/qt_interaction.h"
#include "app/session.h"
#include "app/welcome_dlog.h"
#include "lists/field_guess.h"
#include "lists/identify.h"
#include "lists/source.h"
#include "lists/verify_dlog.h"
#include "lists/verify_imb_dlog.h"
#include "settings/data_folder.h"

namespace {

namespace fs = std::filesystem;
using namespace zolvane;
using settings::PrefLine;

void Settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Grab(QWidget& window, const QString& folder, const char* name) {
    window.show();
    window.raise();
    Settle(400);
    QScreen* screen = window.screen() ? window.screen() : QApplication::primaryScreen();
    const QPixmap picture = screen->grabWindow(window.winId());
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    const bool saved = !picture.isNull() && picture.save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", path.toLocal8Bit().constData());
    return saved;
}

bool GrabIdentification(gui::app::Session& session, gui::lists::FieldIdDialog& dialog,
                        const fs::path& list, const QString& folder, const char* name) {
    auto opened = lists::OpenMailingList(list);
    if (!opened.source) return false;
    const auto guess = lists::GuessFields(*opened.source, session.Prefs());
    dialog.Prepare(*opened.source);
    dialog.SetMemoLines(lists::TransferMemoLines(*opened.source, guess, dialog.IsIntelligent()));
    const bool ok = Grab(dialog, folder, name);
    dialog.reject();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gui::app::ApplyProgramLook(app);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    QTemporaryDir temp;
    const fs::path data = fs::path(temp.path().toStdString()) / "data";
    const fs::path program = settings::FindProgramFolder(settings::ExecutableFolder());
    settings::SeedDataFolder(data, program);
    const fs::path list = fs::path(temp.path().toStdString()) / "members.txt";
    fs::copy_file(fs::path(ZOLVANE_GUI_FIXTURES) / "merge.txt", list);

    gui::app::QtInteraction ui;
    gui::app::Session session(data, program, ui);
    session.LoadSettings();
    gui::app::ProgramWindows windows(session);
    bool ok = true;

    auto& main = windows.Main();
    main.show();
    gui::app::CentreOnScreen(main);
    ok &= Grab(main, folder, "main-window.png");
    main.findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(1);
    main.RunStarted(QStringLiteral("members.txt"));
    main.ShowStage(2);
    ok &= Grab(main, folder, "main-window-run.png");
    main.RunEnded();
    main.Rest();

    ok &= Grab(windows.Welcome(), folder, "splash.png");
    windows.Welcome().hide();

    windows.Prefs().Load(session.Prefs());
    ok &= Grab(windows.Prefs(), folder, "preferences.png");
    windows.Prefs().reject();

    session.Prefs().Put(PrefLine::MailerId, "123456789");
    windows.ImbSetup().Load(session.Prefs());
    ok &= Grab(windows.ImbSetup(), folder, "imb-setup.png");
    windows.ImbSetup().reject();

    ok &= GrabIdentification(session, windows.Verify(), list, folder, "identification-postnet.png");
    session.Prefs().Put(PrefLine::BarcodeKind, "0");
    session.Prefs().Put(PrefLine::Oels, "t");
    ok &= GrabIdentification(session, windows.VerifyImb(), list, folder, "identification-imb.png");
    return ok ? 0 : 1;
}
