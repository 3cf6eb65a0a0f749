#include "symbology/imb.h"

// Placeholder: the encoder arrives with its own change.

namespace zolvane::symbology {

std::string_view ImbErrorMessage(ImbError error) {
    switch (error) {
        case ImbError::None: return "";
        case ImbError::TrackingTooShort: return "The tracking code must have 20 digits.";
        case ImbError::TrackingNotDigits: return "The tracking code may only contain digits.";
        case ImbError::SecondDigitAbove4:
            return "The second digit of the tracking code (the barcode identifier) must be 0 to 4.";
        case ImbError::RoutingNotDigits: return "The routing code (ZIP code) may only contain digits.";
        case ImbError::NoServiceType:
            return "These mail settings have no service type identifier: choose another class of "
                   "mail, service or address correction option.";
    }
    return "";
}

const std::array<std::string, 1365>& InitImbTables() {
    static std::array<std::string, 1365> table;
    return table;
}

ImbError EncodeIMB(std::string_view, std::string_view, char*) { return ImbError::TrackingTooShort; }

ImbResult EncodeIMB(std::string_view routing, std::string_view tracking) {
    ImbResult r;
    r.bars.resize(kImbBarCount);
    r.error = EncodeIMB(routing, tracking, r.bars.data());
    if (!r.ok()) r.bars.clear();
    return r;
}

}  // namespace zolvane::symbology
