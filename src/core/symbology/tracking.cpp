#include "symbology/tracking.h"

#include <cstring>

#include "settings/prefs.h"
#include "text/bytes.h"

namespace zolvane::symbology {

using settings::PrefLine;

namespace {

int IntOrInvalid(const settings::Prefs& prefs, PrefLine line) {
    auto v = prefs.GetInt(line);
    return (v && *v >= 0 && *v <= 9) ? static_cast<int>(*v) : -1;
}

struct OelKey {
    std::string_view key;
    std::string_view id;
};
constexpr OelKey kOelKeys[] = {
    {"FIRM", "10"},      {"CAR-RT", "10"},      {"CR LOT", "10"},      {"ECRLOT", "10"},
    {"ECRWSH", "10"},    {"ECRWSS", "10"},      {"5-DIGIT", "20"},     {"SCH 5-DIGIT", "20"},
    {"3-DIGIT", "30"},   {"SCH 3-DIGIT", "30"}, {"ALL FOR ADC", "40"}, {"ORIGIN", "50"},
    {"MIXED ADC", "50"},
};

// [class][address correction][service * 2 + confirm]; nullptr: no identifier.
constexpr const char* kServiceTypes[4][4][6] = {
    {
        // First Class
        {"300", "310", "260", "270", "700", "310"},
        {"700", "040", "036", "041", "700", "040"},
        {"080", "140", "081", "141", "080", "140"},
        {"082", "240", "083", "241", "082", "240"},
    },
    {
        // Standard Class
        {"301", "311", "261", "271", "702", "311"},
        {"702", "042", "037", "043", "702", "042"},
        {"090", "142", "091", "143", "090", "142"},
        {"092", "242", "093", "243", "092", "242"},
    },
    {
        // Periodical Class: no choice 0
        {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"704", "044", "264", "274", "704", "044"},
        {"784", "244", "038", "045", "784", "244"},
        {"782", "144", "783", "145", "782", "144"},
    },
    {
        // Bound Printed: Confirm is not consulted
        {"401", "401", "265", "265", "706", "706"},
        {"706", "706", "466", "466", "706", "706"},
        {"424", "424", "423", "423", "424", "424"},
        {"431", "431", "430", "430", "431", "431"},
    },
};

constexpr const char* kReplyPrefixes[5][2] = {
    // {Confirm checked, not checked}
    {"00052", "00708"}, {"00052", "00708"}, {"00051", "00701"},
    {"00050", "00703"}, {"00050", "00703"},
};

// Appends to a fixed buffer; the longest tracking code a caller can make is
// bounded by its inputs, so the buffer grows only for absurd input.
struct Builder {
    char small[48];
    std::string big;
    std::size_t size = 0;
    void Append(std::string_view s) {
        if (big.empty() && size + s.size() <= sizeof small) {
            std::memcpy(small + size, s.data(), s.size());
        } else {
            if (big.empty()) big.assign(small, size);
            big.append(s);
        }
        size += s.size();
    }
    std::string_view View() const {
        return big.empty() ? std::string_view(small, size) : std::string_view(big);
    }
};

}  // namespace

ImbSettings ImbSettings::FromPrefs(const settings::Prefs& prefs) {
    ImbSettings s;
    s.mailerId = prefs.Get(PrefLine::MailerId);
    s.mailClass = IntOrInvalid(prefs, PrefLine::MailClass);
    s.service = IntOrInvalid(prefs, PrefLine::ImbService);
    s.addressCorrection = IntOrInvalid(prefs, PrefLine::AddressCorrection);
    s.confirm = prefs.Get(PrefLine::Confirm) != "f";
    return s;
}

std::string_view BarcodeIdForOel(std::string_view oel) {
    // Upper-case only as much as the longest key needs, after the leading
    // asterisks and blanks.
    std::size_t i = 0;
    while (i < oel.size() && (oel[i] == '*' || oel[i] == ' ')) ++i;
    char head[11];
    std::size_t n = 0;
    for (; n < sizeof head && i + n < oel.size(); ++n) head[n] = text::AsciiUpper(oel[i + n]);
    std::string_view upper(head, n);
    for (const auto& k : kOelKeys)
        if (upper.substr(0, k.key.size()) == k.key) return k.id;
    return "00";
}

std::optional<std::string_view> ServiceTypeId(int mailClass, int addressCorrection, int service,
                                              bool confirm) {
    if (mailClass < 0 || mailClass > 3 || addressCorrection < 0 || addressCorrection > 3 ||
        service < 0 || service > 2)
        return std::nullopt;
    const char* id = kServiceTypes[mailClass][addressCorrection][service * 2 + (confirm ? 1 : 0)];
    if (!id) return std::nullopt;
    return std::string_view(id);
}

std::optional<std::string_view> ReplyPrefix(int replyType, bool confirm) {
    if (replyType < 0 || replyType > 4) return std::nullopt;
    return std::string_view(kReplyPrefixes[replyType][confirm ? 0 : 1]);
}

std::optional<std::string> ComposeTrackingCode(std::string_view oel, std::string_view serial,
                                               const ImbSettings& settings) {
    auto stid = ServiceTypeId(settings.mailClass, settings.addressCorrection, settings.service,
                              settings.confirm);
    if (!stid) return std::nullopt;
    std::string code;
    code.reserve(5 + settings.mailerId.size() + serial.size());
    code.append(BarcodeIdForOel(oel)).append(*stid).append(settings.mailerId).append(serial);
    return code;
}

std::string RoutingText(std::string_view zip, std::string_view dp) {
    if (zip.size() == 5) return std::string(zip);
    if (zip.size() == 9) return std::string(zip).append(dp);
    return {};
}

ImbError MakeIMB(std::string_view zip, std::string_view dp, std::string_view oel,
                 std::string_view mode, std::string_view serial, const ImbSettings& settings,
                 const ReplyOptions& reply, char* out) {
    Builder tracking;
    if (mode == "y") {
        auto prefix = ReplyPrefix(reply.replyType, reply.confirm);
        if (!prefix) return ImbError::NoServiceType;
        tracking.Append(*prefix);
        tracking.Append(settings.mailerId);
        tracking.Append("000001");
        if (tracking.size == 17) tracking.Append("001");
    } else {
        auto stid = ServiceTypeId(settings.mailClass, settings.addressCorrection, settings.service,
                                  settings.confirm);
        if (!stid) return ImbError::NoServiceType;
        tracking.Append(BarcodeIdForOel(oel));
        tracking.Append(*stid);
        tracking.Append(settings.mailerId);
        tracking.Append(serial);
    }
    char routing[11];
    std::size_t routingSize = 0;
    if (zip.size() == 5 || (zip.size() == 9 && dp.size() <= 2)) {
        std::memcpy(routing, zip.data(), zip.size());
        routingSize = zip.size();
        if (zip.size() == 9) {
            std::memcpy(routing + 9, dp.data(), dp.size());
            routingSize += dp.size();
        }
    } else if (zip.size() == 9) {
        // A delivery-point text longer than two characters makes a routing
        // text of a length that means "no routing code".
        routingSize = 0;
    }
    return EncodeIMB(std::string_view(routing, routingSize), tracking.View(), out);
}

ImbResult MakeIMB(std::string_view zip, std::string_view dp, std::string_view oel,
                  std::string_view mode, std::string_view serial, const ImbSettings& settings,
                  const ReplyOptions& reply) {
    ImbResult r;
    r.bars.resize(kImbBarCount);
    r.error = MakeIMB(zip, dp, oel, mode, serial, settings, reply, r.bars.data());
    if (!r.ok()) r.bars.clear();
    return r;
}

}  // namespace zolvane::symbology
