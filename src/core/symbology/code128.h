#pragma once

// Code 128, code set C, as the 24-digit barcode of Intelligent Mail tray and
// sack tags uses it. Symbol characters are named by two-character codes:
// "00".."99" for values 0..99 and "H" + d for value 100 + d ("H5" Start C,
// "H6" Stop).

#include <string>
#include <string_view>

namespace zolvane::symbology {

// The width pattern of a symbol character: six digits 1..4, bar and space
// widths in modules starting with a bar; Stop has seven, ending with a bar.
// Empty for a code without a pattern ("H3", "H4" and anything unknown).
std::string_view Code128Pattern(std::string_view code);

// The code of a value 0..109: "0d" up to 9, "dd" up to 99, "Hd" above.
// Empty for any other value.
std::string Code128Code(int value);

// The check value of set C digits: 105 plus k times the k-th pair, mod 103.
// -1 when digits is not an even number of decimal digits.
int Code128CCheckValue(std::string_view digits);

// "H5" + digits + the check code + "H6"; empty when digits is not an even
// number of decimal digits.
std::string Code128CText(std::string_view digits);

// The patterns of the whole symbol joined: alternating bar and space widths,
// bar first and last. Empty when digits is not an even number of decimal digits.
std::string Code128CWidths(std::string_view digits);

}  // namespace zolvane::symbology
