// Start-up: the data folder, the splash screen with its timer and its About
// mode, and the main window at rest with its menu.

#include <gtest/gtest.h>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "app/startup.h"
#include "app/welcome_dlog.h"
#include "settings/lines_file.h"
#include "support/program_under_test.h"
#include "support/widgets.h"

namespace zolvane::gui::testing {
namespace {

using settings::PrefLine;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(StartUp, AFreshDataFolderIsSeededAndMadeCurrent) {
    zolvane::testing::TempDir temp;
    const fs::path data = temp / "Zolvane";
    EXPECT_EQ(app::PrepareDataFolder({data, ZOLVANE_PROGRAM_FOLDER}), "");
    for (const char* name : {"prefs.dat", "fonts.dat", "sample.txt"})
        EXPECT_TRUE(fs::exists(data / name)) << name;
    EXPECT_EQ(fs::canonical(QDir::currentPath().toStdString()), fs::canonical(data));
    QDir::setCurrent(QDir::tempPath());
}

// A data folder that cannot be made, or installed copies that are missing,
// end the program with an error box and a failing status.
TEST(StartUp, ADataFolderThatCannotBeSeededStopsTheProgram) {
    zolvane::testing::TempDir temp;
    zolvane::testing::WriteFileBytes(temp / "file", "not a folder");
    struct Case {
        fs::path data;
        fs::path program;
        std::string message;
    };
    const Case cases[] = {
        {temp / "file" / "Zolvane", ZOLVANE_PROGRAM_FOLDER,
         "Zolvane could not create its data folder " + (temp / "file" / "Zolvane").string() + "."},
        {temp / "data", temp / "empty",
         "Zolvane could not find its installed file " + (temp / "empty" / "fonts.dat").string() +
             "."},
    };
    for (const Case& c : cases) {
        ScriptedInteraction ui;
        QElapsedTimer launched;
        launched.start();
        EXPECT_EQ(app::RunProgram(*qApp, ui, {c.data, c.program}, launched), 1);
        EXPECT_EQ(ui.Shown(), Lines{"error, error beep: " + c.message});
    }
}

TEST(StartUp, TheMainWindowAtRest) {
    ProgramUnderTest program;
    app::TMainWindow& main = program.windows.Main();
    main.show();
    EXPECT_EQ(main.windowTitle(), "Zolvane");
    QWidget* client = main.centralWidget();
    EXPECT_EQ(client->size(), QSize(472, 249));
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(0, 128, 128));
    EXPECT_EQ(Text(main, "TopLabel"), "Calculating Barcodes For");
    for (const char* name : {"TopLabel", "BottomLabel", "Image1", "Image2"})
        EXPECT_FALSE(Visible(main, name)) << name;
    EXPECT_EQ(Find<QWidget>(main, "Image1").size(), QSize(100, 100));
    EXPECT_EQ(Find<QWidget>(main, "Image2").size(), QSize(200, 200));
    auto& timer = Find<QTimer>(main, "Timer1");
    EXPECT_EQ(timer.interval(), 500);
    EXPECT_FALSE(timer.isActive());
}

// Each menu, its items in order: the caption, the shortcut, whether the
// command is available yet; "-" a separator, "> " a submenu.
TEST(StartUp, TheMenuAsListed) {
    ProgramUnderTest program;
    std::vector<Lines> menus;
    std::function<void(QMenu&, Lines&, const std::string&)> list = [&](QMenu& menu, Lines& out,
                                                                       const std::string& indent) {
        for (QAction* a : menu.actions()) {
            if (a->isSeparator()) {
                out.push_back(indent + "-");
            } else if (a->menu()) {
                out.push_back(indent + "> " + a->text().toStdString());
                list(*a->menu(), out, indent + "  ");
            } else {
                std::string line = indent + a->text().toStdString();
                if (!a->shortcut().isEmpty())
                    line += " [" + a->shortcut().toString().toStdString() + "]";
                if (!a->isEnabled()) line += " (later)";
                out.push_back(line);
            }
        }
    };
    for (QAction* top : program.windows.Main().menuBar()->actions()) {
        Lines items{top->text().toStdString()};
        list(*top->menu(), items, "  ");
        menus.push_back(items);
    }
    const std::vector<Lines> expected = {
        {"File", "  Printer Setup", "  -", "  E&xit [Ctrl+E]"},
        {"Barcodes for Addresses", "  Add Barcodes to a File of Addresses",
         "  Create a Single Reply Mail Barcode (later)"},
        {"Barcoded Tray/Sack Tags", "  Create and Print Traditional Tags (later)",
         "  Create and Print Intelligent Tags (later)", "  Set Tag Size and Fonts (later)"},
        {"Instructions/Help", "  Table of Contents", "  > Step-by-Step", "    For Access Files",
         "    For Act! FIles", "    For Ascii, Csv, Mail Merge or Other Text Files ",
         "    For dBase Files", "    For Excel Worksheets", "    For Filemaker Pro Files",
         "    For Other File Types", "  -", "  About"},
    };
    EXPECT_EQ(menus, expected);
}

TEST(StartUp, HelpCommandsOpenTheirPagesFromTheProgramFolder) {
    ProgramUnderTest program;
    const std::pair<const char*, const char*> commands[] = {
        {"TableofContents1", "contents.html"},
        {"ForAccessFiles1", "access.html"},
        {"ForActFIles1", "act.html"},
        {"ForAsciiCsvMailMergeorOtherTextFiles1", "ascii.html"},
        {"FordBaseFiles1", "dbase.html"},
        {"ForExcelWorksheets1", "excel.html"},
        {"ForFilemakerProFiles1", "fmp.html"},
        {"ForOtherFileTypes1", "othersoft.html"},
    };
    Lines expected;
    for (const auto& [action, page] : commands) {
        Find<QAction>(program.windows.Main(), action).trigger();
        const fs::path path = fs::path(ZOLVANE_PROGRAM_FOLDER) / "Help" / page;
        expected.push_back("help: " + path.string());
        EXPECT_TRUE(fs::exists(path)) << path;
    }
    EXPECT_EQ(program.ui.Shown(), expected);
}

TEST(StartUp, PrinterSetupAndExit) {
    ProgramUnderTest program;
    app::TMainWindow& main = program.windows.Main();
    Find<QAction>(main, "PrinterSetup1").trigger();
    EXPECT_EQ(program.ui.Shown(), Lines{"printer setup"});
    EXPECT_FALSE(program.session.Terminated());
    Find<QAction>(main, "Exit1").trigger();
    EXPECT_TRUE(program.session.Terminated());
    EXPECT_EQ(program.session.ExitCode(), 0);
}

TEST(StartUp, ClosingTheMainWindowEndsTheProgramExceptDuringARun) {
    ProgramUnderTest program;
    app::TMainWindow& main = program.windows.Main();
    main.show();
    main.RunStarted("list.txt");
    EXPECT_FALSE(main.close());
    EXPECT_FALSE(program.session.Terminated());
    EXPECT_FALSE(main.menuBar()->isEnabled());
    EXPECT_FALSE(Find<QAction>(main, "Exit1").isEnabled());
    EXPECT_FALSE(Find<QAction>(main, "AddBarcodestoaFile1").isEnabled());
    main.RunEnded();
    EXPECT_TRUE(Find<QAction>(main, "Exit1").isEnabled());
    EXPECT_FALSE(Find<QAction>(main, "SetTagSizeandFonts1").isEnabled());
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(program.session.Terminated());
}

// The splash screen: borderless, white, 221 x 203, with its version line; the
// first showing loads the settings and starts the 3-second timer, which
// hides it. A click or a key hides it sooner.
TEST(Splash, StartUpModeAndItsTimer) {
    ProgramUnderTest program;
    program.windows.Show();
    app::TWelcomeDlog& splash = program.windows.Welcome();
    ASSERT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.size(), QSize(221, 203));
    EXPECT_EQ(splash.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(Text(splash, "VersionLabel"), "Version 3.4.3 - Updated 1/22/12");
    EXPECT_FALSE(Visible(splash, "OKBtn"));
    EXPECT_TRUE(program.windows.Main().isVisible());
    auto& timer = Find<QTimer>(splash, "Timer1");
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 3000);

    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(timer.isActive());
    timer.start(1);
    EXPECT_TRUE(WaitUntil([&] { return !timer.isActive(); }));
    EXPECT_FALSE(splash.isVisible());
    // Started without a list: nothing more happens.
    EXPECT_TRUE(program.ui.Shown().empty());
    EXPECT_FALSE(program.session.Terminated());
}

