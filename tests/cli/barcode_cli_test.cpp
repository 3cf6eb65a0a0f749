// zolvane-cli barcode and settings, end to end on small lists of every kind.

#include <gtest/gtest.h>

#include <random>

#include "address/units.h"
#include "settings/lines_file.h"
#include "settings/prefs.h"
#include "support/dbase_builder.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"
#include "symbology/tracking.h"

namespace zolvane::testing {
namespace {

using settings::PrefLine;

std::string Postnet(const std::string& address, const std::string& zip9) {
    return address::Highrise(address, zip9, "/");
}

// First Class, Basic Service, no address correction, no Confirm: "300".
std::string Imb(const std::string& address, const std::string& zip9, const std::string& serial,
                const std::string& mailerId = "123456789") {
    symbology::ImbSettings s{mailerId, 0, 0, 0, false};
    auto dp = address::HighriseDeliveryPoint(address);
    return symbology::MakeIMB(zip9, address::AsText(dp), "", "n", serial, s).bars;
}

class BarcodeCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(RunCli({"settings", "mailer-id=123456789", "mail-class=first", "service=basic",
                          "address-correction=none", "confirm=no", "serial-option=auto",
                          "next-serial=000041", "frame-bar=/", "barcode-kind=postnet",
                          "output=into-list"},
                         data.path())
                      .status,
                  0);
    }
    std::string PrefsLine(PrefLine line) { return settings::Prefs::Load(data.path()).Get(line); }
    TempDir data;
    TempDir lists;
};

struct KindCase {
    const char* name;
    const char* file;
    std::string before;
    std::vector<std::string> args;  // options before the list
    std::string after;              // the list afterwards
    std::string barcodes;           // Barcode.txt, when made
};

// Test names in ctest show the case name, not its bytes.
void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.name;
}

class BarcodeKinds : public BarcodeCli, public ::testing::WithParamInterface<KindCase> {};

