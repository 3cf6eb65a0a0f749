// The real program under a real X server: started with a list and NOSTOP,
// it shows the preferences after its splash screen, takes the Enter key
// there, barcodes the list and ends by itself.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using zolvane::testing::ReadFileBytes;

std::string Quoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

TEST(CommandLineUnderX, EnterOnThePreferencesBarcodesTheListAndTheProgramEnds) {
    if (std::string(ZOLVANE_X11_DRIVER).empty())
        GTEST_SKIP() << "built without the XTest headers (Debian package libxtst-dev)";
    if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xvfb-run is not installed (Debian package xvfb)";

    zolvane::testing::TempDir temp;
    const fs::path list = temp / "members.txt";
    fs::copy_file(fs::path(ZOLVANE_GUI_FIXTURES) / "merge.txt", list);
    const fs::path log = temp / "log.txt";
    const std::string command =
        "env -u QT_QPA_PLATFORM ZOLVANE_DATA_DIR=" + Quoted((temp / "data").string()) +
        " LSAN_OPTIONS=" + Quoted(std::string("suppressions=") + ZOLVANE_LSAN_SUPPRESSIONS) +
        " xvfb-run -a -s '-screen 0 1024x768x24' " + Quoted(ZOLVANE_X11_DRIVER) +
        " Preferences Return 60 -- " + Quoted(ZOLVANE_GUI_PROGRAM) + " " + Quoted(list.string()) +
        " NOSTOP >" + Quoted(log.string()) + " 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << ReadFileBytes(log);
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadFileBytes(log);
    EXPECT_EQ(ReadFileBytes(list),
              ReadFileBytes(fs::path(ZOLVANE_GUI_FIXTURES) / "merge_postnet.txt"))
        << ReadFileBytes(log);
}

}  // namespace
