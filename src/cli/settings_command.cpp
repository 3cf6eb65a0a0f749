// zolvane-cli settings: shows the settings by name, or changes them with the
// checks of the preferences and the intelligent barcode setup.

#include <cstring>
#include <iostream>

#include "cli.h"
#include "settings/setup_checks.h"
#include "text/bytes.h"

namespace zolvane::cli {

using settings::PrefLine;

namespace {

// A setting as the command line names it, and the words for its choices
// (position = the stored value). No words: free text.
struct Setting {
    const char* name;
    PrefLine line;
    std::vector<const char*> choices;
    const char* meaning;
};

const std::vector<Setting>& Settings() {
    static const std::vector<Setting> kSettings = {
        {"barcode-kind",
         PrefLine::BarcodeKind,
         {"imb", "postnet"},
         "kind of barcode added to lists"},
        {"output",
         PrefLine::BarcodeOutput,
         {"into-list", "barcodes-only"},
         "where barcodes are saved"},
        {"barcodes-only-name",
         PrefLine::BarcodesOnlyName,
         {"barcode.txt", "ask"},
         "name of the barcodes-only file"},
        {"frame-bar", PrefLine::FrameBar, {}, "POSTNET frame-bar character"},
        {"mailer-id", PrefLine::MailerId, {}, "USPS mailer ID (6 or 9 digits)"},
        {"mail-class",
         PrefLine::MailClass,
         {"first", "standard", "periodical", "bound-printed"},
         "class of mail"},
        {"service", PrefLine::ImbService, {"basic", "full", "nonautomation"}, "IMb service option"},
        {"address-correction",
         PrefLine::AddressCorrection,
         {"none", "manual", "acs-address", "acs-change"},
         "address correction (periodicals: acs-address = ACS without printed endorsement, "
         "acs-change = with)"},
        {"confirm", PrefLine::Confirm, {}, "IMB Tracing or Confirm (yes/no)"},
        {"oels", PrefLine::Oels, {}, "flats mailed with OELs (yes/no)"},
        {"serial-option",
         PrefLine::SerialOption,
         {"auto", "from-list", "fixed"},
         "mailpiece serial numbers"},
        {"next-serial", PrefLine::NextSerial, {}, "next automatic serial number"},
        {"fixed-serial", PrefLine::FixedSerial, {}, "the serial number for every record (fixed)"},
    };
    return kSettings;
}

bool IsFlag(PrefLine line) {
    return line == PrefLine::Confirm || line == PrefLine::Oels;
}

std::string Shown(const Setting& s, const settings::Prefs& prefs) {
    const std::string& v = prefs.Get(s.line);
    if (IsFlag(s.line)) return v == "t" ? "yes" : "no";
    if (!s.choices.empty()) {
        auto n = text::ParseInteger(v);
        if (n && *n >= 0 && *n < static_cast<std::int64_t>(s.choices.size()))
            return s.choices[static_cast<std::size_t>(*n)];
        return "'" + v + "' (not a valid choice)";
    }
    return v;
}

std::string Stored(const Setting& s, const std::string& value) {
    if (IsFlag(s.line)) {
        if (value == "yes" || value == "t" || value == "true") return "t";
        if (value == "no" || value == "f" || value == "false") return "f";
        throw UsageError{std::string(s.name) + " is yes or no."};
    }
    if (!s.choices.empty()) {
        std::string list;
        for (std::size_t i = 0; i < s.choices.size(); ++i) {
            if (value == s.choices[i] || value == std::to_string(i)) return std::to_string(i);
            list += (i ? ", " : "") + std::string(s.choices[i]);
        }
        throw UsageError{std::string(s.name) + " is one of " + list + "."};
    }
    if (s.line == PrefLine::FrameBar && value.size() > 1)
        throw UsageError{"the frame bar is a single character (or none)."};
    if ((s.line == PrefLine::MailerId || s.line == PrefLine::NextSerial ||
         s.line == PrefLine::FixedSerial) &&
        value.size() > 9)
        throw UsageError{std::string(s.name) + " has at most 9 characters."};
    return value;
}

// What the setup dialog does on its own when the choices meet.
void ApplyDependentChoices(settings::Prefs& prefs) {
    if (prefs.Get(PrefLine::MailClass) == "3") prefs.Put(PrefLine::Confirm, "f");
    if (prefs.Get(PrefLine::MailClass) == "2" && prefs.Get(PrefLine::AddressCorrection) == "0")
        prefs.Put(PrefLine::AddressCorrection, "1");
    if (prefs.Get(PrefLine::ImbService) == "1" && prefs.Get(PrefLine::SerialOption) == "2")
        prefs.Put(PrefLine::SerialOption, "0");
}

}  // namespace

int RunSettings(std::vector<std::string> args, Context& context) {
    RefuseUnknownOptions(args, "settings");
    settings::Prefs prefs = context.Prefs();
    bool imbSetupChanged = false;
    for (const auto& arg : args) {
        auto eq = arg.find('=');
        const Setting* setting = nullptr;
        for (const auto& s : Settings())
            if (eq != std::string::npos && arg.compare(0, eq, s.name) == 0 &&
                std::strlen(s.name) == eq)
                setting = &s;
        if (!setting)
            throw UsageError{"unknown setting in '" + arg +
                             "'. 'zolvane-cli settings' lists the names."};
        prefs.Put(setting->line, Stored(*setting, arg.substr(eq + 1)));
        if (static_cast<int>(setting->line) >= static_cast<int>(PrefLine::MailerId))
            imbSetupChanged = true;
    }
    if (!args.empty()) {
        ApplyDependentChoices(prefs);
        if (imbSetupChanged) {
            auto message = settings::CheckImbSetup(settings::ImbSetupValuesOf(prefs));
            if (!message.empty())
                return Fail("settings", message + " Nothing was changed.", kExitUsage);
        }
        context.Prefs() = prefs;
        context.SavePrefs();
    }
    for (const auto& s : Settings())
        std::cout << s.name << '=' << Shown(s, prefs) << "\t# " << s.meaning << '\n';
    return kExitOk;
}

}  // namespace zolvane::cli
