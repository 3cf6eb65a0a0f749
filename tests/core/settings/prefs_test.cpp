#include "settings/prefs.h"

#include <gtest/gtest.h>

#include "settings/lines_file.h"
#include "support/temp_dir.h"

#include <unistd.h>

namespace zolvane::settings {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

std::string CrLf(const std::vector<std::string>& lines) {
    return JoinLinesCrLf(lines);
}

TEST(SettingsLines, EveryLineEndEndsALineAndWritingUsesCrLf) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
    EXPECT_EQ(JoinLinesCrLf({"x", ""}), "x\r\n\r\n");
}

TEST(PrefsLoad, FullFileIsReadAndNotRewritten) {
    TempDir dir;
    std::vector<std::string> lines(22);
    for (int i = 0; i < 22; ++i) lines[i] = "v" + std::to_string(i);
    // LF endings: a file that is not rewritten keeps them.
    std::string content;
    for (auto& l : lines) content += l + "\n";
    WriteFileBytes(dir / "prefs.dat", content);
    Prefs prefs = Prefs::Load(dir.path());
    EXPECT_EQ(prefs.Lines(), lines);
    EXPECT_EQ(ReadFileBytes(dir / "prefs.dat"), content);
}

struct UpgradeCase {
    const char* name;
    std::vector<std::string> before;
    std::vector<std::string> after;
};

// Test names in ctest show the case name, not its bytes.
void PrintTo(const UpgradeCase& c, std::ostream* os) {
    *os << c.name;
}

class PrefsUpgrade : public ::testing::TestWithParam<UpgradeCase> {};

TEST_P(PrefsUpgrade, ShortFileIsCompletedAndWrittenBack) {
    const auto& c = GetParam();
    TempDir dir;
    WriteFileBytes(dir / "prefs.dat", CrLf(c.before));
    Prefs prefs = Prefs::Load(dir.path());
    EXPECT_EQ(prefs.Lines(), c.after);
    EXPECT_EQ(ReadFileBytes(dir / "prefs.dat"), CrLf(c.after));
}

const std::vector<std::string> kFixed = {"000000000", "000001", "1", "0", "0", "f",
                                         "f",         "0",      "0", "f", "0"};

std::vector<std::string> With(std::vector<std::string> head,
                              std::vector<std::string> tail = {"", ""}) {
    head.insert(head.end(), kFixed.begin(), kFixed.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrefsUpgrade,
    ::testing::Values(
        UpgradeCase{"SevenLinesMoveUp",
                    {"a", "b", "c", "d", "e", "f", "g"},
                    With({"a", "1", "b", "c", "d", "e", "f", "", "g"})},
        UpgradeCase{"Empty", {}, With({"", "1", "", "", "", "", "", "", ""})},
        UpgradeCase{"TwentyOneLinesKeepTheirHead",
                    {"l0", "0", "1", "0", "!", "l5", "101", "Acme", "Town", "123456", "42",
                     "3",  "1", "2", "t", "t", "1",  "4",   "t",    "2",    "777"},
                    With({"l0", "0", "1", "0", "!", "l5", "101", "Acme", "Town"}, {"777", ""})},
        UpgradeCase{"NineteenLinesAreNotMoved",
                    {"l0", "0", "1", "0", "/", "l5", "6", "7", "8", "9", "10", "11", "12", "13",
                     "14", "15", "16", "17", "18"},
                    With({"l0", "0", "1", "0", "/", "l5", "6", "7", "8"})},
        UpgradeCase{"EighteenLinesAreMoved",
                    {"l0", "1", "0", "/", "l4", "6", "7", "8", "9", "10", "11", "12", "13", "14",
                     "15", "16", "17", "18"},
                    With({"l0", "1", "1", "0", "/", "l4", "6", "8", "7"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrefsLoad, MissingFileIsReported) {
    TempDir dir;
    EXPECT_THROW(Prefs::Load(dir.path()), SettingsError);
}

TEST(PrefsLines, IntegerLinesReportWhenTheyHoldNoNumber) {
    Prefs prefs;
    prefs.Put(PrefLine::MailClass, "2");
    prefs.Put(PrefLine::ImbService, "");
    prefs.Put(PrefLine::AddressCorrection, "x1");
    prefs.Put(PrefLine::NextSerial, "000042");
    EXPECT_EQ(prefs.GetInt(PrefLine::MailClass), 2);
    EXPECT_EQ(prefs.GetInt(PrefLine::ImbService), std::nullopt);
    EXPECT_EQ(prefs.GetInt(PrefLine::AddressCorrection), std::nullopt);
    EXPECT_EQ(prefs.GetInt(PrefLine::NextSerial), 42);
}

TEST(PrefsSave, WritesEveryLineWithCrLfAndKeepsTheFileOnFailure) {
    TempDir dir;
    Prefs prefs;
    prefs.Put(PrefLine::FrameBar, "!");
    prefs.Save(dir.path());
    std::string saved = ReadFileBytes(dir / "prefs.dat");
    EXPECT_EQ(saved, CrLf({"", "", "", "", "!", "", "", "", "", "", "",
                           "", "", "", "", "",  "", "", "", "", "", ""}));
    // A folder that refuses new files: the save fails, the old file stays.
    std::filesystem::permissions(
        dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    prefs.Put(PrefLine::FrameBar, "#");
    bool refused = false;
    try {
        prefs.Save(dir.path());
    } catch (const SettingsError&) {
        refused = true;
    }
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_TRUE(refused);
        EXPECT_EQ(ReadFileBytes(dir / "prefs.dat"), saved);
    }
    EXPECT_EQ(prefs.Get(PrefLine::FrameBar), "#");
}

TEST(FontsLoad, SevenLinesGainAnEighthInMemoryOnly) {
    struct Case {
        std::size_t count;
        std::size_t loaded;
    };
    for (Case c : {Case{7, 8}, Case{6, 6}, Case{8, 8}, Case{9, 9}}) {
        TempDir dir;
        std::vector<std::string> lines(c.count, "12");
        WriteFileBytes(dir / "fonts.dat", CrLf(lines));
        FontsLines fonts = FontsLines::Load(dir.path());
        EXPECT_EQ(fonts.Count(), c.loaded) << c.count;
        if (c.count == 7) {
            EXPECT_EQ(fonts.Get(7), "0");
        }
        EXPECT_EQ(ReadFileBytes(dir / "fonts.dat"), CrLf(lines));
    }
}

}  // namespace
}  // namespace zolvane::settings
