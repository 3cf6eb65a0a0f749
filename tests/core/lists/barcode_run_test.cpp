#include "lists/barcode_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "lists/source.h"
#include "settings/prefs.h"
#include "support/dbase_builder.h"
#include "support/temp_dir.h"
#include "symbology/tracking.h"

namespace zolvane::lists {
namespace {

using settings::PrefLine;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

settings::Prefs Postnet() {
    settings::Prefs p;
    p.Put(PrefLine::BarcodeKind, "1");
    p.Put(PrefLine::BarcodeOutput, "0");
    p.Put(PrefLine::FrameBar, "/");
    return p;
}

settings::Prefs Imb(const char* mailerId, const char* nextSerial, const char* serialOption = "0") {
    settings::Prefs p = Postnet();
    p.Put(PrefLine::BarcodeKind, "0");
    p.Put(PrefLine::MailerId, mailerId);
    p.Put(PrefLine::NextSerial, nextSerial);
    p.Put(PrefLine::MailClass, "0");
    p.Put(PrefLine::ImbService, "1");
    p.Put(PrefLine::AddressCorrection, "0");
    p.Put(PrefLine::Confirm, "f");
    p.Put(PrefLine::SerialOption, serialOption);
    return p;
}

FieldAssignment Fields(int address, int zip5, int zip4, int zip9, int barcode, int dp, int oel = -1,
                       int serial = -1) {
    return {address, zip5, zip4, zip9, barcode, dp, oel, serial};
}

std::string Imb(const std::string& zip9, const std::string& dp, const std::string& serial,
                const char* mailerId) {
    symbology::ImbSettings s{mailerId, 0, 1, 0, false};
    return symbology::MakeIMB(zip9, dp, "", "n", serial, s).bars;
}

struct RunOutcome {
    RunResult result;
    std::string list;  // the list's bytes afterwards
    std::optional<std::int64_t> savedSerial;
};

class BarcodeRun : public ::testing::Test {
  protected:
    RunOutcome RunOn(const std::string& name, const std::string& bytes,
                     const FieldAssignment& fields, const settings::Prefs& prefs,
                     RunOutput output = {}, RunHooks hooks = {}) {
        WriteFileBytes(dir / name, bytes);
        auto opened = OpenMailingList(dir / name);
        EXPECT_TRUE(opened.source) << name;
        RunOutcome run;
        if (!opened.source) return run;
        hooks.saveNextSerial = [&](std::int64_t next) {
            run.savedSerial = next;
            return std::string();
        };
        run.result = RunBarcodes(*opened.source, fields, prefs, output, hooks);
        run.list = ReadFileBytes(dir / name);
        return run;
    }
    std::vector<std::string> Files() {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    TempDir dir;
};

TEST_F(BarcodeRun, PostnetSummaryCountsSkippedZips) {
    std::string list;
    for (int i = 0; i < 10; ++i)
        list +=
            "Name" + std::to_string(i) + "\t" + (i == 3 || i == 7 ? "" : "123456789") + "\t23\r\n";
    RunOutcome run = RunOn("list.txt", list, Fields(-1, -1, -1, 1, -1, 2), Postnet());
    ASSERT_TRUE(run.result.completed);
    EXPECT_EQ(run.result.summary,
              "8 barcodes have been added to list.txt.\r2 records had blank or improper zip codes "
              "and were skipped.");
    EXPECT_EQ(run.list.substr(0, run.list.find("\r\n")), "Name0\t123456789\t23\t/123456789230/");
    EXPECT_NE(run.list.find("Name3\t\t23\t\r\n"), std::string::npos);
    EXPECT_EQ(Files(), std::vector<std::string>{"list.txt"});
}

TEST_F(BarcodeRun, ZipAndDeliveryPointFields) {
    struct Case {
        const char* zip9;
        const char* dp;
        const char* barcode;  // empty: skipped
    };
    const Case cases[] = {
        {"12345-6789", "23", "/123456789230/"},
        {" 123456789 ", "23", "/123456789230/"},
        {"12345 6789", "23", ""},
        {"1234567890", "23", ""},
        {"123456789", "7", "/123456789078/"},
        {"123456789", "1234", ""},
        {"123456789", "230", "/123456789230/"},
        {"123456789", "231", ""},
        {"123456789", "2A", ""},
    };
    std::string list;
    for (const auto& c : cases) list += std::string("x\t") + c.zip9 + "\t" + c.dp + "\r\n";
    RunOutcome run = RunOn("z.txt", list, Fields(-1, -1, -1, 1, -1, 2), Postnet());
    ASSERT_TRUE(run.result.completed);
    std::size_t pos = 0;
    for (const auto& c : cases) {
        std::size_t end = run.list.find("\r\n", pos);
        std::string line = run.list.substr(pos, end - pos);
        pos = end + 2;
        EXPECT_EQ(line.substr(line.rfind('\t') + 1), c.barcode) << c.zip9 << " " << c.dp;
    }
    EXPECT_EQ(run.result.counts.added, 4u);
    EXPECT_EQ(run.result.counts.zipSkipped, 2u);
    EXPECT_EQ(run.result.counts.dpSkipped, 3u);
}

TEST_F(BarcodeRun, AutomaticSerialsWrapAndAreSaved) {
    const std::string list = "A\t12 Oak St\t973011234\r\nB\t\t\r\nC\t9 Elm St\t973020001\r\n";
    RunOutcome run = RunOn("s.txt", list, Fields(1, -1, -1, 2, -1, -1), Imb("123456789", "999997"));
    ASSERT_TRUE(run.result.completed);
    // 999997, then 999998 (skipped, still consumed), then the wrap to 1.
    const std::string expected = "A\t12 Oak St\t973011234\t" +
                                 Imb("973011234", "12", "999997", "123456789") +
                                 "\t999997\r\nB\t\t\t\t999998\r\nC\t9 Elm St\t973020001\t" +
                                 Imb("973020001", "09", "000001", "123456789") + "\t000001\r\n";
    EXPECT_EQ(run.list, expected);
    EXPECT_EQ(run.savedSerial, 2);
    EXPECT_EQ(run.result.counts.zipSkipped, 1u);
}

TEST_F(BarcodeRun, SerialsFromTheList) {
    // A serial that is not digits, and one longer than its place (six digits
    // with a nine-digit mailer ID), are skipped as improper.
    const std::string list =
        "A,12 Oak St,973011234,42\r\nB,12 Oak St,973011234,12A\r\nC,12 Oak "
        "St,973011234,1234567\r\n";
    RunOutcome run =
        RunOn("r.txt", list, Fields(1, -1, -1, 2, -1, -1, -1, 3), Imb("123456789", "1", "1"));
    ASSERT_TRUE(run.result.completed);
    EXPECT_EQ(run.result.counts.added, 1u);
    EXPECT_EQ(run.result.counts.serialSkipped, 2u);
    EXPECT_EQ(run.list.substr(0, run.list.find("\r\n")),
              "A,12 Oak St,973011234,42," + Imb("973011234", "12", "000042", "123456789"));
    EXPECT_FALSE(run.savedSerial) << "serials from the list leave the next automatic serial alone";
    EXPECT_NE(run.result.summary.find("\r2 records had blank or improper serial numbers"),
              std::string::npos);
}

TEST_F(BarcodeRun, BarcodesOnlyFileOfACommaList) {
    const std::string list = "\"Ann\",\"12 Oak St\",\"973011234\"\r\n\"Bo\",\"9 Elm\",\"\"\r\n";
    RunOutput out{true, dir / "Barcode.txt", "Barcode.txt"};
    RunOutcome run = RunOn("q.txt", list, Fields(1, -1, -1, 2, -1, -1), Postnet(), out);
    ASSERT_TRUE(run.result.completed);
    EXPECT_EQ(run.list, list) << "the list itself is not touched";
    EXPECT_EQ(ReadFileBytes(dir / "Barcode.txt"), "\"/973011234127/\"\r\n\"\"\r\n");
    EXPECT_EQ(run.result.summary,
              "1 barcodes for q.txt have been saved in Barcode.txt.\r1 records had blank or "
              "improper zip codes and were skipped.");
}

TEST_F(BarcodeRun, DbaseRecordsArePatchedAndDeletedOnesLeftAlone) {
    const std::string table =
        testing::MakeDbase({{"ADDRESS", 12}, {"ZIP", 9}, {"BARCODE", 70}, {"SERIAL", 6}},
                           {{"12 oak st", "973011234", "", ""},
                            {"*", "9 ELM ST", "973020001", "", ""},
                            {"9 Elm St", "973020001", "", ""}});
    RunOutcome run =
        RunOn("t.dbf", table, Fields(0, -1, -1, 1, 2, -1, -1, 3), Imb("123456789", "41"));
    ASSERT_TRUE(run.result.completed);
    ASSERT_EQ(run.list.size(), table.size());
    const std::size_t header = 32 + 4 * 32 + 1, record = 1 + 12 + 9 + 70 + 6;
    auto field = [&](const std::string& bytes, int r, std::size_t at, std::size_t width) {
        return bytes.substr(header + r * record + at, width);
    };
    EXPECT_EQ(field(run.list, 0, 22, 70), Imb("973011234", "12", "000041", "123456789") + "     ");
    EXPECT_EQ(field(run.list, 0, 92, 6), "000041");
    EXPECT_EQ(run.list.substr(header + record, record), table.substr(header + record, record))
        << "a deleted record is not changed";
    EXPECT_EQ(field(run.list, 2, 92, 6), "000043") << "the deleted record consumed a serial";
    EXPECT_EQ(run.list.substr(0, header), table.substr(0, header));
    EXPECT_EQ(run.list.back(), '\x1A');
    EXPECT_EQ(run.result.counts.zipSkipped, 1u);
    EXPECT_EQ(run.savedSerial, 44);
}

// Fails every write once `limit` bytes have been written.
bool FailAfter(std::size_t written, void* limit) {
    return written < *static_cast<std::size_t*>(limit);
}

TEST_F(BarcodeRun, AFailedWriteLeavesTheListAsItWas) {
    std::string list;
    for (int i = 0; i < 20000; ++i) list += "Name\t12 Oak St\t973011234\r\n";
    for (std::size_t limit : {std::size_t{0}, std::size_t{65536}, std::size_t{400000}}) {
        for (bool barcodesOnly : {false, true}) {
            SCOPED_TRACE(std::to_string(limit) + (barcodesOnly ? " barcodes-only" : " into list"));
            RunHooks hooks;
            hooks.faultHook = FailAfter;
            hooks.faultContext = &limit;
            RunOutput out{barcodesOnly, dir / "Barcode.txt", "Barcode.txt"};
            RunOutcome run = RunOn("big.txt", list, Fields(1, -1, -1, 2, -1, -1),
                                   Imb("123456", "7"), out, hooks);
            EXPECT_FALSE(run.result.completed);
            ASSERT_EQ(run.result.failures.size(), 1u);
            EXPECT_NE(run.result.failures[0].text.find("could not save the barcodes"),
                      std::string::npos);
            EXPECT_TRUE(run.result.summary.empty());
            EXPECT_EQ(run.list, list);
            EXPECT_FALSE(run.savedSerial) << "no serial numbers were issued";
            EXPECT_EQ(Files(), std::vector<std::string>{"big.txt"});
        }
    }
}

TEST_F(BarcodeRun, OutputThatCannotBeCreatedChangesNothing) {
    std::filesystem::create_directory(dir / "zlvtemp.txt");
    const std::string list = "A\t12 Oak St\t973011234\r\nB\t\t\r\n";
    RunOutcome run = RunOn("l.txt", list, Fields(1, -1, -1, 2, -1, -1), Postnet());
    EXPECT_FALSE(run.result.completed);
    ASSERT_EQ(run.result.failures.size(), 1u);
    EXPECT_EQ(run.result.failures[0].text, "Zolvane could not create this output file.");
    EXPECT_EQ(run.list, list);
}

TEST_F(BarcodeRun, BarcodesOnlyFileCannotBeTheList) {
    const std::string list = "A\t12 Oak St\t973011234\r\nB\t\t\r\n";
    RunOutput out{true, dir / "l.txt", "l.txt"};
    RunOutcome run = RunOn("l.txt", list, Fields(1, -1, -1, 2, -1, -1), Postnet(), out);
    EXPECT_FALSE(run.result.completed);
    EXPECT_EQ(run.list, list);
}

TEST_F(BarcodeRun, ReplacedListKeepsItsPermissionsAndLinks) {
    const std::string list = "A\t12 Oak St\t973011234\r\nB\t\t\r\n";
    WriteFileBytes(dir / "real.txt", list);
    ::chmod((dir / "real.txt").c_str(), 0600);
    std::filesystem::create_symlink(dir / "real.txt", dir / "link.txt");
    auto opened = OpenMailingList(dir / "link.txt");
    ASSERT_TRUE(opened.source);
    auto result = RunBarcodes(*opened.source, Fields(1, -1, -1, 2, -1, -1), Postnet(), {});
    ASSERT_TRUE(result.completed);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    EXPECT_EQ(ReadFileBytes(dir / "real.txt"),
              "A\t12 Oak St\t973011234\t/973011234127/\r\nB\t\t\t\r\n");
    struct stat st;
    ASSERT_EQ(::stat((dir / "real.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(BarcodeRun, SettingsThatWouldMakeWrongBarcodesAreRefused) {
    const std::string list = "A\t12 Oak St\t973011234\r\nB\t\t\r\n";
    auto periodicalWithoutCorrection = Imb("123456", "1");
    periodicalWithoutCorrection.Put(PrefLine::MailClass, "2");
    for (const auto& prefs : {Imb("12345", "1"), Imb("123456", "0"), periodicalWithoutCorrection}) {
        RunOutcome run = RunOn("l.txt", list, Fields(1, -1, -1, 2, -1, -1), prefs);
        EXPECT_FALSE(run.result.completed);
        EXPECT_EQ(run.result.failures.size(), 1u);
        EXPECT_EQ(run.list, list);
    }
}

TEST_F(BarcodeRun, AnimationStagesAndRecords) {
    struct Recorder : RunObserver {
        void Stage(int n) override { stages.push_back({n, records}); }
        void Record(std::size_t s, std::size_t) override { records = s; }
        std::vector<std::pair<int, std::size_t>> stages;
        std::size_t records = 0;
    } recorder;
    std::string list;
    for (int i = 0; i < 10; ++i) list += "A\t12 Oak St\t973011234\r\n";
    RunHooks hooks;
    hooks.observer = &recorder;
    RunOutcome run = RunOn("a.txt", list, Fields(1, -1, -1, 2, -1, -1), Postnet(), {}, hooks);
    ASSERT_TRUE(run.result.completed);
    // Stage 5 before the first record, then one stage per fifth: stage 0 before the last.
    const std::vector<std::pair<int, std::size_t>> expected = {{5, 0}, {4, 1}, {3, 3},
                                                               {2, 5}, {1, 7}, {0, 9}};
    EXPECT_EQ(recorder.stages, expected);
    EXPECT_EQ(recorder.records, 10u);
}

}  // namespace
}  // namespace zolvane::lists