TEST_P(BarcodeKinds, RewritesTheList) {
    const KindCase& c = GetParam();
    WriteFileBytes(lists / c.file, c.before);
    std::vector<std::string> args = {"barcode"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.push_back((lists / c.file).string());
    CliRun run = RunCli(args, data.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(lists / c.file), c.after);
    if (!c.barcodes.empty()) {
        EXPECT_EQ(ReadFileBytes(lists / "Barcode.txt"), c.barcodes);
    }
    EXPECT_FALSE(std::filesystem::exists(lists / "zlvtemp.txt"));
}

const std::string kA = "12 Oak St Apt 5", kB = "PO Box 4567";
const std::string kZa = "973011234", kZb = "973020001";

INSTANTIATE_TEST_SUITE_P(
    Lists, BarcodeKinds,
    ::testing::Values(
        KindCase{"TabPostnet",
                 "tab.txt",
                 "Ann\t" + kA + "\t97301\t1234\nBo\t" + kB + "\t97302\t0001\n",
                 {},
                 "Ann\t" + kA + "\t97301\t1234\t" + Postnet(kA, kZa) + "\r\nBo\t" + kB +
                     "\t97302\t0001\t" + Postnet(kB, kZb) + "\r\n",
                 ""},
        KindCase{"CommaPlainImbWithSerials",
                 "comma.txt",
                 "Ann," + kA + "," + kZa + "\r\nBo," + kB + "," + kZb + "\r\n",
                 {"--imb"},
                 "Ann," + kA + "," + kZa + "," + Imb(kA, kZa, "000041") + ",000041\r\nBo," + kB +
                     "," + kZb + "," + Imb(kB, kZb, "000042") + ",000042\r\n",
                 ""},
        KindCase{
            "CommaQuotedPostnet",
            "quoted.txt",
            "\"Ann\",\"" + kA + "\",\"" + kZa + "\"\r\n\"Bo\",\"" + kB + "\",\"" + kZb + "\"\r\n",
            {},
            "\"Ann\",\"" + kA + "\",\"" + kZa + "\",\"" + Postnet(kA, kZa) + "\"\r\n\"Bo\",\"" +
                kB + "\",\"" + kZb + "\",\"" + Postnet(kB, kZb) + "\"\r\n",
            ""},
        KindCase{"MergeIntoItsBarcodeField",
                 "merge.txt",
                 "Name,Address,Zip,Zip4,Barcode\r\nAnn," + kA + ",97301,1234,old\r\nBo," + kB +
                     ", 97302 ,0001,\r\n",
                 {},
                 "Name,Address,Zip,Zip4,Barcode\r\nAnn," + kA + ",97301,1234," + Postnet(kA, kZa) +
                     "\r\nBo," + kB + ",97302,0001," + Postnet(kB, kZb) + "\r\n",
                 ""},
        KindCase{
            "BarImb",
            "bar.txt",
            "NAME|ADDRESS|ZIP|\r\nAnn|" + kA + "|" + kZa + "|\r\nBo|" + kB + "|" + kZb + "|\r\n",
            {"--imb", "--fields", "address=1,zip9=2"},
            "NAME|ADDRESS|ZIP|barcode|\r\nAnn|" + kA + "|" + kZa + "|" + Imb(kA, kZa, "000041") +
                "|000041|\r\nBo|" + kB + "|" + kZb + "|" + Imb(kB, kZb, "000042") + "|000042|\r\n",
            ""},
        KindCase{"MergeBarcodesOnly",
                 "only.txt",
                 "Name,Address,Zip\r\nAnn," + kA + "," + kZa + "\r\nBo," + kB + ",\r\n",
                 {"--barcodes-only"},
                 "Name,Address,Zip\r\nAnn," + kA + "," + kZa + "\r\nBo," + kB + ",\r\n",
                 "barcode\r\n\"" + Postnet(kA, kZa) + "\"\r\n\"\"\r\n"},
        KindCase{
            "TabImbBarcodesOnlyWithSerials",
            "only2.txt",
            "Ann\t" + kA + "\t" + kZa + "\r\nBo\t" + kB + "\t" + kZb + "\r\n",
            {"--imb", "--barcodes-only"},
            "Ann\t" + kA + "\t" + kZa + "\r\nBo\t" + kB + "\t" + kZb + "\r\n",
            Imb(kA, kZa, "000041") + "\t000041\r\n" + Imb(kB, kZb, "000042") + "\t000042\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BarcodeCli, SerialNumbersContinueAcrossRunsAndOverridesAreNotSaved) {
    const std::string list = "Ann\t" + kA + "\t" + kZa + "\r\nBo\t" + kB + "\t" + kZb + "\r\n";
    WriteFileBytes(lists / "l.txt", list);
    ASSERT_EQ(RunCli({"barcode", "--imb", (lists / "l.txt").string()}, data.path()).status, 0);
    EXPECT_EQ(PrefsLine(PrefLine::NextSerial), "43");
    EXPECT_EQ(PrefsLine(PrefLine::BarcodeKind), "1") << "--imb is for this run only";
    WriteFileBytes(lists / "l.txt", list);
    ASSERT_EQ(RunCli({"barcode", "--imb", (lists / "l.txt").string()}, data.path()).status, 0);
    EXPECT_NE(ReadFileBytes(lists / "l.txt").find("\t000043\r\n"), std::string::npos);
    EXPECT_EQ(PrefsLine(PrefLine::NextSerial), "45");
}

TEST_F(BarcodeCli, DbaseTable) {
    const std::string table = MakeDbase({{"ADDRESS", 20}, {"ZIP", 5}, {"ZIP4", 4}, {"BARCODE", 14}},
                                        {{kA, "97301", "1234", ""}, {kB, "97302", "", ""}});
    WriteFileBytes(lists / "t.dbf", table);
    CliRun run = RunCli({"barcode", (lists / "t.dbf").string()}, data.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "1 barcodes have been added to t.dbf.\n1 records had blank or improper zip codes and "
              "were skipped.\n");
    std::string expected = table;
    const std::size_t first = 32 + 4 * 32 + 1 + 1 + 29;
    expected.replace(first, 14, Postnet(kA, kZa));
    EXPECT_EQ(ReadFileBytes(lists / "t.dbf"), expected);
    EXPECT_FALSE(std::filesystem::exists(lists / "zlvtemp.dbf"));
}

TEST_F(BarcodeCli, FailuresLeaveTheListAlone) {
    struct Case {
        const char* name;
        std::string file;
        std::string bytes;
        std::vector<std::string> options;
        std::string message;
    };
    const Case cases[] = {
        {"FailingCheck", "l.txt", "Ann,Bo\r\nCy,Di\r\n", {}, "2-digit delivery point code"},
        {"FieldCountsDiffer", "l.txt", "a,b,c\r\na,b\r\n", {}, "cannot read this kind of file"},
        {"BlankFirstLine", "l.txt", "\r\nAnn,12 Oak St,973011234\r\n", {}, "blank lines"},
        {"NarrowDbaseField",
         "t.dbf",
         MakeDbase({{"ADDRESS", 20}, {"ZIP", 9}, {"BARCODE", 10}}, {{kA, kZa, ""}}),
         {},
         "too short"},
        {"TruncatedDbase",
         "t.dbf",
         MakeDbase({{"ADDRESS", 20}, {"ZIP", 9}}, {{kA, kZa}, {kB, kZb}}).substr(0, 120),
         {},
         "could not read t.dbf"},
        {"NoServiceTypeIdentifier",
         "l.txt",
         "Ann," + kA + "," + kZa + "\r\nBo," + kB + "," + kZb + "\r\n",
         {"--imb"},
         "service type identifier"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name) == "NoServiceTypeIdentifier") {
            // A hand-edited settings file: Periodical Class without address correction.
            auto prefs = settings::Prefs::Load(data.path());
            prefs.Put(PrefLine::MailClass, "2");
            prefs.Save(data.path());
        }
        WriteFileBytes(lists / c.file, c.bytes);
        std::vector<std::string> args = {"barcode"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back((lists / c.file).string());
        CliRun run = RunCli(args, data.path());
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(ReadFileBytes(lists / c.file), c.bytes);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(lists.path()), {}), 1);
        std::filesystem::remove(lists / c.file);
    }
}

TEST_F(BarcodeCli, BadOptions) {
    WriteFileBytes(lists / "l.txt", "a\t97301\r\nb\t97302\r\n");
    const std::string path = (lists / "l.txt").string();
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"barcode", "--imb", "--postnet", path},
                                               {"barcode", "--into-list", "--barcodes-only", path},
                                               {"barcode", "--fields", "zip=1", path},
                                               {"barcode", "--fields", "zip9=7", path},
                                               {"barcode", "--speed", path},
                                               {"barcode"}}) {
        CliRun run = RunCli(args, data.path());
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_EQ(ReadFileBytes(lists / "l.txt"), "a\t97301\r\nb\t97302\r\n");
}

