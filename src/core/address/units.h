#pragma once

// Secondary units (apartment, suite, "#" ...) and the delivery point they give.

#include <string>
#include <string_view>
#include <vector>

#include "address/streetpoint.h"

namespace zolvane::address {

// The 41 designators in search order, "APARTMENT" first, "#" last. Built once.
const std::vector<std::string>& UnitDesignators();

// The unit text following the designator in a normalised address, or empty.
std::string UnitAfterDesignator(std::string_view designator, std::string_view text);

// Four digits to a two-digit delivery point. Precondition: exactly four digits.
std::string FoldUnitNumber(std::string_view fourDigits);

// A letter's code: A..I 1..9, J 0, K..T 21..30, U..Z 41..46. Empty for
// anything but a capital letter.
std::string LetterCode(char letter);

// The delivery point of the address's secondary unit, or of its primary
// number when it has none.
DeliveryPoint HighriseDeliveryPoint(std::string_view address);

// POSTNET text for zip + HighriseDeliveryPoint(address).
std::string Highrise(std::string_view address, std::string_view zip, std::string_view frameBar);

}  // namespace zolvane::address
