#include "address/units.h"

// Placeholder: the address analysis arrives with its own change.

namespace zolvane::address {

const std::vector<std::string>& UnitDesignators() {
    static const std::vector<std::string> designators;
    return designators;
}

std::string UnitAfterDesignator(std::string_view, std::string_view) { return {}; }
std::string FoldUnitNumber(std::string_view) { return {}; }
std::string LetterCode(char) { return {}; }
DeliveryPoint HighriseDeliveryPoint(std::string_view) { return {'9', '9'}; }
std::string Highrise(std::string_view, std::string_view, std::string_view) { return {}; }

}  // namespace zolvane::address
