#pragma once

// POSTNET barcode text: the digits, their check digit, and the barcode font's
// frame-bar character in front and behind. The program never draws POSTNET
// bars; a barcode font turns this text into bars.

#include <string>
#include <string_view>

namespace zolvane::symbology {

// The digit that makes the sum of all digits a multiple of 10.
// Precondition: digits holds decimal digits only.
char PostnetCheckDigit(std::string_view digits);

// frameBar + digits + check digit + frameBar. An empty frame bar gives a text
// without frame characters.
std::string PostnetText(std::string_view digits, std::string_view frameBar);

}  // namespace zolvane::symbology
