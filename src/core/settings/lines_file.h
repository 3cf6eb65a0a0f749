#pragma once

// The program's settings files are plain lists of text lines. On reading, CR,
// LF and CR LF each end a line; on writing every line ends with CR LF.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zolvane::settings {

// A settings file that cannot be read or written. The text is the program's
// own message, ready to show.
class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::vector<std::string> SplitLines(std::string_view content);
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Throws SettingsError when the file is missing or cannot be read.
std::vector<std::string> ReadLinesFile(const std::filesystem::path& path);

// Writes the lines, each ended by CR LF, replacing the file whole: the new
// content goes to a file beside it that is then renamed over it, so a failed
// write leaves the old file as it was. Throws SettingsError on failure.
void WriteLinesFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace zolvane::settings
