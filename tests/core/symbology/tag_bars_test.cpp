#include "symbology/tag_bars.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "symbology/code128.h"
#include "symbology/i2of5.h"

namespace zolvane::symbology {
namespace {

const TagUnits k600 = TagUnitsForDpi(600, 600);

std::string RandomDigits(std::mt19937& rng, std::size_t count) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s.push_back(static_cast<char>('0' + digit(rng)));
    return s;
}

char Lookup(const std::map<int, char>& table, int pixels) {
    auto it = table.find(pixels);
    return it == table.end() ? '?' : it->second;
}

// Reads a 600-dpi Code 128 layout back into module widths, accepting only the
// exact pixel sizes of that resolution: bars 7, 16, 25, 33 wide; a gap is the
// pixel the thinned 1- and 2-module bars leave plus the space advance.
std::string DecodeCode128At600(const TagBarLayout& layout) {
    static const std::map<int, char> kBar = {{7, '1'}, {16, '2'}, {25, '3'}, {33, '4'}};
    static const std::map<int, char> kGapAfterThin = {
        {1 + 9, '1'}, {1 + 17, '2'}, {1 + 25, '3'}, {1 + 33, '4'}};
    static const std::map<int, char> kGapAfterFull = {{10, '1'}, {17, '2'}, {25, '3'}, {33, '4'}};
    std::string widths;
    for (std::size_t i = 0; i < layout.bars.size(); ++i) {
        const BarRect& bar = layout.bars[i];
        char modules = Lookup(kBar, bar.width);
        widths.push_back(modules);
        if (i + 1 < layout.bars.size()) {
            int gap = layout.bars[i + 1].x - (bar.x + bar.width);
            widths.push_back(Lookup(modules <= '2' ? kGapAfterThin : kGapAfterFull, gap));
        } else {
            EXPECT_EQ(layout.penX - bar.x, 17);  // Stop ends on a 2-module bar
        }
    }
    return widths;
}

// The same for Interleaved 2 of 5: elements 8 (narrow) or 25 (wide) pixels.
std::string DecodeI2of5At600(const TagBarLayout& layout) {
    static const std::map<int, char> kElement = {{8, '1'}, {25, '3'}};
    std::string widths;
    for (std::size_t i = 0; i < layout.bars.size(); ++i) {
        const BarRect& bar = layout.bars[i];
        widths.push_back(Lookup(kElement, bar.width));
        if (i + 1 < layout.bars.size()) {
            widths.push_back(Lookup(kElement, layout.bars[i + 1].x - (bar.x + bar.width)));
        } else {
            EXPECT_EQ(layout.penX, bar.x + bar.width);
        }
    }
    return widths;
}

TEST(TagBarWidths, SizesAtCommonResolutions) {
    struct Case {
        int dpi;
        int height;
        TagBarSize narrow, wide, one, two, three, four;
        int space1AfterThin, space1AfterFull, space2, space3, space4;
    };
    const Case cases[] = {
        {600, 433, {8, 8}, {25, 25}, {7, 8}, {16, 17}, {25, 25}, {33, 33}, 9, 10, 17, 25, 33},
        {300, 217, {4, 4}, {12, 12}, {3, 4}, {8, 8}, {12, 12}, {17, 17}, 5, 5, 8, 12, 17},
        {203, 147, {3, 3}, {8, 8}, {2, 3}, {5, 6}, {8, 8}, {11, 11}, 3, 3, 6, 8, 11},
        // 1.5 pixels a point: 4.5 rounds to 4, halves go to even.
        {108, 78, {2, 2}, {4, 4}, {1, 2}, {3, 3}, {4, 4}, {6, 6}, 2, 2, 3, 4, 6},
    };
    auto same = [](TagBarSize a, TagBarSize b) {
        return a.width == b.width && a.advance == b.advance;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        TagUnits u = TagUnitsForDpi(c.dpi, c.dpi);
        EXPECT_EQ(TagBarHeight(u), c.height);
        EXPECT_TRUE(same(TagBarWidths(TagBarKind::Narrow, u), c.narrow));
        EXPECT_TRUE(same(TagBarWidths(TagBarKind::Wide, u), c.wide));
        EXPECT_TRUE(same(TagBarWidths(TagBarKind::One, u), c.one));
        EXPECT_TRUE(same(TagBarWidths(TagBarKind::Two, u), c.two));
        EXPECT_TRUE(same(TagBarWidths(TagBarKind::Three, u), c.three));
        EXPECT_TRUE(same(TagBarWidths(TagBarKind::Four, u), c.four));
        for (int bar : {1, 2}) EXPECT_EQ(Code128SpaceAdvance(1, bar, u), c.space1AfterThin);
        for (int bar : {3, 4}) EXPECT_EQ(Code128SpaceAdvance(1, bar, u), c.space1AfterFull);
        for (int bar = 1; bar <= 4; ++bar) {
            EXPECT_EQ(Code128SpaceAdvance(2, bar, u), c.space2);
            EXPECT_EQ(Code128SpaceAdvance(3, bar, u), c.space3);
            EXPECT_EQ(Code128SpaceAdvance(4, bar, u), c.space4);
        }
    }
}

// Start C 211232, check 02 222221, Stop 2331112, worked out by hand at 600 dpi.
TEST(LayoutCode128C, EmptyDataSymbolAt600Dpi) {
    TagBarLayout layout = LayoutCode128C("", 100, 50, k600);
    auto bar = [](int x, int width) { return BarRect{x, 50, width, 433}; };
    const std::vector<BarRect> expected = {
        bar(100, 16), bar(126, 7),  bar(151, 25),                // Start C
        bar(193, 16), bar(227, 16), bar(261, 16),                // check 02
        bar(287, 16), bar(329, 25), bar(364, 7),  bar(381, 16),  // Stop
    };
    EXPECT_EQ(layout.bars, expected);
    EXPECT_EQ(layout.penX, 398);
    EXPECT_EQ(layout.red, 17);
    EXPECT_EQ(layout.green, 17);
    EXPECT_EQ(layout.blue, 17);
}

// Start 1010, the pair 12 (bars WNNNW, spaces NWNNW), stop 311.
TEST(LayoutI2of5, PairSymbolAt600Dpi) {
    TagBarLayout layout = LayoutI2of5("12", 10, 20, k600);
    auto bar = [](int x, int width) { return BarRect{x, 20, width, 433}; };
    const std::vector<BarRect> expected = {
        bar(10, 8),   bar(26, 8),                                           // start
        bar(42, 25),  bar(75, 8),  bar(108, 8), bar(124, 8), bar(140, 25),  // pair
        bar(190, 25), bar(223, 8),                                          // stop
    };
    EXPECT_EQ(layout.bars, expected);
    EXPECT_EQ(layout.penX, 231);
    EXPECT_EQ(layout.red, 0);
    EXPECT_EQ(layout.green, 0);
    EXPECT_EQ(layout.blue, 0);
}

TEST(LayoutCode128C, TagSymbolsAt600DpiHaveExactPixelSizes) {
    std::mt19937 rng(600);
    std::vector<std::string> inputs = {"123456789012345678901234", std::string(24, '0'),
                                       std::string(24, '9')};
    for (int i = 0; i < 500; ++i) inputs.push_back(RandomDigits(rng, 24));
    for (const std::string& digits : inputs) {
        SCOPED_TRACE(digits);
        TagBarLayout layout = LayoutCode128C(digits, 321, 654, k600);
        ASSERT_EQ(layout.bars.size(), 14u * 3 + 4);
        EXPECT_EQ(layout.bars.front().x, 321);
        for (const BarRect& bar : layout.bars) {
            EXPECT_EQ(bar.y, 654);
            EXPECT_EQ(bar.height, 433);
        }
        EXPECT_EQ(DecodeCode128At600(layout), Code128CWidths(digits));
    }
}

TEST(LayoutI2of5, TagSymbolsAt600DpiHaveExactPixelSizes) {
    std::mt19937 rng(72);
    for (auto [length, bars] : {std::pair{10u, 2u + 5 * 5 + 2}, std::pair{8u, 2u + 4 * 5 + 2}}) {
        for (int i = 0; i < 500; ++i) {
            std::string digits = RandomDigits(rng, length);
            SCOPED_TRACE(digits);
            TagBarLayout layout = LayoutI2of5(digits, 7, 9, k600);
            ASSERT_EQ(layout.bars.size(), bars);
            EXPECT_EQ(layout.bars.front().x, 7);
            for (const BarRect& bar : layout.bars) {
                EXPECT_EQ(bar.y, 9);
                EXPECT_EQ(bar.height, 433);
            }
            EXPECT_EQ(DecodeI2of5At600(layout), I2of5Widths(digits));
        }
    }
}

TEST(TagBarLayout, HeightFollowsTheVerticalUnit) {
    TagUnits units = TagUnitsForDpi(600, 300);
    for (const TagBarLayout& layout : {LayoutCode128C("123456789012345678901234", 0, 0, units),
                                       LayoutI2of5("0123456789", 0, 0, units)}) {
        ASSERT_FALSE(layout.bars.empty());
        for (const BarRect& bar : layout.bars) EXPECT_EQ(bar.height, 217);
    }
    EXPECT_EQ(LayoutCode128C("", 0, 0, units).penX, 298);
}

TEST(ModulesFromWidths, AlternatesBarsAndSpaces) {
    EXPECT_EQ(ModulesFromWidths("2113"), "1101000");
    EXPECT_EQ(ModulesFromWidths(""), "");
    EXPECT_EQ(Code128CModules(""),
              "11010011100"
              "11001100110"
              "1100011101011");
}

#ifdef NDEBUG
TEST(TagBarLayout, MalformedDigitsLayNoBars) {
    for (const char* digits : {"1", "123", "12a4", "1 ", "\xff\xff"}) {
        SCOPED_TRACE(digits);
        for (const TagBarLayout& layout :
             {LayoutCode128C(digits, 40, 5, k600), LayoutI2of5(digits, 40, 5, k600)}) {
            EXPECT_TRUE(layout.bars.empty());
            EXPECT_EQ(layout.penX, 40);
        }
    }
    EXPECT_EQ(ModulesFromWidths("21x3"), "");
}
#else
TEST(TagBarLayoutDeathTest, MalformedDigitsAssert) {
    EXPECT_DEATH(LayoutCode128C("123", 0, 0, k600), "");
    EXPECT_DEATH(LayoutI2of5("12a4", 0, 0, k600), "");
}
#endif

}  // namespace
}  // namespace zolvane::symbology
