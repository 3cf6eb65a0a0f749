#include "symbology/tag_bars.h"

#include <array>
#include <cassert>
#include <cmath>

#include "symbology/code128.h"
#include "symbology/i2of5.h"
#include "text/bytes.h"

namespace zolvane::symbology {

namespace {

// The product is taken in double from the float unit; lrint rounds halves to
// even under the default rounding mode.
int Pixels(double modules, float unit) {
    return static_cast<int>(std::lrint(modules * static_cast<double>(unit)));
}

BarRect Bar(int& penX, int y, int height, TagBarSize size) {
    BarRect rect{penX, y, size.width, height};
    penX += size.advance;
    return rect;
}

}  // namespace

TagUnits TagUnitsForDpi(int dpiX, int dpiY) {
    return {static_cast<float>(dpiX) / 72.0f, static_cast<float>(dpiY) / 72.0f};
}

TagBarSize TagBarWidths(TagBarKind kind, TagUnits units) {
    switch (kind) {
        case TagBarKind::Narrow:
            return {Pixels(1, units.x), Pixels(1, units.x)};
        case TagBarKind::Wide:
            return {Pixels(3, units.x), Pixels(3, units.x)};
        case TagBarKind::One:
            return {Pixels(0.8, units.x), Pixels(1, units.x)};
        case TagBarKind::Two:
            return {Pixels(1.9, units.x), Pixels(2, units.x)};
        case TagBarKind::Three:
            return {Pixels(3, units.x), Pixels(3, units.x)};
        case TagBarKind::Four:
            return {Pixels(4, units.x), Pixels(4, units.x)};
    }
    return {};
}

int TagBarHeight(TagUnits units) {
    return Pixels(52, units.y);
}

int Code128SpaceAdvance(int modules, int precedingBarModules, TagUnits units) {
    assert(modules >= 1 && modules <= 4 && precedingBarModules >= 1 && precedingBarModules <= 4);
    if (modules == 1) return Pixels(precedingBarModules <= 2 ? 1.1 : 1.2, units.x);
    if (modules < 1 || modules > 4) return 0;
    return Pixels(modules, units.x);
}

TagBarLayout LayoutCode128C(std::string_view digits, int x, int y, TagUnits units) {
    TagBarLayout layout{{}, x, 17, 17, 17};
    std::string widths = Code128CWidths(digits);
    if (widths.empty()) return layout;

    constexpr std::array<TagBarKind, 4> kKinds = {TagBarKind::One, TagBarKind::Two,
                                                  TagBarKind::Three, TagBarKind::Four};
    std::array<TagBarSize, 4> bars{};
    std::array<std::array<int, 4>, 4> spaces{};  // [modules - 1][preceding bar modules - 1]
    for (int m = 0; m < 4; ++m) {
        bars[m] = TagBarWidths(kKinds[m], units);
        for (int b = 0; b < 4; ++b) spaces[m][b] = Code128SpaceAdvance(m + 1, b + 1, units);
    }
    const int height = TagBarHeight(units);

    layout.bars.reserve(widths.size() / 2 + 1);
    int previousBar = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        int m = widths[i] - '1';
        if (i % 2 == 0) {
            layout.bars.push_back(Bar(layout.penX, y, height, bars[m]));
            previousBar = m;
        } else {
            layout.penX += spaces[m][previousBar];
        }
    }
    return layout;
}

TagBarLayout LayoutI2of5(std::string_view digits, int x, int y, TagUnits units) {
    TagBarLayout layout{{}, x, 0, 0, 0};
    std::string widths = I2of5Widths(digits);
    if (widths.empty()) return layout;

    const TagBarSize narrow = TagBarWidths(TagBarKind::Narrow, units);
    const TagBarSize wide = TagBarWidths(TagBarKind::Wide, units);
    const int height = TagBarHeight(units);

    layout.bars.reserve(widths.size() / 2 + 1);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const TagBarSize& size = widths[i] == '3' ? wide : narrow;
        if (i % 2 == 0) {
            layout.bars.push_back(Bar(layout.penX, y, height, size));
        } else {
            layout.penX += size.advance;
        }
    }
    return layout;
}

std::string ModulesFromWidths(std::string_view widths) {
    std::string modules;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        assert(text::IsDigit(widths[i]));
        if (!text::IsDigit(widths[i])) return {};
        modules.append(static_cast<std::size_t>(widths[i] - '0'), i % 2 == 0 ? '1' : '0');
    }
    return modules;
}

std::string Code128CModules(std::string_view digits) {
    return ModulesFromWidths(Code128CWidths(digits));
}

std::string I2of5Modules(std::string_view digits) {
    return ModulesFromWidths(I2of5Widths(digits));
}

}  // namespace zolvane::symbology
