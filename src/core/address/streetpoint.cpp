#include "address/streetpoint.h"

// Placeholder: the address analysis arrives with its own change.

namespace zolvane::address {

DeliveryPoint StreetpointDeliveryPoint(std::string_view) { return {'9', '9'}; }

std::string Streetpoint(std::string_view, std::string_view, std::string_view, std::string_view) {
    return {};
}

std::optional<DeliveryPoint> NormalizeGivenDeliveryPoint(std::string_view, std::string_view) {
    return std::nullopt;
}

}  // namespace zolvane::address
