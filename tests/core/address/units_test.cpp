#include "address/units.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zolvane::address {
namespace {

TEST(UnitDesignators, AreTheFortyOneInSearchOrder) {
    const std::vector<std::string> expected = {
        "APARTMENT", "APT",       "BASEMENT", "BSMT",  "BUILDING", "BLDG",   "DEPARTMENT",
        "DEPT",      "FLOOR",     "FL",       "FRONT", "FRNT",     "HANGER", "HNGR",
        "KEY",       "LOBBY",     "LBBY",     "LOT",   "LOWER",    "LOWR",   "OFFICE",
        "OFC",       "PENTHOUSE", "PH",       "PIER",  "REAR",     "ROOM",   "RM",
        "SIDE",      "SLIP",      "SPACE",    "SPC",   "STOP",     "SUITE",  "STE",
        "TRAILER",   "TRLR",      "UNIT",     "UPPER", "UPPR",     "#"};
    EXPECT_EQ(UnitDesignators(), expected);
    EXPECT_EQ(&UnitDesignators(), &UnitDesignators()) << "built once";
}

TEST(LetterCode, CodesEveryLetter) {
    const char* const expected[26] = {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
                                      "0",  "21", "22", "23", "24", "25", "26", "27", "28",
                                      "29", "30", "41", "42", "43", "44", "45", "46"};
    for (int i = 0; i < 26; ++i) EXPECT_EQ(LetterCode(char('A' + i)), expected[i]) << char('A' + i);
    EXPECT_EQ(LetterCode('a'), "");
    EXPECT_EQ(LetterCode('5'), "");
}

TEST(FoldUnitNumber, KeepsLowNumbersAndFoldsTheRestIntoAHundred) {
    const std::pair<const char*, const char*> cases[] = {
        {"0000", "00"}, {"0007", "07"}, {"0099", "99"},  // hi 0: the last two as they stand
        {"0100", "25"}, {"0123", "48"}, {"0199", "49"},  // hi 1
        {"0400", "00"}, {"0424", "24"}, {"0425", "00"},  // hi mod 4 is 0
        {"1234", "09"}, {"2345", "95"}, {"9999", "99"},  // 99 = 3 * 25 + 24
        {"0350", "75"}, {"0274", "74"}, {"1001", "51"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(FoldUnitNumber(in), out) << in;
}

TEST(UnitAfterDesignator, TakesTheTextAfterTheLastPatternFound) {
    struct Case {
        const char* designator;
        const char* text;
        const char* unit;
    };
    const Case cases[] = {
        {"APT", "123 MAIN ST APT 5", "5"},
        {"APT", "123 MAIN ST APT. 5", "5"},
        {"APT", "123 MAIN ST APT# 5", "5"},
        {"APT", "123 MAIN ST APT #5", "5"},
        {"APT", "123 MAIN ST APT. #5", "5"},
        {"APT", "123 MAIN ST APT # 5", "5"},
        {"APT", "123 MAIN ST APT NO. 7", "7"},
        {"APT", "123 MAIN ST APT NO 7", "7"},
        {"APT", "123 MAIN ST APT. NO. 7", "7"},
        {"APT", "123 MAIN ST APT. NO 7", "7"},
        {"APT", "123 MAIN ST APT 5 B", "5 B"},
        {"APT", "123 MAIN ST APT 5 B C", ""},
        {"APT", "123 MAIN ST APT-5", ""},
        {"APT", "123 MAIN ST APT #", ""},
        {"APT", "123 MAIN ST APT", ""},
        {"APT", "APT 5", ""},  // needs a blank in front
        {"APT", "1 XAPT 5", ""},
        {"APT", "1 APTX 5", ""},
        // Each pattern is taken at its own first occurrence; the later pattern wins.
        {"APT", "1 APT 2 APT #3", "3"},
        {"APT", "1 APT 2 APT 3", ""},
        {"APT", "1 APT #2 APT 3", ""},
        {"APT", "1 APT NO 2 APT. NO 3", "3"},
        {"#", "123 MAIN ST #5", "5"},
        {"#", "123 MAIN ST # 5", "5"},
        {"#", "12 #3 #4", "3 #4"},
        {"#", "123 MAIN ST #", ""},
        {"#", "123#5", ""},
        {"OFFICE", "456 OFFICE PARK DR STE 100", ""},
        {"STE", "456 OFFICE PARK DR STE 100", "100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UnitAfterDesignator(c.designator, c.text), c.unit)
            << c.designator << " in \"" << c.text << '"';
}

struct HighriseCase {
    std::string address;
    std::string dp;
};

TEST(HighriseDeliveryPoint, TakesTheDeliveryPointFromTheUnit) {
    const HighriseCase cases[] = {
        {"123 MAIN ST APT 5", "05"},
        {"123 main st apt 5", "05"},
        {"123 MAIN ST APT 12", "12"},
        {"123 MAIN ST APT 100", "25"},
        {"123 MAIN ST APT 123", "48"},
        {"123 MAIN ST APT 012", "12"},
        {"123 MAIN ST APT 1234", "09"},
        {"123 MAIN ST APT 0012", "12"},
        {"123 MAIN ST APT 12345", "95"},
        {"123 MAIN ST APT A", "73"},
        {"123 MAIN ST APT Z", "98"},
        {"123 MAIN ST APT A5", "15"},
        {"123 MAIN ST APT B12", "22"},
        {"123 MAIN ST APT 5A", "51"},
        {"123 MAIN ST APT 12B", "22"},
        {"123 MAIN ST APT 3K", "51"},
        {"123 MAIN ST APT 9Z", "36"},
        {"123 MAIN ST APT 0J", "00"},
        {"123 MAIN ST APT 5-B", "52"},
        {"123 MAIN ST APT 5.5", "55"},
        {"123 MAIN ST #5", "05"},
        {"123 MAIN ST APT #5", "05"},
        {"123 MAIN ST APT # 5", "05"},
        {"123 MAIN ST APT NO. 7", "07"},
        {"123 MAIN ST APT. 7", "07"},
        {"123 MAIN ST APT 1/2", "00"},
        {"123 MAIN ST APT 5 1/2", "05"},
        {"123 MAIN ST APT 5 REAR", "78"},
        {"123 MAIN ST APT -", "99"},
        {"123 MAIN ST BLDG 2 APT 7", "07"},
        {"123 MAIN ST FL 2 RM 5", "05"},
        {"123 MAIN APT STE 5", "05"},
        {"456 OFFICE PARK DR STE 100", "25"},
        {"PO BOX 12 APT 3", "03"},
        {"123 FRONT ST", "92"},
        {"123 MAIN ST", "23"},
        {"123 MAIN ST APT 5 B C", "23"},
        {"123 MAIN ST APT-5", "23"},
        {"123 MAIN ST APT #", "23"},
        {"", "99"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsText(HighriseDeliveryPoint(c.address)), c.dp) << '"' << c.address << '"';
}

TEST(HighriseDeliveryPoint, NormalisesBlanksAndReadsOddUnits) {
    const HighriseCase cases[] = {
        // Runs of blanks shrink to one, blanks at the ends go.
        {"  123   MAIN ST   APT    5  ", "05"},
        {"123 MAIN ST APT #  5", "05"},
        // Without a unit the address goes to the primary number unchanged:
        // its leading blanks hide the house number there.
        {"  123 MAIN ST", "99"},
        // Other signs are neither digits nor letters.
        {"123 MAIN ST APT #&", "99"},
        {"123 MAIN ST STE 1&2", "12"},
        {"123 MAIN ST APT 5/6 B", "00"},
        {"123 MAIN ST APT 7 \xC9", "07"},
        {"123 MAIN ST APT \xC9", "99"},
        // A second designator is dropped only when something follows it.
        {"1 APT RM 3", "03"},
        {"123 MAIN ST APT # STE 4", "04"},
        {"123 MAIN ST APT 5 STE", "55"},
        // A designator needs a blank in front.
        {"UNIT 2050 BOX 4190", "90"},
        // Digits-only units of three and more fold.
        {"1 APT 999", "49"},
        {"1 APT 1-2-3-4-5", "95"},
        {"1 APT 00000", "00"},
        // Mixed units: the first letter with the last digit, or the last
        // letter with the digit before it.
        {"1 APT Q2", "72"},
        {"1 APT A2B3", "13"},
        {"1 APT 2B3C", "33"},
        {"1 APT 7U", "11"},
        {"1 APT 1J", "10"},
        {"1 UNIT 5", "05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsText(HighriseDeliveryPoint(c.address)), c.dp) << '"' << c.address << '"';
}

TEST(Highrise, BuildsThePostnetText) {
    EXPECT_EQ(Highrise("123 MAIN ST APT 5", "123456789", "/"), "/123456789050/");
    EXPECT_EQ(Highrise("123 MAIN ST", "123456789", "/"), "/123456789230/");
    EXPECT_EQ(Highrise("", "123456789", "/"), "/123456789997/");
    EXPECT_EQ(Highrise("123 MAIN ST APT 5", "123456789", ""), "123456789050");
}

}  // namespace
}  // namespace zolvane::address
