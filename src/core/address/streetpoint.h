#pragma once

// The two-digit delivery point taken from the primary number of a street
// address (house number, or box number of a box-type address), and the
// normalisation of a delivery point read from a list's own field.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zolvane::address {

// Always two decimal digits; "99" when none can be derived.
using DeliveryPoint = std::array<char, 2>;

inline std::string_view AsText(const DeliveryPoint& dp) {
    return {dp.data(), dp.size()};
}

// The delivery point derived from the primary number of the address.
DeliveryPoint StreetpointDeliveryPoint(std::string_view address);

// POSTNET text for zip + the delivery point: dp when it is not empty,
// otherwise the one derived from the address ("99" when both are empty).
std::string Streetpoint(std::string_view address, std::string_view zip, std::string_view dp,
                        std::string_view frameBar);

// A delivery point read from the list's delivery-point field, made usable:
// trimmed of blanks and control characters, digits only, at most three; a
// third digit must be the POSTNET check digit of zip9 and the first two (zip9
// empty when the record has no valid ZIP+4). Empty when unusable.
std::optional<DeliveryPoint> NormalizeGivenDeliveryPoint(std::string_view field,
                                                         std::string_view zip9);

}  // namespace zolvane::address