TEST(Splash, AboutModeReloadsTheSettingsAndWaitsForTheUser) {
    ProgramUnderTest program;
    app::TWelcomeDlog& splash = program.windows.Welcome();
    // prefs.dat changed on disk since the start.
    auto lines = settings::ReadLinesFile(program.dataFolder / "prefs.dat");
    lines[static_cast<std::size_t>(PrefLine::MailerId)] = "987654";
    settings::WriteLinesFile(program.dataFolder / "prefs.dat", lines);

    Find<QAction>(program.windows.Main(), "About1").trigger();
    ASSERT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.IsAbout());
    EXPECT_TRUE(Visible(splash, "OKBtn"));
    EXPECT_FALSE(Find<QTimer>(splash, "Timer1").isActive());
    EXPECT_EQ(program.session.Prefs().Get(PrefLine::MailerId), "987654");
    QTest::keyClick(&splash, Qt::Key_A);
    EXPECT_FALSE(splash.isVisible());

    Find<QAction>(program.windows.Main(), "About1").trigger();
    ASSERT_TRUE(splash.isVisible());
    Click(splash, "OKBtn");
    EXPECT_FALSE(splash.isVisible());
}

TEST(Splash, UnreadableSettingsEndTheStart) {
    ProgramUnderTest program;
    fs::remove(program.dataFolder / "prefs.dat");
    program.windows.Show();
    ASSERT_EQ(program.ui.Shown().size(), 1u);
    EXPECT_EQ(program.ui.Shown()[0].rfind("error, error beep: ", 0), 0u) << program.ui.Shown()[0];
    EXPECT_TRUE(program.session.Terminated());
    EXPECT_EQ(program.session.ExitCode(), 1);
}

}  // namespace
}  // namespace zolvane::gui::testing
