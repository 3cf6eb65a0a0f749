#pragma once

// Interleaved 2 of 5, the barcode of traditional tray and sack tags: digits
// in pairs, the first digit of a pair in the bars and the second in the
// spaces between them. No check digit is added.

#include <string>
#include <string_view>

namespace zolvane::symbology {

// The five elements of a digit, "N" narrow or "W" wide; empty for a non-digit.
std::string_view I2of5Pattern(char digit);

// The whole symbol as alternating bar and space widths in modules, bar first
// and last, wide elements 3 modules: start "1111", the pairs, stop "311".
// Empty when digits is not an even number of decimal digits.
std::string I2of5Widths(std::string_view digits);

}  // namespace zolvane::symbology
