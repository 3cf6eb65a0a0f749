#pragma once

// The tracking code and routing code of every Intelligent Mail barcode the
// program makes, and the one entry that makes the barcode: MakeIMB.

#include <optional>
#include <string>
#include <string_view>

#include "symbology/imb.h"

namespace zolvane::settings {
class Prefs;
}

namespace zolvane::symbology {

// The mailer's settings that the tracking code encodes. A class, service or
// address-correction value of -1 stands for a settings line that holds no
// number.
struct ImbSettings {
    std::string mailerId;        // 6 or 9 digits
    int mailClass = -1;          // 0 First, 1 Standard, 2 Periodical, 3 Bound Printed
    int service = -1;            // 0 Basic, 1 Full, 2 Nonautomation
    int addressCorrection = -1;  // 0..3
    bool confirm = false;        // IMB Tracing or Confirm

    static ImbSettings FromPrefs(const settings::Prefs& prefs);
};

// The single reply-mail dialog's choices.
struct ReplyOptions {
    int replyType = 0;  // 0 Business, 1 Qualified Business, 2 Permit, 3 Courtesy, 4 Metered
    bool confirm = false;
};

// "10", "20", "30", "40", "50" for the known OEL keys, "00" otherwise.
std::string_view BarcodeIdForOel(std::string_view oel);

// The three-digit service type identifier; empty for a combination that has
// none (Periodical Class without address correction, values out of range).
std::optional<std::string_view> ServiceTypeId(int mailClass, int addressCorrection, int service,
                                              bool confirm);

// Barcode identifier and service type identifier of a reply barcode.
std::optional<std::string_view> ReplyPrefix(int replyType, bool confirm);

// List mode: barcode identifier + service type identifier + mailer ID +
// serial. Empty when the settings have no service type identifier.
std::optional<std::string> ComposeTrackingCode(std::string_view oel, std::string_view serial,
                                               const ImbSettings& settings);

// The routing text: a 5-character ZIP alone, a 9-character ZIP followed by the
// delivery point, anything else no routing code.
std::string RoutingText(std::string_view zip, std::string_view dp);

// mode "y" is reply mode (tracking code from the reply options, the mailer ID
// and a fixed serial); any other text is list mode. Writes 65 letters into out.
ImbError MakeIMB(std::string_view zip, std::string_view dp, std::string_view oel,
                 std::string_view mode, std::string_view serial, const ImbSettings& settings,
                 const ReplyOptions& reply, char* out);
ImbResult MakeIMB(std::string_view zip, std::string_view dp, std::string_view oel,
                  std::string_view mode, std::string_view serial, const ImbSettings& settings,
                  const ReplyOptions& reply = {});

}  // namespace zolvane::symbology
