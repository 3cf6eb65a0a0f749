// zolvane-cli: the program's barcodes and delivery points for scripts and
// batch work, on the same core as the desktop program.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli.h"
#include "settings/lines_file.h"

namespace {

constexpr const char* kHelp =
    R"(zolvane-cli - USPS barcodes for mailing lists, from a terminal or a script

Usage:
  zolvane-cli imb TRACKING [ROUTING]
      The Intelligent Mail barcode for a 20-digit tracking code and an optional
      routing code (a 5-, 9- or 11-digit ZIP code), as 65 letters for a barcode
      font: T tracker, D descender, A ascender, F full bar.
  zolvane-cli postnet [--frame C] DIGITS
      The POSTNET barcode text: the digits, their check digit, and the frame-bar
      character of your barcode font in front and behind.
  zolvane-cli dp [--primary] [--frame C] ADDRESS ZIP9
      The POSTNET text for a 9-digit ZIP+4 and the delivery point taken from the
      street address: from its apartment, suite or other unit when it has one,
      otherwise from its house or box number. --primary ignores the unit.

  zolvane-cli barcode [options] LIST
      Adds a barcode to every record of a mailing list (a tab-, comma- or
      bar-delimited text file, a mail-merge file with field names, or a dBase
      table), as the desktop program does: it guesses which fields hold the
      ZIP code, delivery point, address, OEL and serial number, checks them,
      and rewrites the list whole (or leaves it untouched if anything fails).
      Prints a summary of what was added and skipped.
        --imb | --postnet        the kind of barcode, for this run only
        --into-list              write the barcodes into the list itself
        --barcodes-only[=FILE]   write them to FILE instead (default:
                                 Barcode.txt beside the list)
        --fields ROLE=N,...      correct the guess: roles address zip5 zip4
                                 zip9 barcode dp oel serial, 0-based field
                                 positions, -1 for none
        --table NAME             the table or sheet of a database or workbook
  zolvane-cli settings [NAME=VALUE ...]
      Shows the settings, or changes them with the checks of the desktop
      program's preferences and intelligent barcode setup, and saves them.
      For example: zolvane-cli settings barcode-kind=imb mailer-id=123456789

  Give - in place of the input to read one input per line from standard input
  and print one line per input line (imb: TRACKING or TRACKING ROUTING;
  postnet: DIGITS; dp: ADDRESS, a tab, ZIP9). A refused input prints an empty
  line and its reason on standard error.

Options:
  --frame C   the frame-bar character (default: the one in your settings;
              --frame '' for none)
  --help      this text

Settings are read from prefs.dat in the data folder, shared with the desktop
program: $ZOLVANE_DATA_DIR, else $XDG_DATA_HOME/Zolvane, else
~/.local/share/Zolvane. A new data folder is filled with the installed copies.

Exit status: 0 done; 1 the work could not be done; 2 a bad argument or input.
)";

}  // namespace

int main(int argc, char** argv) {
    using namespace zolvane::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(kHelp, args.empty() ? stderr : stdout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return kExitOk;
        }
    }
    Context context;
    try {
        if (command == "imb") return RunImb(args, context);
        if (command == "postnet") return RunPostnet(args, context);
        if (command == "dp") return RunDp(args, context);
        if (command == "barcode") return RunBarcode(args, context);
        if (command == "settings") return RunSettings(args, context);
        throw UsageError{"unknown command '" + command + "'. Try 'zolvane-cli --help'."};
    } catch (const UsageError& e) {
        std::fprintf(stderr, "zolvane-cli: %s\n", e.message.c_str());
        return kExitUsage;
    } catch (const zolvane::settings::SettingsError& e) {
        std::fprintf(stderr, "zolvane-cli: %s\n", e.what());
        return kExitFailed;
    }
}
