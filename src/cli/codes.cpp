// zolvane-cli imb, postnet and dp: one barcode or delivery point per input.

#include <cstdio>

#include "address/streetpoint.h"
#include "address/units.h"
#include "cli.h"
#include "symbology/imb.h"
#include "symbology/postnet.h"
#include "text/bytes.h"

namespace zolvane::cli {

using settings::PrefLine;

namespace {

void PrintLine(std::string_view s) {
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
}

std::string ZipError(std::string_view zip) {
    if (zip.size() != 9 || !text::AllDigits(zip))
        return "the ZIP+4 must be exactly 9 digits, without a hyphen (got '" + std::string(zip) +
               "').";
    return {};
}

std::string FrameBar(std::vector<std::string>& args, Context& context) {
    if (auto frame = TakeOption(args, "--frame")) return *frame;
    return context.Prefs().Get(PrefLine::FrameBar);
}

}  // namespace

int RunImb(std::vector<std::string> args, Context&) {
    RefuseUnknownOptions(args, "imb");
    auto encode = [](std::string_view tracking, std::string_view routing) -> LineResult {
        char bars[symbology::kImbBarCount];
        auto error = symbology::EncodeIMB(routing, tracking, bars);
        if (error != symbology::ImbError::None)
            return {{}, std::string(symbology::ImbErrorMessage(error))};
        return {std::string(bars, sizeof bars), {}};
    };
    if (args.size() == 1 && args[0] == "-") {
        return ForEachStdinLine("imb", [&](std::string_view line) -> LineResult {
            auto space = line.find(' ');
            if (space == std::string_view::npos) return encode(line, {});
            auto routing = line.substr(space + 1);
            if (routing.find(' ') != std::string_view::npos)
                return {{}, "a line holds a tracking code and at most one routing code."};
            return encode(line.substr(0, space), routing);
        });
    }
    if (args.empty() || args.size() > 2)
        throw UsageError{"usage: zolvane-cli imb TRACKING [ROUTING], or imb - to read stdin."};
    auto r = encode(args[0], args.size() == 2 ? std::string_view(args[1]) : std::string_view());
    if (!r.error.empty()) return Fail("imb", r.error, kExitUsage);
    PrintLine(r.output);
    return kExitOk;
}

int RunPostnet(std::vector<std::string> args, Context& context) {
    const std::string frame = FrameBar(args, context);
    RefuseUnknownOptions(args, "postnet");
    auto make = [&](std::string_view digits) -> LineResult {
        if (digits.empty() || !text::AllDigits(digits))
            return {{},
                    "the digits to encode may only be 0 to 9 (got '" + std::string(digits) + "')."};
        return {symbology::PostnetText(digits, frame), {}};
    };
    if (args.size() == 1 && args[0] == "-") return ForEachStdinLine("postnet", make);
    if (args.size() != 1)
        throw UsageError{
            "usage: zolvane-cli postnet [--frame C] DIGITS, or postnet - to read stdin."};
    auto r = make(args[0]);
    if (!r.error.empty()) return Fail("postnet", r.error, kExitUsage);
    PrintLine(r.output);
    return kExitOk;
}

int RunDp(std::vector<std::string> args, Context& context) {
    const bool primary = TakeFlag(args, "--primary");
    const std::string frame = FrameBar(args, context);
    RefuseUnknownOptions(args, "dp");
    auto make = [&](std::string_view address, std::string_view zip) -> LineResult {
        if (auto e = ZipError(zip); !e.empty()) return {{}, e};
        if (primary) return {address::Streetpoint(address, zip, "", frame), {}};
        return {address::Highrise(address, zip, frame), {}};
    };
    if (args.size() == 1 && args[0] == "-") {
        return ForEachStdinLine("dp", [&](std::string_view line) -> LineResult {
            auto tab = line.rfind('\t');
            if (tab == std::string_view::npos)
                return {{}, "a line holds an address, a tab and a 9-digit ZIP+4."};
            return make(line.substr(0, tab), line.substr(tab + 1));
        });
    }
    if (args.size() != 2)
        throw UsageError{
            "usage: zolvane-cli dp [--primary] [--frame C] ADDRESS ZIP9, or dp - to read stdin."};
    auto r = make(args[0], args[1]);
    if (!r.error.empty()) return Fail("dp", r.error, kExitUsage);
    PrintLine(r.output);
    return kExitOk;
}

}  // namespace zolvane::cli