TEST_F(BarcodeCli, SettingsAreCheckedLikeTheSetup) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{"settings", "mailer-id=12345"}, 2, "must be a 6-digit or 9-digit number"},
        {{"settings", "mailer-id=12345A"}, 2, "may only contain digits"},
        {{"settings", "next-serial=1000000"}, 2, "larger than 999,999"},
        {{"settings", "next-serial=0"}, 2, "cannot be 0"},
        {{"settings", "serial-option=fixed", "fixed-serial="}, 2, "fill in a number"},
        {{"settings", "mail-class=cargo"}, 2, "one of first, standard, periodical, bound-printed"},
        {{"settings", "frame-bar=//"}, 2, "single character"},
        {{"settings", "colour=red"}, 2, "unknown setting"},
        {{"settings", "mailer-id=123456", "next-serial=123456789"}, 0, ""},
    };
    for (const auto& c : cases) {
        const std::string before = ReadFileBytes(data / "prefs.dat");
        CliRun run = RunCli(c.args, data.path());
        EXPECT_EQ(run.status, c.status) << c.args[1];
        if (c.status != 0) {
            EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
            EXPECT_EQ(ReadFileBytes(data / "prefs.dat"), before);
        }
    }
    EXPECT_EQ(PrefsLine(PrefLine::MailerId), "123456");
    EXPECT_EQ(PrefsLine(PrefLine::NextSerial), "123456789");
    // The setup's own moves: Periodical Class has no "No Address Corrections",
    // Bound Printed no Confirm, Full Service no fixed serial.
    ASSERT_EQ(RunCli({"settings", "mail-class=periodical", "address-correction=none"}, data.path())
                  .status,
              0);
    EXPECT_EQ(PrefsLine(PrefLine::AddressCorrection), "1");
    ASSERT_EQ(RunCli({"settings", "mail-class=bound-printed", "confirm=yes"}, data.path()).status,
              0);
    EXPECT_EQ(PrefsLine(PrefLine::Confirm), "f");
    ASSERT_EQ(
        RunCli({"settings", "service=full", "serial-option=fixed", "fixed-serial=7"}, data.path())
            .status,
        0);
    EXPECT_EQ(PrefsLine(PrefLine::SerialOption), "0");
    CliRun shown = RunCli({"settings"}, data.path());
    EXPECT_NE(shown.out.find("mail-class=bound-printed"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("serial-option=auto"), std::string::npos);
}

