#include "symbology/i2of5.h"

#include <array>
#include <cassert>

#include "text/bytes.h"

namespace zolvane::symbology {

namespace {

constexpr std::array<std::string_view, 10> kPatterns = {
    "NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW", "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN",
};

char Modules(char element) {
    return element == 'W' ? '3' : '1';
}

}  // namespace

std::string_view I2of5Pattern(char digit) {
    assert(text::IsDigit(digit));
    if (!text::IsDigit(digit)) return {};
    return kPatterns[digit - '0'];
}

std::string I2of5Widths(std::string_view digits) {
    assert(digits.size() % 2 == 0 && text::AllDigits(digits));
    if (digits.size() % 2 != 0 || !text::AllDigits(digits)) return {};
    std::string widths = "1111";
    widths.reserve(4 + digits.size() * 5 + 3);
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        std::string_view bars = kPatterns[digits[i] - '0'];
        std::string_view spaces = kPatterns[digits[i + 1] - '0'];
        for (std::size_t e = 0; e < 5; ++e) {
            widths.push_back(Modules(bars[e]));
            widths.push_back(Modules(spaces[e]));
        }
    }
    widths.append("311");
    return widths;
}

}  // namespace zolvane::symbology
