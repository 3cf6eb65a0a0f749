#pragma once

// The Intelligent Mail barcode encoder (USPS-B-3200): a routing code and a
// 20-digit tracking code become 65 bar letters, bar 1 first: "T" tracker,
// "D" descender, "A" ascender, "F" full bar.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zolvane::symbology {

inline constexpr std::size_t kImbBarCount = 65;

// Why an Intelligent Mail barcode was not made.
enum class ImbError {
    None,
    TrackingTooShort,   // fewer than 20 characters
    TrackingNotDigits,  // a non-digit among the first 20
    SecondDigitAbove4,  // the barcode identifier's second digit is 5 to 9
    RoutingNotDigits,   // a 5-, 9- or 11-character routing code with a non-digit
    NoServiceType,      // the mail settings have no service type identifier
};

// The program's own one-line explanation of an error, for a message or stderr.
std::string_view ImbErrorMessage(ImbError error);

// The character table: 1365 texts of 13 '0'/'1' characters, most significant
// bit first; entries 0..1286 the 5-of-13 characters, 1287..1364 the 2-of-13.
// Built once; later calls return the same table.
const std::array<std::string, 1365>& InitImbTables();

// Encodes into out[0..64]. A routing text of a length other than 5, 9 or 11
// means "no routing code"; tracking characters after the 20th are ignored.
// On an error nothing is written to out.
ImbError EncodeIMB(std::string_view routing, std::string_view tracking, char* out);

struct ImbResult {
    std::string bars;  // 65 letters, empty on an error
    ImbError error = ImbError::None;
    bool ok() const { return error == ImbError::None; }
};
ImbResult EncodeIMB(std::string_view routing, std::string_view tracking);

}  // namespace zolvane::symbology
