#include "lists/field_guess.h"

#include <gtest/gtest.h>

#include "lists/identify.h"
#include "lists/source.h"
#include "settings/prefs.h"
#include "support/dbase_builder.h"
#include "support/temp_dir.h"

namespace zolvane::lists {
namespace {

using settings::PrefLine;
using testing::TempDir;
using testing::WriteFileBytes;

settings::Prefs MakePrefs(const char* kind, const char* output = "0",
                          const char* serialOption = "0", const char* mailerId = "123456789") {
    settings::Prefs p;
    p.Put(PrefLine::BarcodeKind, kind);
    p.Put(PrefLine::BarcodeOutput, output);
    p.Put(PrefLine::SerialOption, serialOption);
    p.Put(PrefLine::MailerId, mailerId);
    p.Put(PrefLine::Oels, "f");
    return p;
}

FieldAssignment Fields(int address, int zip5, int zip4, int zip9, int barcode, int dp, int oel = -1,
                       int serial = -1) {
    return {address, zip5, zip4, zip9, barcode, dp, oel, serial};
}

// Guesses the fields of a list written to a temporary file.
FieldAssignment GuessFile(const std::string& name, const std::string& bytes,
                          const settings::Prefs& prefs) {
    TempDir dir;
    WriteFileBytes(dir / name, bytes);
    auto opened = OpenMailingList(dir / name);
    EXPECT_TRUE(opened.source) << name;
    if (!opened.source) return {};
    return GuessFields(*opened.source, prefs);
}

TEST(FieldGuess, FromNames) {
    struct Case {
        const char* names;
        FieldAssignment expected;
    };
    const Case cases[] = {
        // ZIP after ZIP4 is the five-digit field; without ZIP4 it is the whole ZIP+4.
        {"NAME,ADDRESS,ZIP,ZIP4,BARCODE", Fields(1, 2, 3, -1, 4, -1)},
        {"NAME,ADDRESS,ZIP,BARCODE", Fields(1, -1, -1, 2, 3, -1)},
        // STREETNO comes later in the order than ADDRESS.
        {"STREETNO,ADDRESS,ZIP+4,BARCODE", Fields(0, -1, -1, 2, 3, -1)},
        {"zip,address,barcode", Fields(1, -1, -1, 0, 2, -1)},
        // A name with a trailing blank does not match; the first of two equal names counts.
        {"ADDRESS ,ADDR1,ADDR1,ZIP9,ZIP_CODE,USER5", Fields(1, -1, -1, 4, 5, -1)},
        {"ADDRESS,ZIP5,ZIP4,DEL. PT.,BARCODE", Fields(0, 1, 2, -1, 4, 3)},
    };
    for (const auto& c : cases) {
        FieldAssignment got = GuessFromNames([&] {
            std::vector<std::string> names;
            std::string s = c.names;
            std::size_t start = 0;
            for (;;) {
                auto comma = s.find(',', start);
                names.push_back(s.substr(start, comma - start));
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
            return names;
        }());
        EXPECT_EQ(got, c.expected) << c.names;
    }
}

TEST(FieldGuess, FromContents) {
    struct Case {
        const char* name;
        const char* kind;  // prefs line 1
        std::string list;
        FieldAssignment expected;
    };
    const std::string row = "Ann Lee,12 Oak St,Salem,97301,1234\r\n";
    const std::string barcode65(65, 'A');
    const Case cases[] = {
        // The address is the last long field before the first ZIP field.
        {"CommaListWithoutNames", "1", row + row + row, Fields(2, 3, 4, -1, -1, -1)},
        {"HyphenatedZip9", "1", "Ann,12 Oak St,97301-1234\r\nBo,9 Elm St,97302-0001\r\n",
         Fields(1, -1, -1, 2, -1, -1)},
        {"SlashIsNoZip", "1", "Ann,12 Oak St,97301/1234\r\nBo,9 Elm St,97302/0001\r\n",
         Fields(2, -1, -1, -1, -1, -1)},
        // A dp field makes the address unneeded.
        {"DeliveryPoint", "1", "Ann,12 Oak St,973011234,12\r\nBo,9 Elm,973020001,09\r\n",
         Fields(-1, -1, -1, 2, -1, 3)},
        {"PostnetTextIsTheBarcodeField", "1",
         "Ann,12 Oak St,973011234,/973011234121/\r\nBo,9 Elm St,973020001,/973020001996/\r\n",
         Fields(1, -1, -1, 2, 3, -1)},
        {"BarLettersAreNotAPostnetBarcode", "1",
         "Ann,12 Oak St,973011234," + barcode65 + "\r\nBo,9 Elm St,973020001," + barcode65 + "\r\n",
         Fields(1, -1, -1, 2, -1, -1)},
        {"BarLettersAreAnIntelligentBarcode", "0",
         "Ann,12 Oak St,973011234," + barcode65 + "\r\nBo,9 Elm St,973020001," + barcode65 + "\r\n",
         Fields(1, -1, -1, 2, 3, -1)},
        {"OelByContentForIntelligentBarcodes", "0",
         "Ann,**5-DIGIT 97301,12 Oak St,973011234\r\nBo,**5-DIGIT 97302,9 Elm St,973020001\r\n",
         Fields(2, -1, -1, 3, -1, -1, 1)},
        {"OelIgnoredForPostnet", "1",
         "Ann,**5-DIGIT 97301,12 Oak St,973011234\r\nBo,**5-DIGIT 97302,9 Elm St,973020001\r\n",
         Fields(2, -1, -1, 3, -1, -1)},
        // Two empty samples outvote a single record; two equal records win.
        {"SingleRecordGivesNothing", "1", "Name,Street,Zips\r\nAnn,12 Oak St,973011234\r\n",
         Fields(-1, -1, -1, -1, -1, -1)},
        {"TwoEqualRecordsWin", "1",
         "Name,Street,Zips\r\nAnn,12 Oak St,973011234\r\nBo,9 Elm St,973020001\r\n",
         Fields(1, -1, -1, 2, -1, -1)},
        {"SixDigitSerialWithNineDigitMailer", "0",
         "Ann,12 Oak St,973011234,000042\r\nBo,9 Elm St,973020001,000043\r\n",
         Fields(1, -1, -1, 2, -1, -1, -1, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GuessFile("list.txt", c.list, MakePrefs(c.kind)), c.expected);
    }
}

TEST(FieldGuess, NamesThatAreEnoughSkipTheContents) {
    // The names settle everything: the contents (which would move the ZIP) are not read.
    const std::string list = "ADDRESS,ZIP,ZIP4,BARCODE\r\n12 Oak St,973011234,x,\r\n";
    EXPECT_EQ(GuessFile("m.txt", list, MakePrefs("1")), Fields(0, 1, 2, -1, 3, -1));
    // Without a barcode name the content guess runs, and normalisation keeps the pair.
    const std::string partial = "ADDRESS,ZIP,ZIP4\r\n12 Oak St,97301,1234\r\n12 Elm,97302,0001\r\n";
    EXPECT_EQ(GuessFile("m.txt", partial, MakePrefs("1")), Fields(0, 1, 2, -1, -1, -1));
}

TEST(FieldGuess, MajorityOfThree) {
    EXPECT_EQ(MajorityOfThree(4, 4, 7), 4);
    EXPECT_EQ(MajorityOfThree(4, 7, 9), -1);
    EXPECT_EQ(MajorityOfThree(4, 7, 7), 7);
    EXPECT_EQ(MajorityOfThree(7, 4, 7), 7);
    EXPECT_EQ(MajorityOfThree(-1, -1, 3), -1);
}

TEST(FieldGuess, DbaseUsesNamesAndTheFirstRecord) {
    const std::string table =
        testing::MakeDbase({{"NAME", 20}, {"STREET", 30}, {"ZIP", 5}, {"PLUS4", 4}, {"BC", 14}},
                           {{"Ann Lee", "12 Oak St", "97301", "1234", ""}});
    EXPECT_EQ(GuessFile("t.dbf", table, MakePrefs("1")), Fields(1, 2, 3, -1, -1, -1));
}

class FieldChecks : public ::testing::Test {
  protected:
    std::unique_ptr<ListSource> Open(const std::string& name, const std::string& bytes) {
        WriteFileBytes(dir / name, bytes);
        return OpenMailingList(dir / name).source;
    }
    std::vector<std::string> Messages(const FieldAssignment& f, const ListSource& s,
                                      const settings::Prefs& p) {
        std::vector<std::string> out;
        for (const auto& n : CheckFieldAssignment(f, s, p)) out.push_back(n.text.substr(0, 60));
        return out;
    }
    TempDir dir;
};

TEST_F(FieldChecks, PostnetChecksStopAtTheFirst) {
    auto list = Open("l.txt", "a,b,c\r\nd,e,f\r\n");
    ASSERT_TRUE(list);
    const auto p = MakePrefs("1");
    EXPECT_EQ(
        Messages(Fields(-1, -1, -1, -1, -1, -1), *list, p),
        std::vector<std::string>{"Zolvane cannot proceed until you tell it either which field "});
    EXPECT_EQ(
        Messages(Fields(0, 1, -1, -1, -1, -1), *list, p),
        std::vector<std::string>{"Zolvane cannot proceed until you tell it which field(s) cont"});
    // A text list needs no barcode field.
    EXPECT_TRUE(Messages(Fields(0, -1, -1, 1, -1, -1), *list, p).empty());
}

TEST_F(FieldChecks, IntelligentChecksShowAddressAndZipTogether) {
    auto list = Open("l.txt", "a,b,c\r\nd,e,f\r\n");
    ASSERT_TRUE(list);
    auto p = MakePrefs("0");
    auto both = CheckFieldAssignment(Fields(-1, -1, -1, -1, -1, -1), *list, p);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].icon, NoticeIcon::Warning);
    EXPECT_EQ(both[1].icon, NoticeIcon::Error);
    p.Put(PrefLine::Oels, "t");
    EXPECT_EQ(
        Messages(Fields(0, -1, -1, 1, -1, -1), *list, p),
        std::vector<std::string>{"Zolvane cannot proceed until you tell it in which field cont"});
    p.Put(PrefLine::Oels, "f");
    p.Put(PrefLine::SerialOption, "1");
    EXPECT_EQ(
        Messages(Fields(0, -1, -1, 1, -1, -1), *list, p),
        std::vector<std::string>{"Zolvane cannot proceed until you tell it which field contain"});
}

TEST_F(FieldChecks, DbaseFieldWidths) {
    auto table =
        Open("t.dbf", testing::MakeDbase({{"ADDRESS", 20}, {"ZIP", 9}, {"BC", 10}, {"SER", 5}},
                                         {{"12 Oak St", "973011234", "", ""}}));
    ASSERT_TRUE(table);
    const auto f = Fields(0, -1, -1, 1, 2, -1, -1, 3);
    EXPECT_EQ(
        Messages(f, *table, MakePrefs("1")),
        std::vector<std::string>{"The field you chose for barcodes is too short. It must be ab"});
    auto imb = CheckFieldAssignment(f, *table, MakePrefs("0"));
    ASSERT_EQ(imb.size(), 1u);
    EXPECT_NE(imb[0].text.find("at least 65 characters"), std::string::npos);
    auto noBarcode = CheckFieldAssignment(Fields(0, -1, -1, 1, -1, -1), *table, MakePrefs("1"));
    ASSERT_EQ(noBarcode.size(), 1u);
    EXPECT_NE(noBarcode[0].text.find("in which field the barcodes should be placed"),
              std::string::npos);
    // Barcodes into a separate file need no barcode field.
    EXPECT_TRUE(
        CheckFieldAssignment(Fields(0, -1, -1, 1, -1, -1), *table, MakePrefs("1", "1")).empty());
}

TEST_F(FieldChecks, IdentifyLoopShowsTheDialogAgainUntilTheChecksPass) {
    auto list = Open("l.txt", "Ann,12 Oak St,973011234\r\nBo,9 Elm St,973020001\r\n");
    ASSERT_TRUE(list);
    const auto prefs = MakePrefs("1");
    std::vector<std::string> shown;
    int dialogs = 0;
    IdentifyHooks hooks;
    hooks.showDialog = [&](std::vector<std::string>& memo) {
        EXPECT_EQ(memo[0], "Ascii Comma-Delimited");
        EXPECT_EQ(memo[2], "2");
        EXPECT_EQ(memo[3], "3");
        // First the user clears the ZIP, then picks it again.
        memo[7] = ++dialogs == 1 ? "-1" : "2";
        return true;
    };
    hooks.showNotice = [&](const Notice& n) { shown.push_back(n.text.substr(0, 30)); };
    auto result = IdentifyAndCheck(*list, GuessFields(*list, prefs), prefs, hooks);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->zip9, 2);
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(shown, std::vector<std::string>{"Zolvane cannot proceed until y"});

    // Cancelling ends it; with NOSTOP a failing guess ends it after one message.
    hooks.showDialog = [](std::vector<std::string>&) { return false; };
    EXPECT_FALSE(IdentifyAndCheck(*list, GuessFields(*list, prefs), prefs, hooks));
    hooks.noStop = true;
    shown.clear();
    EXPECT_FALSE(IdentifyAndCheck(*list, FieldAssignment{}, prefs, hooks));
    EXPECT_EQ(shown.size(), 1u);
}

}  // namespace
}  // namespace zolvane::lists
