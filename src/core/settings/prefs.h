#pragma once

// prefs.dat and fonts.dat: the program's persistent settings, one value per
// line, held in memory while the program runs and written back whole after
// every change.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zolvane::settings {

// The lines of prefs.dat, by position in the file.
enum class PrefLine : int {
    Unused0 = 0,
    BarcodeKind = 1,       // "0" Intelligent Mail, "1" POSTNET
    BarcodeOutput = 2,     // "0" into the list, "1" a barcodes-only file
    BarcodesOnlyName = 3,  // "0" "Barcode.txt", "1" ask for a name
    FrameBar = 4,          // POSTNET frame-bar character
    Unused5 = 5,
    TagMailType = 6,         // mail type code for tray and sack tags
    TagMailerName = 7,       // mailer company name for tags
    TagMailerCityState = 8,  // mailer city and state for tags
    MailerId = 9,            // USPS mailer ID, 6 or 9 digits
    NextSerial = 10,         // next automatic serial number
    MailClass = 11,          // 0 First, 1 Standard, 2 Periodical, 3 Bound Printed
    ImbService = 12,         // 0 Basic, 1 Full, 2 Nonautomation
    AddressCorrection = 13,  // 0 to 3
    Confirm = 14,            // "t"/"f": IMB Tracing or Confirm
    Oels = 15,               // "t"/"f": flats mailed with OELs
    ReplyKind = 16,          // single reply barcode: "0" IMb, "1" POSTNET
    ReplyType = 17,          // 0 Business .. 4 Metered Reply
    ReplyConfirm = 18,       // "t"/"f"
    SerialOption = 19,       // "0" automatic, "1" from the list, "2" fixed
    FixedSerial = 20,        // the fixed serial number for option "2"
    LastListPath = 21,       // full path of the last mailing list opened
};

inline constexpr int kPrefLineCount = 22;

// The in-memory lines of prefs.dat. The data folder is always given by the
// caller; nothing here is global.
class Prefs {
  public:
    Prefs() : m_lines(kPrefLineCount) {}
    explicit Prefs(std::vector<std::string> lines);

    // Loads data folder + "prefs.dat", upgrading (and writing back) a file of
    // fewer than 22 lines. Throws SettingsError when it cannot be read or the
    // upgrade cannot be written.
    static Prefs Load(const std::filesystem::path& dataFolder);

    // The upgrade of a file written by an older version with fewer lines.
    // Returns true when the lines were changed (fewer than 22 as read).
    static bool Upgrade(std::vector<std::string>& lines);

    const std::string& Get(PrefLine line) const { return m_lines[Index(line)]; }
    void Put(PrefLine line, std::string value) { m_lines[Index(line)] = std::move(value); }

    // The line read as a decimal integer; empty when it holds none, so that
    // every caller decides what a hand-edited file means for it.
    std::optional<std::int64_t> GetInt(PrefLine line) const;

    // Writes every line to data folder + "prefs.dat", replacing the file
    // whole. Throws SettingsError on failure; the lines in memory stay.
    void Save(const std::filesystem::path& dataFolder) const;

    const std::vector<std::string>& Lines() const { return m_lines; }

  private:
    static std::size_t Index(PrefLine line) { return static_cast<std::size_t>(line); }
    std::vector<std::string> m_lines;
};

// The lines of fonts.dat. Their meaning belongs to the tag printing.
class FontsLines {
  public:
    FontsLines() = default;
    explicit FontsLines(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    // Loads data folder + "fonts.dat"; a file of exactly 7 lines gains an
    // eighth line "0" in memory. Throws SettingsError when it cannot be read.
    static FontsLines Load(const std::filesystem::path& dataFolder);

    std::size_t Count() const { return m_lines.size(); }
    const std::string& Get(std::size_t n) const { return m_lines.at(n); }
    void Put(std::size_t n, std::string value);
    void Save(const std::filesystem::path& dataFolder) const;
    const std::vector<std::string>& Lines() const { return m_lines; }

  private:
    std::vector<std::string> m_lines;
};

// Everything the settings load makes, in its order: the Intelligent Mail
// character table, prefs.dat, fonts.dat, the secondary-unit designators.
struct LoadedSettings {
    Prefs prefs;
    FontsLines fonts;
};
LoadedSettings LoadSettings(const std::filesystem::path& dataFolder);

inline constexpr std::string_view kPrefsFileName = "prefs.dat";
inline constexpr std::string_view kFontsFileName = "fonts.dat";
inline constexpr std::string_view kSampleFileName = "sample.txt";

}  // namespace zolvane::settings
