#include "settings/data_folder.h"

#include <gtest/gtest.h>

#include <map>

#include "settings/lines_file.h"
#include "settings/prefs.h"
#include "support/temp_dir.h"

namespace zolvane::settings {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(DataFolder, WindowsRule) {
    EXPECT_EQ(WindowsDataFolder("C:\\Program Files\\Zolvane\\", 5), "C:\\Program Files\\Zolvane\\");
    EXPECT_EQ(WindowsDataFolder("D:\\Apps\\Zolvane\\", 6),
              "D:\\Users\\Public\\Documents\\Zolvane\\");
    EXPECT_EQ(WindowsDataFolder("C:\\Zolvane\\", 10), "C:\\Users\\Public\\Documents\\Zolvane\\");
}

TEST(DataFolder, EnvironmentDecidesElsewhere) {
    using Env = std::map<std::string, std::string>;
    auto folder = [](Env env) {
        return DefaultDataFolder([&](const char* name) -> std::optional<std::string> {
            auto it = env.find(name);
            if (it == env.end()) return std::nullopt;
            return it->second;
        });
    };
    EXPECT_EQ(folder({{"ZOLVANE_DATA_DIR", "/srv/z"}, {"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}}),
              "/srv/z");
    EXPECT_EQ(folder({{"ZOLVANE_DATA_DIR", ""}, {"XDG_DATA_HOME", "/x"}, {"HOME", "/h"}}),
              "/x/Zolvane");
    EXPECT_EQ(folder({{"HOME", "/h"}}), "/h/.local/share/Zolvane");
}

class Seeding : public ::testing::Test {
  protected:
    void Install(bool withSample) {
        std::filesystem::create_directories(program);
        WriteFileBytes(program / "fonts.dat", "f0\nArial\n12\n14\n9\n9\n10\n1\n");
        WriteFileBytes(program / "prefs.dat", "p0\n1\n0\n0\n/\n");
        if (withSample) WriteFileBytes(program / "sample.txt", "Name,Zip\rAnn,12345");
    }
    TempDir root;
    std::filesystem::path program = root / "program";
    std::filesystem::path data = root / "home" / "share" / "Zolvane";
};

TEST_F(Seeding, FreshFolderIsCreatedAndFilledWithCrLfCopies) {
    Install(true);
    EXPECT_TRUE(SeedDataFolder(data, program));
    EXPECT_EQ(ReadFileBytes(data / "fonts.dat"),
              "f0\r\nArial\r\n12\r\n14\r\n9\r\n9\r\n10\r\n1\r\n");
    EXPECT_EQ(ReadFileBytes(data / "prefs.dat"), "p0\r\n1\r\n0\r\n0\r\n/\r\n");
    EXPECT_EQ(ReadFileBytes(data / "sample.txt"), "Name,Zip\r\nAnn,12345\r\n");
}

TEST_F(Seeding, SampleIsCopiedOnlyWhenInstalled) {
    Install(false);
    EXPECT_TRUE(SeedDataFolder(data, program));
    EXPECT_TRUE(std::filesystem::exists(data / "prefs.dat"));
    EXPECT_FALSE(std::filesystem::exists(data / "sample.txt"));
}

TEST_F(Seeding, FontsFileDecidesEvenWhenPrefsIsMissing) {
    Install(true);
    std::filesystem::create_directories(data);
    WriteFileBytes(data / "fonts.dat", "mine\n");
    EXPECT_FALSE(SeedDataFolder(data, program));
    EXPECT_EQ(ReadFileBytes(data / "fonts.dat"), "mine\n");
    EXPECT_FALSE(std::filesystem::exists(data / "prefs.dat"));
    EXPECT_FALSE(std::filesystem::exists(data / "sample.txt"));
}

TEST_F(Seeding, MissingInstalledCopyStopsWithAMessageAndSeedsNothing) {
    Install(true);
    std::filesystem::remove(program / "prefs.dat");
    EXPECT_THROW(SeedDataFolder(data, program), SettingsError);
    EXPECT_FALSE(std::filesystem::exists(data / "fonts.dat"));
}

TEST(ShippedData, InstalledCopiesMakeASensibleFirstRun) {
    TempDir dir;
    ASSERT_TRUE(SeedDataFolder(dir.path(), ZOLVANE_SOURCE_DATA));
    Prefs prefs = Prefs::Load(dir.path());
    EXPECT_EQ(prefs.Lines().size(), 22u) << "the shipped prefs.dat needs no upgrade";
    for (PrefLine line :
         {PrefLine::BarcodeKind, PrefLine::BarcodeOutput, PrefLine::BarcodesOnlyName}) {
        auto v = prefs.GetInt(line);
        ASSERT_TRUE(v.has_value());
        EXPECT_TRUE(*v == 0 || *v == 1);
    }
    EXPECT_EQ(prefs.Get(PrefLine::FrameBar).size(), 1u);
    EXPECT_TRUE(prefs.GetInt(PrefLine::TagMailType).has_value());
    FontsLines fonts = FontsLines::Load(dir.path());
    EXPECT_EQ(fonts.Count(), 8u);
    EXPECT_FALSE(ReadFileBytes(dir / "sample.txt").empty());
}

}  // namespace
}  // namespace zolvane::settings
