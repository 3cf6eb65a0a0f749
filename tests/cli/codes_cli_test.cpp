// zolvane-cli imb, postnet and dp, driven as a script would.

#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace zolvane::testing {
namespace {

constexpr const char* kTracking = "01234567094987654321";
constexpr const char* kBarsNoRouting =
    "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT";
constexpr const char* kBars11 = "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA";

struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
    int errLines;  // lines on stderr
};

// Test names in ctest show the case name, not its bytes.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class CliCommand : public ::testing::TestWithParam<Case> {};

TEST_P(CliCommand, PrintsOneLinePerInput) {
    const Case& c = GetParam();
    TempDir data;
    CliRun run = RunCli(c.args, data.path(), c.input);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), c.errLines) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliCommand,
    ::testing::Values(
        Case{"ImbWithoutRouting", {"imb", kTracking}, "", 0, std::string(kBarsNoRouting) + "\n", 0},
        Case{"ImbWithRouting",
             {"imb", kTracking, "01234567891"},
             "",
             0,
             std::string(kBars11) + "\n",
             0},
        Case{"ImbTooShort", {"imb", "0123"}, "", 2, "", 1},
        Case{"ImbSecondDigitAbove4", {"imb", "05234567094987654321"}, "", 2, "", 1},
        Case{"ImbRoutingNotDigits", {"imb", kTracking, "0123A"}, "", 2, "", 1},
        Case{"ImbStdin",
             {"imb", "-"},
             std::string(kTracking) + "\n0123\n" + kTracking + " 01234567891\r\n",
             2,
             std::string(kBarsNoRouting) + "\n\n" + kBars11 + "\n",
             1},
        Case{"PostnetFrameFromSettings", {"postnet", "12345678923"}, "", 0, "/123456789230/\n", 0},
        Case{"PostnetNoFrame",
             {"postnet", "--frame", "", "12345678923"},
             "",
             0,
             "123456789230\n",
             0},
        Case{"PostnetOtherFrame",
             {"postnet", "--frame=!", "00000000099"},
             "",
             0,
             "!000000000992!\n",
             0},
        Case{"PostnetNotDigits", {"postnet", "1234x"}, "", 2, "", 1},
        Case{"PostnetStdin",
             {"postnet", "-"},
             "12345678999\n\n12345\n",
             2,
             "/123456789997/\n\n/123455/\n",
             1},
        Case{"DpUnit", {"dp", "123 Main St Apt 5", "123456789"}, "", 0, "/123456789050/\n", 0},
        Case{"DpPrimary",
             {"dp", "--primary", "123 Main St Apt 5", "123456789"},
             "",
             0,
             "/123456789230/\n",
             0},
        Case{"DpBadZip", {"dp", "123 Main St", "12345-6789"}, "", 2, "", 1},
        Case{"DpStdin",
             {"dp", "-"},
             "PO Box 4567\t123456789\nno tab here\n456 OFFICE PARK DR STE 100\t123456789\n",
             2,
             "/123456789672/\n\n/123456789258/\n",
             1},
        Case{"UnknownCommand", {"frobnicate"}, "", 2, "", 1},
        Case{"UnknownOption", {"imb", "--fast", kTracking}, "", 2, "", 1},
        Case{"MissingArgument", {"dp", "123 Main St"}, "", 2, "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliHelp, ExplainsEveryCommand) {
    TempDir data;
    CliRun run = RunCli({"--help"}, data.path());
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"imb TRACKING", "postnet", "dp", "barcode", "settings", "--fields"})
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    EXPECT_EQ(RunCli({}, data.path()).status, 2);
}

TEST(CliSettings, FrameBarComesFromTheDataFolder) {
    TempDir data;
    ASSERT_EQ(RunCli({"settings", "frame-bar=!"}, data.path()).status, 0);
    EXPECT_EQ(RunCli({"postnet", "12345678923"}, data.path()).out, "!123456789230!\n");
}

}  // namespace
}  // namespace zolvane::testing
