#pragma once

// The barcode run: every record of an opened list gets its POSTNET or
// Intelligent Mail barcode, written into the list or into a barcodes-only
// file, and the records that cannot be barcoded are counted.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "io/durable_file.h"
#include "lists/field_assignment.h"
#include "lists/notice.h"

namespace zolvane::settings {
class Prefs;
}

namespace zolvane::lists {

class ListSource;

// Told how the run gets on, so that a window can draw and pace its animation
// and a terminal can show a progress bar. The run itself never waits.
class RunObserver {
  public:
    virtual ~RunObserver() = default;
    // The animation stage: 5 before the first record, then one less each time
    // another fifth of the records is reached (0 before the last record).
    virtual void Stage(int) {}
    // Record s (from 1) of count is about to be processed.
    virtual void Record(std::size_t, std::size_t) {}
};

struct RunOutput {
    bool barcodesOnly = false;
    std::filesystem::path barcodesOnlyPath;  // where the barcodes-only file goes
    std::string barcodesOnlyName;            // how the summary names it
};

struct RunCounts {
    std::size_t added = 0;
    std::size_t zipSkipped = 0;
    std::size_t dpSkipped = 0;
    std::size_t serialSkipped = 0;
};

struct RunResult {
    bool completed = false;  // the barcodes are in the list or the barcodes-only file
    RunCounts counts;
    std::string summary;           // lines separated by CR
    std::vector<Notice> failures;  // why it did not complete; nothing was changed
};

struct RunHooks {
    RunObserver* observer = nullptr;
    // Stores the next automatic serial number (prefs line 10) and saves the
    // settings; returns an error message, empty on success. Called once the
    // records are all written and before the list is replaced.
    std::function<std::string(std::int64_t nextSerial)> saveNextSerial;
    io::WriteFaultHook faultHook = nullptr;  // tests: fail writes on purpose
    void* faultContext = nullptr;
};

// Settings read: prefs lines 1, 2, 4, 9 to 14, 19 and 20 (line 3 is the
// caller's: it decides output.barcodesOnlyPath).
RunResult RunBarcodes(ListSource& source, const FieldAssignment& fields,
                      const settings::Prefs& prefs, const RunOutput& output,
                      const RunHooks& hooks = {});

// The list's file name without its folder, in lower case, as the summary and
// the progress display name it.
std::string LowerCaseFileName(const std::filesystem::path& path);

// The problems with the settings that would make every intelligent barcode
// wrong (the mailer ID, the starting serial number, a class of mail without
// service type identifier); empty when the run can go ahead.
std::vector<Notice> CheckRunSettings(const settings::Prefs& prefs);

}  // namespace zolvane::lists
