#pragma once

// The checks of the intelligent barcode setup, shared by the setup dialog,
// the command line's settings and the barcode run.

#include <string>
#include <string_view>
#include <vector>

namespace zolvane::settings {

class Prefs;

struct ImbSetupValues {
    std::string_view mailerId;      // prefs line 9
    std::string_view serialOption;  // prefs line 19: "0" automatic, "1" from the list, "2" fixed
    std::string_view startSerial;   // prefs line 10
    std::string_view fixedSerial;   // prefs line 20
};

// The message of the first check that fails, in the setup's order; empty when
// all pass.
std::string CheckImbSetup(const ImbSetupValues& values);
ImbSetupValues ImbSetupValuesOf(const Prefs& prefs);

}  // namespace zolvane::settings