// Whatever the file holds, the run either refuses it and leaves it byte for
// byte as it was, or completes; it never crashes.
TEST_F(BarcodeCli, MalformedFilesNeverCrashAndAreLeftAloneWhenRefused) {
    std::string binary;
    std::mt19937 rng(5);
    for (int i = 0; i < 5000; ++i) binary += static_cast<char>(rng());
    const std::string table =
        MakeDbase({{"ADDRESS", 20}, {"ZIP", 9}, {"BC", 14}}, {{kA, kZa, ""}, {kB, kZb, ""}});
    std::string hugeHeader = table;
    hugeHeader[8] = '\xFF';
    hugeHeader[9] = '\xFF';
    struct Case {
        const char* name;
        const char* file;
        std::string bytes;
    };
    const Case cases[] = {
        {"Empty", "e.txt", ""},
        {"Binary", "b.txt", binary},
        {"NulBytes", "n.txt", std::string("a\0b,c\r\nd\0,e\r\n", 12)},
        {"MegabyteLine", "m.txt",
         std::string(1 << 20, 'x') + ",97301\r\n" + std::string(1 << 20, 'y') + ",97302\r\n"},
        {"UnclosedQuote", "q.txt", "\"Ann,12 Oak St,973011234\r\n\"Bo,9 Elm St,973020001\r\n"},
        {"OnlyLineEnds", "l.txt", "\r\n\r\n\n\r"},
        {"TruncatedDbase", "t.dbf", table.substr(0, table.size() - 30)},
        {"DbaseHeaderOnly", "h.dbf", table.substr(0, 20)},
        {"DbaseHeaderLongerThanFile", "x.dbf", hugeHeader},
        {"BinaryDbase", "r.dbf", binary},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(lists / c.file, c.bytes);
        CliRun run = RunCli({"barcode", (lists / c.file).string()}, data.path());
        EXPECT_TRUE(run.status == 0 || run.status == 1) << run.status << run.err;
        if (run.status != 0) {
            EXPECT_EQ(ReadFileBytes(lists / c.file), c.bytes);
        }
        EXPECT_FALSE(std::filesystem::exists(lists / "zlvtemp.txt"));
        EXPECT_FALSE(std::filesystem::exists(lists / "zlvtemp.dbf"));
    }
}

TEST(ShippedSample, IsBarcodedByTheFirstCommand) {
    TempDir data, lists;
    std::filesystem::copy_file(std::filesystem::path(ZOLVANE_SOURCE_DATA) / "sample.txt",
                               lists / "sample.txt");
    CliRun run = RunCli({"barcode", (lists / "sample.txt").string()}, data.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20 barcodes have been added to sample.txt.\n");
    auto lines = settings::SplitLines(ReadFileBytes(lists / "sample.txt"));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "Name,Company,Address,City,State,Zip,Zip4,barcode");
}

}  // namespace
}  // namespace zolvane::testing
