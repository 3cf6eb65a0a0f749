#include "address/streetpoint.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "symbology/postnet.h"

namespace zolvane::address {
namespace {

struct AddressCase {
    std::string address;
    std::string dp;
};

TEST(StreetpointDeliveryPoint, TakesTheLastTwoDigitsOfThePrimaryNumber) {
    const AddressCase cases[] = {
        {"123 MAIN ST", "23"},
        {"123 MAIN ST   ", "23"},
        {"5 MAIN ST", "05"},
        {"10A MAIN ST", "10"},
        {"A1 MAIN", "01"},
        {"1ST AVE", "01"},
        {"12-34 MAIN", "34"},
        {"1-2 MAIN ST", "02"},
        {"123-B MAIN ST", "99"},
        {"1/2 MAIN ST", "99"},
        {"123 1/2 MAIN ST", "23"},
        {"W123 MAIN ST", "23"},
        {"N 123 ST", "23"},
        {"HWY 61 N", "61"},
        {"123 45 AVE", "45"},
        {"123 45 ST", "23"},
        {"ONE MAIN ST", "99"},
        {"ONE 21ST ST", "99"},
        {"ONE 11TH ST", "99"},
        {"ONE 12A ST", "12"},
        {"ROUTE 66 ST", "66"},
        {"12345", "45"},
        {"PO BOX 123", "23"},
        {"P.O. BOX 4567", "67"},
        {"POST OFFICE BOX 9", "09"},
        {"RR 2 BOX 15", "15"},
        {"RURAL ROUTE 3 BOX 7A", "07"},
        {"HC 64 BOX 2A", "02"},
        {"HCR 1 BOX 2", "02"},
        {"PO BOX A 12", "12"},
        {"PO BOX 12 STE 5", "12"},
        {"RR 2", "99"},
        {"CMR 402", "99"},
        {"PSC 1234 BOX 5678", "78"},
        {"UNIT 2050 BOX 4190", "90"},
        {"PO BOX A", "99"},
        {"", "99"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsText(StreetpointDeliveryPoint(c.address)), c.dp) << '"' << c.address << '"';
}

TEST(StreetpointDeliveryPoint, HandlesCaseBlanksAndForeignBytes) {
    const AddressCase cases[] = {
        // Lower case is read as capitals; only blanks at the end go.
        {"po box 123", "23"},
        {"rr 2 box 15", "15"},
        {"  123 MAIN ST", "99"},
        {"123  MAIN", "23"},
        // A house number with a fraction that reaches two digits.
        {"1/23 MAIN", "99"},
        {"12/3 MAIN", "99"},
        // A two-letter word after the second one keeps the first word,
        // except in the number of a box.
        {"12 34 ST", "12"},
        {"12 34 STE", "34"},
        {"PO BOX 12 34 ST", "34"},
        // A second word after a blank-started text.
        {" 45 AB", "45"},
        // Bytes above 127 are neither digits nor letters.
        {"12\xC9 MAIN", "99"},
        {"\xE9"
         "45 MAIN",
         "45"},
        {"PO BOX\t12", "99"},
        {"PO", "99"},
        {"   ", "99"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsText(StreetpointDeliveryPoint(c.address)), c.dp) << '"' << c.address << '"';
}

TEST(Streetpoint, BuildsThePostnetTextFromTheGivenOrDerivedDeliveryPoint) {
    EXPECT_EQ(Streetpoint("123 MAIN ST", "123456789", "", "/"), "/123456789230/");
    EXPECT_EQ(Streetpoint("123 MAIN ST", "123456789", "45", "/"), "/123456789456/")
        << "a given delivery point wins over the address";
    EXPECT_EQ(Streetpoint("", "123456789", "", "/"), "/123456789997/");
    EXPECT_EQ(Streetpoint("", "000000000", "", "/"), "/000000000992/");
    EXPECT_EQ(Streetpoint("PO BOX 123", "123456789", "", ""), "123456789230");
}

TEST(Streetpoint, ResultCarriesTheCheckDigitOfZipAndDeliveryPoint) {
    // Every two-digit value round-trips through positions 11-13 of the text.
    for (int v = 0; v < 100; ++v) {
        const std::string dp = {char('0' + v / 10), char('0' + v % 10)};
        const std::string text = Streetpoint("", "987654321", dp, "/");
        ASSERT_EQ(text.size(), 14u);
        EXPECT_EQ(text.substr(10, 2), dp);
        EXPECT_EQ(text[12], symbology::PostnetCheckDigit("987654321" + dp));
    }
}

struct GivenCase {
    std::string field;
    std::string zip9;
    std::optional<std::string> dp;
};

TEST(NormalizeGivenDeliveryPoint, AcceptsOneOrTwoDigitsOrACheckedThird) {
    const GivenCase cases[] = {
        {"23", "123456789", "23"},
        {"7", "123456789", "07"},
        {" 23 ", "123456789", "23"},
        {"230", "123456789", "23"},
        {"231", "123456789", std::nullopt},
        {"2A", "123456789", std::nullopt},
        {"1234", "123456789", std::nullopt},
        {"230", "", std::nullopt},
        {"", "123456789", std::nullopt},
        {"   ", "123456789", std::nullopt},
        {"\t07\r\n", "123456789", "07"},
        {"\x01"
         "5\x1F",
         "", "05"},
        {"2 3", "123456789", std::nullopt},
        {"-5", "123456789", std::nullopt},
        {"\xB2", "123456789", std::nullopt},
        {"0012", "123456789", std::nullopt},
        {"23", "", "23"},
    };
    for (const auto& c : cases) {
        const auto got = NormalizeGivenDeliveryPoint(c.field, c.zip9);
        const auto text =
            got ? std::optional<std::string>(std::string(AsText(*got))) : std::nullopt;
        EXPECT_EQ(text, c.dp) << '"' << c.field << "\" zip \"" << c.zip9 << '"';
    }
}

TEST(NormalizeGivenDeliveryPoint, AcceptsExactlyOneThirdDigitForEachDeliveryPoint) {
    for (const std::string zip9 : {"123456789", "000000000", "999999999"}) {
        for (int v = 0; v < 100; ++v) {
            const std::string dp = {char('0' + v / 10), char('0' + v % 10)};
            const std::string withCheck =
                Streetpoint("", zip9, dp, "").substr(9);  // dp + check digit
            for (char third = '0'; third <= '9'; ++third) {
                const auto got = NormalizeGivenDeliveryPoint(dp + third, zip9);
                if (third == withCheck[2]) {
                    ASSERT_TRUE(got.has_value()) << zip9 << ' ' << dp << third;
                    EXPECT_EQ(AsText(*got), dp);
                } else {
                    EXPECT_FALSE(got.has_value()) << zip9 << ' ' << dp << third;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zolvane::address
