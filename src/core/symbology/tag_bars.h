#pragma once

// The bars of the tray-tag barcodes as printer-pixel rectangles. The page
// painter fills each rectangle with the layout's colour; tests read the same
// layouts. One module is one point wide and every bar is 52 points high.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zolvane::symbology {

// Printer pixels per point (pixels per inch / 72), horizontally and vertically.
struct TagUnits {
    float x = 0;
    float y = 0;
};
TagUnits TagUnitsForDpi(int dpiX, int dpiY);

// Narrow and Wide: Interleaved 2 of 5 bars. One..Four: Code 128 bars of that
// many modules.
enum class TagBarKind : std::uint8_t { Narrow, Wide, One, Two, Three, Four };

// The filled width of a bar and how far the pen then moves right. Code 128
// bars of 1 and 2 modules are drawn 0.8 and 1.9 modules wide; all sizes are
// rounded to the nearest pixel, halves to even.
struct TagBarSize {
    int width = 0;
    int advance = 0;
};
TagBarSize TagBarWidths(TagBarKind kind, TagUnits units);

// round(52 × units.y).
int TagBarHeight(TagUnits units);

// The pen advance of a Code 128 space of 1..4 modules after a bar of 1..4
// modules: a 1-module space is 1.1 modules after a 1- or 2-module bar and 1.2
// after a 3- or 4-module bar, which makes up for the thinned bars.
int Code128SpaceAdvance(int modules, int precedingBarModules, TagUnits units);

struct BarRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const BarRect&) const = default;
};

struct TagBarLayout {
    std::vector<BarRect> bars;  // left to right
    int penX = 0;               // the pen after the last bar
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The symbol with the top-left corner of its first bar at (x, y): no quiet
// zone, no human-readable digits. digits must be an even number of decimal
// digits; for anything else the layout has no bars and penX is x.
TagBarLayout LayoutCode128C(std::string_view digits, int x, int y, TagUnits units);  // RGB 17,17,17
TagBarLayout LayoutI2of5(std::string_view digits, int x, int y, TagUnits units);     // black

// Alternating bar and space widths (digits, bar first) expanded to one
// character per module: '1' bar, '0' space.
// Empty when widths holds a non-digit.
std::string ModulesFromWidths(std::string_view widths);
std::string Code128CModules(std::string_view digits);
std::string I2of5Modules(std::string_view digits);

}  // namespace zolvane::symbology
