#include "symbology/i2of5.h"

#include <gtest/gtest.h>
#include <zint.h>

#include "support/zint_reference.h"

#include <memory>
#include <random>
#include <string>

#include "symbology/tag_bars.h"

namespace zolvane::symbology {
namespace {

// zint's single row as one '1' (bar) or '0' (space) per module.
std::string ZintModules(std::string_view data) {
    static testing::ZintEncoder zint(BARCODE_C25INTER);
    auto rows = zint.Rows(data);
    EXPECT_EQ(rows.size(), 1u) << zint.ErrorText();
    return rows.empty() ? std::string() : rows[0];
}

using testing::RandomDigits;

TEST(I2of5Pattern, NamedDigits) {
    EXPECT_EQ(I2of5Pattern('0'), "NNWWN");
    EXPECT_EQ(I2of5Pattern('1'), "WNNNW");
}

// The first digit of a pair sets the bars, the second the spaces.
TEST(I2of5Widths, PairInterleavesBarsAndSpaces) {
    // 1 = WNNNW in the bars, 2 = NWNNW in the spaces.
    EXPECT_EQ(I2of5Widths("12"), std::string("1111") +
                                     "31"
                                     "13"
                                     "11"
                                     "11"
                                     "33" +
                                     "311");
    EXPECT_EQ(I2of5Widths(""), "1111311");
}

TEST(I2of5Widths, PairsBetweenStartAndStop) {
    for (auto [digits, pairs] : {std::pair{"0123456789", 5}, std::pair{"01234567", 4}}) {
        SCOPED_TRACE(digits);
        std::string widths = I2of5Widths(digits);
        EXPECT_EQ(widths.substr(0, 4), "1111");
        EXPECT_EQ(widths.substr(widths.size() - 3), "311");
        EXPECT_EQ(widths.size(), 4u + 10 * pairs + 3);
        EXPECT_EQ(I2of5Modules(digits).size(), 4u + 18 * pairs + 5);
    }
}

// Start, the pair 00 (narrow, narrow, wide, wide, narrow in bars and spaces),
// stop, with wide elements three modules: proves the row reader and zint's 3:1
// ratio before the comparison below relies on them.
TEST(I2of5Zint, ReaderReadsAKnownSymbol) {
    EXPECT_EQ(ZintModules("00"), std::string("1010") +
                                     "10"
                                     "10"
                                     "111000"
                                     "111000"
                                     "10" +
                                     "11101");
}

TEST(I2of5Zint, RandomSymbolsMatch) {
    std::mt19937 rng(25);
    for (std::size_t length : {10u, 8u}) {
        for (int i = 0; i < 3000; ++i) {
            std::string digits = RandomDigits(rng, length);
            ASSERT_EQ(I2of5Modules(digits), ZintModules(digits)) << digits;
        }
    }
}

#ifdef NDEBUG
TEST(I2of5Widths, MalformedDigitsGiveNothing) {
    for (const char* digits : {"1", "123", "12a4", "1 "}) {
        EXPECT_EQ(I2of5Widths(digits), "") << digits;
        EXPECT_EQ(I2of5Modules(digits), "") << digits;
    }
    EXPECT_EQ(I2of5Pattern('a'), "");
}
#else
TEST(I2of5WidthsDeathTest, MalformedDigitsAssert) {
    EXPECT_DEATH(I2of5Widths("123"), "");
    EXPECT_DEATH(I2of5Widths("12a4"), "");
    EXPECT_DEATH(I2of5Pattern('a'), "");
}
#endif

}  // namespace
}  // namespace zolvane::symbology
