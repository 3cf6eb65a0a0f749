#include "settings/setup_checks.h"

#include "settings/prefs.h"
#include "text/bytes.h"

namespace zolvane::settings {

std::string CheckImbSetup(const ImbSetupValues& v) {
    if (v.mailerId.size() != 6 && v.mailerId.size() != 9)
        return "Sorry, your mailer ID must be a 6-digit or 9-digit number. It is assigned to you "
               "by "
               "USPS. (It is NOT the same as your permit number.)";
    if (!text::AllDigits(v.mailerId)) return "Sorry, your mailer ID may only contain digits.";
    if (v.serialOption == "0") {
        if (v.startSerial.empty())
            return "You must fill in a starting number for the serial number assigned to each "
                   "piece of mail.";
        if (!text::AllDigits(v.startSerial))
            return "Sorry, the starting serial number may only contain digits.";
        if (v.startSerial.find_first_not_of('0') == std::string_view::npos)
            return "Sorry, the starting serial number cannot be 0.";
        if (v.mailerId.size() == 9 && v.startSerial.size() > 6)
            return "Sorry, if you have a 9-digit mailer ID, the starting serial number may not be "
                   "larger than 999,999. If you mail more than 1 million pieces of the same mail "
                   "class in a 45 day period, you must get a new 6-digit mailer ID from USPS.";
    }
    if (v.serialOption == "2") {
        if (!text::AllDigits(v.fixedSerial))
            return "Sorry, the serial number may only contain digits.";
        if (v.fixedSerial.empty()) return "You must fill in a number for the serial number.";
    }
    return {};
}

ImbSetupValues ImbSetupValuesOf(const Prefs& prefs) {
    return {prefs.Get(PrefLine::MailerId), prefs.Get(PrefLine::SerialOption),
            prefs.Get(PrefLine::NextSerial), prefs.Get(PrefLine::FixedSerial)};
}

}  // namespace zolvane::settings
