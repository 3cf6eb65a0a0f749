#include "symbology/postnet.h"

#include <gtest/gtest.h>

#include <random>

#include <zint.h>

#include "support/zint_reference.h"

namespace zolvane::symbology {
namespace {

TEST(PostnetText, CheckDigitAndFrameBars) {
    struct Case {
        const char* digits;
        const char* frame;
        const char* text;
    };
    const Case cases[] = {
        {"12345678923", "/", "/123456789230/"},  // sum 50: check digit 0, never 10
        {"00000000099", "/", "/000000000992/"},
        {"12345678999", "/", "/123456789997/"},
        {"12345678923", "", "123456789230"},
        {"12345678923", "!", "!123456789230!"},
        {"12345", "/", "/123455/"},
    };
    for (const auto& c : cases) EXPECT_EQ(PostnetText(c.digits, c.frame), c.text) << c.digits;
}

// zint's POSTNET symbol: two rows, row 0 set only for the tall bars, one bar
// every other column, the frame bars at both ends.
std::string ZintTallShort(const std::string& digits) {
    static testing::ZintEncoder zint(BARCODE_POSTNET);
    auto rows = zint.Rows(digits);
    EXPECT_EQ(rows.size(), 2u) << digits;
    std::string bars;
    for (std::size_t col = 0; !rows.empty() && col < rows[0].size(); col += 2)
        bars += rows[0][col] == '1' ? 'T' : 'S';
    return bars;
}

// The bars a POSTNET font draws for our text: tall frame bars, five bars per
// digit of which two are tall.
std::string BarsOfText(const std::string& text) {
    static const char* kDigitBars[10] = {"TTSSS", "SSSTT", "SSTST", "SSTTS", "STSST",
                                         "STSTS", "STTSS", "TSSST", "TSSTS", "TSTSS"};
    std::string bars = "T";
    for (std::size_t i = 1; i + 1 < text.size(); ++i) bars += kDigitBars[text[i] - '0'];
    return bars + "T";
}

TEST(PostnetText, SameBarsAsLibzintOnRandomDigits) {
    std::mt19937 rng(2024);
    for (int n = 0; n < 20000; ++n) {
        std::size_t length = (n % 3 == 0) ? 5 : (n % 3 == 1) ? 9 : 11;
        std::string digits(length, '0');
        for (auto& c : digits) c = static_cast<char>('0' + rng() % 10);
        ASSERT_EQ(BarsOfText(PostnetText(digits, "/")), ZintTallShort(digits)) << digits;
    }
}

}  // namespace
}  // namespace zolvane::symbology
