#pragma once

// Byte-level helpers shared by every layer of the core. Text is 8-bit and is
// never converted: "digit" is '0'..'9', "letter" is 'A'..'Z', and only the
// letters 'a'..'z' are ever upper-cased.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zolvane::text {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}
constexpr char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// True for an empty text too.
constexpr bool AllDigits(std::string_view s) {
    for (char c : s)
        if (!IsDigit(c)) return false;
    return true;
}

inline std::string AsciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = AsciiUpper(c);
    return out;
}

// Removes leading and trailing characters whose code is 32 or less (blanks and
// control characters), as lists' ZIP, delivery-point and serial fields are trimmed.
constexpr std::string_view TrimControl(std::string_view s) {
    auto isCtl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!s.empty() && isCtl(s.front())) s.remove_prefix(1);
    while (!s.empty() && isCtl(s.back())) s.remove_suffix(1);
    return s;
}

// A decimal integer: optional blanks around, an optional sign, then digits.
// Empty when the text holds no such number or it does not fit.
std::optional<std::int64_t> ParseInteger(std::string_view s);

}  // namespace zolvane::text
